#include "toolkit/win/StandardControls.h"

#include <commctrl.h>

#include "toolkit/win/Unicode.h"

namespace tk {

LRESULT AnswerReflectedColor(const TControl& control, HDC dc, TBrush& brush) {
  SetTextColor(dc, ColorToRGB(control.Font().Color()));
  SetBkColor(dc, ColorToRGB(control.Color()));
  brush.SetColor(control.Color());
  return reinterpret_cast<LRESULT>(brush.Handle());
}

// --- TStandardControl -------------------------------------------------------

TStandardControl::TStandardControl(TComponent* owner) : TWinControl(owner) {
  SetControlStyle((ControlStyle() | csOpaque) & ~(csClickEvents | csCaptureMouse | csSetCaption));
  SetTabStop(true);
}

void TStandardControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_CTLCOLOREDIT:
    case CN_BASE + WM_CTLCOLORLISTBOX:
    case CN_CTLCOLORBTN:
    case CN_CTLCOLORSTATIC:
      message.Result = AnswerReflectedColor(*this, reinterpret_cast<HDC>(message.WParam), colorBrush_);
      return;
    case CM_COLORCHANGED:
    case CM_FONTCHANGED:
      TWinControl::WndProc(message);
      ApplyColors();
      if (HandleAllocated()) InvalidateRect(handle_, nullptr, TRUE);
      return;
    default:
      break;
  }
  TWinControl::WndProc(message);
}

void TStandardControl::CreateWnd() {
  TWinControl::CreateWnd();
  ApplyColors();
}

// --- TListBox ----------------------------------------------------------------

TListBox::TListBox(TComponent* owner) : TStandardControl(owner) {
  width_ = 121;
  height_ = 97;
}

void TListBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  CreateSubClass(params, L"LISTBOX");
  params.Style |= LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_HSCROLL;
  params.ExStyle |= WS_EX_CLIENTEDGE;
}

int TListBox::AddItem(std::string_view text) {
  const std::wstring w = Utf8ToWide(text);
  return static_cast<int>(SendMessageW(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(w.c_str())));
}

int TListBox::Count() const {
  return handle_ ? static_cast<int>(SendMessageW(handle_, LB_GETCOUNT, 0, 0)) : 0;
}

void TListBox::Clear() {
  if (handle_) SendMessageW(handle_, LB_RESETCONTENT, 0, 0);
}

int TListBox::TopIndex() const { return handle_ ? static_cast<int>(SendMessageW(handle_, LB_GETTOPINDEX, 0, 0)) : 0; }

void TListBox::SetTopIndex(int index) { SendMessageW(Handle(), LB_SETTOPINDEX, static_cast<WPARAM>(index), 0); }

// --- TMemo ---------------------------------------------------------------------

TMemo::TMemo(TComponent* owner) : TCustomEdit(owner) {
  width_ = 185;
  height_ = 89;
}

void TMemo::SetScrollBars(bool value) {
  if (scrollBars_ == value) return;
  scrollBars_ = value;
  if (HandleAllocated()) RecreateWnd();
}

void TMemo::CreateParams(TCreateParams& params) {
  TCustomEdit::CreateParams(params);
  params.Style &= ~ES_AUTOHSCROLL;
  params.Style |= ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
  if (scrollBars_) params.Style |= WS_VSCROLL | WS_HSCROLL | ES_AUTOHSCROLL;
}

// --- TComboBox -----------------------------------------------------------------

TComboBox::TComboBox(TComponent* owner) : TStandardControl(owner) {
  width_ = 145;
  height_ = 24;
}

void TComboBox::SetStyle(TComboBoxStyle style) {
  if (style_ == style) return;
  style_ = style;
  if (HandleAllocated()) RecreateWnd();
}

void TComboBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  CreateSubClass(params, L"COMBOBOX");
  static constexpr DWORD kStyles[] = {CBS_DROPDOWN, CBS_SIMPLE, CBS_DROPDOWNLIST};
  params.Style |= kStyles[style_] | WS_VSCROLL | CBS_AUTOHSCROLL;
  // The list drops below the field: the window's height is the field's
  // plus the list's.
  if (style_ != csSimple) params.Height = 200;
}

int TComboBox::AddItem(std::string_view text) {
  const std::wstring w = Utf8ToWide(text);
  return static_cast<int>(SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(w.c_str())));
}

int TComboBox::Count() const { return handle_ ? static_cast<int>(SendMessageW(handle_, CB_GETCOUNT, 0, 0)) : 0; }

int TComboBox::ItemIndex() const { return handle_ ? static_cast<int>(SendMessageW(handle_, CB_GETCURSEL, 0, 0)) : -1; }

void TComboBox::SetItemIndex(int index) { SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0); }

std::string TComboBox::Item(int index) const {
  if (!handle_) return {};
  const LRESULT length = SendMessageW(handle_, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == CB_ERR) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(handle_, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return WideToUtf8(text);
}

void TComboBox::WndProc(TMessage& message) {
  if (message.Msg == CN_COMMAND && HIWORD(message.WParam) == CBN_SELCHANGE) {
    if (OnChange) OnChange(this);
    return;
  }
  TStandardControl::WndProc(message);
}

// --- check boxes and radio buttons ---------------------------------------------

TButtonControl::TButtonControl(TComponent* owner) : TStandardControl(owner) {
  SetControlStyle(ControlStyle() | csSetCaption);
  width_ = 97;
  height_ = 17;
}

bool TButtonControl::Checked() const {
  return handle_ && SendMessageW(handle_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TButtonControl::SetChecked(bool value) {
  SendMessageW(Handle(), BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TCheckBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  CreateSubClass(params, L"BUTTON");
  params.Style |= BS_AUTOCHECKBOX;
}

void TRadioButton::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  CreateSubClass(params, L"BUTTON");
  params.Style |= BS_AUTORADIOBUTTON;
}

// --- tree view -------------------------------------------------------------------

TTreeView::TTreeView(TComponent* owner) : TStandardControl(owner) {
  width_ = 121;
  height_ = 97;
}

void TTreeView::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  CreateSubClass(params, WC_TREEVIEWW);
  params.Style |= TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS;
  params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TTreeView::ApplyColors() {
  if (!handle_) return;
  SendMessageW(handle_, TVM_SETBKCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Color())));
  SendMessageW(handle_, TVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Font().Color())));
}

HTREEITEM TTreeView::AddItem(HTREEITEM parent, std::string_view text) {
  std::wstring w = Utf8ToWide(text);
  TVINSERTSTRUCTW insert{};
  insert.hParent = parent ? parent : TVI_ROOT;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT;
  insert.item.pszText = w.data();
  return reinterpret_cast<HTREEITEM>(SendMessageW(Handle(), TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
}

void TTreeView::Expand(HTREEITEM item) {
  SendMessageW(Handle(), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
}

// --- list view --------------------------------------------------------------------

TListView::TListView(TComponent* owner) : TStandardControl(owner) {
  width_ = 250;
  height_ = 150;
}

void TListView::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  CreateSubClass(params, WC_LISTVIEWW);
  params.Style |= LVS_REPORT | LVS_SHOWSELALWAYS;
  params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TListView::ApplyColors() {
  if (!handle_) return;
  const auto back = static_cast<LPARAM>(ColorToRGB(Color()));
  SendMessageW(handle_, LVM_SETBKCOLOR, 0, back);
  SendMessageW(handle_, LVM_SETTEXTBKCOLOR, 0, back);
  SendMessageW(handle_, LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Font().Color())));
}

void TListView::AddColumn(std::string_view caption, int width) {
  std::wstring w = Utf8ToWide(caption);
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.cx = width;
  column.pszText = w.data();
  const HWND header = reinterpret_cast<HWND>(SendMessageW(Handle(), LVM_GETHEADER, 0, 0));
  const auto index = header ? SendMessageW(header, HDM_GETITEMCOUNT, 0, 0) : 0;
  SendMessageW(Handle(), LVM_INSERTCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
}

int TListView::AddItem(std::string_view text) {
  std::wstring w = Utf8ToWide(text);
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.iItem = Count();
  item.pszText = w.data();
  return static_cast<int>(SendMessageW(Handle(), LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

void TListView::SetSubItem(int row, int column, std::string_view text) {
  std::wstring w = Utf8ToWide(text);
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = w.data();
  SendMessageW(Handle(), LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

int TListView::Count() const { return handle_ ? static_cast<int>(SendMessageW(handle_, LVM_GETITEMCOUNT, 0, 0)) : 0; }

// --- progress bar, track bar, tab control ------------------------------------------

TProgressBar::TProgressBar(TComponent* owner) : TStandardControl(owner) {
  SetTabStop(false);
  width_ = 150;
  height_ = 17;
}

void TProgressBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  CreateSubClass(params, PROGRESS_CLASSW);
}

void TProgressBar::SetPosition(int position) { SendMessageW(Handle(), PBM_SETPOS, static_cast<WPARAM>(position), 0); }

TTrackBar::TTrackBar(TComponent* owner) : TStandardControl(owner) {
  width_ = 150;
  height_ = 45;
}

void TTrackBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  CreateSubClass(params, TRACKBAR_CLASSW);
  params.Style |= TBS_AUTOTICKS;
}

void TTrackBar::SetRange(int minimum, int maximum) {
  SendMessageW(Handle(), TBM_SETRANGEMIN, FALSE, minimum);
  SendMessageW(Handle(), TBM_SETRANGEMAX, TRUE, maximum);
}

void TTrackBar::SetPosition(int position) { SendMessageW(Handle(), TBM_SETPOS, TRUE, position); }

TTabControl::TTabControl(TComponent* owner) : TStandardControl(owner) {
  SetControlStyle(ControlStyle() | csAcceptsControls);
  width_ = 289;
  height_ = 193;
}

void TTabControl::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  CreateSubClass(params, WC_TABCONTROLW);
}

void TTabControl::AddTab(std::string_view caption) {
  std::wstring w = Utf8ToWide(caption);
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = w.data();
  const auto count = SendMessageW(Handle(), TCM_GETITEMCOUNT, 0, 0);
  SendMessageW(Handle(), TCM_INSERTITEMW, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(&item));
}

}  // namespace tk
