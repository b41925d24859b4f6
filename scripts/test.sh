#!/bin/bash
# Installs what is missing, builds, and runs every test under Wine. Prints ctest's summary last.
#   TEST_PG=0          skip the throwaway PostgreSQL server (database tests then use SQLite only)
#   TEST_PRINT=0       skip the throwaway PDF printer (printing tests then check the no-printer path)
#   WINE_GRAPHICS=x11  run under Xvfb and Wine's X11 driver instead of the null driver; the screenshot
#                      tests then write their pictures into $BUILD_DIR/screenshots
#   extra arguments go to ctest (for example -R Registry)
set -euo pipefail
TEST_PG="${TEST_PG:-1}"; [ "$TEST_PG" = 0 ] && TEST_PG=""
TEST_PRINT="${TEST_PRINT:-1}"; [ "$TEST_PRINT" = 0 ] && TEST_PRINT=""
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
T0=$(date +%s%N); t() { echo "[time] $1: $(( ($(date +%s%N) - T0) / 1000000 )) ms" >&2; }

"$root/scripts/deps.sh" ${TEST_PG:+--with-postgres} ${TEST_PRINT:+--with-printer} $([ "${WINE_GRAPHICS:-null}" = x11 ] && echo --with-x11); t deps
. "$root/scripts/wine-env.sh"

cleanup() {
  "$root/scripts/wine-prefix.sh" stop || true
  TEST_LC_ALL=de_DE.UTF-8 "$root/scripts/wine-prefix.sh" stop || true
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
  [ -n "${PGDIR:-}" ] && { "$root/scripts/pg-throwaway.sh" stop "$PGDIR"; rm -rf "$PGDIR"; } || true
  [ -n "${PRINTDIR:-}" ] && { "$root/scripts/print-throwaway.sh" stop "$PRINTDIR"; rm -rf "$PRINTDIR"; } || true
}
trap cleanup EXIT

if [ "$WINE_GRAPHICS" = x11 ] && [ -z "${DISPLAY:-}" ]; then
  for n in $(seq 90 120); do [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] || break; done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 & XVFB_PID=$!
  export DISPLAY=":$n"
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
fi
if [ "$WINE_GRAPHICS" = x11 ] && [ -z "${SCREENSHOT_DIR:-}" ]; then
  # With a real display the screenshot tests draw and write their pictures (as BMP, on Wine's drive Z:)
  # instead of skipping; scripts/screenshot-tests.sh turns them into PNG files.
  mkdir -p "$build/screenshots"
  SCREENSHOT_DIR="Z:$(cd "$build/screenshots" && pwd | tr / '\\')"
  export SCREENSHOT_DIR
fi
if [ -n "${TEST_PG:-}" ]; then
  PGDIR=$(mktemp -d /tmp/pg-test-XXXXXX)   # under /tmp: user postgres cannot enter /root
  port="${TEST_PG_PORT:-55432}"
  while (echo >"/dev/tcp/127.0.0.1/$port") 2>/dev/null; do port=$((port + 1)); done   # first free port
  "$root/scripts/pg-throwaway.sh" start "$PGDIR" "$port"
  export TEST_PG_CONNSTR="DRIVER={PostgreSQL Unicode};Server=127.0.0.1;Port=$port;Database=brindlemark;Uid=postgres;Pwd=;"
fi
if [ -n "${TEST_PRINT:-}" ]; then
  # Every Wine process of the run must see the same printers (they share one prefix), so it is all or none.
  PRINTDIR=$(mktemp -d /tmp/print-test-XXXXXX)
  if printenv=$("$root/scripts/print-throwaway.sh" start "$PRINTDIR"); then
    eval "$printenv"
  else
    echo "test.sh: no throwaway printer; printing tests check the no-printer path" >&2
  fi
fi
t services

BUILD_DIR="$build" "$root/scripts/build.sh"; t build
"$root/scripts/wine-prefix.sh" ensure
TEST_LC_ALL=de_DE.UTF-8 "$root/scripts/wine-prefix.sh" ensure; t wine-prefix
# No exec: the EXIT trap must still stop the services. Nothing is printed after ctest's own summary.
set +e
ctest --test-dir "$build" -j"$(nproc)" --output-on-failure --no-tests=error "$@"
exit $?
