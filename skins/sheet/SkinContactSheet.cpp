#include "ContactSheet.h"

#include <algorithm>
#include <vector>

#include "DetMath.h"
#include "PixelFont.h"
#include "SkinPreview.h"

namespace skingen {

namespace {

constexpr int kWidth = 1100, kMargin = 16;

void Paste(tk::Bitmap& into, const tk::Bitmap& what, int x, int y, int scale = 1) {
  for (int j = 0; j < what.Height() * scale; ++j) {
    if (y + j < 0 || y + j >= into.Height()) continue;
    const std::uint8_t* src = what.ScanLine(j / scale);
    std::uint8_t* dst = into.ScanLine(y + j);
    for (int i = 0; i < what.Width() * scale; ++i) {
      if (x + i < 0 || x + i >= into.Width()) continue;
      std::copy(src + (i / scale) * 3, src + (i / scale) * 3 + 3, dst + (x + i) * 3);
    }
  }
}

void Label(tk::Bitmap& into, int x, int y, const std::string& text, const Rgba& colour, int scale = 1) {
  Raster layer(TextWidth(text, scale) + 1, kGlyphHeight * scale + 1);
  DrawText(layer, 0, 0, text, colour, scale);
  for (int j = 0; j < layer.Height(); ++j)
    for (int i = 0; i < layer.Width(); ++i) {
      const Rgba& p = layer.At(i, j);
      if (p.a <= 0 || x + i >= into.Width() || y + j >= into.Height()) continue;
      std::uint8_t* d = into.ScanLine(y + j) + (x + i) * 3;
      d[0] = ToByte(Lerp(d[0], p.b, p.a)), d[1] = ToByte(Lerp(d[1], p.g, p.a)), d[2] = ToByte(Lerp(d[2], p.r, p.a));
    }
}

struct Tile {
  tk::Bitmap picture;
  int scale;
  std::vector<std::string> lines;
};

}  // namespace

tk::Bitmap RenderContactSheet(const SheetInput& in) {
  SkinPreview preview(in.options, *in.master, in.files);
  const Rgba ink = Rgb(40, 44, 52), faint = Rgb(110, 116, 126);

  std::vector<Tile> tiles;
  for (const auto& [name, value] : in.values) {
    const auto image = preview.Decode(value);
    if (!image) continue;
    const int frameWidth = image->texture ? image->right - image->left : image->FrameWidth() * image->frames;
    const int scale = frameWidth * 3 <= 330 ? 3 : (frameWidth * 2 <= 520 ? 2 : 1);
    Tile t{preview.Swatch(*image, scale), 1, {name}};
    for (const std::string& key : preview.Options().KeysWithValue(value)) t.lines.push_back(key);
    t.lines.push_back(value.substr(0, 1) + " " + std::to_string(image->frames) + (image->frames == 1 ? " FRAME" : " FRAMES") +
                      (image->maskType ? ", MASKED" : ""));
    tiles.push_back(std::move(t));
  }
  for (const auto& [name, bitmap] : in.files) {
    const int scale = bitmap.Width() <= 250 ? 2 : 1;
    tiles.push_back(Tile{bitmap, scale, {name, std::to_string(bitmap.Width()) + " X " + std::to_string(bitmap.Height())}});
  }

  // Flow the tiles into rows to find the height.
  struct Placed {
    const Tile* tile;
    int x, y;
  };
  std::vector<Placed> placed;
  const tk::Bitmap window = preview.MockWindow();
  int y = kMargin + 30 + window.Height() * 2 + 24;
  int x = kMargin, rowHeight = 0;
  for (const Tile& t : tiles) {
    int labelWidth = 0;
    for (const std::string& line : t.lines) labelWidth = std::max(labelWidth, TextWidth(line));
    const int w = std::max(t.picture.Width() * t.scale, labelWidth);
    const int h = t.picture.Height() * t.scale + 6 + static_cast<int>(t.lines.size()) * 10;
    if (x + w > kWidth - kMargin && x > kMargin) {
      x = kMargin;
      y += rowHeight + 18;
      rowHeight = 0;
    }
    placed.push_back({&t, x, y});
    x += w + 22;
    rowHeight = std::max(rowHeight, h);
  }
  y += rowHeight + 24;
  const int masterAt = y + 14;
  const int height = masterAt + in.master->Height() * 2 + kMargin;

  tk::Bitmap sheet(kWidth, height);
  sheet.Fill(0xF7F5F2);
  Label(sheet, kMargin, kMargin, in.title, ink, 3);
  Paste(sheet, window, kMargin, kMargin + 30, 2);
  Label(sheet, kMargin + TextWidth(in.title, 3) + 24, kMargin + 14, "THE CONVERTER'S WINDOW (X 2), THEN EVERY IMAGE (X 2 OR 3)", faint);
  for (const Placed& p : placed) {
    Paste(sheet, p.tile->picture, p.x, p.y, p.tile->scale);
    int ly = p.y + p.tile->picture.Height() * p.tile->scale + 6;
    for (std::size_t i = 0; i < p.tile->lines.size(); ++i, ly += 10)
      Label(sheet, p.x, ly, p.tile->lines[i], i == 0 ? ink : faint);
  }
  Label(sheet, kMargin, masterAt - 12, "MASTER.BMP AS STORED, X 2", ink);
  Paste(sheet, *in.master, kMargin, masterAt, 2);
  return sheet;
}

}  // namespace skingen
