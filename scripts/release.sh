#!/usr/bin/env bash
# Builds the release configuration (build/release/mingw), checks the
# executables it is about to ship (the DLLs they import, their manifest and
# version information, the converter started under Windows 7 and Windows 10
# as Wine plays them) and writes build/release/CoordConverter-<version>-win64.zip.
#
# The same sources give the same zip, byte for byte: the executables carry no
# link time and no path of the build machine, and every entry of the zip has
# the time of the last commit (or SOURCE_DATE_EPOCH when set), mode 0644, no
# owner or extra time fields, and its place in a fixed order.
#
#   scripts/release.sh [--clean]     --clean: build the release tree from nothing
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
cd "$GK_ROOT"

clean=0
case "${1:-}" in
    --clean) clean=1 ;;
    "") ;;
    *) echo "usage: scripts/release.sh [--clean]" >&2; exit 2 ;;
esac

if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    if ! SOURCE_DATE_EPOCH=$(git -C "$GK_ROOT" log -1 --format=%ct 2>/dev/null) || [ -z "$SOURCE_DATE_EPOCH" ]; then
        echo "release.sh: no commit to date the files by; set SOURCE_DATE_EPOCH" >&2
        exit 1
    fi
fi
export SOURCE_DATE_EPOCH

"$GK_ROOT/scripts/setup.sh"

tree=build/release/mingw
if [ "$clean" = 1 ]; then
    rm -rf "$tree"
fi
gk_configure_and_build release release_package release_tests

echo "== checking the executables"
gk_start_xvfb
trap gk_stop_xvfb EXIT
if ! wine "$tree/tests/release/release_tests.exe" --gtest_brief=1 </dev/null; then
    echo "release.sh: the executables failed their checks; no zip written" >&2
    exit 1
fi
gk_stop_xvfb

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$tree/CMakeCache.txt")
name="CoordConverter-$version-win64"
stage="$tree/package"
[ -d "$stage/$name" ] || { echo "release.sh: $stage/$name was not laid out" >&2; exit 1; }
zip="$GK_ROOT/build/release/$name.zip"

find "$stage" -type d -exec chmod 0755 {} +
find "$stage" -type f -exec chmod 0644 {} +
find "$stage" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
rm -f "$zip"
# -X: no owner or extra time fields; -D: no folder entries (unpacking makes
# them); the zip's DOS times are local times, so the zone is fixed too.
(cd "$stage" && find "$name" -type f | LC_ALL=C sort | TZ=UTC zip -X -D -9 -q "$zip" -@)

echo "${zip#"$GK_ROOT"/}: $(stat -c %s "$zip") bytes, sha256 $(sha256sum "$zip" | cut -d' ' -f1)"
