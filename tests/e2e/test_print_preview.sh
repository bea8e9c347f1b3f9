#!/usr/bin/env bash
# The print preview of the real program on a virtual 1024 x 768 screen, printing through a real
# CUPS spooler (a cups-pdf queue, the default printer) and into a PDF file through "Файл PDF".
# Run through cups_queue.sh, which sets the queue up:
#   tests/e2e/cups_queue.sh -- bash tests/e2e/test_print_preview.sh BUILD_DIR
# Screenshots of the preview and pictures of the printed pages go to BUILD_DIR/e2e.
set -uo pipefail
export LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb
source "$(dirname "$0")/e2e_lib.sh"

BUILD=$(cd "$1" && pwd)
SOURCE=$(cd "$(dirname "$0")/../.." && pwd)
SHOTS=$BUILD/e2e
WORK=$(mktemp -d)
PDF_DIR=${ORMITAN_CUPS_PDF_DIR:?run through cups_queue.sh}
QUEUE=${ORMITAN_CUPS_QUEUE:-OrmitanPDF}
mkdir -p "$SHOTS" "$PDF_DIR"
start_display

REPORT_NAME='^Результаты теста - ivanov$'
PREVIEW_NAME='^Окно печати$'

# Client points of the preview window: "Печать" in the top panel, "Альбомная" in the left one.
PRINT_X=394
PRINT_Y=18
LANDSCAPE_X=40
LANDSCAPE_Y=87

pdfs() { find "$PDF_DIR" -maxdepth 1 -name '*.pdf' -printf '%f %T@\n' 2>/dev/null | sort; }

# new_pdfs BEFORE: the PDF files that are new or rewritten since the listing BEFORE.
new_pdfs() { comm -13 <(echo "$1") <(pdfs) | cut -d' ' -f1; }

# wait_printed BEFORE [seconds]: waits until the queue is empty and a new PDF has appeared.
wait_printed() {
    for _ in $(seq $((${2:-60} * 4))); do
        if [ -z "$(lpstat -o "$QUEUE" 2>/dev/null)" ] && [ -n "$(new_pdfs "$1")" ]; then
            return 0
        fi
        sleep 0.25
    done
    return 1
}

pages() { pdfinfo "$1" 2>/dev/null | sed -n 's/^Pages:[[:space:]]*//p'; }
text_of() { pdftotext "$1" - 2>/dev/null | tr -s ' \n' ' '; }
# Width and height of the first page in points, "W H".
page_size() { pdfinfo "$1" 2>/dev/null | sed -n 's/^Page size:[[:space:]]*\([0-9.]*\) x \([0-9.]*\).*/\1 \2/p'; }
landscape() { read -r w h <<<"$(page_size "$1")"; awk -v w="$w" -v h="$h" 'BEGIN { exit !(w > h) }'; }
# along_long_side PDF WORD: the word's line runs along the paper's long side, whether the spooler
# turned the page or the drawing on it: the print is landscape.
along_long_side() {
    pdftotext -bbox "$1" - 2>/dev/null | WORD=$2 python3 -c '
import os, re, sys
text = sys.stdin.read()
page = re.search(r"<page width=\"([0-9.]+)\" height=\"([0-9.]+)\"", text)
word = re.search(r"<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" "
                 r"yMax=\"([0-9.]+)\">" + re.escape(os.environ["WORD"]) + "<", text)
if not page or not word:
    sys.exit(1)
w, h = map(float, page.groups())
x0, y0, x1, y1 = map(float, word.groups())
sys.exit(0 if ((x1 - x0) > (y1 - y0)) == (w > h) else 1)'
}

# open_preview REPORT: presses the report's print button and prints the preview's window id.
open_preview() {
    click "$1" 48 16
    wait_window "$PREVIEW_NAME"
}

check_page() {  # check_page WHAT PDF: one page carrying the footer and the gifts
    local what=$1 pdf=$2 text
    text=$(text_of "$pdf")
    check "$what: one page" test "$(pages "$pdf")" = 1
    check "$what: the footer names the results file" \
        bash -c "grep -q 'Тест Ормитан - ivanov' <<<'$text'"
    check "$what: the gifts are named" \
        bash -c "grep -q 'Пророчество' <<<'$text' && grep -q 'Служение' <<<'$text'"
}

cp "$SOURCE/content/sample.tst" "$WORK/ivanov.tst"
"$BUILD/ormitan" "$WORK/ivanov.tst" &
APP_PID=$!
report=$(wait_window "$REPORT_NAME")
check "the report of ivanov.tst opens" test -n "$report"

# --- The default printer: the cups-pdf queue ---
preview=$(open_preview "$report")
check "the report's print button opens the preview" test -n "$preview"
check "the whole preview window, frame included, fills the work area" \
    has_outer "$preview" "$(work_area)"
sleep 1  # let the sheet settle before the picture
screenshot "$SHOTS/preview.png"

before=$(pdfs)
click "$preview" "$PRINT_X" "$PRINT_Y"
check "the page reaches the queue's PDF folder" wait_printed "$before"
mapfile -t printed < <(new_pdfs "$before")
check "one document was printed" test "${#printed[@]}" = 1
pdf=$PDF_DIR/${printed[0]:-none}
check "the document is titled Chart1" bash -c "[[ '${printed[0]:-}' == *Chart1* ]]"
check_page "CUPS" "$pdf"
check "CUPS: the chart is printed landscape" along_long_side "$pdf" ivanov
cp "$pdf" "$SHOTS/printed-cups.pdf" 2>/dev/null
pdftoppm -png -r 50 -f 1 -l 1 -singlefile "$pdf" "$SHOTS/printed-cups" 2>/dev/null

xdotool windowfocus --sync "$preview" 2>/dev/null
xdotool key Escape
check "Escape closes the preview" wait_gone "$PREVIEW_NAME"

# --- "Файл PDF", landscape ---
preview=$(open_preview "$report")
check "the preview opens again" test -n "$preview"
xdotool windowfocus --sync "$preview" 2>/dev/null
xdotool key End  # the printer list has the focus; "Файл PDF" is its last entry
click "$preview" "$LANDSCAPE_X" "$LANDSCAPE_Y"
sleep 1
screenshot "$SHOTS/preview-pdf-file.png"
before=$(pdfs)
click "$preview" "$PRINT_X" "$PRINT_Y"
dialog=$(wait_window '^Печать в файл PDF$')
check "printing to a file asks for its name" test -n "$dialog"
xdotool windowfocus --sync "$dialog" 2>/dev/null
xdotool type --delay 5 "$WORK/chart.pdf"
xdotool key Return
check "the dialog closes" wait_gone '^Печать в файл PDF$'
for _ in $(seq 100); do [ -s "$WORK/chart.pdf" ] && break; sleep 0.1; done
check "the PDF file is written" test -s "$WORK/chart.pdf"
check_page "PDF file" "$WORK/chart.pdf"
check "PDF file: the page is landscape" landscape "$WORK/chart.pdf"
check "PDF file: the chart stands upright on it" along_long_side "$WORK/chart.pdf" ivanov
check "nothing went to the queue" test -z "$(new_pdfs "$before")"
cp "$WORK/chart.pdf" "$SHOTS/printed-pdf-file.pdf" 2>/dev/null
pdftoppm -png -r 50 -f 1 -l 1 -singlefile "$WORK/chart.pdf" "$SHOTS/printed-pdf-file" 2>/dev/null

xdotool windowfocus --sync "$preview" 2>/dev/null
xdotool key Escape
check "the preview closes" wait_gone "$PREVIEW_NAME"
check "no error box was shown" bash -c "! xdotool search --onlyvisible --name \"^Тест 'Ормитан'$\" >/dev/null"
screenshot "$SHOTS/report-after-print.png"
close_until_gone "$report"
wait_exit "$APP_PID"
check "closing the report ends the program with 0" test "$EXIT_CODE" = 0

rm -rf "$WORK"
finish
