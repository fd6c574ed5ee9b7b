#!/usr/bin/env bash
# Installs what is missing, builds both configurations, checks that nothing
# used comes from a package the set-up does not install, runs every test
# (native directly, Windows under Wine on a private Xvfb display) and ends
# with one line "N passed, N failed" counting test cases.
#
# A configuration that does not build counts as one failure and its tests do
# not run: binaries left from an earlier build would test old code.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
cd "$GK_ROOT"

"$GK_ROOT/scripts/setup.sh" || { echo "set-up failed"; echo "0 passed, 1 failed"; exit 1; }

failed=0
built=()
for preset in native mingw; do
    echo "== building $preset"
    if gk_configure_and_build "$preset"; then
        built+=("$preset")
    else
        echo "== the $preset build FAILED: its tests are not run"
        failed=$((failed + 1))
    fi
done

echo "== checking the packages used against the set-up's list"
"$GK_ROOT/scripts/check-fresh.sh" || failed=$((failed + 1))

is_built() { [[ " ${built[*]} " == *" $1 "* ]]; }

for preset in native mingw; do
    rm -rf "build/$preset/test-results"
    # CTest keeps its list of failures from earlier runs; start from a clean slate.
    rm -f "build/$preset/Testing/Temporary/LastTestsFailed.log"
    is_built "$preset" && mkdir -p "build/$preset/test-results"
done

if is_built native; then
    echo "== native tests"
    ctest --preset native -j"$(nproc)" --timeout 600
fi

if is_built mingw; then
    echo "== Windows tests under Wine"
    gk_start_xvfb || failed=$((failed + 1))
    trap gk_stop_xvfb EXIT
    # One wineserver for the whole run instead of one per test program, and
    # Wine's own service processes started here, outside CTest: started by the
    # first test instead, they would inherit its output pipes and CTest would
    # wait for them long after the test itself has ended.
    wineserver -p 30 >/dev/null 2>&1 || true
    wine cmd /c exit </dev/null >/dev/null 2>&1 || true
    ctest --preset mingw --timeout 300
    gk_stop_xvfb
fi

# Count test cases from GoogleTest's reports; a CTest entry without a report
# (a crash, a non-GoogleTest check) counts as one case with CTest's verdict.
passed=0
for preset in "${built[@]}"; do
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
