#!/usr/bin/env bash
# The end-to-end tests' printer: a CUPS spooler with the PDF printer "PDF" as the system's default.
# cups-pdf writes each job to OUT_DIR/<job name>.pdf (TitlePref=1, Label=0).
#
#   pdf-printer.sh start STATE_DIR OUT_DIR  starts cupsd unless it runs, adds the printer as the default
#   pdf-printer.sh stop STATE_DIR           undoes what start did, and only that
#   pdf-printer.sh remove                   takes the printer away: the system then has no printer
#   pdf-printer.sh add OUT_DIR              adds it again, as the default
set -euo pipefail

printer=PDF
pdf_conf=/etc/cups/cups-pdf.conf

wait_for() { # wait_for SECONDS COMMAND...: polls until the command succeeds
    local deadline=$((SECONDS + $1))
    shift
    until "$@" >/dev/null 2>&1; do
        [ $SECONDS -lt $deadline ] || { echo "timed out waiting for: $*" >&2; return 1; }
        sleep 0.1
    done
}

add_printer() {
    mkdir -p "$1" && chmod 1777 "$1"
    # cups-pdf reads its configuration at every job.
    sed -i "s|^Out .*|Out $1|" "$pdf_conf"
    lpadmin -p "$printer" -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd -E -o TitlePref=1 -o Label=0
    lpadmin -d "$printer"
    wait_for 10 sh -c "lpstat -d | grep -q ': $printer\$'"
}

no_printer() { ! lpstat -v "$printer" >/dev/null 2>&1; }
scheduler_runs() { lpstat -r | grep -q 'is running'; }

case "${1:-}" in
start)
    state=$2 out=$3
    mkdir -p "$state"
    if ! scheduler_runs; then
        setsid /usr/sbin/cupsd -f </dev/null >/dev/null 2>&1 &
        echo $! >"$state/cupsd.pid"
        wait_for 10 scheduler_runs
    fi
    [ -f "$state/cups-pdf.conf" ] || cp "$pdf_conf" "$state/cups-pdf.conf"
    if no_printer; then
        touch "$state/printer-added"
    fi
    add_printer "$out"
    ;;
stop)
    state=$2
    if [ -f "$state/printer-added" ]; then
        lpadmin -x "$printer" 2>/dev/null || true
        rm "$state/printer-added"
    fi
    if [ -f "$state/cups-pdf.conf" ]; then
        cp "$state/cups-pdf.conf" "$pdf_conf"
        rm "$state/cups-pdf.conf"
    fi
    if [ -f "$state/cupsd.pid" ]; then
        kill "$(cat "$state/cupsd.pid")" 2>/dev/null || true
        wait_for 10 eval '! scheduler_runs'
        rm "$state/cupsd.pid"
    fi
    ;;
remove)
    lpadmin -x "$printer"
    wait_for 10 no_printer
    ;;
add)
    add_printer "$2"
    ;;
*)
    echo "usage: $0 start STATE_DIR OUT_DIR | stop STATE_DIR | remove | add OUT_DIR" >&2
    exit 2
    ;;
esac
