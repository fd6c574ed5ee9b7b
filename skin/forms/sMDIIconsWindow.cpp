#include "sMDIIconsWindow.h"

#include "toolkit/win/Canvas.h"

namespace skin {

namespace {
constexpr const wchar_t* kClassName = L"TvxMDIIcons";

void RegisterOnce(WNDPROC proc) {
  static const bool registered = [proc] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = kClassName;
    return RegisterClassW(&wc) != 0;
  }();
  (void)registered;
}
}  // namespace

TsMDIIconsWindow::TsMDIIconsWindow(TSource source, POINT sourceOrigin)
    : source_(std::move(source)), sourceOrigin_(sourceOrigin) {
  RegisterOnce(&TsMDIIconsWindow::WindowProc);
  // Owned by no form: it belongs to the program, as its hidden windows do.
  window_ = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TOPMOST, kClassName, kName, WS_POPUP, 0, 0, 0,
                            0, nullptr, nullptr, GetModuleHandleW(nullptr), this);
}

TsMDIIconsWindow::~TsMDIIconsWindow() {
  if (window_ && IsWindow(window_)) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

void TsMDIIconsWindow::ShowAt(const RECT& screen) {
  if (!window_) return;
  SetWindowPos(window_, HWND_TOPMOST, screen.left, screen.top, screen.right - screen.left, screen.bottom - screen.top,
               SWP_NOACTIVATE | SWP_SHOWWINDOW);
  UpdateWindow(window_);
}

void TsMDIIconsWindow::Paint(HDC dc) {
  const tk::Bitmap* picture = source_ ? source_() : nullptr;
  if (!picture || picture->Empty()) return;
  RECT client;
  GetClientRect(window_, &client);
  const tk::TBitmapSource source(*picture);
  BitBlt(dc, 0, 0, client.right, client.bottom, source.Handle(), sourceOrigin_.x, sourceOrigin_.y, SRCCOPY);
}

LRESULT CALLBACK TsMDIIconsWindow::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<TsMDIIconsWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  switch (msg) {
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(window, &ps);
      if (self) self->Paint(dc);
      EndPaint(window, &ps);
      return 0;
    }
    default: return DefWindowProcW(window, msg, wParam, lParam);
  }
}

}  // namespace skin
