#!/usr/bin/python3
"""A user's day with the real program, driven only through AT-SPI and xdotool.

Run by user_journey_test.sh inside a private desktop (Xvfb, openbox, trayer, a
D-Bus session with the accessibility bus) with the local news service running.
It starts the installed program, adds keywords by hand, from the sample and
from two files chosen in the file dialog, ticks a country and a category,
fetches, reads the results, opens one result's link with a double-click (a
stand-in xdg-open notes it), saves the results through the save dialog and
compares the bytes, minimises into the tray and back, turns automatic
fetching on, closes, restarts to see it resume, and closes again: nothing may
be left.

Exit status: 0 passed, 1 failed (what was seen is printed).
"""

import argparse
import json
import os
import re
import stat
import subprocess
import sys
import threading
import time
import traceback
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import pyatspi  # noqa: E402

from atspi_app import (AtspiApp, JourneyError, UnexpectedState, cell, cells, child, children_of,  # noqa: E402
                       describe, descendant, extents_of, has_state, press, row_texts, text_of, wait_for)
from x11_desktop import (ProgramWindows, is_unmapped, is_viewable, managed_windows, window_info,  # noqa: E402
                                  press_keys, screenshot, type_text, xdotool)

TITLE = "Tidewick"
TYPED_KEYWORDS = ["drills", "students"]
SAMPLE_KEYWORDS = ["Tesla", "Perseverance", "COVID-19"]
COUNTRY, CATEGORY = "us", "science"
TURN_ON = "Turn On Automatic News Fetch"
TURN_OFF = "Turn Off Automatic News Fetch"
COUNTDOWN = re.compile(r"^Next news fetch will occur in (\d\d):(\d\d):(\d\d)$")
# Balloons are held for 5 s and each article waits 2 s more: a fetch of two
# articles takes up to 15 s when nobody clicks them away.
FETCH_SECONDS = 40


START = time.monotonic()


def elapsed():
    return time.monotonic() - START


def step(text):
    print("--- [%5.1f s] %s" % (elapsed(), text), flush=True)


class QueryWatcher(threading.Thread):
    """Notes when each request reaches the news service, to tell which step caused it."""

    def __init__(self, log):
        super().__init__(daemon=True)
        self.log = Path(log)
        self.times = []
        self.stopping = threading.Event()

    def run(self):
        while not self.stopping.wait(0.05):
            lines = self.log.read_text().count("\n") if self.log.exists() else 0
            self.times += [elapsed()] * (lines - len(self.times))


class Journey:
    def __init__(self, options):
        self.options = options
        self.binary = options.binary
        self.work = Path(options.work)
        self.temp = Path(os.environ["TMPDIR"])
        self.port = options.port
        # Unique on the machine: another journey running at the same time has
        # its own work folder, and its programs are not ours to count or kill.
        self.mark = str(self.work.resolve())
        self.shots = Path(options.screenshots) if options.screenshots else None
        self.process = None
        self.app = None
        self.x = None
        self.failures = []

    # --- Reporting -----------------------------------------------------------

    def flaw(self, text):
        """A fault after which the journey goes on; it fails at the end."""
        print("FAIL: " + text, file=sys.stderr, flush=True)
        self.failures.append(text)

    def check(self, condition, text):
        if not condition:
            self.flaw(text)
        return condition

    def shot(self, name, *also):
        """A picture of the main window (and of `also`, more of the program's windows), cut from the screen."""
        if not self.shots:
            return
        boxes = [self.x.frame_geometry(self.x.main)] if self.x.main and is_viewable(self.x.main) else []
        boxes += [self.x.geometry(window) for window in also]
        boxes = [box for box in boxes if box]
        target = self.shots / ("journey-%s.png" % name)
        whole = self.work / "screen.png"
        if not screenshot(whole):
            print("note: no picture %s: import failed" % target)
            return
        if boxes:
            margin = 4
            left = max(0, min(x for x, _, _, _ in boxes) - margin)
            top = max(0, min(y for _, y, _, _ in boxes) - margin)
            right = max(x + width for x, _, width, _ in boxes) + margin
            bottom = max(y + height for _, y, _, height in boxes) + margin
            crop = "%dx%d+%d+%d" % (right - left, bottom - top, left, top)
            subprocess.run(["convert", str(whole), "-crop", crop, "+repage", str(target)], check=False)
        else:
            whole.replace(target)
        print("saved " + str(target))

    def report_failure(self):
        """What the program showed when a step failed: its windows and a picture."""
        print("The program's accessible windows:", file=sys.stderr)
        try:
            for window in self.app.top_levels() if self.app else []:
                for line in describe(window, max_depth=3):
                    print("  " + line, file=sys.stderr)
        except Exception as error:  # noqa: BLE001
            print("  (could not read the tree: %r)" % (error,), file=sys.stderr)
        if self.x:
            managed = managed_windows()
            print("The program's X windows (main %s, tray icon %s):" % (self.x.main, self.x.icon), file=sys.stderr)
            for window in self.x.windows():
                print("  %d %s%s" % (window, window_info(window), " managed" if window in managed else ""),
                      file=sys.stderr)
        picture = Path(self.options.failure_dir) / "user_journey-failure.png"
        if screenshot(picture):
            print("Screenshot of the desktop: %s" % picture, file=sys.stderr)
        log = self.work / "app.log"
        if log.exists() and log.stat().st_size:
            print("Program output (last lines):", file=sys.stderr)
            print("".join(log.read_text(errors="replace").splitlines(True)[-20:]), file=sys.stderr)

    # --- The program's life ----------------------------------------------------

    def start_program(self):
        environment = dict(os.environ, TIDEWICK_JOURNEY_RUN=self.mark)
        log = open(self.work / "app.log", "a")
        # Started from a folder of its own: the file dialogs open there.
        self.process = subprocess.Popen([self.binary], cwd=str(self.work / "files"), env=environment,
                                        stdout=log, stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL)
        log.close()
        self.app = AtspiApp(self.process.pid)
        self.x = ProgramWindows(self.process.pid)

    def window(self):
        return self.app.main_window(TITLE)

    def wait_for_window(self, timeout=30):
        self.app.wait_until_running(timeout)
        wait_for("the window %r on the accessibility bus" % TITLE, self.window, timeout)
        wait_for("the main window %r on the screen, managed by the window manager" % TITLE,
                 lambda: self.x.find_main(TITLE), timeout)
        wait_for("the tray icon (a window of the program embedded by trayer)", self.x.find_icon, 10)

    def control(self, role, name, description=None):
        found = child(self.window(), role, name, description)
        if found is None:
            raise JourneyError("the window has no %s named %r%s" % (
                role, name, " described %r" % description if description else ""))
        return found

    def rows(self, list_name):
        return row_texts(self.control("tree", list_name))

    def ended(self):
        return self.process.poll() is not None

    def work_folders(self):
        return sorted(path for path in self.temp.glob("tidewick-*") if path.is_dir())

    def check_work_folder(self):
        folders = self.work_folders()
        if not self.check(len(folders) == 1, "while running, the program should have one work folder"
                          " tidewick-* in TMPDIR (%s); found %s" % (self.temp, folders)):
            return
        mode = stat.S_IMODE(folders[0].stat().st_mode)
        self.check(mode == 0o700, "the work folder %s has mode %o, not 700" % (folders[0], mode))

    def leftover_processes(self):
        left = []
        for entry in Path("/proc").iterdir():
            if not entry.name.isdigit() or int(entry.name) == os.getpid():
                continue
            try:
                environ = (entry / "environ").read_bytes().split(b"\0")
            except OSError:
                continue
            if ("TIDEWICK_JOURNEY_RUN=%s" % self.mark).encode() in environ:
                try:
                    state = (entry / "stat").read_text().rsplit(")", 1)[1].split()[0]
                except (OSError, IndexError):
                    continue
                if state != "Z":
                    left.append("%s %s" % (entry.name, (entry / "cmdline").read_bytes().replace(b"\0", b" ")
                                           .decode(errors="replace").strip()))
        return left

    def close(self, what):
        """Alt+F4 on the window, as a user closes it: it must end at once, cleanly."""
        started = time.monotonic()
        self.x.close_with_alt_f4(self.ended)
        print("the program ended %.2f s after Alt+F4" % (time.monotonic() - started))
        status = self.process.wait()
        self.check(status == 0, "%s: the program ended with status %s, not 0" % (what, status))
        folders = self.work_folders()
        self.check(not folders, "%s: the work folder is still in TMPDIR after the program ended: %s" % (what, folders))
        left = self.leftover_processes()
        self.check(not left, "%s: processes started by the program still run after it ended: %s" % (what, left))
        for line in left:
            try:
                os.kill(int(line.split()[0]), 9)
            except OSError:
                pass

    # --- Dialogs -----------------------------------------------------------

    def wait_dialog(self, role, name=None, label=None, timeout=10):
        return wait_for("a %s %s" % (role, repr(name) if name else "with the label %r" % label),
                        lambda: self.app.top_level(role, name, label), timeout)

    def wait_dialog_gone(self, dialog, what, timeout=10):
        role, name = dialog.getRoleName(), dialog.name
        wait_for("%s to close" % what, lambda: self.app.top_level(role, name) is None, timeout)

    def type_into(self, dialog, field_name, text):
        """Types into a dialog's field once it has the keyboard focus, and checks what arrived."""
        field = wait_for("the field %r in %r" % (field_name, dialog.name),
                         lambda: descendant(dialog, "text", field_name), 5)
        wait_for("the keyboard focus in the field %r" % field_name,
                 lambda: has_state(field, pyatspi.STATE_FOCUSED)
                 and xdotool("getwindowfocus")[1].strip() not in ("", str(self.x.main)), 5)
        for attempt in (1, 2):
            type_text(text)
            try:
                return wait_for("the field %r to read %r" % (field_name, text),
                                lambda: text_of(field) == text, 3)
            except JourneyError:
                if attempt == 2:
                    raise JourneyError("the field %r reads %r after typing %r" % (field_name, text_of(field), text))
                # A key lost on a busy machine: a user selects all and types again.
                press_keys("ctrl+a", "BackSpace")

    def answer(self, dialog, button):
        target = wait_for("the button %r in %r" % (button, dialog.name),
                          lambda: descendant(dialog, "push button", button), 5)
        press(target)
        self.wait_dialog_gone(dialog, "the dialog %r after %r" % (dialog.name, button))

    # --- Lists ---------------------------------------------------------------

    def wait_rows(self, list_name, expected, timeout=10):
        try:
            wait_for("the list %r to hold %r" % (list_name, expected),
                     lambda: self.rows(list_name) == expected, timeout)
        except JourneyError as error:
            raise JourneyError("%s; it holds %r" % (error, self.rows(list_name))) from None

    def tick(self, list_name, text):
        """Ticks a row's box with the mouse, scrolling the list with the wheel first.

        A mouse user's tick: the box is clicked where AT-SPI says it is (a
        screen-reader user's Space is the screen-reader test's).
        """
        view = self.control("tree", list_name)
        target = cell(view, text)
        if target is None:
            raise JourneyError("the list %r has no row %r: %r" % (list_name, text, row_texts(view)))
        vx, vy, vw, vh = extents_of(view)
        # Rows show between the column header and the view's lower edge.
        header = view.queryTable().getColumnHeader(0)
        top = vy
        if header:
            _, header_y, _, header_height = extents_of(header)
            top = header_y + header_height
        bottom = vy + vh - 2

        def in_view():
            _, y, _, h = extents_of(target)
            return has_state(target, pyatspi.STATE_SHOWING) and y >= top and y + h <= bottom

        for _ in range(40):
            if in_view():
                break
            _, y, _, h = extents_of(target)
            # Wheel down while the row ends below the view, up while it starts above.
            xdotool("mousemove", str(vx + vw // 2), str(vy + vh // 2), "click", "5" if y + h > bottom else "4")
            before = y
            try:
                wait_for("the list %r to scroll" % list_name, lambda: extents_of(target)[1] != before, 1)
            except JourneyError:
                pass
        if not in_view():
            raise JourneyError("could not scroll the row %r of %r into view (at %r, list %r)" % (
                text, list_name, extents_of(target), (vx, vy, vw, vh)))
        x, y, w, h = extents_of(target)
        # The box sits at the left edge of the row.
        xdotool("mousemove", str(x + 8), str(y + h // 2), "click", "1")
        xdotool("mousemove", "0", "0")
        wait_for("the row %r of %r to be ticked" % (text, list_name),
                 lambda: has_state(target, pyatspi.STATE_CHECKED), 5)

    def ticked(self, list_name):
        return [item.name for item in cells(self.control("tree", list_name))
                if has_state(item, pyatspi.STATE_CHECKED)]

    # --- Balloons ------------------------------------------------------------

    def refuse_messages(self, expected=None):
        """Fails at once when a message box other than `expected` is up (an error report)."""
        for window in self.app.top_levels():
            if window.getRoleName() != "alert":
                continue
            texts = [item.name for item in children_of(window) if item.getRoleName() == "label" and item.name]
            if expected not in texts:
                raise UnexpectedState("an unexpected message box is up: %r" % texts)

    def dismiss_balloon(self, shot_name=None):
        """Clicks a balloon away once it is up; with a name, takes its picture first."""
        balloon = self.x.find_balloon()
        if not balloon:
            return False
        if shot_name:
            self.shot(shot_name, balloon, self.x.icon)
        self.x.click_window_centre(balloon)
        xdotool("mousemove", "0", "0")
        return True

    # --- The journey -----------------------------------------------------------

    def prepare_files(self):
        files = self.work / "files"
        files.mkdir(exist_ok=True)
        # UTF-8 with a byte order mark and CR LF, a line of blanks (no keyword);
        # plain LF in the other.
        (files / "first list.txt").write_bytes(b"\xef\xbb\xbfZ\xc3\xbcrich\r\n   \r\nlunar lander\r\n")
        (files / "second.txt").write_bytes(b"telescope\n")
        (self.work / "saved").mkdir(exist_ok=True)
        return [str(files / "first list.txt"), str(files / "second.txt")], ["Zürich", "lunar lander", "telescope"]

    def expected_articles(self):
        """The article each typed keyword finds in the service's data for the ticked country and category."""
        data = json.loads(Path(self.options.articles).read_text(encoding="utf-8"))["articles"]
        titles = []
        for keyword in TYPED_KEYWORDS:
            found = [article["title"] for article in data
                     if article["country"] == COUNTRY and article["category"] == CATEGORY
                     and keyword in ("%s %s" % (article["title"], article["description"] or "")).casefold()]
            if len(found) != 1:
                raise JourneyError("the news data should hold one %s/%s article for %r, not %r"
                                   % (COUNTRY, CATEGORY, keyword, found))
            titles.append(found[0])
        return titles

    def first_run(self):
        paths, imported = self.prepare_files()
        titles = self.expected_articles()

        step("first run: start")
        self.start_program()
        self.wait_for_window()
        self.check_work_folder()

        step("add two keywords with 'Add One Keyword'")
        keywords = []
        for keyword in TYPED_KEYWORDS:
            press(self.control("push button", "Add One Keyword"))
            dialog = self.wait_dialog("dialog", label="Enter one keyword:")
            self.type_into(dialog, "Enter one keyword:", keyword)
            if not keywords:
                self.shot("input-box")
            self.answer(dialog, "OK")
            keywords.append(keyword)
            self.wait_rows("Keyword/s", keywords)

        step("load the sample data")
        press(self.control("push button", "Load Sample/Example Data"))
        keywords += SAMPLE_KEYWORDS
        self.wait_rows("Keyword/s", keywords)

        step("import two text files through the file dialog")
        press(self.control("push button", "Load List From Text File"))
        dialog = self.wait_dialog("dialog", "Load List(s) - Hold Ctrl to select multiple list files")
        self.type_into(dialog, "File name:", " ".join('"%s"' % path for path in paths))
        self.shot("open-dialog")
        self.answer(dialog, "Open")
        keywords += imported
        self.wait_rows("Keyword/s", keywords)

        step("tick the country %r and the category %r" % (COUNTRY, CATEGORY))
        self.tick("Local News Sites", COUNTRY)
        self.tick("Categories", CATEGORY)
        self.check(self.ticked("Local News Sites") == [COUNTRY],
                   "ticked countries: %r, not only %r" % (self.ticked("Local News Sites"), COUNTRY))
        self.check(self.ticked("Categories") == [CATEGORY],
                   "ticked categories: %r, not only %r" % (self.ticked("Categories"), CATEGORY))
        self.shot("keywords")

        step("News Fetch Now (Test)")
        press(self.control("push button", "News Fetch Now (Test)"))
        balloons = 0

        def done_or_balloon():
            nonlocal balloons
            self.refuse_messages(expected="Done.")
            if self.dismiss_balloon("balloon" if balloons == 0 else None):
                balloons += 1
            return self.app.top_level("alert", containing_label="Done.")

        alert = wait_for("the message 'Done.' after the test fetch", done_or_balloon, FETCH_SECONDS, interval=0.1)
        self.answer(alert, "OK")
        self.check(balloons >= 1, "no balloon announced an article during the test fetch")

        step("read the results in the News list")
        rows = self.rows("News")
        if not self.check(len(rows) == len(titles),
                          "the News list holds %d rows, not %d: %r" % (len(rows), len(titles), rows)):
            raise JourneyError("no results to go on with")
        for row, title in zip(rows, titles):
            self.check(title in row, "the result row %r does not name the article %r" % (row, title))
        self.check(self.rows("Keyword/s") == keywords,
                   "the keywords changed during the fetch: %r" % self.rows("Keyword/s"))
        self.shot("results")

        step("double-click a result to open its link in the browser")
        # xdg-open is a stand-in first on PATH that writes down what it got.
        opened = Path(os.environ["TIDEWICK_JOURNEY_OPENED"])
        first = cell(self.control("tree", "News"), rows[0])
        x, y, width, height = extents_of(first)
        xdotool("mousemove", str(x + width // 4), str(y + height // 2), "click", "--repeat", "2", "--delay", "80", "1")
        link = re.findall(r"https?://\S+", rows[0])[-1]
        wait_for("xdg-open to be given %s" % link, lambda: opened.exists() and opened.read_text().strip(), 10)
        self.check(opened.read_text().split("\n")[0] == link,
                   "the browser was asked to open %r, not the row's link %r" % (opened.read_text(), link))

        step("save the results through the save dialog")
        target = self.work / "saved" / "news results.txt"
        press(self.control("push button", "Save Results"))
        dialog = self.wait_dialog("dialog", "Save List")
        self.type_into(dialog, "File name:", str(target))
        self.shot("save-dialog")
        self.answer(dialog, "Save")
        wait_for("the saved file %s" % target, target.exists, 10)
        expected = saved_bytes("News", self.rows("News"))
        wait_for("the saved file to hold %d bytes" % len(expected), lambda: target.stat().st_size >= len(expected), 5)
        saved = target.read_bytes()
        self.check(saved == expected, "the saved file differs from the rows shown:\n  saved    %r\n  expected %r"
                   % (saved, expected))

        step("the two 'Clear List' buttons each empty their own list")
        press(self.control("push button", "Clear List", "Removes every row from the News list"))
        self.wait_rows("News", [])
        self.check(self.rows("Keyword/s") == keywords, "clearing the results touched the keywords")
        press(self.control("push button", "Clear List", "Removes every keyword from the Keyword/s list"))
        self.wait_rows("Keyword/s", [])

        self.tray_round_trip()

        step("turn automatic fetching on")
        press(self.control("push button", TURN_ON))
        wait_for("the caption %r" % TURN_OFF, lambda: child(self.window(), "push button", TURN_OFF), 5)
        # The first automatic fetch runs at once. A user who has seen the
        # caption change closes the window while that fetch still announces
        # its article: the choice must hold all the same, and the fetch's
        # helpers and files must go with the program.
        wait_for("the balloon of the first automatic fetch", self.x.find_balloon, 10)

        step("close the program with Alt+F4 while that fetch runs")
        self.close("first run")
        settings = Path(os.environ["XDG_CONFIG_HOME"]) / "Kestrow" / "Tidewick.ini"
        text = settings.read_text(errors="replace") if settings.exists() else "(missing)"
        self.check("StartStopState=On" in text,
                   "automatic fetching was turned on (the caption read %r), but after closing the settings do not"
                   " keep it on (StartStopState):\n%s" % (TURN_OFF, text))

    def tray_round_trip(self):
        step("minimise into the tray and click the tray icon to come back")
        xdotool("windowminimize", str(self.x.main))
        wait_for("the main window to be unmapped after minimising", lambda: is_unmapped(self.x.main), 10)
        balloon = wait_for("the tray balloon 'has been minimized to the system tray'", self.x.find_balloon, 10)
        self.shot("tray", balloon, self.x.icon)
        self.x.click_icon(1)
        wait_for("the main window back on the screen after a click on the tray icon",
                 lambda: is_viewable(self.x.main), 10)
        wait_for("the restored window to be managed by the window manager",
                 lambda: self.x.main in managed_windows(), 5)
        wait_for("the window on the accessibility bus to show again",
                 lambda: has_state(self.window(), pyatspi.STATE_SHOWING), 5)

    def countdown(self):
        """The countdown group's caption, which carries the time left."""
        for item in children_of(self.window()):
            if item.getRoleName() == "panel" and item.name.startswith(("Next news fetch", "Automatic news fetch")):
                return item.name
        return None

    def wait_counting(self, timeout, dismiss=False):
        """Waits until the countdown's caption shows a time, then sees it go down."""
        def seconds_left():
            if dismiss:
                self.refuse_messages()
                self.dismiss_balloon()
            match = COUNTDOWN.match(self.countdown() or "")
            return match and int(match.group(1)) * 3600 + int(match.group(2)) * 60 + int(match.group(3)) or None

        try:
            first = wait_for("the countdown's caption to show the time left", seconds_left, timeout)
        except JourneyError as error:
            raise JourneyError("%s; the caption reads %r" % (error, self.countdown())) from None
        try:
            later = wait_for("the countdown to go down from %d s" % first,
                             lambda: (lambda now: now if now and now < first else None)(seconds_left()), 4)
        except JourneyError as error:
            raise JourneyError("%s; the caption reads %r" % (error, self.countdown())) from None
        print("countdown: %d s left, then %d s" % (first, later))
        bar = child(child(self.window(), "panel", self.countdown()), "progress bar", "Time until the next news fetch")
        if self.check(bar is not None, "no progress bar 'Time until the next news fetch' in the countdown group"):
            value = bar.queryValue()
            self.check(0 < value.currentValue <= value.maximumValue,
                       "the progress bar shows %r of %r while counting" % (value.currentValue, value.maximumValue))

    def second_run(self):
        step("second run: start again and see automatic fetching resume")
        self.start_program()
        # The load fetches at once when automatic fetching was on; the window
        # comes after that.
        def window_after_balloons():
            self.refuse_messages()
            self.dismiss_balloon()
            return self.window()

        started = time.monotonic()
        wait_for("the window after the start-up fetch", window_after_balloons, FETCH_SECONDS)
        self.wait_for_window()
        print("the window came %.1f s after the start" % (time.monotonic() - started))
        self.check_work_folder()
        if self.check(child(self.window(), "push button", TURN_OFF) is not None,
                      "after the restart the toggle does not read %r: automatic fetching did not resume" % TURN_OFF):
            self.wait_counting(10, dismiss=True)
            rows = self.rows("News")
            self.check(len(rows) == 1, "the start-up fetch should have added one row to News: %r" % rows)
        self.shot("resumed")

        step("close again: nothing may be left")
        self.close("second run")

    def check_queries(self):
        step("the queries the news service answered")
        log = Path(self.options.news_log)
        records = [json.loads(line) for line in log.read_text().splitlines()] if log.exists() else []
        times = self.queries.times + [None] * (len(records) - len(self.queries.times))
        for record, moment in zip(records, times):
            when = "%5.1f s" % moment if moment is not None else "   ?   "
            print("  [%s] %s%s" % (when, record["host"], record["path"]))
        base = "localhost:%d" % self.port
        expected = [("%s.%s" % (COUNTRY, base), "/%s,category=%s" % (keyword, CATEGORY)) for keyword in TYPED_KEYWORDS]
        # The first automatic fetch, then the start-up fetch of the second run,
        # which finds the ticked country and category restored.
        expected += [("%s.%s" % (COUNTRY, base), "/category=%s" % CATEGORY)] * 2
        seen = [(record["host"], record["path"]) for record in records]
        self.check(seen == expected, "the program asked the news service for %r, not %r" % (seen, expected))

    def run(self):
        self.queries = QueryWatcher(self.options.news_log)
        self.queries.start()
        try:
            self.first_run()
            self.second_run()
            self.check_queries()
        except Exception as error:  # noqa: BLE001 - every failure is reported the same way
            print("FAIL: %s" % error, file=sys.stderr)
            if not isinstance(error, JourneyError):
                traceback.print_exc()
            self.report_failure()
            return 1
        finally:
            self.queries.stopping.set()
            if self.process and self.process.poll() is None:
                self.process.kill()
                self.process.wait()
        if self.failures:
            self.report_failure()
            print("FAILED: %d check(s) failed" % len(self.failures), file=sys.stderr)
            return 1
        print("PASSED")
        return 0


def saved_bytes(header, rows):
    """A saved one-column list: header line, one line per row, an empty line.

    Every non-empty cell is followed by a TAB, every line by CR LF; the header
    is written only when the first row has text. The locale is UTF-8.
    """
    text = (header + "\t" if rows and rows[0] else "") + "\r\n"
    text += "".join((row + "\t" if row else "") + "\r\n" for row in rows)
    return (text + "\r\n").encode("utf-8")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--binary", required=True)
    parser.add_argument("--work", required=True, help="a private folder for files, logs and pictures")
    parser.add_argument("--port", type=int, required=True, help="the news service's port")
    parser.add_argument("--news-log", required=True)
    parser.add_argument("--articles", required=True, help="the news service's articles.json")
    parser.add_argument("--screenshots", default="")
    parser.add_argument("--failure-dir", default=".")
    options = parser.parse_args()
    return Journey(options).run()


if __name__ == "__main__":
    sys.exit(main())
