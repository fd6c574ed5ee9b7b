#pragma once
// A font description (face, height, colour, style, character set) and the GDI
// font that draws it. Handles are shared process-wide per description and
// live until the process ends, so a font can change while a device context
// still has its old handle selected. The face is resolved through
// ResolveFontFace, which gives CJK character sets a face that has the glyphs.

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "toolkit/win/Colors.h"
#include "toolkit/win/Persistent.h"

namespace tk {

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = unsigned;

class TFont : public TPersistent {
  TK_CLASS(TFont)
public:
  TFont() = default;

  const std::string& Name() const { return name_; }
  void SetName(std::string_view name);
  // As LOGFONT's lfHeight: negative values are the character height in
  // pixels ("height 15" is -15), positive ones the cell height.
  int Height() const { return height_; }
  void SetHeight(int height);
  // Points at the screen's resolution; setting it sets Height.
  int Size() const;
  void SetSize(int points);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles style);
  BYTE Charset() const { return charset_; }
  void SetCharset(BYTE charset);

  LOGFONTW LogFont() const;
  HFONT Handle() const;

  void Assign(const TPersistent& source) override;
  bool SameAs(const TFont& other) const;

  // Called after every change of a property.
  std::function<void(TFont&)> OnChange;

private:
  void Changed();

  std::string name_ = "MS Sans Serif";
  int height_ = -11;
  TColor color_ = clWindowText;
  TFontStyles style_ = 0;
  BYTE charset_ = DEFAULT_CHARSET;
};

// "GB2312_CHARSET" <-> 134, for stored layouts.
std::optional<BYTE> IdentToCharset(std::string_view name);

// Pixels per logical inch of the screen (96 unless the user changed it).
int ScreenPixelsPerInch();

}  // namespace tk
