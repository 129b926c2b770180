#!/usr/bin/env bash
# Builds kestrelon-screenshots and renders docs/screenshots/board.png and
# ending.png on a virtual X display. BUILD_DIR picks another build folder.
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

mkdir -p "$out"
# The X server, not the offscreen platform, so the window gets real fonts and a frame size.
unset QT_QPA_PLATFORM
xvfb-run -a -s "-screen 0 1280x1024x24" \
    env LANGUAGE=en QT_LOGGING_RULES="qt.multimedia*=false" "$build/tools-screenshots/kestrelon-screenshots" "$out"
