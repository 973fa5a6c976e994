"""The window at 125 % on the laptop screens where translations ran out of room, on a real X server (Xvfb) with
openbox and the real fonts: Layout_test, run there in each language, asks that every button and check box shows
whole where the window shows on the screen, without scrolling. With --pictures DIR a picture of each window is
left there.

Usage: layout_on_screen_test.py LAYOUT_TEST PSEUDO_QM [--pictures DIR]. Exit status: 0 passed, 1 failed, 77 skipped.
"""
import os
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from atspi_app import JourneyError  # noqa: E402
from x11_desktop import VirtualDesktop  # noqa: E402

EVERY_LANGUAGE = ("en", "de", "fr", "es", "pt_BR", "it", "pl", "ru", "zh_CN", "ja", "pseudo")
SCREENS = (("1280x800", ("es", "fr", "pt_BR")), ("1366x768", EVERY_LANGUAGE))


def run_layout_test(layout_test, pseudo, language, pictures):
    environment = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_SCALE_FACTOR="1.25", LC_ALL="C.UTF-8",
                       TIDEWICK_LAYOUT_WHOLE="1", LANGUAGE="de" if language == "pseudo" else language)
    if language == "pseudo":
        environment["TIDEWICK_PSEUDO_TRANSLATION"] = pseudo
    if pictures:
        environment["TIDEWICK_LAYOUT_PICTURE"] = os.path.join(pictures, "%s-%s.png" % (
            language, os.environ["TIDEWICK_SCREEN"]))
    result = subprocess.run([layout_test, "window_fitsTheScreenWithEveryCaptionWhole"], env=environment,
                            capture_output=True, text=True, timeout=60)
    return result.returncode == 0, result.stdout + result.stderr


def main():
    if not all(shutil.which(tool) for tool in ("Xvfb", "openbox", "xprop")):
        print("SKIP: Xvfb, openbox or xprop is not installed")
        return 77
    layout_test, pseudo = sys.argv[1], sys.argv[2]
    pictures = sys.argv[sys.argv.index("--pictures") + 1] if "--pictures" in sys.argv else None
    failed = []
    for size, languages in SCREENS:
        work = tempfile.mkdtemp(prefix="tidewick-layout.")
        desktop = VirtualDesktop(work)
        os.environ.update(TIDEWICK_SCREEN=size, XDG_RUNTIME_DIR=work, HOME=work, DBUS_SESSION_BUS_ADDRESS="disabled:")
        try:
            desktop.start_display(size).start_window_manager()
            for language in languages:
                passed, output = run_layout_test(layout_test, pseudo, language, pictures)
                print("%-6s %s at 125 %%: %s" % (language, size, "every control whole" if passed else "FAILED"))
                if not passed:
                    failed.append("%s %s" % (language, size))
                    print("\n".join(line for line in output.splitlines() if "FAIL" in line or "Loc:" in line))
        except JourneyError as error:
            failed.append(str(error))
        finally:
            desktop.stop()
            shutil.rmtree(work, ignore_errors=True)
    if failed:
        print("FAILED: %s" % ", ".join(failed), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
