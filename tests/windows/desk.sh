#!/usr/bin/env bash
# Quindle.exe under Wine: the window at its stored place in twips, one copy, clicks
# between the letters of the see-through window reaching the window below, the icon in Wine's tray
# whose click opens the settings, "Run Quindle at Startup" writing and removing the Run value, and a
# double click ending it. $SHOTS names a folder for screenshots.
set -uo pipefail
source "$(dirname "$0")/../e2e/lib.sh"
source "$(dirname "$0")/lib.sh"
start_wine
shot() { [ -n "${SHOTS:-}" ] && import -window root "$SHOTS/desk-$1.png"; }
start_quindle() {
    wine "$bin/Quindle.exe" >/dev/null 2>&1 & QUINDLE_PID=$!
    E2E_PIDS+=($QUINDLE_PID)
}
target=$(date -d '+430 days' +%Y-%m-%d)

# --- At the stored place, one copy ---------------------------------------------------------------------
# (Top-most is not checked: Wine keeps its undecorated windows above later ones either way.)
printf '[Common]\nDate=%s\n[Desktop]\nTrayNotification=0\nTopMost=1\nTransparent=0\nPositionLeft=1500\nPositionTop=3000\n' \
    "$target" | load_store
start_quindle
id=$(main_window); check_true "window shown" [ -n "$id" ]
geometry "$id"
check "placed at the stored place (1500, 3000 twips)" "100 200" "$WX $WY"
wait_until 60 eval '[ -n "$(find_pixel "${WW}x${WH}+${WX}+${WY}" "#FF0000")" ]'
shot opaque
timeout 60 wine "$bin/Quindle.exe" >/dev/null 2>&1; rc=$?
check "a second copy ends at once with exit code 0" 0 "$rc"
check_true "the first goes on" kill -0 "$QUINDLE_PID"
xdotool mousemove $((WX + 20)) $((WY + WH / 2)) click --repeat 2 --delay 80 1
check_true "a double click ends the program" wait_exit "$QUINDLE_PID"

# --- See-through: clicks between the letters reach the window below ------------------------------------
xev -geometry 800x120+0+0 -event button >"$E2E_TMP/xev.log" 2>&1 & E2E_PIDS+=($!)
wait_window '^Event Tester$' >/dev/null
printf '[Common]\nDate=%s\n[Desktop]\nTrayNotification=0\nTransparent=1\nBackgroundColor=255\nTextFontColor=255\nTextFontSize=24\nPositionLeft=0\nPositionTop=1200\n' \
    "$target" | load_store
start_quindle
id=$(main_window); geometry "$id"
check_true "the window below shows between the letters" wait_until 60 holes_and_letters_drawn
shot see-through
presses() { grep -c ButtonPress "$E2E_TMP/xev.log"; }
before=$(presses)
xdotool mousemove $hole click 1
wait_until 60 eval '[ "$(presses)" -ge $((before + 1)) ]'
check "a click between the letters reaches the window below" $((before + 1)) "$(presses)"
xdotool mousemove $letter click 2 mousemove $hole click 1
wait_until 60 eval '[ "$(presses)" -ge $((before + 2)) ]'
check "a click on a letter stays with Quindle" "$((before + 2)) 0" "$(presses) $(grep -c 'button 2,' "$E2E_TMP/xev.log")"
xdotool mousemove $letter click --repeat 2 --delay 80 1
check_true "a double click on a letter ends the program" wait_exit "$QUINDLE_PID"

# --- The icon in Wine's tray opens the settings; "Run Quindle at Startup" writes the Run value -----------
printf '[Common]\nDate=%s\n[Desktop]\nTrayNotification=1\nTransparent=0\nPositionLeft=1500\nPositionTop=6000\nSetupLeft=6000\nSetupTop=4500\n' \
    "$target" | load_store
start_quindle
main_window >/dev/null
tray=$(wait_window '^Wine System Tray$'); check_true "Wine's tray shows" [ -n "$tray" ]
shot tray
geometry "$tray"
xdotool mousemove $((WX + 9)) $((WY + WH / 2)) click 1
dialog=$(wait_window '^Settings - Quindle - v 3\.0$'); check_true "a click on the icon opens the settings" [ -n "$dialog" ]
shot dialog
run_value() { wine reg query "$run_key" /v Quindle 2>/dev/null | tr -d '\r' | sed -n 's/.*REG_SZ[[:space:]]*//p'; }
# "Run Quindle at Startup" (ticked by default), "Show ToolTips" (another change) and Apply, where the
# General page has them. The Run value changes only when the box was changed.
geometry "$dialog"
box="$((WX + 183)) $((WY + 350))" tips="$((WX + 183)) $((WY + 439))" apply="$((WX + 128)) $((WY + 641))"
apply() { # what to click before Apply
    saved_key=$2 saved_value=$3
    xdotool mousemove ${!1} click 1 sleep 0.3 mousemove $apply click 1
    wait_until 60 eval '[ "$(stored Desktop "$saved_key")" = "$saved_value" ]' # Apply has saved
}
apply tips ToolTips 0
check "ticked but unchanged: no Run value is made" "" "$(run_value)"
apply box RunStartup 0
check "unticked: still none" "" "$(run_value)"
wine reg add "$run_key" /v Quindle /d 'C:\elsewhere\Quindle.exe' /f >/dev/null
apply tips ToolTips 1
check "unticked but unchanged: a Run value made elsewhere is left alone" 'C:\elsewhere\Quindle.exe' "$(run_value)"
apply box RunStartup 1
check "ticked: the Run value names the program" "$(winepath -w "$bin/Quindle.exe")" "$(run_value)"
apply box RunStartup 0
check "unticked: the Run value is gone" "" "$(run_value)"
kill "$QUINDLE_PID"
finish
