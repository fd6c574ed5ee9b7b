#pragma once
// The skinned message box as a person sees it, for its reviewed reference
// pictures (dialogs-golden/<skin>/): the gallery's message box in each
// internal skin, taken from the screen once the box is skinned and painted,
// the mouse away from it, the parts outside the window's region clear
// (clFuchsia). The window system draws the texts (the caption, the message
// and the button captions): their bands are where a picture may differ by
// a stated share of pixels.
#include <windows.h>

#include <string>
#include <vector>

#include "toolkit/core/Bitmap.h"

namespace gallery {
class TGalleryForm;
}

namespace dialogfix {

struct DialogGoldenSkin {
  const char* skin;    // the gallery's name of the skin
  const char* folder;  // its folder of references
};
const std::vector<DialogGoldenSkin>& DialogGoldenSkins();

struct DialogPicture {
  bool taken = false;
  tk::Bitmap picture;
  std::vector<RECT> textBands;  // in the picture's coordinates
};
// Opens the gallery's message box in the skin and takes its picture.
DialogPicture MessageBoxPicture(gallery::TGalleryForm& form, const DialogGoldenSkin& skin);

std::string DialogGoldenPath(const DialogGoldenSkin& skin, const std::string& name);
std::string DialogActualPath(const DialogGoldenSkin& skin, const std::string& name);

}  // namespace dialogfix
