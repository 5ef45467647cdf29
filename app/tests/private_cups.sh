#!/usr/bin/env bash
# Runs a command against a CUPS server of its own: a private cupsd (its own
# configuration, socket, spool and logs in a temporary folder) with two
# cups-pdf queues, the first its default, writing into that folder. The
# machine's own printers and server are never touched; the one file outside
# the folder, cups-pdf's settings for the queue, is removed afterwards.
#
#   private_cups.sh COMMAND [ARGUMENTS...]
#
# COMMAND sees CUPS_SERVER (the private socket), FRETLARK_TEST_QUEUE and
# FRETLARK_TEST_OTHER_QUEUE (the queue names) and FRETLARK_TEST_PDF_DIR (where
# the printed PDF files appear).
set -uo pipefail

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

[ $# -ge 1 ] || fail "usage: $0 COMMAND [ARGUMENTS...]"
[ "$(id -u)" -eq 0 ] || fail "the printing test must run as root: cups-pdf reads its settings only from /etc/cups"
for tool in /usr/sbin/cupsd lpadmin lpstat; do
    command -v "$tool" >/dev/null || fail "$tool is missing (install cups and printer-driver-cups-pdf)"
done
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
[ -r "$ppd" ] && [ -x /usr/lib/cups/backend/cups-pdf ] \
    || fail "cups-pdf is missing (install printer-driver-cups-pdf)"

queue="fretlark-test-$$"
settings="/etc/cups/cups-pdf-$queue.conf"
folder=$(mktemp -d /tmp/fretlark-cups.XXXXXX) || fail "no temporary folder"
cupsd_pid=""

cleanup() {
    if [ -n "$cupsd_pid" ]; then
        kill "$cupsd_pid" 2>/dev/null
        wait "$cupsd_pid" 2>/dev/null
    fi
    rm -f "$settings"
    rm -rf "$folder"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# The filters run as the lp user and must reach the spool inside the folder.
chmod 755 "$folder"
mkdir -p "$folder"/{etc,spool,spool/tmp,cache,state,log,pdf,pdf-spool}
chmod 1777 "$folder/spool/tmp"

cat >"$folder/etc/cupsd.conf" <<EOF
Listen $folder/cups.sock
LogLevel warn
ErrorPolicy abort-job
WebInterface No
Browsing No
BrowseLocalProtocols none
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
cat >"$folder/etc/cups-files.conf" <<EOF
ServerRoot $folder/etc
RequestRoot $folder/spool
TempDir $folder/spool/tmp
CacheDir $folder/cache
StateDir $folder/state
ErrorLog $folder/log/error_log
AccessLog $folder/log/access_log
PageLog $folder/log/page_log
Printcap $folder/printcap
SystemGroup root
EOF

/usr/sbin/cupsd -f -c "$folder/etc/cupsd.conf" -s "$folder/etc/cups-files.conf" \
    >"$folder/log/cupsd.out" 2>&1 &
cupsd_pid=$!

export CUPS_SERVER="$folder/cups.sock"
started=no
for _ in $(seq 100); do
    kill -0 "$cupsd_pid" 2>/dev/null || break
    if [ -S "$CUPS_SERVER" ] && lpstat -r >/dev/null 2>&1; then
        started=yes
        break
    fi
    sleep 0.1
done
if [ "$started" != yes ]; then
    cat "$folder/log/cupsd.out" "$folder/log/error_log" >&2 2>/dev/null
    fail "the private cupsd could not be started (see its messages above)"
fi

cat >"$settings" <<EOF
Out $folder/pdf
AnonDirName $folder/pdf
Spool $folder/pdf-spool
Log $folder/log
EOF

# Both queues write through the first one's settings.
for name in "$queue" "$queue-other"; do
    lpadmin -p "$name" -E -v "cups-pdf:/$queue" -P "$ppd" 2>"$folder/log/lpadmin.out" \
        || { cat "$folder/log/lpadmin.out" >&2; fail "the queue $name could not be added"; }
done
lpadmin -d "$queue" || fail "the queue $queue could not be made the default"

export FRETLARK_TEST_QUEUE="$queue"
export FRETLARK_TEST_OTHER_QUEUE="$queue-other"
export FRETLARK_TEST_PDF_DIR="$folder/pdf"
"$@"
status=$?
if [ "$status" -ne 0 ]; then
    echo "--- the private cupsd's error log ---" >&2
    tail -n 40 "$folder/log/error_log" >&2 2>/dev/null
fi
exit "$status"
