#!/usr/bin/env bash
# Installs what is missing, builds both configurations, runs every test
# (native directly, Windows under Wine on a private Xvfb display) and ends
# with one line "N passed, N failed" counting test cases.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
cd "$GK_ROOT"

"$GK_ROOT/scripts/setup.sh" || { echo "0 passed, 1 failed"; exit 1; }

build_failed=0
for preset in native mingw; do
    echo "== building $preset"
    gk_configure_and_build "$preset" || build_failed=$((build_failed + 1))
done

rm -rf build/native/test-results build/mingw/test-results
# CTest keeps its list of failures from earlier runs; start from a clean slate.
rm -f build/native/Testing/Temporary/LastTestsFailed.log build/mingw/Testing/Temporary/LastTestsFailed.log
mkdir -p build/native/test-results build/mingw/test-results

echo "== native tests"
ctest --preset native -j"$(nproc)" --timeout 600

echo "== Windows tests under Wine"
gk_start_xvfb
trap gk_stop_xvfb EXIT
# One wineserver for the whole run instead of one per test program, and
# Wine's own service processes started here, outside CTest: started by the
# first test instead, they would inherit its output pipes and CTest would
# wait for them long after the test itself has ended.
wineserver -p 30 >/dev/null 2>&1 || true
wine cmd /c exit </dev/null >/dev/null 2>&1 || true
ctest --preset mingw --timeout 300
gk_stop_xvfb

# Count test cases from GoogleTest's reports; a CTest entry without a report
# (a crash, a non-GoogleTest check) counts as one case with CTest's verdict.
passed=0
failed=$build_failed
for preset in native mingw; do
    dir="build/$preset"
    failed_list="$dir/Testing/Temporary/LastTestsFailed.log"
    while read -r name; do
        [ -n "$name" ] || continue
        report="$dir/test-results/$name.xml"
        if [ -f "$report" ]; then
            read -r t f e d < <(sed -n 's/.*<testsuites tests="\([0-9]*\)" failures="\([0-9]*\)" disabled="\([0-9]*\)" errors="\([0-9]*\)".*/\1 \2 \4 \3/p' "$report" | head -n1)
            t=${t:-0}; f=${f:-0}; e=${e:-0}; d=${d:-0}
            passed=$((passed + t - f - e - d))
            failed=$((failed + f + e))
            if [ -f "$failed_list" ] && grep -q ":$name\$" "$failed_list" && [ $((f + e)) -eq 0 ]; then
                failed=$((failed + 1))   # the binary failed after its report (e.g. a leak check)
            fi
        elif [ -f "$failed_list" ] && grep -q ":$name\$" "$failed_list"; then
            failed=$((failed + 1))
        else
            passed=$((passed + 1))
        fi
    done < <(ctest --test-dir "$dir" -N 2>/dev/null | sed -n 's/^ *Test *#[0-9]*: *//p')
done

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
