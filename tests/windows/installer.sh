#!/usr/bin/env bash
# The installer ($3) under Wine: a silent install puts Quindle, its help and read-me in Program Files,
# the screensaver in the system folder, the Start-menu entries, the install folder as the store's
# DesktopPath and the Run value; the installed programs run; a silent uninstall removes the files, the
# entries and the Run value and keeps the user's settings.
set -uo pipefail
source "$(dirname "$0")/../e2e/lib.sh"
source "$(dirname "$0")/lib.sh"
installer=$3
start_wine
drive_c=$WINEPREFIX/drive_c
folder="$drive_c/Program Files/Veltrane"
menu="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Veltrane"
printf '[Common]\nTitle=Kept\nDate=2031-07-13\n' | load_store

timeout 300 wine "$installer" /S >/dev/null 2>&1; rc=$?
check "the silent install succeeds" 0 "$rc"
for file in Quindle.exe Uninstall.exe ReadMe.rtf help/index.html help/desktop-settings.html; do
    check_true "installed: $file" test -f "$folder/$file"
done
check_true "the screensaver in the system folder" test -f "$drive_c/windows/system32/Pellmora.scr"
check_true "the screensaver only there" test ! -e "$folder/Pellmora.scr"
for entry in Quindle "Pellmora Settings" "Read Me" Uninstall; do
    check_true "Start-menu entry: $entry" test -f "$menu/$entry.lnk"
done
run=$(wine reg query "$run_key" /v Quindle 2>/dev/null | tr -d '\r' | sed -n 's/.*REG_SZ[[:space:]]*//p')
check "the Run value names the installed program" 'C:\Program Files\Veltrane\Quindle.exe' "$run"
check "DesktopPath names the install folder" 'C:\Program Files\Veltrane' "$(stored Common DesktopPath)"
check "the installed Quindle runs" "Kept" "$(win 'C:\Program Files\Veltrane\Quindle.exe' --print | cut -c1-4)"
check "the installed screensaver runs" "Kept" "$(win 'C:\windows\system32\Pellmora.scr' --print | head -n 1)"
# The installed screensaver's Help button finds the help pages through DesktopPath.
wine 'C:\windows\system32\Pellmora.scr' /c >/dev/null 2>&1 & setup=$!
E2E_PIDS+=($setup)
dialog=$(wait_window '^Settings - Pellmora - v 3\.0$') && geometry "$dialog"
xdotool mousemove $((WX + 553)) $((WY + 189)) click 1
check_true "the installed screensaver's Help finds its pages" wait_window '^Pellmora Help$'
kill "$setup"; wait_exit "$setup"

wine 'C:\Program Files\Veltrane\Uninstall.exe' /S >/dev/null 2>&1
# The uninstaller goes on from a copy of itself in the temporary folder.
gone() { [ ! -e "$folder/Quindle.exe" ] && [ ! -e "$folder/Uninstall.exe" ] && [ ! -e "$drive_c/windows/system32/Pellmora.scr" ]; }
check_true "the silent uninstall removes the programs" wait_until 120 gone
check_true "and the install folder" wait_until 60 test ! -e "$folder"
check_true "and the Start-menu entries" wait_until 60 test ! -e "$menu"
check "and the Run value" "" "$(wine reg query "$run_key" /v Quindle 2>/dev/null | tr -d '\r' | grep Quindle)"
check "the settings stay" "Kept" "$(stored Common Title)"
finish
