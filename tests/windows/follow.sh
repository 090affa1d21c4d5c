#!/usr/bin/env bash
# A running Quindle.exe follows the registry store under Wine: a title written with "reg add" while it
# runs rebuilds its window, and OK after an edit in its settings dialog keeps that title, not the one
# Quindle read at start.
set -uo pipefail
source "$(dirname "$0")/../e2e/lib.sh"
source "$(dirname "$0")/lib.sh"
start_wine
target=$(date -d '+430 days' +%Y-%m-%d)
printf '[Common]\nDate=%s\nTitle=Short\n[Desktop]\nTrayNotification=0\nRunStartup=0\nTransparent=0\n' \
    "$target" | load_store
wine "$bin/Quindle.exe" >/dev/null 2>&1 & QUINDLE_PID=$!
E2E_PIDS+=($QUINDLE_PID)
id=$(main_window); check_true "display window shown" [ -n "$id" ]
geometry "$id"; short=$WW
wine reg add "$store_key\\Common" /v Title /d "A much longer title from outside" /f >/dev/null
check_true "the window grew to the new title" wait_wider "$short"

geometry "$(main_window)"
xdotool mousemove $((WX + 20)) $((WY + WH / 2)) click 3
dialog=$(wait_window '^Settings - Quindle - v 3\.0$')
check_true "a right click opens the settings" [ -n "$dialog" ]
# An edit of the user's ("Show ToolTips" off), then OK, where the General page has them.
geometry "$dialog"
xdotool mousemove $((WX + 183)) $((WY + 439)) click 1 sleep 0.3 mousemove $((WX + 47)) $((WY + 641)) click 1
check_true "OK saves the user's edit" wait_until 60 eval '[ "$(stored Desktop ToolTips)" = 0 ]'
check "OK keeps the title written from outside" "A much longer title from outside" "$(stored Common Title)"
check_true "Quindle kept running" kill -0 "$QUINDLE_PID"
finish
