#pragma once
// TvxProvider: what the dialog skinning puts on a window it adopts. For a
// toolkit form without a skin provider it creates one (the form owns and
// frees it); for a raw dialog of the platform it creates the dialog wrapper
// TvxDialogWnd and wraps the dialog's child windows with the window
// wrappers, each by the rule of its class, style and size.
//
// A raw dialog's provider lives until the skin goes, also after its
// dialog has closed (its wrappers are done once their windows are
// destroyed); freeing it gives every wrapped window its procedure back.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "toolkit/win/Component.h"

namespace tk {
class TCustomForm;
}

namespace skin {

class TsSkinProvider;
class TvxDialogWnd;
class TvxMainWnd;

// A window's class name as GetClassName gives it (at most 128 characters).
std::wstring WindowClassName(HWND window);

// The preview a dialog with three drop-down lists shows (a font dialog),
// which the platform keeps painting.
constexpr RECT kDialogPreviewRect{178, 181, 327, 217};
// The areas of a dialog whose pictures the platform keeps painting (a
// colour dialog's spectrum and the like), in its client area.
constexpr RECT kDialogFixedAreas[] = {{447, 0, 455, 200}, {6, 23, 216, 163}, {6, 189, 216, 235}};

class TvxProvider : public tk::TComponent {
  TK_CLASS(TvxProvider)
public:
  explicit TvxProvider(tk::TComponent* owner);
  ~TvxProvider() override;

  void AdoptForm(tk::TCustomForm* form, bool makeSkinMenu);
  // False when the dialog cannot be skinned (its slot is emptied then).
  bool AdoptDialog(HWND window);
  // Wraps the window's descendants that are not wrapped yet, depth first
  // in z-order; false when one of them refuses the dialog.
  bool ScanChildren(HWND window);
  bool WrapChild(HWND window);

  TsSkinProvider* FormProvider() const { return formProvider_; }
  HWND Handle() const { return handle_; }
  TvxDialogWnd* DialogWnd() const { return dialogWnd_.get(); }
  const std::vector<std::unique_ptr<TvxMainWnd>>& SkinnedCtrls() const { return skinnedCtrls_; }
  // 0 ordinary, 1 the platform paints a preview, 3 the platform paints
  // fixed areas.
  int DialogKind() const { return dialogKind_; }
  // The drop-down lists met in the dialog's first scan.
  int ComboListCount() const { return comboLists_; }

protected:
  void BeforeDestruction() override;

private:
  void ReleaseWrappers();

  TsSkinProvider* formProvider_ = nullptr;
  HWND handle_ = nullptr;
  std::unique_ptr<TvxDialogWnd> dialogWnd_;
  std::vector<std::unique_ptr<TvxMainWnd>> skinnedCtrls_;
  int dialogKind_ = 0;
  int comboLists_ = 0;
};

}  // namespace skin
