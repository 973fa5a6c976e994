# Shared by the shell scripts of the desktop tests and benchmarks (sourced,
# not run): polling with deadlines, and a virtual desktop of Xvfb, openbox
# and a trayer tray, which x11_desktop.py starts.
#
# The sourcing script defines fail MESSAGE (report and exit) and sets $work,
# a private folder for the logs.

_virtual_desktop_here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

now_ms() {
    local t=${EPOCHREALTIME//[.,]/}
    echo $((10#$t / 1000))
}
# wait_until MILLISECONDS COMMAND...: polls until COMMAND succeeds.
wait_until() {
    local limit=$(($(now_ms) + $1))
    shift
    until "$@"; do
        (($(now_ms) >= limit)) && return 1
        sleep 0.1
    done
}

# _virtual_desktop [--display-only]: starts the desktop and sets DISPLAY
# (exported), $xvfb, $wm and $trayer_pid.
_virtual_desktop() {
    local assignments
    assignments=$(/usr/bin/python3 "$_virtual_desktop_here/x11_desktop.py" --work "$work" "$@") ||
        fail "the virtual desktop did not start: $(tail -n 5 "$work"/*.log 2>/dev/null)"
    eval "$assignments"
    export DISPLAY
}

# start_virtual_desktop: Xvfb on a free display, then openbox and trayer.
start_virtual_desktop() { _virtual_desktop; }
# start_display: Xvfb alone.
start_display() { _virtual_desktop --display-only; }
