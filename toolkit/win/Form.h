#pragma once
// Forms: top-level windows with a border style and title-bar buttons, a
// start position, key preview, the active control and Tab navigation, the
// default and cancel buttons' dialog keys, and the close/modal protocol.
// A form class reads its stored layout (LoadStoredLayout) before OnCreate.

#include <windows.h>

#include <functional>
#include <string_view>

#include "toolkit/win/CustomControl.h"

namespace tk {

class TCustomForm;
class TMainMenu;

// What forms need from the application that runs them (TApplication is
// the one; it registers itself). Without one, forms have no main form and
// cannot run modally.
class TFormHost {
public:
  virtual TCustomForm* MainForm() const = 0;
  virtual void FormDestroyed(TCustomForm* form) = 0;
  // Ends the program's message loop (the main form closed).
  virtual void Terminate() = 0;
  virtual bool Terminated() const = 0;
  // Handles one message, waiting for one when none is there.
  virtual void HandleMessage() = 0;
  // Frees the form once the current message is done.
  virtual void PostRelease(TCustomForm* form) = 0;
  virtual void CancelHint() = 0;

  static TFormHost* Current() { return current_; }

protected:
  ~TFormHost() = default;
  static void SetCurrent(TFormHost* host) { current_ = host; }

private:
  static inline TFormHost* current_ = nullptr;
};

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
// Edits and other controls use the first two values.
using TBorderStyle = TFormBorderStyle;

enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
using TBorderIcons = unsigned;

enum TPosition {
  poDesigned,
  poDefault,
  poDefaultPosOnly,
  poDefaultSizeOnly,
  poScreenCenter,
  poDesktopCenter,
  poMainFormCenter,
  poOwnerFormCenter,
};

enum TCloseAction { caNone, caHide, caFree, caMinimize };

// fsMDIForm: the form's client area holds a platform MDI client window
// ("MDICLIENT") whose children are the fsMDIChild forms. An MDI child lives
// in the client window of its MDI parent (SetMDIParent; by default the
// application's main form when that is an MDI form).
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TTileMode { tbHorizontal, tbVertical };

class TMenuItem;

using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;
using TCloseQueryEvent = std::function<void(TObject* sender, bool& canClose)>;

class TCustomForm : public TCustomControl, public TFocusHost {
  TK_CLASS(TCustomForm)
public:
  explicit TCustomForm(TComponent* owner);
  ~TCustomForm() override;

  // Reads the layout stored in the executable as an RCDATA resource named
  // after the class (upper case, e.g. "TFORM1"); nothing when there is none.
  void LoadStoredLayout();
  // Reads a layout text into this form (see LayoutReader.h).
  void ReadLayout(std::string_view text);
  // Runs OnCreate (once).
  void DoCreate();

  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle style);
  TBorderIcons BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(TBorderIcons icons);
  TFormStyle FormStyle() const { return formStyle_; }
  void SetFormStyle(TFormStyle style);

  // --- MDI (FormMDI.cpp) -------------------------------------------------
  bool IsMDIForm() const { return formStyle_ == fsMDIForm; }
  bool IsMDIChild() const { return formStyle_ == fsMDIChild; }
  // The MDI client window of an MDI form (none before its window exists).
  HWND ClientHandle() const { return clientHandle_; }
  // The MDI form whose client window holds this MDI child.
  TCustomForm* MDIParent() const;
  void SetMDIParent(TCustomForm* parent);
  // The MDI children, as the client window lists them (top of the Z order
  // first); the active one and whether it is maximized.
  int MDIChildCount() const;
  TCustomForm* MDIChildren(int index) const;
  TCustomForm* ActiveMDIChild(bool* maximized = nullptr) const;
  // The client window's arrangements and activation.
  void Cascade();
  void Tile();
  void ArrangeIcons();
  void Next();
  void Previous();
  TTileMode TileMode() const { return tileMode_; }
  void SetTileMode(TTileMode mode) { tileMode_ = mode; }
  void MDIActivate(TCustomForm* child);
  void MDIMaximize(TCustomForm* child);
  void MDIRestore(TCustomForm* child);
  // The menu whose submenu lists the children (the window menu); optional.
  TMenuItem* WindowMenu() const { return windowMenu_; }
  void SetWindowMenu(TMenuItem* item);

  TPosition Position() const { return position_; }
  void SetPosition(TPosition position) { position_ = position; }
  bool KeyPreview() const { return keyPreview_; }
  void SetKeyPreview(bool value) { keyPreview_ = value; }
  // Stored design facts, kept for code that asks; the toolkit does not scale.
  int PixelsPerInch = 96;
  int DesignTextHeight = 0;

  // The client size is what a form keeps: the window is sized around it
  // with the frame the window itself reports (WM_NCCALCSIZE, which a skin
  // may answer with its own frame widths), and a later change of frame
  // keeps it. Layers that take the window over pass WM_WINDOWPOSCHANGING
  // and WM_WINDOWPOSCHANGED on.
  void SetClientSize(int width, int height) override;
  void SetClientWidth(int width) { SetClientSize(width, ClientHeight()); }
  void SetClientHeight(int height) { SetClientSize(ClientWidth(), height); }
  RECT ClientRect() const override;
  POINT ClientOrigin() const override;

  // The control that has (or gets, when the form is activated) the focus.
  TWinControl* ActiveControl() const { return activeControl_; }
  void SetActiveControl(TWinControl* control) override;
  // Called by a windowed control of this form that received the focus.
  void SetFocusedControl(TWinControl* control) override;
  // A control that is hidden, disabled or going away hands the focus on.
  void DefocusControl(TWinControl* control, bool removing) override;
  void SelectFirst();
  bool Active() const;

  void SetVisible(bool visible) override;
  void SetFocus() override;
  bool CanFocus() const override;
  // CloseQuery, OnClose, then hide / free / minimize as the action says; the
  // main form ends the application.
  void Close();
  bool CloseQuery();
  // Shows the form and runs messages until ModalResult is set or it closes.
  TModalResult ShowModal();
  // Frees the form once the current message is done.
  void Release();
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult result) { modalResult_ = result; }

  // The menu bar (none by default); the form's client size is kept.
  TMainMenu* Menu() const { return menu_; }
  void SetMenu(TMainMenu* menu);

  // Shortcut keys of the form's action lists; true when one executed.
  bool IsShortCut(WORD key, TShiftState shift);

  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TNotifyEvent OnPaint;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;

  void SetParent(TControlParent* parent) override;

protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void CreateWindowHandle(const TCreateParams& params) override;
  void DestroyWnd() override;
  void DestroyWindowHandle(HWND window) override;
  void DefaultHandler(TMessage& message) override;
  void AlignControls(RECT& rest) override;
  void WndProc(TMessage& message) override;
  void Paint() override;
  void BeforeDestruction() override;
  void Notification(TComponent* component, TOperation operation) override;
  DWORD WindowStyle() const;
  DWORD WindowExStyle() const;

private:
  void PlaceOnScreen(int& x, int& y, int width, int height) const;
  void TrimSystemMenu();
  void HoldClientSize();
  bool HandleSizeMessage(TMessage& message);
  void ClientSizeChanged();
  void NoteClientSizeWindow();
  // The window was given a size it has not yet told as its new client size.
  bool SizeChangeUnderWay() const;
  void Activated(bool active, bool minimized);
  bool HandleDialogKey(TMessage& message);
  // FormMDI.cpp
  void CreateMDIClient();
  void CreateMDIChildWindow(const TCreateParams& params);
  bool HandleMDIMessage(TMessage& message);
  void PlaceMDIChild(int& x, int& y) const;
  // An MDI child's menu goes onto its parent's bar while the child is the
  // active one, and leaves it when the child is not.
  void MergeMenu(bool active);
  // The parent's bar was built again: the client window lists the
  // children in the new window menu.
  void MenuBarRebuilt();

  TFormBorderStyle borderStyle_ = bsSizeable;
  TBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize;
  TPosition position_ = poDesigned;
  TFormStyle formStyle_ = fsNormal;
  TTileMode tileMode_ = tbHorizontal;
  HWND clientHandle_ = nullptr;
  TCustomForm* mdiParent_ = nullptr;
  TMenuItem* windowMenu_ = nullptr;
  bool keyPreview_ = false;
  int clientWidth_ = -1;
  int clientHeight_ = -1;
  SIZE clientSizeWindow_{-1, -1};  // the window's size when the client size was last taken or held
  bool holdingClientSize_ = false;
  bool frameChanging_ = false;
  TMainMenu* menu_ = nullptr;
  TWinControl* activeControl_ = nullptr;
  TWinControl* focusedControl_ = nullptr;
  TModalResult modalResult_ = mrNone;
  bool created_ = false;
  bool shownOnce_ = false;
  bool modal_ = false;
};

// The form a control sits on (the control itself when it is a form).
TCustomForm* GetParentForm(const TControl* control);

class TForm : public TCustomForm {
  TK_CLASS(TForm)
public:
  explicit TForm(TComponent* owner) : TCustomForm(owner) {}
};

}  // namespace tk
