#include "SkinDesign.h"

#include <stdexcept>

#include "DetMath.h"

namespace skingen {

SkinDesign DesignByFolder(const std::string& folder) {
  if (folder == "EmberStyle") return EmberDesign();
  if (folder == "Glacier") return GlacierDesign();
  throw std::invalid_argument("no internal skin in the folder " + folder);
}

tk::Bitmap Flatten(const Raster& r, const Rgba& background) {
  tk::Bitmap out(r.Width(), r.Height());
  for (int y = 0; y < r.Height(); ++y) {
    std::uint8_t* row = out.ScanLine(y);
    for (int x = 0; x < r.Width(); ++x) {
      const Rgba& p = r.At(x, y);
      row[x * 3 + 0] = ToByte(Lerp(background.b, p.b, p.a));
      row[x * 3 + 1] = ToByte(Lerp(background.g, p.g, p.a));
      row[x * 3 + 2] = ToByte(Lerp(background.r, p.r, p.a));
    }
  }
  return out;
}

}  // namespace skingen
