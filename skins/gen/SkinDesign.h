#pragma once
// Everything the generator needs to know about one internal skin: the
// images of its master bitmap (the layout table), its own-file images and
// its large pictures. The options text comes from the hand-written template
// skins/<folder>/Options.dat.

#include <functional>
#include <string>
#include <vector>

#include "MasterImage.h"
#include "toolkit/core/Bitmap.h"

namespace skingen {

struct Picture {
  std::string fileName;  // member name, e.g. "fBG.jpg"
  int quality = 90;
  std::function<tk::Bitmap()> paint;
};

struct SkinDesign {
  std::string folder;       // source folder under skins/ and name of the packed file
  std::string displayName;  // the skin's name in the manager
  int masterWidth = 0;
  std::vector<MasterImage> masks;
  std::vector<OwnFileImage> ownImages;
  std::vector<Picture> pictures;
};

SkinDesign EmberDesign();
SkinDesign GlacierDesign();

// The design of the given folder name ("EmberStyle", "Glacier"); throws
// std::invalid_argument for another name.
SkinDesign DesignByFolder(const std::string& folder);

// Converts an RGBA raster into a 24-bit bitmap over an opaque background.
tk::Bitmap Flatten(const Raster& r, const Rgba& background);

}  // namespace skingen
