#include <windows.h>

#include "sSkinWarning.h"
#include "sWideText.h"

namespace skin {

void ShowPlatformSkinWarning(const std::string& text) {
  MessageBoxW(GetActiveWindow(), Utf8ToWide(text).c_str(), L"Warning", MB_OK | MB_ICONWARNING | MB_TASKMODAL);
}

}  // namespace skin
