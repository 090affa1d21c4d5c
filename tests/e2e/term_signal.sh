#!/usr/bin/env bash
# Both programs end cleanly on SIGTERM (a log-out) while a message box is open: here the box that a
# store with an unreadable date brings up before anything else. Exit status 0, lock released.
set -uo pipefail
bin=$1
source "$(dirname "$0")/lib.sh"
start_xvfb
printf '[Common]\nDate=31/02/20x4\n[Desktop]\nDate=31/02/20x4\nTrayNotification=0\n[ScreenSaver]\nDate=31/02/20x4\n' > "$store"

# A visible dialog window of process $1 (the message box), waiting up to 60 s; prints its id.
wait_dialog() {
    local id
    for _ in $(seq 1 600); do
        for id in $(xdotool search --all --onlyvisible --pid "$1" 2>/dev/null); do
            xprop -id "$id" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q _NET_WM_WINDOW_TYPE_DIALOG &&
                { echo "$id"; return 0; }
        done
        sleep 0.1
    done
    return 1
}

for command in "Quindle" "Pellmora /s" "Pellmora /c"; do
    # shellcheck disable=SC2086 # the program and its mode word
    "$bin"/$command 2>"$E2E_TMP/err.log" & pid=$!; E2E_PIDS+=($pid)
    box=$(wait_dialog "$pid")
    check_true "$command: the date-failure box opens" [ -n "$box" ]
    kill -TERM "$pid"
    check_true "$command: ends on SIGTERM" wait_exit "$pid" 60
    check "$command: lock released" "" "$(ls "$XDG_RUNTIME_DIR" | grep '\.lock$')"
    if kill -0 "$pid" 2>/dev/null; then
        kill -KILL "$pid"; wait "$pid" 2>/dev/null
        rm -f "$XDG_RUNTIME_DIR"/*.lock # left by the kill, not to be held against the next program
    else
        wait "$pid"; check "$command: exit status" 0 "$?"
    fi
done
finish
