#!/bin/bash
# Runs one Windows executable under Wine with the project's settings (CMake's cross-compiling emulator).
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
. "$here/wine-env.sh"
"$here/wine-prefix.sh" ensure </dev/null >/dev/null 2>&1 || { echo "winerun: wine prefix setup failed" >&2; exit 125; }

# Under heavy parallel load Wine now and then ends a process with status 1 before the program has run
# at all (a few times in a thousand starts; nothing is printed, Wine's own messages are silenced). A test
# program always prints before its first test runs, so a run that ended in failure without printing
# anything ran no test: it is started once more, and said so. Output stays unbuffered through tee.
seen=$(mktemp)
trap 'rm -f "$seen"' EXIT
for attempt in 1 2; do
  "$WINE" "$@" | tee "$seen"
  rc=${PIPESTATUS[0]}
  [ "$rc" -eq 0 ] || [ -s "$seen" ] || [ "$attempt" -eq 2 ] && break
  echo "winerun: $(basename "$1") ended with status $rc before it printed anything; starting it again" >&2
done
[ "$rc" -ne 0 ] && echo "winerun: $(basename "$1") ended with status $rc" >&2
exit "$rc"
