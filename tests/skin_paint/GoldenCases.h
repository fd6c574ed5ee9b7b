#pragma once
// The reference pictures of the painting primitives: every case paints from
// one of the internal skins into a bitmap, which the golden test compares
// with tests/skin_paint/golden/<skin>/<case>.png and skin_paint_golden
// writes anew. Portable cases must match to the pixel on every platform;
// text cases (Windows only) are compared with a tolerance.

#include <functional>
#include <string>
#include <vector>

#include "PaintSkins.h"
#include "toolkit/core/Bitmap.h"

namespace paintfix {

struct GoldenCase {
  std::string name;  // file name without ".png"
  std::function<tk::Bitmap(Skin)> paint;
};

const std::vector<GoldenCase>& PortableGoldenCases();
#ifdef _WIN32
const std::vector<GoldenCase>& TextGoldenCases();
#endif

// tests/skin_paint/golden
std::string GoldenFolder();
std::string GoldenPath(Skin skin, const std::string& name);

// Cells of equal size side by side in rows, on a neutral background.
class CellGrid {
public:
  CellGrid(int cellWidth, int cellHeight, int columns, int count, int gap = 4);
  tk::Bitmap& Image() { return image_; }
  skin::TRect Cell(int i) const;

private:
  int w_, h_, columns_, gap_;
  tk::Bitmap image_;
};

}  // namespace paintfix
