#!/usr/bin/env bash
# The target-day notification through a real notification server: dunst on a private session bus under
# Xvfb, every call to org.freedesktop.Notifications recorded by dbus-monitor. No call on another day,
# one on the target day (title and Target text), none after a restart the same day; started before the
# server, the program sends it once the server comes.
set -uo pipefail
bin=$1
if [ -z "${VELTRANE_PRIVATE_BUS:-}" ]; then
    VELTRANE_PRIVATE_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
source "$(dirname "$0")/lib.sh"
start_xvfb
calls=$E2E_TMP/calls
today=$(date +%Y-%m-%d)

dbus-monitor --session "interface='org.freedesktop.Notifications'" >"$calls" 2>/dev/null & E2E_PIDS+=($!)
dunst >/dev/null 2>&1 & DUNST_PID=$!
E2E_PIDS+=($DUNST_PID)
server_up() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner \
        string:org.freedesktop.Notifications 2>/dev/null | grep -q 'boolean true'
}
for _ in $(seq 1 600); do server_up && break; sleep 0.1; done
check_true "dunst serves notifications on the private bus" server_up

notify_calls() { grep -c 'member=Notify' "$calls"; }
# A call of our own to the same interface: once dbus-monitor shows it, it has shown every earlier call.
marker=0
sync_monitor() {
    marker=$((marker + 1))
    dbus-send --session --print-reply --dest=org.freedesktop.Notifications /org/freedesktop/Notifications \
        org.freedesktop.Notifications.GetServerInformation >/dev/null
    for _ in $(seq 1 600); do
        [ "$(grep -c 'member=GetServerInformation' "$calls")" -ge "$marker" ] && return 0
        sleep 0.1
    done
    return 1
}
remembered() { sed -n 's/^LastNotified=//p' "$store"; }
# Quindle from start until its window shows and the store remembers the day given (none: no day), then
# ended as a session ends it.
run_quindle() {
    "$bin/Quindle" & QUINDLE_PID=$!
    E2E_PIDS+=($QUINDLE_PID)
    main_window >/dev/null
    for _ in $(seq 1 600); do [ "$(remembered)" == "${1:-}" ] && break; sleep 0.1; done
    kill -TERM "$QUINDLE_PID"
    wait_exit "$QUINDLE_PID" 30
}

base='[Desktop]\nTrayNotification=0\nRunStartup=0\n'
printf "[Common]\nDate=%s\nTitle=Launch day\nTarget=We have lift-off\n$base" "$(date -d '+10 days' +%Y-%m-%d)" >"$store"
run_quindle
sync_monitor
check "no notification on another day" 0 "$(notify_calls)"

sed -i "s/^Date=.*/Date=$today/" "$store"
run_quindle "$today"
sync_monitor
check "one notification on the target day" 1 "$(notify_calls)"
# The call's strings in order: the program's name, its icon, the summary, then the body.
summary_then_body() {
    awk '/string "Launch day"/ { t = NR } /string "We have lift-off"/ { b = NR } END { exit !(t && b && t < b) }' "$calls"
}
check_true "its summary is the title, its body the Target text" summary_then_body
check "the day is remembered" "$today" "$(remembered)"

run_quindle "$today"
sync_monitor
check "none after a restart the same day" 1 "$(notify_calls)"

sed -i 's/^LastNotified=.*//' "$store"
printf 'NotifyOnTarget=0\n' >>"$store"
run_quindle
sync_monitor
check "none with the option off" 1 "$(notify_calls)"

# --- Started before the notification server: nothing is remembered until the server has come and
# taken the notification --------------------------------------------------------------------------------
kill "$DUNST_PID"; wait "$DUNST_PID" 2>/dev/null
server_down() { ! server_up; }
wait_until 60 server_down
sed -i 's/^NotifyOnTarget=.*//; s/^LastNotified=.*//' "$store"
"$bin/Quindle" & QUINDLE_PID=$!
E2E_PIDS+=($QUINDLE_PID)
main_window >/dev/null
# The bus cannot start dunst itself: it was started before the X server, without a DISPLAY to give it.
tried() { [ "$(notify_calls)" -ge 2 ]; }
wait_until 60 tried
sync_monitor
check "nothing remembered after a try without a server" "" "$(remembered)"
dunst >/dev/null 2>&1 & E2E_PIDS+=($!)
is_remembered() { [ "$(remembered)" == "$today" ]; }
wait_until 60 is_remembered
check "the day is remembered once the server has come" "$today" "$(remembered)"
sync_monitor
check "the notification is sent again when the server comes" 3 "$(notify_calls)"
kill -TERM "$QUINDLE_PID"
wait_exit "$QUINDLE_PID" 30
finish
