#!/bin/bash
# Installs what is missing, builds, and starts Brindlemark under Wine in a real X window.
#   scripts/run.sh [--screenshot out.png [--after SECONDS]] [program arguments...]
# Uses $DISPLAY when set, else a private Xvfb. With --screenshot: waits, writes the screen to the PNG,
# ends the program and stops.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
shot="" after=3
while [ $# -gt 0 ]; do case "$1" in
  --screenshot) shot=$(realpath -m "$2"); shift 2 ;;
  --after) after=$2; shift 2 ;;
  *) break ;;
esac; done

"$root/scripts/deps.sh" --with-x11
BUILD_DIR="$build" "$root/scripts/build.sh"
export WINE_GRAPHICS=x11
. "$root/scripts/wine-env.sh"
if [ -z "${DISPLAY:-}" ]; then
  for n in $(seq 90 120); do [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] || break; done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 & xvfb=$!
  trap 'kill $xvfb 2>/dev/null || true' EXIT
  export DISPLAY=":$n"
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
  echo "run: private X display $DISPLAY (Xvfb); use --screenshot to see it" >&2
fi
"$root/scripts/wine-prefix.sh" ensure
exe="$build/Brindlemark.exe"
if [ -n "$shot" ]; then
  "$WINE" "$exe" "$@" & app=$!
  sleep "$after"
  xwd -root -silent | convert xwd:- "$shot"
  kill "$app" 2>/dev/null || true
  "$root/scripts/wine-prefix.sh" stop
  echo "run: screenshot written to $shot" >&2
else
  set +e
  "$WINE" "$exe" "$@"
  rc=$?
  "$root/scripts/wine-prefix.sh" stop
  exit $rc
fi
