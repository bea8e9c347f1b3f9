#!/usr/bin/env bash
# A real spooler for the printing tests: makes sure a CUPS scheduler runs with a cups-pdf queue
# as the default printer, and tells where cups-pdf puts the PDF files of the user running this.
#
#   tests/e2e/cups_queue.sh            set up, then print the folder of the PDF files
#   tests/e2e/cups_queue.sh -- CMD...  set up, then run CMD with ORMITAN_CUPS=1,
#                                      ORMITAN_CUPS_QUEUE and ORMITAN_CUPS_PDF_DIR set
#
# Safe to run again and again. It installs nothing: scripts/test installs cups, cups-client,
# cups-bsd and printer-driver-cups-pdf. It needs root, or sudo without a password, for the
# scheduler and lpadmin, and exits with 77 (a skip for CTest) when it has neither, or when those
# packages are missing.
set -euo pipefail

QUEUE=OrmitanPDF
# The driver without options, so that the system's cups-pdf.conf decides the file names.
PPD=/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd
CUPS_PDF_CONF=/etc/cups/cups-pdf.conf
SKIP=77

# CUPS's own messages are compared below.
export LC_ALL=C

skip() {
    echo "cups_queue.sh: $*; skipping" >&2
    exit "$SKIP"
}

as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    else
        sudo -n "$@"
    fi
}

if [ "$(id -u)" -ne 0 ] && ! sudo -n true 2>/dev/null; then
    skip "needs root or password-less sudo"
fi
for tool in lpadmin lpstat cupsenable cupsaccept; do
    command -v "$tool" >/dev/null || skip "$tool is missing (package cups-client)"
done
CUPSD=$(command -v cupsd || echo /usr/sbin/cupsd)
[ -x "$CUPSD" ] || skip "cupsd is missing (package cups)"
if [ ! -f "$PPD" ] || [ ! -f "$CUPS_PDF_CONF" ]; then
    skip "cups-pdf is missing (printer-driver-cups-pdf)"
fi

scheduler_running() {
    lpstat -r 2>/dev/null | grep -q '^scheduler is running'
}

# With systemd the socket unit may start it on demand; without (containers, this test machine)
# cupsd is started directly and puts itself in the background.
if ! scheduler_running; then
    if [ -d /run/systemd/system ] && command -v systemctl >/dev/null; then
        as_root systemctl start cups.service || true
    fi
    if ! scheduler_running; then
        as_root "$CUPSD" </dev/null >/dev/null 2>&1
    fi
    for _ in $(seq 60); do
        scheduler_running && break
        sleep 0.5
    done
    scheduler_running || { echo "cups_queue.sh: the CUPS scheduler did not start" >&2; exit 1; }
fi

# pdftocairo turns the PDF of a Qt job into PostScript with its text intact; the default
# Ghostscript renderer rewrites the fonts so that the text of the resulting PDF cannot be read.
as_root lpadmin -p "$QUEUE" -E -v cups-pdf:/ -P "$PPD" -o pdftops-renderer-default=pdftocairo \
    2> >(grep -v 'drivers are deprecated' >&2 || true)
as_root lpadmin -d "$QUEUE"
as_root cupsenable "$QUEUE"
as_root cupsaccept "$QUEUE"

# cups-pdf writes as the job's user into its "Out" folder, ${HOME} and ${USER} expanded for that
# user (/var/spool/cups-pdf/${USER} when unset).
user=$(id -un)
home=$(getent passwd "$user" | cut -d: -f6)
out=$(sed -n 's/^[[:space:]]*Out[[:space:]]\{1,\}//p' "$CUPS_PDF_CONF" | tail -n 1)
# The single quotes are meant: these are cups-pdf's placeholders, not the shell's.
# shellcheck disable=SC2016
{
    out=${out:-'/var/spool/cups-pdf/${USER}'}
    out=${out//'${HOME}'/$home}
    out=${out//'${USER}'/$user}
}

if [ "${1:-}" = "--" ]; then
    shift
    # A default from the environment would send the jobs elsewhere.
    unset PRINTER LPDEST
    export ORMITAN_CUPS=1 ORMITAN_CUPS_QUEUE="$QUEUE" ORMITAN_CUPS_PDF_DIR="$out"
    exec "$@"
fi
echo "$out"
