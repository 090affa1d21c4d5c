#!/usr/bin/env bash
# The desktop window under a window manager that moves windows itself (openbox): a drag saves the new
# place, and a double click still ends the program.
set -uo pipefail
bin=$1
source "$(dirname "$0")/lib.sh"
if ! command -v openbox >/dev/null; then
    echo "skipped: openbox is not installed (scripts/install-deps installs it)"
    echo "0 passed, 0 failed"
    exit 0
fi
start_xvfb
store=$XDG_CONFIG_HOME/QVX/Veltrane.ini
openbox >/dev/null 2>&1 & E2E_PIDS+=($!)
for _ in $(seq 1 600); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break; sleep 0.1; done
# The manager is ready once it has mapped a window of its own choosing: a probe that then goes away.
xmessage -geometry +900+900 probe >/dev/null 2>&1 & probe=$!; E2E_PIDS+=($probe)
wait_window '^xmessage$' >/dev/null || echo "note: the probe window never showed"
kill "$probe" 2>/dev/null

printf '[Common]\nDate=%s\n[Desktop]\nTrayNotification=0\nTransparent=0\nBackgroundColor=16777215\nPositionLeft=1500\nPositionTop=1500\n' \
    "$(date -d '+430 days' +%Y-%m-%d)" > "$store"
for try in 1 2; do
    "$bin/Quindle" 2>"$E2E_TMP/quindle.log" & pid=$!; E2E_PIDS+=($pid)
    sleep 0.3
    # A busy machine's X server now and then refuses a connection: that is no fault of the program.
    kill -0 "$pid" 2>/dev/null || ! grep -q "could not connect" "$E2E_TMP/quindle.log" && break
    echo "note: the X server refused a connection; starting again"
done
id=$(wait_window '^Quindle$') || { echo "FAIL no window"; failures=$((failures + 1)); cat "$E2E_TMP/quindle.log"; finish; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$id")"
check "placed at the saved position" "100 100" "$X $Y"

# A drag in small steps, as a hand makes it.
xdotool mousemove 130 110 mousedown 1
for i in $(seq 1 20); do xdotool mousemove $((130 + i * 10)) $((110 + i * 5)); sleep 0.03; done
sleep 0.3; xdotool mouseup 1
for _ in $(seq 1 600); do grep -q '^PositionLeft=1500$' "$store" || break; sleep 0.1; done
eval "$(xdotool getwindowgeometry --shell "$id")"
check_true "the window manager moved the window (to $X,$Y)" [ "$X" -gt 250 ] && [ "$Y" -gt 160 ]
check "PositionLeft saved where the window is" "$((X * 15))" "$(sed -n 's/^PositionLeft=//p' "$store")"
check "PositionTop saved where the window is" "$((Y * 15))" "$(sed -n 's/^PositionTop=//p' "$store")"

xdotool mousemove $((X + 20)) $((Y + 10)) click --repeat 2 --delay 80 1
check_true "double click ends the program" wait_exit "$pid"
finish
