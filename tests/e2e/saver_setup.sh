#!/usr/bin/env bash
# The screensaver's settings dialog as the host opens it: "/c" shows the dialog, a second "/c" is
# refused with a message, OK after an edit writes the store, and the next show uses the change.
# Screenshots go to $SAVER_SHOTS when it names a folder.
set -uo pipefail
bin=$1
source "$(dirname "$0")/lib.sh"
start_xvfb
shots=${SAVER_SHOTS:-}
shot() { [ -n "$shots" ] && import -window root "$shots/$1.png"; }
target=$(date -d '+430 days' +%Y-%m-%d)
printf '[Common]\nDate=%s\n' "$target" >"$store"

"$bin/Pellmora" /c & first=$!
E2E_PIDS+=($first)
dialog=$(wait_window '^Settings - Pellmora - v 3\.0$')
check_true "/c shows \"Settings - Pellmora - v 3.0\"" test -n "$dialog"
shot setup

"$bin/Pellmora" /C:1234 & second=$!
E2E_PIDS+=($second)
box=$(wait_window '^Pellmora$')
check_true "a second /c shows a message box" test -n "$box"
shot already-open
xdotool windowfocus --sync "$box"; xdotool key Return
check_true "the second /c ends after its message" wait_exit "$second"
check_true "the first dialog stays open" kill -0 "$first"

type_title_and_ok "$dialog" "Our wedding"
check_true "OK closes the dialog and ends the program" wait_exit "$first"
check "OK wrote the new title" "Our wedding" "$(sed -n 's/^Title=//p' "$store" | head -n 1)"
check_true "OK wrote the screensaver's keys" grep -q '^TextFontUnderline2=False' "$store"
check "the next show uses the new title" "Our wedding" "$("$bin/Pellmora" --print | head -n 1)"

# Closing without an edit writes nothing.
before=$(md5sum <"$store")
"$bin/Pellmora" /c & third=$!
E2E_PIDS+=($third)
dialog=$(wait_window '^Settings - Pellmora - v 3\.0$')
xdotool windowfocus --sync "$dialog"; xdotool key Escape
check_true "Escape closes the dialog" wait_exit "$third"
check "closing without an edit leaves the store as it was" "$before" "$(md5sum <"$store")"
finish
