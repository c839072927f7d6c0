#!/usr/bin/env bash
# The start-up benchmark in one command: builds Tallwick as a release and the measuring tool,
# then opens Tallwick, xcalc and galculator by turns and prints the medians and ratios.
# Runs on $DISPLAY when one is set; otherwise on an X server of its own with openbox and a
# session bus. Arguments go to the tool: --runs N (15), --settle MS (1000).
set -euo pipefail
cd "$(dirname "$0")/.."

source scripts/packages.sh
scripts/need-packages.sh "${build_packages[@]}" "${desktop_packages[@]}" libxcb1-dev \
    x11-apps galculator

cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build-bench -j"$(nproc)" --target tallwick startup >/dev/null

programs=(build-bench/app/tallwick)
for peer in xcalc galculator; do
    command -v "$peer" >/dev/null && programs+=("$peer")
done

echo "$(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
if [[ -n ${DISPLAY:-} ]]; then
    build-bench/bench/startup "$@" "${programs[@]}"
else
    tests/with-desktop.sh build-bench/bench/startup "$@" "${programs[@]}" 2> >(
        grep -vE 'galculator|Cannot convert string|dbus-daemon' >&2)
fi
