#!/usr/bin/env bash
# A private print spooler for the printing tests: a cupsd of its own, listening only on a socket
# in DIR, with one cups-pdf queue that writes its PDF files to DIR/out.
#
#   cups-test-queue.sh start DIR NAME   starts cupsd and adds the queue NAME (at most 10 letters
#                                       and digits)
#   cups-test-queue.sh stop DIR NAME    stops that cupsd and removes everything start made
#
# Clients reach it with CUPS_SERVER=DIR/cups.sock. Needs root: cupsd runs the cups-pdf backend
# as root. cups-pdf reads its settings only from /etc/cups and logs to /var/log/cups, so start
# puts the queue's own cups-pdf-NAME.conf there and a link /tmp/NAME, and stop removes them
# again. The machine's own cupsd, if any, is left alone.
set -euo pipefail

cups_ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd

write_configuration() {
  local dir=$1 name=$2
  mkdir -p "$dir/etc" "$dir/spool/tmp" "$dir/cache" "$dir/state" "$dir/log" "$dir/out" \
    "$dir/cups-pdf-spool"
  chmod 755 "$dir" "$dir/out"
  cat >"$dir/etc/cupsd.conf" <<CONF
LogLevel info
Listen $dir/cups.sock
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
  cat >"$dir/etc/cups-files.conf" <<CONF
ServerRoot $dir/etc
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
SystemGroup root
User lp
Group lp
Sandboxing Relaxed
CONF
  # cups-pdf 3.0.1 builds the file name from the job's title in the buffer its last setting was
  # read into, and keeps whatever of that setting outlasts the title; so the one setting, the
  # output folder, is a short link to DIR/out. It names the file after the job's title, less what
  # looks like an extension, with the job's number: Morvane1.3 becomes Morvane1-job_N.pdf.
  cat >"/etc/cups/cups-pdf-$name.conf" <<CONF
Out /tmp/$name
CONF
  ln -sfn "$dir/out" "/tmp/$name"
}

wait_for_scheduler() {
  local dir=$1 i
  for ((i = 0; i < 100; i++)); do
    if [[ -S $dir/cups.sock ]] &&
      CUPS_SERVER="$dir/cups.sock" lpstat -r 2>/dev/null | grep -q 'is running'; then
      return 0
    fi
    kill -0 "$(cat "$dir/cupsd.pid")" 2>/dev/null || break
    sleep 0.1
  done
  echo "cupsd did not come up; its log:" >&2
  cat "$dir/log/error_log" "$dir/log/cupsd.out" >&2 2>/dev/null || true
  return 1
}

start() {
  local dir=$1 name=$2
  ((EUID == 0)) || { echo "needs root to run cupsd and the cups-pdf backend" >&2; return 2; }
  for tool in cupsd lpadmin lpstat; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed" >&2; return 2; }
  done
  [[ -x /usr/lib/cups/backend/cups-pdf && -f $cups_ppd ]] ||
    { echo "printer-driver-cups-pdf is not installed" >&2; return 2; }

  write_configuration "$dir" "$name"
  cupsd -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" \
    >"$dir/log/cupsd.out" 2>&1 </dev/null &
  echo $! >"$dir/cupsd.pid"
  if ! wait_for_scheduler "$dir" ||
    ! CUPS_SERVER="$dir/cups.sock" lpadmin -p "$name" -E -v "cups-pdf:/$name" -P "$cups_ppd" \
      2> >(grep -v 'deprecated' >&2); then
    stop "$dir" "$name"
    return 1
  fi
}

stop() {
  local dir=$1 name=$2 pid i
  if [[ -f $dir/cupsd.pid ]]; then
    pid=$(cat "$dir/cupsd.pid")
    kill "$pid" 2>/dev/null || true
    for ((i = 0; i < 100; i++)); do
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
    rm -f "$dir/cupsd.pid"
  fi
  rm -f "/etc/cups/cups-pdf-$name.conf" "/var/log/cups/cups-pdf-${name}_log"
  [[ -L /tmp/$name ]] && rm -f "/tmp/$name"
  return 0
}

case "${1:-}" in
  start | stop)
    [[ $# == 3 && $3 =~ ^[A-Za-z0-9]{1,10}$ ]] || { echo "usage: $0 start|stop DIR NAME" >&2; exit 64; }
    "$1" "$2" "$3"
    ;;
  *)
    echo "usage: $0 start|stop DIR NAME" >&2
    exit 64
    ;;
esac
