#!/usr/bin/env bash
# Builds the cost sheet's fuzz target with clang and runs it for the given number of seconds
# (60 by default) from the seed corpus, with its dictionary. New inputs go to a scratch
# folder; a failing input is left as fuzz/crash-* and the run exits non-zero.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DTALLWICK_FUZZ=ON -DTALLWICK_WERROR=ON \
    >/dev/null
cmake --build build-fuzz -j"$(nproc)" >/dev/null

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
log=$scratch/log
if ! build-fuzz/fuzz/fuzz_IngotKosten -max_total_time="$seconds" -timeout=10 \
    -dict=fuzz/tallwick.dict -artifact_prefix=fuzz/ "$scratch" fuzz/corpus >"$log" 2>&1; then
    tail -n 40 "$log" >&2
    echo "fuzzing found a failing input: $(ls fuzz/crash-* fuzz/timeout-* 2>/dev/null)" >&2
    exit 1
fi
grep -E '^Done' "$log"
