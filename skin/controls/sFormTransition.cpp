#include "sFormTransition.h"

#include "sOutputWindow.h"
#include "sRenderControl.h"
#include "skin/data/sSkinCommand.h"
#include "skin/data/sSkinGlobals.h"
#include "toolkit/win/Form.h"
#include "skin/paint/sTransitionBlend.h"
#include "toolkit/win/Canvas.h"
#include "toolkit/win/GdiObjects.h"
#include "toolkit/win/WinControl.h"

namespace skin {

namespace {

// The overlay object behind TransitionOverlay.
TOutputWindow* overlayWindow = nullptr;

tk::Bitmap ScreenUnder(HWND window, int width, int height) {
  tk::Bitmap image(width, height);
  RECT r{};
  GetWindowRect(window, &r);
  const tk::TWindowDC screen(nullptr);
  tk::TBitmapCanvas canvas(image);
  BitBlt(canvas.Handle(), 0, 0, width, height, screen.Get(), r.left, r.top, SRCCOPY);
  GdiFlush();
  return image;
}

// Shown without activation just over the form in the window order, so that
// it covers the form and nothing else.
void ShowJustAbove(HWND overlay, HWND form) {
  const HWND above = GetWindow(form, GW_HWNDPREV);
  SetWindowPos(overlay, above ? above : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void CreateOverlay(tk::TWinControl& form) {
  const HWND h = form.Handle();
  auto* overlay = tk::Create<TOutputWindow>(&form);
  if (tk::TWinControl* parent = form.Parent()) {
    overlay->SetParent(parent);
    overlay->SetBoundsRect(form.BoundsRect());
  } else {
    RECT r{};
    GetWindowRect(h, &r);
    overlay->Topmost = (GetWindowLongPtrW(h, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    overlay->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
  }
  overlay->HandleNeeded();
  ShowJustAbove(overlay->Handle(), h);
  overlayWindow = overlay;
  TransitionOverlay = overlay->Handle();
}

void FreeOverlay() {
  TOutputWindow* overlay = overlayWindow;
  overlayWindow = nullptr;
  TransitionOverlay = nullptr;
  tk::TComponent::Free(overlay);
}

// The form's frame made current, and its shape given to the overlay.
void TakeFormShape(HWND form, HWND overlay) {
  const LRESULT provider = SendSkinCommand(form, SCMD_GET_PROVIDER, 0);
  if (!provider) return;
  if (auto* source = dynamic_cast<TsTransitionFrameSource*>(reinterpret_cast<tk::TObject*>(provider)))
    source->UpdateFrameForTransition();
  tk::TRegionHandle region(CreateRectRgn(0, 0, 0, 0));
  if (GetWindowRgn(form, region.Get()) != ERROR && SetWindowRgn(overlay, region.Get(), FALSE)) region.Release();
}

void Show(HDC dc, const tk::Bitmap& picture) {
  const tk::TBitmapSource from(picture);
  BitBlt(dc, 0, 0, picture.Width(), picture.Height(), from.Handle(), 0, 0, SRCCOPY);
}

// Whatever happens, the form redraws again and nothing of the transition stays.
class TTransitionScope {
public:
  explicit TTransitionScope(HWND form) : form_(form) {}
  ~TTransitionScope() {
    if (overlayWindow) FreeOverlay();
    SendMessageW(form_, WM_SETREDRAW, TRUE, 0);
    SavedScreenImage().reset();
  }
  TTransitionScope(const TTransitionScope&) = delete;
  TTransitionScope& operator=(const TTransitionScope&) = delete;

private:
  HWND form_;
};

}  // namespace

std::unique_ptr<tk::Bitmap>& SavedScreenImage() {
  static std::unique_ptr<tk::Bitmap> image;
  return image;
}

tk::TCallbackList<void(const TsTransitionFrame&)>& TransitionFrames() {
  static tk::TCallbackList<void(const TsTransitionFrame&)> listeners;
  return listeners;
}

void PlayFormTransition(tk::TWinControl& form, int time) {
  if (!form.HandleAllocated() || form.Width() <= 0 || form.Height() <= 0) return;
  const HWND h = form.Handle();
  const int width = form.Width(), height = form.Height();
  const TTransitionScope scope(h);
  if (!TransitionOverlay) {
    SendMessageW(h, WM_SETREDRAW, FALSE, 0);
    if (!SavedScreenImage()) SavedScreenImage() = std::make_unique<tk::Bitmap>(ScreenUnder(h, width, height));
    try {
      CreateOverlay(form);
    } catch (...) {
      // No overlay: the form simply shows its new look.
    }
  }
  if (!TransitionOverlay || !overlayWindow) return;

  tk::Bitmap fresh(width, height);
  RenderControlTo(fresh, form);
  tk::Bitmap frame(width, height, tk::PixelFormat::pf32bit);
  TakeFormShape(h, TransitionOverlay);
  {
    const tk::TWindowDC dc(TransitionOverlay);
    const tk::Bitmap* saved = SavedScreenImage().get();
    if (time > 7 && saved) {
      const int steps = time / 8, delta = 255 / steps;
      int weight = 255;
      for (int i = 0; i <= steps; ++i) {
        BlendTransitionFrame(frame, *saved, fresh, weight);
        TransitionFrames().Notify(TsTransitionFrame{i, weight, false, &frame});
        Show(dc.Get(), frame);
        SendSkinCommand(TransitionOverlay, SCMD_REFRESH, 0);
        weight -= delta;
        if (i < steps) Sleep(8);
      }
    }
    Show(dc.Get(), fresh);
    TransitionFrames().Notify(TsTransitionFrame{time > 7 && saved ? time / 8 + 1 : 0, 0, true, &fresh});
    if ((GetWindowLongPtrW(h, GWL_EXSTYLE) & WS_EX_LAYERED) == 0)
      SetWindowPos(TransitionOverlay, nullptr, 0, 0, 0, 0,
                   SWP_HIDEWINDOW | SWP_NOREDRAW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    SendSkinCommand(TransitionOverlay, SCMD_REFRESH, 0);
  }
  FreeOverlay();
}

void InstallFormTransition() {
  static const auto registration = SkinEngineHooks().PlaySkinChangingAnimation.Register(
      [](tk::TCustomForm* form, int time) {
        if (form) PlayFormTransition(*form, time);
      });
}

}  // namespace skin
