#!/usr/bin/env bash
# Paints the reference pictures of the skin painting primitives anew, and
# their contact sheet.
#
#   scripts/golden.sh
#
# The native build writes the portable cases, the Windows build (under Wine,
# on a private display) the text cases, into tests/skin_paint/golden/<skin>/;
# then docs/skin-paint-golden.png shows all of them. Look at the sheet (and
# at `git status tests/skin_paint/golden`) before committing new references:
# the golden test takes whatever is committed as right.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
cd "$GK_ROOT"

golden=tests/skin_paint/golden
gk_configure_and_build native skin_paint_golden skin_paint_golden_sheet
gk_configure_and_build mingw skin_paint_golden

rm -f "$golden"/*/*.png
build/native/tests/skin_paint/skin_paint_golden "$golden"
gk_start_xvfb
trap gk_stop_xvfb EXIT
wine build/mingw/tests/skin_paint/skin_paint_golden.exe "Z:$GK_ROOT/$golden"
gk_stop_xvfb
build/native/tests/skin_paint/skin_paint_golden_sheet "$golden" docs/skin-paint-golden.png
echo "Look at docs/skin-paint-golden.png before committing $golden."
