#!/usr/bin/env bash
# Builds the Debian package in a temporary folder with the deb preset and
# checks it: the control fields, the file list, the menu entry, the metainfo,
# the manual page and change log, lintian, and the packaged program's
# --version, --help and refusal of an unknown option, run from the unpacked
# package without a display.
#   check-deb.sh              build the package, then check it
#   check-deb.sh <file.deb>   check a package built already
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
repo="$(cd "$here/../.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

if [ $# -ge 1 ]; then
    deb="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
else
    echo "check-deb: building the package in $work"
    cmake --preset deb -S "$repo" -B "$work/build" >"$work/configure.log" ||
        { cat "$work/configure.log" >&2; exit 1; }
    cmake --build "$work/build" -j"$(nproc)"
    (cd "$work/build" && cpack -G DEB >"$work/cpack.log") || { cat "$work/cpack.log" >&2; exit 1; }
    deb="$(ls "$work"/build/kestrelon-memory_*.deb)"
fi

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# The version's one source is project() in the top CMakeLists.txt.
version="$(sed -n 's/^project([^)]* VERSION \([0-9.]*\).*/\1/p' "$repo/CMakeLists.txt")"
[ -n "$version" ] || fail "no project version found in CMakeLists.txt"
arch="$(dpkg --print-architecture)"
[ "$(basename "$deb")" = "kestrelon-memory_${version}_${arch}.deb" ] ||
    fail "package file is named $(basename "$deb")"

# Control fields.
field() { dpkg-deb -f "$deb" "$1"; }
while read -r name expected; do
    [ "$(field "$name")" = "$expected" ] || fail "$name is '$(field "$name")', expected '$expected'"
done <<FIELDS
Package kestrelon-memory
Version $version
Architecture $arch
Section games
Priority optional
Homepage https://kestrelon.example/
FIELDS
field Maintainer | grep -Eq '^[^<]+ <[^@> ]+@[^> ]+>$' || fail "Maintainer '$(field Maintainer)' is no name and address"
description="$(field Description)"
[ -n "$(printf '%s\n' "$description" | sed -n 1p)" ] || fail "the description has no summary"
[ "$(printf '%s\n' "$description" | sed 1d | grep -c .)" -ge 2 ] || fail "the description has no long part"
# dpkg-shlibdeps finds the libraries; the platform plugins are named by hand.
for needed in libc6 libqt6core6 libqt6widgets6 libqt6multimedia6 qt6-qpa-plugins; do
    field Depends | tr ',' '\n' | grep -Eq "^ *$needed( |$)" || fail "Depends lacks $needed: $(field Depends)"
done

# The file list: every file in place, owned by root, with its mode.
dpkg-deb -c "$deb" | awk '{ print $1, $2, $6 }' >"$work/contents"
while read -r mode path; do
    grep -qxF -- "$mode root/root ./$path" "$work/contents" ||
        fail "$path missing or not $mode root/root"
done <<FILES
-rwxr-xr-x usr/games/kestrelon-memory
-rwxr-xr-x usr/games/kestrelon-memory-launcher
-rw-r--r-- usr/share/applications/example.kestrelon.Memory.desktop
-rw-r--r-- usr/share/metainfo/example.kestrelon.Memory.metainfo.xml
-rw-r--r-- usr/share/icons/hicolor/48x48/apps/example.kestrelon.Memory.png
-rw-r--r-- usr/share/icons/hicolor/scalable/apps/example.kestrelon.Memory.svg
-rw-r--r-- usr/share/man/man6/kestrelon-memory.6.gz
-rw-r--r-- usr/share/man/man6/kestrelon-memory-launcher.6.gz
-rw-r--r-- usr/share/doc/kestrelon-memory/copyright
-rw-r--r-- usr/share/doc/kestrelon-memory/changelog.gz
FILES
grep -v ' root/root ' "$work/contents" | sed 's/^/not owned by root: /' >"$work/stray" || true
# Nothing but the game below /usr: no programs in /usr/bin, no build leftovers.
awk '{ print $3 }' "$work/contents" | grep -Ev '^\./(usr/?|usr/(games|share|lib)(/.*)?)$' |
    sed 's/^/outside the games layout: /' >>"$work/stray" || true
awk '{ print $3 }' "$work/contents" | grep -E '/(tst_|bench_)[^/]*$|\.a$|/include/' |
    sed 's/^/does not belong in the package: /' >>"$work/stray" || true
while read -r line; do fail "$line"; done <"$work/stray"

# The unpacked files.
root="$work/root"
dpkg-deb -x "$deb" "$root"
desktop="$root/usr/share/applications/example.kestrelon.Memory.desktop"
sh "$here/validate.sh" desktop-file-validate "$desktop" >"$work/desktop.log" 2>&1 ||
    { cat "$work/desktop.log" >&2; fail "desktop-file-validate rejected the menu entry"; }
exec_program="$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")"
[ -x "$root/usr/games/$exec_program" ] || fail "Exec=$exec_program is not a program in /usr/games"
appstreamcli validate-tree --no-net "$root" >"$work/tree.log" 2>&1 ||
    { cat "$work/tree.log" >&2; fail "appstreamcli validate-tree rejected the package's files"; }
grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/example.kestrelon.Memory.metainfo.xml" ||
    fail "the metainfo's release is not $version"
zcat "$root/usr/share/man/man6/kestrelon-memory.6.gz" | grep -q "^\.TH .*\"Kestrelon Memory $version\"" ||
    fail "the manual page does not name version $version"
zcat "$root/usr/share/doc/kestrelon-memory/changelog.gz" >"$work/changelog"
changelog_version="$(dpkg-parsechangelog -l "$work/changelog" -S Version)"
[ "$changelog_version" = "$version" ] ||
    fail "the change log's newest entry is $changelog_version; add one for $version to dist/deb/changelog"
head -n 1 "$root/usr/share/doc/kestrelon-memory/copyright" |
    grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "copyright is not in Debian's machine-readable format"

# The packaged programs, with no display at all.
# expect_output <case> <stream name> <file> <pattern, or nothing for an empty stream>
expect_output() {
    if [ -z "$4" ]; then
        [ ! -s "$3" ] || fail "$1: unexpected $2: $(cat "$3")"
    else
        grep -Eq -- "$4" "$3" || fail "$1: $2 lacks '$4': $(cat "$3")"
    fi
}
# run_case <case> <expected status> <stdout pattern> <stderr pattern> <program> <arguments...>
run_case() {
    local name="$1" status="$2" out_pattern="$3" err_pattern="$4" actual=0
    shift 4
    env -i PATH=/usr/bin:/bin HOME="$work/home" "$@" >"$work/out" 2>"$work/err" || actual=$?
    [ "$actual" -eq "$status" ] || fail "$name: exit status $actual, expected $status"
    expect_output "$name" "standard output" "$work/out" "$out_pattern"
    expect_output "$name" "standard error" "$work/err" "$err_pattern"
}
game="$root/usr/games/kestrelon-memory"
launcher="$root/usr/games/kestrelon-memory-launcher"
escaped_version="${version//./\\.}"
run_case version 0 "^Kestrelon Memory $escaped_version\$" "" "$game" --version
run_case help 0 '^Usage: kestrelon-memory \[options\]' "" "$game" --help
grep -q -- '--version' "$work/out" || fail "help: --version is not listed"
run_case unknown-option 2 "" "kestrelon-memory: Unknown option 'windowed'" "$game" --windowed
run_case launcher-version 0 "^Kestrelon Memory $escaped_version\$" "" "$launcher" --version

# lintian: no errors and no warnings. It warns when run as root, which this
# check may be; that note is dropped.
if lintian --fail-on error,warning --display-info "$deb" >"$work/lintian.log" 2>&1; then
    lintian_status=0
else
    lintian_status=$?
fi
grep -v '^running with root privileges is not recommended!$' "$work/lintian.log" || true
[ "$lintian_status" -eq 0 ] || fail "lintian reports errors or warnings (status $lintian_status)"

if [ "$failures" -ne 0 ]; then
    echo "$failures problem(s) in $(basename "$deb")" >&2
    exit 1
fi
echo "check-deb: $(basename "$deb") passed"
