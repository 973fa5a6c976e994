"""The program as a blind user meets it: orca with speech-dispatcher and espeak-ng (its sound to ALSA's null
device) on a virtual X desktop with the accessibility bus, the window driven by keys alone, in English and in
German. What orca says comes from its debug output. Every Tab stop is spoken by its name, and a list's current
row after the list's name; a country ticked and cleared with Space is said "checked" and "not checked" (in orca's
own words for the language); a new interval is said; a message box is read; the end of an automatic run is told;
a result row fetched from the local news service is read.

Usage: screen_reader_test.py BINARY. Exit status: 0 passed, 1 failed, 77 skipped.
"""
import gettext
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import tty
import xml.etree.ElementTree as ElementTree
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))

import pyatspi  # noqa: E402
from atspi_app import AtspiApp, JourneyError, cells, child, has_state, holds, wait_for  # noqa: E402
from x11_desktop import VirtualDesktop, press_keys, start_program  # noqa: E402

# The Tab stops in order, by their English captions; the lists among them name their current row on entry.
STOPS = ("Local News Sites", "Categories", "How often would you like to news fetch?", "Load this software at l&og-on",
         "M&inimized to system tray", "Keyword/s", "&Add One Keyword", "Load List From Te&xt File", "&Clear List",
         "Load Sa&mple/Example Data", "&Turn On Automatic News Fetch", "News Fetch &Now (Test)", "Find an article",
         "News", "Announce only ne&w articles", "&Save Results", "Clear &List")
LISTS = STOPS[:3] + ("Keyword/s", "News")
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*)'(?: voice=\w+)?\s*(?:\{.*\}|None)?$")


class Orca:
    """orca writing its debug output to a terminal of the test's own: into a file it writes in blocks, and what it
    has just said would wait there for the next block."""

    def __init__(self, work, environment):
        self.said, self.to_speechd = [], 0
        # The terminal stays open here while orca runs: without a process on its end, it would go.
        master, self.terminal = os.openpty()
        tty.setraw(self.terminal)
        self.process = subprocess.Popen(["orca", "-u", str(work / "orca"), "--debug-file",
                                         os.ttyname(self.terminal)], env=environment, stdin=subprocess.DEVNULL,
                                        stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        threading.Thread(target=self._read, args=(master,), daemon=True).start()

    def end(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(15)
            except subprocess.TimeoutExpired:  # orca at times hangs on its way out
                self.process.kill()
                self.process.wait(10)
        os.close(self.terminal)

    def _read(self, master):
        rest = b""
        while True:
            try:
                block = os.read(master, 1 << 16)
            except OSError:  # the terminal was closed
                block = b""
            if not block:
                return os.close(master)
            *lines, rest = (rest + block).split(b"\n")
            for line in lines:
                found = SPOKEN.search(line.decode(errors="replace"))
                self.said += [found.group(1)] if found else []
                self.to_speechd += b"SPEECH DISPATCHER: Speaking" in line


def translated(message):
    """A message's translation; of a message with a count, its first form."""
    forms = [form.text for form in message.iter("numerusform")]
    return forms[0] if forms else message.findtext("translation")


class Check:
    def __init__(self, binary, work):
        self.binary, self.work, self.failures, self.summary = binary, work, [], []
        self.app = self.orca = self.process = None

    def flaw(self, text):
        self.failures.append(text)
        print("FAIL: " + text, file=sys.stderr, flush=True)

    def press(self, key, heard, what, timeout=8):
        """Presses `key`; waits until `heard` holds for what orca said since, then for orca to fall quiet."""
        start = len(self.orca.said)
        press_keys(key)
        try:
            wait_for(what, lambda: heard(" | ".join(self.orca.said[start:])), timeout)
        except JourneyError:
            self.flaw("%s %s: orca said %r" % (self.language, what, self.orca.said[start:]))
        while not holds(lambda count=len(self.orca.said): len(self.orca.said) == count, 0.4):
            pass
        self.summary.append("%-9s %s" % (key, " | ".join(self.orca.said[start:])[:110]))
        return " | ".join(self.orca.said[start:])

    def current_row(self, name):
        view = child(self.app.main_window("Tidewick"), "tree", name)
        return next((row.name for row in cells(view) if has_state(row, pyatspi.STATE_FOCUSED)), None)

    def tab_to(self, stop):
        """Tab to the next stop, which must be spoken by its name; a list with rows also by its current row."""
        name = self.text(stop)
        said = self.press("Tab", lambda said: name in said, "Tab to %r, spoken by its name" % name)
        row = self.current_row(name) if stop in LISTS else None
        if row is not None and row not in said:
            self.flaw("%s: entering %r, orca did not say its current row %r: %r" % (self.language, name, row, said))

    def walk(self, stops, actions):
        for stop in stops:
            self.tab_to(stop)
            for key, text, what in actions.get(stop, ()):
                self.press(key, text if callable(text) else lambda said, text=text: text in said, what, 30)

    def run(self, language, port):
        self.language = language
        catalogue = {} if language == "en" else {message.findtext("source"): translated(message) for message in
                     ElementTree.parse(HERE.parents[1] / ("translations/tidewick_%s.ts" % language)).iter("message")}
        self.text = lambda text: catalogue.get(text, text).replace("&", "")
        orca_words = gettext.translation("orca", languages=[language], fallback=True)
        checked, not_checked = (orca_words.pgettext("checkbox", word) for word in ("checked", "not checked"))
        environment = dict(os.environ, LANGUAGE=language)
        self.summary.append("== %s" % language)
        self.orca = Orca(self.work, environment)
        start = orca_words.gettext("Screen reader on.")
        wait_for("orca to say %r" % start, lambda: start in self.orca.said or self.orca.process.poll() is not None, 30)
        if self.orca.process.poll() is not None:
            raise JourneyError("orca ended at its start: %s" % self.orca.process.stdout.read()[-300:])
        if not self.orca.to_speechd:
            raise JourneyError("orca speaks to no speech-dispatcher")
        program = dict(environment, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                       XDG_CONFIG_HOME=str(self.work / language / "config"),
                       XDG_DATA_HOME=str(self.work / language / "data"))
        process = self.process = start_program(self.binary, self.work, program,
                                               arguments=("--news-host", "127.0.0.1:%d" % port))
        self.app = AtspiApp(process.pid)
        self.app.wait_until_running(30)
        wait_for("the window, spoken by orca", lambda: self.app.main_window("Tidewick") and len(self.orca.said) > 1,
                 30)
        first = self.text(STOPS[0])
        for _ in range(len(STOPS)):
            if first in self.press("Tab", lambda said: said, "Tab, spoken"):
                break
        else:
            raise JourneyError("Tab never came to %r" % first)
        ticked = lambda said: checked in said.replace(not_checked, "")  # noqa: E731
        self.walk(STOPS[1:] + STOPS[:1], {
            STOPS[0]: [("space", ticked, "a country ticked with Space, said %r" % checked),
                       ("space", not_checked, "the country cleared again, said %r" % not_checked)],
            STOPS[2]: [("Down", self.text("Fetch every 6 hours"), "the next interval, said")],
            STOPS[3]: [("space", ticked, "the option ticked with Space, said %r" % checked)],
            STOPS[9]: [("space", lambda said: True, "the sample keywords loaded")],
            STOPS[15]: [("space", self.text("There are no results to save."), "the message box, read"),
                        ("Escape", self.text(STOPS[15]), "the box closed, the button again")]})
        run_end = self.text("Automatic news fetch done: %Ln article(s) listed.").split("%Ln")[0].strip()
        self.walk(STOPS[1:14], {STOPS[10]: [("space", run_end, "the end of the first automatic run, told")],
                                STOPS[11]: [("space", self.text("Done."), "the message box after the test fetch"),
                                            ("Return", self.text(STOPS[11]), "the box closed, the button again")]})
        if not self.current_row(self.text("News")):
            self.flaw("%s: the test fetch put no row into the News list" % language)
        process.terminate()  # as a log-out ends it
        if process.wait(15) != 0:
            self.flaw("%s: the program ended with status %d" % (language, process.returncode))

    def run_in(self, language, port):
        try:
            self.run(language, port)
        except JourneyError as error:
            self.flaw("%s: %s" % (language, error))
        finally:
            if self.process and self.process.poll() is None:
                self.process.kill()
                self.process.wait(10)
            if self.orca:
                self.orca.end()


def main():
    tools = ("orca", "speech-dispatcher", "espeak-ng", "/usr/libexec/at-spi-bus-launcher", "dbus-daemon", "Xvfb",
             "openbox", "xdotool", "curl", "ansifilter")
    missing = [tool for tool in tools if not shutil.which(tool)]
    if missing or not Path("/usr/lib/speech-dispatcher-modules/sd_espeak-ng").exists():
        print("SKIP: not installed: %s (scripts/install-deps test installs them)" % (missing or "sd_espeak-ng"))
        return 77
    binary = Path(sys.argv[1] if len(sys.argv) > 1 else "").resolve()
    if not binary.is_file():
        print("FAIL: usage: screen_reader_test.py BINARY", file=sys.stderr)
        return 1
    work = Path(tempfile.mkdtemp(prefix="tidewick-screen-reader."))
    for folder in ("home", "config/speech-dispatcher", "runtime", "temp", "orca", "bus", "speech-log"):
        (work / folder).mkdir(parents=True)
    (work / "runtime").chmod(0o700)
    for name in ("LC_ALL", "LC_MESSAGES", "LANGUAGE", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE", "QT_STYLE_OVERRIDE",
                 "QT_SCALE_FACTOR", "TIDEWICK_NEWS_HOST", "SPEECHD_ADDRESS", "SPEECHD_SOCKET"):
        os.environ.pop(name, None)
    # Every process of the run carries the mark, so that none can outlive it unseen.
    os.environ.update(HOME=str(work / "home"), XDG_CONFIG_HOME=str(work / "config"), XDG_DATA_HOME=str(work / "home"),
                      XDG_CACHE_HOME=str(work / "home"), XDG_RUNTIME_DIR=str(work / "runtime"), TMPDIR=str(work / "temp"),
                      LANG="C.UTF-8", GSETTINGS_BACKEND="memory", QT_QPA_PLATFORM="xcb", PYTHONDONTWRITEBYTECODE="1",
                      DBUS_SESSION_BUS_ADDRESS="disabled:", TIDEWICK_SCREEN_READER_RUN=str(work))
    # Orca neither echoes keys nor looks for a braille display or plays sounds.
    (work / "orca/user-settings.conf").write_text(json.dumps({"general": {
        "enableKeyEcho": False, "enableBraille": False, "enableSound": False}, "profiles": {"default": {
            "profile": ["Default", "default"]}}, "pronunciations": {}, "keybindings": {}}))
    speech = work / "config/speech-dispatcher"
    shutil.copytree("/etc/speech-dispatcher", speech, dirs_exist_ok=True)
    with open(speech / "speechd.conf", "a") as conf:
        conf.write('\nDefaultModule espeak-ng\nAudioOutputMethod "alsa"\nAudioALSADevice "null"\n')
    shutil.copy("/usr/share/dbus-1/services/org.a11y.Bus.service", work / "bus")
    (work / "session.conf").write_text((HERE.parent / "support/sealed_bus.conf").read_text().replace(
        "</busconfig>", "<servicedir>%s</servicedir></busconfig>" % (work / "bus")))
    desktop, started, check = VirtualDesktop(work), [], Check(binary, work)
    try:
        desktop.start_display().start_window_manager()
        started.append(desktop.spawn("news", "/usr/bin/python3", str(HERE.parents[1] / "tools/news_service.py"),
                                     "--port", "0", "--port-file", str(work / "news.port"), "--max-articles", "1"))
        port = int(wait_for("the news service", lambda: (work / "news.port").exists() and
                            (work / "news.port").read_text().strip(), 10))
        # A bus of the test's own, whose only service is the accessibility bus (started with DISPLAY).
        bus = subprocess.Popen(["dbus-daemon", "--config-file=%s" % (work / "session.conf"), "--nofork",
                                "--print-address=1"], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        started.append(bus)
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().strip()
        started.append(desktop.spawn("speech-dispatcher", "speech-dispatcher", "-C", str(speech), "-L",
                                     str(work / "speech-log"), "-s", "-t", "0"))
        wait_for("speech-dispatcher's socket", (work / "runtime/speech-dispatcher/speechd.sock").exists, 10)
        for language in ("en", "de"):
            check.run_in(language, port)
    except JourneyError as error:
        check.flaw(str(error))
    finally:
        for process in started[::-1]:
            if process and process.poll() is None:
                process.terminate()
                process.wait(10)
        desktop.stop()
        # What the session bus started (the accessibility bus and its registry) ends with it.
        try:
            wait_for("the accessibility bus to end with the session bus", lambda: not marked(work), 5)
        except JourneyError:
            check.flaw("processes outlived the run: %s" % marked(work))
            for pid in marked(work):
                os.kill(pid, 9)
        shutil.rmtree(work, ignore_errors=True)
    print("\n".join(check.summary))
    if check.failures:
        print("FAILED: %d check(s)" % len(check.failures), file=sys.stderr)
        return 1
    print("PASSED")
    return 0


def marked(work):
    """The processes that carry the run's mark, but this one."""
    found = []
    for environ in Path("/proc").glob("[0-9]*/environ"):
        try:
            if ("TIDEWICK_SCREEN_READER_RUN=%s\0" % work).encode() in environ.read_bytes():
                found.append(int(environ.parent.name))
        except OSError:
            pass
    return [pid for pid in found if pid != os.getpid()]


if __name__ == "__main__":
    sys.exit(main())
