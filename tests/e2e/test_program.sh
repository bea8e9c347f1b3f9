#!/usr/bin/env bash
# The real program on a virtual 1024 x 768 screen, driven with the mouse and the keyboard:
# a whole run saved through the real save dialog, a results file from the command line, and a
# missing one. Usage: test_program.sh BUILD_DIR
set -uo pipefail
export LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb
source "$(dirname "$0")/e2e_lib.sh"

BUILD=$(cd "$1" && pwd)
SHOTS=$BUILD/e2e
WORK=$(mktemp -d)
mkdir -p "$SHOTS"
start_display

MAIN_NAME='^ Тест Ормитан$'
REPORT_NAME='^Результаты теста'

answer_for() { echo $(((($1 * 7) % 4) + 1)); }  # the answer button chosen for statement k

# --- A whole run, saved through the save dialog ---
"$BUILD/ormitan" &
APP_PID=$!
main=$(wait_window "$MAIN_NAME")
check "the questionnaire window opens" test -n "$main"
xdotool windowfocus --sync "$main" 2>/dev/null
check "the questionnaire's client area is 424 x 271" \
    bash -c "xdotool getwindowgeometry '$main' | grep -q 'Geometry: 424x271'"
screenshot "$SHOTS/questionnaire.png"

declare -a expected
for g in $(seq 0 24); do expected[g]=0; done
for k in $(seq 125); do
    a=$(answer_for "$k")
    # The answers stand in a group box at (152, 24) of the window, 16 pixels apart.
    xdotool mousemove --window "$main" 185 $((40 + 16 * (a - 1) + 8)) click 1 key Return
    g=$(((k - 1) % 25))
    expected[g]=$((expected[g] + 4 - a))
done
report=$(wait_window "$REPORT_NAME")
check "the report opens after the 125th statement" test -n "$report"
check "the unsaved report's caption has no name" \
    test "$(xdotool getwindowname "$report")" = "Результаты теста   "
screenshot "$SHOTS/report-after-run.png"

click "$report" 16 16  # the save button
dialog=$(wait_window '^Сохранить как$')
check "the save dialog opens" test -n "$dialog"
xdotool windowfocus --sync "$dialog" >/dev/null 2>&1
xdotool type --delay 5 "$WORK/ivanov.tst"
xdotool key Return
check "the caption carries the saved name" wait_window '^Результаты теста - ivanov$'
check "the results file holds 25 bytes" test "$(stat -c %s "$WORK/ivanov.tst" 2>/dev/null)" = 25
check "the bytes are the run's scores" \
    test "$(od -An -tu1 -v "$WORK/ivanov.tst" | xargs)" = "${expected[*]}"

check "a saved report closes without a question" close_until_gone "$report"
check "no warning was asked" bash -c "! xdotool search --onlyvisible --name '^Warning$' >/dev/null"
close_until_gone "$main"
wait_exit "$APP_PID"
check "closing the questionnaire ends the program with 0" test "$EXIT_CODE" = 0

# --- A results file from the command line ---
"$BUILD/ormitan" "$WORK/ivanov.tst" &
APP_PID=$!
report=$(wait_window '^Результаты теста - ivanov$')
check "the file's report opens with its name" test -n "$report"
screenshot "$SHOTS/report-from-file.png"
close_until_gone "$report"
wait_exit "$APP_PID"
check "closing the file's report ends the program with 0" test "$EXIT_CODE" = 0

# --- A missing file from the command line ---
"$BUILD/ormitan" "$WORK/missing.tst" &
APP_PID=$!
box=$(wait_window "^Тест 'Ормитан'$")
check "a missing file shows the error box" test -n "$box"
screenshot "$SHOTS/error-box.png"
xdotool windowfocus --sync "$box" 2>/dev/null
xdotool key Return
check "OK dismisses the error box" wait_gone "^Тест 'Ормитан'$"
main=$(wait_window "$MAIN_NAME" 5)
check "the questionnaire stays open" test -n "$main"
check "no report was shown" bash -c "! xdotool search --onlyvisible --name '$REPORT_NAME' >/dev/null"
close_until_gone "$main"
wait_exit "$APP_PID"
check "the program then ends with 0" test "$EXIT_CODE" = 0

rm -rf "$WORK"
finish
