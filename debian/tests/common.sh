# Shared by the tests: a fresh home for a player, and a check of what a start left.
set -eu
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime"
unset XDG_DATA_HOME LANGUAGE
export LC_ALL=C.UTF-8
# Nothing of the caller's desktop or Qt settings (a developer's shell may
# hold QT_QPA_PLATFORM=offscreen, a scale or a display): the game runs on
# the virtual display xvfb-run gives it, through the X11 platform as on a
# player's desktop.
for variable in $(env | sed -n 's/^\(QT_[A-Za-z0-9_]*\)=.*/\1/p'); do
    unset "$variable"
done
unset DISPLAY WAYLAND_DISPLAY XDG_SESSION_TYPE QML_IMPORT_PATH
export QT_QPA_PLATFORM=xcb
mkdir -p "$HOME" "$work/typed-here"
chmod 700 "$HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"
# A player's session has the games' folder in its PATH.
export PATH="/usr/local/bin:/usr/bin:/bin:/usr/games"
data="$HOME/.local/share/kestrelon-memory"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# start_game <command...>: runs the command in $work/typed-here on a virtual
# display for a few seconds, as a player would, and stops it.
start_game() {
    status=0
    (cd "$work/typed-here" && timeout 8 xvfb-run -a "$@") >"$work/out" 2>"$work/err" || status=$?
    [ "$status" -eq 124 ] || fail "the game ended by itself with status $status: $(cat "$work/err")"
    [ ! -s "$work/err" ] || fail "the game wrote to stderr: $(cat "$work/err")"
    [ -z "$(ls -A "$work/typed-here")" ] || fail "the game wrote where it was started: $(ls -A "$work/typed-here")"
}

# expect_count <n>: the data folder holds the game's 28 files and the counter reads n.
expect_count() {
    [ "$(ls -A "$data" | wc -l)" -eq 28 ] || fail "the data folder holds $(ls -A "$data" | wc -l) files, not 28: $(ls -A "$data")"
    expected="$(printf '%4d\r\n' "$1")"
    [ "$(cat "$data/nog.txt")" = "$expected" ] || fail "nog.txt reads '$(cat "$data/nog.txt")', not game $1"
}
