#pragma once
// TvxMainWnd: the base of the window wrappers. A wrapper takes over the
// window procedure of a window that does not skin itself - a standard child
// control of a skinned form, later the children of system dialogs and the
// windows of popup menus - paints it (or only its frame) from a skin section
// through a TsCommonData, and answers the skin command message as a
// skin-aware control does, so containers and the manager treat it as one.
//
// A window of a toolkit control is taken over with a hook of the control's
// WindowProc chain; any other window with a window subclass. Either way the
// messages arrive at WndProc, and CallPrevious hands one to what the window
// did before. The window property "VXSBSC" names the wrapper holding a
// window.
//
// Wrappers are made with Wrap<T>(...): construction, then Attach (the
// steps that need the most derived class: SaveState, the scroll bars, the
// subclassing and the frame recalculation).

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "skin/controls/sCommonData.h"
#include "toolkit/win/Messages.h"
#include "toolkit/win/WndProcChain.h"

namespace tk {
class TControl;
}

namespace skin {

class TsSkinManager;
class TvxRawSubclass;

// The property a wrapped window carries.
constexpr const wchar_t* kWrapperProperty = L"VXSBSC";

// True only while a child window of a system dialog is being wrapped;
// wrappers copy it at creation.
extern bool DialogModeWrapping;

class TvxMainWnd {
public:
  TvxMainWnd(HWND window, bool recalcFrame, std::string_view section, TsSkinManager* manager, TsCommonData* skinData);
  virtual ~TvxMainWnd();
  TvxMainWnd(const TvxMainWnd&) = delete;
  TvxMainWnd& operator=(const TvxMainWnd&) = delete;

  template <class T, class... A>
  static std::unique_ptr<T> Wrap(A&&... args) {
    auto w = std::make_unique<T>(std::forward<A>(args)...);
    static_cast<TvxMainWnd*>(w.get())->Attach();
    return w;
  }
  // The wrapper holding a window, or none.
  static TvxMainWnd* Of(HWND window);

  HWND Handle() const { return handle_; }
  TsCommonData* SkinData() const { return skinData_; }
  TsSkinManager* Manager() const { return manager_; }
  bool Done() const { return done_; }
  bool DlgMode() const { return dlgMode_; }
  const std::wstring& CaptionText() const { return caption_; }
  // Gives the window its procedure back (nothing when done already).
  void Unsubclass();
  // A message of the window is being handled by this wrapper now (it must
  // not be freed before that returns).
  bool InDispatch() const { return previous_ != nullptr; }

  // The window's geometry as last read: its rectangle, size, the parent and
  // where the window lies in the parent's client area.
  void ReadGeometry();
  RECT windowRect{};
  int width = 0, height = 0;
  POINT offsetInParent{};
  HWND parentHandle = nullptr;
  RECT parentRect{};

protected:
  virtual void Attach();
  virtual void SaveState() {}
  virtual void RestoreState() {}
  virtual void SetColors() {}
  virtual void WndProc(tk::TMessage& m);
  // The toolkit control whose WindowProc chain is hooked when its window
  // is the one wrapped: the skin data's owner control, or none (a foreign
  // window, taken with a subclass).
  virtual tk::TControl* ControlToHook() const { return skinData_->OwnerControl(); }
  // The skin command message; true when answered here.
  virtual bool HandleSkinCommand(tk::TMessage& m);
  void CallPrevious(tk::TMessage& m);
  LRESULT CallPrevious(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

  // The skin data is usable: a manager with a skin and a resolved section.
  bool Skinned() const;
  // Rebuilds the cache when stale: the section over the parent's
  // background at the window's size; the disabled look for a disabled
  // toolkit control.
  virtual void PrepareCache();
  // The cache to rebuild, sized to the window: none when it is not stale
  // or the window is empty.
  tk::Bitmap* CacheToRebuild();
  // The window's own font selected into the cache's canvas.
  void SelectWindowFont();
  // That font given as a logical font.
  void SelectLogFont(const LOGFONTW& font);
  // WM_PAINT of a wrapper that paints the whole client area itself: into
  // the context the message brings (own = false), else between BeginPaint
  // and EndPaint (own = true).
  void HandlePaintMessage(tk::TMessage& m, const std::function<void(HDC dc, bool own)>& paint);
  // Paints through a context of the window's client area, now.
  void PaintNow(const std::function<void(HDC dc)>& paint);
  // Wrappers that paint the whole window answer the platform's background
  // and frame painting without letting it draw: true when m was one.
  static bool SuppressPlatformPaint(tk::TMessage& m);
  // Puts the parent's background under the clear corner pixels of the
  // section's border mask.
  void FillCorners();
  // The state the section is painted in (hot while hovered).
  virtual int PaintState() const { return 0; }
  // The wrapper paints only the window's frame and the control its own
  // client area (edits, lists, combo boxes). In a dialog such a frame
  // surrounds the window colour; every other wrapper shows its section
  // over the dialog's background.
  virtual bool PaintsFrameOnly() const { return false; }
  void ReadCaption();
  bool IsEnabled() const { return IsWindowEnabled(handle_) != FALSE; }
  // The manager moved the mouse onto or off this window (hovered_ is set);
  // true when the wrapper answered (repainted), false to pass the notice on.
  virtual bool HoverChanged() { return false; }

  HWND handle_;
  TsSkinManager* manager_;
  TsCommonData* skinData_;
  std::unique_ptr<TsCommonData> ownSkinData_;
  bool dlgMode_;
  bool done_ = false;
  bool firstColorsApplied_ = false;
  bool recalcFrame_;
  bool hovered_ = false;

private:
  friend class TvxRawSubclass;
  void Dispatch(tk::TMessage& m, const std::function<void(tk::TMessage&)>& previous);
  void HandleMouseMove();

  tk::TControl* control_ = nullptr;  // the toolkit control whose chain is hooked
  tk::TWndHookId hook_ = 0;
  std::unique_ptr<TvxRawSubclass> raw_;
  const std::function<void(tk::TMessage&)>* previous_ = nullptr;
  std::wstring caption_;
};

}  // namespace skin
