#!/usr/bin/env bash
# Runs a command on a desktop of its own, as a user's session would give it: a private X
# server (Xvfb), the openbox window manager, a session bus and the accessibility bus.
# Everything it starts is stopped when the command ends; the command's exit status is kept.
# Usage: with-desktop.sh COMMAND [ARG...]
set -euo pipefail

if [[ -z ${TALLWICK_DESKTOP_BUS:-} ]]; then
    export TALLWICK_DESKTOP_BUS=1
    exec dbus-run-session -- "$0" "$@" 2> >(grep -v 'Failed to set fd limit' >&2)
fi

runtime=$(mktemp -d)
chmod 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$runtime"
}
trap cleanup EXIT

# Waits up to five seconds for a condition; gives up with a message.
await() {
    local what=$1
    shift
    for _ in $(seq 50); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    echo "with-desktop: $what did not come up" >&2
    exit 1
}

Xvfb -displayfd 3 -screen 0 2048x1536x24 -nolisten tcp -noreset 3>"$runtime/display" 2>/dev/null &
pids+=($!)
await "the X server" test -s "$runtime/display"
export DISPLAY=:$(cat "$runtime/display")

# openbox announces itself before it is ready, and a window mapped in between is never
# shown; a window it has mapped proves it is taking requests.
wm_maps_windows() {
    xmessage -name wm-probe -geometry +0+0 probe >/dev/null 2>&1 &
    local probe=$!
    local mapped=1
    for _ in $(seq 10); do
        xdotool search --onlyvisible --classname wm-probe >/dev/null 2>&1 && mapped=0 && break
        sleep 0.05
    done
    kill "$probe"
    wait "$probe" 2>/dev/null || true
    return $mapped
}
openbox >/dev/null 2>&1 &
pids+=($!)
await "the window manager" wm_maps_windows

/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
pids+=($!)
await "the accessibility bus" dbus-send --session --print-reply --dest=org.a11y.Bus \
    /org/a11y/bus org.a11y.Bus.GetAddress

"$@"
