# Helpers for driving the real program on a virtual screen with xdotool.
# shellcheck shell=bash

E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$E2E_DIR/../check_lib.sh"

# start_display: a fresh Xvfb at 1024 x 768 for this test, stopped when the script ends. Xvfb
# picks a free display number itself, so tests and other sessions never collide. -noreset: an X
# server otherwise resets whenever its last client leaves (the readiness probe below, every
# program a test ends), and on a loaded machine a program starting meanwhile may fail to connect.
start_display() {
    local numbers
    numbers=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$numbers" >/dev/null 2>&1 &
    XVFB_PID=$!
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
    trap stop_display EXIT
}

stop_display() {
    [ -n "${APP_PID:-}" ] && kill "$APP_PID" 2>/dev/null
    kill "$XVFB_PID" 2>/dev/null
    wait 2>/dev/null
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
