#!/usr/bin/env bash
# A user's journey with the installed program on a private desktop: Xvfb, a
# window manager (openbox), a tray (trayer), a D-Bus session with the
# accessibility bus, the local news service, the real curl and ansifilter.
# user_journey.py drives the program only through AT-SPI and xdotool.
#
# Usage: user_journey_test.sh BUILD_DIR NEWS_HOST [wayland]
# BUILD_DIR is installed into a temporary prefix; NEWS_HOST is the host the
# build queries (TIDEWICK_NEWS_HOST): it must be localhost:PORT or
# 127.0.0.1:PORT, where the local news service is started.
# With "wayland" the journey is wayland_journey.py instead: the program under
# a headless Wayland compositor (weston), its balloons as desktop
# notifications of a real notification server (dunst, which draws on Xvfb).
# With SCREENSHOT_DIR set, pictures are saved there as journey-*.png. On a
# failure a picture of the desktop is left as user_journey-failure.png in the
# current folder.
# Exit status: 0 passed, 1 failed, 77 skipped (a needed tool is missing, or the
# build queries another host).
set -uo pipefail
export LC_ALL=C.UTF-8 LANG=C.UTF-8
# The helper modules are imported from the source tree: leave no caches there.
export PYTHONDONTWRITEBYTECODE=1

here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(cd "$here/../.." && pwd)
build=${1:-}
news_host=${2:-}
world=${3:-x11}
python=/usr/bin/python3

skip() {
    echo "SKIP: $*"
    exit 77
}
for tool in Xvfb openbox trayer xdotool xwininfo xprop dbus-run-session dbus-update-activation-environment \
    curl ansifilter cmake; do
    command -v "$tool" >/dev/null || skip "'$tool' is not installed (scripts/install-deps installs it)"
done
if [ "$world" = wayland ]; then
    for tool in weston dunst dunstctl; do
        command -v "$tool" >/dev/null || skip "'$tool' is not installed (scripts/install-deps installs it)"
    done
    qt_plugins=$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null || echo /usr/lib/x86_64-linux-gnu/qt6/plugins)
    [ -e "$qt_plugins/platforms/libqwayland-generic.so" ] || skip "Qt's Wayland platform is missing (package qt6-wayland)"
fi
if ! "$python" -c 'import pyatspi' 2>/dev/null; then
    skip "Debian's $python with pyatspi is missing (package python3-pyatspi)"
fi
[ -x /usr/libexec/at-spi-bus-launcher ] || skip "the accessibility bus is missing (package at-spi2-core)"
if [[ $news_host =~ ^(localhost|127\.0\.0\.1):([0-9]+)$ ]]; then
    port=${BASH_REMATCH[2]}
else
    skip "the build queries '$news_host', not the local news service on localhost:PORT"
fi
if [ -z "$build" ] || [ ! -f "$build/CMakeCache.txt" ]; then
    echo "FAIL: usage: $0 BUILD_DIR NEWS_HOST (got '$build', which is no build folder)" >&2
    exit 1
fi
# The news host is compiled in. In a network namespace of its own the run
# serves that very port: it neither finds the port taken by another copy of
# the service (scripts/run's, say) nor answers requests of other programs on
# the machine. Without the right to make one (TIDEWICK_JOURNEY_NETNS=shared
# asks for that case), the loopback is shared: the service listens on a free
# port and curl's configuration sends the program's requests there.
if [ -z "${TIDEWICK_JOURNEY_NETNS:-}" ]; then
    if command -v unshare >/dev/null && command -v ip >/dev/null; then
        for flags in -n -rn; do
            if unshare "$flags" true 2>/dev/null; then
                # shellcheck disable=SC2016 # expanded by the inner shell
                TIDEWICK_JOURNEY_NETNS=private exec unshare "$flags" bash -c 'ip link set lo up && exec "$0" "$@"' "$0" "$@"
            fi
        done
        echo "note: no private network namespace (unshare -n is not allowed): the loopback is shared"
    else
        echo "note: no private network namespace (unshare or ip is missing): the loopback is shared"
    fi
fi
[ "${TIDEWICK_JOURNEY_NETNS:-}" = private ] && listen_port=$port || listen_port=0
shots=${SCREENSHOT_DIR:-}
if [ -n "$shots" ]; then
    if ! command -v import >/dev/null || ! command -v convert >/dev/null; then
        echo "FAIL: SCREENSHOT_DIR needs ImageMagick (import, convert)" >&2
        exit 1
    fi
    mkdir -p "$shots" && shots=$(realpath "$shots")
fi
failure_dir=$(pwd)

# --- A private world -----------------------------------------------------------

work=$(mktemp -d "${TMPDIR:-/tmp}/tidewick-journey.XXXXXX")
news='' trayer_pid='' wm='' xvfb='' compositor=''
# The accessibility services started by the session bus carry this mark, so
# any left behind can be found whoever their parent became.
world_mark=$(basename "$work")
world_processes() {
    grep -lsz -- "^TIDEWICK_JOURNEY_WORLD=$world_mark\$" /proc/[0-9]*/environ 2>/dev/null |
        sed 's#^/proc/\([0-9]*\)/environ$#\1#' | grep -vx "$$"
}
world_gone_now() { [ -z "$(world_processes)" ]; }
cleanup() {
    local pid
    # weston's own clients (its panel, its keyboard) would outlive it; it
    # reaps them as they end.
    if [ -n "$compositor" ] && pkill -P "$compositor" 2>/dev/null; then
        wait_until 3000 eval '! pgrep -P "$compositor" >/dev/null'
    fi
    for pid in $news $trayer_pid $wm $compositor $xvfb; do kill "$pid" 2>/dev/null; done
    for pid in $news $trayer_pid $wm $compositor $xvfb; do wait "$pid" 2>/dev/null; done
    for pid in $(world_processes); do kill "$pid" 2>/dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

mkdir -p "$work/home" "$work/config" "$work/runtime" "$work/temp" "$work/journey"
chmod 0700 "$work/runtime"
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime XDG_CACHE_HOME=$work/home/.cache
# The program's work folder goes under TMPDIR; TEMP would take precedence.
export TMPDIR=$work/temp
unset TEMP
# Without this Qt never joins the accessibility bus.
export GSETTINGS_BACKEND=memory QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# The browser: a stand-in xdg-open first on PATH that writes down each link.
mkdir -p "$work/bin"
export TIDEWICK_JOURNEY_OPENED=$work/opened.txt
printf '#!/bin/sh\nprintf "%%s\\n" "$@" >>"%s"\n' "$TIDEWICK_JOURNEY_OPENED" >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
export PATH=$work/bin:$PATH
unset WAYLAND_DISPLAY XDG_SESSION_TYPE QT_STYLE_OVERRIDE QT_SCALE_FACTOR QT_QPA_PLATFORMTHEME DBUS_SESSION_BUS_ADDRESS CURL_HOME TIDEWICK_NEWS_HOST

. "$here/virtual_desktop.sh"
. "$here/../support/sealed_bus.sh"
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

echo "--- installing $build into a temporary prefix"
cmake --install "$build" --prefix "$work/prefix" >"$work/install.log" 2>&1 ||
    fail "cmake --install failed: $(cat "$work/install.log")"
binary=$work/prefix/bin/tidewick
[ -x "$binary" ] || fail "the install put no program at $binary: $(cat "$work/install.log")"

articles=$source_dir/tools/news_data/articles.json
if [ "$world" = wayland ]; then
    # Two of the sample keywords find one article each, one with the
    # characters a notification server would read as markup.
    articles=$work/articles.json
    cat >"$articles" <<'EOF'
{"articles": [
 {"country": "us", "category": "business", "source": "Volt Wire", "title": "Tesla opens R&D lab for <beta> cells",
  "description": "Cells & packs.", "url": "http://news.localhost/s/T1", "published": "2024-05-14T09:30:00-04:00",
  "zone": "EDT"},
 {"country": "us", "category": "science", "source": "Orbital Post", "title": "Perseverance finds layered rock",
  "description": "A new core.", "url": "http://news.localhost/s/P1", "published": "2024-05-15T09:30:00-04:00",
  "zone": "EDT"}]}
EOF
fi
# One article an answer keeps the fetches short: each article is announced in
# a balloon that the program waits for.
"$python" "$source_dir/tools/news_service.py" --host 127.0.0.1 --port "$listen_port" --port-file "$work/news.port" \
    --log "$work/news.jsonl" --max-articles 1 --data "$articles" >"$work/news.log" 2>&1 &
news=$!
news_ready() { [ -s "$work/news.port" ] || ! kill -0 "$news" 2>/dev/null; }
wait_until 10000 news_ready
if [ ! -s "$work/news.port" ]; then
    fail "the news service could not listen on 127.0.0.1:$listen_port (is the port taken? $(ss -ltnp 2>/dev/null |
        grep -E "[:.]$listen_port\b" | tr -s ' ' | head -n 3)): $(cat "$work/news.log")"
fi
served=$(cat "$work/news.port")
if [ "$served" != "$port" ]; then
    # The program is told the port the service got (curl reads no
    # configuration file that could send it there).
    export TIDEWICK_NEWS_HOST=localhost:$served
    port=$served
fi
echo "--- the news service serves $news_host on 127.0.0.1:$served"

if [ "$world" = wayland ]; then
    # A sanitizer build's leak check runs when the program ends: Qt's Wayland
    # libraries leave allocations that it reports (some from libraries already
    # unloaded by then, which no suppression can name).
    export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0
    echo "--- starting weston (headless) and, for the notification server, Xvfb"
    start_display
    export WAYLAND_DISPLAY=wayland-tidewick
    weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --idle-time=0 >"$work/weston.log" 2>&1 &
    compositor=$!
    compositor_ready() { [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] || ! kill -0 "$compositor" 2>/dev/null; }
    wait_until 20000 compositor_ready
    [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] || fail "weston did not start: $(cat "$work/weston.log")"
    status=0
    # The bus starts nothing: dunst is started here, and the program's
    # question for the desktop portal finds none.
    TIDEWICK_JOURNEY_WORLD=$world_mark dbus-run-session --config-file="$(sealed_bus_config "$work" org.a11y.Bus)" -- bash -c \
        'dbus-update-activation-environment DISPLAY \
        WAYLAND_DISPLAY && { dunst >"$0/dunst.log" 2>&1 & } && until dbus-send --print-reply=literal \
        --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner string:org.freedesktop.Notifications |
        grep -q true; do sleep 0.1; done && exec "$@"' "$work" \
        "$python" "$here/wayland_journey.py" --binary "$binary" --work "$work/journey" \
        --news-log "$work/news.jsonl" \
        --expect '["Tesla opens R&D lab for <beta> cells", "Perseverance finds layered rock"]' || status=$?
    wait_until 5000 world_gone_now || echo "note: services outlived the session bus: $(world_processes | tr '\n' ' ')"
    exit "$status"
fi

echo "--- starting Xvfb, openbox and trayer"
start_virtual_desktop

echo "--- the journey, in a D-Bus session with the accessibility bus"
# Without DISPLAY in the bus's activation environment the accessibility bus
# comes up without it, and synthesized mouse and key events do nothing. This
# desktop has no notification server (the balloons are the tray's), so the
# bus starts nothing on demand but the accessibility bus, even where a
# notification server is installed.
bus_config=$(sealed_bus_config "$work" org.a11y.Bus) ||
    fail "the accessibility bus has no D-Bus service file (package at-spi2-core)"
status=0
TIDEWICK_JOURNEY_WORLD=$world_mark dbus-run-session --config-file="$bus_config" -- bash -c \
    'dbus-update-activation-environment DISPLAY &&
    exec "$@"' journey \
    "$python" "$here/user_journey.py" --binary "$binary" --work "$work/journey" --port "$port" \
    --news-log "$work/news.jsonl" --articles "$source_dir/tools/news_data/articles.json" \
    --screenshots "$shots" --failure-dir "$failure_dir" || status=$?

# The session bus ends with dbus-run-session; the accessibility services it
# started follow it.
if ! wait_until 5000 world_gone_now; then
    echo "note: accessibility services outlived the session bus: $(world_processes | tr '\n' ' ')"
fi
exit "$status"
