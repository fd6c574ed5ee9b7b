#pragma once
// The converter's whole window as the screen shows it (frame and client, the
// mouse not drawn), in the states its reference pictures and the README's
// screenshots show: each internal skin, and the mouse over a conversion
// button. The pixels the window's region cuts away are white.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "skin/data/sSkinTypes.h"
#include "toolkit/core/Bitmap.h"

class TForm1;

namespace windowfix {

struct WindowPictureCase {
  std::string name;
  // Puts the shown window into the state to be pictured.
  std::function<void(TForm1&)> prepare;
};
const std::vector<WindowPictureCase>& WindowPictureCases();

struct WindowPicture {
  tk::Bitmap picture;
  // Where the window system draws text: the caption and every control.
  std::vector<skin::TRect> textAreas;
};
// The window as the screen shows it now.
WindowPicture CaptureMainWindow(TForm1& form);
// Handles messages until two pictures in a row are the same (a fade has
// run its steps); false when that did not happen in time.
bool PumpUntilStill(TForm1& form);

// A new window, shown in front with the mouse away from it, put into the
// case's state, pictured once it holds still, and freed again.
WindowPicture PictureOfCase(const WindowPictureCase& c);

std::string WindowGoldenPath(const std::string& name);
std::string WindowActualPath(const std::string& name);

}  // namespace windowfix
