#include "toolkit/win/Edit.h"

#include "toolkit/win/StandardControls.h"
#include "toolkit/win/Unicode.h"

namespace tk {

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  SetControlStyle((ControlStyle() | csSetCaption) & ~(csClickEvents | csCaptureMouse));
  width_ = 121;
  height_ = 21;
  SetTabStop(true);
  SetColor(clWindow);
}

void TCustomEdit::SetBorderStyle(TBorderStyle style) {
  if (borderStyle_ == style) return;
  borderStyle_ = style;
  RecreateWnd();
}

void TCustomEdit::SetPasswordChar(wchar_t ch) {
  if (passwordChar_ == ch) return;
  passwordChar_ = ch;
  if (HandleAllocated()) {
    SendMessageW(handle_, EM_SETPASSWORDCHAR, ch, 0);
    Invalidate();
  }
}

void TCustomEdit::SetMaxLength(int length) {
  maxLength_ = length;
  if (HandleAllocated()) SendMessageW(handle_, EM_LIMITTEXT, static_cast<WPARAM>(length), 0);
}

void TCustomEdit::SetReadOnly(bool value) {
  readOnly_ = value;
  if (HandleAllocated()) SendMessageW(handle_, EM_SETREADONLY, value, 0);
}

void TCustomEdit::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  CreateSubClass(params, L"EDIT");
  // One device context for all the edits of a class: an edit takes a context
  // as it is created (to measure its font) and for every paint, and under
  // Wine the first context of each window costs about half a millisecond,
  // as much as creating the window (eleven edits on the main window).
  // Edits use their context one at a time and set their font and colours
  // on it before each use.
  params.SystemClassStyleAdded |= CS_CLASSDC;
  params.Style |= ES_AUTOHSCROLL | ES_LEFT;
  if (readOnly_) params.Style |= ES_READONLY;
  if (passwordChar_) params.Style |= ES_PASSWORD;
  if (borderStyle_ == bsSingle) {
    if (Ctl3D())
      params.ExStyle |= WS_EX_CLIENTEDGE;
    else
      params.Style |= WS_BORDER;
  }
}

void TCustomEdit::CreateWnd() {
  TWinControl::CreateWnd();
  SendMessageW(handle_, EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
  if (passwordChar_) SendMessageW(handle_, EM_SETPASSWORDCHAR, passwordChar_, 0);
}

int TCustomEdit::SelStart() const {
  if (!handle_) return 0;
  DWORD start = 0;
  SendMessageW(handle_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
  return static_cast<int>(start);
}

void TCustomEdit::SetSelStart(int start) {
  if (handle_) SendMessageW(handle_, EM_SETSEL, static_cast<WPARAM>(start), start);
}

int TCustomEdit::SelLength() const {
  if (!handle_) return 0;
  DWORD start = 0, end = 0;
  SendMessageW(handle_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(end - start);
}

void TCustomEdit::SetSelLength(int length) {
  if (handle_) {
    const int start = SelStart();
    SendMessageW(handle_, EM_SETSEL, static_cast<WPARAM>(start), start + length);
  }
}

std::string TCustomEdit::SelText() const {
  const std::wstring all = Utf8ToWide(Text());
  const auto start = static_cast<std::size_t>(SelStart());
  if (start >= all.size()) return {};
  return WideToUtf8(std::wstring_view(all).substr(start, static_cast<std::size_t>(SelLength())));
}

void TCustomEdit::SelectAll() {
  if (handle_) SendMessageW(handle_, EM_SETSEL, 0, -1);
}

bool TCustomEdit::CanUndo() const { return handle_ && SendMessageW(handle_, EM_CANUNDO, 0, 0) != 0; }

void TCustomEdit::Undo() {
  if (handle_) SendMessageW(handle_, EM_UNDO, 0, 0);
}

void TCustomEdit::CopyToClipboard() {
  if (handle_) SendMessageW(handle_, WM_COPY, 0, 0);
}

void TCustomEdit::CutToClipboard() {
  if (handle_) SendMessageW(handle_, WM_CUT, 0, 0);
}

void TCustomEdit::PasteFromClipboard() {
  if (handle_) SendMessageW(handle_, WM_PASTE, 0, 0);
}

bool TCustomEdit::Modified() const { return handle_ && SendMessageW(handle_, EM_GETMODIFY, 0, 0) != 0; }

void TCustomEdit::SetModified(bool value) {
  if (handle_) SendMessageW(handle_, EM_SETMODIFY, value, 0);
}

void TCustomEdit::Change() {
  Perform(CM_CHANGED);
  if (OnChange) OnChange(this);
}

void TCustomEdit::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_COMMAND:
      if (HIWORD(message.WParam) == EN_CHANGE && !(ControlState() & csCreating) && !IsLoading()) Change();
      return;
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC:
      message.Result = AnswerReflectedColor(*this, reinterpret_cast<HDC>(message.WParam), colorBrush_);
      return;
    case CM_ENTER:
      // Entered with the keyboard: the whole text is selected, ready to type over.
      if (autoSelect_ && GetKeyState(VK_LBUTTON) >= 0) SelectAll();
      TWinControl::WndProc(message);
      return;
    case CM_CTL3DCHANGED:
      RecreateWnd();
      return;
    case CM_FONTCHANGED:
    case CM_COLORCHANGED:
      TWinControl::WndProc(message);
      if (HandleAllocated()) InvalidateRect(handle_, nullptr, TRUE);
      return;
    default: break;
  }
  TWinControl::WndProc(message);
}

}  // namespace tk
