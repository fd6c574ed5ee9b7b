#include "toolkit/win/Application.h"

#include <commctrl.h>
#include <windowsx.h>

#include <vector>

#include "toolkit/core/StartupMarks.h"
#include "toolkit/win/ActionList.h"
#include "toolkit/win/ErrorRecord.h"
#include "toolkit/win/ProgramIcons.h"
#include "toolkit/win/Screen.h"
#include "toolkit/win/Unicode.h"

namespace tk {

TApplication& TApplication::Instance() {
  // Never destroyed: windows and GDI must not be touched by static destructors
  // after the program's own end.
  static TApplication* application = new TApplication();
  return *application;
}

TApplication::TApplication() : TComponent(nullptr) {
  SetCurrent(this);
  hintsFollowMouse_ = TMouseRecord::Changed().Register([this](TControl* c) { hints_.MouseControlChanged(c); });
  hintsForgetControls_ = TMouseRecord::Going().Register([this](const TControl* c) { hints_.ControlGone(c); });
  showsWindowErrors_ = WindowExceptionHandler().Register([this](const void*) { HandleException(this); });
}

TControl* TApplication::MouseControl() const { return TMouseRecord::Current(); }

void TApplication::Initialize() {
  INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  StartupMark("common controls");
  Handle();
}

HWND TApplication::Handle() {
  if (handle_) return handle_;
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = WndProc;
  wc.hInstance = instance;
  wc.hIcon = ProgramIcons().large;
  wc.hIconSm = ProgramIcons().small;
  wc.lpszClassName = L"TApplication";
  RegisterClassExW(&wc);
  // A hidden top-level window: it receives timers and posted requests, and
  // owns the hint window.
  handle_ = CreateWindowExW(0, L"TApplication", Utf8ToWide(title_).c_str(),
                            WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 0, 0,
                            nullptr, nullptr, instance, nullptr);
  hints_.Attach(handle_);
  return handle_;
}

void TApplication::SetTitle(std::string_view title) {
  title_ = title;
  if (handle_) SetWindowTextW(handle_, Utf8ToWide(title_).c_str());
}

void TApplication::AdoptForm(TCustomForm* form) {
  if (!mainForm_) mainForm_ = form;
}

void TApplication::FormDestroyed(TCustomForm* form) {
  if (mainForm_ == form) {
    mainForm_ = nullptr;
    if (!IsDestroying()) Terminate();
  }
}

void TApplication::Run() {
  Handle();
  if (mainForm_) mainForm_->Show();
  StartupMark("form shown");
  while (!terminated_ && mainForm_) HandleMessage();
  DestroyForms();
}

void TApplication::DestroyForms() {
  hints_.Cancel();
  DestroyComponents();
}

void TApplication::Terminate() {
  terminated_ = true;
  // Wake a loop that waits for messages.
  if (handle_) PostMessageW(handle_, WM_NULL, 0, 0);
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (ProcessMessage(msg)) {
  }
}

void TApplication::HandleMessage() {
  MSG msg;
  try {
    if (ProcessMessage(msg)) return;
    Idle();
  } catch (...) {
    HandleException(this);
  }
  if (!terminated_) WaitMessage();
}

bool TApplication::ProcessMessage(MSG& msg) {
  if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (msg.message == WM_QUIT) {
    terminated_ = true;
    return true;
  }
  switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
      hints_.Cancel();
      break;
    default: break;
  }
  if (!IsMDIMsg(msg) && !IsKeyMsg(msg)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return true;
}

// Ctrl+F4, Ctrl+F6 and Alt+- of the MDI children go to their client window.
bool TApplication::IsMDIMsg(MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
  TWinControl* target = TWinControl::FindControlOrAncestor(msg.hwnd);
  TCustomForm* form = target ? GetParentForm(target) : nullptr;
  if (form && form->IsMDIChild()) form = form->MDIParent();
  if (!form || !form->IsMDIForm() || !form->ClientHandle()) return false;
  return TranslateMDISysAccel(form->ClientHandle(), &msg) != FALSE;
}

bool TApplication::IsKeyMsg(MSG& msg) {
  if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) return false;
  TWinControl* target = TWinControl::FindControlOrAncestor(msg.hwnd);
  if (!target) return false;
  TCustomForm* form = GetParentForm(target);
  if (!form || !form->HandleAllocated()) return false;
  auto* formControl = static_cast<TWinControl*>(form);
  // The form sees keys before its controls; when it has the focus itself it
  // sees them once, as the focused control.
  const bool preview = form->KeyPreview() && target != form;
  switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      WORD key = static_cast<WORD>(msg.wParam);
      const TShiftState shift = KeyboardShiftState();
      if (preview) {
        formControl->KeyDown(key, shift);
        if (key == 0) return true;
        msg.wParam = key;
      }
      if (form->IsShortCut(key, shift)) return true;
      if (key == VK_TAB || key == VK_RETURN || key == VK_ESCAPE || key == VK_CANCEL) {
        const LRESULT code = SendMessageW(msg.hwnd, WM_GETDLGCODE, key, 0);
        const bool wanted = (code & DLGC_WANTALLKEYS) || (key == VK_TAB && (code & DLGC_WANTTAB));
        if (!wanted && form->Perform(CM_DIALOGKEY, key, msg.lParam) != 0) return true;
      }
      return false;
    }
    case WM_KEYUP:
    case WM_SYSKEYUP: {
      if (!preview) return false;
      WORD key = static_cast<WORD>(msg.wParam);
      formControl->KeyUp(key, KeyboardShiftState());
      if (key == 0) return true;
      msg.wParam = key;
      return false;
    }
    case WM_CHAR: {
      if (!preview) return false;
      auto key = static_cast<wchar_t>(msg.wParam);
      formControl->KeyPress(key);
      if (key == 0) return true;
      msg.wParam = key;
      return false;
    }
    case WM_SYSCHAR:
      return form->Perform(CM_DIALOGCHAR, msg.wParam, msg.lParam) != 0;
    default: return false;
  }
}

void TApplication::Idle() {
  UpdateActions();
  if (OnIdle) OnIdle(this);
}

void TApplication::UpdateActions() {
  for (int i = 0; i < Screen().FormCount(); ++i) {
    TCustomForm* form = Screen().Forms(i);
    if (!form->Visible()) continue;
    for (int j = 0; j < form->ComponentCount(); ++j)
      if (auto* list = dynamic_cast<TActionList*>(form->Components(j))) list->UpdateActions();
  }
}

void TApplication::Minimize() {
  if (mainForm_ && mainForm_->HandleAllocated()) ShowWindow(mainForm_->Handle(), SW_MINIMIZE);
}

void TApplication::Restore() {
  if (mainForm_ && mainForm_->HandleAllocated()) ShowWindow(mainForm_->Handle(), SW_RESTORE);
}

void TApplication::SetShowHint(bool value) {
  hints_.Enabled = value;
  if (!value) hints_.Cancel();
}

int TApplication::HookMainWindow(TWindowHook hook) {
  const int id = nextHookId_++;
  hooks_.emplace(id, std::move(hook));
  return id;
}

void TApplication::UnhookMainWindow(int id) { hooks_.erase(id); }

UINT_PTR TApplication::AddTimer(UINT interval, std::function<void()> onTimer) {
  UINT_PTR id = nextTimerId_++;
  if (id == THintManager::kShowTimer || id == THintManager::kHideTimer) id = nextTimerId_++ + 2;
  SetTimer(Handle(), id, interval, nullptr);
  timers_[id] = std::move(onTimer);
  return id;
}

void TApplication::RemoveTimer(UINT_PTR id) {
  if (handle_) KillTimer(handle_, id);
  timers_.erase(id);
}

void TApplication::PostRelease(TCustomForm* form) { PostMessageW(Handle(), CM_RELEASE, 0, reinterpret_cast<LPARAM>(form)); }

void TApplication::HandleException(TObject*) {
  try {
    throw;
  } catch (const std::exception& e) {
    if (OnException)
      OnException(e);
    else
      MessageBox(e.what(), title_, MB_OK | MB_ICONSTOP);
  } catch (...) {
    const std::runtime_error unknown("An unexpected error occurred");
    if (OnException)
      OnException(unknown);
    else
      MessageBox(unknown.what(), title_, MB_OK | MB_ICONSTOP);
  }
}

int TApplication::MessageBox(std::string_view text, std::string_view caption, UINT flags) {
  HWND owner = GetActiveWindow();
  if (!owner && mainForm_ && mainForm_->HandleAllocated()) owner = mainForm_->Handle();
  return ::MessageBoxW(owner, Utf8ToWide(text).c_str(), Utf8ToWide(caption).c_str(), flags);
}

LRESULT CALLBACK TApplication::WndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  TApplication& application = Instance();
  TMessage message{msg, wParam, lParam, 0};
  try {
    // Hooks see everything first; copy them, a hook may unhook itself. A
    // hook that fails is recorded and treated as passing the message on.
    const auto hooks = application.hooks_;
    for (const auto& [id, hook] : hooks) {
      bool handled = false;
      try {
        handled = hook(message);
      } catch (...) {
        RecordedErrors().RecordCurrent(&application, "application window hook");
      }
      if (handled) return message.Result;
    }
    switch (msg) {
      case WM_TIMER: {
        if (application.hints_.HandleTimer(wParam)) return 0;
        auto it = application.timers_.find(wParam);
        if (it != application.timers_.end()) {
          const auto onTimer = it->second;
          onTimer();
        }
        return 0;
      }
      case CM_RELEASE: {
        auto* form = reinterpret_cast<TCustomForm*>(lParam);
        for (int i = 0; i < Screen().FormCount(); ++i)
          if (Screen().Forms(i) == form) {
            Free(form);
            break;
          }
        return 0;
      }
      case WM_CLOSE:
        if (application.mainForm_) application.mainForm_->Close();
        return 0;
      default: break;
    }
  } catch (...) {
    application.HandleException(&application);
    return 0;
  }
  return DefWindowProcW(window, msg, wParam, lParam);
}

}  // namespace tk
