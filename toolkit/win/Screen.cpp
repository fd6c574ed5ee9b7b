#include "toolkit/win/Screen.h"

#include <algorithm>

#include "toolkit/win/Font.h"
#include "toolkit/win/Form.h"

namespace tk {

TScreen& TScreen::Instance() {
  static TScreen screen;
  return screen;
}

void TScreen::AddForm(TCustomForm* form) { forms_.push_back(form); }

void TScreen::RemoveForm(TCustomForm* form) { std::erase(forms_, form); }

TCustomForm* TScreen::ActiveForm() const {
  TWinControl* control = TWinControl::FindControl(GetActiveWindow());
  auto* form = dynamic_cast<TCustomForm*>(control);
  return form && std::find(forms_.begin(), forms_.end(), form) != forms_.end() ? form : nullptr;
}

TWinControl* TScreen::ActiveControl() const {
  TCustomForm* form = ActiveForm();
  return form ? form->ActiveControl() : nullptr;
}

int TScreen::PixelsPerInch() const { return ScreenPixelsPerInch(); }

RECT TScreen::WorkAreaRect() const {
  RECT area{0, 0, Width(), Height()};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  return area;
}

}  // namespace tk
