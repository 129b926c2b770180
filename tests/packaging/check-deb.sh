#!/usr/bin/env bash
# Builds the Debian packages from debian/ with dpkg-buildpackage, in a
# temporary copy of the tree so the checkout stays clean, and checks them: the
# control fields and Depends, the file list, the -dbgsym package, the menu
# entry, the metainfo, the manual page and change log, lintian, the hardening,
# and the packaged command run from an empty folder, with and without a display.
#   check-deb.sh          build the packages, then check them
#   check-deb.sh <dir>    check the packages and .changes built already in <dir>,
#                         with dpkg-buildpackage's output in <dir>/build.log
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
repo="$(cd "$here/../.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

if [ $# -ge 1 ]; then
    out="$(cd "$1" && pwd)"
else
    # The files git knows, tracked or new, that are still there: no build
    # trees, no files the game wrote.
    src="$work/pkgs/kestrelon-memory"
    mkdir -p "$src"
    git -C "$repo" ls-files -z --cached --others --exclude-standard |
        while IFS= read -r -d '' f; do [ ! -e "$repo/$f" ] || printf '%s\0' "$f"; done |
        tar -C "$repo" --null -T - -cf - | tar -C "$src" -xf -
    echo "check-deb: dpkg-buildpackage in $src"
    out="$work/pkgs"
    # ccache, where the caller set it up, with paths relative to this copy.
    (cd "$src" && DEB_BUILD_OPTIONS="parallel=2 ${DEB_BUILD_OPTIONS:-}" CCACHE_BASEDIR="$src" \
        dpkg-buildpackage -us -uc -b) >"$out/build.log" 2>&1 ||
        { tail -n 60 "$out/build.log" >&2; echo "FAIL: dpkg-buildpackage" >&2; exit 1; }
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
deb="$out/kestrelon-memory_${version}_${arch}.deb"
dbgsym="$out/kestrelon-memory-dbgsym_${version}_${arch}.deb"
changes="$out/kestrelon-memory_${version}_${arch}.changes"
for file in "$deb" "$dbgsym" "$changes"; do
    [ -f "$file" ] || {
        echo "FAIL: no $file (debian/changelog's version must be project()'s); found: $(ls "$out")" >&2
        exit 1
    }
done

# Depends: what dpkg-shlibdeps finds (libraries only), plus Qt's translations,
# which the game loads at run time.
dpkg-deb -f "$deb" Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//' >"$work/depends"
for needed in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6multimedia6 qt6-translations-l10n; do
    grep -qx "$needed" "$work/depends" || fail "Depends lacks $needed: $(tr '\n' ' ' <"$work/depends")"
done
grep -Evx 'lib.*|qt6-translations-l10n' "$work/depends" | sed 's/^/Depends names a package no library needs: /' >"$work/stray" || true
while read -r line; do fail "$line"; done <"$work/stray"
[ "$(ar t "$deb" | grep '^data\.')" = data.tar.xz ] || fail "the data archive is not xz: $(ar t "$deb" | tr '\n' ' ')"

# The file list: every file in place, owned by root, with its mode.
multiarch="$(dpkg-architecture -qDEB_HOST_MULTIARCH)"
dpkg-deb -c "$deb" | awk '{ print $1, $2, $6 }' >"$work/contents"
while read -r mode path; do
    grep -qxF -- "$mode root/root ./$path" "$work/contents" ||
        fail "$path missing or not $mode root/root"
done <<FILES
-rwxr-xr-x usr/games/kestrelon-memory
-rwxr-xr-x usr/libexec/kestrelon-memory/kestrelon-memory
-rw-r--r-- usr/lib/$multiarch/kestrelon-memory/kestrelon-sound.so
-rw-r--r-- usr/share/applications/example.kestrelon.Memory.desktop
-rw-r--r-- usr/share/metainfo/example.kestrelon.Memory.metainfo.xml
-rw-r--r-- usr/share/icons/hicolor/16x16/apps/example.kestrelon.Memory.png
-rw-r--r-- usr/share/icons/hicolor/32x32/apps/example.kestrelon.Memory.png
-rw-r--r-- usr/share/icons/hicolor/48x48/apps/example.kestrelon.Memory.png
-rw-r--r-- usr/share/icons/hicolor/64x64/apps/example.kestrelon.Memory.png
-rw-r--r-- usr/share/icons/hicolor/128x128/apps/example.kestrelon.Memory.png
-rw-r--r-- usr/share/icons/hicolor/256x256/apps/example.kestrelon.Memory.png
-rw-r--r-- usr/share/icons/hicolor/scalable/apps/example.kestrelon.Memory.svg
-rw-r--r-- usr/share/man/man6/kestrelon-memory.6.gz
-rw-r--r-- usr/share/locale/de/LC_MESSAGES/kestrelon-memory.mo
-rw-r--r-- usr/share/doc/kestrelon-memory/copyright
-rw-r--r-- usr/share/doc/kestrelon-memory/changelog.gz
FILES
grep -v ' root/root ' "$work/contents" | sed 's/^/not owned by root: /' >"$work/stray" || true
# Nothing but the game below /usr: no programs in /usr/bin, no build leftovers,
# in the library folder only the game's own (its sound module).
awk '{ print $3 }' "$work/contents" |
    grep -Ev "^\./(usr/?|usr/(games|share|libexec)(/.*)?|usr/lib/($multiarch/(kestrelon-memory/.*)?)?)?\$" |
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

# The game program: no RUNPATH, the hardening, and its debug symbols in the
# -dbgsym package under its build ID.
game="$root/usr/libexec/kestrelon-memory/kestrelon-memory"
readelf -d "$game" | grep -E 'RPATH|RUNPATH' | sed 's/^/the game has a search path: /' >"$work/stray" || true
while read -r line; do fail "$line"; done <"$work/stray"
# Control flow protection cannot pass on Debian 12: a program is marked only
# when every object linked carries the mark, and Debian 12's C start files do
# not. Every other check must say yes, and every compile must have had
# fortification at level 3.
hardening-check --nocfprotection "$game" >"$work/hardening.log" ||
    { cat "$work/hardening.log" >&2; fail "hardening-check"; }
grep -E '(^| && )((/usr/bin/)?ccache )?/usr/bin/c\+\+ .* -c [^ ]+\.cpp$' "$out/build.log" >"$work/compiles" ||
    fail "no compile command in $out/build.log"
grep -v -- '-D_FORTIFY_SOURCE=3' "$work/compiles" |
    sed 's/^/compiled without _FORTIFY_SOURCE=3: /' >"$work/stray" || true
while read -r line; do fail "$line"; done <"$work/stray"
build_id="$(readelf -n "$game" | sed -n 's/^ *Build ID: //p' || true)"
[ "$(dpkg-deb -f "$dbgsym" Depends)" = "kestrelon-memory (= $version)" ] ||
    fail "the -dbgsym package depends on '$(dpkg-deb -f "$dbgsym" Depends)'"
dpkg-deb -c "$dbgsym" >"$work/dbgsym-contents"
grep -q "\./usr/lib/debug/\.build-id/${build_id:0:2}/${build_id:2}\.debug$" "$work/dbgsym-contents" ||
    fail "the -dbgsym package has no symbols for build ID '$build_id'"

# The packaged command, run from an empty folder. env_run <command...>
env_run() {
    (cd "$work/empty" && env -i PATH=/usr/bin:/bin HOME="$work/home" "$@") >"$work/out" 2>"$work/err"
}
# run_case <case> <expected status> <stdout pattern> <stderr pattern> <arguments...>
# An empty pattern expects an empty stream.
run_case() {
    local name="$1" status="$2" out_pattern="$3" err_pattern="$4" actual=0 stream
    shift 4
    env_run "$root/usr/games/kestrelon-memory" "$@" || actual=$?
    [ "$actual" -eq "$status" ] || fail "$name: exit status $actual, expected $status"
    for stream in out err; do
        local pattern="$out_pattern"
        [ "$stream" = out ] || pattern="$err_pattern"
        if [ -z "$pattern" ]; then
            [ ! -s "$work/$stream" ] || fail "$name: unexpected std$stream: $(cat "$work/$stream")"
        else
            grep -Eq -- "$pattern" "$work/$stream" || fail "$name: std$stream lacks '$pattern': $(cat "$work/$stream")"
        fi
    done
}
mkdir "$work/empty"
escaped_version="${version//./\\.}"
run_case version 0 "^Kestrelon Memory $escaped_version\$" "" --version
run_case help 0 '^Usage: kestrelon-memory \[options\]' "" --help
grep -q -- '--version' "$work/out" || fail "help: --version is not listed"
[ ! -e "$work/home" ] || fail "--help or --version created a folder in $work/home"
run_case unknown-option 2 "" "kestrelon-memory: Unknown option 'windowed'" --windowed
# A game with a window (offscreen), stopped after a few seconds: its files are
# in the data folder, none where the command was typed.
status=0
env_run timeout 5 env QT_QPA_PLATFORM=offscreen "$root/usr/games/kestrelon-memory" || status=$?
[ "$status" -eq 124 ] || fail "the game ended with status $status before it was stopped: $(cat "$work/err")"
[ -z "$(ls -A "$work/empty")" ] || fail "the game wrote into the folder it was started from: $(ls -A "$work/empty")"
[ -f "$work/home/.local/share/kestrelon-memory/nog.txt" ] || fail "the game wrote no game counter into its data folder"

# lintian, pedantic: no errors and no warnings but the one every first upload
# gets. It warns when run as root, which this check may be; that note is dropped.
if lintian --pedantic --display-info --fail-on error,warning --suppress-tags initial-upload-closes-no-bugs \
    "$changes" >"$work/lintian.log" 2>&1; then
    lintian_status=0
else
    lintian_status=$?
fi
grep -v '^running with root privileges is not recommended!$' "$work/lintian.log" || true
[ "$lintian_status" -eq 0 ] || fail "lintian reports errors or warnings (status $lintian_status)"

if [ "$failures" -ne 0 ]; then
    echo "$failures problem(s) in the packages" >&2
    exit 1
fi
echo "check-deb: $(basename "$deb") and $(basename "$dbgsym") passed"
