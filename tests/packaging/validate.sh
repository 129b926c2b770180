#!/bin/sh
# Runs a validator (desktop-file-validate, appstreamcli) on a file and fails on
# any error or warning it reports.
#   validate.sh <tool> [arguments...]
# A missing tool fails the test with a clear message; with
# KESTRELON_SKIP_VALIDATORS set it exits 77, which CTest reports as skipped.
set -u
tool="$1"
if ! command -v "$tool" >/dev/null 2>&1; then
    if [ -n "${KESTRELON_SKIP_VALIDATORS:-}" ]; then
        echo "SKIP: $tool is not installed (KESTRELON_SKIP_VALIDATORS is set)"
        exit 77
    fi
    echo "FAIL: $tool is not installed. Run scripts/setup.sh (Debian packages" \
        "desktop-file-utils and appstream), or set KESTRELON_SKIP_VALIDATORS=1 to skip." >&2
    exit 1
fi

output="$("$@" 2>&1)"
status=$?
printf '%s\n' "$output"
if [ "$status" -ne 0 ]; then
    echo "FAIL: $tool exited with status $status" >&2
    exit 1
fi
# desktop-file-validate exits 0 on warnings; appstreamcli prints "W:" or "E:" lines.
if printf '%s\n' "$output" | grep -Eq '(^|: )(warning|error):|^[WE]: '; then
    echo "FAIL: $tool reported problems" >&2
    exit 1
fi
exit 0
