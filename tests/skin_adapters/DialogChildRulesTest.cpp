// The wrapper each child window of a system dialog gets, by class, style
// and size, as a table: the special sizes of the platform's dialogs, the
// static types, the button styles (check boxes, radio buttons, group boxes,
// push buttons), the other classes.
#include <gtest/gtest.h>

#include <string>

#include "skin/controls/adapters/vxDialogChildRules.h"

namespace {

using skin::ChooseDialogChildWrapper;
using K = skin::TvxWrapperKind;

struct Row {
  const wchar_t* className;
  LONG style;
  int width, height;
  K wrapper;
  std::string section;
  int dialogKind = 0;
  bool takesForm = false;
};

const Row kRows[] = {
    // Statics: the special sizes come first, whatever the style.
    {L"Static", SS_LEFT, 152, 49, K::Static, "CHECKBOX"},
    {L"Static", SS_ICON, 152, 49, K::Static, "CHECKBOX"},
    {L"Static", SS_LEFT, 150, 37, K::None, "", 1},
    {L"Static", SS_LEFT, 192, 189, K::None, "", 3, true},
    {L"Static", SS_LEFT, 210, 140, K::None, "", 3, true},
    {L"Static", SS_LEFT, 12, 189, K::None, "", 3, true},
    {L"Static", SS_LEFT, 210, 46, K::None, "", 3, true},
    {L"Static", SS_LEFT, 60, 42, K::None, "", 3, true},
    {L"STATIC", SS_ICON, 32, 32, K::Icon, "CHECKBOX"},
    {L"Static", SS_BITMAP, 40, 40, K::None, ""},
    {L"Static", SS_ENHMETAFILE, 40, 40, K::None, ""},
    {L"Static", SS_OWNERDRAW, 40, 40, K::None, ""},
    {L"Static", SS_GRAYRECT, 40, 2, K::None, ""},
    {L"Static", SS_WHITERECT, 40, 2, K::None, ""},
    {L"Static", SS_SIMPLE, 80, 14, K::None, ""},
    {L"Static", SS_CENTER | WS_CHILD, 80, 14, K::Static, "CHECKBOX"},
    {L"Static", SS_BLACKFRAME, 80, 14, K::Static, "CHECKBOX"},
    // Buttons by their type.
    {L"Button", BS_GROUPBOX | WS_CHILD, 200, 100, K::GroupBox, "GROUPBOX"},
    {L"Button", BS_CHECKBOX, 100, 16, K::CheckBox, "CHECKBOX"},
    {L"Button", BS_AUTOCHECKBOX, 100, 16, K::CheckBox, "CHECKBOX"},
    {L"Button", BS_3STATE, 100, 16, K::CheckBox, "CHECKBOX"},
    {L"Button", BS_AUTO3STATE, 100, 16, K::CheckBox, "CHECKBOX"},
    {L"Button", BS_RADIOBUTTON, 100, 16, K::CheckBox, "CHECKBOX"},
    {L"Button", BS_AUTORADIOBUTTON | BS_MULTILINE, 100, 16, K::CheckBox, "CHECKBOX"},
    {L"Button", BS_PUSHBUTTON, 75, 23, K::Button, "BUTTON"},
    {L"Button", BS_DEFPUSHBUTTON, 75, 23, K::Button, "BUTTON"},
    {L"Button", BS_USERBUTTON, 75, 23, K::Button, "BUTTON"},
    {L"Button", BS_PUSHBOX, 75, 23, K::Button, "BUTTON"},
    {L"Button", BS_OWNERDRAW, 75, 23, K::None, ""},
    // The other classes.
    {L"#32770", 0, 300, 200, K::TransPanel, "CHECKBOX"},
    {L"ComboBox", 0, 100, 20, K::ComboBox, "COMBOBOX"},
    {L"ComboBoxEx32", 0, 100, 20, K::ComboBox, "COMBOBOX"},
    {L"ComboLBox", 0, 100, 80, K::Edit, "COMBOBOX"},
    {L"ScrollBar", SBS_SIZEBOX, 16, 16, K::Sizer, "CHECKBOX"},
    {L"SysTabControl32", 0, 300, 200, K::None, ""},
    {L"SysListView32", 0, 300, 200, K::ListView, "EDIT"},
    {L"msctls_updown32", 0, 16, 20, K::Spin, "SPEEDBUTTON_SMALL"},
    {L"ListBox", 0, 100, 80, K::Edit, "EDIT"},
    {L"Edit", 0, 100, 20, K::Edit, "EDIT"},
    {L"Link Window", 0, 100, 20, K::Link, "CHECKBOX"},
    {L"ToolbarWindow32", 0x200, 100, 20, K::ToolBar, "BAR"},
    {L"ToolbarWindow32", 0, 100, 20, K::ToolBar, "CHECKBOX"},
    {L"SysTreeView32", 0, 100, 80, K::TreeView, "EDIT"},
    {L"x_SHBrowseForFolder_y", 0, 100, 80, K::TransPanel, "CHECKBOX"},
    {L"msctls_progress32", 0, 100, 16, K::None, ""},
};

TEST(DialogChildRulesTest, EachChildGetsItsWrapperAndSection) {
  for (const Row& r : kRows) {
    SCOPED_TRACE(std::to_string(r.width) + " x " + std::to_string(r.height) + ", style " + std::to_string(r.style));
    const skin::TvxDialogChildRule rule = ChooseDialogChildWrapper(r.className, r.style, r.width, r.height);
    EXPECT_EQ(rule.wrapper, r.wrapper);
    EXPECT_EQ(std::string(rule.section), r.section);
    EXPECT_EQ(rule.dialogKind, r.dialogKind);
    EXPECT_EQ(rule.dialogTakesForm, r.takesForm);
  }
}

TEST(DialogChildRulesTest, DialogWideEffects) {
  EXPECT_TRUE(ChooseDialogChildWrapper(L"ComboLBox", 0, 100, 80).countsComboList);
  EXPECT_FALSE(ChooseDialogChildWrapper(L"ListBox", 0, 100, 80).countsComboList);
  EXPECT_TRUE(ChooseDialogChildWrapper(L"SysTabControl32", 0, 470, 349).refusesDialog);
  EXPECT_FALSE(ChooseDialogChildWrapper(L"SysTabControl32", 0, 471, 349).refusesDialog);
  EXPECT_EQ(ChooseDialogChildWrapper(L"msctls_updown32", 0, 16, 20).leftOffset, 2);
}

}  // namespace
