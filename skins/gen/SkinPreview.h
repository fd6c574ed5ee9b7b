#pragma once
// A designer's preview of a finished skin: decodes the generated options and
// bitmaps the way the skin engine reads them (image values, nine-part
// borders through their masks, glyph frames, textures, transparency) and
// paints a mock-up of the converter's window and swatches of every image.
// It serves the contact sheet only; the product paints with the skin engine.

#include <map>
#include <optional>
#include <string>

#include "OptionsLookup.h"
#include "toolkit/core/Bitmap.h"

namespace skingen {

// One image value decoded: where its pixels are and how they are cut.
struct DecodedImage {
  const tk::Bitmap* source = nullptr;
  int left = 0, top = 0, right = 0, bottom = 0;
  int frames = 1, maskType = 0, drawMode = 0;
  int wl = 0, wt = 0, wr = 0, wb = 0;
  bool texture = false;  // "~" or a JPEG picture
  bool picture = false;  // a picture tiled whatever its draw mode
  int FrameWidth() const { return (right - left) / frames; }
  int FrameHeight() const { return (bottom - top) / (maskType + 1); }
};

class SkinPreview {
public:
  // files: the skin's other members by upper-cased name (own bitmaps and
  // decoded pictures).
  SkinPreview(const std::string& optionsText, const tk::Bitmap& master, std::map<std::string, tk::Bitmap> files);

  const OptionsLookup& Options() const { return options_; }
  std::optional<DecodedImage> Decode(const std::string& value) const;
  std::optional<DecodedImage> Image(const std::string& section, const std::string& key) const;

  // The converter's window, 512 × 319, with the skin applied.
  tk::Bitmap MockWindow() const;
  // One image's frames side by side over a checkerboard, each pixel drawn
  // as scale × scale.
  tk::Bitmap Swatch(const DecodedImage& image, int scale) const;

private:
  void Background(tk::Bitmap& t, int x0, int y0, int x1, int y1, const std::string& section, int state) const;
  void Border(tk::Bitmap& t, int x0, int y0, int x1, int y1, const DecodedImage& m, int state, bool centre) const;
  void Glyph(tk::Bitmap& t, int x, int y, const DecodedImage& m, int state) const;
  void Section(tk::Bitmap& t, int x0, int y0, int x1, int y1, const std::string& section, int state, bool centre) const;
  // Text in the section's font colour, with its contour colours unless
  // `plain` (labels take the global font colour alone).
  void Text(tk::Bitmap& t, int x, int y, const std::string& text, const std::string& section, bool hot,
            bool plain = false) const;

  OptionsLookup options_;
  const tk::Bitmap& master_;
  std::map<std::string, tk::Bitmap> files_;
};

}  // namespace skingen
