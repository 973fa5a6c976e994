"""The real program on a virtual X desktop with a window manager (openbox) and a system tray (trayer), driven as a
user does: minimise it into the tray, bring it back with a left click and with the icon's menu, start it a second
time (the running copy shows its window), close it with Alt+F4; end it as a log-out does, twelve times, and from the
menu's Quit; start it straight into the tray; then, with the tray gone, start it once more: it lives in the task
bar until a tray comes, and comes back from the tray when the tray goes.

Usage: real_desktop_test.py BINARY. With SCREENSHOT_DIR set, pictures of the desktop are saved there as
desktop-window.png, desktop-balloon.png and desktop-tray.png. Exit status: 0 passed, 1 failed, 77 skipped.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from atspi_app import JourneyError, holds, wait_for  # noqa: E402
from x11_desktop import (ProgramWindows, VirtualDesktop, is_unmapped, is_viewable, managed_windows,  # noqa: E402
                         press_keys, run, screenshot, start_program, window_info, xdotool)

TITLE = "Tidewick"


class Check:
    def __init__(self, binary):
        self.binary = binary
        self.work = Path(tempfile.mkdtemp(prefix="tidewick-desktop-test."))
        self.mark = self.work.name  # every process of the run carries it
        self.failures = 0
        self.app = None
        self.shots = os.environ.get("SCREENSHOT_DIR")
        for folder in ("home", "config", "runtime", "temp"):
            (self.work / folder).mkdir()
        (self.work / "runtime").chmod(0o700)
        os.environ.update(HOME=str(self.work / "home"), XDG_CONFIG_HOME=str(self.work / "config"),
                          XDG_RUNTIME_DIR=str(self.work / "runtime"), TEMP=str(self.work / "temp"),
                          TMPDIR=str(self.work / "temp"), QT_QPA_PLATFORM="xcb",
                          # Without a bus, libdbus would start one that outlives the test, and a StatusNotifier
                          # host on a bus would take the icon out of the XEmbed tray.
                          DBUS_SESSION_BUS_ADDRESS="disabled:")
        for name in ("WAYLAND_DISPLAY", "XDG_SESSION_TYPE", "QT_STYLE_OVERRIDE", "QT_SCALE_FACTOR"):
            os.environ.pop(name, None)
        self.settings = self.work / "config/Kestrow/Tidewick.ini"
        self.desktop = VirtualDesktop(self.work)

    # --- Reporting ------------------------------------------------------------------

    def flaw(self, text):
        """A fault after which the run goes on; the test fails at the end."""
        print("FAIL: " + text, file=sys.stderr, flush=True)
        self.failures += 1

    @staticmethod
    def step(text):
        print("--- " + text, flush=True)

    def save_shot(self, name, crop=None):
        if not self.shots:
            return
        Path(self.shots).mkdir(parents=True, exist_ok=True)
        path = Path(self.shots) / ("desktop-%s.png" % name)
        screenshot(path)
        if crop:
            run("convert", str(path), "-crop", crop, "+repage", str(path), timeout=20)
        print("saved %s" % path)

    # --- The program's life -----------------------------------------------------------

    def start(self):
        self.app = start_program(self.binary, self.work, dict(os.environ, TIDEWICK_DESKTOP_TEST_RUN=self.mark))
        self.x = ProgramWindows(self.app.pid)

    def ended(self, process=None):
        return (process or self.app).poll() is not None

    def work_folders(self):
        return [str(p) for p in (self.work / "temp").glob("tidewick-*")]

    def leftover_processes(self):
        found = []
        for environ in Path("/proc").glob("[0-9]*/environ"):
            try:
                if ("TIDEWICK_DESKTOP_TEST_RUN=%s\0" % self.mark).encode() in environ.read_bytes():
                    found.append(int(environ.parent.name))
            except OSError:
                pass
        return found

    def expect_clean_end(self, what):
        """The program ended with status 0 and left no work folder and no process behind."""
        status, self.app = self.app.wait(10), None
        if status != 0:
            raise JourneyError("%s: the program ended with status %d (a crash?): %s"
                               % (what, status, (self.work / "app.log").read_text(errors="replace")[-300:]))
        if self.work_folders():
            raise JourneyError("%s: the work folder outlived the program: %s" % (what, self.work_folders()))
        left = self.leftover_processes()
        if left:
            self.flaw("%s: processes of the program still run: %s" % (what, left))

    def close_as_user(self):
        """Alt+F4 on the main window, which openbox turns into a close request."""
        icon = self.x.icon
        self.x.close_with_alt_f4(self.ended)
        self.expect_clean_end("after Alt+F4")
        if icon and window_info(icon):
            self.flaw("the tray icon window %d is still there after the program ended" % icon)

    def find_main(self):
        return self.x.find_main(TITLE)

    def hidden_cleanly(self):
        """Unmapped, and no window of the program left on the screen or in the task bar."""
        return (is_unmapped(self.x.main) and not self.big_windows()
                and not set(self.x.windows()) & managed_windows())

    def big_windows(self):
        """Windows on the screen about as big as the main window: an empty frame left behind shows here."""
        _, out = run("xwininfo", "-root", "-children")
        found = []
        for word in re.findall(r"^\s+(0x[0-9a-fA-F]+)", out, re.MULTILINE):
            info = window_info(int(word, 16))
            if info.get("map_state") == "IsViewable" and info.get("width", 0) * 4 >= self.width * 3 \
                    and info.get("height", 0) * 4 >= self.height * 3:
                found.append(word)
        return found

    def minimise(self):
        xdotool("windowminimize", str(self.x.main))
        wait_for("the main window unmapped after a minimise", lambda: is_unmapped(self.x.main), 10)

    # --- The runs ----------------------------------------------------------------------

    def first_run(self):
        self.step("first run: the main window and the tray icon")
        self.start()
        wait_for("a main window titled 'Tidewick' on the screen", self.find_main, 30)
        _, _, self.width, self.height = self.x.geometry(self.x.main)
        wait_for("the tray icon: a window of the program embedded by the tray", self.x.find_icon, 10)
        if len(self.work_folders()) != 1:
            self.flaw("the running program has not exactly one work folder: %s" % self.work_folders())
        for folder in self.work_folders():
            if Path(folder).stat().st_mode & 0o777 != 0o700:
                self.flaw("the work folder %s is open to others" % folder)
        self.save_shot("window")

        self.step("first run: minimise into the tray, with one balloon")
        self.minimise()
        balloon = wait_for("the balloon 'has been minimized to the system tray'", self.x.find_balloon, 10)
        if not holds(self.hidden_cleanly, 1):
            self.flaw("the minimised window did not stay hidden: %s" % self.big_windows())
        self.save_shot("balloon")

        self.step("first run: a left click on the tray icon brings the window back")
        self.x.click_icon(1)
        wait_for("the main window back after a left click on the icon", lambda: is_viewable(self.x.main), 10)
        wait_for("the balloon gone with the click", lambda: not is_viewable(balloon), 8)

        self.step("first run: minimise again, this time without a balloon")
        self.minimise()
        if not holds(lambda: not self.x.find_balloon(), 1.5):
            self.flaw("a balloon came up on the second minimise of the run (it is shown once a run)")
        self.save_shot("tray", "400x160+880+640")

        self.step("first run: the icon's menu (right button): its first entry shows the window")
        self.x.click_icon(3)
        wait_for("the icon's menu", self.x.find_menu, 5)
        press_keys("Down", "Return")
        wait_for("the main window back from the menu's 'Show Tidewick'", lambda: is_viewable(self.x.main), 10)

        self.step("first run: minimise, then start the program a second time")
        self.minimise()
        second = start_program(self.binary, self.work, dict(os.environ, TIDEWICK_DESKTOP_TEST_RUN=self.mark),
                               "second.log")
        if second.wait(15) != 0:
            self.flaw("the second start ended with status %d" % second.returncode)
        wait_for("the running copy's window back for the second start", lambda: is_viewable(self.x.main), 10)
        if len(self.work_folders()) != 1:
            self.flaw("the second start made a work folder of its own: %s" % self.work_folders())

        self.step("first run: close with Alt+F4")
        self.close_as_user()

    def log_outs(self):
        self.step("log-outs: SIGTERM, with the tray icon up, ends the program cleanly twelve times in a row")
        for attempt in range(1, 13):
            self.start()
            wait_for("the main window (log-out %d)" % attempt, self.find_main, 30)
            wait_for("the tray icon (log-out %d)" % attempt, self.x.find_icon, 10)
            # At different moments of the start: the crash this guards against came now and then.
            time.sleep(attempt % 4 * 0.3)
            self.app.terminate()
            self.expect_clean_end("log-out %d" % attempt)

        self.step("the tray menu's Quit ends the program, three times in a row")
        for attempt in range(1, 4):
            self.start()
            wait_for("the main window (quit %d)" % attempt, self.find_main, 30)
            wait_for("the tray icon (quit %d)" % attempt, self.x.find_icon, 10)
            self.x.click_icon(3)
            wait_for("the icon's menu (quit %d)" % attempt, self.x.find_menu, 5)
            press_keys("Up", "Return")  # the last entry
            wait_for("the program to end after the menu's Quit", self.ended, 10)
            self.expect_clean_end("quit %d" % attempt)

    def start_into_the_tray(self):
        self.step("second run: started straight into the tray")
        self.settings.parent.mkdir(parents=True, exist_ok=True)
        self.settings.write_text("[Tidewick]\nWindows%20Startup=On\nMinimized=On\n")  # QSettings writes a space as %20
        self.start()
        seen = {}

        def watch():
            """Until the balloon has come and gone by itself, the main window is never on the screen."""
            if "shown" not in seen and self.big_windows():
                seen["shown"] = True
                self.flaw("the main window came on the screen although the program starts into the tray")
            if not (self.x.icon or self.x.find_icon()):
                return False
            if "balloon" not in seen:
                balloon = self.x.find_balloon()
                if not balloon:
                    return False
                seen.update(balloon=balloon, since=time.monotonic(), geometry=self.x.geometry(balloon))
            return not is_viewable(seen["balloon"])

        wait_for("the tray icon and its balloon, gone after its 5 s", watch, 30)
        shown = time.monotonic() - seen["since"]
        if shown < 3:
            self.flaw("the balloon went after %.1f s, too soon for a tip shown for 5 s" % shown)
        ix, iy, iw, ih = self.x.geometry(self.x.icon)
        bx, by, bw, bh = seen["geometry"]
        cx, cy = ix + iw // 2, iy + ih // 2
        if max(bx - cx, cx - bx - bw + 1, 0) > 40 or max(by - cy, cy - by - bh + 1, 0) > 40:
            self.flaw("the balloon at %s is far from the tray icon at %s" % (seen["geometry"], (ix, iy, iw, ih)))
        if set(self.x.windows()) & managed_windows():
            self.flaw("started into the tray, the window manager manages windows of the program")

        self.step("second run: a click on the tray icon shows the window")
        self.x.click_icon(1)
        wait_for("the main window shown by a click on the icon", self.find_main, 10)
        self.step("second run: close with Alt+F4")
        self.close_as_user()

    def without_a_tray(self):
        self.step("third run: the tray goes; a start minimised to the tray goes to the task bar")
        self.desktop.stop_tray()

        def iconic():
            for window in self.x.windows():
                if window in managed_windows() and "Iconic" in run("xprop", "-id", str(window), "WM_STATE")[1]:
                    self.x.main = window
                    return True
            return False

        self.start()
        wait_for("the minimised main window in the task bar", iconic, 30)
        if not holds(lambda: not self.x.find_balloon(), 1.5):
            self.flaw("without a tray, a balloon window came up at the start")
        run("xdotool", "windowactivate", "--sync", str(self.x.main), timeout=10)
        wait_for("the window back from the task bar", lambda: is_viewable(self.x.main), 5)
        xdotool("windowminimize", str(self.x.main))
        wait_for("the window iconic in the task bar after a minimise", iconic, 5)
        if not holds(iconic, 2.5):
            self.flaw("without a tray, the minimised window did not stay in the task bar")

        self.step("third run: a tray comes and takes the window in; it goes and the task bar has it again")
        self.desktop.start_tray()
        wait_for("the window taken into the tray that came", lambda: self.x.main not in managed_windows()
                 and is_unmapped(self.x.main) and self.x.find_icon(), 10)
        self.desktop.stop_tray()
        wait_for("the window back in the task bar when the tray went", iconic, 10)
        run("xdotool", "windowactivate", "--sync", str(self.x.main), timeout=10)
        wait_for("the window back from the task bar", lambda: is_viewable(self.x.main), 5)
        self.close_as_user()

    def run(self):
        self.step("starting Xvfb, openbox and trayer")
        try:
            self.desktop.start()
            self.first_run()
            self.log_outs()
            self.start_into_the_tray()
            self.without_a_tray()
        except JourneyError as error:
            self.flaw(str(error))
            self.diagnose()
        finally:
            if self.app and self.app.poll() is None:
                self.app.kill()
                self.app.wait()
            for pid in self.leftover_processes():
                os.kill(pid, 9)
            self.desktop.stop()
            shutil.rmtree(self.work, ignore_errors=True)
        if self.failures:
            print("FAILED: %d check(s) failed" % self.failures, file=sys.stderr)
            return 1
        print("PASSED")
        return 0

    def diagnose(self):
        if self.app and getattr(self, "x", None):
            for window in self.x.windows():
                print("  window %d %s" % (window, window_info(window)), file=sys.stderr)
        log = self.work / "app.log"
        if log.exists():
            print("Program output:\n" + "".join(log.read_text(errors="replace").splitlines(True)[-30:]),
                  file=sys.stderr)


def main():
    for tool in ("Xvfb", "openbox", "trayer", "xdotool"):
        if not shutil.which(tool):
            print("SKIP: '%s' is not installed (scripts/install-deps installs the desktop test tools)" % tool)
            return 77
    binary = Path(sys.argv[1] if len(sys.argv) > 1 else "")
    if not binary.is_file() or not os.access(binary, os.X_OK):
        print("FAIL: usage: real_desktop_test.py BINARY (got '%s')" % binary, file=sys.stderr)
        return 1
    return Check(binary.resolve()).run()


if __name__ == "__main__":
    sys.exit(main())
