"""The installed program in real sessions of the common Linux desktops.

A row of DESKTOPS says how a desktop starts (Debian's packages, a private
session bus, home and runtime folders of its own) and how a user closes or
clicks a notification there, minimises the window and clicks the tray icon.
The same checks run on each, every one from the window shown and in front:
window (appears, matches the desktop entry; on GNOME its own title bar), notifications (from the
desktop's own service; the next article about 2 s after a user's close),
show (the notification's "Show" raises the minimised window), second start
(with a launcher's token, raises it), tray (a click restores the minimised
window; on Plasma a virtual pointer's click on the panel's own icon, and ten
single clicks of one on GNOME), cycles (20 minimise/restore cycles
through the tray, X11), box (a message box belongs to the window and sits centred over it, or
inside it where the desktop draws no frames; Wayland), dark (the
desktop's dark scheme gives a dark window, and a switch back to light while it runs a light one; the pictures go
to build-logs/desktops/).

Usage: real_desktops.py --binary PROGRAM [--only NAME,...]; exit status 0
unless a check failed. A desktop that cannot run here is skipped with why.
"""
import argparse, json, os, pwd, re, shlex, shutil, signal, socket, struct, subprocess, sys, tempfile, time  # noqa: E401
from pathlib import Path

HERE = Path(__file__).resolve().parent
APP_ID, TITLE, PAUSE = "com.kestrow.Tidewick", "Tidewick", 2.0
CHECKS = ["window", "notifications", "show", "second start", "tray", "cycles", "box", "dark"]
SHOTS = HERE.parent.parent / "build-logs/desktops"
EVAL = "gdbus call --session --dest org.gnome.Shell --object-path /org/gnome/Shell --method org.gnome.Shell.Eval "
BANNER = "Main.messageTray._notification"
POPUP = "xdotool search --onlyvisible --class %s mousemove --window %%1 20 20 click 1 mousemove 0 0"
KDE = {"XDG_CURRENT_DESKTOP": "KDE", "KDE_FULL_SESSION": "true", "KDE_SESSION_VERSION": "5"}
TRAYER = "trayer --edge bottom --align right --widthtype request --height 24 --SetDockType true --transparent false"
# A notification service: its name, and shell commands that succeed while one is on the screen, close it and
# take its default action ("Show") as a user does.
DUNST = ("dunst", '[ "$(dunstctl count displayed)" != 0 ]', "dunstctl close", "dunstctl action 0")
# A user's click on an actor of the shell (a quarter down it): a virtual pointer, so that the shell sees a real
# event with its time.
CLICK = ("const C = imports.gi.Clutter, b = %s, t = imports.gi.GLib.get_monotonic_time(); "
         "const [x, y] = b.get_transformed_position(), [w, h] = b.get_transformed_size(); "
         "const d = C.get_default_backend().get_default_seat()"
         ".create_virtual_device(C.InputDeviceType.POINTER_DEVICE); "
         "d.notify_absolute_motion(t, x + w / 2, y + h / 4); "
         "d.notify_button(t + 1000, C.BUTTON_PRIMARY, C.ButtonState.PRESSED); "
         "d.notify_button(t + 2000, C.BUTTON_PRIMARY, C.ButtonState.RELEASED)")
CLICK_BANNER = CLICK % "Main.messageTray._banner"
# The keys' codes (Linux input event codes) of the letters, Enter and the keypad's Enter.
KEYS = dict(zip("qwertyuiop", range(16, 26)), **dict(zip("asdfghjkl", range(30, 39))),
            **dict(zip("zxcvbnm", range(44, 51))))
RETURN, KEYPAD_ENTER = 28, 96
# A dark colour scheme as each desktop keeps it, and the command that turns it light while the program runs.
BREEZE = {"Window": ("49,54,59", "239,240,241"), "View": ("35,38,41", "252,252,252"),
          "Button": ("49,54,59", "252,252,252")}
KDE_DARK = "[General]\nColorScheme=BreezeDark\n" + "".join(
    "[Colors:%s]\nBackgroundNormal=%s\nForegroundNormal=%s\n" % (group, *colours) for group, colours in BREEZE.items())
KDE_LIGHT = "plasma-apply-colorscheme BreezeLight"  # as the colour settings do
PORTAL_SCHEME = ("gdbus call --session --dest org.freedesktop.portal.Desktop --object-path /org/freedesktop/portal/desktop"
                 " --method org.freedesktop.portal.Settings.Read org.freedesktop.appearance color-scheme")
GNOME_DARK = "[org/gnome/desktop/interface]\ncolor-scheme='prefer-dark'\n"
XFCE_DARK = ('<?xml version="1.0" encoding="UTF-8"?>\n<channel name="xsettings" version="1.0">\n<property name="Net" '
             'type="empty">\n<property name="ThemeName" type="string" value="Adwaita-dark"/>\n</property>\n</channel>\n')
# The AppIndicator extension's icons in the top bar.
INDICATORS = ("Object.keys(Main.panel.statusArea).filter(k => k.startsWith('appindicator'))"
              ".map(k => Main.panel.statusArea[k])")
DESKTOPS = [
    # x11: the pieces of the virtual X desktop the session starts with (a window manager of its own: kwin).
    dict(name="openbox", x11=["openbox", "tray"], session=["dunst"], notifier=DUNST, tray="xembed"),
    dict(name="xfce", x11=[], session=["xfce4-session", "/usr/lib/x86_64-linux-gnu/xfce4/notifyd/"
                                                    "xfce4-notifyd"], env={"XDG_CURRENT_DESKTOP": "XFCE"},
         files={"xfce4/xfconf/xfce-perchannel-xml/xfce4-panel.xml": Path("/etc/xdg/xfce4/panel/default.xml"),
                "xfce4/xfconf/xfce-perchannel-xml/xsettings.xml": XFCE_DARK},
         light="xfconf-query -c xsettings -p /Net/ThemeName -s Adwaita",  # as its Appearance settings do
         notifier=("Xfce Notify Daemon", "xdotool search --onlyvisible --class xfce4-notifyd",
                   POPUP % "xfce4-notifyd", "atspi xfce4-notifyd"), tray="sni"),
    dict(name="kwin-x11", x11=["kwin", "tray"], session=["dunst"], env=KDE, notifier=DUNST, tray="xembed",
         files={"kdeglobals": KDE_DARK}, light=KDE_LIGHT),
    dict(name="lxqt", x11=[], session=["startlxqt"],
         env={"XDG_CURRENT_DESKTOP": "LXQt"},
         files={"lxqt/session.conf": "[General]\nwindow_manager=openbox\n"},
         notifier=("lxqt-notificationd", "xdotool search --onlyvisible --class lxqt-notificationd",
                   POPUP % "lxqt-notificationd", POPUP % "lxqt-notificationd"), tray="sni"),
    dict(name="sway", user="tidewick-desktop", session=["sway", "mako"], wm="sway", tray="sni",
         env={"XDG_CURRENT_DESKTOP": "sway", "WLR_BACKENDS": "headless", "WLR_LIBINPUT_NO_DEVICES": "1",
              "WLR_RENDERER": "pixman"},
         files={"sway/config": "output HEADLESS-1 resolution 1280x800 scale 1.5\nbar swaybar_command waybar\n",
                "waybar/config": '{"position": "bottom", "height": 26, "modules-right": ["tray"]}'},
         notifier=("mako", "makoctl list | grep -q summary", "makoctl dismiss", "makoctl invoke"),
         no_show="mako 1.7 hands over no activation token, and without one sway raises no window",
         open="not proven yet: with no input device here the launcher never has the focus that a token needs"),
    # The tray's icon is found through plasmashell's accessibility and clicked through KWin's fake input.
    dict(name="plasma-wayland", wm="kwin", tray="sni", pointer="kwin",
         files={"kwinrc": "[Compositing]\nEnabled=false\n", "kdeglobals": KDE_DARK}, light=KDE_LIGHT,
         session=["kwin_wayland --virtual --width 1280 --height 800 --no-lockscreen --socket wayland-1", "kded5",
                  "QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 plasmashell --no-respawn"],
         env=dict(KDE, QT_QPA_PLATFORM="wayland"),
         notifier=("Plasma", None, None, None)),
    GNOME := dict(name="gnome", system_bus=True, wm="gnome", tray=None,
         env={"XDG_CURRENT_DESKTOP": "GNOME", "GSETTINGS_BACKEND": "keyfile"},
         files={"glib-2.0/settings/keyfile": GNOME_DARK},
         light="gsettings set org.gnome.desktop.interface color-scheme default",
         session=["gnome-shell --headless --wayland --no-x11 --virtual-monitor 1280x800 --unsafe-mode"],
         # Out of the overview, where a session starts, and past the shell's own banner (no screen lock here).
         ready=EVAL + "'Main.overview.hide(); Main.messageTray._notificationQueue.concat(%s).forEach(n => n && "
                      "n.destroy())'" % BANNER,
         notifier=("gnome-shell", EVAL + "'%s?.source.title == \"Tidewick\"' | grep -q \"'true'\"" % BANNER,
                   EVAL + "'%s.destroy(2)'" % BANNER, EVAL + "'%s'" % CLICK_BANNER)),
    dict(GNOME, name="gnome-appindicator", tray="sni",
         click_icon=(EVAL + "\"%s\"" % (CLICK % (INDICATORS + "[0]")), EVAL + "\"%s.forEach(i => i.menu.close())\""
                     % INDICATORS),
         files={"glib-2.0/settings/keyfile": GNOME_DARK + "[org/gnome/shell]\n"
                "enabled-extensions=['ubuntu-appindicators@ubuntu.com']\n"}),
]
# The program's windows as the compositor has them: title, the title of the window each belongs to, frame.
FRAMES = {
    "gnome": EVAL + "\"global.get_window_actors().map(a => a.meta_window).filter(w => w.get_wm_class() == '%s')"
                    ".map(w => [w.get_title(), w.get_transient_for()?.get_title() ?? '', w.get_frame_rect().x, "
                    "w.get_frame_rect().y, w.get_frame_rect().width, w.get_frame_rect().height])\"" % APP_ID,
    "kwin": "print('FRAMES ' + JSON.stringify(workspace.clientList().filter(c => c.desktopFileName == '%s').map(c => "
            "[c.caption, c.transientFor ? c.transientFor.caption : '', c.frameGeometry.x, c.frameGeometry.y, "
            "c.frameGeometry.width, c.frameGeometry.height])));" % APP_ID,
}
SHELL_WINDOW = "global.get_window_actors().map(a => a.meta_window).filter(w => w.get_wm_class() == '%s')" \
               % APP_ID
KWIN_SCRIPT = "workspace.clientList().forEach(c => { if (c.desktopFileName == '%s') %%s; });" % APP_ID
# The window manager's own minimise and focus, with {pid} and {work} filled in.
WINDOW_MANAGERS = {
    "x11": ("xdotool windowminimize {window}", "xdotool windowactivate {window}"),
    "kwin": (KWIN_SCRIPT % "c.minimized = true", KWIN_SCRIPT % "workspace.activeClient = c"),
    "gnome": (EVAL + '"%s.forEach(w => w.minimize())"' % SHELL_WINDOW,
              EVAL + '"%s.forEach(w => w.activate(global.get_current_time()))"' % SHELL_WINDOW),
    "sway": ("swaymsg '[app_id=%s] move to workspace 2; workspace 1'" % APP_ID, "swaymsg '[app_id=%s] focus'" % APP_ID),
}
# A launcher: a window that has the focus asks the compositor for a token, and keeps the focus a while.
TOKEN = """import gi; gi.require_version('Gtk', '4.0'); from gi.repository import Gtk, Gio, GLib
def ask(window):
    if not window.is_active(): return True
    print(window.get_display().get_app_launch_context().get_startup_notify_id(
        Gio.AppInfo.create_from_commandline('tidewick', None, 0), []), flush=True)
    GLib.timeout_add(5000, app.quit)
app = Gtk.Application()
GLib.timeout_add(10000, app.quit)
app.connect('activate', lambda app: GLib.timeout_add(100, ask, Gtk.ApplicationWindow(application=app, visible=True)))
app.run()"""


class Skip(Exception):
    pass


def sh(command, **kwargs):
    result = subprocess.run(command, shell=True, capture_output=True, text=True, timeout=20, **kwargs)
    return result.returncode == 0 and (result.stdout or "ok")


class Desktop:
    def __init__(self, row, binary, work):
        self.row, self.binary, self.work, self.env = row, binary, work, os.environ
        self.wm, self.fetching = WINDOW_MANAGERS[row.get("wm", "x11")], False

    def spawn(self, command, **env):
        argv = shlex.split(command)
        while "=" in argv[0]:  # NAME=value before the command, as in a shell
            env.update([argv.pop(0).split("=", 1)])
        if argv[0] == "kwin_wayland":  # a copy drops the file capability that containers refuse
            argv[0] = shutil.copy(shutil.which(argv[0]), self.work / "kwin_wayland")
        log = open(self.work / (Path(argv[0]).name + ".log"), "ab")
        return subprocess.Popen(argv, env=dict(self.env, **env), stdout=log, stderr=log, stdin=subprocess.DEVNULL)

    def start(self):
        env, row = self.env, self.row
        env.update(row.get("env", {}), PATH="%s:%s" % (Path(self.binary).parent, env["PATH"]),
                   XDG_DATA_DIRS="%s/share:/usr/share" % Path(self.binary).parent.parent)
        for name, text in row.get("files", {}).items():
            (Path(env["XDG_CONFIG_HOME"]) / name).parent.mkdir(parents=True, exist_ok=True)
            (Path(env["XDG_CONFIG_HOME"]) / name).write_text(text if isinstance(text, str) else text.read_text())
        if "x11" in row:
            self.start_x11(row["x11"])
        if row.get("system_bus"):  # GNOME Shell asks logind on the system bus: a private stand-in
            env["DBUS_SYSTEM_BUS_ADDRESS"] = "unix:path=%s/system_bus" % self.work
            self.spawn("dbus-daemon --session --nofork --address=" + env["DBUS_SYSTEM_BUS_ADDRESS"])
        sh("dbus-update-activation-environment --all")
        commands = list(row["session"])
        if row.get("pointer") == "kwin":  # before KWin starts: it reads the entries once
            allow_fake_input(env)
        if "x11" not in row:
            self.spawn(commands.pop(0))
            runtime = Path(env["XDG_RUNTIME_DIR"])
            env["WAYLAND_DISPLAY"] = wait_for("the compositor", lambda: [p.name for p in runtime.glob("wayland-*")
                                                                          if p.is_socket()], 40)[0]
            env.update(SWAYSOCK=" ".join(str(p) for p in runtime.glob("sway-ipc.*.sock")))  # sway's own commands
            sh("dbus-update-activation-environment WAYLAND_DISPLAY")
        for command in commands:
            self.spawn(command)
        wait_for("the notification service", lambda: bus_has("org.freedesktop.Notifications"), 40)
        if "x11" in row:
            wait_for("the window manager", lambda: sh("xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'"), 30)
        if row["tray"] == "sni":
            wait_for("the StatusNotifier tray", lambda: bus_has("org.kde.StatusNotifierWatcher"), 40)
        time.sleep(2)  # panels settle their layout
        sh(row.get("ready", "true"))

    def start_x11(self, pieces):
        from x11_desktop import VirtualDesktop
        desktop = VirtualDesktop(self.work).start_display()
        if "openbox" in pieces:
            desktop.start_window_manager()
        if "kwin" in pieces:
            self.spawn("kwin_x11 --replace")
            wait_for("KWin", lambda: sh("xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'"), 30)
        if "tray" in pieces:
            desktop.start_tray()

    def start_program(self):
        from atspi_app import AtspiApp
        self.app = self.spawn("tidewick", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", TIDEWICK_NEWS_HOST="localhost:"
                              + self.port, QT_QPA_PLATFORM="xcb" if "x11" in self.row else "wayland")
        self.atspi = AtspiApp(self.app.pid)
        self.atspi.wait_until_running(30)
        self.window = wait_for("the window", lambda: self.atspi.main_window(TITLE), 30)

    def window_manager(self, which):
        command = self.wm[which].replace("{window}", str("x11" in self.row and self.x11_window()))
        return self.kwin_script(command) if self.row.get("wm") == "kwin" else sh(command)

    def kwin_script(self, text):
        (self.work / "kwin.js").write_text(text)
        kwin = "gdbus call --session --dest org.kde.KWin --object-path /Scripting --method org.kde.kwin.Scripting."
        return sh(kwin + "loadScript %s w%d" % (self.work / "kwin.js", time.monotonic_ns())) and sh(kwin + "start")

    def x11_window(self):
        from x11_desktop import ProgramWindows
        if not getattr(self, "main", None):  # the same X window from start to end
            self.main = wait_for("the window on the X screen", lambda: ProgramWindows(self.app.pid).find_main(TITLE), 10)
        return self.main

    def active(self):
        """What the user sees as the active window: the window manager's on X11, the program's on Wayland."""
        if "x11" in self.row:
            from x11_desktop import is_viewable
            active = re.findall(r"0x[0-9a-f]+", sh("xprop -root _NET_ACTIVE_WINDOW") or "")
            return active[:1] == ["%#x" % self.x11_window()] and is_viewable(self.main)
        import pyatspi
        return self.window.getState().contains(pyatspi.STATE_ACTIVE)

    def fetch(self):
        from atspi_app import child, press
        press(child(self.window, "push button", "News Fetch Now (Test)"))
        self.fetching, shown = True, self.row["notifier"][1]
        wait_for("a notification on the screen", lambda: sh(shown) if shown else queries(self), 30)

    def finish_fetch(self):
        """Closes the fetch's notifications up to its message "Done.", and that too."""
        from atspi_app import descendant, press
        _, shown, close, _ = self.row["notifier"]
        done = wait_for("the message 'Done.'", lambda: self.atspi.top_level("alert") or (
            close and sh(shown) and sh(close) and None), 60, 0.5)
        press(descendant(done, "push button", "OK"))
        wait_for("the message to close", lambda: not self.atspi.top_level("alert"), 5)
        self.fetching = False

    def reset(self, finish):
        """The window shown and in front: the program's own way back, then the window manager's focus."""
        if self.fetching and finish:
            self.finish_fetch()
        sh("gdbus call --session --dest %s --object-path /%s --method org.freedesktop.Application.Activate {}"
           % (APP_ID, APP_ID.replace(".", "/")))
        self.window = wait_for("the window back first", lambda: self.atspi.main_window(TITLE), 10)
        wait_for("the window in front first", lambda: self.active() or (self.window_manager(1) and False), 10, 1)

    def minimise(self):
        """As a person does, and waits until it is done: on X11 the window leaves the screen and the task list."""
        self.window_manager(0)
        if "x11" not in self.row:
            return wait_for("the window out of the front", lambda: not self.active(), 10)
        from x11_desktop import is_viewable, managed_windows
        wait_for("the window in the tray", lambda: self.main not in managed_windows() and not is_viewable(self.main), 10)

    def launcher_token(self):
        if "x11" in self.row:
            return ""
        if self.row.get("wm") == "gnome":  # as the shell's own launcher (the dash, the overview) asks for one
            found = re.search(r'"(.+)"', sh(EVAL + "\"global.create_app_launch_context(global.display."
                                           "get_current_time_roundtrip(), -1).get_startup_notify_id(imports.gi.Gio."
                                           "AppInfo.create_from_commandline('tidewick', null, 0), [])\"") or "")
            return found.group(1) if found else ""
        launcher = subprocess.Popen(["/usr/bin/python3", "-c", TOKEN], stdout=subprocess.PIPE, text=True)
        return launcher.stdout.readline().strip()


def bus_has(name):
    return "true" in (sh("gdbus call --session --dest org.freedesktop.DBus --object-path / --method "
                         "org.freedesktop.DBus.NameHasOwner " + name) or "")


def wait_for(what, probe, timeout, interval=0.05):
    from atspi_app import wait_for as poll
    return poll(what, probe, timeout, interval)


def check_window(d):
    if "x11" in d.row:
        wm_class = sh("xprop -id %d WM_CLASS" % d.x11_window())
        expected = next(line.split("=", 1)[1] for line in (Path(d.binary).parent.parent / "share/applications" /
                        (APP_ID + ".desktop")).read_text().splitlines() if line.startswith("StartupWMClass="))
        if '"%s"' % expected not in (wm_class or ""):
            raise AssertionError("%s, the entry's StartupWMClass %s" % (wm_class, expected))
        return wm_class.strip()
    app_id = {"sway": "swaymsg -t get_tree | grep -o '\"app_id\": \"%s\"'" % APP_ID,
              "gnome": EVAL + "\"%s.length\" | grep -q \"'1'\"" % SHELL_WINDOW}.get(d.row["wm"])
    if app_id and not sh(app_id):
        raise AssertionError("the compositor knows no window of %s" % APP_ID)
    if d.row.get("wm") == "gnome":
        return "app id %s; %s" % (APP_ID, check_own_title_bar(d))
    if d.row.get("wm") == "sway":
        fits = check_fits_output(d)
        # The output's scale changed while the program runs: the window fits the smaller output again.
        sh("swaymsg output HEADLESS-1 scale 2")
        try:
            refit = wait_for("the window to fit the output at scale 2", lambda: fits_or_none(d), 10)
        finally:
            sh("swaymsg output HEADLESS-1 scale 1.5")
        return "app id %s; %s; after a change to scale 2 %s" % (APP_ID, fits, refit)
    return "app id %s" % APP_ID if app_id else "shown (the compositor does not tell the app id here)"


def check_fits_output(d):
    """The output is scaled by 1.5 (a fractional scale): the window lies inside its logical area."""
    def nodes(node):
        yield node
        for child in node.get("nodes", []) + node.get("floating_nodes", []):
            yield from nodes(child)
    tree = list(nodes(json.loads(sh("swaymsg -t get_tree") or "{}")))
    output = next(n for n in tree if n.get("type") == "output")
    scale = next(o.get("scale") for o in json.loads(sh("swaymsg -t get_outputs") or "[{}]"))
    window = next(n for n in tree if n.get("app_id") == APP_ID)
    (ox, oy, ow, oh), (x, y, w, h) = ([n["rect"][k] for k in ("x", "y", "width", "height")] for n in (output, window))
    if x < ox or y < oy or x + w > ox + ow or y + h > oy + oh:
        raise AssertionError("the window %dx%d+%d+%d with its border reaches beyond the output's %dx%d at scale %s"
                             % (w, h, x, y, ow, oh, scale))
    return "inside the %dx%d output at scale %s, border and all (%dx%d+%d+%d)" % (ow, oh, scale, w, h, x, y)


def fits_or_none(d):
    try:
        return check_fits_output(d)
    except AssertionError:
        return None


def check_own_title_bar(d):
    """GNOME draws no frames: the window's own bar offers no maximise, and its minimise works."""
    from atspi_app import descendant, press
    buttons = [name for name in ("Minimize", "Maximize", "Close") if descendant(d.window, "push button", name)]
    if buttons != ["Minimize", "Close"]:
        raise AssertionError("the window's title bar offers %s, not Minimize and Close" % buttons)
    press(descendant(d.window, "push button", "Minimize"))
    wait_for("the window out of the front after its Minimize", lambda: not d.active(), 10)
    if d.row["tray"]:  # into the tray, which says so once: closed, so that the next check starts clean
        _, shown, close, _ = d.row["notifier"]
        wait_for("the tray's message", lambda: sh(shown), 10)
        sh(close)
        return "its own title bar: Minimize and Close (no Maximize); Minimize goes into the tray"
    return "its own title bar: Minimize and Close (no Maximize); Minimize works"


def queries(d):
    log = d.work / "news.jsonl"
    return len(log.read_text().splitlines()) if log.exists() else 0


def check_notifications(d):
    from atspi_app import child, press, row_texts
    server = sh("gdbus call --session --dest org.freedesktop.Notifications --object-path "
                "/org/freedesktop/Notifications --method org.freedesktop.Notifications.GetServerInformation")
    name, shown, close, _ = d.row["notifier"]
    if not server or "'%s'" % name not in server:
        raise AssertionError("notifications go to %s, not to %s" % (server, name))
    press(child(d.window, "push button", "Load Sample/Example Data"))
    wait_for("the sample keywords", lambda: row_texts(child(d.window, "tree", "Keyword/s")), 10)
    d.fetch()
    if not close:
        return "%s (its popups take no input here)" % name
    before, closed = queries(d), time.monotonic()
    sh(close)
    wait_for("the next query", lambda: queries(d) > before, 15, 0.01)
    gap = time.monotonic() - closed
    if abs(gap - PAUSE) > 1.0:
        raise AssertionError("the next query %.1f s after a user's close" % gap)
    return "%s; the next query %.1f s after a user's close" % (name, gap)


def check_show(d):
    name, shown, _, click = d.row["notifier"]
    if not click or d.row.get("no_show"):
        raise Skip(d.row.get("no_show") or "%s takes no input here" % name)
    wait_for("a notification on the screen", lambda: sh(shown), 10)
    d.minimise()
    if click.startswith("atspi "):
        from atspi_app import AtspiApp, descendant, press
        server = AtspiApp(int(sh("pgrep -n -x " + click.split()[1])))
        press(wait_for("its Show button", lambda: next(filter(None, (descendant(w, "push button", "Show", 4)
                                                                     for w in server.top_levels())), None), 10))
    else:
        sh(click)
    wait_for("the window in front", d.active, 10)
    return "raised from %s" % name


def check_second_start(d):
    name, shown, _, click = d.row["notifier"]
    terminal = ""
    if "x11" not in d.row and shown and click and not click.startswith("atspi ") and not d.row.get("no_show"):
        # From a terminal: no token, so the compositor raises nothing; the running copy says so in a notification
        # whose click brings the window.
        d.minimise()
        second = d.spawn("tidewick", QT_QPA_PLATFORM="wayland")
        if second.wait(20) != 0:
            raise AssertionError("the start from a terminal ended with status %s" % second.returncode)
        wait_for("a notification that it runs", lambda: sh(shown), 10)
        sh(click)
        wait_for("the window in front after a start from a terminal", d.active, 10)
        terminal = "; from a terminal, by a click on its notification"
    d.minimise()
    token = d.launcher_token()
    second = d.spawn("tidewick", XDG_ACTIVATION_TOKEN=token, QT_QPA_PLATFORM="xcb" if "x11" in d.row else "wayland")
    if second.wait(20) != 0:
        raise AssertionError("the second start ended with status %s" % second.returncode)
    wait_for("the window in front", d.active, 10)
    return "raised" + (" with the launcher's token %s" % token if token else "") + terminal


def frames(d):
    """The program's windows: [title, owner's title, x, y, width, height] each."""
    if d.row.get("wm") == "gnome":
        found = re.search(r"'(\[.*\])'", sh(FRAMES["gnome"]) or "")
        return json.loads(found.group(1)) if found else []
    d.kwin_script(FRAMES["kwin"])
    time.sleep(0.5)
    lines = re.findall(r"FRAMES (\[.*\])", (d.work / "kwin_wayland.log").read_text(errors="replace"))
    return json.loads(lines[-1]) if lines else []


def check_box(d):
    from atspi_app import descendant, child, press
    if d.row.get("wm") not in FRAMES:
        raise Skip("the window manager places boxes itself; measured on Wayland only")
    press(child(d.window, "push button", "Clear List", "Removes every row from the News list"))
    press(child(d.window, "push button", "Save Results"))  # nothing to save: a box says so
    box = wait_for("the message box", lambda: d.atspi.top_level("alert"), 10)
    if box not in d.atspi.top_levels():  # shown inside the window, where the desktop draws no frames
        from atspi_app import extents_of
        (bx, by, bw, bh), (wx, wy, ww, wh) = extents_of(box), extents_of(d.window)
        picture(d, "box")
        press(descendant(box, "push button", "OK"))
        wait_for("the box to close", lambda: not d.atspi.top_level("alert"), 5)
        off = (abs(bx + bw / 2 - wx - ww / 2), abs(by + bh / 2 - wy - wh / 2))
        if max(off) > 40:
            raise AssertionError("the box inside the window is %d, %d px off its centre" % off)
        return "inside the window, centred over it (%d, %d px off); %s" % (*off, type_keywords(d))
    try:
        placed = lambda: next(([f] for f in [frames(d)] if any(w[1] and w[4] for w in f)), None)  # noqa: E731
        found = wait_for("the box placed", placed, 5, 0.5)[0]
    finally:
        press(descendant(box, "push button", "OK"))
    window, box = next(f for f in found if not f[1]), next(f for f in found if f[1])
    off = [abs(box[i] + box[i + 2] / 2 - window[i] - window[i + 2] / 2) for i in (2, 3)]
    if max(off) > 20:
        raise AssertionError("the box %s is %d, %d px off the centre of the window %s" % (box[2:], *off, window[2:]))
    return "belongs to the window, centred over it (%d, %d px off)" % tuple(off)


def remote_keys(codes):
    """Keys pressed and released as a remote desktop tool does, through the compositor's own service."""
    from gi.repository import Gio, GLib
    global BUS, REMOTE  # the session lasts as long as the connection that made it
    BUS, name = globals().get("BUS") or Gio.bus_get_sync(Gio.BusType.SESSION), "org.gnome.Mutter.RemoteDesktop"
    call = lambda path, method, arguments=None, reply=None: BUS.call_sync(  # noqa: E731
        name, path, name + (".Session" if path != "/org/gnome/Mutter/RemoteDesktop" else ""), method, arguments,
        reply, 0, -1, None)
    if "REMOTE" not in globals():
        REMOTE = call("/org/gnome/Mutter/RemoteDesktop", "CreateSession", reply=GLib.VariantType("(o)"))[0]
        call(REMOTE, "Start")
        # The session's keyboard is the seat's first here: a program takes it up with its first key, which it
        # misses. A Shift first, then a moment.
        remote_keys([42])
        time.sleep(0.5)
    for code in codes:
        for pressed in (True, False):
            call(REMOTE, "NotifyKeyboardKeycode", GLib.Variant("(ub)", (code, pressed)))


def type_keywords(d):
    """The keyword question inside the window takes typing at once, and Enter (and the keypad's) adds the
    keyword, typed on the shell's own keyboard."""
    from atspi_app import child, descendant, press, row_texts, text_of
    keywords = child(d.window, "tree", "Keyword/s")
    for word, enter in (("gnomekey", RETURN), ("padkey", KEYPAD_ENTER)):
        press(child(d.window, "push button", "Add One Keyword"))
        wait_for("the keyword question", lambda: d.atspi.top_level("dialog"), 10)
        time.sleep(0.5)  # the question takes the focus on the next turn of its event loop
        question = d.atspi.top_level("dialog")
        remote_keys([KEYS[c] for c in word])
        field = descendant(question, "text")
        try:
            wait_for("'%s' typed into the question's field" % word, lambda: text_of(field) == word, 5)
        except Exception:  # noqa: BLE001 - what it reads says more
            raise AssertionError("typed '%s' into the question, its field reads '%s'" % (word, text_of(field)))
        remote_keys([enter])
        wait_for("'%s' entered in the keyword list" % word, lambda: word in row_texts(keywords), 10)
    return "typed keywords entered with Enter and the keypad's Enter"


def allow_fake_input(env):
    """KWin offers its fake input only to a program that a desktop entry names with that interface in
    X-KDE-Wayland-Interfaces (the real path of the entry's Exec against the client's executable): this interpreter.
    KWin reads the first entry it finds for a program, in no fixed order, so ours takes the name of Debian's own
    entry for the interpreter (python3.11.desktop), which it hides."""
    program = Path(os.path.realpath(sys.executable))
    entry = Path(env["HOME"]) / ".local/share/applications" / (program.name + ".desktop")
    entry.parent.mkdir(parents=True, exist_ok=True)
    entry.write_text("[Desktop Entry]\nType=Application\nName=%s\nNoDisplay=true\nExec=%s\n"
                     "X-KDE-Wayland-Interfaces=org_kde_kwin_fake_input\n"
                     "X-KDE-DBUS-Restricted-Interfaces=org.kde.KWin.ScreenShot2\n" % (program.name, program))
    subprocess.run(["kbuildsycoca5"], env=env, capture_output=True, timeout=60)


def kwin_click(x, y, button=0x110, keys=()):
    """A click (of the left button, BTN_LEFT, unless told) at x, y on the screen with a pointer of KWin's fake input,
    then `keys` (Linux key codes) pressed and released on its keyboard, spoken over the Wayland socket itself:
    wl_display is object 1, the registry 2, then sync callbacks and org_kde_kwin_fake_input take the next ids in
    turn (its requests are numbered as in fake-input.xml: authenticate 0, button 2, pointer_motion_absolute 9,
    keyboard_key 10)."""
    wire = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    wire.settimeout(5)
    wire.connect(str(Path(os.environ["XDG_RUNTIME_DIR"]) / os.environ["WAYLAND_DISPLAY"]))
    ids, padded = iter(range(3, 100)), lambda size: (size + 3) // 4 * 4

    def send(target, opcode, *args):  # str: string, float: fixed (24.8), int: uint
        body = b""
        for arg in args:
            if isinstance(arg, str):
                text = arg.encode() + b"\0"
                body += struct.pack("=I", len(text)) + text.ljust(padded(len(text)), b"\0")
            else:
                body += struct.pack("=i", round(arg * 256)) if isinstance(arg, float) else struct.pack("=I", arg)
        wire.sendall(struct.pack("=II", target, (8 + len(body)) << 16 | opcode) + body)

    def round_trip():
        """The events up to the server's answer to a wl_display.sync."""
        callback, events, data = next(ids), [], b""
        send(1, 0, callback)
        while True:
            while len(data) < 8 or len(data) < struct.unpack_from("=I", data, 4)[0] >> 16:
                chunk = wire.recv(4096)
                if not chunk:
                    raise ConnectionError("KWin closed the connection")
                data += chunk
            target, size = struct.unpack_from("=II", data)
            event, data = (target, size & 0xffff, data[8:size >> 16]), data[size >> 16:]
            if event[:2] == (1, 0):  # wl_display.error: object, code, message
                raise ConnectionError("KWin refused the click: %r" % event[2][12:].rstrip(b"\0"))
            if target == callback:
                return events
            events.append(event)

    send(1, 1, 2)  # wl_display.get_registry
    for target, _, body in round_trip():  # wl_registry.global: name, interface, version
        length = struct.unpack_from("=I", body, 4)[0]
        if target == 2 and body[8:7 + length] == b"org_kde_kwin_fake_input":
            name, version = struct.unpack_from("=I", body)[0], struct.unpack_from("=I", body, 8 + padded(length))[0]
            break
    else:
        raise AssertionError("KWin offers no fake input to this process")
    fake = next(ids)
    send(2, 0, name, "org_kde_kwin_fake_input", min(version, 4), fake)  # wl_registry.bind
    send(fake, 0, "Tidewick tests", "clicks on the panel as a user does")
    send(fake, 9, float(x), float(y))
    round_trip()
    for state in (1, 0):  # pressed, released
        send(fake, 2, button, state)
        round_trip()
    for key in keys:
        time.sleep(0.5)  # what the click opened takes the keyboard
        for state in (1, 0):
            send(fake, 10, key, state)
            round_trip()
    wire.close()


def panel_icon():
    """The middle of the program's icon in plasmashell's tray, from the panel's accessible buttons: among those named
    like the program (its task's is one), the one in the row of the tray's own "Expand System Tray"."""
    from atspi_app import AtspiApp, child, extents_of, role_of
    for panel in AtspiApp(int(sh("pgrep -n -x plasmashell"))).application():
        expander = child(panel, "push button", "Expand System Tray")
        if expander:
            row = extents_of(expander)[1::2]
            found = [(x + w // 2, y + h // 2) for x, y, w, h in (extents_of(b) for b in panel if role_of(b) ==
                     "push button" and b.name == TITLE) if (y, h) == row]
            return len(found) == 1 and found[0]


def click_tray(d):
    if d.row.get("pointer") == "kwin":
        d.clicked = wait_for("the icon in the panel's tray", panel_icon, 10)
        return kwin_click(*d.clicked)
    if d.row["tray"] == "xembed":
        from x11_desktop import ProgramWindows
        icon = ProgramWindows(d.app.pid)
        wait_for("the tray icon", icon.find_icon, 10)
        return icon.click_icon()
    item = "--dest org.kde.StatusNotifierItem-%d-1 --object-path /StatusNotifierItem --method " \
           "org.kde.StatusNotifierItem." % d.app.pid
    token = d.launcher_token()
    if token:  # what a Wayland panel hands over before the click
        sh("gdbus call --session %sProvideXdgActivationToken %s" % (item, token))
    sh("gdbus call --session %sActivate 0 0" % item)


def check_tray(d):
    if not d.row["tray"]:
        raise Skip("the desktop has no tray")
    if d.row.get("click_icon"):
        return click_icon_ten_times(d)
    d.minimise()
    click_tray(d)
    wait_for("the window in front", d.active, 10)
    if d.row.get("pointer"):
        d.minimise()
        kwin_click(*d.clicked, button=0x111, keys=(108, 28))  # the right button; Down and Enter in its menu
        wait_for("the window in front after the menu's Show Tidewick", d.active, 10)
        return "restored by a virtual pointer's click on the panel's icon at %d, %d, and by its menu's Show " \
               "Tidewick" % d.clicked
    return "restored by a click on the %s icon" % d.row["tray"]


def click_icon_ten_times(d):
    """Single clicks open the icon's menu here (Activate is a double click's): the window comes back with it."""
    click, close_menu = d.row["click_icon"]
    window = EVAL + "\"%s.some(w => %%s)\" | grep -q \"'true'\"" % SHELL_WINDOW
    for count in range(10):
        d.minimise()  # and the program knows it is no longer in front
        sh(click)
        wait_for("the window back after click %d" % (count + 1), lambda: sh(window % "!w.minimized"), 5)
        sh(close_menu)
        wait_for("the window in front", lambda: sh(window % "w.has_focus()"), 5)
        d.window = wait_for("the window's new accessible", lambda: d.atspi.main_window(TITLE), 5)
    return "10 single clicks on the icon: each restored the window"


def check_cycles(d):
    if "x11" not in d.row:
        raise Skip("Wayland programs cannot see a minimise")
    for cycle in range(20):
        time.sleep(0.5)  # no faster than a person: quicker clicks on the icon make a double click
        try:
            d.minimise()
            click_tray(d)
            wait_for("the window back", d.active, 10)
        except Exception as error:
            raise AssertionError("cycle %d: %s" % (cycle + 1, error))
    errors = (d.work / "tidewick.log").read_text(errors="replace").count("internal error")
    if errors:
        raise AssertionError("Qt reported %d internal errors" % errors)
    return "20 minimise/restore cycles"


def picture(d, name):
    """A picture of the screen, saved as DESKTOP-NAME.png (X11, or GNOME's own screenshot), or None."""
    path = d.work / ("%s-%s.png" % (d.row["name"], name))
    if "x11" in d.row:
        from x11_desktop import screenshot
        return screenshot(path) and path
    if d.row.get("wm") == "kwin":
        return kwin_picture(path)
    return d.row.get("wm") == "gnome" and sh("gdbus call --session --dest org.gnome.Shell.Screenshot --object-path "
                                             "/org/gnome/Shell/Screenshot --method org.gnome.Shell.Screenshot."
                                             "Screenshot false false " + str(path)) and path


def kwin_picture(path):
    """KWin's own screenshot of the whole screen (for this interpreter, which its desktop entry allows), its raw
    pixels handed through a pipe and turned into a picture."""
    from gi.repository import Gio, GLib
    reader, writer = os.pipe()
    fds = Gio.UnixFDList.new()
    fds.append(writer)
    os.close(writer)
    answer, _ = Gio.bus_get_sync(Gio.BusType.SESSION).call_with_unix_fd_list_sync(
        "org.kde.KWin", "/org/kde/KWin/ScreenShot2", "org.kde.KWin.ScreenShot2", "CaptureArea",
        GLib.Variant("(iiuua{sv}h)", (0, 0, 1280, 800, {}, 0)), GLib.VariantType("(a{sv})"), 0, 10000, fds)
    del fds  # closes the writer's last copy, so that the pipe ends
    with os.fdopen(reader, "rb") as pipe:
        pixels = pipe.read()
    shape = answer.unpack()[0]
    (path.parent / "raw").write_bytes(pixels)  # QImage's 32-bit formats: B, G, R, A in memory
    return sh("convert -size %dx%d -depth 8 bgra:%s %s" % (shape["stride"] // 4, shape["height"], path.parent / "raw",
                                                            path)) and path


def brightness(d, name):
    """The mean brightness (0 black to 1 white) of the window's inside in a picture NAME, or None while there is
    none."""
    if "x11" in d.row:
        from x11_desktop import ProgramWindows
        x, y, w, h = ProgramWindows(d.app.pid).geometry(d.x11_window())
    else:
        x, y, w, h = next((f[2:] for f in frames(d) if not f[1]), (0, 0, 0, 0))
    path = w and picture(d, name)
    # Below any title bar the desktop or Qt draws, inside the window's edges.
    crop = "%dx%d+%d+%d" % (w * 9 // 10, h * 7 // 10, x + w // 20, y + h // 4)
    mean = path and sh("convert %s -crop %s +repage -colorspace Gray -format '%%[fx:mean]' info:" % (path, crop))
    return float(mean) if mean else None


def check_dark(d):
    if not d.row.get("light"):
        raise Skip("no dark scheme set here")
    # The compositor shows a new frame a moment after the program draws it.
    dark = wait_for("a dark window", lambda: (lambda m: m is not None and m < 0.35 and [m])(brightness(d, "dark")),
                    15, 1)[0]
    sh(d.row["light"])
    try:
        light = wait_for("a light window after the switch", lambda: (lambda m: m is not None and m > 0.65 and [m])(
            brightness(d, "light")), 15, 1)[0]
    except Exception as error:
        raise AssertionError("%s; the portal says %s" % (error, sh(PORTAL_SCHEME))) from None
    return "dark in the dark scheme (brightness %.2f), light after the switch at run time (%.2f)" % (dark, light)


def run_desktop(row, binary, work):
    """In the child, on the desktop's own bus: every check; prints one JSON line."""
    results, d = {}, Desktop(row, binary, work)
    try:
        d.start()
    except Exception as error:  # noqa: BLE001
        log = max(work.glob("*.log"), key=lambda p: p.stat().st_mtime, default=None)
        return (work / "results.json").write_text(json.dumps({"skip": "%s; %s" % (
            error, log and log.read_text(errors="replace")[-300:])}))
    subprocess.Popen(["/usr/bin/python3", str(HERE.parent.parent / "tools/news_service.py"), "--port", "0",
                      "--port-file", str(work / "news.port"), "--log", str(work / "news.jsonl"), "--max-articles",
                      "1", "--quiet"], stdout=subprocess.DEVNULL)
    d.port = wait_for("the news service", lambda: (work / "news.port").exists() and (work / "news.port").read_text().strip(),
                      10)
    for name, check in zip(CHECKS, (check_window, check_notifications, check_show, check_second_start, check_tray,
                                    check_cycles, check_box, check_dark)):
        try:
            d.start_program() if name == "window" else d.reset(finish=name != "show")
            results[name] = ["pass", check(d)]
        except Skip as why:
            results[name] = ["n/a", str(why)]
        except Exception as error:  # noqa: BLE001 - any fault is this check's
            open_why = row.get("open") if name in ("show", "second start", "tray") else row.get("open_" + name)
            results[name] = ["open" if open_why else "FAIL", "%s: %s%s" % (type(error).__name__, error, open_why and
                                                                           "; " + open_why or "")]
    (work / "results.json").write_text(json.dumps(results))


def session_bus(work):
    """A configuration for the session's bus: the desktops' services from the machine, but for the document
    portal, whose file system would stay mounted in the session's runtime folder after it ends."""
    services = work / "bus-services"
    services.mkdir()
    for service in Path("/usr/share/dbus-1/services").glob("*.service"):
        if service.name != "org.freedesktop.portal.Documents.service":
            shutil.copy(service, services)
    config = work / "session.conf"
    config.write_text(
        '<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN" '
        '"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">\n<busconfig><type>session</type>'
        '<listen>unix:tmpdir=/tmp</listen><auth>EXTERNAL</auth><servicedir>%s</servicedir>'
        '<policy context="default"><allow send_destination="*" eavesdrop="true"/><allow eavesdrop="true"/>'
        '<allow own="*"/></policy></busconfig>\n' % services)
    return config


def mounts_under(folder):
    with open("/proc/mounts") as mounts:
        return [line.split()[1] for line in mounts if line.split()[1].startswith(str(folder) + "/")]


def run_child(row, binary, base):
    """The desktop in a child of its own, from the harness's copy in base (which a desktop's own user can read,
    unlike a private checkout); ends every process that carries its mark."""
    work, here = base / row["name"], base / "tests/desktop"
    (work / "runtime").mkdir(parents=True, mode=0o700)
    env = {key: os.environ[key] for key in ("PATH", "LANG", "LC_ALL") if key in os.environ}
    env.update(HOME=str(work), XDG_CONFIG_HOME=str(work / "config"), XDG_RUNTIME_DIR=str(work / "runtime"),
               GSETTINGS_BACKEND="memory", PYTHONDONTWRITEBYTECODE="1", TIDEWICK_DESKTOP_RUN=str(work),
               XDG_SESSION_TYPE="x11" if "x11" in row else "wayland", PYTHONPATH=str(here))
    command = ["dbus-run-session", "--config-file=%s" % session_bus(work), "--", "/usr/bin/python3",
               str(here / Path(__file__).name), "--desktop", row["name"], "--binary", binary, "--work", str(work)]
    if row.get("user"):
        try:
            account = pwd.getpwnam(row["user"])
        except KeyError:
            subprocess.run(["useradd", "--system", "--no-create-home", row["user"]], check=True)
            account = pwd.getpwnam(row["user"])
        subprocess.run(["chown", "-R", "%d:%d" % (account.pw_uid, account.pw_gid), str(work)], check=True)
        command = ["setpriv", "--reuid=%d" % account.pw_uid, "--regid=%d" % account.pw_gid, "--init-groups"] + command
    try:
        subprocess.run(command, env=env, stdout=open(work / "harness.log", "w"), stderr=subprocess.STDOUT,
                       timeout=240)
    except subprocess.TimeoutExpired:
        pass
    for pid in (int(p.parent.name) for p in Path("/proc").glob("[0-9]*/environ")):
        try:
            if ("TIDEWICK_DESKTOP_RUN=%s\0" % work).encode() in Path("/proc/%d/environ" % pid).read_bytes():
                os.kill(pid, signal.SIGKILL)
        except OSError:
            pass
    for mount in mounts_under(work):  # none is expected: say so, and leave none behind
        print("note: %s was still mounted after the session" % mount, flush=True)
        subprocess.run(["umount", "--lazy", mount], check=False)
    for picture in work.glob("*.png"):
        SHOTS.mkdir(parents=True, exist_ok=True)
        print("picture %s" % shutil.copy(picture, SHOTS), flush=True)
    results = work / "results.json"
    return json.loads(results.read_text()) if results.exists() else {
        "window": ["FAIL", "no results: " + (work / "harness.log").read_text(errors="replace")[-300:]]}


def main():
    parser = argparse.ArgumentParser()
    for option in ("--binary", "--only", "--desktop", "--work"):
        parser.add_argument(option, default="")
    options = parser.parse_args()
    rows = {row["name"]: row for row in DESKTOPS}
    if options.desktop:
        return run_desktop(rows[options.desktop], options.binary, Path(options.work))
    base, matrix, failed = Path(tempfile.mkdtemp(prefix="tidewick-desktops.")), [], 0
    os.chmod(base, 0o755)
    for part in ("tests/desktop", "tools"):
        shutil.copytree(HERE.parent.parent / part, base / part)
    for row in [rows[name] for name in options.only.split(",")] if options.only else DESKTOPS:
        started, results = time.monotonic(), run_child(row, options.binary, base)
        if "skip" in results:
            print("SKIP %s: %s" % (row["name"], " ".join(results["skip"].split())), flush=True)
            continue
        print("== %s (%.0f s)" % (row["name"], time.monotonic() - started), flush=True)
        for name in CHECKS:
            outcome, why = results.get(name, ["FAIL", "not run"])
            failed += outcome == "FAIL"
            print("  %-14s %-5s %s" % (name, outcome, why), flush=True)
        matrix.append([row["name"]] + [results.get(name, ["FAIL"])[0] for name in CHECKS])
    shutil.rmtree(base, ignore_errors=True)
    for line in [["desktop"] + CHECKS] + matrix:
        print("".join("%-19s " % cell for cell in line))
    print("%d passed, %d failed" % (sum(line.count("pass") for line in matrix), failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
