# Shared helpers for end-to-end tests: source it, then call start_xvfb. Tests print "ok"/"FAIL" lines
# and finish with `finish`, which prints "N passed, N failed" and sets the exit code.
# Tests wait for what they expect to happen, up to a bound generous enough for a busy machine (60 s
# unless told), and never assert after a fixed pause.

passes=0
failures=0
E2E_PIDS=()

check() { # name expected actual
    if [ "$2" == "$3" ]; then
        echo "ok   $1"; passes=$((passes + 1))
    else
        echo "FAIL $1"; echo "  expected: [$2]"; echo "  actual:   [$3]"; failures=$((failures + 1))
    fi
}

check_true() { # name command...
    local name=$1; shift
    if "$@"; then echo "ok   $name"; passes=$((passes + 1)); else echo "FAIL $name"; failures=$((failures + 1)); fi
}

cleanup_e2e() {
    for pid in "${E2E_PIDS[@]}"; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
    [ -n "${E2E_TMP:-}" ] && rm -rf "$E2E_TMP"
}

# A private settings folder, with $store the settings file in it, and a private X server (1920x1080) on a
# free display number.
start_xvfb() {
    E2E_TMP=$(mktemp -d)
    export XDG_CONFIG_HOME=$E2E_TMP/config XDG_RUNTIME_DIR=$E2E_TMP/runtime
    mkdir -p "$XDG_CONFIG_HOME/QVX" "$XDG_RUNTIME_DIR"; chmod 700 "$XDG_RUNTIME_DIR"
    store=$XDG_CONFIG_HOME/QVX/Veltrane.ini
    trap cleanup_e2e EXIT
    # A display number drawn at random, so tests started together seldom try the same one; the display is
    # ours once its lock file names our server and it answers. -noreset: by default the server resets
    # when its last client leaves (the probe below is one), refusing connections while it does.
    local n pid
    for n in $(shuf -i 100-899 -n 40); do
        [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 "${XVFB_SCREEN:-1920x1080x24}" -nolisten tcp -noreset >/dev/null 2>&1 &
        pid=$!
        E2E_PIDS+=($pid)
        for _ in $(seq 1 300); do
            kill -0 "$pid" 2>/dev/null || break
            if [ "$({ tr -dc 0-9 < "/tmp/.X$n-lock"; } 2>/dev/null)" = "$pid" ] && DISPLAY=:$n xdpyinfo >/dev/null 2>&1; then
                export DISPLAY=:$n
                unset QT_QPA_PLATFORM WAYLAND_DISPLAY
                return 0
            fi
            sleep 0.1
        done
        kill "$pid" 2>/dev/null
    done
    echo "no X server could be started"; exit 1
}

within() { [ "$1" -ge "$2" ] && [ "$1" -le "$3" ]; } # value low high

# Runs the command every 0.1 s until it succeeds, for up to $1 seconds; true when it did.
wait_until() {
    local bound=$1; shift
    for _ in $(seq 1 $((bound * 10))); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# Waits up to $2 seconds (default 60) for a visible window whose name matches $1; prints its id.
wait_window() {
    local id
    for _ in $(seq 1 $(( ${2:-60} * 10 ))); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

# Waits up to $2 seconds (default 60) for process $1 to end; true when it did.
wait_exit() {
    for _ in $(seq 1 $(( ${2:-60} * 10 ))); do
        kill -0 "$1" 2>/dev/null || return 0
        sleep 0.1
    done
    return 1
}

# X Y WIDTH HEIGHT of window $1 into WX WY WW WH.
geometry() {
    eval "$(xdotool getwindowgeometry --shell "$1")"; WX=$X WY=$Y WW=$WIDTH WH=$HEIGHT
}

# Quindle's display window (process $QUINDLE_PID): its visible window larger than a tray icon (a
# window of an instance that just ended may linger a moment on a busy server, hence the pid).
main_window() {
    local id
    for _ in $(seq 1 600); do
        for id in $(xdotool search --all --onlyvisible --pid "$QUINDLE_PID" --name '^Quindle$' 2>/dev/null); do
            eval "$(xdotool getwindowgeometry --shell "$id")"
            [ "$HEIGHT" -gt 22 ] || [ "$WIDTH" -gt 22 ] && { echo "$id"; return 0; }
        done
        sleep 0.1
    done
    return 1
}

# The first pixel of a colour (#RRGGBB) in a screen area (WxH+X+Y), as "x y" on the screen; nothing
# when none shows.
find_pixel() {
    local area=$1 colour=$2 ox oy
    ox=$(echo "$area" | cut -d+ -f2); oy=$(echo "$area" | cut -d+ -f3)
    import -window root -crop "$area" +repage -depth 8 txt:- 2>/dev/null |
        awk -v c="$colour" -v ox="$ox" -v oy="$oy" 'index($0, c) { split($1, p, /[,:]/); print p[1] + ox, p[2] + oy; exit }'
}

# True when the see-through display window (geometry in WX WY WW WH) shows both a pixel of the white
# window below ($hole) and one of its red letters ($letter), each as "x y".
holes_and_letters_drawn() {
    hole=$(find_pixel "$((WW - 2))x$((WH - 2))+$((WX + 1))+$((WY + 1))" '#FFFFFF')
    letter=$(find_pixel "$((WW - 2))x$((WH - 2))+$((WX + 1))+$((WY + 1))" '#FF0000')
    [ -n "$hole" ] && [ -n "$letter" ]
}

# True once the display window (found afresh: a rebuild makes a new one) is wider than $1, within 60 s.
wait_wider() {
    local id
    for _ in $(seq 1 300); do
        id=$(main_window) && geometry "$id" 2>/dev/null && [ "$WW" -gt "$1" ] && return 0
        sleep 0.2
    done
    return 1
}

# Types $2 as the title into the settings dialog $1 (its first box has the focus when it opens) and
# presses OK, the default button.
type_title_and_ok() {
    xdotool windowfocus --sync "$1"
    xdotool key ctrl+a
    xdotool type --delay 20 "$2"
    sleep 0.3
    xdotool key Return
}

# A pixel of the red text inside window $1's area, as "x y" on the screen ("0 0" and false when none
# shows within 60 s). Waits for the letters: a compositor may not have drawn the window again yet
# (after a dialog above it went away, say).
ink_pixel() {
    local at=""
    for _ in $(seq 1 300); do
        geometry "$1"
        at=$(import -window root -crop "${WW}x${WH}+${WX}+${WY}" +repage -depth 8 txt:- 2>/dev/null |
            awk -v ox="$WX" -v oy="$WY" 'index($0, "#FF0000") { split($1, p, /[,:]/); print p[1] + ox, p[2] + oy; exit }')
        [ -n "$at" ] && break
        sleep 0.2
    done
    echo "${at:-0 0}"
    [ -n "$at" ]
}

finish() {
    echo "$passes passed, $failures failed"
    [ "$failures" -eq 0 ]
}

# Starts openbox on the display and waits until it manages windows: it has mapped a probe window of
# its own choosing (which then goes away). False when openbox is not installed.
start_openbox() {
    command -v openbox >/dev/null || return 1
    openbox >/dev/null 2>&1 & E2E_PIDS+=($!)
    for _ in $(seq 1 600); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break; sleep 0.1; done
    local probe
    xmessage -geometry +900+900 probe >/dev/null 2>&1 & probe=$!; E2E_PIDS+=($probe)
    wait_window '^xmessage$' 60 >/dev/null || echo "note: the probe window never showed"
    kill "$probe" 2>/dev/null
    return 0
}

# Starts "$bin/Quindle" in the background as QUINDLE_PID and waits until it shows a window or ends; a
# busy machine's X server now and then refuses a connection, which is no fault of the program, so
# then it starts it once more.
start_quindle() {
    local try
    for try in 1 2; do
        "$bin/Quindle" 2>"$E2E_TMP/quindle.err" & QUINDLE_PID=$!
        E2E_PIDS+=($QUINDLE_PID)
        wait_until 60 eval 'xdotool search --onlyvisible --pid "$QUINDLE_PID" >/dev/null 2>&1 || ! kill -0 "$QUINDLE_PID" 2>/dev/null'
        kill -0 "$QUINDLE_PID" 2>/dev/null && return 0
        grep -q "could not connect" "$E2E_TMP/quindle.err" || return 0
        echo "note: the X server refused a connection; starting again"
    done
}
stop_quindle() { kill "$QUINDLE_PID" 2>/dev/null; wait "$QUINDLE_PID" 2>/dev/null; }
# The value of key $1 in the settings file "$store".
stored() { sed -n "s/^$1=//p" "$store"; }

# Saves the shared title $1 as a user does through the screensaver's settings dialog ("$bin/Pellmora"
# /c): the title box has the focus when the dialog opens, and Return presses OK.
saver_dialog_saves_title() {
    local saver dialog
    "$bin/Pellmora" /c & saver=$!
    E2E_PIDS+=($saver)
    dialog=$(wait_window '^Settings - Pellmora - v 3\.0$' 60)
    check_true "the screensaver's dialog is open" [ -n "$dialog" ]
    xdotool windowfocus --sync "$dialog"
    xdotool key ctrl+a
    xdotool type --delay 20 "$1"
    xdotool key Return
    check_true "the screensaver's dialog saved and ended" wait_exit "$saver" 60
}
