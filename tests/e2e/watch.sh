#!/usr/bin/env bash
# `Quindle --watch` as a status bar runs it: a line at start, a new one just after midnight (the clock of
# the process set by faketime), one after the screensaver's dialog saves a new title, and a quiet end
# on SIGTERM and when its reader goes away. Lines are read with generous bounds, never timed.
set -uo pipefail
bin=$1
source "$(dirname "$0")/lib.sh"
start_xvfb
next() { # the next line of the running watch into $line, waiting up to 60 s
    line=
    IFS= read -r -t 60 -u "${WATCH[0]}" line
}

# --- Across a local midnight ---------------------------------------------------------------------------
printf '[Common]\nDate=2026-03-05\nTitle=Spring\n' >"$store"
coproc WATCH { exec faketime -f '@2026-03-01 23:59:50' "$bin/Quindle" --watch; }
watch_pid=$WATCH_PID
next; check "the line at start, the evening before" "Spring 4 days!" "$line"
next; check "a new line just after midnight" "Spring 3 days!" "$line"
# faketime runs the program as its child and passes on its exit code.
read -r child _ <"/proc/$watch_pid/task/$watch_pid/children"
kill -TERM "$child"
wait "$watch_pid"; check "SIGTERM ends it with exit code 0" 0 "$?"

# --- Across a save by the screensaver's settings dialog --------------------------------------------------
target=$(date -d '+430 days' +%Y-%m-%d)
printf '[Common]\nDate=%s\nTitle=Short\n' "$target" >"$store"
coproc WATCH { exec "$bin/Quindle" --watch; }
watch_pid=$WATCH_PID
next; check_true "the line at start" [ "${line%% *}" == "Short" ]
saver_dialog_saves_title "Harvest"
next; check "a new line with the saved title" "Harvest" "${line%% *}"
kill -TERM "$watch_pid"
wait "$watch_pid"; check "SIGTERM ends it with exit code 0" 0 "$?"

# --- The reader goes away --------------------------------------------------------------------------------
{ "$bin/Quindle" --watch 2>"$E2E_TMP/err"; echo $? >"$E2E_TMP/rc"; } | head -n 1 >"$E2E_TMP/first" &
for _ in $(seq 1 600); do [ -s "$E2E_TMP/first" ] && break; sleep 0.1; done
check "the reader took the first line" "Harvest" "$(cut -d' ' -f1 "$E2E_TMP/first")"
# No further line is due: the closed pipe alone must end it.
for _ in $(seq 1 600); do [ -s "$E2E_TMP/rc" ] && break; sleep 0.1; done
check "a closed pipe ends it with exit code 0" 0 "$(cat "$E2E_TMP/rc" 2>/dev/null)"
check "and without a word" "" "$(cat "$E2E_TMP/err")"
finish
