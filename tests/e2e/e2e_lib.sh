# Helpers for driving the real program on a virtual screen with xdotool.
# shellcheck shell=bash

E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$E2E_DIR/../check_lib.sh"

# start_display [WIDTHxHEIGHT]: a fresh desktop for this test, stopped when the script ends: an
# Xvfb screen (1024 x 768 unless given), a session bus with the accessibility bus on it (screen
# readers read programs there), and the openbox window manager, which frames the windows as a
# desktop does. E2E_WINDOW_MANAGER=none leaves the screen bare, for a test about that. Xvfb picks
# a free display number itself, so tests and other sessions never collide. -noreset: an X server
# otherwise resets whenever its last client leaves, and on a loaded machine a program starting
# meanwhile may fail to connect.
start_display() {
    local numbers
    numbers=$(mktemp)
    Xvfb -displayfd 3 -screen 0 "${1:-1024x768}x24" -nolisten tcp -noreset 3>"$numbers" \
        >/dev/null 2>&1 &
    XVFB_PID=$!
    trap stop_display EXIT
    for _ in $(seq 100); do
        [ -s "$numbers" ] && break
        sleep 0.1
    done
    export DISPLAY=":$(head -n 1 "$numbers")"
    rm -f "$numbers"
    for _ in $(seq 100); do
        xdpyinfo >/dev/null 2>&1 && break
        sleep 0.1
    done
    start_buses
    if [ "${E2E_WINDOW_MANAGER:-openbox}" = openbox ]; then
        start_window_manager
    fi
}

# start_buses: a private session bus, and the accessibility bus that Qt programs join when
# QT_LINUX_ACCESSIBILITY_ALWAYS_ON is set.
start_buses() {
    eval "$(dbus-launch --sh-syntax)"
    export DBUS_SESSION_BUS_ADDRESS DBUS_SESSION_BUS_PID
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    ATSPI_PID=$!
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
    chmod 700 "$XDG_RUNTIME_DIR"
    # Settings of their own: Qt's file dialogs remember the last folder in the user's settings,
    # and a dialog that opens where another test left it (/proc) behaves otherwise.
    E2E_CONFIG=$(mktemp -d)
    export XDG_CONFIG_HOME=$E2E_CONFIG
}

# start_window_manager: openbox, once it manages the screen (it then names itself on the root
# window).
start_window_manager() {
    local config
    config=$(mktemp -d)
    XDG_CONFIG_HOME=$config openbox --sm-disable >/dev/null 2>&1 &
    WM_PID=$!
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.1
    done
    echo "openbox did not start" >&2
    return 1
}

stop_display() {
    [ -n "${APP_PID:-}" ] && kill "$APP_PID" 2>/dev/null
    [ -n "${WM_PID:-}" ] && kill "$WM_PID" 2>/dev/null
    [ -n "${ATSPI_PID:-}" ] && kill "$ATSPI_PID" 2>/dev/null
    [ -n "${DBUS_SESSION_BUS_PID:-}" ] && kill "$DBUS_SESSION_BUS_PID" 2>/dev/null
    kill "$XVFB_PID" 2>/dev/null
    wait 2>/dev/null
    [ -n "${E2E_CONFIG:-}" ] && rm -rf "$E2E_CONFIG"
}

# outer_geometry WINDOW: "X Y WIDTH HEIGHT" of the whole window, the window manager's frame
# included (_NET_FRAME_EXTENTS: left, right, top, bottom).
outer_geometry() {
    local l=0 r=0 t=0 b=0 x y w h extents
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.* = //p' | tr -d ' ')
    [ -n "$extents" ] && IFS=, read -r l r t b <<<"$extents"
    eval "$(xwininfo -id "$1" | awk '
        /Absolute upper-left X/ { print "x=" $4 }
        /Absolute upper-left Y/ { print "y=" $4 }
        /^  Width:/ { print "w=" $2 }
        /^  Height:/ { print "h=" $2 }')"
    echo "$((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))"
}

# work_area: "X Y WIDTH HEIGHT" of the desktop less its panels, as the window manager says.
work_area() {
    xprop -root _NET_WORKAREA | sed -n 's/.* = //p' | awk -F', ' '{ print $1, $2, $3, $4 }'
}

# has_outer WINDOW "X Y WIDTH HEIGHT": waits up to 5 s until the whole window, frame included,
# lies there (the program places a window again once the window manager has framed it); says
# where it lies when it does not.
has_outer() {
    local now
    for _ in $(seq 50); do
        now=$(outer_geometry "$1")
        [ "$now" = "$2" ] && return 0
        sleep 0.1
    done
    echo "    the whole window lies at $now, not at $2" >&2
    return 1
}

# is_centred WINDOW: waits up to 5 s until the whole window is centred on the work area, to a
# pixel either way.
is_centred() {
    local x y w h ax ay aw ah
    for _ in $(seq 50); do
        read -r x y w h <<<"$(outer_geometry "$1")"
        read -r ax ay aw ah <<<"$(work_area)"
        local dx=$((2 * x + w - 2 * ax - aw)) dy=$((2 * y + h - 2 * ay - ah))
        [ "${dx#-}" -le 2 ] && [ "${dy#-}" -le 2 ] && return 0
        sleep 0.1
    done
    echo "    the whole window lies at $x $y $w $h in the work area $ax $ay $aw $ah" >&2
    return 1
}

# wait_window NAME-REGEX [seconds]: prints the id of the visible window whose name matches.
wait_window() {
    local id
    for _ in $(seq $((${2:-30} * 10))); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# wait_gone NAME-REGEX [seconds]: waits until no visible window matches.
wait_gone() {
    for _ in $(seq $((${2:-30} * 10))); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    return 1
}

# wait_active WINDOW [seconds]: waits until the window manager has made the window the active
# one, the one that takes the keyboard.
wait_active() {
    for _ in $(seq $((${2:-10} * 10))); do
        [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ] && return 0
        sleep 0.1
    done
    echo "    window $1 is not the active one; $(xdotool getactivewindow 2>/dev/null) is" >&2
    return 1
}

close_window() { /usr/bin/python3 "$E2E_DIR/close_window.py" "$1" 2>/dev/null; }

# is_shown WINDOW: the window exists and is mapped.
is_shown() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }

# close_until_gone WINDOW: asks a window that closes without a question to close, and asks again
# every 3 s while it is still shown, up to 30 s: on a heavily loaded machine the X server has
# been seen to lose the request.
close_until_gone() {
    for _ in $(seq 10); do
        close_window "$1"
        for _ in $(seq 30); do
            is_shown "$1" || return 0
            sleep 0.1
        done
    done
    return 1
}

# focus WINDOW: makes the window the active one, through the window manager, and waits for it.
focus() { xdotool windowactivate --sync "$1" >/dev/null 2>&1 || xdotool windowfocus --sync "$1"; }

# click WINDOW X Y: a left click at a point of the window's client area.
click() {
    xdotool mousemove --window "$1" "$2" "$3" click 1
}

screenshot() { import -window root "$1"; }

# wait_exit PID [seconds]: waits for the program to end and sets EXIT_CODE (or "running").
# Runs in the calling shell: only the shell that started the program can collect its code.
wait_exit() {
    EXIT_CODE=running
    for _ in $(seq $((${2:-30} * 10))); do
        if ! kill -0 "$1" 2>/dev/null; then
            wait "$1"
            EXIT_CODE=$?
            return 0
        fi
        sleep 0.1
    done
    return 1
}
