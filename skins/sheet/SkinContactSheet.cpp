#include "SkinContactSheet.h"

#include <algorithm>
#include <map>
#include <tuple>
#include <vector>

#include "MockWindow.h"
#include "SheetCanvas.h"
#include "skin/data/sSkinTables.h"
#include "skin/paint/sBitmapOps.h"
#include "skin/paint/sMaskGlyph.h"
#include "skin/paint/sTextureFill.h"

namespace skinsheet {

namespace {

int ScaleFor(int width) { return width * 3 <= 330 ? 3 : (width * 2 <= 520 ? 2 : 1); }

std::string KeyOf(const std::string& section, const std::string& key) { return section + "." + key; }

// Keys sharing one picture are listed under it; long lists are cut.
void AddKeys(SheetTile& tile, const std::vector<std::string>& keys) {
  const std::size_t shown = std::min<std::size_t>(keys.size(), 6);
  for (std::size_t i = 0; i < shown; ++i) tile.lines.push_back(keys[i]);
  if (keys.size() > shown) tile.lines.push_back("+" + std::to_string(keys.size() - shown) + " MORE");
}

// Every frame of a mask, each drawn as a glyph over its own checkerboard.
tk::Bitmap Frames(const skin::TsMaskData& m) {
  const int count = m.ImageCount > 0 ? m.ImageCount : 1;
  const int fw = m.R.Width() / count, fh = m.R.Height() / (m.MaskType > 0 ? m.MaskType + 1 : 1), gap = 2;
  if (fw <= 0 || fh <= 0) return {};
  tk::Bitmap out(fw * count + gap * (count - 1), fh);
  out.Fill(kPaper);
  for (int f = 0; f < count; ++f) {
    tk::Bitmap cell = Checkerboard(fw, fh, 2);
    skin::DrawMaskGlyph(cell, {0, 0}, f, m, 1);
    Paste(out, cell, f * (fw + gap), 0);
  }
  return out;
}

// A texture as it tiles over a rectangle of its own size.
tk::Bitmap Texture(const skin::TsMaskData& m) {
  const int w = m.Bmp ? m.Bmp->Width() : m.R.Width(), h = m.Bmp ? m.Bmp->Height() : m.R.Height();
  if (w <= 0 || h <= 0) return {};
  tk::Bitmap out = Checkerboard(w, h, 2);
  skin::FillRectByTexture(out, {0, 0, w, h}, m.Bmp.get(), 0, &m);
  return out;
}

std::vector<SheetTile> MaskTiles(const skin::TsSkinTables& t) {
  // Masks cut the same way from the same bitmap share a tile.
  using Key = std::tuple<const void*, int, int, int, int, int, int, int, int>;
  std::map<Key, std::vector<std::size_t>> groups;
  std::vector<Key> order;
  for (std::size_t i = 0; i < t.ma.size(); ++i) {
    const skin::TsMaskData& m = t.ma[i];
    const Key k{m.Bmp ? static_cast<const void*>(m.Bmp.get()) : &t.MasterBitmap, m.R.Left, m.R.Top, m.R.Right, m.R.Bottom,
                m.ImageCount, m.MaskType, m.DrawMode, static_cast<int>(m.ImgType)};
    if (groups[k].empty()) order.push_back(k);
    groups[k].push_back(i);
  }
  std::vector<SheetTile> tiles;
  for (const Key& k : order) {
    const std::vector<std::size_t>& members = groups[k];
    const skin::TsMaskData& m = t.ma[members.front()];
    const bool texture = m.ImgType == skin::TvxImgType::itisaTexture && m.MaskType == 0;
    SheetTile tile;
    tile.picture = texture ? Texture(m) : Frames(m);
    if (tile.picture.Empty()) continue;
    tile.scale = ScaleFor(tile.picture.Width());
    std::vector<std::string> keys;
    for (std::size_t i : members) keys.push_back(KeyOf(t.ma[i].SectionName, t.ma[i].PropertyName));
    AddKeys(tile, keys);
    if (texture)
      tile.lines.push_back("TEXTURE, DRAWMODE " + std::to_string(m.DrawMode) + (m.Bmp ? ", OWN BITMAP" : ""));
    else
      tile.lines.push_back(std::to_string(m.ImageCount) + (m.ImageCount == 1 ? " FRAME" : " FRAMES") +
                           (m.MaskType ? ", MASKED" : "") + (m.Bmp ? ", OWN BITMAP" : ""));
    tiles.push_back(std::move(tile));
  }
  return tiles;
}

std::vector<SheetTile> PatternTiles(const skin::TsSkinTables& t) {
  std::map<const tk::Bitmap*, std::vector<std::string>> keys;
  std::vector<const tk::Bitmap*> order;
  for (const skin::TsPatternData& p : t.pa) {
    if (!p.Img || p.Img->Empty()) continue;
    if (keys[p.Img.get()].empty()) order.push_back(p.Img.get());
    keys[p.Img.get()].push_back(KeyOf(p.SectionName, p.PropertyName));
  }
  std::vector<SheetTile> tiles;
  for (const tk::Bitmap* picture : order) {
    SheetTile tile;
    tile.picture = skin::NewBitmap24(picture->Width(), picture->Height());
    skin::FillRectByTexture(tile.picture, {0, 0, picture->Width(), picture->Height()}, picture, 0, nullptr);
    tile.scale = picture->Width() <= 250 ? 2 : 1;
    AddKeys(tile, keys[picture]);
    tile.lines.push_back("PICTURE " + std::to_string(picture->Width()) + " X " + std::to_string(picture->Height()));
    tiles.push_back(std::move(tile));
  }
  return tiles;
}

}  // namespace

tk::Bitmap RenderSkinContactSheet(const skin::TsSkinTables& skin, const std::string& title) {
  SheetLayout layout;
  layout.title = title;
  layout.subtitle = "THE CONVERTER'S WINDOW AS THE SKIN ENGINE PAINTS IT (X 2), THEN EVERY IMAGE (X 2 OR 3)";
  layout.banners.push_back({PaintMockWindow(skin), 2, {}});
  layout.tiles = MaskTiles(skin);
  for (SheetTile& p : PatternTiles(skin)) layout.tiles.push_back(std::move(p));
  if (!skin.MasterBitmap.Empty()) layout.footers.push_back({skin.MasterBitmap, 2, {"MASTER.BMP AS STORED, X 2"}});
  return RenderSheet(layout);
}

}  // namespace skinsheet
