#include "toolkit/win/Font.h"

#include <array>
#include <cmath>
#include <map>
#include <tuple>
#include <utility>

#include "toolkit/core/TextCase.h"
#include "toolkit/win/FontMapper.h"
#include "toolkit/win/Unicode.h"

namespace tk {

int ScreenPixelsPerInch() {
  static const int ppi = [] {
    HDC dc = GetDC(nullptr);
    int value = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(nullptr, dc);
    return value > 0 ? value : 96;
  }();
  return ppi;
}

void TFont::SetName(std::string_view name) {
  if (name_ == name) return;
  name_ = name;
  Changed();
}

void TFont::SetHeight(int height) {
  if (height_ == height) return;
  height_ = height;
  Changed();
}

int TFont::Size() const {
  return -static_cast<int>(std::lround(height_ * 72.0 / ScreenPixelsPerInch()));
}

void TFont::SetSize(int points) { SetHeight(-static_cast<int>(std::lround(points * ScreenPixelsPerInch() / 72.0))); }

void TFont::SetColor(TColor color) {
  if (color_ == color) return;
  color_ = color;
  Changed();
}

void TFont::SetStyle(TFontStyles style) {
  if (style_ == style) return;
  style_ = style;
  Changed();
}

void TFont::SetCharset(BYTE charset) {
  if (charset_ == charset) return;
  charset_ = charset;
  Changed();
}

void TFont::Changed() {
  if (OnChange) OnChange(*this);
}

LOGFONTW TFont::LogFont() const {
  LOGFONTW lf{};
  lf.lfHeight = height_;
  lf.lfWeight = (style_ & fsBold) ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = (style_ & fsItalic) ? TRUE : FALSE;
  lf.lfUnderline = (style_ & fsUnderline) ? TRUE : FALSE;
  lf.lfStrikeOut = (style_ & fsStrikeOut) ? TRUE : FALSE;
  lf.lfCharSet = charset_;
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  const std::wstring face = ResolveFontFace(Utf8ToWide(name_), charset_);
  lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
  return lf;
}

HFONT TFont::Handle() const {
  using Key = std::tuple<std::string, int, TFontStyles, BYTE>;
  static std::map<Key, HFONT> cache;
  Key key{name_, height_, style_, charset_};
  auto it = cache.find(key);
  if (it != cache.end()) return it->second;
  LOGFONTW lf = LogFont();
  HFONT font = CreateFontIndirectW(&lf);
  if (!font) font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  cache.emplace(std::move(key), font);
  return font;
}

void TFont::Assign(const TPersistent& source) {
  auto* other = dynamic_cast<const TFont*>(&source);
  if (!other) {
    TPersistent::Assign(source);
    return;
  }
  if (SameAs(*other)) return;
  name_ = other->name_;
  height_ = other->height_;
  color_ = other->color_;
  style_ = other->style_;
  charset_ = other->charset_;
  Changed();
}

bool TFont::SameAs(const TFont& other) const {
  return name_ == other.name_ && height_ == other.height_ && color_ == other.color_ && style_ == other.style_ &&
         charset_ == other.charset_;
}

std::optional<BYTE> IdentToCharset(std::string_view name) {
  static const std::array<std::pair<const char*, BYTE>, 19> names{{
      {"ANSI_CHARSET", ANSI_CHARSET},
      {"DEFAULT_CHARSET", DEFAULT_CHARSET},
      {"SYMBOL_CHARSET", SYMBOL_CHARSET},
      {"MAC_CHARSET", MAC_CHARSET},
      {"SHIFTJIS_CHARSET", SHIFTJIS_CHARSET},
      {"HANGEUL_CHARSET", HANGEUL_CHARSET},
      {"JOHAB_CHARSET", JOHAB_CHARSET},
      {"GB2312_CHARSET", GB2312_CHARSET},
      {"CHINESEBIG5_CHARSET", CHINESEBIG5_CHARSET},
      {"GREEK_CHARSET", GREEK_CHARSET},
      {"TURKISH_CHARSET", TURKISH_CHARSET},
      {"VIETNAMESE_CHARSET", VIETNAMESE_CHARSET},
      {"HEBREW_CHARSET", HEBREW_CHARSET},
      {"ARABIC_CHARSET", ARABIC_CHARSET},
      {"BALTIC_CHARSET", BALTIC_CHARSET},
      {"RUSSIAN_CHARSET", RUSSIAN_CHARSET},
      {"THAI_CHARSET", THAI_CHARSET},
      {"EASTEUROPE_CHARSET", EASTEUROPE_CHARSET},
      {"OEM_CHARSET", OEM_CHARSET},
  }};
  for (const auto& [ident, value] : names)
    if (SameText(ident, name)) return value;
  return std::nullopt;
}

}  // namespace tk
