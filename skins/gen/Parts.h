#pragma once
// Builders for the kinds of images every skin carries. A skin states its
// look (colours, rings, radii) per state; these turn the look into a
// MasterImage with the right frame count, borders and painter.

#include <array>
#include <functional>
#include <string>

#include "Kit.h"
#include "MasterImage.h"

namespace skingen {

// A nine-part border ("^") whose frame of each state is a FrameStyle.
// Tileable frames are checked (see CheckTileable); pass tileable = false
// only for frames drawn no larger than themselves.
MasterImage BorderMask(const std::string& name, int width, int height, int frames, Borders borders, int drawMode,
                    std::function<FrameStyle(int state)> look, bool tileable = true);

// A border whose frames come from a painter of rasters (for shapes that are
// not a single rounded frame: tabs, dividers, channels).
MasterImage BorderMaskPainted(const std::string& name, int width, int height, int frames, Borders borders, int drawMode,
                           std::function<Raster(int state)> paint, bool tileable = true);

// A texture ("~") without masks, painted opaque.
MasterImage TextureMask(const std::string& name, int width, int height, int drawMode, std::function<Raster()> paint);

// A glyph ("@") of `frames` states with masks.
MasterImage GlyphMask(const std::string& name, int width, int height, int frames, std::function<Raster(int state)> paint);

// An image in a bitmap file of its own, frames with masks below.
OwnFileImage OwnImage(const std::string& name, const std::string& fileName, int width, int height, int frames,
                      std::function<Raster(int state)> paint);

// Title-bar buttons: a plate per state and a glyph drawn on it.
struct TitleButtonLook {
  std::array<FrameStyle, 3> plate;       // normal, hot, pressed
  std::array<FrameStyle, 3> closePlate;  // the close button's own hot colours
  std::array<Rgba, 3> glyph;
  std::array<Rgba, 3> closeGlyph;  // clear entries fall back to `glyph`
  std::array<Rgba, 3> glyphShadow;
  double pressedShift = 1;
};
enum class TitleGlyph { None, Close, Maximize, Minimize, Restore, Help };
Raster TitleButtonFrame(int width, int height, int state, const TitleButtonLook& look, TitleGlyph glyph);

// Check boxes and radio buttons in three states (normal, hot, pressed).
struct ToggleLook {
  std::array<FrameStyle, 3> box;    // the square (radius) or, for radios, its ring styles
  std::array<Rgba, 3> mark;         // check mark or dot
  Rgba markShadow;
  Rgba grayedMark;                  // the third, undecided value
};
enum class ToggleValue { Unchecked, Checked, Grayed };
Raster CheckBoxFrame(int size, int state, const ToggleLook& look, ToggleValue value);
Raster RadioFrame(int size, int state, const ToggleLook& look, ToggleValue value);

// A glyph shape in three state colours, centred in its frame.
Raster ShapeFrame(int width, int height, const DistanceFn& shape, const Rgba& colour, const Rgba& shadow = {},
                  double shadowDy = 0);

}  // namespace skingen
