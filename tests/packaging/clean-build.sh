#!/usr/bin/env bash
# Builds the Debian packages in a fresh Debian 12 system made with debootstrap,
# into which only build-essential and the Build-Depends of debian/control are
# installed, then runs lintian on the result: proof that debian/control names
# everything the build needs. Run as root, on request (a mirror and several
# minutes); not part of ./check.
#   clean-build.sh [work folder]    (default: a new temporary folder, removed afterwards)
# The mirror is the one this machine's apt uses.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
repo="$(cd "$here/../.." && pwd)"
[ "$(id -u)" -eq 0 ] || { echo "clean-build: run as root (debootstrap and chroot)" >&2; exit 1; }
for tool in debootstrap lintian; do
    command -v "$tool" >/dev/null || { echo "clean-build: needs $tool (apt-get install $tool)" >&2; exit 1; }
done
if [ $# -ge 1 ]; then
    work="$1"
    mkdir -p "$work"
else
    work="$(mktemp -d)"
    trap 'umount "$work/root/proc" 2>/dev/null || true; rm -rf "$work"' EXIT
fi
mirror="$(sed -n 's/^URIs: *\([^ ]*\).*/\1/p' /etc/apt/sources.list.d/*.sources 2>/dev/null | grep -v security | head -n 1)"
[ -n "$mirror" ] || mirror="$(sed -n 's/^deb \(\[[^]]*\] \)\?\([^ ]*\) .*/\2/p' /etc/apt/sources.list 2>/dev/null | head -n 1)"
[ -n "$mirror" ] || { echo "clean-build: no Debian mirror found in apt's sources" >&2; exit 1; }

root="$work/root"
echo "clean-build: debootstrap bookworm from $mirror into $root"
debootstrap --variant=buildd bookworm "$root" "$mirror" >"$work/debootstrap.log" 2>&1 ||
    { tail -n 30 "$work/debootstrap.log" >&2; exit 1; }

# The source tree as git knows it, without build trees or files the game wrote.
mkdir -p "$root/build/kestrelon-memory"
git -C "$repo" ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' f; do [ ! -e "$repo/$f" ] || printf '%s\0' "$f"; done |
    tar -C "$repo" --null -T - -cf - | tar -C "$root/build/kestrelon-memory" -xf -

mount -t proc proc "$root/proc"
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LC_ALL=C.UTF-8 "$@"; }
echo "clean-build: installing build-essential and the Build-Depends"
{
    in_root apt-get update
    in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends build-essential
    in_root sh -c 'cd /build/kestrelon-memory && DEBIAN_FRONTEND=noninteractive apt-get build-dep -y --no-install-recommends ./'
} >"$work/deps.log" 2>&1 || { tail -n 30 "$work/deps.log" >&2; exit 1; }
echo "clean-build: dpkg-buildpackage (with the tests)"
in_root sh -c 'cd /build/kestrelon-memory && DEB_BUILD_OPTIONS=parallel=2 dpkg-buildpackage -us -uc -b' \
    >"$work/build.log" 2>&1 || { tail -n 40 "$work/build.log" >&2; echo "FAIL: the build" >&2; exit 1; }
umount "$root/proc"
tail -n 5 "$work/build.log"

changes="$(ls "$root"/build/kestrelon-memory_*.changes)"
echo "clean-build: lintian $(basename "$changes")"
lintian --pedantic --display-info --fail-on error,warning --suppress-tags initial-upload-closes-no-bugs \
    "$changes" 2>&1 | grep -v '^running with root privileges is not recommended!$' || true
lintian --fail-on error,warning --suppress-tags initial-upload-closes-no-bugs "$changes" >/dev/null 2>&1 ||
    { echo "FAIL: lintian" >&2; exit 1; }
echo "clean-build: passed; packages in $root/build"
