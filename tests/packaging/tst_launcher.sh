#!/bin/sh
# Runs the kestrelon-memory command (the launcher script) with a stand-in game
# that records its working directory, and checks where the data folder is made
# and where the game runs.
#   tst_launcher.sh <configured launcher> <game folder relative to the launcher's folder>
#                   <the game's install folder configured into the launcher>
#                   <message catalogs' folder relative to the launcher's folder>
#                   <the built message catalogs>
# The launcher's copies are told that the game is installed in a folder of the
# test's own, so the verdict is the same whether or not the game is installed
# on this machine.
set -u
launcher_source="$1"
game_from_launcher="$2"
configured_install_dir="$3"
locale_from_launcher="$4"
built_locale="$5"
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
root="$(cd "$root" && pwd -P)"
installed="$root/installed"
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# Installs the launcher into folder $1 and, unless $2 is "nogame", a stand-in
# game where the install puts it. The game records its working directory and
# arguments and exits with STANDIN_STATUS.
install_pair() {
    mkdir -p "$1"
    awk -v from="$configured_install_dir/kestrelon-memory" -v to="$installed/kestrelon-memory" '
        { while ((i = index($0, from)) > 0) $0 = substr($0, 1, i - 1) to substr($0, i + length(from)); print }
    ' "$launcher_source" >"$1/kestrelon-memory"
    chmod +x "$1/kestrelon-memory"
    [ "${2:-}" != nogame ] || return 0
    mkdir -p "$1/$game_from_launcher"
    cat >"$1/$game_from_launcher/kestrelon-memory" <<'GAME'
#!/bin/sh
pwd -P >"$STANDIN_OUT"
printf '%s\n' "$*" >>"$STANDIN_OUT"
exit "${STANDIN_STATUS:-0}"
GAME
    chmod +x "$1/$game_from_launcher/kestrelon-memory"
}

# run_case <name> <folder the game should run in, or - for none> <expected status> <command...>
# The command runs in $root/cwd with a clean environment; case_env holds its
# variables, separated by spaces (or commas in the tables below). The folder
# it starts in must stay empty.
run_case() {
    name="$1"
    expected_dir="$2"
    expected_status="$3"
    shift 3
    out="$root/$name.out"
    rm -rf "$out" "$root/cwd"
    mkdir "$root/cwd"
    # shellcheck disable=SC2086 # case_env is a list of NAME=value words
    (cd "$root/cwd" && env -i PATH=/usr/bin:/bin STANDIN_OUT="$out" $case_env "$@") \
        >"$root/$name.log" 2>&1
    status=$?
    if [ "$status" -ne "$expected_status" ]; then
        fail "$name: exit status $status, expected $expected_status"
        cat "$root/$name.log" >&2
    fi
    [ -z "$(ls -A "$root/cwd")" ] || fail "$name: wrote into the folder it was started in"
    if [ "$expected_dir" = - ]; then
        [ ! -e "$out" ] || fail "$name: the game ran although it should not"
        grep -q '^kestrelon-memory: ' "$root/$name.log" || fail "$name: no message on why"
        return
    fi
    if [ ! -f "$out" ]; then
        fail "$name: the game did not run"
        return
    fi
    ran_in="$(sed -n 1p "$out")"
    expected_real="$(cd "$expected_dir" 2>/dev/null && pwd -P)"
    [ "$ran_in" = "$expected_real" ] || fail "$name: the game ran in '$ran_in', expected '$expected_dir'"
}

install_pair "$root/prefix/bin"
launcher="$root/prefix/bin/kestrelon-memory"
mkdir -p "$(dirname "$root/prefix/bin/$locale_from_launcher")"
ln -s "$built_locale" "$root/prefix/bin/$locale_from_launcher"
data=.local/share/kestrelon-memory

# Where the data folder goes. XDG_DATA_HOME counts only when it is an absolute
# path; CDPATH must not lead cd elsewhere.
mkdir -p "$root/decoy/xdg/kestrelon-memory"
while read -r name env_words expected; do
    case_env="$(eval "echo $env_words" | tr , ' ')"
    run_case "$name" "$(eval "echo $expected")" 0 "$launcher"
done <<'CASES'
xdg-unset     HOME=$root/h1                                    $root/h1/$data
xdg-set       HOME=$root/h2,XDG_DATA_HOME=$root/x2             $root/x2/kestrelon-memory
xdg-empty     HOME=$root/h3,XDG_DATA_HOME=                     $root/h3/$data
xdg-relative  HOME=$root/h4,XDG_DATA_HOME=xdg                  $root/h4/$data
cdpath        HOME=$root/h5,XDG_DATA_HOME=xdg,CDPATH=$root/decoy $root/h5/$data
CASES
[ ! -e "$root/h2" ] || fail "xdg-set: created the home fallback although XDG_DATA_HOME is set"
[ -z "$(ls -A "$root/decoy/xdg/kestrelon-memory")" ] || fail "cdpath: the game ran in the CDPATH folder"

# An existing data folder is reused and its files (high scores) are kept.
mkdir -p "$root/x6/kestrelon-memory"
echo "Robin" >"$root/x6/kestrelon-memory/highscore.txt"
case_env="HOME=$root/h6 XDG_DATA_HOME=$root/x6"
run_case existing "$root/x6/kestrelon-memory" 0 "$launcher"
grep -q Robin "$root/x6/kestrelon-memory/highscore.txt" || fail "existing: the high-score file was lost"

# The game is found from the launcher's real location, however it is started:
# by a relative path, from a folder with a space, or through a link elsewhere.
case_env="HOME=$root/h7"
run_case relative "$root/h7/$data" 0 sh -c "cd '$root/prefix' && exec bin/kestrelon-memory"
install_pair "$root/with space/bin"
run_case spaces "$root/h7/$data" 0 "$root/with space/bin/kestrelon-memory"
mkdir "$root/links" && ln -s "$launcher" "$root/links/kestrelon-memory"
run_case symlink "$root/h7/$data" 0 "$root/links/kestrelon-memory"

# Arguments pass through and the game's exit status is the launcher's.
case_env="HOME=$root/h8 STANDIN_STATUS=3"
run_case status "$root/h8/$data" 3 "$launcher" one two
[ "$(sed -n 2p "$root/status.out" 2>/dev/null)" = "one two" ] || fail "status: arguments were not passed on"

# --help and --version go to the game where the command was started and make no folder.
# They are found as the game's parser reads the arguments: -help is --help,
# and a value that looks like an option is still a value.
for option in --help -h -help --version -v --language=de\ --help; do
    case_env="HOME=$root/h9"
    # shellcheck disable=SC2086 # the last case is two words
    run_case "option$option" "$root/cwd" 0 "$launcher" -style fusion $option
    [ ! -e "$root/h9" ] || fail "option$option: created a data folder"
done
case_env="HOME=$root/h12"
run_case "language-value" "$root/h12/$data" 0 "$launcher" --language --help

# Failures: a message, a status, and no game started anywhere.
: >"$root/blocker"
while read -r name env_words expected_status; do
    case_env="$(eval "echo $env_words" | tr , ' ')"
    run_case "$name" - "$expected_status" "$launcher"
done <<'CASES'
cannot-create HOME=$root/h10,XDG_DATA_HOME=$root/blocker 1
no-home       ,                                          1
relative-home HOME=home                                  1
CASES
# The messages speak the game's language: that of --language, else the
# locale's (generated or not); English stays as it was.
while read -r name env_words option expected; do
    case_env="$(eval "echo $env_words" | tr , ' ')"
    [ "$option" != - ] || option=""
    # shellcheck disable=SC2086 # no option is no argument
    run_case "$name" - 1 "$launcher" $option
    expected="kestrelon-memory: $(printf '%s' "$expected" | sed "s|\$root|$root|")"
    said="$(tail -n 1 "$root/$name.log")"
    [ "$said" = "$expected" ] || fail "$name: said '$said', expected '$expected'"
done <<'CASES'
english  LANG=C.UTF-8                       -               cannot find the data folder: HOME is unset or not an absolute path, and XDG_DATA_HOME is not an absolute path either
locale   LANG=de_DE.UTF-8                   -               der Datenordner ist nicht zu finden: HOME ist nicht gesetzt oder kein absoluter Pfad, und XDG_DATA_HOME ist auch kein absoluter Pfad
option   LANG=de_DE.UTF-8,HOME=$root/blocker --language=pl  nie można utworzyć folderu z danymi $root/blocker/.local/share/kestrelon-memory ani do niego wejść
CASES

# No game beside the launcher: it runs the one in its install folder, or says
# that there is none, whatever a game installed elsewhere (here one laid out
# like the host's) would offer.
install_pair "$root/alone" nogame
install_pair "$root/usr/games"
case_env="HOME=$root/h11"
run_case no-game - 127 "$root/alone/kestrelon-memory"
mkdir -p "$installed" && cp "$root/usr/games/$game_from_launcher/kestrelon-memory" "$installed/"
run_case installed-game "$root/h11/$data" 0 "$root/alone/kestrelon-memory"

if [ "$failures" -ne 0 ]; then
    echo "$failures launcher check(s) failed" >&2
    exit 1
fi
echo "all launcher checks passed"
