#!/usr/bin/env bash
# Quindle as a desktop widget under a real window manager ($2: openbox, xfwm4, kwin, mutter, metacity,
# marco, fluxbox, icewm or i3; xfwm4-compositor and kwin-compositor with the compositor on), on one
# screen split into two monitors: opened at its stored place, on every workspace, still shown by "Show
# Desktop", top-most only when asked, dragged by the pointer's travel to a place that is stored and
# opens again, right-clicked and ended by a double click; under KWin and mutter the moving window runs
# its path. Then (under openbox and xfwm4) the place on the second monitor, a place on no monitor, and
# the twips round trip at twice the scale. Screenshots go to $DESK_SHOTS when it is set.
set -uo pipefail
bin=$1 wm=$2
# Each run has a session bus of its own (several window managers want one): the script runs again
# inside it.
if [ -z "${DESK_WIDGET_BUS:-}" ] && command -v dbus-run-session >/dev/null; then
    DESK_WIDGET_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
source "$(dirname "$0")/lib.sh"
declare -A program=([kwin]=kwin_x11 [kwin-compositor]=kwin_x11 [xfwm4-compositor]=xfwm4)
for tool in "${program[$wm]:-$wm}" wmctrl xrandr xrdb; do
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
# Shown: mapped, and not iconic (a compositing window manager may keep a hidden window mapped).
shown() { viewable "$1" && ! xprop -id "$1" WM_STATE 2>/dev/null | grep -q Iconic; }
hidden() { ! shown "$1"; }
managed() { xprop -id "$1" WM_STATE 2>/dev/null | grep -q Normal; }
desktops_at_least() { [ "$(xprop -root _NET_NUMBER_OF_DESKTOPS 2>/dev/null | sed 's/.*= //')" -ge "$1" ] 2>/dev/null; }
active_is() { [ "$(xprop -root _NET_ACTIVE_WINDOW | grep -o '0x[0-9a-f]*' | head -n 1)" = "$(printf '0x%x' "$1")" ]; }
# The top-level window (the window manager's frame, where it has one) that holds window $1.
frame_of() {
    local w line
    w=$(printf '0x%x' "$1")
    while line=$(xwininfo -id "$w" -children 2>/dev/null | grep 'Parent window id'); do
        [[ $line == *"(the root window)"* ]] && { echo "$w"; return; }
        w=$(grep -o '0x[0-9a-f]*' <<<"$line")
    done
}
# 1 when window $1 is stacked above window $2, else 0: in the window manager's list, or for fluxbox,
# which keeps that list in the order the windows came, on the X server (top-level windows top first).
above() {
    if [ "$wm" = fluxbox ]; then
        xwininfo -root -children | grep -oE '^ +0x[0-9a-f]+' | tr -d ' ' |
            awk -v a="$(frame_of "$1")" -v b="$(frame_of "$2")" '$0 == a { ia = NR } $0 == b { ib = NR } END { print (ia && ib && ia < ib) ? 1 : 0 }'
    else
        xprop -root _NET_CLIENT_LIST_STACKING | grep -o '0x[0-9a-f]*' |
            awk -v a="$(printf '0x%x' "$1")" -v b="$(printf '0x%x' "$2")" '$0 == a { ia = NR } $0 == b { ib = NR } END { print (ia > ib) ? 1 : 0 }'
    fi
}

# Workspace $1 (counted from 1), and Show Desktop on or off, as the manager's own tools ask for them.
workspace() {
    if [ "$wm" = i3 ]; then i3-msg -q workspace "$1"; else wmctrl -s $(($1 - 1)); fi
}
show_desktop() {
    if [ "$wm" = fluxbox ]; then
        # fluxbox's own command (its key binding's): it answers no request of other programs for it.
        fluxbox-remote ShowDesktop >/dev/null
    else
        wmctrl -k "$1"
    fi
}

case $wm in
    openbox) openbox >/dev/null 2>&1 & ;;
    xfwm4) xfwm4 --compositor=off >/dev/null 2>&1 & ;;
    xfwm4-compositor) xfwm4 --compositor=on >/dev/null 2>&1 & ;;
    kwin) KWIN_COMPOSE=N kwin_x11 --replace >/dev/null 2>&1 & ;;
    kwin-compositor) KWIN_COMPOSE=O2 kwin_x11 --replace >/dev/null 2>&1 & ;;
    mutter) mutter --x11 --replace >/dev/null 2>&1 & ;;
    metacity) metacity --replace >/dev/null 2>&1 & ;;
    marco) marco --replace >/dev/null 2>&1 & ;;
    fluxbox)
        # Remote commands are off unless its settings allow them.
        mkdir -p "$E2E_TMP/fluxbox"
        printf 'session.screen0.allowRemoteActions: true\nsession.screen0.workspaces: 2\n' > "$E2E_TMP/fluxbox/init"
        fluxbox -rc "$E2E_TMP/fluxbox/init" >/dev/null 2>&1 & ;;
    icewm) icewm >/dev/null 2>&1 & ;;
    i3)
        # The control window floats like the widget, so that the stacking of the two is the manager's
        # to choose (it keeps every floating window above the tiled ones); both workspaces on the first
        # monitor (i3 shows one on each monitor); no bar.
        printf '# i3 config file (v4)\nfor_window [title="^control$"] floating enable\nworkspace 1 output A\nworkspace 2 output A\n' >"$E2E_TMP/i3.config"
        # It starts on the monitor with the pointer.
        xdotool mousemove 10 10
        i3 -c "$E2E_TMP/i3.config" >/dev/null 2>&1 & ;;
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
if [ "$wm" != i3 ]; then
    wmctrl -n 2; poll desktops_at_least 2 || echo "note: the window manager kept one workspace"
fi

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
    # 1500 by 6000 twips are 100 by 400 pixels. A manager that frames or places the window after it
    # shows moves it within moments: the place is read once that has settled.
    poll eval 'geometry "$id"; [ "$WX $WY" = "100 400" ]'
    check "TopMost=$topmost: opens at the stored place" "100 400" "$WX $WY"
    props=$(xprop -id "$id" _NET_WM_DESKTOP _NET_WM_STATE)
    check_true "TopMost=$topmost: asks to be on every workspace" grep -qE '4294967295|_NET_WM_STATE_STICKY' <<<"$props"
    check_true "TopMost=$topmost: kept out of the taskbar and the pager" \
        eval 'grep -q _NET_WM_STATE_SKIP_TASKBAR <<<"$props" && grep -q _NET_WM_STATE_SKIP_PAGER <<<"$props"'

    workspace 2
    # KWin with its compositor keeps the windows of other workspaces mapped: there the manager's own
    # record of the window's workspace tells.
    if [ "$wm" = kwin-compositor ]; then
        poll eval 'xprop -root _NET_CURRENT_DESKTOP | grep -q "= 1"'
        check "TopMost=$topmost: on every workspace" "_NET_WM_DESKTOP(CARDINAL) = 4294967295" "$(xprop -id "$id" _NET_WM_DESKTOP)"
    else
        poll hidden "$control" || echo "note: the control window stayed on the other workspace"
    fi
    check_true "TopMost=$topmost: shown on the second workspace" shown "$id"
    shot "workspace-2-topmost-$topmost"
    workspace 1; poll shown "$control" || echo "note: the control window stayed hidden on the first workspace"

    if [ "$wm" = i3 ]; then
        echo "note: i3 has no Show Desktop"
    elif [ "$wm" = fluxbox ] && [ "$topmost" = 1 ]; then
        echo "note: fluxbox's Show Desktop iconifies every window above its desktop layer, a top-most one too"
    else
        show_desktop on
        # KWin hides no window for it unless there is a desktop window to show (it raises that).
        if [[ $wm == kwin* ]]; then
            poll eval 'xprop -root _NET_SHOWING_DESKTOP | grep -q "= 1"' || echo "note: Show Desktop did not start"
        else
            poll hidden "$control" || echo "note: Show Desktop left the control window"
        fi
        check_true "TopMost=$topmost: shown with Show Desktop on" shown "$id"
        shot "show-desktop-topmost-$topmost"
        # Some managers leave the hidden windows hidden when Show Desktop goes off: activating one
        # brings it back.
        [ "$wm" = fluxbox ] || show_desktop off
    fi
    wmctrl -i -a "$control"; poll active_is "$control" || echo "note: the control window was not activated"
    if [ "$wm" = i3 ] && [ "$topmost" = 1 ]; then
        echo "note: i3 raises the floating window it focuses and has no top-most state"
    else
        check "TopMost=$topmost: above the active window only when top-most" "$topmost" "$(above "$id" "$control")"
    fi

    # The pointer travels 200 by 100 pixels from a pixel of the text: the window goes as far.
    from="$WX $WY"
    drag "$id" 10 5
    poll eval 'geometry "$id"; [ "$WX $WY" = "$(( ${from% *} + 200 )) $(( ${from#* } + 100 ))" ]'
    check "TopMost=$topmost: dragged by the pointer's travel" "$(( ${from% *} + 200 )) $(( ${from#* } + 100 ))" "$WX $WY"
    check "TopMost=$topmost: the dragged place is stored" "$((WX * 15)) $((WY * 15))" "$(stored PositionLeft) $(stored PositionTop)"
    dragged="$WX $WY"

    at=$(ink_pixel "$id")
    xdotool mousemove ${at% *} ${at#* } click --repeat 2 --delay 80 1
    check_true "TopMost=$topmost: a double click ends the program" wait_exit "$QUINDLE_PID" 60
    stop_quindle

    # Started again, it opens where it was dropped, not a frame's width away.
    start_window || { echo "FAIL no window after the drag (TopMost=$topmost)"; failures=$((failures + 1)); continue; }
    poll eval 'geometry "$id"; [ "$WX $WY" = "$dragged" ]'
    check "TopMost=$topmost: opens again where it was dragged" "$dragged" "$WX $WY"
    at=$(ink_pixel "$id")
    xdotool mousemove ${at% *} ${at#* } click 3
    dialog=$(wait_window '^Settings - Quindle' 60)
    check_true "TopMost=$topmost: a right click opens the settings" [ -n "$dialog" ]
    # Once another window of the program has had the focus, the window still takes clicks (mutter
    # passed none to a see-through window that could take the focus).
    xdotool windowfocus --sync "$dialog" key Escape
    poll hidden "$dialog" || echo "note: Escape left the settings dialog open"
    at=$(ink_pixel "$id")
    xdotool mousemove ${at% *} ${at#* } click --repeat 2 --delay 80 1
    check_true "TopMost=$topmost: after the settings, a double click still ends the program" wait_exit "$QUINDLE_PID" 60
    stop_quindle
done

# --- The moving window runs its path (along the top edge, left to right, ten pixels a tick) ------------
if [[ $wm == kwin* || $wm == mutter ]]; then
    settings TopMost=0 Transparent=1 Movement=1 Interval=0 Speed=150 Position=0 Horizontal=0 HorizDirection=1
    start_window
    poll eval 'geometry "$id"; [ "$WY" -eq 0 ] && [ "$WX" -ge 40 ]'
    first=$WX
    check_true "the moving window runs along the top edge (at $WX,$WY)" eval '[ "$WY" -eq 0 ] && [ "$WX" -ge 40 ]'
    poll eval 'geometry "$id"; [ "$WY" -eq 0 ] && [ "$WX" -ge $((first + 40)) ]'
    check_true "the moving window goes on along it (from $first to $WX)" [ "$WX" -ge $((first + 40)) ]
    shot moving
    stop_quindle
fi

if [ "$wm" != openbox ] && [ "$wm" != xfwm4 ]; then
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
