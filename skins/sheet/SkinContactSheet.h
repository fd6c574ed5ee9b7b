#pragma once
// The contact sheet of a skin: a mock-up of the converter's window with the
// skin applied, then every image of the master bitmap (scaled up, over a
// checkerboard that shows its transparency, labelled with its name and the
// keys that use it), the own-file images, the large pictures and the raw
// master bitmap.

#include <map>
#include <string>

#include "toolkit/core/Bitmap.h"

namespace skingen {

struct SheetInput {
  std::string title;
  std::string options;                          // the generated Options.dat
  const tk::Bitmap* master = nullptr;
  std::map<std::string, std::string> values;    // image name -> key value
  std::map<std::string, tk::Bitmap> files;      // other members, upper-cased name
};

tk::Bitmap RenderContactSheet(const SheetInput& input);

}  // namespace skingen
