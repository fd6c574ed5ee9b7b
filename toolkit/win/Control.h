#pragma once
// TControl: anything placed on a parent - bounds, visibility, enabled state,
// text, font, colour, hint, action link and mouse handling. Graphic controls
// (TGraphicControl) have no window and paint on their parent; windowed
// controls (TWinControl) own a real HWND.
//
// Every control has a window procedure in two layers:
//   WindowProc  - the chain of hooks (WndProcChain.h). Whoever wants to see
//                 or answer a control's messages first (a skin's form
//                 skinning, a wrapper, a test's recorder) installs a hook
//                 under its own id and removes exactly that one later.
//   WndProc     - the class's own handling (virtual), the chain's base;
//                 subclasses handle what they add and call the base for the
//                 rest, which ends in DefaultHandler (the system window
//                 procedure for windows).
// Perform() and Deliver() hand a message record straight to WindowProc; for
// windowed controls the window system goes through WindowProc as well.
//
// Notifications (Messages.h): CM_MOUSEENTER / CM_MOUSELEAVE (LParam = the
// control), CM_ENABLEDCHANGED, CM_VISIBLECHANGED, CM_FONTCHANGED,
// CM_COLORCHANGED, CM_TEXTCHANGED, CM_PARENTFONTCHANGED,
// CM_PARENTCOLORCHANGED, CM_ACTIONUPDATE; windowed controls add focus, enter
// and exit, dialog keys and characters.
//
// Moves and resizes of graphic controls are reported as WM_MOVE, WM_SIZE and
// WM_WINDOWPOSCHANGED through WindowProc, like the system does for windows.

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

#include "toolkit/core/CallbackSlot.h"
#include "toolkit/win/ActionList.h"
#include "toolkit/win/BiDiMode.h"
#include "toolkit/win/Colors.h"
#include "toolkit/win/Component.h"
#include "toolkit/win/Font.h"
#include "toolkit/win/Messages.h"
#include "toolkit/win/WndProcChain.h"

namespace tk {

class TControl;
class TWinControl;

// What a control asks of the windowed control it is placed on (TWinControl
// is the one): a control reaches its parent only through this, so the
// controls' layer stays below the containers'.
class TControlParent {
public:
  virtual TControl& ParentControl() = 0;
  virtual void InsertControl(TControl* control) = 0;
  virtual void RemoveControl(TControl* control) = 0;
  // Repaints a child's area (the parent's client coordinates); erase: with
  // the background.
  virtual void InvalidateChildArea(const RECT& area, bool erase) = 0;
  // A child under the mouse was hidden: the mouse record moves on to what is
  // under the mouse now.
  virtual void ChildHiddenUnderMouse() = 0;
  // An aligned child moved, changed size, showed, hid or changed its
  // alignment: the aligned children are laid out again.
  virtual void RequestAlign() {}

protected:
  ~TControlParent() = default;
};

// The toolkit's record of the control under the mouse - a graphic child or
// a window - as the last mouse message showed it (TWinControl::
// UpdateMouseControl finds it). Moving the record sends CM_MOUSELEAVE to the
// control left, then CM_MOUSEENTER to the one entered; CM_MOUSEENTER and
// CM_MOUSELEAVE carry the control in LParam.
class TMouseRecord {
public:
  static TControl* Current();
  static void MoveTo(TControl* control);
  // Told after the record moved (hints follow it), and of every control
  // that goes away or leaves its parent.
  static TCallbackList<void(TControl*)>& Changed();
  static TCallbackList<void(const TControl*)>& Going();
  // The control leaves the record; the listeners forget it.
  static void Forget(const TControl* control);
};

// How a control class behaves (fixed per class, changed by subclasses).
enum TControlStyleFlag : unsigned {
  csAcceptsControls = 1,    // may be the parent of other controls
  csCaptureMouse = 2,       // keeps the mouse while a button is held on it
  csClickEvents = 4,        // a press and release inside it is a Click
  csFramed = 8,
  csSetCaption = 16,        // the text follows the Name until set otherwise
  csOpaque = 32,            // paints its whole rectangle
  csDoubleClicks = 64,
  csNoDesignVisible = 128,  // hidden at design time
  csReplicatable = 256,
  csParentBackground = 512, // shows the parent's background where it does not paint
};
using TControlStyle = unsigned;

// Transient state of a control.
enum TControlStateFlag : unsigned {
  csLButtonDown = 1,
  csClicked = 2,
  csFocusing = 4,
  csCreating = 8,       // its window is being created
  csReadingState = 16,  // a layout reader is setting its stored properties
  csAligning = 32,
  csDestroyingHandle = 64,
};
using TControlState = unsigned;

// Where a control docks in its parent's client area: aligned controls take
// the edges in the order top, bottom, left, right (each in its current
// order among the parent's children), and alClient the rest.
enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

class TControl : public TComponent, protected TActionClient {
  TK_CLASS(TControl)
public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  TWndProcChain WindowProc;
  LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
  // Direct delivery of a record: the handler's writes (LParam too) come back.
  void Deliver(TMessage& message) { WindowProc(message); }

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TControlParent* parent);
  void SetParentComponent(TComponent* parent) override;
  TComponent* GetParentComponent() const override;

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int value) { SetBounds(value, top_, width_, height_); }
  void SetTop(int value) { SetBounds(left_, value, width_, height_); }
  void SetWidth(int value) { SetBounds(left_, top_, value, height_); }
  void SetHeight(int value) { SetBounds(left_, top_, width_, value); }
  virtual void SetBounds(int left, int top, int width, int height);
  RECT BoundsRect() const { return RECT{left_, top_, left_ + width_, top_ + height_}; }
  void SetBoundsRect(const RECT& r) { SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top); }

  // The area children and contents use, in the control's own coordinates.
  virtual RECT ClientRect() const;
  int ClientWidth() const { return RectWidth(ClientRect()); }
  int ClientHeight() const { return RectHeight(ClientRect()); }
  virtual void SetClientSize(int width, int height);
  // Screen position of the client area's top-left corner.
  virtual POINT ClientOrigin() const;
  POINT ClientToScreen(POINT p) const;
  POINT ScreenToClient(POINT p) const;

  bool Visible() const { return visible_; }
  TAlign Align() const { return align_; }
  void SetAlign(TAlign align);
  virtual void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible, and so is every parent up to a form whose window is shown.
  virtual bool Showing() const;

  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool enabled);

  // Caption and Text are the same string (UTF-8); windowed controls read it
  // from their window, where the user may have changed it.
  virtual std::string Text() const { return text_; }
  virtual void SetText(std::string_view text);
  std::string Caption() const { return Text(); }
  void SetCaption(std::string_view text) { SetText(text); }

  TFont& Font() { return font_; }
  const TFont& Font() const { return font_; }
  void SetFont(const TFont& font) { font_.Assign(font); }
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool value);

  TColor Color() const { return color_; }
  void SetColor(TColor color);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool value);

  const std::string& Hint() const { return hint_; }
  void SetHint(std::string_view hint) { hint_ = hint; }
  // The name screen readers give the control when its caption, hint or
  // label window does not name it (Accessibility.h); empty: theirs.
  const std::string& AccessibleName() const { return accessibleName_; }
  void SetAccessibleName(std::string_view name) { accessibleName_ = name; }
  // The stored switch; see EffectiveShowHint for what applies.
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool value);
  bool ParentShowHint() const { return parentShowHint_; }
  void SetParentShowHint(bool value);
  bool EffectiveShowHint() const;

  // Reading order of the text (BiDiMode.h); setting it tells the control
  // (CM_BIDIMODECHANGED) and repaints it.
  TBiDiMode BiDiMode() const { return biDiMode_; }
  void SetBiDiMode(TBiDiMode mode);
  // The text reads right to left / is aligned mirrored: only where the
  // system reads right to left.
  bool UseRightToLeftReading() const;
  bool UseRightToLeftAlignment() const;
  // DrawText options adjusted for the control's reading order.
  UINT DrawTextBiDiModeFlags(UINT flags) const;

  TControlStyle ControlStyle() const { return controlStyle_; }
  void SetControlStyle(TControlStyle style) { controlStyle_ = style; }
  TControlState ControlState() const { return controlState_; }
  void SetControlState(TControlState state) { controlState_ = state; }

  TBasicAction* Action() const { return action_; }
  void SetAction(TBasicAction* action);

  // Repaint requests: Invalidate marks the area, Update paints what is marked
  // now, Repaint does both.
  virtual void Invalidate();
  virtual void Update();
  void Repaint();
  void Refresh() { Repaint(); }

  // True while the mouse is over this control (TMouseRecord).
  bool MouseInControl() const { return TMouseRecord::Current() == this; }

  virtual void Click();
  virtual void DblClick();

  void SetName(std::string_view name) override;

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;

protected:
  friend class TWinControl;

  virtual void WndProc(TMessage& message);
  // What happens to a message nobody handled: text messages for graphic
  // controls, the system window procedure for windowed ones.
  virtual void DefaultHandler(TMessage& message);

  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);

  // The linked action changed (or was just linked); copies its caption,
  // enabled state, hint and visibility.
  void ActionChange(TBasicAction* sender, bool checkDefaults) override;
  void ActionUpdated(TBasicAction* sender) override;
  void ActionGone(TBasicAction* sender) override;
  void Notification(TComponent* component, TOperation operation) override;
  void BeforeDestruction() override;

  // Stores new bounds without moving anything (windowed controls call it when
  // the system moved their window).
  void UpdateBoundsRect(const RECT& r);
  // Asks the parent to repaint this control's rectangle.
  void InvalidateControl(bool wasVisible, bool opaque);
  // True when the control is this one or one of its children, at any depth.
  bool IsParentOf(const TControl* control) const;

  int left_ = 0;
  int top_ = 0;
  int width_ = 0;
  int height_ = 0;
  std::string text_;
  bool visible_ = true;
  bool enabled_ = true;

private:
  void FontChanged();
  void SetColorFromParent(TColor color);
  void HandleMouseButton(TMessage& message, TMouseButton button, bool down, bool doubleClick);
  bool HandleMouseMessage(TMessage& message);
  bool HandleNotification(TMessage& message);

  TControl* ParentControl() const { return container_ ? &container_->ParentControl() : nullptr; }

  TWinControl* parent_ = nullptr;      // the same object as container_
  TControlParent* container_ = nullptr;
  TFont font_;
  bool parentFont_ = true;
  bool updatingParentFont_ = false;
  TColor color_ = clWindow;
  bool parentColor_ = false;
  std::string hint_;
  std::string accessibleName_;
  bool showHint_ = false;
  bool parentShowHint_ = true;
  TBiDiMode biDiMode_ = bdLeftToRight;
  TAlign align_ = alNone;
  TControlStyle controlStyle_ = csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
  TControlState controlState_ = 0;
  TBasicAction* action_ = nullptr;
};

// "&Save" has the accelerator 's'; "&&" is a literal '&'.
bool IsAccel(wchar_t key, std::string_view caption);

}  // namespace tk
