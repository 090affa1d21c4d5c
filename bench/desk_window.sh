#!/usr/bin/env bash
# Quindle moving (Speed 50, Interval 0, see-through) beside a bare frameless Qt label window showing the
# same text (and, for the CPU figure, moved by a 16 ms timer as Quindle is), in one run under Xvfb. Reports the time to the first mapped window, the CPU share of one
# core while moving, and the resident memory. Figures to read, not a pass/fail test.
# Usage: bench/desk_window.sh [build-dir]   (default: build)
set -uo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
bin=$build/bin
runs=${RUNS:-9}
seconds=${SECONDS_MOVING:-20}
source tests/e2e/lib.sh
start_xvfb
store=$XDG_CONFIG_HOME/QVX/Veltrane.ini
printf '[Common]\nDate=%s\n[Desktop]\nTrayNotification=0\nMovement=1\nSpeed=50\nInterval=0\nTransparent=1\n' \
    "$(date -d '+430 days' +%Y-%m-%d)" > "$store"
text=$("$bin/Quindle" --print)
ticks=$(getconf CLK_TCK)

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }
# Starts "$@", waits for its window named $name to be mapped; prints "ms pid".
time_to_window() {
    local name=$1; shift
    local start pid
    start=$(now_ms)
    "$@" >/dev/null 2>"$E2E_TMP/stderr" & pid=$!
    until xdotool search --onlyvisible --name "$name" >/dev/null 2>&1; do
        kill -0 "$pid" 2>/dev/null || { echo "$1 ended before showing a window:" >&2; cat "$E2E_TMP/stderr" >&2; exit 1; }
        sleep 0.005
    done
    echo "$(( $(now_ms) - start )) $pid"
}
median() { sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }
rss_kb() { awk '/^VmRSS/ { print $2 }' "/proc/$1/status"; }
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
# The display window's left edge (the program's other, 1x1 windows left aside).
window_x() {
    xwininfo -root -children | awk '/"Quindle"/ { split($(NF - 1), g, "+"); split(g[1], s, "x")
        if (s[1] > 1) { print g[2]; exit } }'
}
stop() { kill "$1" 2>/dev/null; wait "$1" 2>/dev/null; }

quindle_ms=() bare_ms=()
for _ in $(seq 1 "$runs"); do
    read -r ms pid < <(time_to_window '^Quindle$' "$bin/Quindle"); quindle_ms+=("$ms"); stop "$pid"
    read -r ms pid < <(time_to_window '^Bare$' "$bin/bare_label" "$text"); bare_ms+=("$ms"); stop "$pid"
done
q_start=$(printf '%s\n' "${quindle_ms[@]}" | grep . | median)
b_start=$(printf '%s\n' "${bare_ms[@]}" | grep . | median)

read -r _ qpid < <(time_to_window '^Quindle$' "$bin/Quindle")
read -r _ bpid < <(time_to_window '^Bare$' "$bin/bare_label" "$text" --move)
sleep 2 # past start-up
x0=$(window_x)
q0=$(cpu_ticks "$qpid"); b0=$(cpu_ticks "$bpid"); sleep "$seconds"; q1=$(cpu_ticks "$qpid"); b1=$(cpu_ticks "$bpid")
x1=$(window_x)
q_rss=$(rss_kb "$qpid"); b_rss=$(rss_kb "$bpid")
stop "$qpid"; stop "$bpid"

share() { awk -v t="$1" -v hz="$ticks" -v s="$seconds" 'BEGIN { printf "%.2f", 100 * t / hz / s }'; }
echo "time to first mapped window: Quindle ${q_start} ms, bare label ${b_start} ms (median of $runs)," \
     "ratio $(awk -v a="$q_start" -v b="$b_start" 'BEGIN { printf "%.2f", a / b }') (target <= 1.3)"
echo "CPU while moving: Quindle $(share $((q1 - q0))) %, bare label moved the same way (3 px per 16 ms)" \
     "$(share $((b1 - b0))) % of one core over ${seconds} s (target <= 1 %); Quindle moved from x=$x0 to x=$x1"
echo "resident memory: Quindle $((q_rss / 1024)) MiB, bare label $((b_rss / 1024)) MiB," \
     "ratio $(awk -v a="$q_rss" -v b="$b_rss" 'BEGIN { printf "%.2f", a / b }') (target <= 1.3)"
