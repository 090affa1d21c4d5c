#!/usr/bin/env bash
# Quindle (see-through, moving at Speed 45 with no pause: 3 px per 16 ms tick) under Xvfb, in one run:
# - time to the first mapped window and resident memory, beside a bare frameless Qt label window showing
#   the same text;
# - the CPU share of one core while moving, of the program and of the X server, beside a bare
#   override-redirect xcb window of the same size moved the same way (bench/BareXcbMove.c) and beside
#   that window given Quindle's see-through shape, taking turns ROUNDS times (default 2) for
#   SECONDS_MOVING each (default 20), after WARMUP seconds (default 2).
# Figures to read, not a pass/fail test.
# Usage: bench/desk_window.sh [build-dir]   (default: build)
#        QUINDLE=/other/build/bin/Quindle bench/desk_window.sh   measures another build's program
#        TRANSPARENT=0 bench/desk_window.sh                      measures the opaque window
set -uo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
bin=$build/bin
quindle=${QUINDLE:-$bin/Quindle} # another build's program can be measured against this build's yardsticks
runs=${RUNS:-9}
seconds=${SECONDS_MOVING:-20}
rounds=${ROUNDS:-2}
warmup=${WARMUP:-2}
source tests/e2e/lib.sh
start_xvfb
xserver=${E2E_PIDS[-1]}
store=$XDG_CONFIG_HOME/QVX/Veltrane.ini
printf '[Common]\nDate=%s\n[Desktop]\nTrayNotification=0\nMovement=1\nSpeed=45\nInterval=0\nTransparent=%s\n' \
    "$(date -d '+430 days' +%Y-%m-%d)" "${TRANSPARENT:-1}" > "$store"
text=$("$quindle" --print)
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
window_id() { xdotool search --onlyvisible --name '^Quindle$' | while read -r id; do
    eval "$(xdotool getwindowgeometry --shell "$id")"; [ "$WIDTH" -gt 1 ] && { echo "$id"; break; }; done; }
window_x() {
    xwininfo -root -children | awk '/"Quindle"/ { split($(NF - 1), g, "+"); split(g[1], s, "x")
        if (s[1] > 1) { print g[2]; exit } }'
}
stop() { kill "$1" 2>/dev/null; wait "$1" 2>/dev/null; }
share() { awk -v t="$1" -v hz="$ticks" -v s="$seconds" 'BEGIN { printf "%.2f", 100 * t / hz / s }'; }

quindle_ms=() bare_ms=()
for _ in $(seq 1 "$runs"); do
    read -r ms pid < <(time_to_window '^Quindle$' "$quindle"); quindle_ms+=("$ms"); stop "$pid"
    read -r ms pid < <(time_to_window '^Bare$' "$bin/bare_label" "$text"); bare_ms+=("$ms"); stop "$pid"
done
q_start=$(printf '%s\n' "${quindle_ms[@]}" | grep . | median)
b_start=$(printf '%s\n' "${bare_ms[@]}" | grep . | median)

# Memory: both programs showing the text, settled.
read -r _ qpid < <(time_to_window '^Quindle$' "$quindle")
read -r _ bpid < <(time_to_window '^Bare$' "$bin/bare_label" "$text")
sleep 2 # past start-up
q_rss=$(rss_kb "$qpid"); b_rss=$(rss_kb "$bpid")
stop "$qpid"; stop "$bpid"

# CPU while moving: Quindle, then a bare xcb window of the same size on the same row given Quindle's
# see-through shape (taken from Quindle's window just before Quindle ends), then the plain bare xcb window,
# one at a time, ROUNDS times over; each phase counts the program's and the X server's CPU ticks
# (utime + stime of /proc/PID/stat).
measure() { # pid -> "program-ticks server-ticks" over $seconds, after the warm-up
    local p0 s0
    sleep "$warmup"
    p0=$(cpu_ticks "$1"); s0=$(cpu_ticks "$xserver"); sleep "$seconds"
    echo "$(( $(cpu_ticks "$1") - p0 )) $(( $(cpu_ticks "$xserver") - s0 ))"
}
# Starts the bare xcb window ("$@" after the size and row) and waits until it is shown; prints its pid.
start_bare() {
    local pid
    "$bin/bare_xcb_move" "${q_size[@]}" 0 "$@" >"$E2E_TMP/bare.out" 2>&1 & pid=$!
    for _ in $(seq 1 600); do
        grep -q ready "$E2E_TMP/bare.out" && { echo "$pid"; return 0; }
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    echo "bare_xcb_move did not start:" >&2; cat "$E2E_TMP/bare.out" >&2; exit 1
}
declare -A cpu=() server=()
q_size=() moved=""
for round in $(seq 1 "$rounds"); do
    read -r _ qpid < <(time_to_window '^Quindle$' "$quindle")
    qid=$(window_id)
    [ ${#q_size[@]} -eq 0 ] && read -r -a q_size < <(xdotool getwindowgeometry --shell "$qid" |
        awk -F= '/^WIDTH/ { w = $2 } /^HEIGHT/ { h = $2 } END { print w, h }')
    x0=$(window_x)
    read -r p s < <(measure "$qpid")
    x1=$(window_x)
    spid=$(start_bare "$qid")
    stop "$qpid"
    moved+=" $x0->$x1"
    results=("Quindle $p $s")
    read -r p s < <(measure "$spid"); stop "$spid"
    results+=("shaped $p $s")
    bpid=$(start_bare)
    read -r p s < <(measure "$bpid"); stop "$bpid"
    results+=("bare $p $s")
    for r in "${results[@]}"; do
        read -r name p s <<<"$r"
        cpu[$name]=$(( ${cpu[$name]:-0} + p )); server[$name]=$(( ${server[$name]:-0} + s ))
        echo "round $round: $name $(share "$p") % + X server $(share "$s") %"
    done
done

echo "time to first mapped window: Quindle ${q_start} ms, bare label ${b_start} ms (median of $runs)," \
     "ratio $(awk -v a="$q_start" -v b="$b_start" 'BEGIN { printf "%.2f", a / b }') (target <= 1.3)"
all=$((seconds * rounds))
mean() { awk -v t="$1" -v hz="$ticks" -v s="$all" 'BEGIN { printf "%.2f", 100 * t / hz / s }'; }
cost() { # name -> "program % + X server % = together %"
    echo "$(mean "${cpu[$1]}") % + X server $(mean "${server[$1]}") % = $(mean $(( ${cpu[$1]} + ${server[$1]} ))) %"
}
ratio() { awk -v a=$(( ${cpu[$1]} + ${server[$1]} )) -v b=$(( ${cpu[$2]} + ${server[$2]} )) \
    'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }'; }
echo "CPU while moving (3 px per 16 ms, ${rounds} x ${seconds} s each): Quindle $(cost Quindle);" \
     "bare xcb $(cost bare); ratio $(ratio Quindle bare) (target <= 1.5, never above 3)"
echo "CPU while moving, bare xcb window with Quindle's see-through shape: $(cost shaped);" \
     "Quindle / shaped bare xcb $(ratio Quindle shaped); Quindle's left edge:$moved"
echo "resident memory: Quindle $((q_rss / 1024)) MiB, bare label $((b_rss / 1024)) MiB," \
     "ratio $(awk -v a="$q_rss" -v b="$b_rss" 'BEGIN { printf "%.2f", a / b }') (target <= 1.3)"
