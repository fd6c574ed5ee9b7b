#pragma once
// The converter's window as a skin paints it, for the contact sheets: the
// form with its title bar and caption buttons, the two framed groups with
// their edits, labels and speed buttons, and the two push buttons, each
// painted with the skin engine's primitives into its own cache over its
// parent's, as the product does. Texts use a pixel font (the sheets are
// drawn without a window system) in the skin's colours and contours.

#include "toolkit/core/Bitmap.h"

namespace skin {
class TsSkinTables;
}

namespace skinsheet {

constexpr int kMockWidth = 512, kMockHeight = 319;

tk::Bitmap PaintMockWindow(const skin::TsSkinTables& skin);

}  // namespace skinsheet
