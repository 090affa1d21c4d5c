#!/usr/bin/env bash
# Quindle as a desktop widget under a real window manager ($2: openbox, xfwm4, or xfwm4-compositor for
# xfwm4 with its compositor on), on one screen split into two monitors: on every workspace, still shown
# by "Show Desktop", top-most only when asked, dragged, right-clicked and ended by a double click; then
# (not with the compositor, which plays no part in them) the place on the second monitor, a place on no
# monitor, and the twips round trip at twice the scale. Screenshots go to $DESK_SHOTS when it is set.
set -uo pipefail
bin=$1 wm=$2
# xfwm4 wants a session bus: the script runs again inside one of its own.
if [[ $wm == xfwm4* ]] && [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] && command -v dbus-run-session >/dev/null; then
    exec dbus-run-session -- bash "$0" "$@"
fi
source "$(dirname "$0")/lib.sh"
for tool in "${wm%-compositor}" wmctrl xrandr xrdb; do
    if ! command -v "$tool" >/dev/null; then
        echo "skipped: $tool is not installed (scripts/install-deps installs it)"
        echo "0 passed, 0 failed"
        exit 0
    fi
done
XVFB_SCREEN=2560x1024x24 start_xvfb
store=$XDG_CONFIG_HOME/QVX/Veltrane.ini
shots=${DESK_SHOTS:-}
QUINDLE_PID=

# Monitor A 1280x800 at the origin, monitor B 1280x1024 right of it: below A lies a place on no monitor.
xrandr --setmonitor A 1280/338x800/211+0+0 screen >/dev/null
xrandr --setmonitor B 1280/338x1024/271+1280+0 none >/dev/null

# Polls up to 60 s for a command to succeed.
poll() {
    for _ in $(seq 1 600); do "$@" && return 0; sleep 0.1; done
    return 1
}
viewable() { xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }
hidden() { ! viewable "$1"; }
managed() { xprop -id "$1" WM_STATE 2>/dev/null | grep -q Normal; }
desktops_at_least() { [ "$(xprop -root _NET_NUMBER_OF_DESKTOPS 2>/dev/null | sed 's/.*= //')" -ge "$1" ] 2>/dev/null; }
active_is() { [ "$(xprop -root _NET_ACTIVE_WINDOW | grep -o '0x[0-9a-f]*' | head -n 1)" = "$(printf '0x%x' "$1")" ]; }
# 1 when window $1 is stacked above window $2 in the window manager's list, else 0.
above() {
    xprop -root _NET_CLIENT_LIST_STACKING | grep -o '0x[0-9a-f]*' |
        awk -v a="$(printf '0x%x' "$1")" -v b="$(printf '0x%x' "$2")" '$0 == a { ia = NR } $0 == b { ib = NR } END { print (ia > ib) ? 1 : 0 }'
}

case $wm in
    openbox) openbox >/dev/null 2>&1 & ;;
    xfwm4) xfwm4 --compositor=off >/dev/null 2>&1 & ;;
    xfwm4-compositor) xfwm4 --compositor=on >/dev/null 2>&1 & ;;
    *) echo "unknown window manager $wm"; exit 2 ;;
esac
E2E_PIDS+=($!)
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; }
poll wm_running || echo "note: the window manager has not announced itself"
# An ordinary window that the window manager hides and shows: it tells when a switch has taken effect.
# A busy X server now and then refuses a connection, hence a second try.
for try in 1 2; do
    xmessage -title control -geometry 400x200+60+60 control >/dev/null 2>&1 & E2E_PIDS+=($!)
    control=$(wait_window '^control$' 60) && poll managed "$control" && break
    control=
done
[ -n "$control" ] || { echo "FAIL the window manager never managed a window"; failures=$((failures + 1)); finish; exit 1; }
wmctrl -n 2; poll desktops_at_least 2 || echo "note: the window manager kept one workspace"

target=$(date -d '+430 days' +%Y-%m-%d)
settings() { # lines of the Desktop section
    printf '[Common]\nDate=%s\n[Desktop]\nTrayNotification=0\nMovement=0\nTextFontColor=255\nTextFontSize=%s\nTextFontBold=1\nBackgroundColor=16777215\n' \
        "$target" "${font_size:-20}" > "$store"
    printf '%s\n' "$@" >> "$store"
}
start_window() { start_quindle && id=$(main_window) && geometry "$id"; }
shot() { [ -n "$shots" ] && import -window root "$shots/$wm-$1.png"; }
# Drags from the text pixel of window $1 by 20 steps of $2,$3 pixels, as a hand does, then $4 more to
# the right, and waits until the new place is stored.
drag() {
    local before at
    before=$(stored PositionLeft)
    at=$(ink_pixel "$1")
    xdotool mousemove ${at% *} ${at#* } mousedown 1
    for i in $(seq 1 20); do xdotool mousemove $((${at% *} + i * $2)) $((${at#* } + i * $3)); sleep 0.03; done
    xdotool mousemove $((${at% *} + 20 * $2 + ${4:-0})) $((${at#* } + 20 * $3)) mouseup 1
    poll eval '[ "$(stored PositionLeft)" != "$before" ]'
}

# --- The widget: workspaces, Show Desktop, top-most, drag, right click and double click --------------
for topmost in 0 1; do
    # See-through with top-most, opaque without: both kinds of window take the same path.
    settings TopMost=$topmost Transparent=$topmost PositionLeft=1500 PositionTop=6000
    start_window || { echo "FAIL no window (TopMost=$topmost)"; failures=$((failures + 1)); cat "$E2E_TMP/quindle.err"; continue; }
    props=$(xprop -id "$id" _NET_WM_DESKTOP _NET_WM_STATE)
    check_true "TopMost=$topmost: asks to be on every workspace" grep -qE '4294967295|_NET_WM_STATE_STICKY' <<<"$props"
    check_true "TopMost=$topmost: kept out of the taskbar and the pager" \
        eval 'grep -q _NET_WM_STATE_SKIP_TASKBAR <<<"$props" && grep -q _NET_WM_STATE_SKIP_PAGER <<<"$props"'

    wmctrl -s 1
    poll hidden "$control" || echo "note: the control window stayed on the other workspace"
    check_true "TopMost=$topmost: shown on the second workspace" viewable "$id"
    shot "workspace-2-topmost-$topmost"
    wmctrl -s 0; poll viewable "$control"

    wmctrl -k on
    poll hidden "$control" || echo "note: Show Desktop left the control window"
    check_true "TopMost=$topmost: shown with Show Desktop on" viewable "$id"
    shot "show-desktop-topmost-$topmost"
    # xfwm4 leaves the hidden windows hidden when Show Desktop goes off: activating one brings it back.
    wmctrl -k off
    wmctrl -i -a "$control"; poll active_is "$control"
    check "TopMost=$topmost: above the active window only when top-most" "$topmost" "$(above "$id" "$control")"

    drag "$id" 10 5
    geometry "$id"
    check_true "TopMost=$topmost: dragged (to $WX,$WY)" [ "$WX" -ge 250 ] && [ "$WY" -ge 450 ]
    check "TopMost=$topmost: the dragged place is stored" "$((WX * 15)) $((WY * 15))" "$(stored PositionLeft) $(stored PositionTop)"

    at=$(ink_pixel "$id")
    xdotool mousemove ${at% *} ${at#* } click 3
    dialog=$(wait_window '^Settings - Quindle' 60)
    check_true "TopMost=$topmost: a right click opens the settings" [ -n "$dialog" ]
    [ -n "$dialog" ] && { xdotool windowactivate --sync "$dialog" key Escape; poll hidden "$dialog"; }

    at=$(ink_pixel "$id")
    xdotool mousemove ${at% *} ${at#* } click --repeat 2 --delay 80 1
    check_true "TopMost=$topmost: a double click ends the program" wait_exit "$QUINDLE_PID" 60
    stop_quindle
done

if [ "$wm" = xfwm4-compositor ]; then
    finish
    exit
fi

# --- Places: on the second monitor, on none -----------------------------------------------------------
# left top (twips), then the expected place as awk expressions of the window's width w and height h.
# xfwm4 under Xvfb keeps every window on the first monitor, whatever it asks for: the rows for the
# second one run under openbox.
while read -r what wms left top ex ey; do
    [[ ",$wms," == *",$wm,"* ]] || continue
    settings Transparent=0 TopMost=0 PositionLeft=$left PositionTop=$top
    start_window || { echo "FAIL no window ($what)"; failures=$((failures + 1)); continue; }
    check "$what" "$(awk -v w="$WW" -v h="$WH" "BEGIN { print $ex, $ey }")" "$WX $WY"
    check "$what: the stored place is left as it was" "$left $top" "$(stored PositionLeft) $(stored PositionTop)"
    shot "place-$left-$top"
    stop_quindle
done <<'ROWS'
on-the-second-monitor openbox 22500 13500 1500 900
beyond-the-whole-desktop-onto-the-nearest-monitor openbox 60000 20000 2560-w 1024-h
below-the-first-monitor-onto-it openbox,xfwm4 3000 13500 200 800-h
ROWS

# --- Twice the scale: the place in twips is kept to the pixel -----------------------------------------
for scale in QT_SCALE_FACTOR=2 Xft.dpi=192; do
    if [ "$scale" = Xft.dpi=192 ]; then echo 'Xft.dpi: 192' | xrdb -merge; scaled=(); else scaled=("$scale"); fi
    # A small font: a window wider than its monitor would be pulled back onto it by the window manager.
    font_size=10 settings Transparent=0 TopMost=0 PositionLeft=1500 PositionTop=4500
    [ ${#scaled[@]} -gt 0 ] && export "${scaled[@]}"
    start_window || { echo "FAIL no window ($scale)"; failures=$((failures + 1)); continue; }
    # 1500 by 4500 twips are 100 by 300 pixels at 96 dots per inch, so 200 by 600 at twice the scale.
    check "$scale: opens at the stored place in screen pixels" "200 600" "$WX $WY"
    shot "scale-$scale"
    # An odd number of screen pixels: a place between two of the toolkit's scaled pixels. The pointer
    # moves 139 by 60 pixels; the window follows it from where the drag began (a few pixels on).
    drag "$id" -7 3 1
    geometry "$id"; dragged="$WX $WY"
    check_true "$scale: dragged along with the pointer (to $dragged)" eval 'within "$WX" 55 100 && within "$WY" 640 670'
    stop_quindle
    start_window
    check "$scale: a dragged place opens again to the pixel" "$dragged" "$WX $WY"
    stop_quindle
    unset QT_SCALE_FACTOR
    xrdb -load /dev/null
done
finish
