#!/usr/bin/env bash
# What the program costs while it sits idle with automatic fetching on: CPU
# time and wake-ups (the voluntary context switches of all its threads) per
# minute, measured over IDLE_SECONDS (60 unless set). On a real X server
# (Xvfb, openbox and a trayer tray) with the window shown and with it hidden
# in the tray, and offscreen with the window shown and with automatic
# fetching off. The aim: at most 240 a minute shown, at most 10 hidden.
#
#     bench/idle.sh [BUILD_FOLDER]      (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
seconds=${IDLE_SECONDS:-60}
ticks=$(getconf CLK_TCK)
work=$(mktemp -d)
app='' xvfb='' wm='' trayer_pid=''
cleanup() {
    local pid
    for pid in $app $trayer_pid $wm $xvfb; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "bench/idle.sh: $*" >&2
    exit 1
}

# CPU seconds of a process so far.
cpu_of() {
    awk -v t="$ticks" '{ printf "%.2f", ($14 + $15) / t }' "/proc/$1/stat"
}
# "thread switches" for each thread of a process: its voluntary context
# switches so far, each one a sleep, so one wake-up.
switches_of() {
    local task
    for task in /proc/"$1"/task/*; do
        echo "${task##*/} $(awk '/^voluntary_ctxt_switches/ { print $2 }' "$task/status" 2>/dev/null)"
    done
}

# start STATE PLATFORM: the program with automatic fetching STATE, its
# queries going to a closed port (not to a news service that may run here).
start() {
    local home=$work/home-$1-$2
    mkdir -p "$home/config/Kestrow" "$home/tmp" "$home/runtime"
    chmod 0700 "$home/runtime"
    printf '[Tidewick]\nStartStopState=%s\nOftenIndex=5\n' "$1" >"$home/config/Kestrow/Tidewick.ini"
    TIDEWICK_NEWS_HOST=127.0.0.1:1 HOME=$home XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home/runtime \
        TEMP=$home/tmp QT_QPA_PLATFORM=$2 DBUS_SESSION_BUS_ADDRESS=disabled: "$build/src/tidewick" \
        >"$work/app.log" 2>&1 &
    app=$!
    sleep 3 # start-up, and with fetching on its first fetch
}

# measure WHAT: the wake-ups of the running program over the time set, of
# threads that came meanwhile too (a thread that ended meanwhile is missed).
measure() {
    local cpu0 cpu1 wakeups
    cpu0=$(cpu_of "$app")
    switches_of "$app" >"$work/before"
    sleep "$seconds"
    cpu1=$(cpu_of "$app")
    switches_of "$app" >"$work/after"
    wakeups=$(awk 'NR == FNR { before[$1] = $2; next } { n += $2 - before[$1] } END { print n + 0 }' \
        "$work/before" "$work/after")
    printf '  %-48s cpu %.2f s, %5.0f wake-ups a minute\n' "$1:" \
        "$(awk -v a="$cpu0" -v b="$cpu1" 'BEGIN { print b - a }')" \
        "$(awk -v n="$wakeups" -v s="$seconds" 'BEGIN { print n * 60 / s }')"
}

stop() {
    kill "$app"
    wait "$app" 2>/dev/null || true
    app=''
}

echo "== idle, all threads ($seconds s each)"
if command -v Xvfb >/dev/null && command -v openbox >/dev/null && command -v trayer >/dev/null; then
    . tests/desktop/virtual_desktop.sh
    start_virtual_desktop
    start On xcb
    measure "X11, automatic fetching on, window shown"
    main=$(xdotool search --all --pid "$app" --name '^Tidewick$' | head -n 1)
    [ -n "$main" ] || fail "no main window"
    xdotool windowminimize "$main"
    sleep 8 # the tray takes the window in, and its message (5 s) goes
    measure "X11, automatic fetching on, hidden in the tray"
    stop
else
    echo "  (no Xvfb, openbox or trayer: the X11 rows are left out)"
fi
start On offscreen
measure "offscreen, automatic fetching on"
stop
start Off offscreen
measure "offscreen, automatic fetching off"
stop
