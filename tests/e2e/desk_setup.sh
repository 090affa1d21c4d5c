#!/usr/bin/env bash
# The desktop program's settings dialog in the real program under Xvfb with a real tray host (trayer),
# driven with xdotool: opened by a right click on the window and by a click on the icon, a new title
# saved with OK, put away while the icon is on, and Exit Program. Screenshots go to $DESK_SHOTS when it
# names a folder.
set -uo pipefail
bin=$1
source "$(dirname "$0")/lib.sh"
start_xvfb
shots=${DESK_SHOTS:-}
target=$(date -d '+430 days' +%Y-%m-%d)
caption='^Settings - Quindle - v 3\.0$'

shot() { [ -n "$shots" ] && import -window root "$shots/$1.png"; }
dialog_shown() { xdotool search --onlyvisible --name "$caption" >/dev/null 2>&1; }
wait_hidden() { # true once no settings dialog is visible
    wait_until 60 eval '! dialog_shown'
}
panel() { xdotool search --name '^panel$' | head -n 1; }
tray_icons() { xwininfo -tree -id "$(panel)" | grep -c '"Quindle"'; }
click_icon() {
    geometry "$(panel)"
    xdotool mousemove $((WX + WW / 2)) $((WY + WH / 2)) click 1
}

trayer --edge top --align right --widthtype request --height 24 >/dev/null 2>&1 & E2E_PIDS+=($!)
wait_until 60 eval '[ -n "$(panel)" ]'

printf '[Common]\nDate=%s\nTitle=Short\n[Desktop]\nTrayNotification=1\nMovement=0\nTransparent=0\n' "$target" > "$store"
printf 'BackgroundColor=65280\nTextFontColor=255\nPositionLeft=1500\nPositionTop=3000\nSetupLeft=3000\nSetupTop=3000\n' >> "$store"
"$bin/Quindle" & QUINDLE_PID=$!
E2E_PIDS+=($QUINDLE_PID)
id=$(main_window); check_true "display window shown" [ -n "$id" ]
wait_until 60 eval '[ "$(tray_icons)" -ge 1 ]'
check "the icon sits in the tray" 1 "$(tray_icons)"
check_true "the dialog is loaded hidden at start" wait_hidden

# --- The opaque window: red letters with smooth edges on its green background ---------------------------
geometry "$id"
window_colours() {
    import -window root -crop "${WW}x${WH}+${WX}+${WY}" +repage png:- 2>/dev/null |
        convert - -depth 8 -unique-colors txt:- | grep -c '^[0-9]'
}
wait_until 60 eval '[ "$(window_colours)" -gt 2 ]'
corner=$(import -window root -crop "1x1+$WX+$WY" -depth 8 txt:- 2>/dev/null | grep -o '#[0-9A-F]\{6\}' | head -n 1)
check "the background colour fills the window" "#00FF00" "$corner"
check_true "letters and background and the blended edges between them" [ "$(window_colours)" -gt 2 ]

# --- A right click on the window opens the dialog; a new title and OK rebuild the window ----------------
geometry "$id"; width_before=$WW
xdotool mousemove $((WX + 4)) $((WY + WH / 2)) click 3
dialog=$(wait_window "$caption"); check_true "a right click on the window opens the dialog" [ -n "$dialog" ]
geometry "$dialog"
check "opened at its stored place" "200 200" "$WX $WY"
sleep 0.5
shot dialog-general
# The event text has the focus when the dialog opens; Return presses OK.
xdotool key ctrl+a; xdotool type --delay 5 'A much longer title than before'; xdotool key Return
check_true "OK puts the dialog away while the icon is on" wait_hidden
wait_until 60 eval '[ "$(stored Title)" = "A much longer title than before" ]'
check "the new title is stored" 'A much longer title than before' "$(stored Title)"
grown() { id=$(main_window) && geometry "$id" && [ "$WW" -gt "$width_before" ]; }
wait_until 60 grown
check_true "the window grew for the longer text ($width_before -> $WW)" [ "$WW" -gt "$width_before" ]
check_true "the program goes on" kill -0 "$QUINDLE_PID"

# --- A click on the icon opens it; closing it keeps the program and the icon ---------------------------
click_icon
check_true "a click on the icon opens the dialog" eval "wait_window \"$caption\" >/dev/null"
xdotool key Escape
check_true "closing the dialog puts it away" wait_hidden
check "the icon stays" 1 "$(tray_icons)"
wait_until 60 eval '[ "$(stored SetupLeft)" = 3000 ]'
check "the place is stored on close" 3000 "$(stored SetupLeft)"

# --- Exit Program ends the program and removes the icon ------------------------------------------------
sleep 0.5 # two clicks on the icon closer than the double-click time are one double click
click_icon
dialog=$(wait_window "$caption")
check_true "the program goes on after the close: the icon opens the dialog again" [ -n "$dialog" ]
# The keys go to the window with the focus: wait until the dialog has it.
wait_until 60 eval '[ "$(xdotool getwindowfocus 2>/dev/null)" = "$dialog" ]' || echo "note: the dialog never took the focus"

# From the event text, backwards past About and Help to Exit Program.
xdotool key shift+Tab shift+Tab shift+Tab space
check_true "Exit Program ends the program" wait_exit "$QUINDLE_PID"
wait_until 60 eval '[ "$(tray_icons)" -eq 0 ]'
check "the icon is gone" 0 "$(tray_icons)"
finish
