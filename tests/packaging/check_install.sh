#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks one part of the result
# the way the desktop's own tools see it.
# Usage: check_install.sh <build-dir> DesktopEntry|Metainfo|Icons|ManualPage
# Exit status: 0 passed, 1 failed, 77 skipped (a needed tool is missing).
set -euo pipefail

build_dir=$1
check=$2
app_id=com.kestrow.Tidewick
# Icon themes only look in these folders; hard-coded so a size dropped from the
# install rules is noticed.
icon_sizes=(16 32 48 64 128)

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
require_tool() {
    command -v "$1" >/dev/null || { echo "SKIP: $1 is not installed"; exit 77; }
}

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
"${CMAKE_COMMAND:-cmake}" --install "$build_dir" --prefix "$prefix" >/dev/null
applications=$prefix/share/applications
hicolor=$prefix/share/icons/hicolor
desktop_entry=$applications/$app_id.desktop
metainfo=$prefix/share/metainfo/$app_id.metainfo.xml

desktop_value() { sed -n "s/^$1=//p" "$desktop_entry" | head -n 1; }

check_desktop_entry() {
    require_tool desktop-file-validate
    [ -f "$desktop_entry" ] || { fail "no desktop entry at $desktop_entry"; return; }
    # Hints count too: they are what a distribution's lint reports.
    local report
    report=$(desktop-file-validate "$desktop_entry" 2>&1) || fail "desktop-file-validate rejected it"
    [ -z "$report" ] || fail "desktop-file-validate: $report"

    # A launcher whose icon or command is not installed shows a blank icon or
    # does nothing when clicked, and no validator notices.
    local icon exec
    icon=$(desktop_value Icon)
    [ -f "$hicolor/scalable/apps/$icon.svg" ] || fail "Icon=$icon has no scalable icon installed"
    [ -f "$hicolor/48x48/apps/$icon.png" ] || fail "Icon=$icon has no 48 px icon installed"
    exec=$(desktop_value Exec)
    exec=${exec%% *}
    [ -x "$prefix/bin/$exec" ] || fail "Exec=$exec is not installed in bin/"
}

check_metainfo() {
    require_tool appstreamcli
    [ -f "$metainfo" ] || { fail "no metainfo at $metainfo"; return; }
    appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate rejected the metainfo"
    # The tree check also ties the metainfo's launchable to the installed
    # desktop entry, which the single-file check cannot see.
    appstreamcli validate-tree --no-net "$prefix" || fail "appstreamcli validate-tree rejected the install"
    # A software centre shows the description and the screenshot's caption in
    # every language the summary is in.
    local language
    for language in $(grep -o '<summary xml:lang="[^"]*"' "$metainfo" | cut -d'"' -f2); do
        [ "$(grep -c "<p xml:lang=\"$language\">" "$metainfo")" -ge 2 ] || fail "no description in $language"
        grep -q "<caption xml:lang=\"$language\">" "$metainfo" || fail "no screenshot caption in $language"
    done
}

check_icons() {
    require_tool file
    local expected=() size path kind
    for size in "${icon_sizes[@]}"; do
        path=$hicolor/${size}x${size}/apps/$app_id.png
        expected+=("$path")
        if [ ! -f "$path" ]; then
            fail "missing $size px icon at $path"
            continue
        fi
        kind=$(file -b "$path")
        [[ $kind == "PNG image data, $size x $size,"* ]] || fail "$path is not a $size px PNG: $kind"
    done
    path=$hicolor/scalable/apps/$app_id.svg
    expected+=("$path")
    if [ -f "$path" ]; then
        kind=$(file -b "$path")
        [[ $kind == *SVG* ]] || fail "$path is not an SVG: $kind"
    else
        fail "missing scalable icon at $path"
    fi

    # Anything else under hicolor is an icon in a folder the theme ignores.
    local stray
    stray=$(comm -13 <(printf '%s\n' "${expected[@]}" | sort) <(find "$hicolor" -type f | sort))
    [ -z "$stray" ] || fail "unexpected files in the icon theme: $stray"
}

check_manual_page() {
    require_tool man
    local page=$prefix/share/man/man1/tidewick.1.gz text warnings word
    [ -f "$page" ] || { fail "no manual page at $page"; return; }
    gzip -t "$page" || fail "$page is not gzip data"
    # groff's warnings are what lintian reports as errors in a manual page.
    warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "man --warnings: $warnings"
    text=$(MANWIDTH=200 man -l "$page" 2>/dev/null)
    for word in --news-host --help --version TIDEWICK_NEWS_HOST Tidewick.ini NewsHost autostart/tidewick.desktop; do
        grep -qF -- "$word" <<<"$text" || fail "the manual page does not mention $word"
    done
}

case $check in
    DesktopEntry) check_desktop_entry ;;
    Metainfo) check_metainfo ;;
    Icons) check_icons ;;
    ManualPage) check_manual_page ;;
    *) echo "unknown check: $check" >&2; exit 2 ;;
esac

if [ "$failures" -gt 0 ]; then
    echo "$check: $failures failure(s)" >&2
    exit 1
fi
echo "$check: passed"
