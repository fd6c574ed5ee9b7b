#pragma once
// A shown form with a skin manager (the two internal skins and the small
// test skin) and a skin provider, the way a program's form carries them:
// the manager first, then the provider, then the skin applied. The tests'
// fixture and the reference pictures' cases both build their forms here.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "WindowTestSupport.h"
#include "skin/data/sSkinManager.h"
#include "skin/forms/sSkinProvider.h"
#include "toolkit/win/Form.h"

namespace formfix {

constexpr int kClientWidth = 506;
constexpr int kClientHeight = 294;

struct FrameSetup {
  tk::TFormBorderStyle borderStyle = tk::bsSingle;
  tk::TBorderIcons borderIcons = tk::biSystemMenu | tk::biMinimize;
  std::string caption = "Skinned frame";
  std::string skin = "EmberStyle (internal)";
  // An MDI parent form with a main menu (the maximized child's buttons
  // show on its menu line).
  bool mdiParent = false;
};

class SkinnedFrame {
public:
  SkinnedFrame() = default;
  SkinnedFrame(const SkinnedFrame&) = delete;
  SkinnedFrame& operator=(const SkinnedFrame&) = delete;
  ~SkinnedFrame() { Free(); }

  // Frees what was built before; throws std::runtime_error when the form
  // cannot be shown in front or the skin is not applied.
  void Build(const FrameSetup& setup);
  void Free();
  void UseSkin(const std::string& name);

  // The window's rectangle on the screen.
  RECT WindowRect() const;
  // The screen point of a window point (the window's top-left corner is 0, 0).
  POINT ScreenPoint(int x, int y) const;
  // The centre of a caption button on the screen.
  POINT ButtonCentre(int id);
  // A point of the caption bar between the icon and the text.
  POINT CaptionPoint() const;
  // An MDI child of the MDI parent form, with its own skin provider, shown
  // at (10, 10) of the client window; what its showing causes is handled
  // before it returns unless told not to.
  tk::TForm* AddMDIChild(const std::string& caption, bool handlePending = true);

  tk::TForm* form = nullptr;
  skin::TsSkinManager* manager = nullptr;
  skin::TsSkinProvider* provider = nullptr;
  bool closed = false;
  // The MDI children with their windows (a child closed by the user frees
  // itself: its window no longer belongs to it).
  std::vector<std::pair<tk::TForm*, HWND>> mdiChildren;
};

class SkinnedFrameTest : public ::testing::Test, protected SkinnedFrame {
protected:
  void SetUp() override { Build(FrameSetup{}); }
  void TearDown() override;
};

}  // namespace formfix
