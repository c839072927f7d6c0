#!/usr/bin/env bash
# Builds Tallwick and runs every test headless; exits non-zero on any failure.
# Installs the Debian packages it needs first.
set -euo pipefail
cd "$(dirname "$0")"

scripts/need-packages.sh cmake g++ make qt6-base-dev libgl-dev clang-format \
    desktop-file-utils appstream dpkg-dev file \
    xvfb xauth openbox x11-utils xdotool dbus-daemon dbus-bin at-spi2-core

cmake -S . -B build -DTALLWICK_WERROR=ON
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure
