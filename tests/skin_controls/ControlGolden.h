#pragma once
// The reference pictures of the skinned controls: each control in each of
// its states, painted from both internal skins over a backdrop painted with
// the skin's FORM section (a parent with a cache, as a skinned form is).
// The cached image of the control is the picture; a label, which keeps
// none, is read back from the screen. skinned_controls_golden writes them
// into tests/skin_controls/golden/<skin>/; the golden test compares.

#include <functional>
#include <string>
#include <vector>

#include "toolkit/core/Bitmap.h"

namespace tk {
class TForm;
class TWinControl;
}  // namespace tk
namespace skin {
class TsSkinManager;
}

namespace ctlfix {

constexpr const char* kGoldenSkins[] = {"EmberStyle", "Glacier"};

// Where the cases paint: a shown form, its manager with the test skins, and
// the backdrop the controls are placed on.
struct GoldenHost {
  tk::TForm* form = nullptr;
  skin::TsSkinManager* manager = nullptr;
  tk::TWinControl* backdrop = nullptr;
};

struct ControlGoldenCase {
  std::string name;  // file name without ".png"
  // Places its control on the host's backdrop, brings it into its state
  // and returns its picture; the control is freed afterwards by the caller
  // (every component the case added to the form).
  std::function<tk::Bitmap(GoldenHost&)> paint;
};

const std::vector<ControlGoldenCase>& ControlGoldenCases();

// The host with the skin of that name ("EmberStyle" or "Glacier") applied;
// false when the form could not be brought to the front.
bool MakeGoldenHost(GoldenHost& host);
void UseGoldenSkin(GoldenHost& host, const std::string& skin);
// Paints the case and frees what it added.
tk::Bitmap PaintGoldenCase(GoldenHost& host, const ControlGoldenCase& c);
// The same for any painter of the host (the wrapped windows' cases).
tk::Bitmap PaintOnGoldenHost(GoldenHost& host, const std::function<tk::Bitmap(GoldenHost&)>& paint);

std::string ControlGoldenPath(const std::string& skin, const std::string& name);
std::string ControlActualPath(const std::string& skin, const std::string& name);

}  // namespace ctlfix
