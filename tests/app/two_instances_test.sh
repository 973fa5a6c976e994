#!/usr/bin/env bash
# Two copies of the real program started at once, offscreen, on one settings
# folder and one temporary folder, fetching automatically from the first
# second. What must hold: one copy runs on and the other hands over to it and
# ends with status 0, whether the copies meet on a session bus or, without
# one, through the socket in the runtime folder; a copy whose first one was
# killed still starts; once ended as a session ends it (SIGTERM) the copy
# leaves no work folder and the settings file reads with every setting in it.
#
# Usage: two_instances_test.sh BINARY [bus]
# With "bus" the run has a private session bus (it runs itself again under
# dbus-run-session when that is installed).
# Exit status: 0 passed, 1 failed.
set -uo pipefail
export LC_ALL=C.UTF-8

binary=${1:-}
if [ -z "$binary" ] || [ ! -x "$binary" ]; then
    echo "FAIL: usage: $0 BINARY (got '${binary}', which is not an executable file)" >&2
    exit 1
fi
mode=${2:-socket}
if [ "$mode" = bus ] && [ -z "${TIDEWICK_TWO_INSTANCES_BUS:-}" ]; then
    command -v dbus-run-session >/dev/null || { echo "note: no dbus-run-session; only the socket was tried"; exit 0; }
    TIDEWICK_TWO_INSTANCES_BUS=1 exec dbus-run-session \
        --config-file="$(dirname "$0")/../support/sealed_bus.conf" -- "$0" "$@"
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
export QT_QPA_PLATFORM=offscreen
[ "$mode" = bus ] || export DBUS_SESSION_BUS_ADDRESS=disabled:
unset TEMP WAYLAND_DISPLAY
# The copies' queries go to a closed port, never to a news service that may
# be running on the build's host (scripts/run starts one).
export TIDEWICK_NEWS_HOST=127.0.0.1:1
settings=$XDG_CONFIG_HOME/Kestrow/Tidewick.ini
# Automatic fetching on: a copy queries (and stores its request count) as
# soon as it starts.
printf '[Tidewick]\nOftenIndex=3\nStartStopState=On\nWindows%%20Startup=On\nDailyRecs=0\n' >"$settings"

fail() {
    echo "FAIL ($mode): $*" >&2
    for log in "$work"/*.log; do
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
running() { kill -0 "$1" 2>/dev/null; }
one_ended() { ! running "$first" || ! running "$second"; }
one_work_folder() { [ "$(work_folders)" -eq 1 ]; }
no_work_folder() { [ "$(work_folders)" -eq 0 ]; }
requests_counted() { grep -q '^DailyRecs=[1-9]' "$settings"; }

"$binary" >"$work/first.log" 2>&1 &
first=$!
"$binary" >"$work/second.log" 2>&1 &
second=$!

wait_until 150 one_ended || fail "both copies still run 15 s after they were started together"
if running "$first"; then kept=$first ended=$second; else kept=$second ended=$first; fi
status=0
wait "$ended" || status=$?
[ "$status" -eq 0 ] || fail "the copy that found another one ended with status $status, not 0"
first=$kept second=''
running "$first" || fail "no copy keeps running"
wait_until 100 one_work_folder || fail "the running copy has no work folder of its own (found $(work_folders))"
echo "--- $mode: one copy runs, the other handed over and ended with 0"
wait_until 150 requests_counted || fail "the running copy stored no request count: $(cat "$settings")"

# A copy that dies leaves its socket behind, never a lock on the next start.
kill -KILL "$first"
wait "$first" 2>/dev/null
first=''
find "$work/temp" -maxdepth 1 -name 'tidewick-*' -exec rm -rf {} +
"$binary" >"$work/after-kill.log" 2>&1 &
first=$!
wait_until 100 one_work_folder || fail "after the first copy was killed, a new copy did not start"
running "$first" || fail "the copy started after a killed one did not keep running"
echo "--- $mode: a copy started after a killed one runs"

# A copy that holds the name but does not answer (hung, here stopped): a new
# start says so and, once its box goes (here with the session), fails.
kill -STOP "$first"
"$binary" >"$work/unanswered.log" 2>&1 &
second=$!
said() { grep -q 'does not answer' "$work/unanswered.log"; }
wait_until 150 said || fail "a start beside a copy that does not answer said nothing"
kill -TERM "$second"
status=0
wait "$second" || status=$?
second=''
[ "$status" -eq 1 ] || fail "a start beside a copy that does not answer ended with status $status, not 1"
kill -CONT "$first"
echo "--- $mode: a start beside a copy that does not answer says so and fails"

kill -TERM "$first"
status=0
wait "$first" || status=$?
first=''
[ "$status" -eq 0 ] || fail "the copy ended with status $status on SIGTERM"
no_work_folder || fail "work folders were left behind: $(ls "$work/temp")"
echo "--- $mode: the copy ended and left no work folder"

python3 - "$settings" <<'PY' || fail "the settings file is not whole: $(cat "$settings")"
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
PY
[ -z "$(find "$XDG_CONFIG_HOME/Kestrow" -name '*.lock')" ] || fail "a settings lock file was left behind"
echo "--- $mode: the settings file reads whole"

# A copy killed outright during a query takes its helper with it: curl does
# not query on for a minute with nobody to read the answer.
if [ "$mode" = socket ]; then
    mkdir -p "$work/killed-config/Kestrow" "$work/bin"
    printf '[Tidewick]\nStartStopState=On\n' >"$work/killed-config/Kestrow/Tidewick.ini"
    printf '#!/bin/sh\necho $$ >"%s"\nexec sleep 600\n' "$work/curl.pid" >"$work/bin/curl"
    chmod +x "$work/bin/curl"
    XDG_CONFIG_HOME=$work/killed-config PATH=$work/bin:$PATH "$binary" >"$work/killed.log" 2>&1 &
    first=$!
    wait_until 150 test -s "$work/curl.pid" || fail "the copy started no query"
    kill -KILL "$first"
    wait "$first" 2>/dev/null
    first=''
    helper=$(cat "$work/curl.pid")
    helper_gone() { ! running "$helper"; }
    wait_until 50 helper_gone || { kill -KILL "$helper"; fail "curl ran on after its program was killed"; }
    echo "--- $mode: a copy killed during a query took its helper with it"
fi

# Copies that cannot see each other (each on a bus of its own, as one started
# over ssh beside a desktop session) share the request budget through the
# settings file: started together, each with the whole window's share and
# more keywords than that, they make 51 requests between them, not 102, also
# with their clocks in time zones 14 hours apart.
if [ "$mode" = bus ]; then
    export XDG_CONFIG_HOME=$work/shared-config
    mkdir -p "$XDG_CONFIG_HOME/Kestrow"
    printf '[Tidewick]\nOftenIndex=4\nStartStopState=On\n' >"$XDG_CONFIG_HOME/Kestrow/Tidewick.ini"
    python3 -c 'import json; print(json.dumps({"keywords": ["k%d" % i for i in range(60)]}))' \
        >"$XDG_CONFIG_HOME/Kestrow/Tidewick-watch-list.json"
    python3 "$(dirname "$0")/../../tools/news_service.py" --port 0 --port-file "$work/news.port" \
        --log "$work/news.jsonl" --mode empty-listing --quiet &
    news=$!
    wait_until 100 test -s "$work/news.port" || fail "the news service did not start"
    for copy in 1 2; do
        # Zones by rule, which need no time zone data: UTC and UTC+14.
        zone=UTC0
        [ "$copy" = 2 ] && zone=KIT-14
        TZ=$zone dbus-run-session --config-file="$(dirname "$0")/../support/sealed_bus.conf" -- \
            bash -c 'echo $$ >"$0"; exec "$@"' "$work/copy$copy.pid" \
            "$binary" --news-host "127.0.0.1:$(cat "$work/news.port")" >"$work/copy$copy.log" 2>&1 &
    done
    wait_until 600 grep -q '^DailyRecs=51$' "$XDG_CONFIG_HOME/Kestrow/Tidewick.ini" || fail "the budget was not spent"
    sleep 2 # a copy that overran would go on asking
    made=$(wc -l <"$work/news.jsonl")
    kill -TERM "$(cat "$work/copy1.pid")" "$(cat "$work/copy2.pid")" "$news"
    [ "$made" -eq 51 ] || fail "two copies on two buses made $made requests in one window, not 51"
    echo "--- $mode: two copies that cannot see each other made 51 requests between them"
fi
echo "PASS ($mode)"
