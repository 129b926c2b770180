#!/bin/sh
# Runs the game launcher with a stand-in game that records its working
# directory, and checks where the data folder is made and where the game runs.
#   tst_launcher.sh <launcher script>
set -u
launcher_source="$1"
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
root="$(cd "$root" && pwd -P)"
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# A stand-in game: records its working directory and arguments, lists the
# folder's files, and exits with STANDIN_STATUS.
make_game() {
    cat >"$1" <<'GAME'
#!/bin/sh
pwd -P >"$STANDIN_OUT"
printf '%s\n' "$*" >>"$STANDIN_OUT"
exit "${STANDIN_STATUS:-0}"
GAME
    chmod +x "$1"
}

# Installs a launcher with a game next to it into folder $1.
install_pair() {
    mkdir -p "$1"
    cp "$launcher_source" "$1/kestrelon-memory-launcher"
    chmod +x "$1/kestrelon-memory-launcher"
    make_game "$1/kestrelon-memory"
}

# run_case <name> <expected data folder> <expected status> <command...>
# The command runs with a clean environment; case_env holds its variables.
run_case() {
    name="$1"
    expected_dir="$2"
    expected_status="$3"
    shift 3
    out="$root/$name.out"
    rm -f "$out"
    # shellcheck disable=SC2086 # case_env is a list of NAME=value words
    env -i PATH="${case_path:-/usr/bin:/bin}" STANDIN_OUT="$out" $case_env "$@" \
        >"$root/$name.log" 2>&1
    status=$?
    if [ "$status" -ne "$expected_status" ]; then
        fail "$name: exit status $status, expected $expected_status"
        cat "$root/$name.log" >&2
    fi
    if [ -z "$expected_dir" ]; then
        [ ! -e "$out" ] || fail "$name: the game ran although it should not"
        return
    fi
    [ -d "$expected_dir" ] || fail "$name: data folder $expected_dir was not created"
    if [ ! -f "$out" ]; then
        fail "$name: the game did not run"
        return
    fi
    ran_in="$(sed -n 1p "$out")"
    expected_real="$(cd "$expected_dir" 2>/dev/null && pwd -P)"
    [ "$ran_in" = "$expected_real" ] || fail "$name: the game ran in '$ran_in', expected '$expected_dir'"
}

bin="$root/prefix/bin"
install_pair "$bin"
launcher="$bin/kestrelon-memory-launcher"

# XDG_DATA_HOME unset, set, and set but empty (which counts as unset).
case_env="HOME=$root/home1"
run_case xdg-unset "$root/home1/.local/share/kestrelon-memory" 0 "$launcher"
[ ! -e "$root/xdg2" ] || fail "xdg-unset: touched an XDG folder"

case_env="HOME=$root/home2 XDG_DATA_HOME=$root/xdg2"
run_case xdg-set "$root/xdg2/kestrelon-memory" 0 "$launcher"
[ ! -e "$root/home2" ] || fail "xdg-set: created the home fallback although XDG_DATA_HOME is set"

case_env="HOME=$root/home3 XDG_DATA_HOME="
run_case xdg-empty "$root/home3/.local/share/kestrelon-memory" 0 "$launcher"

# An existing data folder is reused and its files (high scores) are kept.
mkdir -p "$root/xdg4/kestrelon-memory"
echo "Robin" >"$root/xdg4/kestrelon-memory/highscore.txt"
case_env="HOME=$root/home4 XDG_DATA_HOME=$root/xdg4"
run_case existing "$root/xdg4/kestrelon-memory" 0 "$launcher"
grep -q Robin "$root/xdg4/kestrelon-memory/highscore.txt" 2>/dev/null ||
    fail "existing: the high-score file was lost"

# Started by a relative path from another folder: the game next to the
# launcher is still found after the change of folder.
case_env="HOME=$root/home5"
run_case relative "$root/home5/.local/share/kestrelon-memory" 0 \
    sh -c "cd '$root/prefix' && exec bin/kestrelon-memory-launcher"

# A folder with spaces in its name, for the launcher and for the data.
install_pair "$root/with space/bin"
case_env="HOME=$root/home6"
run_case spaces "$root/home6/.local/share/kestrelon-memory" 0 "$root/with space/bin/kestrelon-memory-launcher"

# Arguments pass through and the game's exit status is the launcher's.
case_env="HOME=$root/home7 STANDIN_STATUS=3"
run_case status "$root/home7/.local/share/kestrelon-memory" 3 "$launcher" one two
[ "$(sed -n 2p "$root/status.out" 2>/dev/null)" = "one two" ] || fail "status: arguments were not passed on"

# No game next to the launcher: the one on the PATH runs.
mkdir -p "$root/alone" "$root/path-bin"
cp "$launcher_source" "$root/alone/kestrelon-memory-launcher"
chmod +x "$root/alone/kestrelon-memory-launcher"
make_game "$root/path-bin/kestrelon-memory"
case_env="HOME=$root/home8"
case_path="$root/path-bin:/usr/bin:/bin"
run_case path-fallback "$root/home8/.local/share/kestrelon-memory" 0 "$root/alone/kestrelon-memory-launcher"
case_path=""

# No game anywhere: a clear failure, nothing runs.
case_env="HOME=$root/home9"
run_case no-game "" 127 "$root/alone/kestrelon-memory-launcher"
grep -q "not found" "$root/no-game.log" || fail "no-game: no message about the missing game"

# The data folder cannot be made (its parent is a file): failure, the game does not run.
: >"$root/blocker"
case_env="HOME=$root/home10 XDG_DATA_HOME=$root/blocker"
run_case cannot-create "" 1 "$launcher"

# Neither HOME nor XDG_DATA_HOME: failure instead of a folder in the root.
case_env=""
run_case no-home "" 1 "$launcher"

if [ "$failures" -ne 0 ]; then
    echo "$failures launcher check(s) failed" >&2
    exit 1
fi
echo "all launcher checks passed"
