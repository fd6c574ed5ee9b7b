#include "vxDialogChildRules.h"

#include <algorithm>
#include <cwctype>
#include <string>

namespace skin {

namespace {

using K = TvxWrapperKind;

std::wstring Lower(std::wstring_view text) {
  std::wstring lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(), [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
  return lower;
}

bool SizeIs(int w, int h, int ew, int eh) { return w == ew && h == eh; }

TvxDialogChildRule StaticRule(LONG style, int w, int h) {
  if (SizeIs(w, h, 152, 49)) return {K::Static, "CHECKBOX"};
  if (SizeIs(w, h, 150, 37)) return {K::None, "", 1};
  for (const auto& [fw, fh] : {std::pair{192, 189}, {210, 140}, {12, 189}, {210, 46}, {60, 42}})
    if (SizeIs(w, h, fw, fh)) return {K::None, "", 3, true};
  const LONG type = style & SS_TYPEMASK;
  // The static's type, not single bits of it: a simple text (11) or a black
  // frame (7) holds no icon.
  if (type == SS_ICON) return {K::Icon, "CHECKBOX"};
  if (type == SS_BITMAP || type == SS_ENHMETAFILE || type == SS_OWNERDRAW) return {};
  if (type == SS_GRAYRECT || type == SS_WHITERECT || type == SS_SIMPLE) return {};
  return {K::Static, "CHECKBOX"};
}

TvxDialogChildRule ButtonRule(LONG style) {
  switch (style & BS_TYPEMASK) {
    case BS_GROUPBOX:
      return {K::GroupBox, "GROUPBOX"};
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
      return {K::CheckBox, "CHECKBOX"};
    // Owner-drawn buttons are painted by their owner; command links draw
    // a note and an arrow a push button has no place for.
    case BS_OWNERDRAW:
    case 0xE:
    case 0xF:
      return {};
    default:
      return {K::Button, "BUTTON"};
  }
}

}  // namespace

TvxDialogChildRule ChooseDialogChildWrapper(std::wstring_view className, LONG style, int width, int height) {
  const std::wstring name = Lower(className);
  if (name == L"static") return StaticRule(style, width, height);
  if (name == L"#32770") return {K::TransPanel, "CHECKBOX"};
  if (name == L"button") return ButtonRule(style);
  if (name == L"combobox" || name == L"comboboxex32") return {K::ComboBox, "COMBOBOX"};
  if (name == L"combolbox") {
    TvxDialogChildRule r{K::Edit, "COMBOBOX"};
    r.countsComboList = true;
    return r;
  }
  if (name == L"scrollbar") return {K::Sizer, "CHECKBOX"};
  if (name == L"systabcontrol32") {
    TvxDialogChildRule r;
    r.refusesDialog = SizeIs(width, height, 470, 349);
    return r;
  }
  if (name == L"syslistview32") return {K::ListView, "EDIT"};
  if (name == L"msctls_updown32") {
    TvxDialogChildRule r{K::Spin, "SPEEDBUTTON_SMALL"};
    r.leftOffset = 2;
    return r;
  }
  if (name == L"listbox" || name == L"edit") return {K::Edit, "EDIT"};
  if (name == L"link window") return {K::Link, "CHECKBOX"};
  if (name == L"toolbarwindow32") return {K::ToolBar, (style & 0x200) ? "BAR" : "CHECKBOX"};
  if (name == L"systreeview32") return {K::TreeView, "EDIT"};
  if (name.find(L"shbrowseforfolder") != std::wstring::npos) return {K::TransPanel, "CHECKBOX"};
  return {};
}

}  // namespace skin
