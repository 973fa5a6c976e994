#!/usr/bin/env python3
"""Lists the texts in the program's sources that read like words for the user
but are not handed to tr() or QCoreApplication::translate(), so they would stay
English in every language.

    untranslated_texts.py FOLDER_OR_FILE...

A text is a run of adjacent string literals; it "reads like words" when it
holds two words of letters side by side. Texts that are not for the user
(SQL, log lines, setting keys, the news service's own words) are known below
by their file and beginning. Ends with status 1 when anything is listed.
"""
import pathlib
import re
import sys

LITERAL_RUN = re.compile(r'(?:"(?:[^"\\\n]|\\.)*"\s*)+')
LITERAL = re.compile(r'"((?:[^"\\\n]|\\.)*)"')
WORDS = re.compile(r"[A-Za-z]{2,} [A-Za-z]{2,}")
# What stands right before a translated text: tr( or translate("Context",
# (with a count or a comment after the text, which does not matter here).
TRANSLATED = re.compile(r'(\btr|\btranslate|QT_TR_NOOP|QT_TRANSLATE_NOOP)\s*\(\s*("[^"]*"\s*,\s*)?$')
NOT_FOR_THE_USER = re.compile(r"(SELECT|INSERT|UPDATE|DELETE|CREATE|PRAGMA|BEGIN)\b|Tidewick: ")

# (file name, beginning of the text): why it stays as it is.
KNOWN = {
    ("CommandLine.cpp", "Watches the news"): "--help, printed before the program's texts are loaded",
    ("CommandLine.cpp", "Query the news service"): "--help, printed before the program's texts are loaded",
    ("CommandLine.cpp", "Unexpected argument"): "printed before the program's texts are loaded",
    ("main.cpp", "Tidewick is a desktop program"): "printed where no display lets the program start",
    ("ErrorReport.cpp", "in Pellmoor"): "the error report's fixed place name",
    ("AutostartEntry.cpp", "[Desktop Entry]"): "the autostart file's contents",
    ("AutostartEntry.cpp", "Comment=Watches"): "the autostart file's contents",
    ("SingleInstance.h", "D-Bus Interface"): "a D-Bus class key",
    ("StatusNotifierMenu.h", "D-Bus Interface"): "a D-Bus class key",
    ("StatusNotifierTrayBackend.h", "D-Bus Interface"): "a D-Bus class key",
    ("SettingsStore.h", "Windows Startup"): "a setting's key",
    ("ListingParser.h", ""): "the news service's own words, matched in its answers",
}


def is_known(path, text):
    return any(path.name == name and text.startswith(start) for name, start in KNOWN)


# Comments and includes hold no texts for the user; literals are matched
# first so that a "//" inside one is not taken for a comment.
CODE_NOISE = re.compile(r'("(?:[^"\\\n]|\\.)*"|\'(?:[^\'\\\n]|\\.)*\')|//[^\n]*|/\*.*?\*/|^[ \t]*#[ \t]*include[^\n]*',
                        re.S | re.M)


def without_noise(source):
    """The source with comments and includes blanked, keeping line numbers."""
    return CODE_NOISE.sub(lambda m: m.group(1) or "\n" * m.group(0).count("\n"), source)


def untranslated(path):
    source = without_noise(path.read_text(encoding="utf-8"))
    for run in LITERAL_RUN.finditer(source):
        text = "".join(LITERAL.findall(run.group(0)))
        if not WORDS.search(text) or NOT_FOR_THE_USER.match(text) or is_known(path, text):
            continue
        if TRANSLATED.search(source[max(0, run.start() - 200):run.start()]):
            continue
        line = source.count("\n", 0, run.start()) + 1
        yield f"{path}:{line}: {text[:100]}"


def main(arguments):
    paths = []
    for argument in map(pathlib.Path, arguments):
        paths += sorted(argument.rglob("*.[ch]pp")) + sorted(argument.rglob("*.h")) if argument.is_dir() else [argument]
    found = [hit for path in paths for hit in untranslated(path)]
    print("\n".join(found) if found else "Every text for the user is translated.")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
