#include "MainWindowPicture.h"

#include <algorithm>

#include "WindowTestSupport.h"
#include "app/Unit1.h"
#include "toolkit/win/Application.h"
#include "toolkit/win/GdiObjects.h"

namespace windowfix {

namespace {

bool SamePixels(const tk::Bitmap& a, const tk::Bitmap& b) {
  if (a.Empty() || a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (int y = 0; y < a.Height(); ++y)
    if (!std::equal(a.ScanLine(y), a.ScanLine(y) + 3 * a.Width(), b.ScanLine(y))) return false;
  return true;
}

}  // namespace

// The fade of a hot button has run its steps once the picture holds still.
bool PumpUntilStill(TForm1& form) {
  tk::Bitmap before;
  return testing_support::PumpUntil([&] {
    // Two equal pictures can fall between two steps of a fade: a picture
    // counts as still only once no button is fading.
    if (form.sButton1->FadeRunning() || form.sButton2->FadeRunning()) return false;
    WindowPicture now = CaptureMainWindow(form);
    const bool still = SamePixels(now.picture, before);
    before = std::move(now.picture);
    return still;
  });
}

const std::vector<WindowPictureCase>& WindowPictureCases() {
  static const std::vector<WindowPictureCase> cases = {
      {"ember", nullptr},
      {"glacier", [](TForm1& form) { form.sSkinManager1->SetSkinName("Glacier (internal)"); }},
      {"ember-hover-conversion-button",
       [](TForm1& form) {
         testing_support::MoveMouseTo(testing_support::CentreOf(*form.sButton2));
         testing_support::PumpUntil([&] { return form.sButton2->MouseInControl(); });
       }},
  };
  return cases;
}

WindowPicture CaptureMainWindow(TForm1& form) {
  const HWND h = form.Handle();
  RECT window;
  GetWindowRect(h, &window);
  WindowPicture result{tk::Bitmap(window.right - window.left, window.bottom - window.top), {}};
  GdiFlush();
  {
    tk::TWindowDC screen(nullptr);
    tk::TMemoryDC memory(screen.Get());
    tk::TSelection selected(memory.Get(), static_cast<HBITMAP>(result.picture.NativeHandle()));
    BitBlt(memory.Get(), 0, 0, result.picture.Width(), result.picture.Height(), screen.Get(), window.left, window.top,
           SRCCOPY);
  }
  result.picture.Sync();
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  if (GetWindowRgn(h, region) != ERROR)
    for (int y = 0; y < result.picture.Height(); ++y)
      for (int x = 0; x < result.picture.Width(); ++x)
        if (!PtInRegion(region, x, y)) std::fill_n(result.picture.ScanLine(y) + 3 * x, 3, 0xFF);
  DeleteObject(region);
  result.textAreas.push_back(form.sSkinProvider1->CaptionTextRect());
  for (int i = 0; i < form.ComponentCount(); ++i) {
    auto* control = dynamic_cast<tk::TControl*>(form.Components(i));
    if (!control || !control->Visible()) continue;
    if (!control->Parent()) continue;
    const POINT at = control->Parent()->ClientToScreen(POINT{control->Left(), control->Top()});
    const int x = at.x - window.left, y = at.y - window.top;
    result.textAreas.push_back({x, y, x + control->Width(), y + control->Height()});
  }
  return result;
}

WindowPicture PictureOfCase(const WindowPictureCase& c) {
  // Freeing the previous case's window, the main form, ended the program's
  // run: without this the hover of the next window is never tracked.
  tk::Application().ResumeAfterTerminate();
  TForm1* form = tk::Application().CreateForm<TForm1>();
  form->Show();
  testing_support::BringToFront(form->Handle());
  testing_support::MoveMouseTo({0, 0});
  testing_support::PumpUntil([&] { return form->sButton1->Focused(); });
  if (c.prepare) c.prepare(*form);
  PumpUntilStill(*form);
  WindowPicture picture = CaptureMainWindow(*form);
  tk::TComponent::Free(form);
  testing_support::PumpPending();
  return picture;
}

std::string WindowGoldenPath(const std::string& name) { return std::string(GK_WINDOW_GOLDEN_DIR) + "/" + name + ".png"; }
std::string WindowActualPath(const std::string& name) { return std::string(GK_WINDOW_ACTUAL_DIR) + "/" + name + ".png"; }

}  // namespace windowfix
