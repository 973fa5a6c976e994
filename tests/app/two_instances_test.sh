#!/usr/bin/env bash
# Two copies of the real program started at once, offscreen, on one settings
# folder and one temporary folder, both fetching automatically from the first
# second. What must hold: both start, each makes a work folder of its own,
# and once both are ended as a session ends them (SIGTERM) no work folder is
# left and the settings file still reads with every setting in it.
#
# Usage: two_instances_test.sh BINARY
# Exit status: 0 passed, 1 failed.
set -uo pipefail
export LC_ALL=C.UTF-8

binary=${1:-}
if [ -z "$binary" ] || [ ! -x "$binary" ]; then
    echo "FAIL: usage: $0 BINARY (got '${binary}', which is not an executable file)" >&2
    exit 1
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/tidewick-two-instances.XXXXXX")
first='' second=''
cleanup() {
    local pid
    for pid in "$first" "$second"; do
        [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null
    done
    rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work/home" "$work/config/Kestrow" "$work/runtime" "$work/temp"
chmod 0700 "$work/runtime"
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime TMPDIR=$work/temp
export QT_QPA_PLATFORM=offscreen DBUS_SESSION_BUS_ADDRESS=disabled:
unset TEMP WAYLAND_DISPLAY
# The copies' queries go to a closed port, never to a news service that may
# be running on the build's host (scripts/run starts one).
mkdir -p "$work/curl"
printf 'connect-to = "::127.0.0.1:1"\n' >"$work/curl/.curlrc"
export CURL_HOME=$work/curl
settings=$XDG_CONFIG_HOME/Kestrow/Tidewick.ini
# Automatic fetching on: both copies query (and store their request count)
# as soon as they start.
printf '[Tidewick]\nOftenIndex=3\nStartStopState=On\nWindows%%20Startup=On\nDailyRecs=0\n' >"$settings"

fail() {
    echo "FAIL: $*" >&2
    for log in "$work"/first.log "$work"/second.log; do
        [ -s "$log" ] && { echo "--- $log" >&2; tail -n 20 "$log" >&2; }
    done
    exit 1
}
work_folders() { find "$work/temp" -maxdepth 1 -name 'tidewick-*' | wc -l; }
# wait_until TENTHS COMMAND...: polls until COMMAND succeeds.
wait_until() {
    local tries=$1
    shift
    until "$@"; do
        ((tries-- > 0)) || return 1
        sleep 0.1
    done
}
two_work_folders() { [ "$(work_folders)" -eq 2 ]; }
no_work_folder() { [ "$(work_folders)" -eq 0 ]; }
requests_counted() { grep -q '^DailyRecs=[1-9]' "$settings"; }

"$binary" >"$work/first.log" 2>&1 &
first=$!
"$binary" >"$work/second.log" 2>&1 &
second=$!

wait_until 100 two_work_folders || fail "the two copies did not make two work folders (found $(work_folders))"
kill -0 "$first" 2>/dev/null || fail "the first copy did not keep running"
kill -0 "$second" 2>/dev/null || fail "the second copy did not keep running"
echo "--- both copies run, each with its own work folder"
wait_until 150 requests_counted || fail "no copy stored its request count: $(cat "$settings")"

kill -TERM "$first" "$second"
status=0
wait "$first" || status=$?
first=''
[ "$status" -eq 0 ] || fail "the first copy ended with status $status on SIGTERM"
wait "$second" || status=$?
second=''
[ "$status" -eq 0 ] || fail "the second copy ended with status $status on SIGTERM"
no_work_folder || fail "work folders were left behind: $(ls "$work/temp")"
echo "--- both copies ended and left no work folder"

python3 - "$settings" <<'EOF' || fail "the settings file is not whole: $(cat "$settings")"
import configparser, sys
parser = configparser.RawConfigParser(strict=True)
parser.optionxform = str
with open(sys.argv[1], encoding="utf-8") as f:
    parser.read_file(f)
section = parser["Tidewick"]
assert section["OftenIndex"] == "3", section["OftenIndex"]
assert section["StartStopState"] == "On", section["StartStopState"]
assert section["Windows%20Startup"] == "On"
assert section["DailyRecs"].isdigit() and 0 <= int(section["DailyRecs"]) <= 51, section["DailyRecs"]
EOF
[ -z "$(find "$XDG_CONFIG_HOME/Kestrow" -name '*.lock')" ] || fail "a settings lock file was left behind"
echo "--- the settings file reads whole"
echo "PASS"
