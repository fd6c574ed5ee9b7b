#pragma once
// Drawing a contact sheet: labelled pictures flowed into rows on a paper
// background, pictures scaled up by whole factors so single pixels show.

#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/core/Bitmap.h"

namespace skinsheet {

constexpr std::int32_t kPaper = 0xF2F5F7;  // light warm grey (0x00BBGGRR)
constexpr std::int32_t kInk = 0x342C28;
constexpr std::int32_t kFaint = 0x7E7470;

// Copies `what` with its top-left corner at (x, y), each pixel as a
// scale x scale block, cut to `into`.
void Paste(tk::Bitmap& into, const tk::Bitmap& what, int x, int y, int scale = 1);
// A checkerboard of two greys in squares of `cell` pixels: what shows
// through transparent pixels.
tk::Bitmap Checkerboard(int width, int height, int cell = 6);

struct SheetTile {
  tk::Bitmap picture;
  int scale = 1;
  std::vector<std::string> lines;  // the first in ink, the others faint
};

struct SheetLayout {
  std::string title;
  std::string subtitle;
  int width = 1100;
  // Pictures above the tiles, each with a caption line, at the given scale.
  std::vector<SheetTile> banners;
  std::vector<SheetTile> tiles;
  // Pictures below the tiles, one under the other.
  std::vector<SheetTile> footers;
};

// The sheet: title, banners one under the other, the tiles in rows, then
// the footers.
tk::Bitmap RenderSheet(const SheetLayout& layout);

}  // namespace skinsheet
