#!/usr/bin/env bash
# The real program on a desktop with a window manager, as people run it: windows placed by their
# whole outline (frame included), the warning's buttons in their order under the default and a
# GNOME desktop, Qt's standard dialogs in Russian, and a file dialog pointed at /proc that keeps
# answering. Usage: test_desktop.sh BUILD_DIR [WIDTHxHEIGHT]; at a screen other than 1024 x 768
# only the report's size and place are checked.
set -uo pipefail
export LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb
source "$(dirname "$0")/e2e_lib.sh"

BUILD=$(cd "$1" && pwd)
SCREEN=${2:-1024x768}
SOURCE=$(cd "$(dirname "$0")/../.." && pwd)
SHOTS=$BUILD/e2e
WORK=$(mktemp -d)
mkdir -p "$SHOTS"
start_display "$SCREEN"

MAIN_NAME='^ Тест Ормитан$'
REPORT_NAME='^Результаты теста'
PREVIEW_NAME='^Окно печати$'
tree() { /usr/bin/python3 "$E2E_DIR/atspi_tree.py" "$@" 2>/dev/null; }

# Clicks a point given from the whole window's bottom centre: DX across, DY up from the bottom.
click_from_bottom_centre() {
    local w h
    [ -n "$1" ] || return 1  # xwininfo without a window would wait for a click on one
    read -r w h <<<"$(xwininfo -id "$1" | awk '/^  Width:/ { w = $2 } /^  Height:/ { h = $2 }
                                               END { print w, h }')"
    click "$1" $((w / 2 + $2)) $((h - $3))
}

# --- The report's whole window: 98 % x 88 % of the screen, or all of a 640 x 480 screen ---
cp "$SOURCE/content/sample.tst" "$WORK/ivanov.tst"
"$BUILD/ormitan" "$WORK/ivanov.tst" &
APP_PID=$!
report=$(wait_window '^Результаты теста - ivanov$')
check "the report opens" test -n "$report"
read -r sw sh <<<"${SCREEN/x/ }"
case $SCREEN in
    640x480) whole="0 0 640 480" ;;
    1024x768) whole="10 46 1004 676" ;;
    *) whole="" ;;
esac
check "the whole report window, frame included, lies at $whole on $SCREEN" \
    has_outer "$report" "$whole"
read -r x y w h <<<"$(outer_geometry "$report")"
check "the report lies wholly on the screen" \
    test "$x" -ge 0 -a "$y" -ge 0 -a $((x + w)) -le "$sw" -a $((y + h)) -le "$sh"
screenshot "$SHOTS/desktop-report-$SCREEN.png"
# The window manager has the program's icon in every size, the large one for task switchers too.
# (xprop cuts a long property short unless told its length.)
icon_sizes() {
    xprop -len 1000000 -id "$1" _NET_WM_ICON | grep -o 'Icon ([0-9]*' | tr -dc '0-9 ' | xargs
}
has_icon_sizes() {  # waits up to 5 s: the large size follows the first paint
    for _ in $(seq 50); do
        [ "$(icon_sizes "$1")" = "$2" ] && return 0
        sleep 0.1
    done
    return 1
}
check "the report's window icon comes in 16, 32, 48 and 256" \
    has_icon_sizes "$report" "16 32 48 256"

if [ "$SCREEN" != 1024x768 ]; then
    close_until_gone "$report"
    wait_exit "$APP_PID"
    rm -rf "$WORK"
    finish
    exit
fi

# --- The preview: the whole window fills the work area; the whole sheet shows, both ways ---
# Client points: "Книжная" and "Альбомная" in the left panel.
PORTRAIT=(40 66)
LANDSCAPE=(40 87)
click "$report" 48 16
preview=$(wait_window "$PREVIEW_NAME")
check "the print button opens the preview" test -n "$preview"
check "the whole preview window, frame included, fills the work area" \
    has_outer "$preview" "$(work_area)"
read -r px py pw ph <<<"$(xwininfo -id "$preview" | awk '
    /Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 }
    /^  Width:/ { w = $2 } /^  Height:/ { h = $2 } END { print x, y, w, h }')"
# The sheet view lies right of the 112-pixel panel and below the 38-pixel one.
sheet_shows_whole() {
    local shot=$SHOTS/desktop-preview-$1.png l t r b
    screenshot "$shot"
    read -r l t r b <<<"$(/usr/bin/python3 "$E2E_DIR/white_box.py" "$shot" \
        $((px + 112)) $((py + 38)) $((pw - 112)) $((ph - 38)))"
    [ -n "$l" ] && [ "$l" -gt 0 ] && [ "$t" -gt 0 ] && [ "$r" -lt $((pw - 112)) ] &&
        [ "$b" -lt $((ph - 38)) ] && [ $((b - t)) -gt 100 ]
}
sleep 0.5  # the sheet is painted once the window is placed
check "landscape: the whole sheet is on screen" sheet_shows_whole landscape
click "$preview" "${PORTRAIT[@]}"
sleep 0.5
check "portrait: the whole sheet is on screen" sheet_shows_whole portrait
click "$preview" "${LANDSCAPE[@]}"
focus "$preview"
xdotool key Escape
check "Escape closes the preview" wait_gone "$PREVIEW_NAME"

# --- The definitions window, centred by its whole outline ---
click "$report" 80 16
gifts=$(wait_window '^ Определения даров$')
check "the report's help button opens the definitions" test -n "$gifts"
check "the definitions window is centred, frame included" is_centred "$gifts"
focus "$gifts"
xdotool key Return
check "Enter closes the definitions" wait_gone '^ Определения даров$'

# --- The save dialog and its overwrite question speak Russian ---
click "$report" 16 16
dialog=$(wait_window '^Сохранить как$')
check "the save dialog's title is Russian" test -n "$dialog"
has_buttons() {  # has_buttons WINDOW-REGEX NAME...: the window shows push buttons so named
    local buttons name
    buttons=$(tree "$1" | awk -F'\t' '$1 ~ /push button$/ { print $2 }')
    shift
    for name in "$@"; do
        grep -qx "'$name'" <<<"$buttons" || return 1
    done
}
check "its buttons are Russian" has_buttons '^Сохранить как$' Сохранить Отмена
focus "$dialog"
xdotool type --delay 5 "$WORK/ivanov.tst"
xdotool key Return
question=""
for _ in $(seq 50); do
    question=$(tree | grep -o 'уже существует' | head -n 1)
    [ -n "$question" ] && break
    sleep 0.1
done
check "replacing a file asks in Russian" test -n "$question"
screenshot "$SHOTS/desktop-overwrite.png"
check "the answer \"Да\" replaces the file" \
    /usr/bin/python3 "$E2E_DIR/atspi_press.py" '^Сохранить как$' Да
check "the save completes" wait_gone '^Сохранить как$'
close_until_gone "$report"
wait_exit "$APP_PID"
check "the report closes and the program ends" test "$EXIT_CODE" = 0

# --- The questionnaire and the about window, centred; a file dialog on /proc keeps answering ---
"$BUILD/ormitan" &
APP_PID=$!
main=$(wait_window "$MAIN_NAME")
check "the questionnaire opens" test -n "$main"
check "the questionnaire is centred, frame included" is_centred "$main"
click "$main" 24 248  # help
about=$(wait_window '^О программе$')
check "the help button opens the about window" test -n "$about"
check "the about window is centred, frame included" is_centred "$about"
screenshot "$SHOTS/desktop-about.png"
close_until_gone "$about"

click "$main" 56 248  # open
open=$(wait_window '^Открыть$')
check "the open dialog's title is Russian" test -n "$open"
focus "$open"
xdotool type --delay 5 "/proc/"
xdotool key Return
xdotool type --delay 5 "kmsg"
sleep 1
xdotool key Escape
check "pointed at /proc, the dialog still answers within a second" wait_gone '^Открыть$' 1
close_until_gone "$main"
wait_exit "$APP_PID" 5
check "and the program still ends at once" test "$EXIT_CODE" = 0

# --- The warning reads Yes, No from left to right, on the default and a GNOME desktop ---
cp "$SOURCE/content/sample.tst" "$WORK/nodot"  # a name without a dot: the results count unsaved
for desktop in "" GNOME; do
    XDG_CURRENT_DESKTOP=$desktop "$BUILD/ormitan" "$WORK/nodot" &
    APP_PID=$!
    report=$(wait_window "$REPORT_NAME")
    close_window "$report"
    warning=$(wait_window '^Warning$' 10)
    check "${desktop:-default}: closing unsaved results warns" test -n "$warning"
    check "${desktop:-default}: the warning is centred, frame included" is_centred "$warning"
    screenshot "$SHOTS/desktop-warning${desktop:+-$desktop}.png"
    click_from_bottom_centre "$warning" 50 25  # the right-hand button
    check "${desktop:-default}: the right-hand button is No: the report stays" \
        bash -c "sleep 0.5; xdotool search --onlyvisible --name '$REPORT_NAME' >/dev/null"
    close_window "$report"
    warning=$(wait_window '^Warning$' 10)
    click_from_bottom_centre "$warning" -50 25  # the left-hand button
    wait_exit "$APP_PID" 5
    check "${desktop:-default}: the left-hand button is Yes: the report closes" \
        test "$EXIT_CODE" = 0
    [ "$EXIT_CODE" = running ] && kill "$APP_PID" 2>/dev/null && wait "$APP_PID" 2>/dev/null
done

rm -rf "$WORK"
finish
