#pragma once
// The reference pictures of the wrapped windows: a wrapped list box as
// WM_PRINT draws it (frame ring, skinned bars, the list's own rows), and a
// skinned scroll bar in each of its states, from both internal skins, on
// the golden host of the skinned controls (a backdrop painted with the
// skin's FORM section). skin_adapters_golden writes them into
// tests/skin_adapters/golden/<skin>/; the golden test compares.

#include <functional>
#include <string>
#include <vector>

#include "ControlGolden.h"
#include "toolkit/core/Bitmap.h"

namespace adaptfix {

struct AdapterGoldenCase {
  std::string name;
  bool hasText = false;  // the window system draws text into it
  std::function<tk::Bitmap(ctlfix::GoldenHost&)> paint;
};

const std::vector<AdapterGoldenCase>& AdapterGoldenCases();
// Paints the case and frees what it added.
tk::Bitmap PaintAdapterCase(ctlfix::GoldenHost& host, const AdapterGoldenCase& c);
std::string AdapterGoldenPath(const std::string& skin, const std::string& name);
std::string AdapterActualPath(const std::string& skin, const std::string& name);

}  // namespace adaptfix
