#include "toolkit/win/ProgramIcons.h"

namespace tk {

namespace {

HICON LoadProgramIcon(int width, int height) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  // Shared images: the system keeps them for the life of the module, as it
  // keeps what LoadIcon returns.
  if (auto icon = static_cast<HICON>(LoadImageW(instance, L"MAINICON", IMAGE_ICON, width, height, LR_SHARED)))
    return icon;
  return static_cast<HICON>(
      LoadImageW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION), IMAGE_ICON, width, height, LR_SHARED));
}

}  // namespace

const TProgramIcons& ProgramIcons() {
  static const TProgramIcons icons{
      LoadProgramIcon(GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)),
      LoadProgramIcon(GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON))};
  return icons;
}

HCURSOR ArrowCursor() {
  static const HCURSOR arrow = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  return arrow;
}

}  // namespace tk
