// window_golden: shows the converter's window the way its tests do and
// writes its reference pictures (golden/<case>.png); with a second folder,
// the same pictures as the README's screenshots (main-window-<case>.png).
// scripts/golden.sh runs it under Wine.
#include <cstdio>
#include <exception>

#include "GoldenFiles.h"
#include "MainWindowPicture.h"
#include "gis/GisEngine.h"
#include "toolkit/win/Application.h"

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: window_golden <golden folder> [screenshot folder]\n");
    return 2;
  }
  using namespace windowfix;
  try {
    GisEngineScope engine;
    tk::Application().Initialize();
    tk::Application().SetTitle("坐标转换");
    int written = 0;
    for (const WindowPictureCase& c : WindowPictureCases()) {
      const tk::Bitmap picture = PictureOfCase(c).picture;
      paintfix::WritePng(std::string(argv[1]) + "/" + c.name + ".png", picture);
      if (argc == 3) paintfix::WritePng(std::string(argv[2]) + "/main-window-" + c.name + ".png", picture);
      ++written;
    }
    std::printf("%d pictures of the window written to %s\n", written, argv[1]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "window_golden: %s\n", e.what());
    return 1;
  }
  return 0;
}
