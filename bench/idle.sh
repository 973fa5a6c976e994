#!/usr/bin/env bash
# What the program costs while it sits idle: CPU time and wake-ups (context
# switches) over IDLE_SECONDS (60 unless set), once with automatic fetching
# off (it should not wake up at all) and once on (once a second).
#
#     bench/idle.sh [BUILD_FOLDER]      (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
seconds=${IDLE_SECONDS:-60}
ticks=$(getconf CLK_TCK)

# CPU seconds and context switches of a process so far.
usage() {
    local pid=$1
    local cpu switches
    cpu=$(awk -v t="$ticks" '{ printf "%.2f", ($14 + $15) / t }' "/proc/$pid/stat")
    # Voluntary switches of the main thread: each is one sleep, so one wake-up.
    switches=$(awk '/^voluntary_ctxt_switches/ { print $2 }' "/proc/$pid/status")
    echo "$cpu $switches"
}

measure() {
    local state=$1 home
    home=$(mktemp -d)
    mkdir -p "$home/config/Kestrow" "$home/tmp"
    printf '[Tidewick]\nStartStopState=%s\n' "$state" >"$home/config/Kestrow/Tidewick.ini"
    # Queries go to a closed port, not to a news service that may be running.
    TIDEWICK_NEWS_HOST=127.0.0.1:1 HOME=$home XDG_CONFIG_HOME=$home/config TEMP=$home/tmp QT_QPA_PLATFORM=offscreen \
        DBUS_SESSION_BUS_ADDRESS=disabled: "$build/src/tidewick" >/dev/null 2>&1 &
    local pid=$!
    sleep 3 # start-up, and with fetching on its first fetch
    read -r cpu0 switches0 < <(usage "$pid")
    sleep "$seconds"
    read -r cpu1 switches1 < <(usage "$pid")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    rm -rf "$home"
    printf '  automatic fetching %-3s  cpu %.2f s, %d wake-ups in %d s\n' "$state:" \
        "$(awk -v a="$cpu0" -v b="$cpu1" 'BEGIN { print b - a }')" $((switches1 - switches0)) "$seconds"
}

echo "== idle (offscreen)"
measure Off
measure On
