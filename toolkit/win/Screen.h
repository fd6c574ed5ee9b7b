#pragma once
// The forms of the process and the screen they are on.

#include <vector>

#include "toolkit/win/Types.h"

namespace tk {

class TCustomForm;
class TWinControl;

class TScreen {
public:
  static TScreen& Instance();

  int FormCount() const { return static_cast<int>(forms_.size()); }
  TCustomForm* Forms(int index) const { return forms_.at(static_cast<std::size_t>(index)); }
  // The form whose window is the active window, if it is one of ours.
  TCustomForm* ActiveForm() const;
  TWinControl* ActiveControl() const;
  int PixelsPerInch() const;
  int Width() const { return GetSystemMetrics(SM_CXSCREEN); }
  int Height() const { return GetSystemMetrics(SM_CYSCREEN); }
  RECT WorkAreaRect() const;

private:
  friend class TCustomForm;
  void AddForm(TCustomForm* form);
  void RemoveForm(TCustomForm* form);
  std::vector<TCustomForm*> forms_;
};

inline TScreen& Screen() { return TScreen::Instance(); }

}  // namespace tk
