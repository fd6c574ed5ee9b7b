#pragma once
// Single-line text fields: windows of the system EDIT class, so typing,
// selection with mouse and keyboard, the clipboard and undo are the system's
// own. The toolkit adds colours (Color and Font.Color through the reflected
// WM_CTLCOLOREDIT), the border style, the password character and change
// notification: every change of the text, by the user or by code, sends
// CM_CHANGED to the edit and then calls OnChange.

#include <string>
#include <string_view>

#include "toolkit/win/Canvas.h"
#include "toolkit/win/Form.h"
#include "toolkit/win/WinControl.h"

namespace tk {

class TCustomEdit : public TWinControl {
  TK_CLASS(TCustomEdit)
public:
  explicit TCustomEdit(TComponent* owner);

  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle style);
  // 0: the text is shown as typed.
  wchar_t PasswordChar() const { return passwordChar_; }
  void SetPasswordChar(wchar_t ch);
  // 0: no limit beyond the system's.
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int length);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value);
  // Select the whole text when the field is entered with the keyboard.
  bool AutoSelect() const { return autoSelect_; }
  void SetAutoSelect(bool value) { autoSelect_ = value; }

  // Selection in characters (UTF-16 units, as the system counts them).
  int SelStart() const;
  void SetSelStart(int start);
  int SelLength() const;
  void SetSelLength(int length);
  std::string SelText() const;
  void SelectAll();
  void Clear() { SetText(""); }
  bool CanUndo() const;
  void Undo();
  void CopyToClipboard();
  void CutToClipboard();
  void PasteFromClipboard();
  bool Modified() const;
  void SetModified(bool value);

  TNotifyEvent OnChange;

protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;
  // The text changed: CM_CHANGED, then OnChange.
  virtual void Change();

private:
  TBorderStyle borderStyle_ = bsSingle;
  wchar_t passwordChar_ = 0;
  int maxLength_ = 0;
  bool readOnly_ = false;
  bool autoSelect_ = true;
  TBrush colorBrush_;
};

class TEdit : public TCustomEdit {
  TK_CLASS(TEdit)
public:
  explicit TEdit(TComponent* owner) : TCustomEdit(owner) {}
};

// The field class the main window's edits are made of. It takes any text:
// edit masks are not interpreted (the window uses none).
class TCustomMaskEdit : public TCustomEdit {
  TK_CLASS(TCustomMaskEdit)
public:
  explicit TCustomMaskEdit(TComponent* owner) : TCustomEdit(owner) {}
};

class TMaskEdit : public TCustomMaskEdit {
  TK_CLASS(TMaskEdit)
public:
  explicit TMaskEdit(TComponent* owner) : TCustomMaskEdit(owner) {}
};

}  // namespace tk
