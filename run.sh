#!/usr/bin/env bash
# Builds Tallwick and starts it on the current display.
# Installs the Debian packages it needs first.
set -euo pipefail
cd "$(dirname "$0")"

scripts/need-packages.sh cmake g++ make qt6-base-dev libgl-dev

cmake -S . -B build >/dev/null
cmake --build build -j"$(nproc)" --target tallwick
exec build/app/tallwick
