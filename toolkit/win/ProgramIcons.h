#pragma once
// The program's icon ("MAINICON", else the system's application icon) at the
// two sizes the window system shows, loaded once for every window class of
// the program. Each load costs a round trip to the window system per image,
// and a class registered with only the large icon has the small one copied
// from the resource again; a class given both takes them as they are.

#include <windows.h>

namespace tk {

struct TProgramIcons {
  HICON large = nullptr;
  HICON small = nullptr;
};

const TProgramIcons& ProgramIcons();

// The arrow cursor of the classes that draw their own content.
HCURSOR ArrowCursor();

}  // namespace tk
