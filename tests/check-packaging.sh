#!/usr/bin/env bash
# Checks what a build tree installs: "install" stages `cmake --install` into a temporary
# folder, "deb" makes the Debian package with cpack; both must hold the same files, and the
# package must depend on the Qt libraries with versions.
set -euo pipefail
mode=$1 build=$2 appId=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

expected="bin/tallwick
share/applications/$appId.desktop
share/doc/tallwick/copyright
share/icons/hicolor/32x32/apps/$appId.png
share/icons/hicolor/64x64/apps/$appId.png
share/icons/hicolor/scalable/apps/$appId.svg
share/metainfo/$appId.metainfo.xml"

case $mode in
install)
    DESTDIR="$work" cmake --install "$build" --prefix /usr >/dev/null
    actual=$(cd "$work/usr" && find . -type f | sed 's|^\./||' | sort)
    ;;
deb)
    (cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" >/dev/null)
    deb=$(ls "$work"/tallwick_*.deb)
    actual=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./usr/||' | sort)
    depends=$(dpkg-deb -f "$deb" Depends)
    echo "Depends: $depends"
    for library in libqt6core6 libqt6gui6 libqt6widgets6; do
        [[ $depends =~ $library\ \(\>=\ [0-9.]+\) ]] || {
            echo "no versioned dependency on $library" >&2
            exit 1
        }
    done
    ;;
esac

if [[ $actual != "$expected" ]]; then
    echo "installed files differ from what is expected:" >&2
    diff <(echo "$expected") <(echo "$actual") >&2
    exit 1
fi
echo "$mode holds the expected files"
