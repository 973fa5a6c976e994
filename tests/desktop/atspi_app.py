"""Reads and operates one running program through AT-SPI, as a screen reader does.

Every property read is a D-Bus round trip, so the helpers look only where they
are told to (the children of one window, the rows of one list) and never walk
big views. Actions return before they take effect: callers poll for the result
with `wait_for`, each with its own deadline.
"""

import subprocess
import time

import pyatspi
from gi.repository import GLib


class JourneyError(Exception):
    """A step did not come true; the message says what was seen instead."""


class UnexpectedState(JourneyError):
    """Something is on the screen that ends the journey at once (an error report)."""


def wait_for(what, probe, timeout, interval=0.05):
    """Polls `probe` until it returns something true and returns that.

    Raises JourneyError naming `what` when `timeout` seconds pass first. An
    object that vanishes while the tree changes (a window closing) or a step
    that cannot be taken yet counts as "not yet"; any other error is a fault
    of the test and ends the wait at once.
    """
    deadline = time.monotonic() + timeout
    last_error = None
    while True:
        try:
            result = probe()
            if result:
                return result
        except UnexpectedState:
            raise
        except (GLib.Error, JourneyError, subprocess.TimeoutExpired) as error:
            last_error = error
        if time.monotonic() >= deadline:
            detail = " (last error: %r)" % (last_error,) if last_error else ""
            raise JourneyError("timed out after %.1f s waiting for %s%s" % (timeout, what, detail))
        time.sleep(interval)


def holds(probe, seconds, interval=0.05):
    """True when `probe` stays true for `seconds` (a focus that has settled)."""
    deadline = time.monotonic() + seconds
    while probe():
        if time.monotonic() >= deadline:
            return True
        time.sleep(interval)
    return False


def states_of(accessible):
    try:
        return set(accessible.getState().getStates())
    except Exception:  # noqa: BLE001
        return set()


def has_state(accessible, state):
    return state in states_of(accessible)


def role_of(accessible):
    try:
        return accessible.getRoleName()
    except Exception:  # noqa: BLE001
        return "?"


def children_of(accessible):
    """The children as a screen reader presents them: the unnamed fillers of
    the window's scroll area and its canvas are looked through."""
    try:
        found = [child for child in accessible if child is not None]
    except Exception:  # noqa: BLE001
        return []
    children = []
    for child in found:
        if role_of(child) == "filler" and not child.name and child.childCount:
            children.extend(children_of(child))
        else:
            children.append(child)
    return children


def extents_of(accessible):
    """(x, y, width, height) on the screen."""
    box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def press(accessible):
    """The first action ("Press" for a button, what a screen reader offers)."""
    action = accessible.queryAction()
    if action.nActions < 1:
        raise JourneyError("%s %r offers no action" % (role_of(accessible), accessible.name))
    action.doAction(0)


def text_of(accessible):
    text = accessible.queryText()
    return text.getText(0, text.characterCount)


def click_at(x, y, button="b1c"):
    pyatspi.Registry.generateMouseEvent(int(x), int(y), button)


class AtspiApp:
    """The accessible side of one process, found by its process id."""

    def __init__(self, pid):
        self.pid = pid
        self._app = None

    def application(self):
        if self._app is not None:
            return self._app
        for app in pyatspi.Registry.getDesktop(0):
            if app is None:
                continue
            try:
                if app.get_process_id() == self.pid:
                    self._app = app
                    return app
            except Exception:  # noqa: BLE001 - an application that just left
                continue
        return None

    def top_levels(self):
        app = self.application()
        return children_of(app) if app is not None else []

    def top_level(self, role, name=None, containing_label=None):
        """A window of the program: role, optional name, optional label text; also a dialog shown inside the
        window, where the desktop draws no frames (in a small sheet among the window's children)."""
        for window in self.top_levels() + self.sheets():
            try:
                if role_of(window) != role or (name is not None and window.name != name):
                    continue
                if containing_label is not None and not any(
                    role_of(item) == "label" and item.name == containing_label for item in children_of(window)
                ):
                    continue
            except Exception:  # noqa: BLE001 - a window closing while looked at
                continue
            return window
        return None

    def sheets(self):
        """Dialogs among a window's children, or in a small sheet there."""
        found = []
        for window in self.top_levels():
            for item in children_of(window):
                try:
                    found += [item] if role_of(item) in ("alert", "dialog") else \
                        children_of(item) if 0 < item.childCount <= 3 else []
                except Exception:  # noqa: BLE001 - a sheet closing while looked at
                    continue
        return found

    def main_window(self, title):
        # A plain widget window: Qt 6.4 reports it as a filler named by its title.
        for window in self.top_levels():
            if window.name == title and role_of(window) in ("frame", "filler", "window"):
                if any(role_of(child) == "push button" for child in children_of(window)):
                    return window
        return None

    def wait_until_running(self, timeout):
        # The program joins the bus before its window exists.
        return wait_for("the program on the accessibility bus with a window",
                        lambda: self.application() is not None and self.top_levels(), timeout)


def child(parent, role, name=None, description=None):
    """A direct child by role and name (and description where names repeat)."""
    for candidate in children_of(parent):
        if role_of(candidate) != role:
            continue
        if name is not None and candidate.name != name:
            continue
        if description is not None and candidate.description != description:
            continue
        return candidate
    return None


def descendant(parent, role, name=None, depth=3):
    """Searches a few levels down: dialogs keep their buttons in a panel."""
    found = child(parent, role, name)
    if found is not None or depth <= 1:
        return found
    for candidate in children_of(parent):
        if candidate.childCount and candidate.childCount < 40:
            found = descendant(candidate, role, name, depth - 1)
            if found is not None:
                return found
    return None


def cells(view):
    """The first-column cells of a list or tree view, top to bottom."""
    table = view.queryTable()
    found = [table.getAccessibleAt(row, 0) for row in range(table.nRows)]
    if any(item is None for item in found):
        # Rows went away between counting and reading them.
        raise JourneyError("the list %r changed while it was read" % view.name)
    return found


def row_texts(view):
    return [item.name for item in cells(view)]


def cell(view, text):
    """The first-column cell whose text is `text`, or None."""
    return next((item for item in cells(view) if item.name == text), None)


def describe(accessible, depth=0, max_depth=4, max_children=25, lines=None):
    """A readable outline of a subtree for failure reports, kept short."""
    lines = [] if lines is None else lines
    states = states_of(accessible)
    marks = [pyatspi.stateToString(state) for state in
             (pyatspi.STATE_FOCUSED, pyatspi.STATE_CHECKED, pyatspi.STATE_SELECTED, pyatspi.STATE_SHOWING)
             if state in states]
    try:
        name, description, count = accessible.name, accessible.description, accessible.childCount
    except Exception as error:  # noqa: BLE001
        lines.append("  " * depth + "<gone: %r>" % (error,))
        return lines
    line = "  " * depth + "%s %r" % (role_of(accessible), name)
    if description:
        line += " description=%r" % description
    if marks:
        line += " [%s]" % ", ".join(marks)
    if count:
        line += " (%d children)" % count
    lines.append(line)
    if depth < max_depth:
        for index, item in enumerate(children_of(accessible)):
            if index >= max_children:
                lines.append("  " * (depth + 1) + "... %d more" % (count - max_children))
                break
            describe(item, depth + 1, max_depth, max_children, lines)
    return lines
