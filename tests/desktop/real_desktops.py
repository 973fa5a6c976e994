"""The installed program in the real sessions of the common Linux desktops.

One desktop after another, each on a private session bus with its own home,
configuration and runtime folders: the desktop's own window manager or
compositor, panel, tray and notification service, as Debian starts them.
On each the same checks run, as far as the desktop allows them:

  window        the window appears and matches the desktop entry
  notifications a test fetch's notifications come from the desktop's own
                service; a user's close or click is followed by the next
                article about 2 s later
  show          the notification's default ("Show") action raises the window
  second start  a second start raises the running copy's window
  tray          a click on the tray icon brings a minimised window back
  cycles        20 minimise/restore cycles through the tray (X11)

What differs between desktops (how to start them, to close or click a
notification, to minimise, to find the tray icon) is data in DESKTOPS. The
parent runs each desktop in a child of its own (`--desktop NAME`) under
dbus-run-session, and as an unprivileged user where the desktop refuses
root, and prints one line per desktop and check: pass, FAIL or n/a, with why.

Usage: real_desktops.py --binary PROGRAM [--only NAME,...] [--work DIR]
Exit status 0 when no check failed.
"""

import argparse
import json
import os
import pwd
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
from pathlib import Path

HERE = Path(__file__).resolve().parent
SOURCE = HERE.parent.parent
sys.path.insert(0, str(HERE))

TITLE = "Tidewick"
APP_ID = "com.kestrow.Tidewick"
PAUSE = 2.0  # what the program waits between two articles
CHECKS = ["window", "notifications", "show", "second start", "tray", "cycles"]
UNPRIVILEGED = "tidewick-desktop"


class NotApplicable(Exception):
    """The desktop has no such thing (no tray, no minimise)."""


class Failed(Exception):
    pass


def run(*command, timeout=15, env=None):
    try:
        result = subprocess.run(command, capture_output=True, text=True, timeout=timeout, env=env)
    except subprocess.TimeoutExpired:
        return 124, ""
    return result.returncode, result.stdout


def wait_for(what, probe, timeout, interval=0.1):
    deadline = time.monotonic() + timeout
    while True:
        try:
            result = probe()
        except Exception:  # noqa: BLE001 - a window or bus name that is not there yet
            result = None
        if result:
            return result
        if time.monotonic() >= deadline:
            raise Failed("timed out after %.0f s waiting for %s" % (timeout, what))
        time.sleep(interval)


def bus_has(name):
    _, out = run("dbus-send", "--session", "--print-reply=literal", "--dest=org.freedesktop.DBus", "/",
                 "org.freedesktop.DBus.NameHasOwner", "string:" + name)
    return "true" in out


def dbus_call(destination, path, method, *arguments, timeout=10):
    return run("dbus-send", "--session", "--print-reply=literal", "--dest=" + destination, path, method,
               *arguments, timeout=timeout)


def notification_server():
    status, out = dbus_call("org.freedesktop.Notifications", "/org/freedesktop/Notifications",
                            "org.freedesktop.Notifications.GetServerInformation")
    return " ".join(out.split()) if status == 0 else None


# --- Notification services: what a user's close and click are there -----------

class Dunst:
    name = "dunst"
    start = [["dunst"]]

    def shown(self):
        return run("dunstctl", "count", "displayed")[1].strip() not in ("", "0")

    def close(self):
        run("dunstctl", "close")

    def click(self):
        run("dunstctl", "action", "0")


class Mako:
    name = "mako"
    start = [["mako"]]

    def shown(self):
        return '"summary"' in run("makoctl", "list")[1]

    def close(self):
        run("makoctl", "dismiss")

    def click(self):
        run("makoctl", "invoke")


class X11Popup:
    """A notification service that draws each notification as an X window;
    a click on it is the user's click, and closes it."""

    def __init__(self, name, window_class, start):
        self.name, self.window_class, self.start = name, window_class, start

    def window(self):
        _, out = run("xdotool", "search", "--onlyvisible", "--class", self.window_class)
        return out.split()[-1] if out.split() else None

    def shown(self):
        return self.window() is not None

    def click(self):
        window = self.window()
        if window:
            run("xdotool", "mousemove", "--window", window, "20", "20", "click", "1")
            run("xdotool", "mousemove", "0", "0")

    close = click


class GnomeShell:
    """GNOME Shell's message tray, read and operated through the shell's own
    JavaScript (its --unsafe-mode lets a test do that)."""

    name = "gnome-shell"
    start = []

    def eval(self, script):
        status, out = dbus_call("org.gnome.Shell", "/org/gnome/Shell", "org.gnome.Shell.Eval", "string:" + script)
        return out if status == 0 else ""

    def shown(self):
        return "true" in self.eval("Main.messageTray._notification !== null")

    def close(self):
        self.eval("Main.messageTray._notification.destroy(imports.ui.messageTray.NotificationDestroyedReason"
                  ".DISMISSED)")

    def click(self):
        self.eval("Main.messageTray._notification.activate()")


class Plasma:
    """Plasma's notifications; a popup is closed as its close button does."""

    name = "Plasma"
    start = []

    def shown(self):
        return False  # looked at through the bus log instead

    close = click = None


# --- Desktops -----------------------------------------------------------------

def xfce_prepare(home, config):
    panel = config / "xfce4/xfconf/xfce-perchannel-xml"
    panel.mkdir(parents=True, exist_ok=True)
    shutil.copy("/etc/xdg/xfce4/panel/default.xml", panel / "xfce4-panel.xml")


def sway_prepare(home, config):
    (config / "sway").mkdir(parents=True, exist_ok=True)
    (config / "sway/config").write_text(
        "output HEADLESS-1 resolution 1280x800\n"
        "bar swaybar_command waybar\n"
        "focus_on_window_activation focus\n")
    (config / "waybar").mkdir(parents=True, exist_ok=True)
    (config / "waybar/config").write_text(json.dumps({"layer": "top", "position": "bottom", "height": 26,
                                                      "modules-right": ["tray"], "tray": {"spacing": 4}}))


def plasma_prepare(home, config):
    (config / "kwinrc").write_text("[Compositing]\nEnabled=false\n")


TRAYER = ["trayer", "--edge", "bottom", "--align", "right", "--widthtype", "request", "--height", "24",
          "--SetDockType", "true", "--transparent", "false"]
DESKTOPS = [
    {"name": "openbox", "display": "x11", "tools": ["openbox", "trayer", "dunst"],
     "session": [["openbox", "--sm-disable"], TRAYER],
     "notifier": Dunst(), "tray": "xembed", "minimise": "x11"},
    {"name": "xfce", "display": "x11", "tools": ["xfce4-session", "xfwm4", "xfce4-panel"],
     "prepare": xfce_prepare, "env": {"XDG_CURRENT_DESKTOP": "XFCE"},
     "session": [["xfce4-session"]],
     "notifier": X11Popup("Xfce Notify Daemon", "xfce4-notifyd",
                          [["/usr/lib/x86_64-linux-gnu/xfce4/notifyd/xfce4-notifyd"]]),
     "tray": "sni", "minimise": "x11"},
    {"name": "kwin-x11", "display": "x11", "tools": ["kwin_x11", "trayer", "dunst"],
     "env": {"XDG_CURRENT_DESKTOP": "KDE", "KDE_FULL_SESSION": "true", "KDE_SESSION_VERSION": "5"},
     "session": [["kwin_x11", "--replace"], TRAYER], "notifier": Dunst(), "tray": "xembed", "minimise": "x11"},
    {"name": "lxqt", "display": "x11", "tools": ["startlxqt", "lxqt-panel", "lxqt-notificationd", "openbox"],
     "env": {"XDG_CURRENT_DESKTOP": "LXQt"}, "session": [["startlxqt"]],
     "notifier": X11Popup("lxqt-notificationd", "lxqt-notificationd", [["lxqt-notificationd"]]), "tray": "sni", "minimise": "x11"},
    {"name": "sway", "display": "wayland", "user": UNPRIVILEGED, "tools": ["sway", "waybar", "mako"],
     "prepare": sway_prepare,
     "env": {"XDG_CURRENT_DESKTOP": "sway", "WLR_BACKENDS": "headless", "WLR_LIBINPUT_NO_DEVICES": "1",
             "WLR_RENDERER": "pixman"},
     "compositor": ["sway", "--unsupported-gpu"], "session": [], "notifier": Mako(), "tray": "sni",
     "minimise": None},
    {"name": "plasma-wayland", "display": "wayland", "tools": ["kwin_wayland", "plasmashell", "kded5"],
     "prepare": plasma_prepare,
     "env": {"XDG_CURRENT_DESKTOP": "KDE", "KDE_FULL_SESSION": "true", "KDE_SESSION_VERSION": "5",
             "KWIN_WAYLAND_NO_PERMISSION_CHECKS": "1"},
     "compositor": ["kwin_wayland", "--virtual", "--width", "1280", "--height", "800", "--no-lockscreen"],
     "session": [["kded5"], ["plasmashell", "--no-respawn"]], "notifier": Plasma(), "tray": "sni",
     "minimise": "kwin"},
    {"name": "gnome", "display": "wayland", "tools": ["gnome-shell", "gjs"],
     "env": {"XDG_CURRENT_DESKTOP": "GNOME", "XDG_SESSION_TYPE": "wayland"},
     "compositor": ["gnome-shell", "--headless", "--wayland", "--no-x11", "--virtual-monitor", "1280x800",
                    "--unsafe-mode"],
     "session": [], "notifier": GnomeShell(), "tray": None, "minimise": "gnome"},
]


# --- One desktop (the child) ----------------------------------------------------

class Desktop:
    def __init__(self, spec, binary, work):
        self.spec, self.binary, self.work = spec, binary, work
        self.processes = []
        # The checks' tools see the session through the process's own environment.
        self.env = os.environ
        self.app = None
        self.atspi = None

    def spawn(self, name, argv, env=None):
        log = open(self.work / (name + ".log"), "ab")
        process = subprocess.Popen(argv, env=env or self.env, stdout=log, stderr=subprocess.STDOUT,
                                   stdin=subprocess.DEVNULL, start_new_session=True)
        self.processes.append(process)
        return process

    def log_tail(self, name, lines=8):
        path = self.work / (name + ".log")
        return "".join(path.read_text(errors="replace").splitlines(True)[-lines:]) if path.exists() else ""

    def publish(self, *names):
        run("dbus-update-activation-environment", *names, env=self.env)

    # The session

    def start(self):
        spec, env = self.spec, self.env
        env.update(spec.get("env", {}))
        for key in ("HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR", "TMPDIR"):
            Path(env[key]).mkdir(parents=True, exist_ok=True)
        os.chmod(env["XDG_RUNTIME_DIR"], 0o700)
        if spec.get("prepare"):
            spec["prepare"](Path(env["HOME"]), Path(env["XDG_CONFIG_HOME"]))
        if spec["display"] == "x11":
            display_file = self.work / "display"
            with open(display_file, "w") as out:
                self.processes.append(subprocess.Popen(
                    ["Xvfb", "-displayfd", str(out.fileno()), "-screen", "0", "1280x800x24", "-nolisten", "tcp",
                     "-noreset"], pass_fds=(out.fileno(),), stdin=subprocess.DEVNULL,
                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True))
            wait_for("Xvfb", lambda: display_file.read_text().strip(), 20)
            env["DISPLAY"] = ":" + display_file.read_text().strip()
            env.pop("WAYLAND_DISPLAY", None)
            self.publish("DISPLAY", *spec.get("env", {}))
        else:
            env.pop("DISPLAY", None)
            socket = "wayland-tidewick"
            env["WAYLAND_DISPLAY"] = socket
            compositor = list(spec["compositor"])
            if compositor[0] == "kwin_wayland":
                # A copy has none of the file capabilities a container may refuse.
                shutil.copy(shutil.which("kwin_wayland"), self.work / "kwin_wayland")
                compositor[0] = str(self.work / "kwin_wayland")
                compositor += ["--socket", socket]
            elif compositor[0] == "gnome-shell":
                self.fake_login_manager()
            self.publish("WAYLAND_DISPLAY", *spec.get("env", {}))
            self.spawn("compositor", compositor)
            runtime = Path(env["XDG_RUNTIME_DIR"])
            if compositor[0] == "sway" or "gnome-shell" in compositor[0]:
                # They name their own socket.
                found = wait_for("the compositor's socket",
                                 lambda: sorted(p.name for p in runtime.glob("wayland-*") if p.is_socket()), 30)
                env["WAYLAND_DISPLAY"] = found[0]
                self.publish("WAYLAND_DISPLAY")
            else:
                wait_for("the compositor's socket", (runtime / socket).is_socket, 30)
        for index, argv in enumerate(spec["session"]):
            self.spawn("session-%d" % index, argv)
        notifier = spec["notifier"]
        for index, argv in enumerate(notifier.start):
            if not bus_has("org.freedesktop.Notifications"):
                self.spawn("notifier-%d" % index, argv)
        wait_for("the notification service", lambda: bus_has("org.freedesktop.Notifications"), 40)
        if spec["display"] == "x11":
            wait_for("the window manager", lambda: "window id" in run("xprop", "-root",
                                                                       "_NET_SUPPORTING_WM_CHECK")[1], 30)
        if spec["tray"] == "sni":
            wait_for("the StatusNotifier tray", lambda: bus_has("org.kde.StatusNotifierWatcher"), 40)
        elif spec["tray"] == "xembed":
            wait_for("the XEmbed tray", lambda: "window id" in run(
                "xprop", "-root", "-notype", "_NET_SYSTEM_TRAY_S0")[1] or run("xdotool", "search", "--class",
                                                                             "trayer")[1].strip(), 20)
        time.sleep(2)  # panels settle their layout

    def fake_login_manager(self):
        """GNOME Shell asks logind on the system bus: a private stand-in bus."""
        path = self.work / "system_bus"
        self.spawn("system-bus", ["dbus-daemon", "--session", "--nofork", "--address=unix:path=%s" % path])
        wait_for("the stand-in system bus", path.exists, 10)
        self.env["DBUS_SYSTEM_BUS_ADDRESS"] = "unix:path=%s" % path

    def stop(self):
        for how in (signal.SIGTERM, signal.SIGKILL):
            for process in reversed(self.processes):
                for kill in (lambda: os.killpg(process.pid, how), lambda: process.send_signal(how)):
                    try:
                        kill()
                    except (ProcessLookupError, PermissionError):
                        pass
            deadline = time.monotonic() + 5
            while any(p.poll() is None for p in self.processes) and time.monotonic() < deadline:
                time.sleep(0.1)

    # The program

    def start_program(self):
        env = dict(self.env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   QT_QPA_PLATFORM="xcb" if self.spec["display"] == "x11" else "wayland")
        self.app = self.spawn("tidewick", [self.binary], env)
        from atspi_app import AtspiApp
        self.atspi = AtspiApp(self.app.pid)
        self.atspi.wait_until_running(30)
        return wait_for("the window %r" % TITLE, lambda: self.atspi.main_window(TITLE), 30)

    def second_start(self, extra):
        env = dict(self.env, QT_QPA_PLATFORM="xcb" if self.spec["display"] == "x11" else "wayland", **extra)
        second = self.spawn("second", [self.binary], env)
        try:
            return second.wait(20)
        except subprocess.TimeoutExpired:
            second.kill()
            return None

    def active(self):
        if self.spec["display"] == "x11":
            if not getattr(self, "main_id", None):
                self.main_id = x11_main(self)[1]
            return run("xdotool", "getactivewindow")[1].strip() == str(self.main_id)
        import pyatspi
        window = self.atspi.main_window(TITLE)
        return window is not None and window.getState().contains(pyatspi.STATE_ACTIVE)

    def press(self, name):
        from atspi_app import child, press
        press(child(self.atspi.main_window(TITLE), "push button", name))


def x11_main(desktop):
    from user_journey_desktop import ProgramWindows
    windows = ProgramWindows(desktop.app.pid)
    return windows, wait_for("the main window on the X screen", lambda: windows.find_main(TITLE), 20)


def minimise(desktop):
    how = desktop.spec["minimise"]
    if how == "x11":
        windows, main = x11_main(desktop)
        run("xdotool", "windowminimize", str(main))
    elif how == "kwin":
        script = desktop.work / "minimise.js"
        script.write_text("workspace.clientList().forEach(function (c) {"
                          " if (c.resourceClass == '%s' || c.desktopFileName == '%s') c.minimized = true; });"
                          % (APP_ID.lower(), APP_ID))
        status, out = dbus_call("org.kde.KWin", "/Scripting", "org.kde.kwin.Scripting.loadScript",
                                "string:%s" % script, "string:tidewick-minimise-%d" % time.monotonic_ns())
        number = out.split()[-1] if out.split() else "0"
        dbus_call("org.kde.KWin", "/Scripting/Script%s" % number, "org.kde.kwin.Script.run")
    elif how == "gnome":
        GnomeShell().eval("global.get_window_actors().map(a => a.meta_window)"
                          ".filter(w => w.get_gtk_application_id() == '%s' || w.get_wm_class() == '%s')"
                          ".forEach(w => w.minimize())" % (APP_ID, APP_ID))
    else:
        raise NotApplicable("the desktop has no minimise")


# --- The checks -------------------------------------------------------------------

def check_window(desktop):
    entry = (SOURCE / "packaging" / (APP_ID + ".desktop")).read_text()
    wm_class = re.search(r"^StartupWMClass=(.*)$", entry, re.M)
    expected = wm_class.group(1) if wm_class else APP_ID
    if desktop.spec["display"] == "x11":
        _, main = x11_main(desktop)
        _, out = run("xprop", "-id", str(main), "WM_CLASS")
        classes = re.findall(r'"([^"]*)"', out)
        if expected not in classes:
            raise Failed("WM_CLASS %s does not match the entry (StartupWMClass %s)"
                         % (classes, wm_class.group(1) if wm_class else "unset: the entry's name"))
        return "WM_CLASS %s" % classes
    if desktop.spec["name"] == "sway":
        sockets = list(Path(desktop.env["XDG_RUNTIME_DIR"]).glob("sway-ipc.*.sock"))
        tree = run("swaymsg", "-s", str(sockets[0]), "-t", "get_tree")[1] if sockets else ""
        ids = re.findall(r'"app_id": "([^"]*)"', tree)
        if APP_ID not in ids:
            raise Failed("no window with app_id %s among %s" % (APP_ID, ids))
        return "app_id %s" % APP_ID
    if desktop.spec["name"] == "gnome":
        out = GnomeShell().eval("global.get_window_actors().map(a => a.meta_window.get_gtk_application_id() +"
                                " '/' + a.meta_window.get_wm_class()).join(',')")
        if APP_ID not in out:
            raise Failed("the shell's windows are %s" % out.strip())
        return "application id %s" % APP_ID
    return "the window is there (the compositor's app id is not readable here)"


def query_count(desktop):
    log = desktop.work / "news.jsonl"
    return len(log.read_text().splitlines()) if log.exists() else 0


def notified(desktop):
    log = desktop.work / "notify.log"
    return log.read_text(errors="replace").count("member=Notify") if log.exists() else 0


def check_notifications(desktop):
    server = notification_server()
    expected = desktop.spec["notifier"].name
    if not server or not server.startswith(expected):
        raise Failed("notifications go to %r, not to the desktop's own %r" % (server, expected))
    notifier = desktop.spec["notifier"]
    from atspi_app import child, row_texts
    window = desktop.atspi.main_window(TITLE)
    desktop.press("Load Sample/Example Data")
    wait_for("the sample keywords", lambda: row_texts(child(window, "tree", "Keyword/s")), 10)
    desktop.press("News Fetch Now (Test)")
    wait_for("the first notification", lambda: notified(desktop) >= 1, 30, interval=0.02)
    if notifier.close is None:
        return "server %s (no way to close its notifications as a user here)" % server
    wait_for("the notification on the screen", notifier.shown, 10, interval=0.02)
    before = query_count(desktop)
    closed = time.monotonic()
    notifier.close()
    wait_for("the next query", lambda: query_count(desktop) > before, 15, interval=0.01)
    gap = time.monotonic() - closed
    wait_for("the next notification", notifier.shown, 15, interval=0.02)
    text = "server %s; the next query %.1f s after a user's close" % (server, gap)
    if gap > PAUSE + 1.5:
        raise Failed(text)
    return text


def finish_fetch(desktop):
    """Closes what the fetch still shows, up to its message "Done.", and that too."""
    from atspi_app import descendant, press

    def done():
        alert = desktop.atspi.top_level("alert")
        if alert is None and desktop.spec["notifier"].close and desktop.spec["notifier"].shown():
            desktop.spec["notifier"].close()
        return alert
    press(descendant(wait_for("the message 'Done.'", done, 40), "push button", "OK"))
    wait_for("the message to close", lambda: desktop.atspi.top_level("alert") is None, 5)


def check_show(desktop):
    notifier = desktop.spec["notifier"]
    if notifier.click is None:
        raise NotApplicable("no way to click a notification here")
    if desktop.spec["minimise"] is None:
        raise NotApplicable("the desktop has no minimise to take the window away first")
    wait_for("a notification", notifier.shown, 20, interval=0.02)
    minimise(desktop)
    wait_for("the window to leave the front", lambda: not desktop.active(), 10)
    notifier.click()
    wait_for("the window in front after the notification's default action", desktop.active, 10)
    return "raised"


def check_second_start(desktop):
    if desktop.spec["minimise"] is not None:
        minimise(desktop)
        wait_for("the window to leave the front", lambda: not desktop.active(), 10)
    status = desktop.second_start({})
    if status != 0:
        raise Failed("the second start ended with status %s" % status)
    wait_for("the first copy's window in front", desktop.active, 10)
    return "raised (the second start ended with 0)"


def check_tray(desktop):
    tray = desktop.spec["tray"]
    if tray is None:
        raise NotApplicable("the desktop has no tray")
    minimise(desktop)
    wait_for("the window to leave the front", lambda: not desktop.active(), 10)
    if tray == "xembed":
        windows, main = x11_main(desktop)
        wait_for("the window hidden into the tray", lambda: not windows.find_main(TITLE), 10)
        wait_for("the tray icon", windows.find_icon, 10)
        windows.click_icon()
        how = "a click on the XEmbed icon"
    else:
        item = "org.kde.StatusNotifierItem-%d-1" % desktop.app.pid
        wait_for("the program's StatusNotifierItem", lambda: bus_has(item), 10)
        # The panel's click, as the panel sends it.
        dbus_call(item, "/StatusNotifierItem", "org.kde.StatusNotifierItem.Activate", "int32:0", "int32:0")
        how = "the panel's Activate on the StatusNotifierItem"
    wait_for("the window back in front", desktop.active, 10)
    return "restored by " + how


def check_cycles(desktop):
    if desktop.spec["minimise"] != "x11":
        raise NotApplicable("minimise cycles are an X11 window manager's")
    windows, main = x11_main(desktop)
    icon_click = desktop.spec["tray"] == "xembed"
    item = "org.kde.StatusNotifierItem-%d-1" % desktop.app.pid
    stderr_before = desktop.log_tail("tidewick", 1000).count("internal error")
    for cycle in range(1, 21):
        run("xdotool", "windowminimize", str(main))
        try:
            wait_for("the window to leave the screen and the task list",
                     lambda: main not in managed_windows() and not windows.is_viewable_main(), 10, interval=0.05)
        except Failed as error:
            raise Failed("cycle %d: %s (map state %s)" % (cycle, error, windows.map_state_main()))
        if icon_click:
            wait_for("the tray icon", windows.find_icon, 10)
            windows.click_icon()
        else:
            dbus_call(item, "/StatusNotifierItem", "org.kde.StatusNotifierItem.Activate", "int32:0", "int32:0")
        try:
            wait_for("the window back", lambda: main in managed_windows() and windows.is_viewable_main(), 10,
                     interval=0.05)
        except Failed as error:
            raise Failed("cycle %d back: %s" % (cycle, error))
        time.sleep(0.5)  # no faster than a person, whose clicks would merge
    errors = desktop.log_tail("tidewick", 1000).count("internal error") - stderr_before
    if errors:
        raise Failed("20 cycles, but Qt reported %d internal errors" % errors)
    return "20 minimise/restore cycles"


def managed_windows():
    from user_journey_desktop import managed_windows as managed
    return managed()


def run_desktop(spec, binary, work):
    """In the child: the whole desktop, every check; prints one JSON line of results."""
    results = {}
    desktop = Desktop(spec, binary, work)
    news = None
    try:
        try:
            desktop.start()
        except Failed as error:
            raise Failed("the desktop did not start: %s; %s" % (error, desktop.log_tail("compositor", 4)
                                                                 or desktop.log_tail("session-0", 4)))
        news = subprocess.Popen(["/usr/bin/python3", str(SOURCE / "tools/news_service.py"), "--port", "0",
                                 "--port-file", str(work / "news.port"), "--log", str(work / "news.jsonl"),
                                 "--max-articles", "1", "--quiet"], stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)
        port = wait_for("the news service", lambda: (work / "news.port").read_text().strip(), 10)
        curl = work / "curl"
        curl.mkdir(exist_ok=True)
        (curl / ".curlrc").write_text('connect-to = "::127.0.0.1:%s"\n' % port)
        desktop.env["CURL_HOME"] = str(curl)
        monitor = subprocess.Popen(["dbus-monitor", "--session",
                                    "interface='org.freedesktop.Notifications',member='Notify'"],
                                   stdout=open(work / "notify.log", "w"), stderr=subprocess.DEVNULL)
        desktop.processes.append(monitor)
        desktop.start_program()
        from user_journey_desktop import ProgramWindows

        def is_viewable_main(self):
            from user_journey_desktop import is_viewable
            return is_viewable(self.main)

        def map_state_main(self):
            from user_journey_desktop import window_info
            return window_info(self.main).get("map_state")
        ProgramWindows.is_viewable_main = is_viewable_main
        ProgramWindows.map_state_main = map_state_main
        for name, check in (("window", check_window), ("notifications", check_notifications),
                            ("show", check_show), ("", finish_fetch), ("second start", check_second_start),
                            ("tray", check_tray), ("cycles", check_cycles)):
            if not name:
                check(desktop)
                continue
            # Each check starts with the window in front: the program's own
            # way back (what a second start asks for) sets it there.
            from gi.repository import Gio, GLib
            Gio.bus_get_sync(Gio.BusType.SESSION).call_sync(
                APP_ID, "/" + APP_ID.replace(".", "/"), "org.freedesktop.Application", "Activate",
                GLib.Variant("(a{sv})", ({},)), None, Gio.DBusCallFlags.NONE, 10000)
            time.sleep(1)
            try:
                results[name] = ["pass", check(desktop)]
            except NotApplicable as why:
                results[name] = ["n/a", str(why)]
            except Exception as error:  # noqa: BLE001 - any fault is this check's
                results[name] = ["FAIL", str(error)]
            if desktop.app.poll() is not None:
                raise Failed("the program ended (status %s): %s" % (desktop.app.returncode,
                                                                    desktop.log_tail("tidewick")))
    except Exception as error:  # noqa: BLE001
        for name in CHECKS:
            results.setdefault(name, ["FAIL", str(error)])
    print("RESULT " + json.dumps(results), flush=True)
    if news:
        news.kill()
    desktop.stop()


# --- The parent --------------------------------------------------------------------

def unprivileged_user():
    try:
        return pwd.getpwnam(UNPRIVILEGED)
    except KeyError:
        subprocess.run(["useradd", "--system", "--no-create-home", "--shell", "/usr/sbin/nologin", UNPRIVILEGED],
                       check=True)
        return pwd.getpwnam(UNPRIVILEGED)


def run_child(spec, binary, base):
    work = base / spec["name"]
    work.mkdir(parents=True)
    env = {key: value for key, value in os.environ.items()
           if key in ("PATH", "LANG", "LC_ALL", "TERM")}
    env.update(HOME=str(work / "home"), XDG_CONFIG_HOME=str(work / "config"),
               XDG_RUNTIME_DIR=str(work / "runtime"), TMPDIR=str(work / "temp"),
               GSETTINGS_BACKEND="memory", PYTHONDONTWRITEBYTECODE="1", XDG_SESSION_TYPE=spec["display"])
    command = ["dbus-run-session", "--", "/usr/bin/python3", str(Path(__file__).resolve()), "--desktop",
               spec["name"], "--binary", binary, "--work", str(work)]
    if spec.get("user"):
        account = unprivileged_user()
        subprocess.run(["chown", "-R", "%d:%d" % (account.pw_uid, account.pw_gid), str(work)], check=True)
        os.chmod(base, 0o755)
        command = ["setpriv", "--reuid=%d" % account.pw_uid, "--regid=%d" % account.pw_gid, "--init-groups",
                   "--"] + command
    try:
        out = subprocess.run(command, env=env, capture_output=True, text=True, timeout=300).stdout
    except subprocess.TimeoutExpired as expired:
        out = expired.stdout.decode() if isinstance(expired.stdout, bytes) else (expired.stdout or "")
    for line in out.splitlines():
        if line.startswith("RESULT "):
            return json.loads(line[len("RESULT "):])
    return {name: ["FAIL", "the desktop's run ended without results: %s" % out[-300:]] for name in CHECKS}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--binary", required=True)
    parser.add_argument("--only", default="")
    parser.add_argument("--desktop")
    parser.add_argument("--work")
    options = parser.parse_args()
    specs = {spec["name"]: spec for spec in DESKTOPS}
    if options.desktop:
        run_desktop(specs[options.desktop], options.binary, Path(options.work))
        return 0
    chosen = [specs[name] for name in options.only.split(",")] if options.only else DESKTOPS
    base = Path(tempfile.mkdtemp(prefix="tidewick-desktops."))
    failed = 0
    matrix = []
    try:
        for spec in chosen:
            missing = [tool for tool in spec["tools"] if not shutil.which(tool)]
            started = time.monotonic()
            if missing:
                results = {name: ["n/a", "not installed: " + " ".join(missing)] for name in CHECKS}
            else:
                results = run_child(spec, options.binary, base)
            print("== %s (%.0f s)" % (spec["name"], time.monotonic() - started), flush=True)
            for name in CHECKS:
                outcome, why = results.get(name, ["FAIL", "no result"])
                failed += outcome == "FAIL"
                print("  %-14s %-5s %s" % (name, outcome, why), flush=True)
            matrix.append((spec["name"], [results.get(name, ["FAIL"])[0] for name in CHECKS]))
    finally:
        shutil.rmtree(base, ignore_errors=True)
    print("\n%-16s" % "desktop" + "".join("%-15s" % name for name in CHECKS))
    for name, outcomes in matrix:
        print("%-16s" % name + "".join("%-15s" % outcome for outcome in outcomes))
    print("%d passed, %d failed" % (sum(o.count("pass") for _, o in matrix), failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
