#include "toolkit/win/Screen.h"

#include <algorithm>

#include "toolkit/win/Font.h"
#include "toolkit/win/WinControl.h"

namespace tk {

TScreen& TScreen::Instance() {
  static TScreen screen;
  return screen;
}

void TScreen::AddForm(TCustomForm* form, TWinControl* window) { forms_.emplace_back(form, window); }

void TScreen::RemoveForm(TCustomForm* form) {
  std::erase_if(forms_, [form](const auto& entry) { return entry.first == form; });
}

TCustomForm* TScreen::ActiveForm() const {
  TWinControl* active = TWinControl::FindControl(GetActiveWindow());
  auto it = std::find_if(forms_.begin(), forms_.end(), [active](const auto& entry) { return entry.second == active; });
  return active && it != forms_.end() ? it->first : nullptr;
}

TWinControl* TScreen::ActiveControl() const {
  if (!ActiveForm()) return nullptr;
  return TWinControl::FindControl(GetFocus());
}

int TScreen::PixelsPerInch() const { return ScreenPixelsPerInch(); }

RECT TScreen::WorkAreaRect() const {
  RECT area{0, 0, Width(), Height()};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  return area;
}

}  // namespace tk
