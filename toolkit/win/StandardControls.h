#pragma once
// The system's standard child controls as thin toolkit controls: a list box,
// a multi-line edit (memo), a combo box, check boxes and radio buttons, a
// tree view, a list view, a progress bar, a track bar and a tab control.
// Each is a window of the system class superclassed under the toolkit class
// name (WinControl.h), so the system draws and runs it and the toolkit adds
// only what its users set: items, the check state, the position, the colour
// the reflected colour messages answer with.

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <string_view>

#include "toolkit/win/Canvas.h"
#include "toolkit/win/Edit.h"
#include "toolkit/win/WinControl.h"

namespace tk {

// The answer to a reflected colour message (CN_CTLCOLOR...): the control's
// font colour and Color on the context, and a brush of Color (kept in brush).
LRESULT AnswerReflectedColor(const TControl& control, HDC dc, TBrush& brush);

// A control of a system class whose colours the toolkit sets through the
// reflected colour messages (Color for the background, Font.Color for text).
class TStandardControl : public TWinControl {
  TK_CLASS(TStandardControl)
public:
  explicit TStandardControl(TComponent* owner);

protected:
  void CreateWnd() override;
  void WndProc(TMessage& message) override;
  // Controls that take their colours by messages of their own (tree and
  // list views) set them here: after the window is made and whenever Color
  // or the font changes.
  virtual void ApplyColors() {}

private:
  TBrush colorBrush_;
};

// Items of a list-like control: added at the end, counted, cleared.
class TListBox : public TStandardControl {
  TK_CLASS(TListBox)
public:
  explicit TListBox(TComponent* owner);
  int AddItem(std::string_view text);
  int Count() const;
  void Clear();
  int TopIndex() const;
  void SetTopIndex(int index);

protected:
  void CreateParams(TCreateParams& params) override;
};

class TMemo : public TCustomEdit {
  TK_CLASS(TMemo)
public:
  explicit TMemo(TComponent* owner);
  // Both bars by default; a memo without them wraps its lines.
  bool ScrollBars() const { return scrollBars_; }
  void SetScrollBars(bool value);

protected:
  void CreateParams(TCreateParams& params) override;

private:
  bool scrollBars_ = true;
};

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList };

class TComboBox : public TStandardControl {
  TK_CLASS(TComboBox)
public:
  explicit TComboBox(TComponent* owner);
  TComboBoxStyle Style() const { return style_; }
  void SetStyle(TComboBoxStyle style);
  int AddItem(std::string_view text);
  int Count() const;
  int ItemIndex() const;
  void SetItemIndex(int index);
  // The text of an item.
  std::string Item(int index) const;
  // The user chose another item.
  TNotifyEvent OnChange;

protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;

private:
  TComboBoxStyle style_ = csDropDown;
};

// Check boxes and radio buttons: BUTTON windows that check themselves.
class TButtonControl : public TStandardControl {
  TK_CLASS(TButtonControl)
public:
  explicit TButtonControl(TComponent* owner);
  bool Checked() const;
  void SetChecked(bool value);
};

class TCheckBox : public TButtonControl {
  TK_CLASS(TCheckBox)
public:
  explicit TCheckBox(TComponent* owner) : TButtonControl(owner) {}

protected:
  void CreateParams(TCreateParams& params) override;
};

class TRadioButton : public TButtonControl {
  TK_CLASS(TRadioButton)
public:
  explicit TRadioButton(TComponent* owner) : TButtonControl(owner) {}

protected:
  void CreateParams(TCreateParams& params) override;
};

class TTreeView : public TStandardControl {
  TK_CLASS(TTreeView)
public:
  explicit TTreeView(TComponent* owner);
  // Adds an item under parent (none: at the root); returns the new item.
  HTREEITEM AddItem(HTREEITEM parent, std::string_view text);
  void Expand(HTREEITEM item);

protected:
  void CreateParams(TCreateParams& params) override;
  void ApplyColors() override;
};

// A list view in report style.
class TListView : public TStandardControl {
  TK_CLASS(TListView)
public:
  explicit TListView(TComponent* owner);
  void AddColumn(std::string_view caption, int width);
  // Adds a row with its first column's text; returns its index.
  int AddItem(std::string_view text);
  void SetSubItem(int row, int column, std::string_view text);
  int Count() const;

protected:
  void CreateParams(TCreateParams& params) override;
  void ApplyColors() override;
};

class TProgressBar : public TStandardControl {
  TK_CLASS(TProgressBar)
public:
  explicit TProgressBar(TComponent* owner);
  void SetPosition(int position);

protected:
  void CreateParams(TCreateParams& params) override;
};

class TTrackBar : public TStandardControl {
  TK_CLASS(TTrackBar)
public:
  explicit TTrackBar(TComponent* owner);
  void SetRange(int minimum, int maximum);
  void SetPosition(int position);

protected:
  void CreateParams(TCreateParams& params) override;
};

class TTabControl : public TStandardControl {
  TK_CLASS(TTabControl)
public:
  explicit TTabControl(TComponent* owner);
  void AddTab(std::string_view caption);

protected:
  void CreateParams(TCreateParams& params) override;
};

}  // namespace tk
