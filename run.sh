#!/usr/bin/env bash
# Builds Tallwick and starts it on the current display.
# Installs the Debian packages it needs first.
set -euo pipefail
cd "$(dirname "$0")"

source scripts/packages.sh
scripts/need-packages.sh "${build_packages[@]}"

cmake -S . -B build >/dev/null
cmake --build build -j"$(nproc)" --target tallwick
exec build/app/tallwick
