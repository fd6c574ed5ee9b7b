// The skin gallery's entry point.
#include <windows.h>

#include "gallery/GalleryForm.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return gallery::RunGallery(); }
