#pragma once
// The forms of the process and the screen they are on.

#include <utility>
#include <vector>

#include "toolkit/win/Types.h"

namespace tk {

class TCustomForm;
class TWinControl;

class TScreen {
public:
  static TScreen& Instance();

  int FormCount() const { return static_cast<int>(forms_.size()); }
  TCustomForm* Forms(int index) const { return forms_.at(static_cast<std::size_t>(index)).first; }
  // The form whose window is the active window, if it is one of ours.
  TCustomForm* ActiveForm() const;
  TWinControl* ActiveControl() const;
  int PixelsPerInch() const;
  int Width() const { return GetSystemMetrics(SM_CXSCREEN); }
  int Height() const { return GetSystemMetrics(SM_CYSCREEN); }
  RECT WorkAreaRect() const;

private:
  friend class TCustomForm;
  // A form registers itself with the windowed control it is.
  void AddForm(TCustomForm* form, TWinControl* window);
  void RemoveForm(TCustomForm* form);
  std::vector<std::pair<TCustomForm*, TWinControl*>> forms_;
};

inline TScreen& Screen() { return TScreen::Instance(); }

}  // namespace tk
