#!/usr/bin/env bash
# Quindle (see-through, moving at Speed 45 with no pause: 3 px per 16 ms tick) under Xvfb, in one run:
# - time to the first mapped window and resident memory, beside a bare frameless Qt label window showing
#   the same text;
# - the CPU share of one core while moving, of the program and of the X server, beside a bare
#   override-redirect xcb window of the same size moved the same way (bench/BareXcbMove.c), the two
#   taking turns ROUNDS times (default 2) for SECONDS_MOVING each (default 20), after WARMUP seconds.
# Figures to read, not a pass/fail test.
# Usage: bench/desk_window.sh [build-dir]   (default: build)
set -uo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
bin=$build/bin
runs=${RUNS:-9}
seconds=${SECONDS_MOVING:-20}
rounds=${ROUNDS:-2}
warmup=${WARMUP:-2}
source tests/e2e/lib.sh
start_xvfb
xserver=${E2E_PIDS[-1]}
store=$XDG_CONFIG_HOME/QVX/Veltrane.ini
printf '[Common]\nDate=%s\n[Desktop]\nTrayNotification=0\nMovement=1\nSpeed=45\nInterval=0\nTransparent=1\n' \
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
share() { awk -v t="$1" -v hz="$ticks" -v s="$seconds" 'BEGIN { printf "%.2f", 100 * t / hz / s }'; }

quindle_ms=() bare_ms=()
for _ in $(seq 1 "$runs"); do
    read -r ms pid < <(time_to_window '^Quindle$' "$bin/Quindle"); quindle_ms+=("$ms"); stop "$pid"
    read -r ms pid < <(time_to_window '^Bare$' "$bin/bare_label" "$text"); bare_ms+=("$ms"); stop "$pid"
done
q_start=$(printf '%s\n' "${quindle_ms[@]}" | grep . | median)
b_start=$(printf '%s\n' "${bare_ms[@]}" | grep . | median)

# Memory: both programs showing the text, settled.
read -r _ qpid < <(time_to_window '^Quindle$' "$bin/Quindle")
read -r _ bpid < <(time_to_window '^Bare$' "$bin/bare_label" "$text")
sleep 2 # past start-up
q_rss=$(rss_kb "$qpid"); b_rss=$(rss_kb "$bpid")
stop "$qpid"; stop "$bpid"

# CPU while moving: Quindle and the bare xcb window of the same size on the same row, one at a time,
# alternating; each phase counts the program's and the X server's CPU ticks (utime + stime).
read -r _ qpid < <(time_to_window '^Quindle$' "$bin/Quindle")
q_size=$(xwininfo -root -children | awk '/"Quindle"/ { split($(NF - 1), g, "+"); split(g[1], s, "x")
    if (s[1] > 1) { print s[1], s[2]; exit } }')
stop "$qpid"
q_cpu=0 q_x=0 b_cpu=0 b_x=0 moved=""
for round in $(seq 1 "$rounds"); do
    read -r _ qpid < <(time_to_window '^Quindle$' "$bin/Quindle")
    sleep "$warmup"
    x0=$(window_x)
    p0=$(cpu_ticks "$qpid"); s0=$(cpu_ticks "$xserver"); sleep "$seconds"
    p1=$(cpu_ticks "$qpid"); s1=$(cpu_ticks "$xserver")
    x1=$(window_x)
    stop "$qpid"
    q_cpu=$((q_cpu + p1 - p0)); q_x=$((q_x + s1 - s0)); moved+=" $x0->$x1"
    echo "round $round: Quindle $(share $((p1 - p0))) %, X server $(share $((s1 - s0))) %"

    # shellcheck disable=SC2086 # width and height as two words
    "$bin/bare_xcb_move" $q_size 0 & bpid=$!
    sleep "$warmup"
    p0=$(cpu_ticks "$bpid"); s0=$(cpu_ticks "$xserver"); sleep "$seconds"
    p1=$(cpu_ticks "$bpid"); s1=$(cpu_ticks "$xserver")
    stop "$bpid"
    b_cpu=$((b_cpu + p1 - p0)); b_x=$((b_x + s1 - s0))
    echo "round $round: bare xcb $(share $((p1 - p0))) %, X server $(share $((s1 - s0))) %"
done

echo "time to first mapped window: Quindle ${q_start} ms, bare label ${b_start} ms (median of $runs)," \
     "ratio $(awk -v a="$q_start" -v b="$b_start" 'BEGIN { printf "%.2f", a / b }') (target <= 1.3)"
all=$((seconds * rounds))
mean() { awk -v t="$1" -v hz="$ticks" -v s="$all" 'BEGIN { printf "%.2f", 100 * t / hz / s }'; }
echo "CPU while moving (3 px per 16 ms, ${rounds} x ${seconds} s each): Quindle $(mean "$q_cpu") % + X server" \
     "$(mean "$q_x") % = $(mean $((q_cpu + q_x))) %; bare xcb $(mean "$b_cpu") % + X server $(mean "$b_x") %" \
     "= $(mean $((b_cpu + b_x))) %; ratio $(awk -v a=$((q_cpu + q_x)) -v b=$((b_cpu + b_x)) \
        'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }') (target <= 1.5, never above 3); Quindle's left edge:$moved"
echo "resident memory: Quindle $((q_rss / 1024)) MiB, bare label $((b_rss / 1024)) MiB," \
     "ratio $(awk -v a="$q_rss" -v b="$b_rss" 'BEGIN { printf "%.2f", a / b }') (target <= 1.3)"
