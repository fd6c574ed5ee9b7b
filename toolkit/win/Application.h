#pragma once
// The application object: its hidden window (window class "TApplication",
// the target of timers and of requests posted to the application, which code
// such as a skin manager may hook), its title, its forms (owned by it, the
// first created one being the main form), the message loop with the
// toolkit's keyboard handling, hints (which follow TMouseRecord), and the
// showing of exceptions that reach a window procedure outside painting. It
// is the forms' TFormHost: the lower layers reach it only through that and
// through the callbacks it registers. Everything runs on the one
// user-interface thread.
//
// Keyboard, for a key message to a control of a form:
//   key down   1. the form's OnKeyDown first when its KeyPreview is on (a key
//                 set to 0 there is consumed);
//              2. shortcuts of the form's action lists (Ctrl+Shift+X reaches
//                 its action whatever control has the focus);
//              3. Tab, Enter and Esc, unless the control asks for them
//                 (WM_GETDLGCODE), go to the form as CM_DIALOGKEY: Tab moves
//                 the focus in tab order, Enter clicks the default button,
//                 Esc the cancel button;
//              4. otherwise the control gets the key (WM_KEYDOWN, KeyDown).
//   key up     the form's OnKeyUp first with KeyPreview, then the control.
//   character  the form's OnKeyPress first with KeyPreview, then the control;
//              Alt+character goes to the form's controls as CM_DIALOGCHAR.

#include <windows.h>

#include <exception>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "toolkit/win/Component.h"
#include "toolkit/win/Form.h"
#include "toolkit/win/HintManager.h"
#include "toolkit/win/Messages.h"
#include "toolkit/core/CallbackSlot.h"

namespace tk {

class TControl;
class TCustomForm;

class TApplication : public TComponent, public TFormHost {
  TK_CLASS(TApplication)
public:
  static TApplication& Instance();

  // Registers the common controls and creates the application window.
  void Initialize();
  HWND Handle();

  const std::string& Title() const { return title_; }
  void SetTitle(std::string_view title);

  TCustomForm* MainForm() const override { return mainForm_; }
  // Creates a form owned by the application: the layout stored under the
  // form's class name is read, then OnCreate runs. The first form created
  // becomes the main form.
  template <class T>
  T* CreateForm();

  // Shows the main form and runs the message loop until Terminate.
  void Run();
  void Terminate() override;
  bool Terminated() const override { return terminated_; }
  // Lets a program (or a test) run another loop after a Terminate.
  void ResumeAfterTerminate() { terminated_ = false; }
  // Handles every message waiting now, without waiting for more.
  void ProcessMessages();
  // Handles one message; waits for one when none is there (after idle work).
  void HandleMessage() override;
  // Removes and handles one message; false when there was none.
  bool ProcessMessage(MSG& msg);
  // Frees every form (at the end of Run).
  void DestroyForms();

  void Minimize();
  void Restore();

  bool ShowHint() const { return hints_.Enabled; }
  void SetShowHint(bool value);
  void CancelHint() override { hints_.Cancel(); }
  // Its Pause and HidePause say when hints show and go.
  THintManager& Hints() { return hints_; }

  // The control under the mouse, as the last mouse message showed it
  // (TMouseRecord).
  TControl* MouseControl() const;

  // Hooks of the application window: called first for every message it
  // receives; a hook returning true has handled it (Result set).
  using TWindowHook = std::function<bool(TMessage&)>;
  int HookMainWindow(TWindowHook hook);
  void UnhookMainWindow(int id);

  // A timer on the application window; returns its id (never 0).
  UINT_PTR AddTimer(UINT interval, std::function<void()> onTimer);
  void RemoveTimer(UINT_PTR id);

  // Frees a form once the current message is done.
  void PostRelease(TCustomForm* form) override;

  // Handles the exception being thrown (call from a catch block): OnException
  // when assigned, else a message box with its text.
  void HandleException(TObject* sender);
  std::function<void(const std::exception&)> OnException;
  TNotifyEvent OnIdle;

  int MessageBox(std::string_view text, std::string_view caption, UINT flags);

private:
  TApplication();
  friend class TCustomForm;
  bool IsMDIMsg(MSG& msg);
  bool IsKeyMsg(MSG& msg);
  void Idle();
  void UpdateActions();
  void FormDestroyed(TCustomForm* form) override;
  static LRESULT CALLBACK WndProc(HWND, UINT, WPARAM, LPARAM);
  void AdoptForm(TCustomForm* form);

  HWND handle_ = nullptr;
  std::string title_;
  TCustomForm* mainForm_ = nullptr;
  bool terminated_ = false;
  THintManager hints_;
  // The hints follow the mouse record; window procedures' errors are shown.
  TCallbackList<void(TControl*)>::Registration hintsFollowMouse_;
  TCallbackList<void(const TControl*)>::Registration hintsForgetControls_;
  TCallbackSlot<void(const void*)>::Registration showsWindowErrors_;
  std::map<int, TWindowHook> hooks_;
  int nextHookId_ = 1;
  std::map<UINT_PTR, std::function<void()>> timers_;
  UINT_PTR nextTimerId_ = 1;
};

inline TApplication& Application() { return TApplication::Instance(); }

}  // namespace tk

namespace tk {

template <class T>
T* TApplication::CreateForm() {
  T* form = new T(this);
  AdoptForm(form);
  try {
    form->AfterConstruction();
    form->LoadStoredLayout();
    form->DoCreate();
  } catch (...) {
    Free(form);
    throw;
  }
  return form;
}

}  // namespace tk
