#pragma once
// While the menu loop of an MDI parent runs, the window system draws the
// menu bar items it tracks itself and the skinned frame is not painted: the
// maximized child's buttons at the right end of the menu line would be
// lost. A small borderless window without activation ("vxMDIIcons") lies
// over them for the loop and shows them from the parent's cache.

#include <windows.h>

#include <functional>

#include "toolkit/core/Bitmap.h"

namespace skin {

class TsMDIIconsWindow {
public:
  // The picture to show and where it lies in it.
  using TSource = std::function<const tk::Bitmap*()>;
  TsMDIIconsWindow(TSource source, POINT sourceOrigin);
  ~TsMDIIconsWindow();
  TsMDIIconsWindow(const TsMDIIconsWindow&) = delete;
  TsMDIIconsWindow& operator=(const TsMDIIconsWindow&) = delete;

  // Shows the window at a screen rectangle without activating it.
  void ShowAt(const RECT& screen);
  HWND Handle() const { return window_; }

  static constexpr const wchar_t* kName = L"vxMDIIcons";

private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  void Paint(HDC dc);

  TSource source_;
  POINT sourceOrigin_;
  HWND window_ = nullptr;
};

}  // namespace skin
