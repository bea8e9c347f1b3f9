#!/usr/bin/env bash
# The real program on a virtual screen with a window manager, used with the keyboard alone:
# a whole run by digits and Enter, saved with Ctrl+S through the real save dialog, the print
# preview with Ctrl+P and the definitions with F1. The mouse is never used.
# Usage: test_keyboard.sh BUILD_DIR
set -uo pipefail
export LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb
source "$(dirname "$0")/e2e_lib.sh"

BUILD=$(cd "$1" && pwd)
SHOTS=$BUILD/e2e
WORK=$(mktemp -d)
mkdir -p "$SHOTS"
start_display

# The digit pressed for statement k: every answer comes up, in no simple order.
digit_for() { echo $(((($1 * 3) % 4) + 1)); }

"$BUILD/ormitan" &
APP_PID=$!
main=$(wait_window '^ Тест Ормитан$')
check "the questionnaire window opens" test -n "$main"
check "the window manager makes it the active window" wait_active "$main"

declare -a expected
for g in $(seq 0 24); do expected[g]=0; done
keys=()
for k in $(seq 125); do
    d=$(digit_for "$k")
    # The keypad's digits for every fifth statement, the main row's for the others.
    if [ $((k % 5)) = 0 ]; then keys+=("KP_$d"); else keys+=("$d"); fi
    keys+=(Return)
    g=$(((k - 1) % 25))
    expected[g]=$((expected[g] + 4 - d))
done
xdotool key --delay 15 "${keys[@]}"

report=$(wait_window '^Результаты теста')
check "the report opens after the 125th Enter" test -n "$report"
[ -n "$report" ] || { finish; exit 1; }  # nothing more to try without it
check "the report is the active window" wait_active "$report"

xdotool key ctrl+s
dialog=$(wait_window '^Сохранить как$')
check "Ctrl+S opens the save dialog" test -n "$dialog"
check "the save dialog takes the keyboard" wait_active "$dialog"
xdotool type --delay 5 "$WORK/keys.tst"
xdotool key Return
check "the caption carries the saved name" wait_window '^Результаты теста - keys$'
check "the results file holds 25 bytes" test "$(stat -c %s "$WORK/keys.tst" 2>/dev/null)" = 25
check "the bytes are the scores of the digits pressed" \
    test "$(od -An -tu1 -v "$WORK/keys.tst" | xargs)" = "${expected[*]}"
screenshot "$SHOTS/keyboard-saved.png"

check "the report takes the keyboard again" wait_active "$report"
xdotool key ctrl+p
check "Ctrl+P opens the print preview" wait_window '^Окно печати$'
screenshot "$SHOTS/keyboard-preview.png"
xdotool key Escape
check "Escape closes the preview" wait_gone '^Окно печати$'

check "the report takes the keyboard again" wait_active "$report"
xdotool key F1
check "F1 on the report opens the definitions" wait_window '^ Определения даров$'
xdotool key Return  # "OK" has the focus
check "Enter closes the definitions" wait_gone '^ Определения даров$'

check "the saved report closes without a question" close_until_gone "$report"
check "no warning was asked" bash -c "! xdotool search --onlyvisible --name '^Warning$' >/dev/null"
close_until_gone "$main"
wait_exit "$APP_PID"
check "closing the questionnaire ends the program with 0" test "$EXIT_CODE" = 0

rm -rf "$WORK"
finish
