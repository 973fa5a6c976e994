#!/usr/bin/env bash
# Runs the real program on a virtual X desktop with a window manager (openbox)
# and a system tray (trayer), and drives it as a user does: minimise it into the
# tray, bring it back with a left and a right click on the tray icon, start it
# a second time (the running copy shows its window), close it with Alt+F4,
# start it straight into the tray; then, with the tray gone, start it once
# more: it lives in the task bar until a tray comes, and comes back from the
# tray when the tray goes.
#
# Usage: real_desktop_test.sh BINARY
# With SCREENSHOT_DIR set, pictures of the desktop are saved there as
# desktop-window.png, desktop-balloon.png and desktop-tray.png.
# Exit status: 0 passed, 1 failed, 77 skipped (no virtual desktop tools).
set -uo pipefail
export LC_ALL=C

for tool in Xvfb openbox trayer xdotool; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: '$tool' is not installed (scripts/install-deps installs the desktop test tools)"
        exit 77
    fi
done
for tool in xwininfo xprop; do
    command -v "$tool" >/dev/null || { echo "FAIL: '$tool' is missing (package x11-utils)" >&2; exit 1; }
done
binary=${1:-}
if [ -z "$binary" ] || [ ! -x "$binary" ]; then
    echo "FAIL: usage: $0 BINARY (got '${binary}', which is not an executable file)" >&2
    exit 1
fi
binary=$(realpath "$binary")
have_imagemagick=false
command -v import >/dev/null && command -v convert >/dev/null && have_imagemagick=true
shots=${SCREENSHOT_DIR:-}
if [ -n "$shots" ]; then
    $have_imagemagick || { echo "FAIL: SCREENSHOT_DIR needs ImageMagick (import, convert)" >&2; exit 1; }
    mkdir -p "$shots" && shots=$(realpath "$shots")
fi

# --- A private world: display, home, configuration, runtime and temp folders --

work=$(mktemp -d "${TMPDIR:-/tmp}/tidewick-desktop-test.XXXXXX")
app='' second='' trayer_pid='' wm='' xvfb=''
cleanup() {
    local pid
    for pid in "$app" "$second" "$trayer_pid" "$wm" "$xvfb"; do
        [ -n "$pid" ] && kill "$pid" 2>/dev/null
    done
    for pid in "$app" "$trayer_pid" "$wm" "$xvfb"; do
        [ -n "$pid" ] && wait "$pid" 2>/dev/null
    done
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

mkdir -p "$work/home" "$work/config" "$work/runtime" "$work/temp"
chmod 0700 "$work/runtime"
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
export TEMP=$work/temp TMPDIR=$work/temp
# Without a bus, libdbus would start a session bus that outlives the test, and
# a StatusNotifier host on a bus would take the icon out of the XEmbed tray.
export DBUS_SESSION_BUS_ADDRESS=disabled:
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY XDG_SESSION_TYPE QT_STYLE_OVERRIDE QT_SCALE_FACTOR
settings=$XDG_CONFIG_HOME/Kestrow/Tidewick.ini
# Every process of a run carries this mark, so one left behind can be found
# whoever its parent became.
mark=$(basename "$work")

# --- Reporting -------------------------------------------------------------

failures=0
step() { echo "--- $*"; }
diagnose() {
    [ -n "${DISPLAY:-}" ] || return 0
    echo "Top-level windows:" >&2
    xwininfo -root -children 2>/dev/null | sed -n '/children:/,$p' | grep -v 'has no name' >&2
    if [ -n "$app" ]; then
        local w
        for w in $(app_windows); do
            echo "Window $w of the program: $(xwininfo -id "$w" 2>/dev/null | grep -E 'Map State|geometry' | tr -s ' \n' ' ')" >&2
        done
    fi
    xprop -root _NET_CLIENT_LIST >&2 2>/dev/null
    if [ -s "$work/app.log" ]; then
        echo "Program output:" >&2
        tail -n 30 "$work/app.log" >&2
    fi
}
# A fault after which the run goes on; the test fails at the end.
flaw() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
# A fault after which nothing further can be checked.
fail() {
    echo "FAIL: $*" >&2
    diagnose
    exit 1
}

# --- Time and polling --------------------------------------------------------

. "$(dirname "$0")/virtual_desktop.sh"

# holds MILLISECONDS COMMAND...: COMMAND stays true all that time.
holds() {
    local limit=$(($(now_ms) + $1))
    shift
    while "$@"; do
        (($(now_ms) >= limit)) && return 0
        sleep 0.1
    done
    return 1
}

# --- Looking at the desktop ------------------------------------------------

dec() { printf '%d' "$1"; }
map_state() { xwininfo -id "$1" 2>/dev/null | sed -n 's/^ *Map State: //p'; }
is_viewable() { [ "$(map_state "$1")" = IsViewable ]; }
is_unmapped() { [ "$(map_state "$1")" = IsUnMapped ]; }
window_exists() { xwininfo -id "$1" >/dev/null 2>&1; }
# xprop exits 0 also for a missing property: look at what it prints.
has_property() { xprop -id "$1" "$2" 2>/dev/null | grep -q "^$2("; }
parent_of() {
    local parent
    parent=$(xwininfo -id "$1" -children 2>/dev/null | sed -n 's/^ *Parent window id: \(0x[0-9a-fA-F]*\).*/\1/p')
    [ -n "$parent" ] && dec "$parent"
}
# geometry WINDOW: "x y width height" on the screen.
geometry() {
    xwininfo -id "$1" 2>/dev/null | awk -F: '
        /Absolute upper-left X/ { x = $2 } /Absolute upper-left Y/ { y = $2 }
        /^ *Width/ { w = $2 } /^ *Height/ { h = $2 }
        END { if (w != "") print x + 0, y + 0, w + 0, h + 0 }'
}
app_windows() { xdotool search --pid "$app" 2>/dev/null; }
# Windows the window manager manages (what a task bar lists), in decimal.
client_list() {
    xprop -root _NET_CLIENT_LIST 2>/dev/null | sed -n 's/.*# //p' | tr ',' '\n' | while read -r w; do
        [ -n "$w" ] && dec "$w" && echo
    done
}
# The program's windows that the window manager manages.
app_clients() {
    local w mine
    mine=" $(app_windows | tr '\n' ' ') "
    for w in $(client_list); do
        [[ $mine == *" $w "* ]] && echo "$w"
    done
}
# The main window: the program's managed window that is on the screen.
find_main() {
    local w
    for w in $(app_clients); do
        is_viewable "$w" && [ "$(xdotool getwindowname "$w" 2>/dev/null)" = Tidewick ] && echo "$w" && return 0
    done
    return 1
}
main_viewable() { is_viewable "$main"; }
main_focused() {
    [ "$(xdotool getactivewindow 2>/dev/null)" = "$main" ] && [ "$(xdotool getwindowfocus 2>/dev/null)" = "$main" ]
}
found_main() { main=$(find_main); }
main_unmapped() { is_unmapped "$main"; }
main_managed() { [[ " $(client_list | tr '\n' ' ') " == *" $main "* ]]; }
# The tray icon: a window of the program that the tray has embedded (it has
# _XEMBED_INFO, no WM_STATE, and its parent is not the root window). Qt puts
# _XEMBED_INFO on every top-level window, so that alone does not find it.
find_icon() {
    local w
    for w in $(app_windows); do
        [ "$w" = "${main:-}" ] && continue
        [ "$(parent_of "$w")" = "$root" ] && continue
        has_property "$w" _XEMBED_INFO || continue
        has_property "$w" WM_STATE && continue
        is_viewable "$w" || continue
        echo "$w"
        return 0
    done
    return 1
}
found_icon() { icon=$(find_icon); }
# The balloon: a small unmanaged top-level window of the program on the screen
# (bigger than a tool tip).
find_balloon() {
    local w x y bw bh
    for w in $(app_windows); do
        [ "$w" = "${main:-}" ] || [ "$w" = "${icon:-}" ] && continue
        [ "$(parent_of "$w")" = "$root" ] || continue
        is_viewable "$w" || continue
        read -r x y bw bh < <(geometry "$w") || continue
        ((bw >= 150 && bh >= 40 && bw < 800 && bh < 300)) || continue
        echo "$w"
        return 0
    done
    return 1
}
found_balloon() { balloon=$(find_balloon); }
no_balloon() { ! find_balloon >/dev/null; }
balloon_gone() { ! is_viewable "$balloon"; }
# Top-level windows on the screen at least about as big as the main window: an
# empty frame left behind by a hidden window shows up here.
big_windows() {
    local w x y bw bh
    xwininfo -root -children 2>/dev/null | grep -o '^ *0x[0-9a-fA-F]*' | while read -r w; do
        is_viewable "$w" || continue
        read -r x y bw bh < <(geometry "$w") || continue
        ((bw * 4 >= main_width * 3 && bh * 4 >= main_height * 3)) && echo "$(dec "$w") ${bw}x${bh}+${x}+${y}"
    done
}
hidden_cleanly() { main_unmapped && [ -z "$(big_windows)" ] && [ -z "$(app_clients)" ]; }
# A point of the icon that no balloon covers (the balloon's tip ends at it).
click_icon() {
    local x y w h cx cy bx by bw bh b
    read -r x y w h < <(geometry "$icon") || fail "the tray icon window $icon is gone"
    cx=$((x + w / 2)) cy=$((y + h / 2))
    if b=$(find_balloon) && read -r bx by bw bh < <(geometry "$b"); then
        if ((cx >= bx && cx < bx + bw && cy >= by && cy < by + bh)); then
            cy=$((by + bh > y + h - 2 ? y + h - 2 : by + bh + 1))
        fi
    fi
    xdotool mousemove "$cx" "$cy" click "$1"
    # Away from the icon, so that no tool tip comes up.
    xdotool mousemove 0 0
}

# --- Pictures ----------------------------------------------------------------

screenshot() { import -window root "$1" 2>/dev/null; }
# share_of_colour FILE X Y W H COLOUR: per cent of the area in that colour.
share_of_colour() {
    convert "$1" -crop "${4}x${5}+${2}+${3}" +repage -format %c histogram:info:- 2>/dev/null |
        awk -v colour="$6" '{ n = $1; sub(":", "", n); total += n; if (index(toupper($0), colour)) hit += n }
            END { print (total ? int(100 * hit / total) : 0) }'
}
save_shot() { # NAME [CROP]
    [ -n "$shots" ] || return 0
    local file=$shots/desktop-$1.png
    if [ -n "${2:-}" ]; then
        screenshot "$work/shot.png" && convert "$work/shot.png" -crop "$2" +repage "$file"
    else
        screenshot "$file"
    fi
    echo "saved $file"
}
main_painted() {
    screenshot "$work/paint.png" || return 1
    local x y w h
    read -r x y w h < <(geometry "$main") || return 1
    (($(share_of_colour "$work/paint.png" "$x" "$y" "$w" "$h" '#000000') < 50))
}

# --- The program's life ----------------------------------------------------

start_program() {
    : >"$work/app.log"
    env TIDEWICK_DESKTOP_TEST_RUN="$mark" "$binary" >>"$work/app.log" 2>&1 &
    app=$!
    main='' icon='' balloon=''
}
gone() {
    local state
    state=$(sed 's/.*) //' "/proc/$1/stat" 2>/dev/null | cut -d' ' -f1)
    [ -z "$state" ] || [ "$state" = Z ]
}
leftover_processes() {
    grep -lsz -- "^TIDEWICK_DESKTOP_TEST_RUN=$mark\$" /proc/[0-9]*/environ 2>/dev/null |
        sed 's#^/proc/\([0-9]*\)/environ$#\1#'
}
work_folders() { find "$TEMP" -mindepth 1 -maxdepth 1 -name 'tidewick-*' 2>/dev/null; }
check_work_folder() {
    local folders folder mode
    mapfile -t folders < <(work_folders)
    ((${#folders[@]} > 0)) || { flaw "the running program has no work folder tidewick-* in \$TEMP ($TEMP)"; return; }
    ((${#folders[@]} == 1)) || flaw "more than one work folder in \$TEMP: ${folders[*]}"
    for folder in "${folders[@]}"; do
        mode=$(stat -c %a "$folder")
        [ "$mode" = 700 ] || flaw "the work folder $folder has mode $mode, not 700 (others could enter it)"
    done
}
# Activates the main window and presses Alt+F4, which openbox turns into a
# close request: the program must end at once and leave nothing behind.
close_as_user() {
    xdotool mousemove 0 0
    timeout 10 xdotool windowactivate --sync "$main" || fail "could not activate the main window $main to close it"
    # Openbox closes the window it has focused; while the focus still moves,
    # the key would go nowhere.
    wait_until 5000 holds 300 main_focused ||
        fail "the main window $main did not keep the focus"
    # Now and then, on a busy machine, openbox drops the key while the focus
    # settles: the program never gets WM_DELETE_WINDOW. A user presses again.
    local start press
    for press in 1 2 3; do
        start=$(now_ms)
        xdotool key --clearmodifiers alt+F4
        wait_until 3000 gone "$app" && break
        # Closed, but not yet ended: the wait below judges that.
        is_viewable "$main" || break
        echo "note: Alt+F4 number $press did not close the window; pressing it again"
    done
    wait_until 7000 gone "$app" ||
        fail "the program (pid $app) still runs 7 s after Alt+F4 (pressed $press time(s)) on its main window"
    echo "the program ended $(($(now_ms) - start)) ms after Alt+F4"
    local status=0
    wait "$app" || status=$?
    local pid=$app
    app=''
    ((status == 0)) || flaw "the program ended with exit status $status after its window was closed, not 0"
    local folders left
    mapfile -t folders < <(work_folders)
    if ((${#folders[@]} > 0)); then
        flaw "the work folder is still in \$TEMP after the program ended: ${folders[*]}"
        rm -rf "${folders[@]}"
    fi
    mapfile -t left < <(leftover_processes)
    if ((${#left[@]} > 0)); then
        flaw "processes started by the program still run after it ended:" \
            "$(ps -o pid=,args= -p "$(IFS=,; echo "${left[*]}")" | tr -s '\n ' ' ')"
        kill "${left[@]}" 2>/dev/null
    fi
    ! window_exists "$icon" || flaw "the tray icon window $icon is still there after the program (pid $pid) ended"
}

# --- The desktop -------------------------------------------------------------

step "starting Xvfb, openbox and trayer"
start_virtual_desktop
root=$(dec "$(xwininfo -root | sed -n 's/.*Window id: \(0x[0-9a-fA-F]*\).*/\1/p')")

# --- First run: minimise into the tray and back ----------------------------

step "first run: the main window and the tray icon"
start_program
wait_until 30000 found_main ||
    fail "no main window titled 'Tidewick' became viewable within 30 s of the start"
read -r _ _ main_width main_height < <(geometry "$main")
echo "main window $main, ${main_width}x${main_height}"
wait_until 10000 found_icon ||
    fail "no tray icon: no window of the program with _XEMBED_INFO embedded by the tray"
[ "$icon" != "$main" ] || fail "the tray icon found is the main window"
echo "tray icon $icon at $(geometry "$icon")"
check_work_folder
if [ -n "$shots" ]; then
    wait_until 5000 main_painted || echo "note: the main window still looks unpainted"
    save_shot window
fi

step "first run: minimise into the tray"
xdotool windowminimize "$main"
wait_until 10000 main_unmapped ||
    fail "the main window is not unmapped after it was minimised: $(map_state "$main")"
wait_until 10000 found_balloon ||
    fail "no balloon 'has been minimized to the system tray' came up after the first minimise"
echo "balloon $balloon at $(geometry "$balloon")"
# Hiding goes through a state change that may map the window once more; what
# is left a moment later must be a cleanly hidden window.
if ! holds 1000 hidden_cleanly; then
    ghosts=$(big_windows)
    flaw "the minimised window did not stay hidden: main window $(map_state "$main");" \
        "managed windows of the program: '$(app_clients | tr '\n' ' ')'; large windows on the screen: '$ghosts'"
    diagnose
fi
if $have_imagemagick; then
    screenshot "$work/balloon.png" || fail "import could not take a screenshot"
    read -r bx by bw bh < <(geometry "$balloon")
    share=$(share_of_colour "$work/balloon.png" "$bx" "$by" "$bw" "$bh" '#FFFFE1')
    ((share >= 50)) || flaw "the balloon window $balloon is not the pale yellow tip (#FFFFE1 is $share% of it)"
    [ -z "$shots" ] || cp "$work/balloon.png" "$shots/desktop-balloon.png"
fi

step "first run: left click on the tray icon"
click_icon 1
wait_until 10000 main_viewable || fail "a left click on the tray icon did not bring the main window back"
wait_until 5000 main_managed || flaw "the restored main window is not managed by the window manager"

# The first balloon goes (the click on the icon takes it away), so that any
# balloon seen from here on is a new one.
wait_until 8000 balloon_gone || flaw "the balloon $balloon stayed up after the click on the tray icon"

step "first run: minimise again, this time without a balloon"
xdotool windowminimize "$main"
wait_until 10000 main_unmapped ||
    fail "the main window is not unmapped after the second minimise: $(map_state "$main")"
if ! holds 1500 no_balloon; then
    flaw "a balloon came up again on the second minimise of the run (it is shown once per run)"
fi
holds 500 hidden_cleanly || flaw "after the second minimise the window did not stay hidden: '$(big_windows)'"
save_shot tray "400x160+880+640"

step "first run: right click on the tray icon opens its menu; its first entry shows the window"
# The menu: a small unmanaged window of the program on the screen, beside the
# icon.
find_menu() {
    local w x y bw bh
    for w in $(app_windows); do
        [ "$w" = "${main:-}" ] || [ "$w" = "${icon:-}" ] && continue
        [ "$(parent_of "$w")" = "$root" ] && is_viewable "$w" || continue
        read -r x y bw bh < <(geometry "$w") || continue
        ((bw >= 60 && bh >= 40 && bw < 600 && bh < 300)) && echo "$w" && return 0
    done
    return 1
}
found_menu() { menu=$(find_menu); }
click_icon 3
wait_until 5000 found_menu || fail "a right click on the tray icon opened no menu"
echo "menu $menu at $(geometry "$menu")"
xdotool key Down Return
wait_until 10000 main_viewable || fail "the menu's \"Show Tidewick\" did not bring the main window back"

step "first run: minimise, then start the program a second time"
xdotool windowminimize "$main"
wait_until 10000 main_unmapped || fail "the main window is not unmapped after the third minimise"
env TIDEWICK_DESKTOP_TEST_RUN="$mark" "$binary" >>"$work/second.log" 2>&1 &
second=$!
wait_until 15000 gone "$second" || { kill "$second"; fail "the second start (pid $second) still runs after 15 s"; }
status=0
wait "$second" || status=$?
((status == 0)) || flaw "the second start ended with status $status, not 0: $(cat "$work/second.log")"
wait_until 10000 main_viewable || fail "the second start did not bring the running copy's window back"
[ -z "$(work_folders | sed -n 2p)" ] || flaw "the second start made a work folder of its own: $(work_folders)"

step "first run: close with Alt+F4"
close_as_user

# --- Log-outs: a desktop ends the program with SIGTERM ------------------------

step "log-outs: SIGTERM, with the tray icon up, ends the program cleanly twelve times in a row"
for attempt in $(seq 1 12); do
    start_program
    wait_until 30000 found_main || fail "log-out $attempt: no main window within 30 s of the start"
    wait_until 10000 found_icon || fail "log-out $attempt: no tray icon"
    # At different moments of the start: the crash this guards against came
    # once the tray had taken the icon in, now and then.
    sleep "0.$((attempt % 4 * 3))"
    kill -TERM "$app"
    wait_until 10000 gone "$app" || fail "log-out $attempt: the program still runs 10 s after SIGTERM"
    status=0
    wait "$app" || status=$?
    app=''
    ((status == 0)) || fail "log-out $attempt: the program ended with status $status after SIGTERM (a crash?):" \
        "$(tail -n 5 "$work/app.log")"
    [ -z "$(work_folders)" ] || fail "log-out $attempt: the work folder outlived the program: $(work_folders)"
done
echo "twelve log-outs ended with status 0"

step "the tray menu's Quit ends the program, three times in a row"
for attempt in 1 2 3; do
    start_program
    wait_until 30000 found_main || fail "quit $attempt: no main window within 30 s of the start"
    wait_until 10000 found_icon || fail "quit $attempt: no tray icon"
    click_icon 3
    wait_until 5000 found_menu || fail "quit $attempt: a right click on the tray icon opened no menu"
    xdotool key Up Return # the last entry
    wait_until 10000 gone "$app" || fail "quit $attempt: the program still runs 10 s after the menu's Quit"
    status=0
    wait "$app" || status=$?
    app=''
    ((status == 0)) || fail "quit $attempt: the program ended with status $status after the menu's Quit"
    [ -z "$(work_folders)" ] || fail "quit $attempt: the work folder outlived the program: $(work_folders)"
done

# --- Second run: started into the tray -------------------------------------

step "second run: started straight into the tray"
mkdir -p "$(dirname "$settings")"
# QSettings writes a space in a key as %20.
printf '[Tidewick]\nWindows%%20Startup=On\nMinimized=On\n' >"$settings"
start_program
shown_at_start() {
    local w x y bw bh
    for w in $(app_windows); do
        is_viewable "$w" || continue
        read -r x y bw bh < <(geometry "$w") || continue
        ((bw * 4 >= main_width * 3 && bh * 4 >= main_height * 3)) && return 0
    done
    [ -n "$(big_windows)" ]
}
# Until the balloon has come and gone by itself, the main window must never
# be on the screen.
balloon_seen='' shown_seen=false
watch_start() {
    if ! $shown_seen && shown_at_start; then
        shown_seen=true
        flaw "the main window came on the screen although the program starts minimised into the tray:" \
            "$(big_windows | tr '\n' ' ')"
    fi
    [ -n "$icon" ] || icon=$(find_icon) || return 1
    if [ -z "$balloon" ]; then
        balloon=$(find_balloon) || return 1
        balloon_seen=$(now_ms)
        echo "tray icon $icon, balloon $balloon at $(geometry "$balloon")"
        geometry "$balloon" >"$work/balloon-geometry"
        check_work_folder
    fi
    balloon_gone
}
wait_until 30000 watch_start ||
    fail "started into the tray: tray icon '${icon}', balloon '${balloon}' (both must come up within 30 s," \
        "and the balloon go after its 5 s)"
shown=$(($(now_ms) - balloon_seen))
echo "the balloon was seen for $shown ms"
((shown >= 3000)) || flaw "the balloon went after $shown ms, too soon for a tip shown for 5 s"
# The balloon's tip points at the icon it belongs to.
read -r ix iy iw ih < <(geometry "$icon")
read -r bx by bw bh <"$work/balloon-geometry"
icx=$((ix + iw / 2)) icy=$((iy + ih / 2))
dx=$((icx < bx ? bx - icx : icx >= bx + bw ? icx - bx - bw + 1 : 0))
dy=$((icy < by ? by - icy : icy >= by + bh ? icy - by - bh + 1 : 0))
((dx <= 40 && dy <= 40)) ||
    flaw "the balloon at ${bw}x${bh}+${bx}+${by} is far from the tray icon at ${iw}x${ih}+${ix}+${iy}" \
        "(it should point at the icon)"
# A window handed to the window manager, even minimised, is listed by a task
# bar, and activating it there maps a window that the program thinks hidden.
clients=$(app_clients)
if [ -n "$clients" ]; then
    details=''
    for w in $clients; do
        details+=" $w ($(map_state "$w"), $(xprop -id "$w" WM_STATE _NET_WM_STATE 2>/dev/null | tr -s '\t\n ' ' '))"
    done
    flaw "started into the tray, the window manager manages windows of the program:$details"
fi

step "second run: a click on the tray icon shows the window"
click_icon 1
wait_until 10000 found_main ||
    fail "started into the tray, a left click on the tray icon did not show the main window"

step "second run: close with Alt+F4"
close_as_user

# --- Third run: no tray ---------------------------------------------------------

step "third run: the tray goes away; a start minimised to the tray goes to the task bar"
kill "$trayer_pid" && wait "$trayer_pid" 2>/dev/null
trayer_pid=''
wm_state() { xprop -id "$1" WM_STATE 2>/dev/null | sed -n 's/^[[:space:]]*window state: //p'; }
# The main window listed by the window manager, minimised (iconic).
found_iconic() {
    local w
    for w in $(app_clients); do
        [ "$(xdotool getwindowname "$w" 2>/dev/null)" = Tidewick ] && [ "$(wm_state "$w")" = Iconic ] &&
            main=$w && return 0
    done
    return 1
}
main_iconic() { main_managed && [ "$(wm_state "$main")" = Iconic ]; }
hidden_in_tray() { ! main_managed && main_unmapped && found_icon; }
start_program
wait_until 30000 found_iconic ||
    fail "started with both options and no tray, no minimised main window is in the task bar: '$(app_clients)'"
holds 1500 no_balloon || flaw "without a tray, a balloon window came up at the start"
timeout 10 xdotool windowactivate --sync "$main" || flaw "the task bar could not bring back the window $main"
wait_until 5000 main_viewable || fail "the minimised window did not come back when activated"
xdotool windowminimize "$main"
wait_until 5000 main_iconic || fail "without a tray, a minimise did not leave the window iconic in the task bar"
holds 2500 main_iconic || flaw "without a tray, the minimised window did not stay in the task bar"
no_balloon || flaw "without a tray, the minimise showed a balloon window"

step "third run: a tray comes and takes the window in; it goes and the task bar has it again"
start_tray
wait_until 10000 hidden_in_tray || fail "the tray that came later did not take the minimised window in"
kill "$trayer_pid" && wait "$trayer_pid" 2>/dev/null
trayer_pid=''
wait_until 10000 main_iconic || fail "the tray went away, but the window did not come back to the task bar"
timeout 10 xdotool windowactivate --sync "$main" || flaw "could not activate the window $main"
wait_until 5000 main_viewable || fail "the window did not come back from the task bar"
close_as_user

if ((failures > 0)); then
    diagnose
    echo "FAILED: $failures check(s) failed" >&2
    exit 1
fi
echo "PASSED"
