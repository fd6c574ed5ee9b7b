#include "FrameGoldenCases.h"

#include <cstdio>
#include <exception>

#include "toolkit/win/Application.h"
#include "toolkit/win/Menus.h"

namespace formfix {

namespace {

// The converter's caption and font: the title text the main window shows.
const char* const kMainCaption = "坐标转换（问题与建议请寄 gk-tools@example.org）";

void UseMainWindowFont(SkinnedFrame& f) {
  tk::TFont& font = f.form->Font();
  font.SetName("MS Sans Serif");
  font.SetHeight(-15);
  font.SetCharset(GB2312_CHARSET);
  f.provider->RefreshFrame();
}

void HoverButton(SkinnedFrame& f, int id) {
  const POINT p = f.ButtonCentre(id);
  SendMessageW(f.form->Handle(), WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y));
}

void PressButton(SkinnedFrame& f, int id) {
  HoverButton(f, id);
  const POINT p = f.ButtonCentre(id);
  SendMessageW(f.form->Handle(), WM_NCLBUTTONDOWN, id, MAKELPARAM(p.x, p.y));
}

// A user button's glyph: a small cross on a transparent (bottom-left) colour.
void DrawCross(tk::TBitmap& glyph) {
  glyph.SetSize(9, 9);
  glyph.Image().Fill(0xFF00FF);
  for (int i = 1; i < 8; ++i) {
    auto put = [&](int x, int y) {
      std::uint8_t* p = glyph.Image().ScanLine(y) + 3 * x;
      p[0] = 0x20;
      p[1] = 0xC0;
      p[2] = 0xF0;
    };
    put(i, i);
    put(8 - i, i);
  }
}

}  // namespace

const std::vector<GoldenSkin>& GoldenSkins() {
  static const std::vector<GoldenSkin> skins = {{"EmberStyle", "EmberStyle (internal)"},
                                                {"Glacier", "Glacier (internal)"}};
  return skins;
}

const std::vector<FrameGoldenCase>& FrameGoldenCases() {
  const FrameSetup main{tk::bsSingle, tk::biSystemMenu | tk::biMinimize, kMainCaption, ""};
  const FrameSetup mdi{tk::bsSizeable, tk::biSystemMenu | tk::biMinimize | tk::biMaximize, "MDI parent", "", true};
  static const std::vector<FrameGoldenCase> cases = {
      {"main-active", main, UseMainWindowFont},
      {"main-inactive", main,
       [](SkinnedFrame& f) {
         UseMainWindowFont(f);
         SendMessageW(f.form->Handle(), WM_NCACTIVATE, FALSE, 0);
       }},
      {"main-close-hot", main,
       [](SkinnedFrame& f) {
         UseMainWindowFont(f);
         HoverButton(f, skin::kButtonClose);
       }},
      {"main-minimize-pressed", main,
       [](SkinnedFrame& f) {
         UseMainWindowFont(f);
         PressButton(f, skin::kButtonMinimize);
       }},
      {"sizeable-grip-help-user-button",
       {tk::bsSizeable, tk::biSystemMenu | tk::biMinimize | tk::biMaximize | tk::biHelp, "Centred caption", ""},
       [](SkinnedFrame& f) {
         f.provider->SetGripMode(skin::gmRightBottom);
         f.provider->SetCaptionAlignment(tk::taCenter);
         auto* button = static_cast<skin::TsTitleButton*>(f.provider->TitleButtons().Add());
         DrawCross(button->Glyph());
         f.provider->RefreshFrame();
       }},
      {"tool-window", {tk::bsToolWindow, tk::biSystemMenu, "Tool window", ""}, nullptr},
      // The MDI area under the client window, then with a maximized child
      // whose buttons sit on the parent's menu line.
      {"mdi-parent", mdi, nullptr},
      {"mdi-parent-child-maximized", mdi,
       [](SkinnedFrame& f) {
         tk::TForm* child = f.AddMDIChild("Child");
         f.form->MDIMaximize(child);
         testing_support::PumpPending();
         f.provider->RefreshFrame();
       }},
      // A maximized child with a menu: its item merged into the parent's
      // line after the parent's item of a lower GroupIndex.
      {"mdi-parent-child-menu-maximized", mdi,
       [](SkinnedFrame& f) {
         tk::TForm* child = f.AddMDIChild("Child");
         auto* menu = tk::Create<tk::TMainMenu>(child);
         auto* sheet = tk::Create<tk::TMenuItem>(child);
         sheet->SetCaption("Sheet");
         sheet->SetGroupIndex(3);
         menu->Items()->Add(sheet);
         child->SetMenu(menu);
         f.form->MDIMaximize(child);
         testing_support::PumpPending();
         f.provider->RefreshFrame();
       }},
  };
  return cases;
}

FramePicture PaintFrameCase(SkinnedFrame& frame, const FrameGoldenCase& c, const GoldenSkin& skin) {
  FrameSetup setup = c.setup;
  setup.skin = skin.skinName;
  frame.Build(setup);
  if (c.prepare) c.prepare(frame);
  testing_support::PumpPending();
  FramePicture result{*frame.provider->SkinData().Cache(), frame.provider->CaptionTextRect()};
  if (GetCapture() == frame.form->Handle()) ReleaseCapture();
  return result;
}

std::string FrameGoldenPath(const GoldenSkin& skin, const std::string& name) {
  return std::string(GK_FORMS_GOLDEN_DIR) + "/" + skin.folder + "/" + name + ".png";
}

std::string FrameActualPath(const GoldenSkin& skin, const std::string& name) {
  return std::string(GK_FORMS_ACTUAL_DIR) + "/" + skin.folder + "/" + name + ".png";
}

int RunGoldenWriter(const char* tool, int argc, char** argv,
                    const std::function<int(const std::string& folder, SkinnedFrame& frame)>& write) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <folder>\n", tool);
    return 2;
  }
  try {
    SkinnedFrame frame;
    const int written = write(argv[1], frame);
    std::printf("%d reference pictures written to %s\n", written, argv[1]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s: %s\n", tool, e.what());
    return 1;
  }
  return 0;
}

}  // namespace formfix
