#pragma once
// The glyph of a skinned speed button drawn into its cache: from its own
// bitmap (one image, or up to four frames side by side) or from an image
// list, with the normal glyph blended into the background by Blend percent,
// greyed when Grayed, and the disabled glyph greyed and/or half blended.
// And the two-frame glyph (normal, disabled) an unskinned button gets from
// its image list.

#include <windows.h>

#include "skin/paint/sPaintTypes.h"
#include "toolkit/core/Bitmap.h"

namespace tk {
class TCustomImageList;
}

namespace skin {

enum TsDisabledGlyphKindFlag : unsigned { dgBlended = 1, dgGrayed = 2 };
using TsDisabledGlyphKind = unsigned;

struct TsGlyphLook {
  int blend = 0;  // percent of the background showing through, 0..100
  int state = 0;  // 0 normal, 1 hot, 2 pressed
  TsDisabledGlyphKind disabledKind = dgBlended;
  bool grayed = false;
  bool enabled = true;
  bool hot = false;  // image-list glyphs: hot ones are never greyed or blended
};

// A glyph bitmap of numGlyphs frames side by side; its clear colour is the
// colour of a frame's bottom-left pixel.
void DrawButtonGlyph(const tk::Bitmap& glyph, int numGlyphs, tk::Bitmap& cache, const RECT& at, const TsGlyphLook& look);

// Image `index` of the list; its clear colour is the list's background
// colour (clFuchsia when it has none).
void DrawImageListGlyph(const tk::TCustomImageList& images, int index, tk::Bitmap& cache, const RECT& at,
                        const TsGlyphLook& look);

// The glyph an unskinned button draws for image `index`: the image, and
// beside it the disabled image over the button face (greyed and/or blended
// by the kind, or copied when the kind is empty). Two frames.
tk::Bitmap UnskinnedGlyphFromList(const tk::TCustomImageList& images, int index, TsDisabledGlyphKind kind,
                                  TColor buttonFace);

}  // namespace skin
