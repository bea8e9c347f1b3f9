#!/usr/bin/env bash
# What a screen reader reads of the real program over the desktop's accessibility bus (AT-SPI):
# the questionnaire before and after a confirm, with the event that announces the new statement;
# the report, its chart and its warning; the error box. Keys only, as a blind user works.
# Usage: test_screen_reader.sh BUILD_DIR
set -uo pipefail
export LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb
source "$(dirname "$0")/e2e_lib.sh"

BUILD=$(cd "$1" && pwd)
WORK=$(mktemp -d)
start_display

tree() { /usr/bin/python3 "$E2E_DIR/atspi_tree.py" "$@"; }
statement() { sed -n "${1}p" "$E2E_DIR/../../content/statements.txt"; }

# row DEPTH ROLE NAME [STATES [DESCRIPTION]]: one line of the tree as atspi_tree.py prints it;
# NAME and DESCRIPTION come quoted, as Python quotes them.
row() {
    printf '%*s%s\t%s\t%s' $((2 * $1)) '' "$2" "$3" "${4:-}"
    [ $# -ge 5 ] && printf '\t%s' "$5"
    printf '\n'
}

# tree_has WINDOW-REGEX ROW...: waits up to 10 s until the accessible tree of the windows whose
# name matches holds every ROW as a whole line; shows the tree it read when it does not.
tree_has() {
    local window=$1 now missing
    shift
    for _ in $(seq 50); do
        now=$(tree --descriptions "$window")
        missing=
        for line in "$@"; do
            grep -qxF -- "$line" <<<"$now" || { missing=$line; break; }
        done
        [ -z "$missing" ] && return 0
        sleep 0.2
    done
    echo "    missing: $missing" >&2
    sed 's/^/    | /' <<<"$now" >&2
    return 1
}

# tree_lacks WINDOW-REGEX EXTENDED-REGEX: the tree has no line that matches.
tree_lacks() {
    local now
    now=$(tree "$1")
    [ -n "$now" ] && ! grep -qE -- "$2" <<<"$now"
}

MAIN="^ Тест Ормитан$"
ANSWERS=("'очень верно'" "'верно'" "'немного верно'" "'не верно'")

# --- The questionnaire ---
"$BUILD/ormitan" &
APP_PID=$!
main=$(wait_window "$MAIN")
check "the questionnaire window opens" test -n "$main"
check "the questionnaire takes the keyboard" wait_active "$main"
check "the program is on the accessibility bus" tree_has "$MAIN" "$(row 0 frame "' Тест Ормитан'" "enabled showing")"
check "the questionnaire is a window named with its caption, its panels are panels" tree_has "$MAIN" \
    "$(row 0 frame "' Тест Ормитан'" "enabled showing")" \
    "$(row 1 panel "'Высказывание'" "enabled showing")" \
    "$(row 2 panel "'Ответ'" "enabled showing")"
check "nothing inside it poses as a window or as filler" tree_lacks "$MAIN" '^ +(frame|filler)'
check "the first statement, the counter, the answers and a disabled Дальше are read" tree_has "$MAIN" \
    "$(row 2 label "'$(statement 1)'" "enabled showing")" \
    "$(row 1 label "'1 из 125'" "enabled showing")" \
    "$(row 3 "radio button" "${ANSWERS[0]}" "enabled showing")" \
    "$(row 3 "radio button" "${ANSWERS[1]}" "enabled showing")" \
    "$(row 3 "radio button" "${ANSWERS[2]}" "enabled showing")" \
    "$(row 3 "radio button" "${ANSWERS[3]}" "enabled showing")" \
    "$(row 1 "push button" "'Дальше'" "showing")"
check "the image buttons are named, their keys in their descriptions" tree_has "$MAIN" \
    "$(row 1 "push button" "'Справка'" "enabled showing" "'О программе (F1)'")" \
    "$(row 1 "push button" "'Открыть результаты'" "enabled showing" \
        "'Открыть результаты (Ctrl+O)'")"

xdotool key 2
check "2 checks 'верно', which takes the focus, and enables Дальше" tree_has "$MAIN" \
    "$(row 3 "radio button" "${ANSWERS[1]}" "checked enabled focused showing")" \
    "$(row 1 "push button" "'Дальше'" "enabled showing")"

# Enter confirms; a reader listening on the bus hears the new statement.
EVENTS=$WORK/events
tree --events 20 >"$EVENTS" 2>&1 &
LISTENER=$!
for _ in $(seq 100); do
    grep -qx ready "$EVENTS" && break
    sleep 0.1
done
xdotool key Return
check "after the confirm the second statement and 2 из 125 are read" tree_has "$MAIN" \
    "$(row 2 label "'$(statement 2)'" "enabled showing")" \
    "$(row 1 label "'2 из 125'" "enabled showing")" \
    "$(row 3 "radio button" "${ANSWERS[1]}" "enabled focused showing")" \
    "$(row 1 "push button" "'Дальше'" "showing")"
check "the first statement is read no more" tree_lacks "$MAIN" "'$(statement 1)'"
announced() {
    for _ in $(seq 100); do
        grep -qF -- "$(printf "object:property-change:accessible-name\tlabel\t'%s'" "$(statement 2)")" \
            "$EVENTS" && return 0
        sleep 0.1
    done
    sed 's/^/    | /' "$EVENTS" >&2
    return 1
}
check "the new statement is announced with a name-change event" announced
kill "$LISTENER" 2>/dev/null
wait "$LISTENER" 2>/dev/null

# F1: the about window over the questionnaire; digits typed there choose nothing behind it.
xdotool key F1
check "F1 opens the about window, read as a dialog" tree_has '^О программе$' \
    "$(row 0 dialog "'О программе'" "enabled showing")"
about=$(wait_window '^О программе$')
check "the about window takes the keyboard" wait_active "$about"
xdotool key 1 3 Tab Return  # Tab to "OK", Enter closes
check "the about window closes" wait_gone '^О программе$'
check "no answer was chosen behind it" tree_has "$MAIN" \
    "$(row 3 "radio button" "${ANSWERS[0]}" "enabled showing")" \
    "$(row 3 "radio button" "${ANSWERS[2]}" "enabled showing")" \
    "$(row 1 "push button" "'Дальше'" "showing")"
close_until_gone "$main"
wait_exit "$APP_PID"

# --- The report of an unsaved results file (its name has no dot), and its warning ---
declare -a bytes gifts lines
gifts=("Пророчество" "Пастор" "Учитель" "Мудрость" "Слово знания" "Увещевание"
    "Различение духов" "Раздаяние" "Вспоможение" "Благотворительность" "Миссионерство"
    "Евангелист" "Гостеприимство" "Вера" "Лидерство" "Управление" "Чудотворение" "Исцеление"
    "Языки" "Истолкование языков" "Добровольная бедность" "Безбрачие" "Ходатайство"
    "Изгнание бесов" "Служение")
for g in $(seq 0 24); do
    bytes[g]=$(((g * 7) % 16))
    lines[g]="${gifts[g]} ${bytes[g]}"
done
printf "$(printf '\\%03o' "${bytes[@]}")" >"$WORK/unsaved"
description=$(/usr/bin/python3 -c 'import sys; print(repr("\n".join(sys.argv[1:])))' "${lines[@]}")

"$BUILD/ormitan" "$WORK/unsaved" &
APP_PID=$!
report=$(wait_window '^Результаты теста')
check "the report opens" test -n "$report"
check "the report is a dialog named with its caption, its tool buttons named" \
    tree_has '^Результаты теста' \
    "$(row 0 dialog "'Результаты теста   '" "enabled showing")" \
    "$(row 1 "tool bar" "'Инструменты'" "enabled showing")" \
    "$(row 2 "push button" "'Сохранить'" "enabled showing" "'Сохранить результаты (Ctrl+S)'")" \
    "$(row 2 "push button" "'Печать'" "enabled showing" "'Печать (Ctrl+P)'")" \
    "$(row 2 "push button" "'Справка'" "enabled showing" "'Определения даров (F1)'")"
check "the chart is an image whose description lists the gifts and their scores" \
    tree_has '^Результаты теста' "$(row 1 image "'Результаты теста'" "enabled showing" "$description")"

check "the report takes the keyboard" wait_active "$report"
xdotool key ctrl+p
check "the print preview is a dialog with a tool bar, a panel and the sheet as an image" \
    tree_has '^Окно печати$' \
    "$(row 0 dialog "'Окно печати'" "enabled showing")" \
    "$(row 1 "tool bar" "'Принтер'" "enabled showing")" \
    "$(row 1 panel "'Страница'" "enabled showing")" \
    "$(row 1 image "'Лист'" "enabled showing")"
check "nothing inside the preview poses as a window" tree_lacks '^Окно печати$' '^ +frame'
xdotool key Escape
wait_gone '^Окно печати$'

close_window "$report"
check "closing the unsaved report asks; the warning is read as an alert with its question" \
    tree_has '^Warning$' \
    "$(row 0 alert "'Warning'" "enabled showing")" \
    "$(row 1 label "'Результаты не записанны ! Закрыть окно ?'" "enabled showing")" \
    "$(row 2 "push button" "'Yes'" "enabled focused showing")" \
    "$(row 2 "push button" "'No'" "enabled showing")"
warning=$(wait_window '^Warning$')
wait_active "$warning"
xdotool key Return  # Yes
wait_exit "$APP_PID"
check "Yes closes the report and the program ends" test "$EXIT_CODE" = 0

# --- The error box ---
"$BUILD/ormitan" "$WORK/missing.tst" &
APP_PID=$!
check "the error box is read as an alert with its message" tree_has "^Тест 'Ормитан'$" \
    "$(row 0 alert "\"Тест 'Ормитан'\"" "enabled showing")" \
    "$(row 1 label "'File not found.'" "enabled showing")" \
    "$(row 2 "push button" "'OK'" "enabled focused showing")"
box=$(wait_window "^Тест 'Ормитан'$")
wait_active "$box"
xdotool key Return
check "OK closes the error box" wait_gone "^Тест 'Ормитан'$"
main=$(wait_window "$MAIN")
close_until_gone "$main"
wait_exit "$APP_PID"

rm -rf "$WORK"
finish
