#!/bin/bash
# Installs what is missing, builds the program, and starts Brindlemark under Wine in a real X window.
#   scripts/run.sh [--sample-log] [--screenshot out.png [--after SECONDS]] [program arguments...]
# Uses $DISPLAY when set, else a private Xvfb.
#   --screenshot out.png  runs on the sample log (below), waits for the main window, then SECONDS more
#                         (default 3), writes the screen to the PNG, ends the program and stops.
#   --sample-log          runs the program on a sample of its own instead of the user's settings and data:
#                         a registry tree, database and log in a new folder below /tmp, holding two
#                         projects, a few finished entries and one task being timed. A first start of
#                         the program makes the database; the entries are then added to it.
#   --help                shows this text.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
shot="" after=3 sample=""
while [ $# -gt 0 ]; do case "$1" in
  --screenshot) shot=$(realpath -m "$2"); sample=1; shift 2 ;;
  --after) after=$2; shift 2 ;;
  --sample-log) sample=1; shift ;;
  --help|-h) sed -n '2,/^set -e/p' "$0" | sed '$d; s/^# \{0,1\}//'; exit 0 ;;
  *) break ;;
esac; done

"$root/scripts/deps.sh" --with-x11
BUILD_DIR="$build" "$root/scripts/build.sh" --target Brindlemark
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

# Waits (up to a minute and a half) until the main window is on the screen.
wait_for_main_window() {
  for _ in $(seq 180); do
    xwininfo -root -tree 2>/dev/null | grep -q ' - Brindlemark"' && return 0
    sleep 0.5
  done
  echo "run: the main window did not show" >&2
  return 1
}

# The sample: the program reads its registry tree, program folder (database) and data folder (log) from
# these variables.
sql_time() { date -u -d "$1" '+%Y-%m-%d %H:%M:%S'; }
make_sample() {
  local folder; folder=$(mktemp -d /tmp/brindlemark-sample.XXXXXX)
  mkdir -p "$folder/program" "$folder/data"
  local win; win="Z:$(echo "$folder" | tr / '\\')"
  export BRINDLEMARK_TEST_REGISTRY_ROOT="Software\\BrindlemarkSample\\$(basename "$folder")"
  export BRINDLEMARK_TEST_PROGRAM_FOLDER="$win\\program\\"
  export BRINDLEMARK_TEST_DATA_FOLDER="$win\\data\\"
  local db="$folder/program/Brindlemark.mdb"
  echo "run: sample log in $folder" >&2
  # A first start makes the database, its categories and the log.
  "$WINE" "$exe" & local first=$!
  for _ in $(seq 180); do
    [ -f "$db" ] && [ "$(sqlite3 "$db" 'SELECT COUNT(*) FROM Categories' 2>/dev/null || echo 0)" -gt 0 ] && break
    sleep 0.5
  done
  wait_for_main_window
  sleep 2
  kill "$first" 2>/dev/null || true
  wait "$first" 2>/dev/null || true
  local user; user=$("$WINE" reg query "HKCU\\$BRINDLEMARK_TEST_REGISTRY_ROOT\\Brindlemark\\Database" /v Username \
                     2>/dev/null | tr -d '\r' | awk '$1 == "Username" { $1 = ""; $2 = ""; sub(/^ +/, ""); print }')
  # Both tray icons, and the window placed below Wine's own tray window (top left, when there is no tray
  # on the display) so that the icons show.
  local key="HKCU\\$BRINDLEMARK_TEST_REGISTRY_ROOT\\Brindlemark"
  "$WINE" reg add "$key\\Prefs\\Icons" /v "Quick Info" /d T /f >/dev/null
  for value in wp.flags=0 wp.showCmd=1 wp.left=0 wp.top=56 wp.right=1000 wp.bottom=820; do
    "$WINE" reg add "$key\\Positions" /v "${value%%=*}" /t REG_DWORD /d "${value#*=}" /f >/dev/null
  done
  local category="(SELECT GUID FROM Categories WHERE Name = "
  local now; now=$(date -u '+%Y-%m-%d %H:%M:00')
  {
    echo "BEGIN;"
    echo "INSERT INTO Projects (GUID, Created, Modified, Name, Description, Active) VALUES"
    echo " ('{5A3B1E00-0000-4000-8000-000000000001}', '$now', '$now', 'Harbour bridge', '', 1),"
    echo " ('{5A3B1E00-0000-4000-8000-000000000002}', '$now', '$now', 'Town hall', '', 1);"
    local n=0
    while IFS='|' read -r start stop project cat desc; do
      n=$((n + 1))
      local begin end duration
      begin=$(sql_time "$start"); end=$([ -n "$stop" ] && sql_time "$stop" || true)
      duration=$([ -n "$stop" ] && echo $(( $(date -d "$stop" +%s) - $(date -d "$start" +%s) )) || echo 0)
      echo "INSERT INTO Tasks (GUID, Created, Modified, Username, StartTime, EndTime, Duration, ProjectID,"
      echo " CategoryID, Desc, Billed, Billable) VALUES ('{5A3B1E00-0000-4000-8000-0000000001$(printf %02d $n)}',"
      echo " '$begin', '$begin', '$user', '$begin', $([ -n "$end" ] && echo "'$end'" || echo NULL), $duration,"
      echo " '{5A3B1E00-0000-4000-8000-00000000000$project}', $category'$cat'), '$desc', 0, 1);"
    done <<EOF
2 days ago 08:30|2 days ago 10:15|1|Design|Load calculations for the main span
2 days ago 10:30|2 days ago 12:00|1|Meeting|Site meeting with the surveyors
2 days ago 13:00|2 days ago 16:45|2|Implementation|Draft the floor plans
yesterday 09:00|yesterday 11:30|2|Research|Heritage rules for the facade
yesterday 11:45|yesterday 12:30|1|Telephone|Call the steel supplier
yesterday 13:30|yesterday 17:00|1|Design|Cable anchor details
3 hours ago|2 hours ago|2|Administration|Plan the week
45 minutes ago||1|Design|Check the expansion joints
EOF
    echo "COMMIT;"
  } | sqlite3 "$db"
}

if [ -n "$sample" ]; then
  make_sample
fi
if [ -n "$shot" ]; then
  "$WINE" "$exe" "$@" & app=$!
  wait_for_main_window || true
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
