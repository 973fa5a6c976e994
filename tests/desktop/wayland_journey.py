"""A test fetch on a Wayland desktop, announced as desktop notifications.

The program runs under a Wayland compositor (Qt's Wayland platform, no X
display in its environment); a notification server (dunst) is on the session
bus. Driven only through AT-SPI and dunstctl: load the sample keywords, fetch
now, close the first notification as a user does and see the next query
follow after the two-second pause, not after the notification's own time;
then read the results, the notifications the server got, and end the program
as a session does (SIGTERM).
"""

import argparse
import json
import os
import signal
import subprocess
import sys
import time
from pathlib import Path

from atspi_app import (AtspiApp, JourneyError, UnexpectedState, child, children_of, descendant, press, row_texts,
                       wait_for)

TITLE = "Tidewick"
# What the program waits between two articles, and for a notification.
PAUSE, SHOWN = 2.0, 5.0


def dunstctl(*arguments):
    return subprocess.run(["dunstctl", *arguments], capture_output=True, text=True, timeout=10).stdout


def displayed():
    return int(dunstctl("count", "displayed").strip() or 0)


def history():
    """The notifications the server has closed, oldest first, as plain values."""
    entries = json.loads(dunstctl("history"))["data"][0]
    return [{key: field["data"] for key, field in entry.items()} for entry in reversed(entries)]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--binary", required=True)
    parser.add_argument("--work", required=True)
    parser.add_argument("--news-log", required=True)
    parser.add_argument("--expect", required=True, help="JSON list of the article titles the fetch finds")
    options = parser.parse_args()
    titles = json.loads(options.expect)
    work, news_log = Path(options.work), Path(options.news_log)
    failures = []

    def check(condition, text):
        if not condition:
            failures.append(text)
            print("FAIL: " + text, file=sys.stderr)
        return condition

    def queries():
        return len(news_log.read_text().splitlines()) if news_log.exists() else 0

    environment = dict(os.environ, QT_QPA_PLATFORM="wayland")
    environment.pop("DISPLAY", None)
    with open(work / "app.log", "a") as log:
        process = subprocess.Popen([options.binary], env=environment, stdout=log, stderr=subprocess.STDOUT,
                                   stdin=subprocess.DEVNULL)
    app = AtspiApp(process.pid)
    try:
        print("--- the window under Wayland, read over AT-SPI")
        app.wait_until_running(30)
        window = wait_for("the window %r" % TITLE, lambda: app.main_window(TITLE), 30)

        def control(role, name):
            found = child(window, role, name)
            if found is None:
                raise JourneyError("the window has no %s named %r" % (role, name))
            return found

        press(control("push button", "Load Sample/Example Data"))
        wait_for("the sample keywords", lambda: row_texts(control("tree", "Keyword/s")), 10)

        print("--- News Fetch Now (Test); the first notification is closed at once")
        press(control("push button", "News Fetch Now (Test)"))
        wait_for("the first notification", lambda: displayed() == 1, 20, interval=0.01)
        before = queries()
        closed = time.monotonic()
        dunstctl("close")
        wait_for("the next query", lambda: queries() > before, SHOWN + PAUSE + 5, interval=0.005)
        gap = time.monotonic() - closed
        print("the next query went out %.0f ms after the notification was closed (%.0f ms after the pause)"
              % (gap * 1000, (gap - PAUSE) * 1000))
        check(gap < PAUSE + 1.5, "the next query came %.1f s after the notification was closed: the closed"
              " notification still held the fetch (expected about %.0f s)" % (gap, PAUSE))

        def done():  # a box of its own, or inside the window where the compositor draws no frames (weston)
            for top in app.top_levels() + app.sheets():
                if top.getRoleName() == "alert":
                    texts = [item.name for item in children_of(top) if item.getRoleName() == "label"]
                    if "Done." not in texts:
                        raise UnexpectedState("an unexpected message box: %r" % texts)
                    return top
            if displayed():
                dunstctl("close")
            return None

        alert = wait_for("the message 'Done.'", done, 60, interval=0.05)
        press(wait_for("the OK button", lambda: descendant(alert, "push button", "OK"), 5))
        wait_for("the message to close", lambda: all(top.getRoleName() != "alert"
                                                     for top in app.top_levels() + app.sheets()), 5)

        print("--- the results and the notifications")
        rows = row_texts(control("tree", "News"))
        check(len(rows) == len(titles) and all(t in r for t, r in zip(titles, rows)),
              "the News list holds %r, not the articles %r" % (rows, titles))
        wait_for("every notification closed", lambda: displayed() == 0, 10)
        notes = history()
        check(len(notes) == len(titles), "%d notifications, not one for each of the %d articles: %r"
              % (len(notes), len(titles), notes))
        for note, row in zip(notes, rows):
            # The balloon's text field holds 256 characters; a line break is LF there.
            body = row[:256].replace("\r", "").replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
            check(note.get("appname") == TITLE and note.get("summary") == TITLE,
                  "a notification from %r titled %r, not from and titled %r"
                  % (note.get("appname"), note.get("summary"), TITLE))
            check(note.get("body") == body, "the notification's body %r is not the row %r with &, < and >"
                  " escaped" % (note.get("body"), row))
            check(note.get("timeout") == SHOWN * 1000000, "the notification's expiry is %s us, not %d s"
                  % (note.get("timeout"), SHOWN))

        print("--- ended as a session ends it (SIGTERM)")
        process.send_signal(signal.SIGTERM)
        status = process.wait(10)
        check(status == 0, "the program ended with status %s on SIGTERM" % status)
        left = list(Path(os.environ["TMPDIR"]).glob("tidewick-*"))
        check(not left, "work folders left behind: %s" % left)
    except JourneyError as error:
        failures.append(str(error))
        print("FAIL: %s" % error, file=sys.stderr)
    finally:
        if process.poll() is None:
            process.kill()
            process.wait()
    if failures:
        text = (work / "app.log").read_text(errors="replace")
        print("Program output (last lines):\n" + "".join(text.splitlines(True)[-20:]), file=sys.stderr)
        return 1
    print("PASSED")
    return 0


if __name__ == "__main__":
    sys.exit(main())
