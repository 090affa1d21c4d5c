#!/usr/bin/env bash
# The desktop window as a real program under Xvfb, driven with xdotool: where it opens and how large,
# a second start, dragging, the hint (also after the window was put elsewhere behind the program's back),
# see-through clicks, the tray icon and double-click to end.
# Screenshots go to $DESK_SHOTS when it names a folder.
set -uo pipefail
bin=$1
source "$(dirname "$0")/lib.sh"
start_xvfb
shots=${DESK_SHOTS:-}
QUINDLE_PID=

target=$(date -d '+430 days' +%Y-%m-%d)
settings() { # lines of the Desktop section
    printf '[Common]\nDate=%s\n[Desktop]\nTrayNotification=0\n' "$target" > "$store"
    printf '%s\n' "$@" >> "$store"
}
shot() { [ -n "$shots" ] && import -window root "$shots/$1.png"; }
# The first pixel of colour $2 (as #RRGGBB) inside the screen area $1 (WxH+X+Y), as "x y" on screen.

# --- Placed at the saved position, sized to its text -------------------------------------------------
settings PositionLeft=1500 PositionTop=3000 Transparent=0 BackgroundColor=16777215 TextFontColor=0
start_quindle
id=$(main_window); check_true "window shown" [ -n "$id" ]
geometry "$id"
check "placed at the saved position" "100 200" "$WX $WY"
# The columns that hold ink, once the window has painted its text.
inked() {
    ink=$(import -window root -crop "${WW}x${WH}+${WX}+${WY}" +repage png:- 2>/dev/null |
        convert - -trim -format '%w %X' info:-)
    ink_w=${ink% *}; ink_x=${ink#* +}
    [ "${ink_w:-0}" -gt 20 ]
}
wait_until 60 inked
check_true "text starts at the left edge ($ink)" [ "${ink_x:-99}" -le 2 ]
check_true "window ends where the text ends (${ink_w} of ${WW})" [ $((WW - ink_x - ink_w)) -le 4 ]
check_true "one line of text" [ "$WH" -lt 40 ]
state=$(xprop -id "$id" _NET_WM_STATE)
check_true "no taskbar button" grep -q _NET_WM_STATE_SKIP_TASKBAR <<<"$state"
check "not above other windows unless asked" 0 "$(grep -c _NET_WM_STATE_ABOVE <<<"$state")"
shot opaque-one-line

# --- A second start ends at once and leaves the first running ----------------------------------------
timeout 60 "$bin/Quindle"; rc=$?
check "second start ends by itself with exit code 0" 0 "$rc"
check_true "first instance still running" kill -0 "$QUINDLE_PID"

# --- The hint: below the window in its inner area, hidden near the edges -----------------------------
xdotool mousemove $((WX + 40)) $((WY + WH / 2)); sleep 0.2; xdotool mousemove $((WX + 45)) $((WY + WH / 2))
hint=$(wait_window '^Quindle Hint$')
check_true "hint shown in the inner area" [ -n "$hint" ]
if [ -n "$hint" ]; then
    below=$((WY + WH)); geometry "$hint"
    check "hint just below the window's lower-left corner" "100 $below" "$WX $WY"
    shot hint
fi
geometry "$id"
xdotool mousemove $((WX + 5)) $((WY + WH / 2))
wait_until 60 eval '[ -z "$(xdotool search --onlyvisible --name "^Quindle Hint$" 2>/dev/null)" ]'
check "hint hidden near the left edge" "" "$(xdotool search --onlyvisible --name '^Quindle Hint$' 2>/dev/null)"

# --- A drag moves the window and saves its place (no window manager here) ----------------------------
xdotool mousemove $((WX + 20)) $((WY + WH / 2)) mousedown 1
sleep 0.2; xdotool mousemove $((WX + 80)) $((WY + WH / 2 + 30)); sleep 0.2
xdotool mousemove $((WX + 140)) $((WY + WH / 2 + 60)); sleep 0.2; xdotool mouseup 1
wait_until 60 eval '[ "$(stored PositionLeft)" = 3300 ]'
geometry "$id"
check "dragged to the new place" "220 260" "$WX $WY"
check "PositionLeft saved in twips" 3300 "$(stored PositionLeft)"
check "PositionTop saved in twips" 3900 "$(stored PositionTop)"

# --- A double click ends the program ------------------------------------------------------------------
xdotool mousemove $((WX + 20)) $((WY + WH / 2)) click --repeat 2 --delay 80 1
check_true "double click ends the program" wait_exit "$QUINDLE_PID"
stop_quindle

# --- The window system's place counts, whatever the toolkit was last told ------------------------------
# A window manager that frames the window as it first shows it can leave the toolkit with the frame's
# place of a moment before. Here an outside client puts the window into another one, which the toolkit
# never hears of; the hint (like a drag) must start from where the window now is.
settings PositionLeft=1500 PositionTop=3000 Transparent=0 BackgroundColor=16777215 TextFontColor=0
start_quindle
id=$(main_window); geometry "$id"; height=$WH
xmessage -title frame -geometry 900x100+300+500 frame >/dev/null 2>&1 & E2E_PIDS+=($!)
xdotool windowreparent "$id" "$(wait_window '^frame$')"
wait_until 60 eval 'geometry "$id"; [ "$WX" -ge 300 ]'
xdotool mousemove $((WX + 40)) $((WY + WH / 2)); sleep 0.2; xdotool mousemove $((WX + 45)) $((WY + WH / 2))
framed="$WX $((WY + height))"
hint=$(wait_window '^Quindle Hint$') && geometry "$hint"
check "hint below the window where the window system has it" "$framed" "$WX $WY"
stop_quindle

# --- Moving: along the top leftwards; the program's idea of its place keeps up (the hint shows below) --
# One pixel a tick (Speed 15 twips), so a run takes half a minute and the window stays well inside the
# screen while it is checked.
settings Movement=1 Speed=15 Interval=0 Transparent=0 PositionLeft=1500 PositionTop=3000
start_quindle
id=$(main_window); geometry "$id"; first=$WX
for _ in $(seq 1 900); do geometry "$id"; [ "$WX" -le 1300 ] && break; sleep 0.1; done
check "moves along the top edge" 0 "$WY"
check_true "moves leftwards from the right edge ($first -> $WX)" within "$WX" -10000 $((first < 1300 ? first - 1 : 1300))
hint="" before=0 started=0 width=$WW height=$WH
for _ in 1 2 3 4 5; do
    started=$(date +%s%N); geometry "$id"; before=$WX
    xdotool mousemove $((WX + WW / 2)) $((WY + WH / 2)); sleep 0.1; xdotool mousemove $((WX + WW / 2 + 2)) $((WY + WH / 2))
    hint=$(wait_window '^Quindle Hint$' 3) && break
done
elapsed_ms=$(( ($(date +%s%N) - started) / 1000000 ))
check_true "hint shown over the moving window" [ -n "$hint" ]
if [ -n "$hint" ]; then
    geometry "$hint"
    # The window stepped at most one pixel per 16 ms tick since its place was read.
    check_true "hint at the window's place then (hint x $WX, window x $before, $elapsed_ms ms later)" \
        within "$WX" $((before - elapsed_ms / 16 - 2)) "$before"
    check "hint just below the moving window" "$height" "$WY"
fi
geometry "$id"
check "still one window of the same size" "$width $height" "$WW $WH"
stop_quindle

# --- Two lines ----------------------------------------------------------------------------------------
settings Style=1 Transparent=0 BackgroundColor=0 TextFontColor=65535 PositionLeft=1500 PositionTop=1500 TopMost=1
start_quindle
id=$(main_window); geometry "$id"
check_true "top-most when asked" grep -q _NET_WM_STATE_ABOVE <<<"$(xprop -id "$id" _NET_WM_STATE)"
check_true "two lines are taller than one (${WH} px)" [ "$WH" -gt 40 ]
shot opaque-two-lines
stop_quindle

# --- See-through: clicks on the cut-away parts reach the window below ---------------------------------
xev -geometry 800x120+0+0 -event button > "$E2E_TMP/xev.log" 2>&1 & E2E_PIDS+=($!)
wait_window '^Event Tester$' >/dev/null; sleep 0.5
settings Transparent=1 BackgroundColor=255 TextFontColor=255 TextFontSize=24 PositionLeft=0 PositionTop=1200
start_quindle
id=$(main_window); geometry "$id"
wait_until 60 holes_and_letters_drawn
shot see-through
check_true "window below shows through ($hole)" [ -n "$hole" ]
check_true "letters are drawn ($letter)" [ -n "$letter" ]
# (within the window below, clear of its border)
colours=$(import -window root -crop "$(( (WW < 790 ? WW : 790) - 2 ))x$((WH - 2))+$((WX + 2))+$((WY + 1))" +repage png:- 2>/dev/null |
    convert - -depth 8 -unique-colors txt:- | grep -c '^[0-9]')
check "only letters and what lies below, no halo" 2 "$colours"
before=$(grep -c ButtonPress "$E2E_TMP/xev.log")
presses() { grep -c ButtonPress "$E2E_TMP/xev.log"; }
xdotool mousemove $hole click 1
wait_until 60 eval '[ "$(presses)" -ge $((before + 1)) ]'
check "a click on a cut-away part reaches the window below" $((before + 1)) "$(presses)"
# The middle button (the display window does nothing with it) on a letter, then a left click on the
# hole: the server hands out clicks in order, so once the second has reached the window below, the
# first would have too if it had gone there.
xdotool mousemove $letter click 2 mousemove $hole click 1
wait_until 60 eval '[ "$(presses)" -ge $((before + 2)) ]'
check "a click on a letter stays with the display window" "$((before + 2)) 0" \
    "$(presses) $(grep -c 'button 2,' "$E2E_TMP/xev.log")"
xdotool mousemove $letter click --repeat 2 --delay 80 1
check_true "double click on a letter ends the program" wait_exit "$QUINDLE_PID"

# --- The tray icon with a real tray host --------------------------------------------------------------
trayer --edge top --align right --widthtype request --height 24 >/dev/null 2>&1 & E2E_PIDS+=($!)
wait_until 60 eval '[ -n "$(xdotool search --name "^panel$" | head -n 1)" ]'
tray_icons() { xwininfo -tree -id "$(xdotool search --name '^panel$' | head -n 1)" | grep -c '"Quindle"'; }
settings TrayNotification=1 Transparent=0 PositionLeft=1500 PositionTop=6000
start_quindle
id=$(main_window)
wait_until 60 eval '[ "$(tray_icons)" -ge 1 ]'
check "the icon sits in the tray" 1 "$(tray_icons)"
panel=$(xdotool search --name '^panel$' | head -n 1); geometry "$panel"
xdotool mousemove $((WX + WW / 2)) $((WY + WH / 2)); sleep 0.3; xdotool mousemove $((WX + WW / 2 + 1)) $((WY + WH / 2))
# The tip is a window of the program just below the tray (it carries no WM_NAME, so list the tree).
tip=""
for _ in $(seq 1 600); do
    tip=$(xwininfo -root -children | awk '/"Quindle"/ { split($(NF - 1), g, "+"); split(g[1], s, "x")
        if (g[3] > 24 && g[3] < 80 && s[1] > 60) print $1 }' | head -n 1)
    [ -n "$tip" ] && break; sleep 0.1
done
check_true "hovering the icon shows its tip" [ -n "$tip" ]
shot tray-tip
geometry "$id"
xdotool mousemove $((WX + 20)) $((WY + WH / 2)) click --repeat 2 --delay 80 1
check_true "double click ends the program with the icon on" wait_exit "$QUINDLE_PID"
wait_until 60 eval '[ "$(tray_icons)" -eq 0 ]'
check "the icon is gone after the end" 0 "$(tray_icons)"

# --- The text follows the calendar: just after midnight a still window shows the new count ------------
faketime_lib=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null | head -n 1)
if [ -n "$faketime_lib" ]; then
    settings Transparent=0 PositionLeft=1500 PositionTop=1500
    sed -i 's/^Date=.*/Date=2025-07-13/' "$store"
    # Twenty seconds before midnight: time enough to start and show the evening's text on a busy machine.
    LD_PRELOAD=$faketime_lib FAKETIME='@2025-07-11 23:59:40' "$bin/Quindle" & QUINDLE_PID=$!
    E2E_PIDS+=($QUINDLE_PID)
    id=$(main_window); geometry "$id"; before=$WW
    check "the evening's text" "Main Title Text (Change this!!) 2 days!" \
        "$(LD_PRELOAD=$faketime_lib FAKETIME='@2025-07-11 23:59:59' "$bin/Quindle" --print)"
    shorter() { id=$(main_window) && geometry "$id" && [ "$WW" -lt "$before" ]; }
    wait_until 90 shorter
    check_true "rebuilt after midnight for the shorter text ($before -> $WW px)" [ "$WW" -lt "$before" ]
    stop_quindle
fi

finish
