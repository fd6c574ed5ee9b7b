#!/usr/bin/env bash
# Paints the reference pictures of the skin painting primitives, of the
# skinned controls and of the skinned frames anew, and their contact sheets.
#
#   scripts/golden.sh
#
# The native build writes the portable cases, the Windows build (under Wine,
# on a private display) the text cases, into tests/skin_paint/golden/<skin>/;
# then docs/skin-paint-golden.png shows all of them. The skinned controls,
# each in each of its states, go into tests/skin_controls/golden/<skin>/
# (Windows build only), shown by docs/skinned-controls-golden.png; the
# wrapped windows (a list box, the skinned scroll bars in each state) into
# tests/skin_adapters/golden/<skin>/, shown by docs/skin-adapters-golden.png. Look at
# the sheets (and at `git status tests/skin_paint/golden
# tests/skin_controls/golden`) before committing new references: the golden
# tests take whatever is committed as right. The skinned frames (the skin
# provider's picture of whole windows) go into tests/skin_forms/golden/<skin>/
# (Windows build only), shown by docs/skin-forms-golden.png; the skinned
# popup menus into tests/skin_forms/menus-golden/<skin>/, shown by
# docs/skin-menus-golden.png; the skinned message box of the gallery into
# tests/gallery/dialogs-golden/<skin>/, shown by docs/skin-dialogs-golden.png.
# The converter's whole window goes into tests/window/golden/ and, as the
# README's screenshots, docs/main-window-*.png.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
cd "$GK_ROOT"

golden=tests/skin_paint/golden
controls=tests/skin_controls/golden
adapters=tests/skin_adapters/golden
forms=tests/skin_forms/golden
menus=tests/skin_forms/menus-golden
dialogs=tests/gallery/dialogs-golden
window=tests/window/golden
gk_configure_and_build native skin_paint_golden skin_paint_golden_sheet
gk_configure_and_build mingw skin_paint_golden skinned_controls_golden skin_adapters_golden skin_forms_golden skin_menus_golden \
    window_golden gallery_screenshots skin_dialogs_golden

rm -f "$golden"/*/*.png "$controls"/*/*.png "$adapters"/*/*.png "$forms"/*/*.png "$menus"/*/*.png "$dialogs"/*/*.png "$window"/*.png
build/native/tests/skin_paint/skin_paint_golden "$golden"
gk_start_xvfb
trap gk_stop_xvfb EXIT
wine build/mingw/tests/skin_paint/skin_paint_golden.exe "Z:$GK_ROOT/$golden"
wine build/mingw/tests/skin_controls/skinned_controls_golden.exe
wine build/mingw/tests/skin_adapters/skin_adapters_golden.exe
wine build/mingw/tests/skin_forms/skin_forms_golden.exe "Z:$GK_ROOT/$forms"
wine build/mingw/tests/skin_forms/skin_menus_golden.exe "Z:$GK_ROOT/$menus"
mkdir -p "$window"
wine build/mingw/tests/window/window_golden.exe "Z:$GK_ROOT/$window" "Z:$GK_ROOT/docs"
wine build/mingw/tests/gallery/gallery_screenshots.exe "Z:$GK_ROOT/docs"
wine build/mingw/tests/gallery/skin_dialogs_golden.exe
gk_stop_xvfb
build/native/tests/skin_paint/skin_paint_golden_sheet "$golden" docs/skin-paint-golden.png
build/native/tests/skin_paint/skin_paint_golden_sheet "$controls" docs/skinned-controls-golden.png "SKINNED CONTROLS" \
    "REFERENCE PICTURES OF TESTS/SKIN_CONTROLS/GOLDEN, EACH CONTROL AND STATE IN EMBERSTYLE, THEN GLACIER"
build/native/tests/skin_paint/skin_paint_golden_sheet "$adapters" docs/skin-adapters-golden.png "WRAPPED WINDOWS" \
    "REFERENCE PICTURES OF TESTS/SKIN_ADAPTERS/GOLDEN: LIST BOX, BUTTONS, CHECK BOXES, GROUP BOX, SCROLL BARS; EMBERSTYLE, THEN GLACIER"
build/native/tests/skin_paint/skin_paint_golden_sheet "$forms" docs/skin-forms-golden.png "SKINNED FRAMES" \
    "REFERENCE PICTURES OF TESTS/SKIN_FORMS/GOLDEN: THE PROVIDER'S WHOLE-WINDOW CACHE, EMBERSTYLE, THEN GLACIER"
build/native/tests/skin_paint/skin_paint_golden_sheet "$menus" docs/skin-menus-golden.png "SKINNED MENUS" \
    "REFERENCE PICTURES OF TESTS/SKIN_FORMS/MENUS-GOLDEN: THE GALLERY'S POPUP MENUS, EMBERSTYLE, THEN GLACIER"
build/native/tests/skin_paint/skin_paint_golden_sheet "$dialogs" docs/skin-dialogs-golden.png "SKINNED DIALOGS" \
    "REFERENCE PICTURES OF TESTS/GALLERY/DIALOGS-GOLDEN: THE GALLERY'S MESSAGE BOX, EMBERSTYLE, THEN GLACIER"
echo "Look at docs/skin-paint-golden.png, docs/skinned-controls-golden.png, docs/skin-adapters-golden.png," \
     "docs/skin-forms-golden.png, docs/skin-menus-golden.png and docs/skin-dialogs-golden.png before committing" \
     "$golden, $controls, $adapters, $forms, $menus and $dialogs."
