#!/usr/bin/env bash
# The real program given command-line paths that name no results file: a character device and a
# FIFO that no one writes to. A blocking open or a read that never ends would freeze it before
# its first error; instead the error box must come up, and the questionnaire must stay and then
# close normally. Usage: test_bad_input.sh BUILD_DIR
set -uo pipefail
export LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb
source "$(dirname "$0")/e2e_lib.sh"

BUILD=$(cd "$1" && pwd)
WORK=$(mktemp -d)
start_display

MAIN_NAME='^ Тест Ормитан$'
BOX_NAME="^Тест 'Ормитан'$"
REPORT_NAME='^Результаты теста'

mkfifo "$WORK/pipe.tst"

for what in /dev/zero "$WORK/pipe.tst"; do
    "$BUILD/ormitan" "$what" &
    APP_PID=$!
    box=$(wait_window "$BOX_NAME")
    check "$what: the error box comes up" test -n "$box"
    xdotool windowfocus --sync "$box" 2>/dev/null
    xdotool key Return
    check "$what: OK dismisses the error box" wait_gone "$BOX_NAME"
    main=$(wait_window "$MAIN_NAME" 5)
    check "$what: the questionnaire stays open" test -n "$main"
    check "$what: no report was shown" \
        bash -c "! xdotool search --onlyvisible --name '$REPORT_NAME' >/dev/null"
    close_until_gone "$main"
    wait_exit "$APP_PID"
    check "$what: the program then ends with 0" test "$EXIT_CODE" = 0
done

check "the FIFO is still a FIFO" test -p "$WORK/pipe.tst"
rm -rf "$WORK"
finish
