#!/usr/bin/env bash
# Installs, removes and purges the package in a clean Debian 12 chroot with
# piuparts, which then looks for files left behind or changed. It needs root,
# a reachable Debian mirror and several minutes, so ./check does not run it.
#   piuparts.sh <kestrelon-memory_*.deb> [mirror URL]
# The mirror defaults to KESTRELON_MIRROR, else deb.debian.org.
set -euo pipefail
if [ $# -lt 1 ] || [ ! -f "$1" ]; then
    echo "usage: $0 <kestrelon-memory_*.deb> [mirror URL]" >&2
    exit 2
fi
mirror="${2:-${KESTRELON_MIRROR:-http://deb.debian.org/debian}}"
# The package's dependencies come from the mirror's main component.
exec piuparts --distribution=bookworm --mirror="$mirror main" --warn-on-others "$1"
