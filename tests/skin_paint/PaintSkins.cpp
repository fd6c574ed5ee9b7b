#include "PaintSkins.h"

#include <cctype>
#include <map>
#include <stdexcept>

namespace paintfix {

const char* SkinName(Skin skin) { return skin == Skin::EmberStyle ? "EmberStyle" : "Glacier"; }
const char* PackagePath(Skin skin) { return skin == Skin::EmberStyle ? GK_EMBER_VXZ : GK_GLACIER_VXZ; }

std::unique_ptr<skin::TsSkinManagerCore> LoadSkin(Skin which) {
  auto core = std::make_unique<skin::TsSkinManagerCore>();
  auto& item = core->InternalSkins.Add();
  const std::string name = std::string(SkinName(which)) + " (internal)";
  item.SetName(name);
  item.Data.LoadFromFile(PackagePath(which));
  core->SetSkinDirectory("c:\\Skins\\Nowhere\\For\\These\\Tests");
  core->SkinName = name;
  if (core->LoadSkin() != skin::TsSkinLoadResult::Loaded || core->SkinName != name)
    throw std::runtime_error(std::string("the internal skin did not load: ") + PackagePath(which));
  core->Tables.UpdateConstData();
  core->SkinData().Active = true;
  return core;
}

const skin::TsSkinTables& Tables(Skin skin) {
  static std::map<Skin, std::unique_ptr<skin::TsSkinManagerCore>> loaded;
  auto& slot = loaded[skin];
  if (!slot) slot = LoadSkin(skin);
  return slot->Tables;
}

int Section(const skin::TsSkinTables& t, const char* name) {
  const int i = t.IndexOfSection(name);
  if (i < 0) throw std::runtime_error(std::string("no section ") + name);
  return i;
}

int Mask(const skin::TsSkinTables& t, const char* section, const char* key) {
  return t.IndexOfMask(t.IndexOfSection(section), section, key);
}

const skin::TsMaskData& MaskData(const skin::TsSkinTables& t, const char* section, const char* key) {
  const int i = Mask(t, section, key);
  if (i < 0) throw std::runtime_error(std::string("no mask ") + section + "." + key);
  return t.ma[static_cast<std::size_t>(i)];
}

tk::Bitmap Filled(int width, int height, skin::TColor color) {
  tk::Bitmap b(width, height);
  b.Fill(static_cast<std::uint32_t>(color));
  return b;
}

tk::Bitmap Checkerboard(int width, int height, skin::TColor a, skin::TColor b, int cell) {
  tk::Bitmap out(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) SetPixelAt(out, x, y, ((x / cell) + (y / cell)) % 2 ? b : a);
  return out;
}

skin::TColor PixelAt(const tk::Bitmap& bitmap, int x, int y) {
  const std::uint8_t* p = bitmap.ScanLine(y) + x * bitmap.BytesPerPixel();
  return p[2] | (p[1] << 8) | (p[0] << 16);
}

void SetPixelAt(tk::Bitmap& bitmap, int x, int y, skin::TColor color) {
  std::uint8_t* p = bitmap.ScanLine(y) + x * bitmap.BytesPerPixel();
  p[0] = static_cast<std::uint8_t>(color >> 16);
  p[1] = static_cast<std::uint8_t>(color >> 8);
  p[2] = static_cast<std::uint8_t>(color);
}

int DifferingPixels(const tk::Bitmap& a, const tk::Bitmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return std::max(a.Width() * a.Height(), b.Width() * b.Height());
  int n = 0;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x) n += PixelAt(a, x, y) != PixelAt(b, x, y);
  return n;
}

std::string CaseName(const char* description) {
  std::string name;
  for (const char* c = description; *c; ++c)
    if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
  return name;
}

}  // namespace paintfix
