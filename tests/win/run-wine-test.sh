#!/bin/sh
# Runs the Windows injection check under wine in a private prefix inside the
# test sandbox. Exits 77 (skipped) when wine or the cross-built program is
# missing.
exe="$1"
command -v wine >/dev/null 2>&1 || { echo "wine is not installed: skipped"; exit 77; }
[ -f "$exe" ] || { echo "$exe was not built (no MinGW cross compiler): skipped"; exit 77; }
[ -n "${DISPLAY:-}" ] || { echo "no X display for wine's windows" >&2; exit 1; }

export WINEPREFIX="${TMPDIR:-/tmp}/wineprefix"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine wineboot -i >/dev/null 2>&1
wine "$exe"
status=$?
wineserver -k >/dev/null 2>&1
exit $status
