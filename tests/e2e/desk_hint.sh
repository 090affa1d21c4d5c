#!/usr/bin/env bash
# The display window's hint in the real program under Xvfb, driven with xdotool: shown below the window
# only while the pointer is at least 30 pixels from its left and right edges and 10 from its top and
# bottom, hidden by a button held down and by leaving the window, and never shown with the hints off.
set -uo pipefail
bin=$1
source "$(dirname "$0")/lib.sh"
start_xvfb
target=$(date -d '+430 days' +%Y-%m-%d)
QUINDLE_PID=

settings() { # lines of the Desktop section after a still, opaque window at 100,200 without an icon
    printf '[Common]\nDate=%s\n[Desktop]\nTrayNotification=0\nMovement=0\nTransparent=0\n' "$target" > "$store"
    printf 'PositionLeft=1500\nPositionTop=3000\n' >> "$store"
    printf '%s\n' "$@" >> "$store"
}
shown() { [ -n "$(xdotool search --onlyvisible --name '^Quindle Hint$' 2>/dev/null)" ]; }
hidden() { ! shown; }
# Moves the pointer to x y in the window, counted from its right or bottom edge when negative.
point() {
    local x=$1 y=$2
    [ "$x" -lt 0 ] && x=$((WW + x))
    [ "$y" -lt 0 ] && y=$((WH + y))
    xdotool mousemove $((WX + x)) $((WY + y))
}
# Moves into the band along the edges, where no hint shows, and waits until none does.
to_edge() {
    point 6 6
    wait_until 60 hidden
}
# Moves into the inner area and waits until the hint shows.
to_inner() {
    point 40 12
    wait_until 60 shown
}

settings ToolTips=1
start_quindle
id=$(main_window); check_true "window shown" [ -n "$id" ]
geometry "$id"
# Enter the window in the band first: the first move into a window may bring no motion of its own.
point 5 5
to_edge

# --- The inner area's corners show it ---------------------------------------------------------------
for at in "30 10" "-30 -10"; do
    point $at
    check_true "shown at $at" wait_until 60 shown
    to_edge
done

# --- Just outside the inner area it goes ------------------------------------------------------------
for at in "29 10" "30 9" "-29 12" "40 -9"; do
    check_true "shown in the inner area before $at" to_inner
    point $at
    check_true "hidden at $at" wait_until 60 hidden
done

# --- A button held down hides it; so does leaving the window in one jump ----------------------------
to_inner
xdotool mousedown 2
check_true "a button held down hides it" wait_until 60 hidden
xdotool mouseup 2
to_edge
to_inner
xdotool mousemove $((WX + WW + 400)) 100
check_true "leaving the window in one jump hides it" wait_until 60 hidden
stop_quindle

# --- With the hints off: a move over the inner area, then a right click; once the settings dialog is
# --- up, the move has long been handled
settings ToolTips=0
start_quindle
id=$(main_window); geometry "$id"
point 5 5
point 6 6
point 40 12
point 41 12
xdotool click 3
dialog=$(wait_window '^Settings - Quindle - v 3\.0$')
check_true "the right click opened the settings" [ -n "$dialog" ]
check_true "no hint with the hints off" hidden
stop_quindle
finish
