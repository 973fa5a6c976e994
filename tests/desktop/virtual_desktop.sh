# Shared by the desktop tests (sourced, not run): polling with deadlines, and
# a virtual desktop of Xvfb, openbox and a trayer tray.
#
# The sourcing script defines fail MESSAGE (report and exit) and sets $work,
# a private folder for the logs.

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

# start_virtual_desktop: Xvfb on a free display (exported as DISPLAY), then
# openbox and trayer, each waited for. Sets $xvfb, $wm and $trayer_pid.
start_virtual_desktop() {
    start_display
    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    wm=$!
    wait_until 20000 _wm_ready ||
        fail "openbox did not start on $DISPLAY: $(cat "$work/openbox.log"); Xvfb: $(cat "$work/xvfb.log")"
    start_tray
}

# start_display: Xvfb alone on a free display (exported as DISPLAY). Sets $xvfb.
start_display() {
    # -noreset: otherwise Xvfb may reset when its first client disconnects.
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
    xvfb=$!
    wait_until 20000 _display_ready
    [ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    DISPLAY=:$(tr -d '\n' <"$work/display")
    export DISPLAY
}

# start_tray: trayer, a tray for the icon, waited for. Sets $trayer_pid.
start_tray() {
    trayer --edge bottom --align right --widthtype request --height 24 --SetDockType true \
        --transparent false >"$work/trayer.log" 2>&1 &
    trayer_pid=$!
    wait_until 20000 _tray_ready || fail "trayer did not start: $(cat "$work/trayer.log")"
}

_display_ready() { [ -s "$work/display" ] || ! kill -0 "$xvfb" 2>/dev/null; }
_wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
# The tray is ready once openbox manages trayer's panel.
_tray_ready() {
    local w
    for w in $(xdotool search --class trayer 2>/dev/null); do
        xwininfo -id "$w" 2>/dev/null | grep -q IsViewable &&
            xprop -id "$w" WM_STATE 2>/dev/null | grep -q '^WM_STATE(' && return 0
    done
    return 1
}
