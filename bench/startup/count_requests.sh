#!/usr/bin/env bash
# Counts the wineserver requests of one start-up, per step between the
# start-up marks: each USER or GDI call that needs the server is a round
# trip, and under Wine those round trips are most of a window's start-up.
#
#   bench/startup/count_requests.sh [--bare] [--by-name]
#
# Runs one child of the start-up probe (the converter, or with --bare the
# bare window) against a private wineserver that traces every request, and
# prints the requests of the child's main thread per step; with --by-name
# also the request names of each step, most frequent first.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib.sh"
mode=--child
byName=0
for argument in "$@"; do
    case $argument in
        --bare) mode=--bare-child ;;
        --by-name) byName=1 ;;
        *) echo "usage: $0 [--bare] [--by-name]" >&2; exit 2 ;;
    esac
done
probe="$GK_ROOT/build/mingw/bench/startup/startup_probe.exe"
[ -f "$probe" ] || { echo "build startup_probe first (cmake --build --preset mingw --target startup_probe)" >&2; exit 1; }
trace=$(mktemp)
trap 'rm -f "$trace"; wineserver -k 2>/dev/null || true; gk_stop_xvfb' EXIT
wineserver -k 2>/dev/null || true
wineserver -w
[ -n "${DISPLAY:-}" ] || gk_start_xvfb
# A warm start first, so that the traced one does not pay for the prefix's
# services starting.
wine "$probe" --bare-child >/dev/null 2>&1
wineserver -k; wineserver -w
# The server and the child append to one file, so their lines keep their order.
wineserver -f -p -d1 2>>"$trace" &
server=$!
sleep 0.5
wine "$probe" "$mode" --trace-marks >/dev/null 2>>"$trace"
wineserver -k
wait "$server" || true
awk -v byName="$byName" '
  / startup-mark / {
    if (!thread) thread = $1
    if ($1 != thread) next
    name = substr($0, index($0, "startup-mark ") + 13)
    steps[++stepCount] = name
    next
  }
  thread && $1 == thread && /^[0-9a-f]+: [a-z_]+\( / {
    request = $2; sub(/\(.*/, "", request)
    count[stepCount]++
    perName[stepCount, request]++
    names[request] = 1
  }
  END {
    for (s = 1; s <= stepCount; ++s) {
      total += count[s] + 0
      printf "%6d requests from %-22s to %s\n", count[s] + 0, steps[s], s < stepCount ? steps[s + 1] : "the end of the run"
    }
    printf "%6d requests from the first mark to the end of the run (%d before it)\n", total, count[0] + 0
    if (!byName) exit
    for (s = 0; s <= stepCount; ++s) {
      printf "-- %s\n", s ? "after " steps[s] : "before the first mark"
      cmd = "sort -rn | head -25"
      for (r in names) if ((s, r) in perName) printf "%6d %s\n", perName[s, r], r | cmd
      close(cmd)
    }
  }' "$trace"
