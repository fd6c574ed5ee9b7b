#include "AdapterGolden.h"

#include <memory>

#include "AdapterFixture.h"
#include "skin/controls/adapters/vxEditWnd.h"
#include "skin/controls/adapters/vxScrollInteraction.h"
#include "skin/paint/sBitmapOps.h"
#include "toolkit/win/Application.h"
#include "toolkit/win/Button.h"
#include "toolkit/win/GroupBox.h"
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

// A standard control of class T on the backdrop, wrapped, painted by its
// wrapper into a picture of its size.
template <class T>
tk::Bitmap WrappedPicture(ctlfix::GoldenHost& host, int width, int height, const std::function<void(T&)>& prepare) {
  T* c = tk::Create<T>(host.form);
  c->SetParent(host.backdrop);
  c->SetBounds(10, 10, width, height);
  c->Font().SetName("MS Sans Serif");
  c->Font().SetHeight(-13);
  prepare(*c);
  TestAdapterOwner owner(host.form);
  skin::TvxCtrlAdapter adapter(owner);
  adapter.AddAllItems();
  tk::Bitmap picture = skin::NewBitmap24(width, height);
  {
    tk::TBitmapCanvas canvas(picture);
    SendMessageW(c->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(canvas.Handle()), 0);
    GdiFlush();
  }
  picture.Sync();
  return picture;
}

std::vector<AdapterGoldenCase> Build() {
  using skin::spNone;
  std::vector<AdapterGoldenCase> cases;
  cases.push_back({"listbox", true, [](ctlfix::GoldenHost& h) {
                     WrappedList w(h);
                     return Printed(w);
                   }});
  cases.push_back({"button_pushed", true, [](ctlfix::GoldenHost& h) {
                     return WrappedPicture<tk::TButton>(h, 100, 28, [](tk::TButton& b) {
                       b.SetCaption("Button");
                       SendMessageW(b.Handle(), BM_SETSTATE, TRUE, 0);
                     });
                   }});
  cases.push_back({"button_disabled", true, [](ctlfix::GoldenHost& h) {
                     return WrappedPicture<tk::TButton>(h, 100, 28, [](tk::TButton& b) {
                       b.SetCaption("Button");
                       b.SetEnabled(false);
                     });
                   }});
  cases.push_back({"groupbox", true, [](ctlfix::GoldenHost& h) {
                     return WrappedPicture<tk::TGroupBox>(h, 160, 80, [](tk::TGroupBox& g) { g.SetCaption("Group"); });
                   }});
  cases.push_back({"checkbox_checked", true, [](ctlfix::GoldenHost& h) {
                     return WrappedPicture<tk::TCheckBox>(h, 120, 20, [](tk::TCheckBox& b) {
                       b.SetCaption("Check box");
                       b.SetChecked(true);
                     });
                   }});
  cases.push_back({"radio_unchecked", true, [](ctlfix::GoldenHost& h) {
                     return WrappedPicture<tk::TRadioButton>(h, 120, 20,
                                                             [](tk::TRadioButton& b) { b.SetCaption("Radio"); });
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
