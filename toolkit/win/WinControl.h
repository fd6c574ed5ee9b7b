#pragma once
// TWinControl: a control with a real window. The window is created when it
// is first needed (HandleNeeded, or showing the form) and can be destroyed and
// created again (RecreateWnd) with the control's state carried over. Windowed
// controls are the containers: they hold child controls, paint their graphic
// children, route the mouse to them, keep the tab order and the focus chain.
//
// System controls (BUTTON, EDIT) are superclassed under the toolkit class
// name, so every message reaches WindowProc from the first one on; what the
// control does not handle goes to the system class's procedure.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "toolkit/win/Control.h"
#include "toolkit/win/Types.h"

namespace tk {

// What a window is created with (TWinControl::CreateParams fills it in).
struct TCreateParams {
  std::wstring Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  int X = 0, Y = 0, Width = 0, Height = 0;
  HWND WndParent = nullptr;
  HMENU Menu = nullptr;
  std::wstring WinClassName;      // the class registered for this control
  const wchar_t* SystemClass = nullptr;  // system class superclassed, or none
  UINT ClassStyle = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
  UINT SystemClassStyleAdded = 0;  // added to a superclassed system class's own styles
};

// What a windowed control asks of the form it sits on (TCustomForm is the
// one): where the keyboard focus is and where it goes. The containers'
// layer reaches forms only through this.
class TFocusHost {
public:
  virtual void SetActiveControl(TWinControl* control) = 0;
  virtual void SetFocusedControl(TWinControl* control) = 0;
  // A control that is hidden, disabled or going away hands the focus on.
  virtual void DefocusControl(TWinControl* control, bool removing) = 0;

protected:
  ~TFocusHost() = default;
};

class TWinControl : public TControl, public TControlParent {
  TK_CLASS(TWinControl)
public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  // The window, created on demand.
  HWND Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }
  void HandleNeeded();
  // Destroys the window (and those of the children); the control keeps its
  // state and gets a new window when one is needed.
  void DestroyHandle();
  void RecreateWnd();
  // The procedure of the system class behind this control (DefWindowProcW for
  // the toolkit's own classes).
  WNDPROC DefWndProc() const { return defWndProc_; }

  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const { return controls_.at(static_cast<std::size_t>(index)); }
  bool ContainsControl(const TControl* control) const;
  // The topmost child at a client point: graphic children always, windowed
  // ones when asked; disabled ones only when asked.
  TControl* ControlAtPos(POINT p, bool allowDisabled, bool allowWinControls = false) const;
  // Delivers a message record to every child control (direct delivery).
  void Broadcast(TMessage& message);

  // Position in the parent's tab order (while loading, the stored value).
  int TabOrder() const;
  void SetTabOrder(int order);
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool value);
  // Windowed descendants in tab order, depth first.
  void GetTabOrderList(std::vector<TWinControl*>& list) const;
  TWinControl* FindNextControl(TWinControl* current, bool goForward, bool checkTabStop, bool checkParent) const;
  void SelectNext(TWinControl* current, bool goForward, bool checkTabStop);
  // Sorts the tab list by the stored TabOrder values (after loading).
  void FixupTabList();

  bool Focused() const;
  virtual bool CanFocus() const;
  virtual void SetFocus();

  bool Ctl3D() const { return ctl3D_; }
  void SetCtl3D(bool value);
  bool ParentBackground() const { return (ControlStyle() & csParentBackground) != 0; }
  void SetParentBackground(bool value);
  // Width of the bevel containers draw (subclasses that draw one use it).
  int BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(int width) { bevelWidth_ = width; }
  bool DoubleBuffered() const { return doubleBuffered_; }
  void SetDoubleBuffered(bool value) { doubleBuffered_ = value; }

  std::string Text() const override;
  void SetText(std::string_view text) override;
  void SetBounds(int left, int top, int width, int height) override;
  RECT ClientRect() const override;
  POINT ClientOrigin() const override;
  void SetVisible(bool visible) override;
  void SetEnabled(bool enabled) override;
  bool Showing() const override;
  void Invalidate() override;
  void Update() override;

  // Lays the aligned children out again in the client area.
  void Realign();

  // Paints the graphic children that intersect the context's clip box, each
  // with the origin at its top-left corner; from `first` on when given.
  void PaintControls(HDC dc, TControl* first);

  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;

  // Moves the mouse record (TMouseRecord) to the control under a
  // screen point: a graphic child, else the window's control.
  static void UpdateMouseControl(POINT screenPoint);
  static void UpdateMouseControl();

  // The control whose window this is (nullptr for foreign windows).
  static TWinControl* FindControl(HWND window);
  // The control of this window or of its nearest ancestor window.
  static TWinControl* FindControlOrAncestor(HWND window);

protected:

  friend class TControl;
  friend class TApplication;

  virtual void CreateParams(TCreateParams& params);
  virtual void CreateWnd();
  virtual void CreateWindowHandle(const TCreateParams& params);
  virtual void DestroyWnd();
  // Destroys the window itself (DestroyWindow; an MDI child asks its client).
  virtual void DestroyWindowHandle(HWND window) { DestroyWindow(window); }
  // Creates the window and those of the children.
  virtual void CreateHandle();
  // Makes the control a superclass of a system control (BUTTON, EDIT...).
  static void CreateSubClass(TCreateParams& params, const wchar_t* systemClass);

  void WndProc(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;
  // The control's own painting into dc (custom controls paint here; system
  // controls let their class paint).
  virtual void PaintWindow(HDC dc);
  // WM_PAINT: the control's painting, then its graphic children. A paint
  // that throws is recorded (ErrorRecord.h), never shown: the control gets
  // its plain background, and a failing graphic child leaves the parent's.
  virtual void PaintHandler(TMessage& message);
  // Whether the toolkit paints this window (false: the system class does).
  virtual bool PaintsItself() const { return defWndProc_ == DefWindowProcW; }
  virtual void EraseBackground(HDC dc);
  // The client area children are placed in (group boxes leave out the caption).
  virtual void AdjustClientRect(RECT& /*rect*/) const {}
  // Places the aligned children in `rest`, which keeps what they leave.
  virtual void AlignControls(RECT& rest);
  // Creates the window through `create`, binding the first messages of the
  // new window to this control (for windows another window creates, such
  // as MDI children).
  void CreateBoundWindow(const std::function<HWND()>& create);

  virtual void KeyDown(WORD& key, TShiftState shift);
  virtual void KeyUp(WORD& key, TShiftState shift);
  virtual void KeyPress(wchar_t& key);
  virtual void DoEnter();
  virtual void DoExit();

  void BeforeDestruction() override;

  // The brush windows of this control are erased with (its Color).
  HBRUSH BackgroundBrush();

  HWND handle_ = nullptr;

private:
  friend LRESULT CALLBACK StdWndProc(HWND, UINT, WPARAM, LPARAM);
  LRESULT MainWndProc(UINT msg, WPARAM wParam, LPARAM lParam);
  TControl& ParentControl() override { return *this; }
  void InsertControl(TControl* control) override;
  void RemoveControl(TControl* control) override;
  void InvalidateChildArea(const RECT& area, bool erase) override;
  void ChildHiddenUnderMouse() override { UpdateMouseControl(); }
  void RequestAlign() override { Realign(); }
  // The form this control sits on, as the keeper of the focus; and the
  // control that is that form.
  TFocusHost* FocusHost() const;
  const TControl* TopControl() const;
  void RegisterWindowClass(const TCreateParams& params);
  bool RouteMouseToGraphicChild(TMessage& message);
  bool HandleMouseMessage(TMessage& message);
  bool HandleKeyMessage(TMessage& message);
  bool HandleChildNotification(TMessage& message);
  bool HandleToolkitNotification(TMessage& message);
  void PaintContent(HDC dc);
  void PaintPlainly(TMessage& message);
  bool ReflectNotification(TMessage& message, HWND child, UINT reflected);
  void ReadBoundsFromWindow();

  WNDPROC defWndProc_ = DefWindowProcW;
  std::vector<TControl*> controls_;
  std::vector<TWinControl*> tabList_;
  TControl* captureControl_ = nullptr;
  int tabOrder_ = -1;
  bool tabStop_ = false;
  bool ctl3D_ = true;
  bool doubleBuffered_ = false;
  int bevelWidth_ = 1;
  HBRUSH backgroundBrush_ = nullptr;
  COLORREF backgroundBrushColor_ = 0;
};

}  // namespace tk
