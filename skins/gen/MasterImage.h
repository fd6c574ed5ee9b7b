#pragma once
// One skin image as the generator knows it: how it is drawn (a function that
// paints one state frame) and how the skin engine is told where it is (the
// value of its image key in Options.dat). The same record gives the pixels
// of the master bitmap and the text of the key, so the two cannot disagree.

#include <functional>
#include <string>

#include "Raster.h"

namespace skingen {

// The three value syntaxes for rectangles of the master bitmap.
enum class ImageSyntax {
  Glyph,    // "@": frames side by side, optional masks below
  Border,   // "^": a nine-part frame with border widths and a draw mode
  Texture,  // "~": a picture tiled or stretched by its draw mode
};

struct Borders {
  int left = 0, top = 0, right = 0, bottom = 0;
};

struct MasterImage {
  std::string name;  // referenced from the options template as {name}
  ImageSyntax syntax = ImageSyntax::Glyph;
  int frameWidth = 0;
  int frameHeight = 0;
  int frames = 1;                 // state frames laid side by side
  bool transparencyMask = true;   // the lower half holds one mask per frame
  Borders borders;                // "^" only; all zero lets the engine derive them
  int drawMode = 0;               // "^": one digit; "~": two digits
  int borderWidth = 0;            // "^" only: one digit
  bool pinned = false;            // placed at (pinX, pinY) instead of packed
  int pinX = 0, pinY = 0;
  // Paints the frame of state 0 .. frames - 1, frameWidth × frameHeight.
  std::function<Raster(int state)> paint;

  int Width() const { return frameWidth * frames; }
  int Height() const { return frameHeight * (transparencyMask ? 2 : 1); }
};

// An image with a bitmap file of its own ("!" values), such as the big
// button frame: the frames side by side and, with MaskType 1, their masks
// below. The value names the file in upper case, as the engine matches it.
struct OwnFileImage {
  std::string name;      // referenced from the template as {name}
  std::string fileName;  // member name in the package, e.g. "ButtonHuge.bmp"
  int frameWidth = 0;
  int frameHeight = 0;
  int frames = 3;
  bool transparencyMask = true;
  int imageType = 0;       // 0 border, 1 texture, 2 glyph
  bool explicitBorders = false;
  Borders borders;
  std::function<Raster(int state)> paint;
};

}  // namespace skingen
