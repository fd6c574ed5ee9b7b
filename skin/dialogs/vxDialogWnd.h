#pragma once
// TvxDialogWnd: the wrapper of a raw dialog the dialog skinning adopted (a
// message box, a common dialog). It paints the dialog's frame, title bar,
// title icon, caption text and caption buttons from the skin, shapes the
// window by the frame's clear corner pixels, answers the hit tests of what
// it paints, runs the caption buttons and the skinned system menu, and
// paints the client area from the section "DIALOG", over which the child
// window wrappers paint themselves.
//
// The dialog's styles are read once, when it is adopted; the rules of its
// frame come from those saved styles (the system-menu style bit is taken
// from the window so the platform draws no caption buttons of its own).
//
// The work is split by subject:
//   vxDialogWnd.cpp        construction, styles, metrics, the messages
//   vxDialogPaint.cpp      the cache, frame strips, client background, region
//   vxDialogMouse.cpp      hit testing, caption buttons, the system menu

#include <windows.h>

#include <memory>
#include <string_view>
#include <vector>

#include "vxDialogRules.h"
#include "skin/controls/adapters/vxScrollWnd.h"
#include "skin/forms/sTitleButtons.h"
#include "toolkit/core/Bitmap.h"
#include "toolkit/win/GdiObjects.h"

namespace skin {

class TvxProvider;
class TvxSystemMenu;
class TsSkinTables;
struct TsMaskData;

// Sizes of a dialog's frame, refreshed before every paint.
struct TvxDialogMetrics {
  int width = 0, height = 0;
  int clientWidth = 0, clientHeight = 0;
  int frameWidth = 0, frameHeight = 0;
  int captionHeight = 0;
  int clientOffsetX = 0, clientOffsetY = 0;
  int topStrip = 0;
  bool minimized = false, maximized = false;
};

class TvxDialogWnd : public TvxScrollWnd {
public:
  TvxDialogWnd(HWND window, TsSkinManager* manager, TvxProvider& provider);
  ~TvxDialogWnd() override;

  TvxProvider& Provider() const { return provider_; }
  // Saves the styles, reads the icon and the caption font, and takes the
  // system-menu style bit from the window.
  void ReadStyles();
  // A dialog whose fixed areas the platform paints takes the form's look.
  void TakeFormSection();

  TvxFrameKind FrameKind() const { return frameKind_; }
  DWORD SavedStyle() const { return savedStyle_; }
  TvxDialogFacts Facts() const;
  TvxDialogRules Rules() const { return DialogRulesOf(Facts()); }
  TvxDialogMetrics Metrics() const;
  bool Active() const { return active_; }
  int HotButton() const { return hotButton_; }
  // The children have been scanned again after the first client paint.
  bool FirstPaintDone() const { return firstPaint_; }
  // The caption button of an id (HTMINBUTTON, HTMAXBUTTON, HTCLOSE, HTHELP).
  TsCaptionButton* Button(int id);
  TvxSystemMenu& SystemMenu() { return *systemMenu_; }
  // The rectangles the window region leaves out, as last computed.
  const std::vector<TRect>& RegionRects() const { return regionRects_; }
  // Rebuilds the cache when stale (what a paint does first).
  void RegenerateCache();
  // Shows the system menu at a screen point; returns when it closed.
  void PopUpSystemMenu(POINT screen);
  int ButtonsWidth() const;

  // True from a press on a dialog's caption button until its release.
  static bool ButtonPressed;

protected:
  void WndProc(tk::TMessage& m) override;
  bool HandleSkinCommand(tk::TMessage& m) override;

private:
  // vxDialogWnd.cpp
  const TsSkinTables* Skin() const;
  const TsMaskData* Mask(int index) const;
  int GlobalMask(std::string_view key) const;
  int SectionMask(std::string_view key) const;
  int TitleSection() const;
  int RestoreImage() const;
  void ChooseButtonImages();
  std::pair<int, int> ButtonSize(int imageIndex) const;
  void CreateCaptionFont();
  void RedrawAll();
  void WithRedrawOff(tk::TMessage& m);
  bool HandleStateChange(tk::TMessage& m);

  // vxDialogPaint.cpp
  void PaintTitle(const TvxDialogMetrics& fm, tk::Bitmap& cache, int state);
  void PaintTitleIcon(const TvxDialogMetrics& fm, tk::Bitmap& cache);
  void PaintCaptionText(const TvxDialogMetrics& fm, tk::Bitmap& cache);
  void LayOutButtons(const TvxDialogMetrics& fm, tk::Bitmap* cache);
  void RepaintButton(int id);
  int GripMask() const;
  POINT GripPoint(const TvxDialogMetrics& fm) const;
  void HandleNcPaint(tk::TMessage& m);
  void CopyFrameStrips(HDC dc, const TvxDialogMetrics& fm);
  void UpdateRegion();
  void HandlePaint(tk::TMessage& m);
  void PaintClient(HDC dc, const TvxDialogMetrics& fm);
  void ExcludeChildren(HDC dc, const TvxDialogMetrics& fm);
  void PlatformPaintsFirst(tk::TMessage& m);
  void HandleEraseBackground(tk::TMessage& m);

  // vxDialogMouse.cpp
  void HandleNcHitTest(tk::TMessage& m);
  void MakeHot(int code);
  void HandleNcButtonDown(tk::TMessage& m);
  void HandleButtonUp(tk::TMessage& m);
  void HandleNcDoubleClick(tk::TMessage& m);
  bool PointInButton(int id, LPARAM screenPoint) const;
  void UpdateMenuItems();

  TvxProvider& provider_;
  DWORD savedStyle_ = 0;
  DWORD savedExStyle_ = 0;
  TvxFrameKind frameKind_ = fkUnread;
  bool active_ = true;
  bool regionChanged_ = true;
  bool firstPaint_ = false;
  std::vector<TRect> regionRects_;
  TsCaptionButton buttonMin_, buttonMax_, buttonClose_, buttonHelp_;
  int hotButton_ = 0;
  HICON icon_ = nullptr;
  LOGFONTW captionFont_{};
  bool captionFontRead_ = false;
  tk::TGdiObject<HBRUSH> dialogBrush_;
  tk::Bitmap titleBackground_;
  std::unique_ptr<TvxSystemMenu> systemMenu_;
};

// The region applying flag: a region is being set and its non-client paint
// must not set it again.
extern bool DialogRegionApplying;

}  // namespace skin
