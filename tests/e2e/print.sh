#!/usr/bin/env bash
# The --print, --version and --help options of both programs, run as real processes with the date
# of the whole process set by faketime.
set -uo pipefail
bin=$1
export XDG_CONFIG_HOME=$(mktemp -d)
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT
mkdir -p "$XDG_CONFIG_HOME/QVX"
store=$XDG_CONFIG_HOME/QVX/Veltrane.ini
source "$(dirname "$0")/lib.sh"
at() { faketime '2024-05-10 12:00:00' "$@"; }

printf '[Common]\nDate=2025-07-13\n[Desktop]\nIncludeDays=1\n[ScreenSaver]\nIncludeDays=1\n' > "$store"
check "desktop one line" "Main Title Text (Change this!!) 1 year  2 months  3 days!   (429 days!)" \
    "$(at "$bin/Quindle" --print)"
check "screensaver two lines" $'Main Title Text (Change this!!)\n 1 year  2 months  3 days!   (429 days!)' \
    "$(at "$bin/Pellmora" --print)"

printf '[Common]\nDate=7/13/25\n[Desktop]\nStyle=1\n' > "$store"
check "two-digit year under en_US, two-line style" $'Main Title Text (Change this!!)\n1 year  2 months  3 days!' \
    "$(at env LC_ALL=en_US.UTF-8 "$bin/Quindle" --print)"
# The two-line style: the phrase without its leading blank and the day count after it; a passed date's
# count of days ago on the second line, which stays empty once the count is dropped.
printf '[Common]\nDate=2025-07-13\n[Desktop]\nStyle=1\nIncludeDays=1\n' > "$store"
check "two-line style with the day count" $'Main Title Text (Change this!!)\n1 year  2 months  3 days!   (429 days!)' \
    "$(at "$bin/Quindle" --print)"
printf '[Common]\nDate=2024-05-09\nTargetPassed=PASSED\n[Desktop]\nStyle=1\n' > "$store"
check "two-line style, passed" $'PASSED\n   (1 day ago!)' "$(at "$bin/Quindle" --print)"
sed -i 's/^Date=.*/Date=2023-05-20/' "$store"
check "two-line style, passed long ago" $'PASSED\n\n.' "$(at "$bin/Quindle" --print; echo .)"
printf '[Common]\nDate=13.07.2025\n' > "$store"
check "German short date" $'Main Title Text (Change this!!) 1 year  2 months  3 days!' \
    "$(at env LC_ALL=de_DE.UTF-8 "$bin/Quindle" --print)"

# A birthday that repeats: the next return, as one JSON line for a status bar; the stored date stays.
printf '[Common]\nDate=1990-05-05\nRepeatYearly=1\nTitle=Birthday\n' > "$store"
check "desktop --json, repeating" \
    '{"class":"ahead","days":360,"text":"Birthday 11 months  25 days!","tooltip":"Birthday\nMonday, May 5, 2025"}' \
    "$(at env LC_ALL=en_US.UTF-8 "$bin/Quindle" --print --json)"
check "the stored date is not rewritten" "Date=1990-05-05" "$(grep '^Date=' "$store")"

check "empty store: target is today" "Phrase upon reaching target date. (Change this!!)" \
    "$(rm -f "$store"; "$bin/Quindle" --print)"

printf '[Common]\nDate=next summer\n' > "$store"
for program in Quindle Pellmora; do
    out=$("$bin/$program" --print 2>/tmp/print-err.$$); rc=$?
    check "$program failure exit code" 1 "$rc"
    check "$program failure prints nothing to stdout" "" "$out"
    check "$program failure message" "The Date Calculation cannot be completed          " "$(head -n 1 /tmp/print-err.$$)"
    check "$program failure message length" 6 "$(wc -l < /tmp/print-err.$$)"
    # The screensaver's second line keeps a trailing blank; the desktop's has none.
    blank=" "; [ "$program" = Quindle ] && blank=""
    check "$program failure message in full" "The Date Calculation cannot be completed          |
because an in-correct date was entered.$blank|
|
The range of supported dates are...|
     Minimum - 01/01/1753|
     Maximum - 31/12/9999|" "$(sed 's/$/|/' /tmp/print-err.$$)"
    rm -f /tmp/print-err.$$
    check "$program --version" "$program 3.0" "$("$bin/$program" --version)"
    "$bin/$program" --help | grep -q -- '--print'; check "$program --help" 0 "$?"
done
out=$("$bin/Quindle" --print --json 2>/tmp/print-err.$$); rc=$?
check "--json failure as --print" "1 | 6" "$rc $out| $(wc -l < /tmp/print-err.$$)"
rm -f /tmp/print-err.$$
"$bin/Quindle" --help | grep -q -- '--json'; check "Quindle --help names --json" 0 "$?"

finish
