#pragma once
// The skins of the skin-data tests: the two internal skins as the build
// packs them, and a small skin of hand-made sections for the edge cases.
// A fixture makes a shown form with a skin manager holding all three.

#include <gtest/gtest.h>

#include <string>

#include "skin/data/sSkinManager.h"
#include "toolkit/win/Form.h"

namespace ctlfix {

constexpr const char* kEmberStyle = "EmberStyle (internal)";
constexpr const char* kGlacier = "Glacier (internal)";
// Sections: FORM (white), PLAIN (red), HALF (black, TRANSPARENCY 50), CLEAR
// (TRANSPARENCY 100), GRADIENT (GRADIENTPERCENT 10), EDIT (its colours),
// FADE20, FADE5 and NOFADE (red, hot green; fading on with 20 and 5 steps,
// or off).
constexpr const char* kEdges = "Edges (internal)";

void AddTestSkins(skin::TsSkinManager& manager);

// A form of 400 x 300 (white client area) on the screen, owning a manager
// that holds the test skins and has applied one of them.
class SkinnedFormTest : public ::testing::Test {
protected:
  void SetUp() override;
  void TearDown() override;
  // Applies one of the test skins.
  void UseSkin(const std::string& name);
  // A control of class T owned by the form, placed on parent at (left, top)
  // with that size; FinishLoading has run.
  template <class T, class... A>
  T* Place(tk::TWinControl* parent, int left, int top, int width, int height, A&&... args) {
    T* control = tk::Create<T>(form, std::forward<A>(args)...);
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    control->SkinData().FinishLoading();
    return control;
  }

  tk::TForm* form = nullptr;
  skin::TsSkinManager* manager = nullptr;
};

}  // namespace ctlfix
