#pragma once
// What a form's frame offers: which of restore, move, size, minimize,
// maximize and close exist and which may be used now. The same rules decide
// the items of the skinned system menu and the caption buttons a skinned
// title bar shows, so both always agree.

#include "toolkit/win/Form.h"

namespace skin {

// The facts the rules read.
struct TsFormFacts {
  tk::TFormBorderStyle borderStyle = tk::bsSizeable;
  tk::TBorderIcons borderIcons = 0;
  bool mdiChild = false;
  bool minimized = false;
  bool maximized = false;
};
TsFormFacts FormFactsOf(const tk::TCustomForm& form);

struct TsFormRules {
  bool restoreVisible = false, restoreEnabled = false;
  bool moveEnabled = false;
  bool sizeVisible = false, sizeEnabled = false;
  bool minimizeVisible = false, minimizeEnabled = false;
  bool maximizeVisible = false, maximizeEnabled = false;
  bool closeVisible = false;
};
TsFormRules FormRules(const TsFormFacts& facts);

}  // namespace skin
