#!/usr/bin/env bash
# Both programs, built with AddressSanitizer, started under Xvfb, used for a few seconds and ended the
# way a user ends them; LeakSanitizer then reports what was never freed. A leak belongs to this
# project when the first frame after the allocator is in the project's own sources.
set -uo pipefail
bin=$1
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$(dirname "$0")/lib.sh"
start_xvfb
printf '[Common]\nDate=%s\n[Desktop]\nTrayNotification=0\nMovement=1\nSpeed=50\n[ScreenSaver]\nImageUsed=1\n' \
    "$(date -d '+430 days' +%Y-%m-%d)" >"$store"
export ASAN_OPTIONS=detect_leaks=1:log_path=$E2E_TMP/asan
export LSAN_OPTIONS=report_objects=0

# Prints the allocation sites (first frame after the allocator) of the project's own leaks.
own_leaks() {
    cat "$E2E_TMP"/asan.* 2>/dev/null | tee -a "$E2E_TMP/all-reports" | awk -v root="$root/" '
        /^(Direct|Indirect) leak/ { inleak = 1; found = 0; next }
        inleak && /^ +#[0-9]+ / {
            if (found) next
            if ($0 ~ /(operator new|malloc|calloc|realloc|strdup|libasan)/) next
            found = 1
            if (index($0, root) && $0 !~ /\/build[^\/]*\//) print
            next
        }
        /^$/ { inleak = 0 }'
}

rm -f "$E2E_TMP"/asan.*
"$bin/Quindle" & pid=$!
E2E_PIDS+=($pid)
win=$(wait_window '^Quindle$')
check_true "Quindle shows its window" test -n "$win"
sleep 3
eval "$(xdotool getwindowgeometry --shell "$win")"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click --repeat 2 --delay 80 1
# A moving window may slip from under the pointer: end it politely if the double click missed.
wait_exit "$pid" 30 || kill -TERM "$pid"
check_true "Quindle ends" wait_exit "$pid"
check "Quindle leaks nothing of its own" "" "$(own_leaks)"

rm -f "$E2E_TMP"/asan.*
"$bin/Pellmora" /s & pid=$!
E2E_PIDS+=($pid)
check_true "Pellmora shows its window" test -n "$(wait_window 'Pellmora')"
sleep 3
xdotool key a
check_true "Pellmora ends on a key" wait_exit "$pid"
check "Pellmora leaks nothing of its own" "" "$(own_leaks)"
echo "leak reports seen (all origins): $(grep -c "leak of" "$E2E_TMP/all-reports" 2>/dev/null)"
finish
