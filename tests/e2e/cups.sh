# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# A private print system for end-to-end tests: its own cupsd (run as root) with one PDF printer "PDF"
# as the default, listening only on a socket of its own. The system's /etc/cups is only copied, never
# changed. Source this file, then:
#   cups_start                 start it; exports CUPS_SERVER so lp, lpstat and Qt print to it
#   cups_wait_jobs [SECONDS]   wait until the PDF queue has no job left (default 30 s); 1 on timeout
#   cups_job_file [N]          path of the N-th spooled document (default: the newest), the PDF that
#                              the program itself handed over
#   cups_job_text [N]          the text of that document as laid out on its pages (pdftotext
#                              -layout); PostScript, as Wine's printer driver spools it, is read
#                              through Ghostscript
#   cups_stop                  remove the printer, stop cupsd, remove its folder and its PDF output

cups_start() {
    CUPS_DIR=$(mktemp -d /tmp/sr-cups.XXXXXX) || return 1
    cp -a /etc/cups/. "$CUPS_DIR/"
    rm -f "$CUPS_DIR/printers.conf" "$CUPS_DIR/classes.conf" "$CUPS_DIR/subscriptions.conf"
    mkdir -p "$CUPS_DIR/log" "$CUPS_DIR/cache" "$CUPS_DIR/state" "$CUPS_DIR/spool/tmp" /run/cups
    chown root:lp "$CUPS_DIR/spool" "$CUPS_DIR/spool/tmp"
    chmod 0710 "$CUPS_DIR/spool"
    chmod 1770 "$CUPS_DIR/spool/tmp"
    cat >"$CUPS_DIR/cups-files.conf" <<CONF
SystemGroup root lpadmin
ServerRoot $CUPS_DIR
RequestRoot $CUPS_DIR/spool
TempDir $CUPS_DIR/spool/tmp
CacheDir $CUPS_DIR/cache
StateDir $CUPS_DIR/state
AccessLog $CUPS_DIR/log/access_log
ErrorLog $CUPS_DIR/log/error_log
PageLog $CUPS_DIR/log/page_log
CONF
    # The copied settings, without their network listeners, browsing and idle exit; jobs keep their
    # spooled documents so a test can read what was printed.
    grep -v -E '^[[:space:]]*(Listen|Port|Browsing|BrowseLocalProtocols|WebInterface|IdleExitTimeout|PreserveJob)' \
        /etc/cups/cupsd.conf >"$CUPS_DIR/cupsd.conf.base"
    {
        echo "Listen $CUPS_DIR/cups.sock"
        echo "Browsing No"
        echo "WebInterface No"
        echo "IdleExitTimeout 0"
        echo "PreserveJobFiles Yes"
        echo "PreserveJobHistory Yes"
        cat "$CUPS_DIR/cupsd.conf.base"
    } >"$CUPS_DIR/cupsd.conf"
    export CUPS_SERVER="$CUPS_DIR/cups.sock"
    CUPS_PDF_MARK="$CUPS_DIR/started"
    touch "$CUPS_PDF_MARK"
    CUPS_PDF_HOME_KEPT=""
    [ -d "$HOME/PDF" ] && CUPS_PDF_HOME_KEPT=1

    cupsd -f -c "$CUPS_DIR/cupsd.conf" -s "$CUPS_DIR/cups-files.conf" >"$CUPS_DIR/log/cupsd.out" 2>&1 &
    CUPS_PID=$!
    local tries=0
    until lpstat -r 2>/dev/null | grep -q 'is running'; do
        tries=$((tries + 1))
        if [ "$tries" -gt 100 ] || ! kill -0 "$CUPS_PID" 2>/dev/null; then
            echo "cupsd did not start:" >&2
            cat "$CUPS_DIR/log/cupsd.out" "$CUPS_DIR/log/error_log" >&2 2>/dev/null
            return 1
        fi
        sleep 0.1
    done
    local said
    said=$(lpadmin -p PDF -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd 2>&1 &&
        lpadmin -d PDF 2>&1) || {
        echo "the PDF printer could not be set up: $said" >&2
        return 1
    }
}

cups_wait_jobs() {
    local limit=${1:-30} waited=0
    while [ -n "$(lpstat -o PDF 2>/dev/null)" ]; do
        if [ "$waited" -ge $((limit * 10)) ]; then
            echo "print jobs still waiting after ${limit}s:" >&2
            lpstat -o PDF >&2
            return 1
        fi
        sleep 0.1
        waited=$((waited + 1))
    done
}

cups_job_file() {
    local files
    files=$(find "$CUPS_DIR/spool" -maxdepth 1 -name 'd*-001' | sort)
    if [ -n "${1:-}" ]; then
        echo "$files" | sed -n "${1}p"
    else
        echo "$files" | tail -n 1
    fi
}

cups_job_text() {
    local file
    file=$(cups_job_file "${1:-}")
    [ -n "$file" ] || return 1
    if [ "$(head -c 4 "$file")" = '%!PS' ]; then
        # Wine's driver names the glyph that "-" and the soft hyphen share after the soft hyphen
        # (uni00AD); on paper it is the same dash.
        ps2pdf "$file" - 2>/dev/null | pdftotext -layout - - 2>/dev/null | sed 's/\xc2\xad/-/g'
    else
        pdftotext -layout "$file" - 2>/dev/null
    fi
}

cups_stop() {
    [ -n "${CUPS_DIR:-}" ] || return 0
    lpadmin -x PDF 2>/dev/null
    if [ -n "${CUPS_PID:-}" ]; then
        kill "$CUPS_PID" 2>/dev/null
        wait "$CUPS_PID" 2>/dev/null
    fi
    # cups-pdf writes its own copy into the job user's ~/PDF; take back what this run wrote there.
    local out
    for out in "$HOME/PDF" /var/spool/cups-pdf/*; do
        [ -d "$out" ] && find "$out" -maxdepth 1 -type f -newer "$CUPS_PDF_MARK" -delete
    done
    [ -n "${CUPS_PDF_HOME_KEPT:-}" ] || rmdir "$HOME/PDF" 2>/dev/null
    rm -rf "$CUPS_DIR"
    unset CUPS_DIR CUPS_PID CUPS_SERVER CUPS_PDF_MARK CUPS_PDF_HOME_KEPT
}
