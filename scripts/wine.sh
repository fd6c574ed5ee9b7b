#!/usr/bin/env bash
# Runs a Windows program of the build under Wine as the tests run theirs: in
# this checkout's own prefix (build/wine, see scripts/setup.sh), quiet, and
# without a display on a private Xvfb. For the benchmarks that measure under
# Wine, e.g.
#
#   scripts/wine.sh build/mingw/bench/startup/startup_probe.exe --runs 20
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
[ $# -gt 0 ] || { echo "usage: scripts/wine.sh <program.exe> [arguments...]" >&2; exit 2; }
[ -f "$WINEPREFIX/system.reg" ] || { echo "no Wine prefix in $WINEPREFIX yet: run scripts/setup.sh" >&2; exit 1; }
if [ -z "${DISPLAY:-}" ]; then
    gk_start_xvfb
    trap gk_stop_xvfb EXIT
fi
wine "$@"
