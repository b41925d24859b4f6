#!/bin/bash
# Runs one Windows executable under Wine with the project's settings (CMake's cross-compiling emulator).
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
. "$here/wine-env.sh"
"$here/wine-prefix.sh" ensure </dev/null >/dev/null 2>&1 || { echo "winerun: wine prefix setup failed" >&2; exit 125; }
exec "$WINE" "$@"
