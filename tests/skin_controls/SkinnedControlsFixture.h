#pragma once
// One shown form with a skin manager for all tests of a suite. Destroying a
// top-level window costs about 2 s under Wine without a window manager (the
// X11 driver waits for the window to be withdrawn), so each test only adds
// its controls to the form and frees them again; the skin, the manager's
// Active switch, the form's colour and the mouse are put back before each
// test.

#include <gtest/gtest.h>

#include <string>

#include "ControlSkins.h"
#include "skin/data/sSkinManager.h"
#include "toolkit/win/Form.h"

namespace ctlfix {

class SkinnedControlsTest : public ::testing::Test {
protected:
  static void SetUpTestSuite();
  static void TearDownTestSuite();
  void SetUp() override;
  void TearDown() override;

  static void UseSkin(const std::string& name);
  // A control of class T owned by the form, placed on parent at (left, top)
  // with that size; its skin data has finished loading.
  template <class T, class... A>
  static T* Place(tk::TWinControl* parent, int left, int top, int width, int height, A&&... args) {
    T* control = tk::Create<T>(form, std::forward<A>(args)...);
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    control->SkinData().FinishLoading();
    return control;
  }
  // The same for a plain toolkit control.
  template <class T>
  static T* PlacePlain(tk::TWinControl* parent, int left, int top, int width, int height) {
    T* control = tk::Create<T>(form);
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    return control;
  }

  static inline tk::TForm* form = nullptr;
  static inline skin::TsSkinManager* manager = nullptr;

private:
  int componentsBefore_ = 0;
};

}  // namespace ctlfix
