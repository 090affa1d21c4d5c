#!/usr/bin/env bash
# The running desktop window follows the shared store: the screensaver's settings dialog saves a new
# title, and Quindle rebuilds its window with it, without being touched. A hand edit does the same.
set -uo pipefail
bin=$1
source "$(dirname "$0")/lib.sh"
start_xvfb
unset DBUS_SESSION_BUS_ADDRESS # no notification may reach a desktop outside the test
store=$XDG_CONFIG_HOME/QVX/Veltrane.ini
target=$(date -d '+430 days' +%Y-%m-%d)
printf '[Common]\nDate=%s\nTitle=Short\n[Desktop]\nTrayNotification=0\nRunStartup=0\nTransparent=0\n' \
    "$target" >"$store"


"$bin/Quindle" & QUINDLE_PID=$!
E2E_PIDS+=($QUINDLE_PID)
id=$(main_window); check_true "display window shown" [ -n "$id" ]
geometry "$id"; short=$WW

saver_dialog_saves_title "A much longer shared title"
check_true "the running window grew to the screensaver's new title" wait_wider "$short"
geometry "$(main_window)"; longer=$WW

sed -i 's/^Title=.*/Title=An even longer title, typed into the file by hand/' "$store"
check_true "a hand edit rebuilds the window too" wait_wider "$longer"
check_true "Quindle kept running throughout" kill -0 "$QUINDLE_PID"
finish
