# Debian packages, sourced by the scripts that install them.
# What building the program needs:
build_packages=(cmake g++ make pkg-config qt6-base-dev libgl-dev libfontconfig-dev)
# What a private desktop for tests and benchmarks needs (tests/with-desktop.sh):
desktop_packages=(xvfb xauth openbox x11-utils xdotool dbus-daemon dbus-bin at-spi2-core)
