#!/usr/bin/env bash
# Repeats one drag of the still desktop window at twice the scale under openbox, on the end-to-end test's
# screen (2560x1024 split into two monitors), ROUNDS times (default 25): each round starts Quindle at
# 200,600 screen pixels, drags it by 20 steps of -7,3 pixels and 1 more to the right, then reads where the
# window is and the place stored in twips. A drag that goes wrong now and then (a window manager racing
# the program) shows here as a count, where a single test run would only fail at random.
# Figures to read, not a pass/fail test; run it beside busy loops to see it under load.
# Usage: bench/drag_rounds.sh [build-dir] [qt|xft]   (default: build, qt)
#   qt: QT_SCALE_FACTOR=2; xft: the X resource Xft.dpi set to 192
set -uo pipefail
cd "$(dirname "$0")/.."
bin=${1:-build}/bin
mode=${2:-qt}
rounds=${ROUNDS:-25}
source tests/e2e/lib.sh
command -v openbox >/dev/null || { echo "openbox is not installed (scripts/install-deps installs it)"; exit 1; }
XVFB_SCREEN=2560x1024x24 start_xvfb
store=$XDG_CONFIG_HOME/QVX/Veltrane.ini
QUINDLE_PID=
xrandr --setmonitor A 1280/338x800/211+0+0 screen >/dev/null
xrandr --setmonitor B 1280/338x1024/271+1280+0 none >/dev/null
openbox >/dev/null 2>&1 & E2E_PIDS+=($!)
wait_until 60 eval 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"'
if [ "$mode" = xft ]; then echo 'Xft.dpi: 192' | xrdb -merge; else export QT_SCALE_FACTOR=2; fi

target=$(date -d '+430 days' +%Y-%m-%d)
declare -A seen
failed=0
for round in $(seq 1 "$rounds"); do
    printf '[Common]\nDate=%s\n[Desktop]\nTrayNotification=0\nMovement=0\nTransparent=0\nTopMost=0\n' "$target" > "$store"
    printf 'TextFontColor=255\nTextFontSize=10\nTextFontBold=1\nBackgroundColor=16777215\nPositionLeft=1500\nPositionTop=4500\n' >> "$store"
    start_quindle
    if ! id=$(main_window) || ! at=$(ink_pixel "$id"); then
        echo "round $round: no window to drag"; failed=$((failed + 1)); stop_quindle; continue
    fi
    x=${at% *} y=${at#* }
    xdotool mousemove "$x" "$y" mousedown 1
    for i in $(seq 1 20); do xdotool mousemove $((x - 7 * i)) $((y + 3 * i)); sleep 0.03; done
    xdotool mousemove $((x - 139)) $((y + 60)) mouseup 1
    wait_until 60 eval '[ "$(stored PositionLeft)" != 1500 ]'
    geometry "$id"
    result="window $WX $WY, stored $(stored PositionLeft) $(stored PositionTop)"
    echo "round $round: $result"
    seen[$result]=$(( ${seen[$result]:-0} + 1 ))
    stop_quindle
done
echo "--- $rounds rounds ($mode): outcomes and how often"
for result in "${!seen[@]}"; do echo "${seen[$result]}x $result"; done | sort -rn
[ "$failed" -eq 0 ] || echo "$failed rounds had no window to drag"
