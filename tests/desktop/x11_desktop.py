"""A virtual X desktop, and the program's windows as the X server and the window manager see them.

VirtualDesktop starts Xvfb on a free display, openbox and a trayer tray, each waited for. xdotool, xwininfo and
xprop find the main window, the tray icon (a window of the program embedded by trayer), the icon's menu and Qt's
own balloon (small unmanaged top-level windows). Run as a program, it starts a virtual desktop for a shell script
and prints what to export (virtual_desktop.sh).
"""

import os
import re
import subprocess
import sys
import tempfile

from atspi_app import JourneyError, holds, wait_for


def run(*command, timeout=10):
    result = subprocess.run(command, capture_output=True, text=True, timeout=timeout)
    return result.returncode, result.stdout


def xdotool(*arguments):
    return run("xdotool", *arguments)


def window_info(window):
    """xwininfo's fields of one window, or {} once it is gone."""
    status, out = run("xwininfo", "-id", str(window), "-stats", "-children")
    if status != 0:
        return {}
    info = {}
    for key, pattern in (("x", r"Absolute upper-left X:\s*(-?\d+)"), ("y", r"Absolute upper-left Y:\s*(-?\d+)"),
                         ("width", r"\n\s*Width:\s*(\d+)"), ("height", r"\n\s*Height:\s*(\d+)")):
        match = re.search(pattern, out)
        if match:
            info[key] = int(match.group(1))
    match = re.search(r"Map State:\s*(\w+)", out)
    info["map_state"] = match.group(1) if match else ""
    match = re.search(r"Parent window id:\s*(0x[0-9a-fA-F]+)", out)
    info["parent"] = int(match.group(1), 16) if match else 0
    info["override_redirect"] = bool(re.search(r"Override Redirect State:\s*yes", out))
    return info


def is_viewable(window):
    return window_info(window).get("map_state") == "IsViewable"


def is_unmapped(window):
    return window_info(window).get("map_state") == "IsUnMapped"


def has_property(window, name):
    # xprop exits 0 for a missing property too: look at what it prints.
    _, out = run("xprop", "-id", str(window), name)
    return out.startswith(name + "(")


def root_window():
    _, out = run("xwininfo", "-root")
    return int(re.search(r"Window id:\s*(0x[0-9a-fA-F]+)", out).group(1), 16)


def managed_windows():
    """What the window manager manages (what a task bar would list)."""
    _, out = run("xprop", "-root", "_NET_CLIENT_LIST")
    return {int(word, 16) for word in re.findall(r"0x[0-9a-fA-F]+", out)}


class VirtualDesktop:
    """Xvfb (1280x800 unless asked) on a free display, openbox and a trayer tray; `DISPLAY` is set in os.environ."""

    def __init__(self, work):
        self.work, self.xvfb, self.wm, self.tray = str(work), None, None, None

    def spawn(self, name, *command, **kwargs):
        log = open(os.path.join(self.work, name + ".log"), "ab")
        return subprocess.Popen(command, stdout=log, stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL, **kwargs)

    def start_display(self, size="1280x800"):
        read, write = os.pipe()
        # -noreset: otherwise Xvfb may reset when its first client disconnects.
        self.xvfb = self.spawn("xvfb", "Xvfb", "-displayfd", str(write), "-screen", "0", size + "x24", "-nolisten",
                               "tcp", "-noreset", pass_fds=(write,))
        os.close(write)
        with os.fdopen(read) as answer:
            number = answer.readline().strip()
        if not number:
            raise JourneyError("Xvfb did not start: %s" % self.log("xvfb"))
        os.environ["DISPLAY"] = ":" + number
        return self

    def start_window_manager(self):
        self.wm = self.spawn("openbox", "openbox", "--sm-disable")
        wait_for("openbox on %s" % os.environ["DISPLAY"],
                 lambda: "window id" in run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK")[1], 20)
        return self

    def start_tray(self, attempts=4):
        """trayer now and then never maps its panel (seen here one start in five, the process alive): a user would
        start it again, and so does this."""
        for attempt in range(attempts):
            self.tray = self.spawn("trayer", "trayer", "--edge", "bottom", "--align", "right", "--widthtype",
                                   "request", "--height", "24", "--SetDockType", "true", "--transparent", "false")
            try:
                wait_for("the trayer tray, managed by the window manager", self._tray_ready, 5)
                return self
            except JourneyError:
                self.stop_tray()
                if attempt == attempts - 1:
                    raise
        return self

    def stop_tray(self):
        self._end(self.tray)
        self.tray = None

    def start(self):
        return self.start_display().start_window_manager().start_tray()

    def stop(self):
        for process in (self.tray, self.wm, self.xvfb):
            self._end(process)

    def log(self, name):
        path = os.path.join(self.work, name + ".log")
        return open(path, errors="replace").read() if os.path.exists(path) else ""

    @staticmethod
    def _end(process):
        if process and process.poll() is None:
            process.terminate()
            process.wait(10)

    @staticmethod
    def _tray_ready():
        _, out = xdotool("search", "--class", "trayer")
        return any(is_viewable(int(window)) and has_property(int(window), "WM_STATE") for window in out.split())


def start_program(binary, work, environment, log_name="app.log", cwd=None, arguments=()):
    """The program, its output appended to WORK/LOG_NAME."""
    with open(os.path.join(str(work), log_name), "a") as log:
        return subprocess.Popen([str(binary), *arguments], cwd=cwd, env=environment, stdout=log,
                                stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL)


def screenshot(path):
    status, _ = run("import", "-window", "root", str(path), timeout=20)
    return status == 0


class ProgramWindows:
    """The X windows of one process."""

    def __init__(self, pid):
        self.pid = pid
        self.root = root_window()
        self.main = None
        self.icon = None

    def windows(self):
        _, out = xdotool("search", "--pid", str(self.pid))
        return [int(line) for line in out.split()]

    def find_main(self, title):
        """The program's managed window on the screen with that title."""
        managed = managed_windows()
        for window in self.windows():
            if window in managed and is_viewable(window) and xdotool("getwindowname", str(window))[1].strip() == title:
                self.main = window
                return window
        return None

    def find_icon(self):
        """The icon embedded by the tray: _XEMBED_INFO, no WM_STATE, not a child of the root."""
        for window in self.windows():
            if window == self.main:
                continue
            info = window_info(window)
            if not info or info["parent"] == self.root or info["map_state"] != "IsViewable":
                continue
            if has_property(window, "_XEMBED_INFO") and not has_property(window, "WM_STATE"):
                self.icon = window
                return window
        return None

    def find_menu(self):
        """The icon's menu: a small unmanaged top-level window of the program on the screen, beside the icon."""
        return self._find_popup(60, 40)

    def find_balloon(self):
        """Qt's balloon: a small top-level window on the screen that no window manager handles.

        A message box just mapped is a child of the root window too until the
        window manager takes it; only the balloon bypasses the manager.
        """
        return self._find_popup(150, 40)

    def _find_popup(self, least_width, least_height):
        for window in self.windows():
            if window in (self.main, self.icon):
                continue
            info = window_info(window)
            if not info or info["parent"] != self.root or info["map_state"] != "IsViewable":
                continue
            if not info["override_redirect"]:
                continue
            if least_width <= info["width"] < 800 and least_height <= info["height"] < 300:
                return window
        return None

    def geometry(self, window):
        info = window_info(window)
        return (info["x"], info["y"], info["width"], info["height"]) if info else None

    def frame_geometry(self, window):
        """The window with the frame the window manager drew around it."""
        box = self.geometry(window)
        _, out = run("xprop", "-id", str(window), "_NET_FRAME_EXTENTS")
        extents = [int(value) for value in re.findall(r"\d+", out.partition("=")[2])]
        if not box or len(extents) != 4:
            return box
        left, right, top, bottom = extents
        x, y, width, height = box
        return x - left, y - top, width + left + right, height + top + bottom

    def click_icon(self, button=1):
        """Clicks a point of the tray icon that no balloon covers."""
        x, y, width, height = self.geometry(self.icon)
        cx, cy = x + width // 2, y + height // 2
        balloon = self.find_balloon()
        if balloon:
            bx, by, bw, bh = self.geometry(balloon) or (0, 0, 0, 0)
            if bx <= cx < bx + bw and by <= cy < by + bh:
                cy = min(by + bh + 1, y + height - 2)
        xdotool("mousemove", str(cx), str(cy), "click", str(button))
        # Away from the icon, so that no tool tip comes up.
        xdotool("mousemove", "0", "0")

    def click_window_centre(self, window):
        geometry = self.geometry(window)
        if geometry:
            x, y, width, height = geometry
            xdotool("mousemove", str(x + width // 2), str(y + height // 2), "click", "1")

    def main_focused(self):
        return (xdotool("getactivewindow")[1].strip() == str(self.main)
                and xdotool("getwindowfocus")[1].strip() == str(self.main))

    def close_with_alt_f4(self, ended, presses=3):
        """Activates the main window and presses Alt+F4 until `ended()` says so.

        Openbox closes the window it has focused; on a busy machine it now and
        then drops the key while the focus settles, and a user presses again.
        """
        xdotool("mousemove", "0", "0")
        for _ in range(presses):
            run("xdotool", "windowactivate", "--sync", str(self.main), timeout=10)
            wait_for("the main window to keep the focus", lambda: holds(self.main_focused, 0.3), 5)
            xdotool("key", "--clearmodifiers", "alt+F4")
            try:
                return wait_for("the program to end after Alt+F4", ended, 3)
            except JourneyError:
                # Closed but not yet ended: the wait below judges that.
                if not is_viewable(self.main):
                    break
                print("note: Alt+F4 did not close the window; pressing it again")
        return wait_for("the program to end after Alt+F4", ended, 7)


def type_text(text):
    """Types into the focused window, key by key, as a person does."""
    xdotool("type", "--delay", "8", "--clearmodifiers", text)


def press_keys(*keys):
    xdotool("key", "--clearmodifiers", *keys)


def focused_window_name():
    return xdotool("getwindowfocus", "getwindowname")[1].strip()


def main():
    """Starts a virtual desktop for a shell script and prints its DISPLAY and processes as shell assignments; the
    processes outlive this one (the script ends them). `tray` is left out with --no-tray, all but Xvfb with
    --display-only."""
    work = sys.argv[sys.argv.index("--work") + 1] if "--work" in sys.argv else tempfile.mkdtemp()
    desktop = VirtualDesktop(work).start_display()
    if "--display-only" not in sys.argv:
        desktop.start_window_manager()
        if "--no-tray" not in sys.argv:
            desktop.start_tray()
    for name, process in (("xvfb", desktop.xvfb), ("wm", desktop.wm), ("trayer_pid", desktop.tray)):
        print("%s=%s" % (name, process.pid if process else ""))
    print("DISPLAY=%s" % os.environ["DISPLAY"])


if __name__ == "__main__":
    main()
