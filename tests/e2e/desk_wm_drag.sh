#!/usr/bin/env bash
# The moving desktop window dragged under a window manager that carries the move itself (openbox): the
# run waits while the window is held, the place it is dropped at is saved, then the run goes on and the
# hint shows again; no settings dialog opens.
set -uo pipefail
bin=$1
source "$(dirname "$0")/lib.sh"
if ! command -v openbox >/dev/null; then
    echo "skipped: openbox is not installed (scripts/install-deps installs it)"
    echo "0 passed, 0 failed"
    exit 0
fi
start_xvfb
start_openbox
store=$XDG_CONFIG_HOME/QVX/Veltrane.ini

# A run along the top edge from left to right, a pixel a tick, with no pause between runs.
printf '[Common]\nDate=%s\n[Desktop]\nTrayNotification=0\nTransparent=0\nBackgroundColor=16777215\n' \
    "$(date -d '+430 days' +%Y-%m-%d)" > "$store"
printf 'ToolTips=1\nMovement=1\nInterval=0\nSpeed=15\nPosition=0\nHorizontal=0\nHorizDirection=1\n' >> "$store"
printf 'PositionLeft=1500\nPositionTop=1500\n' >> "$store"
for try in 1 2; do
    "$bin/Quindle" 2>"$E2E_TMP/quindle.log" & QUINDLE_PID=$!; E2E_PIDS+=($QUINDLE_PID)
    id=$(wait_window '^Quindle$' 60) && break
    # A busy machine's X server now and then refuses a connection: that is no fault of the program.
    grep -q "could not connect" "$E2E_TMP/quindle.log" || break
    echo "note: the X server refused a connection; starting again"
done
[ -n "${id:-}" ] || { echo "FAIL no window"; cat "$E2E_TMP/quindle.log"; failures=$((failures + 1)); finish; exit 1; }

# Caught in the middle once the whole window is on the screen; one xdotool call places the pointer on
# the window where it is at that moment and presses.
for _ in $(seq 1 600); do
    geometry "$id"
    [ "$WY" -eq 0 ] && [ "$WX" -ge 40 ] && [ "$WX" -le 700 ] && break
    sleep 0.1
done
check_true "the window runs along the top edge (at $WX,$WY)" [ "$WY" -eq 0 ] && [ "$WX" -ge 40 ] && [ "$WX" -le 700 ]
xdotool mousemove --window "$id" $((WW / 2)) $((WH / 2)) mousedown 1
eval "$(xdotool getmouselocation --shell)"; px=$X; py=$Y
for i in $(seq 1 30); do xdotool mousemove $((px + i * 10)) $((py + i * 10)) sleep 0.02; done

# Held: the window manager has it where the hand took it, and the run leaves it there.
for _ in $(seq 1 600); do geometry "$id"; [ "$WY" -ge 250 ] && break; sleep 0.1; done
held="$WX $WY"
check_true "the held window sits where it was carried (at $held)" [ "$WY" -ge 250 ]
xdotool mouseup 1
for _ in $(seq 1 600); do [ "$(stored PositionTop)" != 1500 ] && break; sleep 0.1; done
check "PositionLeft and PositionTop saved where the window was dropped" \
    "$(( ${held% *} * 15 )) $(( ${held#* } * 15 ))" "$(stored PositionLeft) $(stored PositionTop)"

# Released: the next ticks take the window back onto its path, and the hint shows again.
for _ in $(seq 1 600); do geometry "$id"; [ "$WY" -eq 0 ] && break; sleep 0.1; done
check "the run goes on along its path" 0 "$WY"
hint=
for i in $(seq 1 120); do
    xdotool mousemove --window "$id" $((WW / 2 + i % 2 * 4)) $((WH / 2))
    hint=$(xdotool search --onlyvisible --name '^Quindle Hint$' 2>/dev/null | head -n 1)
    [ -n "$hint" ] && break
    sleep 0.5
done
check_true "the hint shows again after the drag" [ -n "$hint" ]
# The hint answers a move made after the drag, so a dialog the drag had opened would be up by now.
check "a left drag opens no settings" "" "$(xdotool search --onlyvisible --name '^Settings - Quindle' 2>/dev/null)"
finish
