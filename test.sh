#!/usr/bin/env bash
# Builds Tallwick and runs every test headless; exits non-zero on any failure.
# Installs the Debian packages it needs first. Three stages:
#   1. the normal build and its tests;
#   2. a minute of fuzzing the cost sheet (when clang is there);
#   3. the same tests on a build with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"

source scripts/packages.sh
scripts/need-packages.sh "${build_packages[@]}" "${desktop_packages[@]}" clang-format \
    desktop-file-utils appstream dpkg-dev file libxcb1-dev xclip

build_and_test() {
    local dir=$1
    shift
    echo "== $dir"
    cmake -S . -B "$dir" -DTALLWICK_WERROR=ON "$@" >/dev/null
    cmake --build "$dir" -j"$(nproc)"
    ctest --test-dir "$dir" --output-on-failure
}

build_and_test build

echo "== fuzzing"
if command -v clang++ >/dev/null; then
    fuzz/run.sh "${TALLWICK_FUZZ_SECONDS:-60}"
else
    echo "clang++ not found: fuzzing skipped"
fi

build_and_test build-sanitize -DTALLWICK_SANITIZE=ON
