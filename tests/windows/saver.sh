#!/usr/bin/env bash
# Pellmora.scr under Wine with the command lines Windows's screensaver host gives it: /s, /S and none
# run the show full screen until input; /c and /C:<handle> open the settings, whose OK saves string
# values into the registry store that Quindle.exe then shows; /p and /P <handle> draw the preview as a
# child of the settings page's window (a small Win32 program, $3), and end with that window. $SHOTS names a folder for
# screenshots.
set -uo pipefail
source "$(dirname "$0")/../e2e/lib.sh"
source "$(dirname "$0")/lib.sh"
host=$3
start_wine
shot() { [ -n "${SHOTS:-}" ] && import -window root "$SHOTS/saver-$1.png"; }
pixel() { import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null | grep -o '#[0-9A-Fa-f]\{6\}' | head -n 1; }
printf '[Common]\nDate=2031-07-13\n[ScreenSaver]\nBackground=8388608\n' | load_store

# --- Full screen: the show covers the screen and ends on a click ------------------------------------
for args in /s /S ""; do
    wine "$bin/Pellmora.scr" $args >/dev/null 2>&1 & show=$!
    E2E_PIDS+=($show)
    wait_until 60 eval '[ "$(pixel 1919 1079)" = "#000080" ] && [ "$(pixel 0 0)" = "#000080" ]'
    check "'$args' covers the screen with the show" "#000080 #000080" "$(pixel 0 0) $(pixel 1919 1079)"
    [ "$args" = /s ] && shot fullscreen
    xdotool mousemove 500 500 click 1
    check_true "'$args': a click ends the show" wait_exit "$show"
done

# --- The preview inside the settings page's window ---------------------------------------------------
for word in p P; do
    rm -f "$E2E_TMP/close"; : >"$E2E_TMP/host.out"
    wine "$host" "$(winepath -w "$bin/Pellmora.scr")" "$word" "$(winepath -w "$E2E_TMP/close")" \
        >"$E2E_TMP/host.out" 2>/dev/null & hostpid=$!
    E2E_PIDS+=($hostpid)
    wait_until 60 grep -q '^child' "$E2E_TMP/host.out"
    check "/$word: the preview is a child filling the host" "child 400x300" "$(grep '^child' "$E2E_TMP/host.out" | tr -d '\r')"
    # (What it draws there is not checked: Wine shows no child window of another process's window.)
    handle=$(sed -n 's/^host \([0-9]*\).*/\1/p' "$E2E_TMP/host.out")
    preview=$(pgrep -f "Pellmora.scr /$word $handle\$")
    check_true "/$word: the preview runs" [ -n "$preview" ]
    touch "$E2E_TMP/close"
    wait "$hostpid"; check "/$word: the host ends" 0 "$?"
    check_true "/$word: the preview ends with its host" wait_exit "${preview:-0}"
done

# --- The settings dialog saves into the registry ------------------------------------------------------
wine "$bin/Pellmora.scr" /c >/dev/null 2>&1 & first=$!
E2E_PIDS+=($first)
dialog=$(wait_window '^Settings - Pellmora - v 3\.0$')
check_true "/c shows the settings" test -n "$dialog"
shot setup
wine "$bin/Pellmora.scr" /C:1234 >/dev/null 2>&1 & second=$!
E2E_PIDS+=($second)
box=$(wait_window '^Pellmora$')
check_true "a second /C:<handle> shows a message box" test -n "$box"
xdotool windowfocus --sync "$box"; xdotool key Return
check_true "the second /C ends after its message" wait_exit "$second"

type_title_and_ok "$dialog" "Our wedding"
check_true "OK closes the dialog and ends the program" wait_exit "$first"
check "the title lands in the registry" "Our wedding" "$(stored Common Title)"
check "as a string value" REG_SZ "$(stored_type Common Title)"
check "the screensaver's keys as strings" "REG_SZ False" \
    "$(stored_type ScreenSaver TextFontUnderline2) $(stored ScreenSaver TextFontUnderline2)"
check "Quindle.exe shows the saved title" "Our wedding" "$(win "$bin/Quindle.exe" --print | cut -c1-11)"
finish
