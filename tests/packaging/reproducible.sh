#!/usr/bin/env bash
# Builds the Debian packages twice, in two folders of different names and
# depths, with a different time zone, locale and umask each time, and compares
# the .deb files byte for byte; on a difference diffoscope (when installed)
# says where. On request (several minutes); not part of ./check. The tests are
# left out of both builds (nocheck): they change nothing that is packaged.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
repo="$(cd "$here/../.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# build <folder> <TZ> <locale> <umask>
build() {
    local dir="$1"
    mkdir -p "$dir/kestrelon-memory"
    git -C "$repo" ls-files -z --cached --others --exclude-standard |
        while IFS= read -r -d '' f; do [ ! -e "$repo/$f" ] || printf '%s\0' "$f"; done |
        tar -C "$repo" --null -T - -cf - | tar -C "$dir/kestrelon-memory" -xf -
    echo "reproducible: building in $dir (TZ=$2, LC_ALL=$3, umask $4)"
    (cd "$dir/kestrelon-memory" && umask "$4" &&
        env TZ="$2" LC_ALL="$3" LANG="$3" DEB_BUILD_OPTIONS="nocheck parallel=2" \
            dpkg-buildpackage -us -uc -b) >"$dir/build.log" 2>&1 ||
        { tail -n 40 "$dir/build.log" >&2; echo "FAIL: the build in $dir" >&2; exit 1; }
}
build "$work/first" UTC C.UTF-8 022
build "$work/second/a/much/longer/path" Pacific/Kiritimati POSIX 002

differences=0
for deb in "$work"/first/*.deb; do
    name="$(basename "$deb")"
    other="$work/second/a/much/longer/path/$name"
    if cmp -s "$deb" "$other"; then
        echo "reproducible: $name is the same, byte for byte"
    else
        differences=$((differences + 1))
        echo "FAIL: $name differs between the two builds" >&2
        if command -v diffoscope >/dev/null; then
            diffoscope "$deb" "$other" >&2 || true
        fi
    fi
done
[ "$differences" -eq 0 ] || exit 1
echo "reproducible: all $(ls "$work"/first/*.deb | wc -l) packages are the same"
