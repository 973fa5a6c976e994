#!/usr/bin/env bash
# Start-up to the first painted window: the program's window with its whole
# start-up against a bare window with the same kinds of controls (offscreen),
# with an empty history and with one of 10,000 articles; and a fetch run's
# look-ups in that history.
#
#     bench/startup.sh [BUILD_FOLDER]      (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/lib.sh
build=${1:-build}
export QT_QPA_PLATFORM=offscreen DBUS_SESSION_BUS_ADDRESS=disabled:
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home TEMP=$home XDG_RUNTIME_DIR=$home
program=("$build/bench/bench_startup" tidewick)
bare=("$build/bench/bench_startup" bare)
RUNS=${RUNS:-15} bench_compare "start-up to the first painted window" "at most 1.3" tidewick program bare bare
# The same with 10,000 articles in the history, which the window lists once
# it has been painted.
"$build/bench/bench_history" fill "$home/.local/share/Kestrow/Tidewick/history.sqlite" 10000
RUNS=${RUNS:-15} bench_compare "the same, 10,000 articles in the history" "at most 1.3" tidewick program bare bare
echo "== a fetch run's look-ups in a history of 10,000 articles"
"$build/bench/bench_history" lookups "$home/.local/share/Kestrow/Tidewick/history.sqlite"
