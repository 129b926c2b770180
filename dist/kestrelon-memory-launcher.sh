#!/bin/sh
# Starts Kestrelon Memory inside the player's data folder. The game keeps its
# pictures, high-score lists and game counter in its working directory, so the
# launcher gives it a folder of its own under the XDG data home.
set -eu

data_home="${XDG_DATA_HOME:-}"
if [ -z "$data_home" ]; then
    if [ -z "${HOME:-}" ]; then
        echo "kestrelon-memory-launcher: neither XDG_DATA_HOME nor HOME is set" >&2
        exit 1
    fi
    data_home="$HOME/.local/share"
fi
data_dir="$data_home/kestrelon-memory"

if ! mkdir -p "$data_dir"; then
    echo "kestrelon-memory-launcher: cannot create $data_dir" >&2
    exit 1
fi

# The installed game sits next to the launcher; a launcher copied elsewhere
# falls back to whatever the PATH offers.
here="$(dirname "$0")"
case "$here" in
    /*) ;;
    *) here="$(pwd)/$here" ;;
esac
game="$here/kestrelon-memory"
if [ ! -x "$game" ]; then
    if ! game="$(command -v kestrelon-memory)"; then
        echo "kestrelon-memory-launcher: kestrelon-memory not found next to $0 or on PATH" >&2
        exit 127
    fi
fi

cd "$data_dir"
exec "$game" "$@"
