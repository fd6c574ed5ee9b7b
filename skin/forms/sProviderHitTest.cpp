// What lies under a point of the skinned frame: the title icon (the system
// menu), a caption button, the size grip - everything else is the window
// system's answer. A button under the mouse becomes hot.
#include "sOutlineDrag.h"
#include "sSkinProvider.h"
#include "skin/data/sMaskData.h"

namespace skin {

POINT TsSkinProvider::WindowPointOf(LPARAM screenPoint) const {
  RECT window{};
  GetWindowRect(FormHandle(), &window);
  return POINT{static_cast<short>(LOWORD(screenPoint)) - window.left,
               static_cast<short>(HIWORD(screenPoint)) - window.top};
}

int TsSkinProvider::HitButton(const TsFrameMetrics& fm, POINT p) {
  auto inside = [&](const TRect& r) {
    return r.Width() > 0 && p.x >= r.Left && p.x < r.Right && p.y >= r.Top && p.y < r.Bottom;
  };
  const TsFormRules rules = Rules();
  for (int id : PresentSystemButtons(rules)) {
    if (!inside(Button(id)->Rect)) continue;
    switch (id) {
      case kButtonMaximize:
        return rules.maximizeEnabled || (fm.maximized && rules.restoreEnabled && !fm.minimized) ? HTMAXBUTTON
                                                                                                : HTCAPTION;
      case kButtonMinimize: return rules.minimizeEnabled || fm.minimized ? HTMINBUTTON : HTCAPTION;
      default: return id;
    }
  }
  for (int i = 0; i < titleButtons_.Count(); ++i) {
    const TsTitleButton& b = *titleButtons_.Button(i);
    if (inside(b.BtnData.Rect)) return b.Enabled() ? HTUDBTN + i : HTCAPTION;
  }
  return HTNOWHERE;
}

bool TsSkinProvider::InGrip(const TsFrameMetrics& fm, POINT p) const {
  if (gripMode_ != gmRightBottom) return false;
  const int grip = GlobalMask("GRIPIMAGE");
  const TsMaskData* m = Mask(grip);
  if (!m) return false;
  const auto [w, h] = m->Bmp ? std::pair{m->Bmp->Width() / 3, m->Bmp->Height() / 2} : MaskFrame(grip);
  return p.x >= fm.width - w - fm.frameWidth && p.y >= fm.height - h - fm.frameHeight;
}

void TsSkinProvider::HandleHitTest(tk::TMessage& m) {
  const TsFrameMetrics fm = Metrics();
  if (fm.captionHeight == 0) return OldWndProc(m);
  const POINT p = WindowPointOf(m.LParam);
  int answer = HTNOWHERE;
  if (fm.maximized && !(p.x >= 2 && p.y >= 2 && p.x < fm.width - 4 && p.y < fm.height - 4)) {
    // A maximized window does not react near its outer edge.
    SetHotButton(0);
    m.Result = HTTRANSPARENT;
    return;
  }
  if (const int child = HitChildButton(p); child != HTNOWHERE) {
    SetHotButton(child);
    m.Result = child;
    return;
  }
  const int buttonHeight = CaptionButtonHeight();
  const int bandTop = (fm.captionHeight + fm.frameHeight - buttonHeight) / 2;
  if (p.y >= bandTop && p.y <= bandTop + buttonHeight) {
    if (fm.iconWidth > 0 && p.x >= fm.frameWidth && p.x <= fm.frameWidth + fm.iconWidth) {
      answer = HTSYSMENU;
    } else {
      answer = HitButton(fm, p);
      if (answer != HTNOWHERE && answer != HTCAPTION) SetHotButton(answer);
    }
  } else if (InGrip(fm, p)) {
    answer = HTBOTTOMRIGHT;
  }
  if (answer == HTNOWHERE || answer == HTCAPTION) {
    SetHotButton(0);
    OldWndProc(m);
    answer = static_cast<int>(m.Result);
  } else if (answer == HTSYSMENU) {
    SetHotButton(0);
  }
  m.Result = answer;
  if (resizeMode_ == rmBorder && drag_ && !drag_->Active() &&
      (answer == HTCAPTION || (answer >= HTLEFT && answer <= HTBOTTOMRIGHT)))
    drag_->SetEdgeKind(answer);
}

}  // namespace skin
