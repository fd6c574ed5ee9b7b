#include "AdapterGolden.h"

#include <memory>

#include "AdapterFixture.h"
#include "skin/controls/adapters/vxEditWnd.h"
#include "skin/controls/adapters/vxScrollInteraction.h"
#include "skin/paint/sBitmapOps.h"
#include "toolkit/win/Application.h"
#include "toolkit/win/Canvas.h"
#include "toolkit/win/Form.h"

namespace adaptfix {

namespace {

void PumpPending() { tk::Application().ProcessMessages(); }

// A list box of 100 rows (and a line wider than itself) on the backdrop,
// wrapped by an adapter that lives as long as the case.
struct WrappedList {
  std::unique_ptr<TestAdapterOwner> owner;
  std::unique_ptr<skin::TvxCtrlAdapter> adapter;
  tk::TListBox* list = nullptr;
  skin::TvxScrollWnd* wnd = nullptr;

  explicit WrappedList(ctlfix::GoldenHost& host) {
    list = tk::Create<tk::TListBox>(host.form);
    list->SetParent(host.backdrop);
    list->SetBounds(10, 8, 150, 100);
    list->Font().SetName("MS Sans Serif");
    list->Font().SetHeight(-13);
    for (int i = 0; i < 100; ++i) list->AddItem("row " + std::to_string(i));
    SendMessageW(list->Handle(), LB_SETHORIZONTALEXTENT, 400, 0);
    owner = std::make_unique<TestAdapterOwner>(host.form);
    adapter = std::make_unique<skin::TvxCtrlAdapter>(*owner);
    adapter->AddAllItems();
    wnd = dynamic_cast<skin::TvxScrollWnd*>(adapter->ItemOf(list)->Wrapper());
    RedrawWindow(host.form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpPending();
  }
};

tk::Bitmap Printed(WrappedList& w) {
  tk::Bitmap picture = skin::NewBitmap24(w.list->Width(), w.list->Height());
  {
    tk::TBitmapCanvas canvas(picture);
    SendMessageW(w.list->Handle(), WM_PRINT, reinterpret_cast<WPARAM>(canvas.Handle()),
                 PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
    GdiFlush();
  }
  picture.Sync();
  return picture;
}

tk::Bitmap Bar(WrappedList& w, bool vertical, skin::TvxScrollPart hot, skin::TvxScrollPart pressed, int drag = -1) {
  const skin::TvxScrollBar& bar = vertical ? w.wnd->VertBar() : w.wnd->HorzBar();
  tk::Bitmap picture = skin::NewBitmap24(bar.rect.right - bar.rect.left, bar.rect.bottom - bar.rect.top);
  bar.Paint(picture, hot, pressed, drag);
  return picture;
}

std::vector<AdapterGoldenCase> Build() {
  using skin::spNone;
  std::vector<AdapterGoldenCase> cases;
  cases.push_back({"listbox", true, [](ctlfix::GoldenHost& h) {
                     WrappedList w(h);
                     return Printed(w);
                   }});
  struct BarState {
    const char* name;
    bool vertical;
    skin::TvxScrollPart hot, pressed;
    int drag;
    bool disabled;
  };
  const BarState states[] = {
      {"vbar_normal", true, spNone, spNone, -1, false},
      {"vbar_hot_arrow", true, skin::spSecondArrow, spNone, -1, false},
      {"vbar_pressed_arrow", true, spNone, skin::spFirstArrow, -1, false},
      {"vbar_pressed_track", true, spNone, skin::spTrackAfter, -1, false},
      {"vbar_dragged_thumb", true, spNone, skin::spThumb, 20, false},
      {"vbar_disabled", true, spNone, spNone, -1, true},
      {"hbar_normal", false, spNone, spNone, -1, false},
      {"hbar_hot_arrow", false, skin::spFirstArrow, spNone, -1, false},
      {"hbar_pressed_track", false, spNone, skin::spTrackAfter, -1, false},
  };
  for (const BarState& s : states)
    cases.push_back({s.name, false, [s](ctlfix::GoldenHost& h) {
                       WrappedList w(h);
                       if (s.disabled) EnableWindow(w.list->Handle(), FALSE);
                       return Bar(w, s.vertical, s.hot, s.pressed, s.drag);
                     }});
  return cases;
}

}  // namespace

const std::vector<AdapterGoldenCase>& AdapterGoldenCases() {
  static const std::vector<AdapterGoldenCase> cases = Build();
  return cases;
}

tk::Bitmap PaintAdapterCase(ctlfix::GoldenHost& host, const AdapterGoldenCase& c) {
  return ctlfix::PaintOnGoldenHost(host, c.paint);
}

std::string AdapterGoldenPath(const std::string& skin, const std::string& name) {
  return std::string(GK_ADAPTERS_GOLDEN_DIR) + "/" + skin + "/" + name + ".png";
}

std::string AdapterActualPath(const std::string& skin, const std::string& name) {
  return std::string(GK_ADAPTERS_ACTUAL_DIR) + "/" + skin + "/" + name + ".png";
}

}  // namespace adaptfix
