#!/usr/bin/env bash
# The full round trip: a million random points in China per case (6- and
# 3-degree zones; WGS 84, GRS 80, Krassovsky) through gkconv's files, against
# cs2cs and back. The test suite runs the same cases with 20000 points.
# Usage: bench/cli/roundtrip.sh [points]
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
GKCONV_ROUNDTRIP_POINTS=${1:-1000000} "$here/build/native/tests/cli/cli_tests" --gtest_filter='ChinaZones/*' |
    grep -E 'points:|OK|FAILED|PASSED'
