#include "ControlGolden.h"

#include "ControlSkins.h"
#include "ScreenPixels.h"
#include "SkinnedTestControls.h"
#include "WindowTestSupport.h"
#include "skin/controls/sButton.h"
#include "skin/controls/sGroupBox.h"
#include "skin/controls/sLabel.h"
#include "skin/controls/sMaskEdit.h"
#include "skin/controls/sSkinnedControlClasses.h"
#include "skin/controls/sSpeedButton.h"
#include "skin/paint/sBitmapOps.h"
#include "toolkit/win/Application.h"
#include "toolkit/win/Form.h"

namespace ctlfix {

namespace {

// Painting is synchronous (RDW_UPDATENOW): what is queued is handled, nothing is waited for.
void PumpPending() { tk::Application().ProcessMessages(); }

template <class T>
T* Add(GoldenHost& host, int left, int top, int width, int height) {
  T* c = tk::Create<T>(host.form);
  c->SetParent(host.backdrop);
  c->SetBounds(left, top, width, height);
  c->Font().SetName("MS Sans Serif");
  c->Font().SetHeight(-15);
  c->Font().SetCharset(GB2312_CHARSET);
  if constexpr (!std::is_same_v<T, skin::TsLabel>) c->SkinData().FinishLoading();
  return c;
}

// Paints everything now and returns the control's cache.
tk::Bitmap CacheOf(GoldenHost& host, skin::TsSkinnedControl* control) {
  RedrawWindow(host.form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpPending();
  return *control->SkinData().Cache();
}

// A 16 x 16 glyph on magenta: a green bar from the upper left, an orange square at the lower right.
tk::Bitmap Glyph() {
  tk::Bitmap g = skin::NewBitmap24(16, 16);
  skin::FillRectBitmap(g, {0, 0, 16, 16}, skin::clFuchsia);
  for (int i = 1; i < 11; ++i) skin::FillRectBitmap(g, {i, i, i + 2, i + 2}, 0x30A018);
  skin::FillRectBitmap(g, {9, 9, 15, 15}, 0x1080F0);
  return g;
}

enum class State { Normal, Hot, Pressed, Disabled };
const std::pair<const char*, State> kStates[] = {
    {"normal", State::Normal}, {"hot", State::Hot}, {"pressed", State::Pressed}, {"disabled", State::Disabled}};

// A speed button hot, latched down, or disabled, painted.
tk::Bitmap InState(GoldenHost& h, skin::TsSpeedButton* b, State s) {
  if (s == State::Hot) b->SkinData().mouseInside = true;
  if (s == State::Pressed) {
    b->SetGroupIndex(1);
    b->SetDown(true);
  }
  if (s == State::Disabled) b->SetEnabled(false);
  b->SkinData().cacheStale = true;
  return CacheOf(h, b);
}

std::vector<ControlGoldenCase> Build() {
  std::vector<ControlGoldenCase> cases;
  for (const auto& [stateName, state] : kStates) {
    const State s = state;
    cases.push_back({std::string("button_") + stateName, [s](GoldenHost& h) {
                       auto* b = Add<skin::TsButton>(h, 10, 10, 119, 30);
                       b->SetCaption("大地-->高斯");
                       if (s == State::Hot) b->SkinData().mouseInside = true;
                       if (s == State::Pressed) b->SetDown(true);
                       if (s == State::Disabled) b->SetEnabled(false);
                       b->SkinData().cacheStale = true;
                       return CacheOf(h, b);
                     }});
    cases.push_back({std::string("speedbutton_glyph_") + stateName, [s](GoldenHost& h) {
                       auto* b = Add<skin::TsSpeedButton>(h, 10, 10, 23, 22);
                       b->Glyph().SetImage(Glyph());
                       return InState(h, b, s);
                     }});
    cases.push_back({std::string("speedbutton_caption_") + stateName, [s](GoldenHost& h) {
                       auto* b = Add<skin::TsSpeedButton>(h, 10, 10, 23, 22);
                       b->SetCaption(">>");
                       return InState(h, b, s);
                     }});
    if (s == State::Pressed) continue;
    cases.push_back({std::string("edit_") + stateName, [s](GoldenHost& h) {
                       auto* e = Add<skin::TsMaskEdit>(h, 10, 10, 116, 23);
                       e->SetText("116.391");
                       if (s == State::Hot) e->SkinData().mouseInside = true;
                       if (s == State::Disabled) e->SetEnabled(false);
                       e->SkinData().cacheStale = true;
                       return CacheOf(h, e);
                     }});
  }
  cases.push_back({"speedbutton_dropdown", [](GoldenHost& h) {
                     auto* b = Add<skin::TsSpeedButton>(h, 10, 10, 23, 22);
                     b->SetCaption("<<");
                     b->SetButtonStyle(skin::tbsDropDown);
                     return CacheOf(h, b);
                   }});
  cases.push_back({"speedbutton_divider", [](GoldenHost& h) {
                     auto* b = Add<skin::TsSpeedButton>(h, 10, 10, 12, 22);
                     b->SetButtonStyle(skin::tbsDivider);
                     return CacheOf(h, b);
                   }});
  cases.push_back({"edit_password", [](GoldenHost& h) {
                     auto* e = Add<skin::TsMaskEdit>(h, 10, 10, 116, 23);
                     e->SetPasswordChar(L'*');
                     e->SetText("secret");
                     return CacheOf(h, e);
                   }});
  for (const auto& [name, layout] : {std::pair{"groupbox_left", skin::TsGroupBox::clTopLeft},
                                     std::pair{"groupbox_centre", skin::TsGroupBox::clTopCenter}}) {
    const auto l = layout;
    cases.push_back({name, [l](GoldenHost& h) {
                       auto* g = Add<skin::TsGroupBox>(h, 10, 10, 200, 80);
                       g->SetCaption("大地坐标");
                       g->SetCaptionLayout(l);
                       return CacheOf(h, g);
                     }});
  }
  for (const bool enabled : {true, false}) {
    cases.push_back({enabled ? "label_normal" : "label_disabled", [enabled](GoldenHost& h) {
                       auto* l = Add<skin::TsLabel>(h, 10, 10, 45, 15);
                       l->SetCaption("经度：");
                       l->SetEnabled(enabled);
                       RedrawWindow(h.form->Handle(), nullptr, nullptr,
                                    RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
                       PumpPending();
                       return CaptureControl(*l);
                     }});
  }
  return cases;
}

}  // namespace

const std::vector<ControlGoldenCase>& ControlGoldenCases() {
  static const std::vector<ControlGoldenCase> cases = Build();
  return cases;
}

bool MakeGoldenHost(GoldenHost& host) {
  skin::RegisterSkinnedControlClasses();
  host.form = testing_support::ShowTestForm(260, 120);
  if (!host.form) return false;
  host.manager = tk::Create<skin::TsSkinManager>(host.form);
  host.manager->SetSkinDirectory("c:\\NoSkinsHere");
  AddTestSkins(*host.manager);
  auto* backdrop = tk::Create<TTestSkinned>(host.form, skin::kKindNone);
  backdrop->SetParent(host.form);
  backdrop->SetBounds(0, 0, 260, 120);
  backdrop->SkinData().SetSkinSection("FORM");
  host.backdrop = backdrop;
  return true;
}

void UseGoldenSkin(GoldenHost& host, const std::string& skin) {
  host.manager->SetSkinName(skin + " (internal)");
  RedrawWindow(host.form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpPending();
}

tk::Bitmap PaintGoldenCase(GoldenHost& host, const ControlGoldenCase& c) { return PaintOnGoldenHost(host, c.paint); }

tk::Bitmap PaintOnGoldenHost(GoldenHost& host, const std::function<tk::Bitmap(GoldenHost&)>& paint) {
  const int before = host.form->ComponentCount();
  tk::Bitmap picture = paint(host);
  while (host.form->ComponentCount() > before) tk::TComponent::Free(host.form->Components(host.form->ComponentCount() - 1));
  PumpPending();
  return picture;
}

std::string ControlGoldenPath(const std::string& skin, const std::string& name) {
  return std::string(GK_CONTROLS_GOLDEN_DIR) + "/" + skin + "/" + name + ".png";
}

std::string ControlActualPath(const std::string& skin, const std::string& name) {
  return std::string(GK_CONTROLS_ACTUAL_DIR) + "/" + skin + "/" + name + ".png";
}

}  // namespace ctlfix
