#!/usr/bin/env bash
# The screensaver's full-screen show as a real process under a private X server: it covers the screen,
# ends on a key or a click, refuses a second "/s", and the other mode words end at once.
set -uo pipefail
bin=$1
source "$(dirname "$0")/lib.sh"
start_xvfb
# A navy background tells the show's pixels from the server's black.
# Horizontal passes through the middle never reach a corner (random paths put the picture in them).
printf '[Common]\nDate=2031-07-13\n[ScreenSaver]\nBackground=8388608\nImageUsed=1\nPosition=0\nHorizontal=1\n' > "$store"

pixel() { import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null | grep -o '#[0-9A-Fa-f]\{6\}' | head -n 1; }
window_of() { # pid: the process's visible window, waiting up to 60 s
    local id
    for _ in $(seq 1 600); do
        id=$(xdotool search --onlyvisible --pid "$1" 2>/dev/null | head -n 1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

"$bin/Pellmora" /s & first=$!
E2E_PIDS+=("$first")
win=$(window_of "$first")
check_true "/s shows a window" test -n "$win"
check "/s covers the whole screen" "1920x1080+0+0" \
    "$(xwininfo -id "${win:-0}" 2>/dev/null | awk '/-geometry/ {print $2}')"
wait_until 60 eval '[ "$(pixel 0 0)" = "#000080" ] && [ "$(pixel 1919 1079)" = "#000080" ]'
check "top-left corner is the show's background" "#000080" "$(pixel 0 0)"
check "bottom-right corner is the show's background" "#000080" "$(pixel 1919 1079)"

"$bin/Pellmora" /s & second=$!
check_true "a second /s ends at once" wait_exit "$second"
check_true "the first show goes on" kill -0 "$first"

xdotool mousemove 960 540
xdotool key shift
sleep 0.3
check_true "Shift does not end the show" kill -0 "$first"
xdotool key a
check_true "a character key ends the show" wait_exit "$first"
wait "$first"; check "the show ends with exit code 0" 0 "$?"

"$bin/Pellmora" & clicked=$!
E2E_PIDS+=("$clicked")
window_of "$clicked" >/dev/null
xdotool click 1
check_true "no argument runs full screen, and a click ends it" wait_exit "$clicked"

for word in /a /x --rooted; do
    "$bin/Pellmora" "$word" & other=$!
    check_true "$word shows nothing and ends" wait_exit "$other"
    wait "$other"; check "$word exit code" 0 "$?"
done

finish
