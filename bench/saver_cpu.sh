#!/usr/bin/env bash
# CPU and memory of the full-screen screensaver against fontglide, the X11 hack that does the same job
# (text gliding across the screen), in one run of a private 1920x1080 X server.
#   bench/saver_cpu.sh [build dir]        (default: build)
# Each program runs alone for a warm-up and then 10 seconds (SECONDS_MEASURED), in ROUNDS (default 3)
# alternating rounds. The table gives, per
# program, its CPU share of one core, the X server's share over the same time (the drawing that the
# program hands to the server), both together, and its resident memory (highest sample and at the end).
# Figures vary with the machine; nothing here passes or fails.
set -uo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
seconds=${SECONDS_MEASURED:-10}
warmup=${WARMUP:-2}
rounds=${ROUNDS:-3}
pellmora=$build/bin/Pellmora
fontglide=${FONTGLIDE:-/usr/libexec/xscreensaver/fontglide}
[ -x "$pellmora" ] || { echo "no $pellmora: build first"; exit 1; }
[ -x "$fontglide" ] || { echo "no $fontglide: install xscreensaver-data-extra"; exit 1; }

source tests/e2e/lib.sh
start_xvfb
xserver=${E2E_PIDS[-1]}

# The base picture, random paths: the show as most users see it.
printf '[Common]\nDate=2027-07-13\nTitle=Our wedding\n[ScreenSaver]\nImageUsed=1\nImageStyle=0\nImageIndex=1\nPosition=2\nIncludeDays=1\n' \
    > "$XDG_CONFIG_HOME/QVX/Veltrane.ini"

# CPU time in nanoseconds over all the process's threads (clock ticks of /proc/PID/stat are 10 ms, too
# coarse for a few per cent of 10 s).
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{sum += $1} END {printf "%.0f", sum}'; }
rss_kib() { awk '/^VmRSS:/ {print $2}' "/proc/$1/status"; }

# measure name pid: prints one row of the table
measure() {
    local name=$1 pid=$2 peak=0 rss
    sleep "$warmup"
    kill -0 "$pid" 2>/dev/null || { echo "$name ended early"; return 1; }
    local p0 s0 p1 s1 t0 t1
    p0=$(cpu_ns "$pid"); s0=$(cpu_ns "$xserver"); t0=$(date +%s.%N)
    for _ in $(seq 1 "$seconds"); do
        sleep 1
        rss=$(rss_kib "$pid"); [ "$rss" -gt "$peak" ] && peak=$rss
    done
    p1=$(cpu_ns "$pid"); s1=$(cpu_ns "$xserver"); t1=$(date +%s.%N)
    awk -v n="$name" -v p=$((p1 - p0)) -v s=$((s1 - s0)) -v t0="$t0" -v t1="$t1" \
        -v peak="$peak" -v rss="$rss" 'BEGIN {
            el = t1 - t0; pc = 100 * p / 1e9 / el; sc = 100 * s / 1e9 / el
            printf "%-10s %8.1f %% %8.1f %% %8.1f %% %9.1f MiB %9.1f MiB\n", n, pc, sc, pc + sc, peak / 1024, rss / 1024
            printf "%s %.2f %.2f\n", n, pc, pc + sc > "/dev/stderr"
        }'
}

printf '%-10s %10s %10s %10s %13s %13s\n' program "CPU" "X server" "together" "RSS peak" "RSS end"
# Alternating rounds even out what else the machine does meanwhile and fontglide's changing texts.
for round in $(seq 1 "$rounds"); do
    "$pellmora" /s & saver=$!
    measure Pellmora "$saver" 2>>"$E2E_TMP/pellmora.cpu"
    kill -TERM "$saver"; wait "$saver" 2>/dev/null

    "$fontglide" -root & glide=$!
    measure fontglide "$glide" 2>>"$E2E_TMP/fontglide.cpu"
    kill -TERM "$glide"; wait "$glide" 2>/dev/null
done

awk '{ if (FILENAME ~ /pellmora/) { sp += $2; st += $3 } else { fp += $2; ft += $3 } }
     END {
         printf "Pellmora / fontglide over all rounds: %.2f (program alone), %.2f (with the X server); target at most 1.5\n",
                (fp > 0 ? sp / fp : 0), (ft > 0 ? st / ft : 0)
     }' "$E2E_TMP/pellmora.cpu" "$E2E_TMP/fontglide.cpu"
