#!/bin/bash
# wine-prefix.sh ensure : create and configure the prefix if needed, start a persistent wineserver, warm it up.
# wine-prefix.sh stop   : stop the wineserver of the prefix.
# Idempotent and safe to call from many test processes at once (flock).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
. "$here/wine-env.sh"

case "${1:-ensure}" in
stop) "$WINESERVER" -k 2>/dev/null || true; "$WINESERVER" -w 2>/dev/null || true; exit 0 ;;
ensure) ;;
*) echo "usage: $0 ensure|stop" >&2; exit 2 ;;
esac

mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9

reg="$(sed "s/@GRAPHICS@/$WINE_GRAPHICS/" "$here/wine-prefix.reg.in")"
stamp="$("$WINE" --version 2>/dev/null) $(printf '%s' "$reg" | sha1sum | cut -c1-12) $(sha1sum "$here/desktop-holder.c" | cut -c1-12)"

if [ ! -f "$WINEPREFIX/.brindlemark-stamp" ] || [ "$(cat "$WINEPREFIX/.brindlemark-stamp")" != "$stamp" ]; then
  t0=$(date +%s%N)
  "$WINESERVER" -k 2>/dev/null 9>&- || true; "$WINESERVER" -w 2>/dev/null 9>&- || true
  # Every Wine process started here gets /dev/null as stdio: the first process of a session hands its
  # output streams to services that outlive it, which would hold a caller's pipe open.
  "$WINE" wineboot --init </dev/null >/dev/null 2>&1 9>&-
  # Debian's Wine looks for its own fonts (Tahoma, MS Sans Serif, Marlett ...) in the wrong place.
  cp -n /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  printf '%s\n' "$reg" > "$WINEPREFIX/brindlemark.reg"
  "$WINE" reg import "Z:$(printf '%s' "$WINEPREFIX/brindlemark.reg" | tr / '\\')" </dev/null >/dev/null 2>&1 9>&-
  "$WINESERVER" -w 9>&-   # flush the registry; the graphics driver takes effect on restart
  rm -f "$WINEPREFIX/desktop-holder.exe"
  printf '%s' "$stamp" > "$WINEPREFIX/.brindlemark-stamp"
  echo "wine prefix ready in $(( ($(date +%s%N) - t0) / 1000000 )) ms: $WINEPREFIX" >&2
fi

# Persistent wineserver (exits 60 s after the last Wine process). Status 0: started here; 2: running.
if "$WINESERVER" -p60 2>/dev/null 9>&-; then
  # Start the session's services and the desktop with /dev/null as stdio, before any test does.
  "$WINE" wineboot </dev/null >/dev/null 2>&1 9>&-
  holder="$WINEPREFIX/desktop-holder.exe"
  [ -f "$holder" ] || x86_64-w64-mingw32-gcc -O2 -mwindows -o "$holder" "$here/desktop-holder.c"
  "$WINE" "$holder" </dev/null >/dev/null 2>&1 9>&- &
  disown || true
  sleep 0.3
fi
