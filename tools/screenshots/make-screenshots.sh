#!/usr/bin/env bash
# Builds kestrelon-screenshots and renders docs/screenshots/board.png and
# ending.png on a virtual X display. BUILD_DIR picks another build folder.
#   make-screenshots.sh --languages <folder>
# renders instead every language the game speaks into <folder>/<code>/, with
# the instructions and the donation box, to look at each translation.
set -euo pipefail
here="$(cd "$(dirname "$0")/../.." && pwd)"
build="${BUILD_DIR:-$here/build-dev}"
out="$here/docs/screenshots"

if ! command -v xvfb-run >/dev/null; then
    echo "make-screenshots: xvfb-run is missing (Debian package xvfb, see scripts/setup.sh)" >&2
    exit 1
fi
if [ ! -f "$build/CMakeCache.txt" ]; then
    (cd "$here" && cmake --preset dev -B "$build" >/dev/null)
fi
cmake --build "$build" -j"$(nproc)" --target kestrelon-screenshots

languages=(en)
if [ "${1:-}" = --languages ]; then
    out="${2:?make-screenshots: --languages needs a folder}"
    mapfile -t languages < <(cd "$here/translations" && ls kestrelon-memory_*.ts | sed 's/^kestrelon-memory_//; s/[.]ts$//')
    languages=(en "${languages[@]}")
fi

mkdir -p "$out"
# The X server, not the offscreen platform, so the window gets real fonts and a frame size.
unset QT_QPA_PLATFORM
if [ "${1:-}" != --languages ]; then
    xvfb-run -a -s "-screen 0 1280x1024x24" \
        env LANGUAGE=en QT_LOGGING_RULES="qt.multimedia*=false" "$build/tools-screenshots/kestrelon-screenshots" "$out"
    exit 0
fi
for language in "${languages[@]}"; do
    xvfb-run -a -s "-screen 0 1280x1024x24" \
        env LANGUAGE="$language" QT_LOGGING_RULES="qt.multimedia*=false" \
        "$build/tools-screenshots/kestrelon-screenshots" "$out/$language" --boxes
done
