#include "SheetCanvas.h"

#include <algorithm>

#include "PixelFont.h"

namespace skinsheet {

namespace {
constexpr int kMargin = 16, kLine = 10, kGap = 22;

int TileWidth(const SheetTile& t) {
  int w = t.picture.Width() * t.scale;
  for (const std::string& line : t.lines) w = std::max(w, TextWidth(line));
  return w;
}
int TileHeight(const SheetTile& t) { return t.picture.Height() * t.scale + 6 + static_cast<int>(t.lines.size()) * kLine; }

void DrawTile(tk::Bitmap& sheet, const SheetTile& t, int x, int y) {
  Paste(sheet, t.picture, x, y, t.scale);
  int ly = y + t.picture.Height() * t.scale + 6;
  for (std::size_t i = 0; i < t.lines.size(); ++i, ly += kLine) DrawText(sheet, x, ly, t.lines[i], i == 0 ? kInk : kFaint);
}
}  // namespace

void Paste(tk::Bitmap& into, const tk::Bitmap& what, int x, int y, int scale) {
  const int bpp = what.BytesPerPixel();
  for (int j = 0; j < what.Height() * scale; ++j) {
    if (y + j < 0 || y + j >= into.Height()) continue;
    const std::uint8_t* src = what.ScanLine(j / scale);
    std::uint8_t* dst = into.ScanLine(y + j);
    for (int i = 0; i < what.Width() * scale; ++i) {
      if (x + i < 0 || x + i >= into.Width()) continue;
      std::copy(src + (i / scale) * bpp, src + (i / scale) * bpp + 3, dst + (x + i) * into.BytesPerPixel());
    }
  }
}

tk::Bitmap Checkerboard(int width, int height, int cell) {
  tk::Bitmap b(width, height);
  for (int y = 0; y < height; ++y) {
    std::uint8_t* row = b.ScanLine(y);
    for (int x = 0; x < width; ++x) {
      const std::uint8_t grey = ((x / cell) + (y / cell)) % 2 ? 132 : 164;
      row[x * 3] = row[x * 3 + 1] = row[x * 3 + 2] = grey;
    }
  }
  return b;
}

tk::Bitmap RenderSheet(const SheetLayout& layout) {
  struct Placed {
    const SheetTile* tile;
    int x, y;
  };
  std::vector<Placed> placed;
  int y = kMargin + 30;
  for (const SheetTile& b : layout.banners) {
    placed.push_back({&b, kMargin, y});
    y += TileHeight(b) + 18;
  }
  int x = kMargin, rowHeight = 0;
  for (const SheetTile& t : layout.tiles) {
    const int w = TileWidth(t);
    if (x + w > layout.width - kMargin && x > kMargin) {
      x = kMargin;
      y += rowHeight + 18;
      rowHeight = 0;
    }
    placed.push_back({&t, x, y});
    x += w + kGap;
    rowHeight = std::max(rowHeight, TileHeight(t));
  }
  y += rowHeight + 24;
  rowHeight = 0;
  for (const SheetTile& f : layout.footers) {
    placed.push_back({&f, kMargin, y});
    y += TileHeight(f) + 18;
  }
  int width = layout.width;
  for (const Placed& p : placed) width = std::max(width, p.x + TileWidth(*p.tile) + kMargin);
  tk::Bitmap sheet(width, y + kMargin);
  sheet.Fill(kPaper);
  DrawText(sheet, kMargin, kMargin, layout.title, kInk, 3);
  DrawText(sheet, kMargin + TextWidth(layout.title, 3) + 24, kMargin + 14, layout.subtitle, kFaint);
  for (const Placed& p : placed) DrawTile(sheet, *p.tile, p.x, p.y);
  return sheet;
}

}  // namespace skinsheet
