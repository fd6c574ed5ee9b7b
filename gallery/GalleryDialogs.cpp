#include "GalleryDialogs.h"

#include <commdlg.h>

namespace gallery {

int ShowMessageBox(HWND owner) {
  return MessageBoxW(owner, L"这是一个消息框。\nThis is a message box.", L"皮肤样例", MB_OKCANCEL | MB_ICONINFORMATION);
}

std::wstring ChooseFileToOpen(HWND owner) {
  wchar_t path[MAX_PATH] = L"";
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof(ofn);
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = L"All files (*.*)\0*.*\0Skins (*.vxz)\0*.vxz\0";
  ofn.lpstrFile = path;
  ofn.nMaxFile = MAX_PATH;
  ofn.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_EXPLORER;
  return GetOpenFileNameW(&ofn) ? std::wstring(path) : std::wstring();
}

long ChooseColour(HWND owner, COLORREF initial) {
  static COLORREF custom[16] = {};
  CHOOSECOLORW cc{};
  cc.lStructSize = sizeof(cc);
  cc.hwndOwner = owner;
  cc.rgbResult = initial;
  cc.lpCustColors = custom;
  cc.Flags = CC_RGBINIT | CC_FULLOPEN;
  return ChooseColorW(&cc) ? static_cast<long>(cc.rgbResult) : -1;
}

}  // namespace gallery
