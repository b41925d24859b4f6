#!/bin/bash
# Runs the screenshot tests (tests whose name contains "Screenshot") of every test program under Xvfb
# and Wine's X11 driver, turns the bitmaps they write into PNG files and prints their paths.
#   BUILD_DIR       the build folder (default: build/); build it first
#   SCREENSHOT_DIR  where the pictures go (default: $BUILD_DIR/screenshots)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
out="${SCREENSHOT_DIR:-$build/screenshots}"
export WINE_GRAPHICS=x11

"$root/scripts/deps.sh" --with-x11 >/dev/null
. "$root/scripts/wine-env.sh"

cleanup() {
  "$root/scripts/wine-prefix.sh" stop || true
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
}
trap cleanup EXIT

if [ -z "${DISPLAY:-}" ]; then
  for n in $(seq 90 120); do [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] || break; done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 & XVFB_PID=$!
  export DISPLAY=":$n"
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
fi
"$root/scripts/wine-prefix.sh" ensure

mkdir -p "$out"
rm -f "$out"/*.bmp "$out"/*.png
# The test programs are Windows programs: they get the folder as a path on Wine's drive Z:.
SCREENSHOT_DIR="Z:$(cd "$out" && pwd | tr / '\\')"
export SCREENSHOT_DIR

status=0
for exe in "$build"/test_*.exe; do
  "$WINE" "$exe" --gtest_filter='*Screenshot*' --gtest_color=no </dev/null >"$out/$(basename "$exe" .exe).log" 2>&1 || {
    status=$?
    echo "screenshot tests of $(basename "$exe") failed:" >&2
    cat "$out/$(basename "$exe" .exe).log" >&2
  }
done

shopt -s nullglob
for bmp in "$out"/*.bmp; do
  png="${bmp%.bmp}.png"
  convert "$bmp" "$png" && rm -f "$bmp"
  echo "$png"
done
exit "$status"
