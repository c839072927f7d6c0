#!/usr/bin/env bash
# The built program from outside, as a person uses it: under a real X server with a window
# manager (run it under with-desktop.sh), typing and clicking through XTEST with xdotool and
# reading the boxes back through the clipboard. Also starts it in unusual locale settings.
# Usage: e2e.sh PROGRAM
set -euo pipefail
program=$1
pid='' window=''

fail() {
    echo "FAIL: $*" >&2
    [[ -n $pid ]] && kill "$pid" 2>/dev/null
    exit 1
}

# Where a person would click, in the window's own pixels at 96 dpi.
declare -A at=(
    [GPIngot]="24 25" [AnzIngots]="96 25" [KostenAusgabe]="40 57" [gkosten]="40 89"
    [Berechnen]="112 44" [add]="112 68" [clear]="112 92" [About]="72 110"
)

start() {
    env "$@" "$program" &
    pid=$!
    window=$(timeout 10 xdotool search --sync --onlyvisible --name '^Tallwick$' | head -n 1) ||
        fail "no window with $*"
    xdotool windowactivate --sync "$window"
}

click() {
    # shellcheck disable=SC2086
    xdotool mousemove --window "$window" ${at[$1]} click 1
    sleep 0.1
}

type_into() {
    click "$1"
    xdotool key ctrl+a BackSpace type --delay 5 "$2"
}

# The whole text of a box, copied as a person would: select all, copy, paste elsewhere.
text_of() {
    printf '<untouched>' | xclip -selection clipboard -i >/dev/null 2>&1
    click "$1"
    xdotool key ctrl+a ctrl+c
    sleep 0.1
    local copied
    copied=$(xclip -selection clipboard -o)
    [[ $copied == '<untouched>' ]] && copied=''
    printf '%s' "$copied"
}

expect() {
    local actual
    actual=$(text_of "$1")
    [[ $actual == "$2" ]] || fail "$1 reads '$actual', expected '$2' ($3)"
}

# Closing the window must end the program with status 0 within a second.
close_window() {
    xdotool windowactivate --sync "$window" key alt+F4
    for _ in $(seq 10); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && fail "still running a second after the window closed"
    local status=0
    wait "$pid" || status=$?
    pid=''
    [[ $status -eq 0 ]] || fail "exit status $status"
}

echo "a session: Calculate, Add, Reset, an error box"
start LANG=C.UTF-8
type_into GPIngot 12
type_into AnzIngots 100
xdotool key Return # Enter in a box calculates nothing
click Berechnen
expect KostenAusgabe "1200 GP" "after 12 x 100"
expect GPIngot "" "entries emptied"
click add
click add
expect gkosten 2400 "after Add, Add"
click clear
expect KostenAusgabe 0 "after Reset"
expect gkosten 0 "after Reset"
click add
expect gkosten 1200 "Add after Reset"

type_into AnzIngots 7
click Berechnen
box=$(timeout 5 xdotool search --sync --onlyvisible --name '^Error$' | head -n 1) ||
    fail "no error box for an empty price"
click clear # the window takes no clicks while the box is open
xdotool windowactivate --sync "$box" key Return
for _ in $(seq 20); do
    xdotool search --onlyvisible --name '^Error$' >/dev/null || break
    sleep 0.1
done
xdotool search --onlyvisible --name '^Error$' >/dev/null && fail "Enter left the error box open"
expect AnzIngots 7 "the entry kept through the error box"
expect gkosten 1200 "Reset did nothing while the box was open"
close_window

echo "locale settings: half a unit times 3"
while IFS='|' read -r settings price cost; do
    echo "  $settings"
    # shellcheck disable=SC2086
    start $settings
    type_into GPIngot "$price"
    type_into AnzIngots 3
    click Berechnen
    expect KostenAusgabe "$cost" "$settings"
    close_window
done <<'CASES'
LANG=C|0.5|1.5 GP
LANG=de_DE.UTF-8|0,5|1,5 GP
LANG=not-a-locale|0.5|1.5 GP
LANG=en_US.UTF-8 LC_NUMERIC=de_DE.UTF-8|0,5|1,5 GP
LANG=de_DE.UTF-8 LC_ALL=en_GB.UTF-8|0.5|1.5 GP
CASES
echo "all passed"
