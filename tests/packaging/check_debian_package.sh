#!/usr/bin/env bash
# Builds the Debian package from the build folder into a scratch folder and
# checks what apt would see: the control fields, the file list, and that the
# packaged binary finds every library it links, and what lintian says.
# Usage: check_debian_package.sh <build-dir> <version>
# Exit status: 0 passed, 1 failed, 77 skipped (a needed tool is missing).
set -euo pipefail

build_dir=$1
version=$2
app_id=com.kestrow.Tidewick

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
for tool in dpkg-deb dpkg-shlibdeps ldd lintian; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if ! "${CPACK_COMMAND:-cpack}" --config "$build_dir/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log" >&2
    echo "FAIL: cpack could not build the package" >&2
    exit 1
fi

deb=$work/tidewick_${version}_$(dpkg --print-architecture).deb
if [ ! -f "$deb" ]; then
    echo "FAIL: no $(basename "$deb"); cpack made: $(cd "$work" && ls -- *.deb 2>/dev/null)" >&2
    exit 1
fi

field() { dpkg-deb --field "$deb" "$1"; }
expect_field() {
    local value
    value=$(field "$1")
    [ "$value" = "$2" ] || fail "$1 is '$value', expected '$2'"
}
expect_field Package tidewick
expect_field Version "$version"
expect_field Section net
expect_field Maintainer "Kestrow <support@kestrow.com>"
[ -n "$(field Description)" ] || fail "Description is empty"

# Compare whole package names, so "curl" is not satisfied by "libcurl4".
depends=$(field Depends)
depended_names=$(tr ',|' '\n\n' <<<"$depends" | sed 's/^ *//; s/[ (:].*//' | sort -u)
for package in libqt6widgets6 curl ansifilter fonts-liberation qt6-qpa-plugins libqt6sql6-sqlite; do
    grep -qx -- "$package" <<<"$depended_names" || fail "Depends lacks $package: $depends"
done

grep -qw qt6-wayland <<<"$(field Recommends)" || fail "Recommends lacks qt6-wayland: $(field Recommends)"

contents=$(dpkg-deb --contents "$deb")
paths=$(awk '{print $6}' <<<"$contents")
for path in ./usr/bin/tidewick \
            ./usr/share/applications/$app_id.desktop \
            ./usr/share/metainfo/$app_id.metainfo.xml \
            ./usr/share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128}/apps/$app_id.png \
            ./usr/share/icons/hicolor/scalable/apps/$app_id.svg \
            ./usr/share/man/man1/tidewick.1.gz \
            ./usr/share/doc/tidewick/copyright \
            ./usr/share/doc/tidewick/changelog.gz; do
    grep -qxF -- "$path" <<<"$paths" || fail "package lacks $path"
done
# Files owned by the builder's account, or placed outside /usr, would be a
# packaging accident on every machine it is installed on.
outside=$(grep -v -e '^\./$' -e '^\./usr/' <<<"$paths" || true)
[ -z "$outside" ] || fail "files outside /usr: $outside"
not_root=$(awk '$2 != "root/root"' <<<"$contents")
[ -z "$not_root" ] || fail "entries not owned by root: $not_root"

root=$work/root
dpkg-deb -x "$deb" "$root"
binary=$root/usr/bin/tidewick
if [ -x "$binary" ]; then
    libraries=$(ldd "$binary" 2>&1) || fail "ldd cannot read the packaged binary: $libraries"
    unresolved=$(grep 'not found' <<<"$libraries" || true)
    [ -z "$unresolved" ] || fail "unresolved libraries: $unresolved"
else
    fail "packaged binary is missing or not executable"
fi

# Errors are what Debian would refuse the package for; warnings are shown.
lintian_report=$(lintian --no-cfg --fail-on none "$deb" 2>&1)
[ -z "$lintian_report" ] || echo "$lintian_report"
lintian_errors=$(grep '^E: ' <<<"$lintian_report" || true)
[ -z "$lintian_errors" ] || fail "lintian errors: $lintian_errors"
# The distribution's hardening (not in a sanitizer build): lintian names each
# missing part.
hardening=''
[ "${TIDEWICK_HARDENED:-ON}" = OFF ] ||
    hardening=$(lintian --no-cfg --fail-on none --display-info "$deb" 2>&1 | grep -E ': hardening-' || true)
[ -z "$hardening" ] || fail "the program lacks hardening: $hardening"

if [ "$failures" -gt 0 ]; then
    echo "DebianPackage: $failures failure(s)" >&2
    exit 1
fi
echo "DebianPackage: $(basename "$deb") passed (Depends: $depends)"
