#!/bin/bash
# print-throwaway.sh start DIR : a private CUPS server (socket DIR/cups.sock, nothing on the network) with one
#                                printer, "BrindlePDF" (the default), that writes each job as a PDF file into
#                                DIR/out, named "<job title>-job_<n>.pdf". Prints the environment that Wine
#                                needs to see it; Wine processes started with that environment have the printer.
# print-throwaway.sh stop  DIR : stop that server (the directory can then be deleted).
# Needs root and Debian's packages cups and printer-driver-cups-pdf.
set -euo pipefail
cmd=${1:-} dir=${2:-}
[ -n "$cmd" ] && [ -n "$dir" ] || { echo "usage: $0 start|stop DIR" >&2; exit 2; }
printer=BrindlePDF
# cups-pdf reads the settings of a queue from this fixed place.
queue_conf=/etc/cups/cups-pdf-$printer.conf
case "$cmd" in
start)
  command -v cupsd >/dev/null && [ -x /usr/lib/cups/backend/cups-pdf ] ||
    { echo "print-throwaway: needs the packages cups and printer-driver-cups-pdf" >&2; exit 1; }
  mkdir -p "$dir"
  dir=$(cd "$dir" && pwd)
  mkdir -p "$dir"/{spool,cache,state,log,tmp,out}
  chmod 755 "$dir"; chmod 1777 "$dir/out"
  cat >"$dir/cupsd.conf" <<CONF
Listen $dir/cups.sock
LogLevel warn
Browsing Off
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
CONF
  cat >"$dir/cups-files.conf" <<CONF
ServerRoot $dir
RequestRoot $dir/spool
CacheDir $dir/cache
StateDir $dir/state
TempDir $dir/tmp
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
SystemGroup root
ServerBin /usr/lib/cups
DataDir /usr/share/cups
CONF
  printf 'Out %s\nUserUMask 0000\n' "$dir/out" >"$queue_conf"
  if [ -f "$dir/cupsd.pid" ] && kill -0 "$(cat "$dir/cupsd.pid")" 2>/dev/null; then
    : # already running
  else
    setsid cupsd -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" </dev/null >"$dir/log/cupsd.out" 2>&1 &
    echo $! >"$dir/cupsd.pid"
  fi
  export CUPS_SERVER="$dir/cups.sock"
  for _ in $(seq 100); do lpstat -r >/dev/null 2>&1 && break; sleep 0.1; done
  lpstat -r >/dev/null 2>&1 || { echo "print-throwaway: cupsd did not start (see $dir/log)" >&2; exit 1; }
  lpadmin -p "$printer" -v "cups-pdf:/$printer" -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd -E 2>/dev/null
  lpadmin -d "$printer"
  echo "export CUPS_SERVER=$dir/cups.sock BRINDLEMARK_PRINT_OUT=$dir/out"
  ;;
stop)
  if [ -f "$dir/cupsd.pid" ]; then
    pid=$(cat "$dir/cupsd.pid")
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    rm -f "$dir/cupsd.pid"
  fi
  rm -f "$queue_conf"
  ;;
*) echo "usage: $0 start|stop DIR" >&2; exit 2 ;;
esac
