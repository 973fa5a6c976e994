# shellcheck shell=bash
# Shared by scripts/run, scripts/test, scripts/fuzz and scripts/install-deps
# (sourced, not run): quiet steps whose output goes to a log that is shown
# only when they fail, progress lines for the long ones, and timing.

# The logs of the quiet steps.
tidewick_logs=${TIDEWICK_LOGS:-$PWD/build-logs}

# say TEXT...: a line for the person watching.
say() { printf '%s\n' "$*" >&2; }

# seconds_since START: whole seconds since START (a $SECONDS value).
seconds_since() { echo $((SECONDS - $1)); }

# log_path NAME: where a quiet step called NAME keeps its output.
log_path() {
    mkdir -p "$tidewick_logs"
    echo "$tidewick_logs/$1.log"
}

# show_failure LOG WHAT: the interesting end of a failed step's log.
show_failure() {
    local log=$1 what=$2
    say "--- $what failed; the end of $log:"
    # A build's first error is what matters; otherwise the last lines.
    if grep -q '^FAILED: ' "$log"; then
        sed -n '/^FAILED: /,$p' "$log" | head -n 80 >&2
    else
        tail -n 40 "$log" >&2
    fi
}

# quietly NAME COMMAND...: runs COMMAND with its output in the log NAME; shows
# that log when it fails and returns its status.
quietly() {
    local log status=0
    log=$(log_path "$1")
    shift
    "$@" >"$log" 2>&1 || status=$?
    [ "$status" -eq 0 ] || show_failure "$log" "$*"
    return "$status"
}

# progress LABEL: reads "DONE TOTAL [WHAT]" lines and shows how far LABEL (or
# WHAT, when a line names it) got: on a terminal one line updated in place,
# otherwise a line at each quarter and at least every 30 seconds.
progress() {
    local step total what label='' percent count quarter=0 last=$SECONDS said=-1 shown=false
    while read -r step total what; do
        [ "${total:-0}" -gt 0 ] 2>/dev/null || continue
        if [ "${what:-$1}" != "$label" ]; then
            label=${what:-$1} quarter=0
            if $shown; then printf '\r\033[K' >&2; fi
        fi
        percent=$((step * 100 / total))
        count=''
        [ -n "$what" ] || count=" ($step/$total)"
        if [ -t 2 ]; then
            printf '\r  %s: %3d%%%s' "$label" "$percent" "$count" >&2
            shown=true
        elif [ "$percent" -lt 100 ] && [ "$percent" -ne "$said" ] &&
            { [ $((percent / 25)) -gt "$quarter" ] || [ $((SECONDS - last)) -ge 30 ]; }; then
            quarter=$((percent / 25)) last=$SECONDS said=$percent
            printf '  %s: %d%%\n' "$label" "$percent" >&2
        fi
    done
    if $shown; then printf '\r\033[K' >&2; fi
}

# configure BUILD_DIR CMAKE_ARGS...: a quiet `cmake -S . -B BUILD_DIR ...`
# (log BUILD_DIR-configure).
configure() {
    local dir=$1
    shift
    quietly "$dir-configure" cmake -S . -B "$dir" "$@"
}

# build BUILD_DIR [ARGS...]: `cmake --build` with a progress line instead of a
# line per file; the whole output is in the log BUILD_DIR-build.
build() {
    local dir=$1 log status
    shift
    log=$(log_path "$dir-build")
    # Inside an `if` a failed build neither ends a `set -e` caller nor hides
    # behind the status of the last command of the pipe.
    if cmake --build "$dir" "$@" 2>&1 | tee "$log" | sed -un 's#^\[\([0-9]*\)/\([0-9]*\)\] .*#\1 \2#p' |
        progress "building $dir"; then
        status=${PIPESTATUS[0]}
    else
        status=${PIPESTATUS[0]}
    fi
    [ "$status" -eq 0 ] || show_failure "$log" "building $dir"
    return "$status"
}
