#pragma once
// Which wrapper a child window of a system dialog gets, by its class name
// (compared in lower case), its style and its size; what it tells about
// the dialog itself (a preview or fixed areas the platform keeps painting).
// The dialog skinning wraps each child by this table; it is plain data so
// that each row can be checked on its own.

#include <windows.h>

#include <string_view>

namespace skin {

enum class TvxWrapperKind {
  None,
  Static,
  Icon,
  TransPanel,
  GroupBox,
  CheckBox,
  Button,
  ComboBox,
  Edit,
  Sizer,
  ListView,
  Spin,
  Link,
  ToolBar,
  TreeView,
};

struct TvxDialogChildRule {
  TvxWrapperKind wrapper = TvxWrapperKind::None;
  const char* section = "";
  int dialogKind = 0;            // 1: preview area, 3: fixed areas; 0: no change
  bool dialogTakesForm = false;  // the dialog wrapper's section becomes FORM
  bool countsComboList = false;  // a drop-down list of the dialog's combo boxes
  bool refusesDialog = false;    // the dialog is not skinned at all
  int leftOffset = 0;            // spin buttons: their buttons start this far right
};

// className as GetClassName gives it; width and height of the window
// rectangle.
TvxDialogChildRule ChooseDialogChildWrapper(std::wstring_view className, LONG style, int width, int height);

}  // namespace skin
