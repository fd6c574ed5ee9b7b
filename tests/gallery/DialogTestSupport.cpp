#include "DialogTestSupport.h"

#include <cstdint>

#include "WindowTestSupport.h"
#include "skin/dialogs/vxDialogHook.h"
#include "skin/dialogs/vxDialogWnd.h"
#include "skin/dialogs/vxProvider.h"
#include "toolkit/win/GdiObjects.h"

namespace dialogfix {

void ModalSteps::Run() {
  if (next_ < steps_.size() && steps_[next_]()) ++next_;
  // Steps that take too long, or a dialog still up long after them.
  if (timedOut_ || std::chrono::steady_clock::now() - started_ < 20s) return;
  bool open = false;
  for (HWND w : testing_support::ThreadWindows())
    if (skin::WindowClassName(w) == L"#32770" && IsWindowVisible(w)) {
      open = true;
      PostMessageW(w, WM_CLOSE, 0, 0);
    }
  if (open || next_ < steps_.size()) timedOut_ = true;
  next_ = steps_.size();
}

HWND VisibleDialog() {
  for (HWND w : testing_support::ThreadWindows())
    if (IsWindowVisible(w) && skin::WindowClassName(w) == L"#32770" && !(GetWindowLongW(w, GWL_STYLE) & WS_CHILD))
      return w;
  return nullptr;
}

skin::TvxDialogWnd* SkinnedDialog(HWND dialog) {
  skin::TvxProvider* provider = dialog ? skin::DialogProviderOf(dialog) : nullptr;
  return provider ? provider->DialogWnd() : nullptr;
}

bool DialogShownSkinned(HWND& dialog) {
  dialog = VisibleDialog();
  skin::TvxDialogWnd* wrapper = SkinnedDialog(dialog);
  const tk::Bitmap* cache = wrapper ? wrapper->SkinData()->Cache() : nullptr;
  return cache && !cache->Empty() && !wrapper->SkinData()->cacheStale && GetActiveWindow() == dialog;
}

HWND DescendantOfClass(HWND parent, const wchar_t* cls) {
  struct Search {
    const wchar_t* cls;
    HWND found = nullptr;
  } search{cls};
  EnumChildWindows(
      parent,
      [](HWND w, LPARAM p) -> BOOL {
        auto* s = reinterpret_cast<Search*>(p);
        if (skin::WindowClassName(w) == s->cls && IsWindowVisible(w)) {
          s->found = w;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

POINT CentreOnScreen(HWND w) {
  RECT r{};
  GetWindowRect(w, &r);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

tk::Bitmap CaptureWindow(HWND w) {
  RECT r{};
  GetWindowRect(w, &r);
  tk::Bitmap shot(r.right - r.left, r.bottom - r.top, tk::PixelFormat::pf24bit);
  HDC screen = GetDC(nullptr);
  {
    tk::TMemoryDC dc;
    tk::TSelection selected(dc.Get(), static_cast<HBITMAP>(shot.NativeHandle()));
    BitBlt(dc.Get(), 0, 0, shot.Width(), shot.Height(), screen, r.left, r.top, SRCCOPY);
  }
  ReleaseDC(nullptr, screen);
  shot.Sync();
  return shot;
}

COLORREF Pixel(const tk::Bitmap& b, int x, int y) {
  const auto* row = static_cast<const std::uint8_t*>(b.ScanLine(y)) + 3 * x;
  return RGB(row[2], row[1], row[0]);
}

int Differing(const tk::Bitmap& a, const tk::Bitmap& b, const RECT& r, HWND shaped) {
  tk::TGdiObject<HRGN> region(CreateRectRgn(0, 0, 0, 0));
  const bool hasRegion = shaped && GetWindowRgn(shaped, region.Get()) != ERROR;
  int n = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x)
      if (!hasRegion || PtInRegion(region.Get(), x, y)) n += Pixel(a, x, y) != Pixel(b, x, y);
  return n;
}

}  // namespace dialogfix
