#!/usr/bin/env bash
# The screensaver inside another program's window: the preview ("/p <id>") and the X11 daemon's forms
# ("--window-id", XSCREENSAVER_WINDOW, "--root"). Each draws inside its host, leaves input alone, and
# ends soon after the host window goes away or on SIGTERM.
set -uo pipefail
bin=$1
source "$(dirname "$0")/lib.sh"
start_xvfb
printf '[Common]\nDate=2031-07-13\n[ScreenSaver]\nBackground=8388608\nImageUsed=1\n' \
    > "$XDG_CONFIG_HOME/QVX/Veltrane.ini"

pixel() { import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null | grep -o '#[0-9A-Fa-f]\{6\}' | head -n 1; }

# A plain host window 400 x 300 at 100,100; prints "pid id".
start_host() {
    xmessage -geometry 400x300+100+100 -name "host$1" "host window" >/dev/null 2>&1 &
    local pid=$! id
    E2E_PIDS+=("$pid")
    for _ in $(seq 1 600); do
        id=$(xdotool search --onlyvisible --classname "host$1" 2>/dev/null | head -n 1)
        [ -n "$id" ] && { echo "$pid $id"; return 0; }
        sleep 0.1
    done
    echo "$pid 0"
}

# What ends a full-screen show: a click, a double click, a key that types, Escape, and more than eight
# moves, all over the host's area.
user_input() {
    xdotool mousemove 300 250 click 1 key a
    for i in $(seq 1 12); do xdotool mousemove $((300 + 5 * i)) 250; done
    xdotool click --repeat 2 --delay 80 1 key Escape
}

# A checksum of the host's area at 100,100: it changes as the show moves on.
frame() { import -window root -crop 400x300+100+100 +repage rgb:- 2>/dev/null | md5sum; }
# True once the show has drawn twice more after the input just sent, so it has handled that input by
# then; a show that input ends draws no more (bound 60 s each).
drew_twice_more() {
    local seen
    seen=$(frame); wait_until 60 eval '[ "$(frame)" != "$seen" ]' || return 1
    seen=$(frame); wait_until 60 eval '[ "$(frame)" != "$seen" ]'
}

# The size of the child window named $2 inside host $1, waiting up to 60 s.
child_size() {
    local size
    for _ in $(seq 1 600); do
        size=$(xwininfo -id "$1" -children 2>/dev/null | awk -v n="\"$2\":" '$2 == n {print $(NF-1)}' | head -n 1)
        [ -n "$size" ] && { echo "$size"; return 0; }
        sleep 0.1
    done
}

read -r host hostid < <(start_host a)
"$bin/Pellmora" /p "$hostid" & preview=$!
E2E_PIDS+=("$preview")
check "/p draws a child filling the host" "400x300+0+0" "$(child_size "$hostid" Preview)"
wait_until 60 eval '[ "$(pixel 105 105)" = "#000080" ]'
check "the preview's background shows inside the host" "#000080" "$(pixel 105 105)"
check "nothing outside the host" "#000000" "$(pixel 95 95)"
user_input
check_true "input does not end the preview" eval 'drew_twice_more && kill -0 "$preview"'
kill "$host"
check_true "the preview ends when its host is closed" wait_exit "$preview"

"$bin/Pellmora" /p:424242 & missing=$!
check_true "/p with no such window ends at once" wait_exit "$missing"
"$bin/Pellmora" /p & nonumber=$!
check_true "/p with no number ends at once" wait_exit "$nonumber"

read -r host hostid < <(start_host b)
"$bin/Pellmora" --window-id "$hostid" & hosted=$!
E2E_PIDS+=("$hosted")
check "--window-id draws the show in the host's size" "400x300+0+0" "$(child_size "$hostid" Pellmora)"
wait_until 60 eval '[ "$(pixel 495 395)" = "#000080" ]'
check "the show's background fills the host" "#000080" "$(pixel 495 395)"
user_input
check_true "input is left to the daemon" eval 'drew_twice_more && kill -0 "$hosted"'
kill "$host"
check_true "--window-id ends when its host is closed" wait_exit "$hosted"

read -r host hostid < <(start_host c)
XSCREENSAVER_WINDOW=$(printf '0x%x' "$hostid") "$bin/Pellmora" --root & viaenv=$!
E2E_PIDS+=("$viaenv")
check "XSCREENSAVER_WINDOW wins over --root" "400x300+0+0" "$(child_size "$hostid" Pellmora)"
kill -TERM "$viaenv"
check_true "SIGTERM ends the show" wait_exit "$viaenv"
wait "$viaenv"; check "SIGTERM exit code" 0 "$?"
kill "$host"

"$bin/Pellmora" --root & root=$!
E2E_PIDS+=("$root")
wait_until 60 eval '[ "$(pixel 1919 1079)" = "#000080" ]'
check "--root fills the screen with the show" "#000080" "$(pixel 1919 1079)"
kill -TERM "$root"
check_true "SIGTERM ends the root show" wait_exit "$root"

finish
