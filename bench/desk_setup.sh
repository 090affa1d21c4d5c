#!/usr/bin/env bash
# What the settings dialog costs Quindle, under Xvfb: the time to the display window with the icon off
# and with it on (the dialog is then loaded hidden at start), the time from a right click on the window
# to the dialog on screen (loaded on demand, or only shown), and the resident memory before and after.
# Figures to read, not a pass/fail test.
# Usage: bench/desk_setup.sh [build-dir]   (default: build)
set -uo pipefail
cd "$(dirname "$0")/.."
bin=${1:-build}/bin
runs=${RUNS:-7}
source tests/e2e/lib.sh
start_xvfb
store=$XDG_CONFIG_HOME/QVX/Veltrane.ini

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }
median() { sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }
rss_kb() { awk '/^VmRSS/ { print $2 }' "/proc/$1/status"; }
visible() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1; }

for tray in 0 1; do
    start_ms=() open_ms=() rss_before=() rss_after=()
    for _ in $(seq 1 "$runs"); do
        printf '[Common]\nDate=%s\n[Desktop]\nTrayNotification=%s\nMovement=0\nTransparent=0\nPositionLeft=1500\nPositionTop=1500\n' \
            "$(date -d '+430 days' +%Y-%m-%d)" "$tray" > "$store"
        t0=$(now_ms)
        "$bin/Quindle" & pid=$!
        until [ -n "$(visible '^Quindle$')" ]; do sleep 0.01; done
        start_ms+=($(( $(now_ms) - t0 )))
        sleep 1
        rss_before+=("$(rss_kb "$pid")")
        t0=$(now_ms)
        xdotool mousemove 110 110 click 3
        until [ -n "$(visible '^Settings - Quindle')" ]; do sleep 0.01; done
        open_ms+=($(( $(now_ms) - t0 )))
        sleep 1
        rss_after+=("$(rss_kb "$pid")")
        kill "$pid"; wait "$pid" 2>/dev/null
    done
    m() { printf '%s\n' "$@" | median; }
    echo "icon $( [ "$tray" = 1 ] && echo on, dialog loaded hidden at start || echo off, dialog loaded on demand):" \
         "window after $(m "${start_ms[@]}") ms; right click to dialog $(m "${open_ms[@]}") ms;" \
         "memory $(( $(m "${rss_before[@]}") / 1024 )) MiB before, $(( $(m "${rss_after[@]}") / 1024 )) MiB with the dialog open" \
         "(medians of $runs)"
done
