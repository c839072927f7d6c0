#!/usr/bin/env bash
# Opens the program on a real X server with a window manager (run it under with-desktop.sh)
# and checks where its window's client area lands and how large it is, in device pixels:
# on a 96-dpi screen, with QT_SCALE_FACTOR=2, and on a 192-dpi screen (Xft.dpi).
set -euo pipefail
program=$1

check() {
    local label=$1 expected=$2
    shift 2
    env "$@" "$program" 2>"$XDG_RUNTIME_DIR/program.log" &
    local pid=$!
    local window
    window=$(timeout 10 xdotool search --sync --onlyvisible --name '^Tallwick$' | head -n 1) || {
        echo "$label: no window came up; the program said:" >&2
        cat "$XDG_RUNTIME_DIR/program.log" >&2
        xwininfo -root -tree >&2
        exit 1
    }
    local geometry
    geometry=$(xwininfo -id "$window" | awk '
        /Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
        /Width:/ {w = $2} /Height:/ {h = $2}
        END {print x "," y " " w "x" h}')
    kill "$pid"
    wait "$pid" || true
    if [[ $geometry != "$expected" ]]; then
        echo "$label: client area at $geometry, expected $expected" >&2
        exit 1
    fi
    echo "$label: client area at $geometry"
}

check "96 dpi" "37,372 145x119"
check "QT_SCALE_FACTOR=2" "74,744 290x238" QT_SCALE_FACTOR=2
xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER $'Xft.dpi:\t192\n'
check "192 dpi" "74,744 290x238"
