#!/bin/sh
# Installs a built tree into a temporary prefix and checks that the desktop
# integration is complete and consistent.
#   test-install.sh <build dir> <application id> <bindir> <datadir> <game dir>
#                   <sound module's folder from the game's>
# The folders are relative to the prefix, as GNUInstallDirs gives them; the
# game program lives in <game dir>, the command on the PATH is the launcher,
# and the program loads its sound module by a path relative to itself.
set -u
build="$1"
id="$2"
bindir="$3"
datadir="$4"
gamedir="$5"
soundfromgame="$6"

if [ ! -x "$build/kestrelon-memory" ]; then
    echo "FAIL: $build/kestrelon-memory is not built; build 'all' before running ctest" >&2
    exit 1
fi

# The prefix is <root>/usr, the layout AppStream's tree check expects.
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
prefix="$root/usr"
if ! cmake --install "$build" --prefix "$prefix" >"$root/install.log" 2>&1; then
    cat "$root/install.log" >&2
    echo "FAIL: cmake --install failed" >&2
    exit 1
fi

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

bin="$prefix/$bindir"
share="$prefix/$datadir"
desktop="$share/applications/$id.desktop"
metainfo="$share/metainfo/$id.metainfo.xml"
icons="$share/icons/hicolor"
svg="$icons/scalable/apps/$id.svg"
sizes="16 32 48 64 128 256"

# Every file in place; programs executable, data files not.
for program in "$bin/kestrelon-memory" "$prefix/$gamedir/kestrelon-memory"; do
    { [ -f "$program" ] && [ -x "$program" ]; } || fail "$program missing or not executable"
done
module="$gamedir/$soundfromgame/kestrelon-sound.so"
[ -f "$prefix/$module" ] || fail "no sound module where the game program looks: $module"
head -c 2 "$bin/kestrelon-memory" | grep -q '#!' || fail "$bin/kestrelon-memory is not the launcher script"
for data in "$desktop" "$metainfo" "$svg" "$share/man/man6/kestrelon-memory.6" \
    $(for size in $sizes; do echo "$icons/${size}x$size/apps/$id.png"; done); do
    if [ ! -f "$data" ]; then
        fail "$data missing"
    elif [ -x "$data" ]; then
        fail "$data is executable"
    fi
done

# The menu entry starts an installed program and names the installed icon.
key() { sed -n "s/^$1=//p" "$desktop" | head -n 1; }
if [ -f "$desktop" ]; then
    exec_program="$(key Exec | cut -d' ' -f1)"
    [ -x "$bin/$exec_program" ] || fail "Exec=$exec_program is not an installed program"
    [ "$(key Icon)" = "$id" ] || fail "Icon=$(key Icon) does not name the installed icon $id"
fi

# The metainfo carries the same id and launches this desktop file.
if [ -f "$metainfo" ]; then
    grep -q "<id>$id</id>" "$metainfo" || fail "metainfo id is not $id"
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
        fail "metainfo does not launch $id.desktop"
fi

# Each bitmap icon is a PNG of the size its folder names (width and height
# follow the signature and the IHDR header, big-endian).
for size in $sizes; do
    png="$icons/${size}x$size/apps/$id.png"
    [ -f "$png" ] || continue
    header="$(od -An -tx1 -N24 "$png" | tr -d ' \n')"
    case "$header" in
        89504e470d0a1a0a????????49484452*) ;;
        *) fail "$png is not a PNG file" ;;
    esac
    actual="$(printf '%s' "$header" | cut -c33-48)"
    [ "$actual" = "$(printf '%08x%08x' "$size" "$size")" ] || fail "$png is not ${size}x$size (IHDR size $actual)"
done
if [ -f "$svg" ]; then
    grep -q "<svg" "$svg" || fail "$svg is not an SVG image"
fi

# The launcher finds the game in the moved prefix (the install is not where
# the build was configured to put it).
version="$(env -i PATH=/usr/bin:/bin "$bin/kestrelon-memory" --version 2>&1)"
case "$version" in
    "Kestrelon Memory "*) ;;
    *) fail "kestrelon-memory --version in the installed tree printed: $version" ;;
esac

# AppStream's own check of the installed metainfo against its desktop file.
# The validator tests demand the tool; here it is used when present.
if [ "$datadir" = share ] && command -v appstreamcli >/dev/null 2>&1; then
    if ! appstreamcli validate-tree --no-net "$root" >"$root/tree.log" 2>&1; then
        cat "$root/tree.log" >&2
        fail "appstreamcli validate-tree rejected the installed tree"
    fi
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures problem(s) in the installed tree:" >&2
    (cd "$prefix" && find . ! -name '*.log' | sort) >&2
    exit 1
fi
echo "installed tree complete"
