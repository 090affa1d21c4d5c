#!/usr/bin/env bash
# --print, --version and --help of both Windows programs under Wine, reading their settings from the
# registry store; the date of the whole process is set by faketime. Windows ends lines with CR LF.
set -uo pipefail
source "$(dirname "$0")/../e2e/lib.sh"
source "$(dirname "$0")/lib.sh"
start_wine
at() { faketime '2024-05-10 12:00:00' wine "$@" 2>/dev/null | tr -d '\r'; }
crlf() { wine "$@" 2>/dev/null | od -An -c | tr -s ' \n' ' ' | grep -q '\\r \\n'; }

printf '[Common]\nDate=2025-07-13\n[Desktop]\nIncludeDays=1\n[ScreenSaver]\nIncludeDays=1\n' | load_store
check "desktop one line" "Main Title Text (Change this!!) 1 year  2 months  3 days!   (429 days!)" \
    "$(at "$bin/Quindle.exe" --print)"
check "screensaver two lines" $'Main Title Text (Change this!!)\n 1 year  2 months  3 days!   (429 days!)' \
    "$(at "$bin/Pellmora.scr" --print)"
check_true "lines end in CR LF" crlf "$bin/Quindle.exe" --print

# Synchronize=0: each program its own title and date.
printf '[Common]\nSynchronize=0\nDate=2025-07-13\n[Desktop]\nTitle=Desk\nDate=2024-06-10\n[ScreenSaver]\nTitle=Saver\nDate=2024-05-13\n' |
    load_store
check "desktop's own texts" "Desk 1 month!" "$(at "$bin/Quindle.exe" --print)"
check "screensaver's own texts" $'Saver\n 3 days!' "$(at "$bin/Pellmora.scr" --print)"

printf '[Common]\nDate=7/13/25\n[Desktop]\nStyle=1\n' | load_store
check "two-digit year in the US short form, two-line style" \
    $'Main Title Text (Change this!!)\n1 year  2 months  3 days!' "$(at "$bin/Quindle.exe" --print)"
printf '[Common]\nDate=2024-05-09\nTargetPassed=PASSED\n[Desktop]\nStyle=1\n' | load_store
check "two-line style, passed" $'PASSED\n   (1 day ago!)' "$(at "$bin/Quindle.exe" --print)"
printf '[Common]\nDate=2024-05-10\nTarget=TODAY\n' | load_store
check "target day, desktop" "TODAY" "$(at "$bin/Quindle.exe" --print)"
check "target day, screensaver: no title line" $'\nTODAY' "$(at "$bin/Pellmora.scr" --print)"
printf '[Common]\nDate=13.07.2025\n' | load_store
check "German short date" $'Main Title Text (Change this!!) 1 year  2 months  3 days!' \
    "$(LC_ALL=de_DE.UTF-8 at "$bin/Quindle.exe" --print)"

printf '[Common]\nDate=1990-05-05\nRepeatYearly=1\nTitle=Birthday\n' | load_store
check "desktop --json, repeating" \
    '{"class":"ahead","days":360,"text":"Birthday 11 months  25 days!","tooltip":"Birthday\nMonday, May 5, 2025"}' \
    "$(at "$bin/Quindle.exe" --print --json)"
check "the stored date is not rewritten" "1990-05-05" "$(stored Common Date)"

printf '[Common]\nDate=next summer\n' | load_store
for program in Quindle.exe Pellmora.scr; do
    out=$(win "$bin/$program" --print 2>"$E2E_TMP/err"); rc=$?
    check "$program failure exit code" 1 "$rc"
    check "$program failure prints nothing to stdout" "" "$out"
    check "$program failure message" "The Date Calculation cannot be completed          " "$(head -n 1 "$E2E_TMP/err")"
    check "$program failure message length" 6 "$(wc -l <"$E2E_TMP/err")"
    check "$program --version" "${program%.*} 3.0" "$(win "$bin/$program" --version)"
    win "$bin/$program" --help | grep -q -- '--print'; check "$program --help" 0 "$?"
done
finish
