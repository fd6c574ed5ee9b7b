#pragma once
// TsSkinProvider: the component a form carries (at most one per form) to be
// drawn whole from the active skin - frame, title bar with caption text,
// title icon and caption buttons, the menu line, an optional size grip, the
// MDI area of an MDI parent, and the client background the skinned
// controls paint themselves over.
//
// It takes the form's window procedure over (a hook of the form's
// WindowProc chain), keeps one bitmap of the whole window (the cache of its
// TsCommonData), copies the frame strips of that bitmap to the screen at
// every non-client paint, gives the window a region without the clear
// corner pixels of the skin's frame images, and answers the hit tests of
// what it draws. It owns the form's system menu (TsSystemMenu) and the
// title-bar interaction: hot and pressed caption buttons, moving and
// sizing, snapping to the work area.
//
// While no skin is applied (or the form is going away) every message but
// the skin commands goes to the form's own handling: the plain window.
//
// The work is split by subject:
//   sSkinProvider.cpp        construction, properties, preparing the form, the hook
//   sProviderCommands.cpp    the skin command message
//   sProviderMetrics.cpp     frame metrics and the caption-button images
//   sProviderCache.cpp       rendering the whole window into the cache
//   sProviderCaption.cpp     title icon, caption buttons and caption text
//   sProviderPaint.cpp       frame strips, client background, region, printing
//   sProviderHitTest.cpp     hit testing
//   sProviderMouse.cpp       caption buttons under the mouse, frame clicks
//   sProviderMessages.cpp    system commands, activation, moves and sizes
//   sProviderAdapter.cpp     the adapter of the form's standard controls and
//                            the form's own skinned scroll bars

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "sFormRules.h"
#include "sTitleButtons.h"
#include "skin/controls/adapters/vxCtrlAdapter.h"
#include "skin/controls/sCommonData.h"
#include "skin/controls/sFormTransition.h"
#include "toolkit/core/Bitmap.h"
#include "toolkit/win/Component.h"
#include "toolkit/win/Form.h"
#include "toolkit/win/WndProcChain.h"

namespace skin {

class TsSystemMenu;
class TsMDIForm;
class TsOutlineDrag;
class TsMDIIconsWindow;
class TsSkinProvider;
class TsSkinTables;
class TvxFormScrollWnd;
struct TsMaskData;

enum TsGripMode { gmNone, gmRightBottom };
enum TsResizeMode { rmStandard, rmBorder };

// Asked before a child control is given a skin wrapper.
using TAddItemEvent = std::function<void(tk::TComponent* item, bool& canBeAdded, std::string& skinSection)>;

// The provider's skin data: its owner is the provider, but what it paints
// is the form - the form's colour, font and size.
class TsProviderSkinData : public TsCommonData {
public:
  explicit TsProviderSkinData(TsSkinProvider& provider);
  TColor CustomColor() const override;
  const tk::TFont* OwnerFont() const override;
  TColor OwnerFontColor() const override;
  TRect OwnerBounds() const override;

protected:
  void DeliverUpdateCommand(WORD subCommand) override;

private:
  TsSkinProvider& provider_;
};

// Sizes of a skinned frame, from the window system's metrics and the form.
struct TsFrameMetrics {
  bool framed = false;      // the form has a frame
  int frameWidth = 0;       // the side borders
  int frameHeight = 0;      // the top and bottom borders
  int captionHeight = 0;    // 0 without a caption
  int menuHeight = 0;       // one row of the menu bar, 0 without a main menu
  int menuRows = 0;         // rows the menu bar takes, 0 without one
  int extraBorder = 0;      // the form's own border width
  int bottomStrip = 0;
  int topStrip = 0;         // everything above the client area
  int clientOffsetX = 0;    // the client origin inside the window
  int clientOffsetY = 0;
  int width = 0;            // the cache's width (the window's)
  int height = 0;           // the window's height
  int clientWidth = 0;
  int clientHeight = 0;
  int iconWidth = 0;        // the title icon, 0 x 0 when it is not shown
  int iconHeight = 0;
  TRect iconRect;
  bool minimized = false;
  bool maximized = false;
  bool operator==(const TsFrameMetrics&) const = default;
  // The top band of the window: caption plus top border.
  int TitleHeight() const { return captionHeight + frameHeight; }
};

class TsSkinProvider : public tk::TComponent, public TsTransitionFrameSource, public TvxAdapterOwner {
  TK_CLASS(TsSkinProvider)
public:
  explicit TsSkinProvider(tk::TComponent* owner);
  ~TsSkinProvider() override;
  void AfterConstruction() override;
  void Loaded() override;

  // --- Published properties --------------------------------------------
  tk::TAlignment CaptionAlignment() const { return captionAlignment_; }
  void SetCaptionAlignment(tk::TAlignment value);
  TsCommonData& SkinData() { return *skinData_; }
  TsGripMode GripMode() const { return gripMode_; }
  void SetGripMode(TsGripMode value);
  bool MakeSkinMenu() const { return makeSkinMenu_; }
  void SetMakeSkinMenu(bool value) { makeSkinMenu_ = value; }
  const std::string& MenuLineSkin() const { return menuLineSkin_; }
  void SetMenuLineSkin(std::string_view value);
  TsResizeMode ResizeMode() const { return resizeMode_; }
  void SetResizeMode(TsResizeMode value) { resizeMode_ = value; }
  bool ScreenSnap() const { return screenSnap_; }
  void SetScreenSnap(bool value) { screenSnap_ = value; }
  int SnapBuffer() const { return snapBuffer_; }
  void SetSnapBuffer(int value) { snapBuffer_ = value; }
  bool ShowAppIcon() const { return showAppIcon_; }
  void SetShowAppIcon(bool value);
  TsTitleButtons& TitleButtons() { return titleButtons_; }
  void SetTitleButtons(const TsTitleButtons& buttons) { titleButtons_.Assign(buttons); }
  TsTitleIcon& TitleIcon() { return titleIcon_; }
  void SetTitleIcon(const TsTitleIcon& icon) { titleIcon_.Assign(icon); }
  const std::string& TitleSkin() const { return titleSkin_; }
  void SetTitleSkin(std::string_view value);
  bool UseGlobalColor() const { return useGlobalColor_; }
  void SetUseGlobalColor(bool value) { useGlobalColor_ = value; }
  TAddItemEvent OnSkinItem;

  // --- What other parts of the engine ask -------------------------------
  // The form, or none when this provider stays inactive (a second one).
  tk::TCustomForm* Form() const { return form_; }
  // A skin is applied and the form's section exists in it.
  bool Skinned() const;
  TsFrameMetrics Metrics() const;
  TsFormRules Rules() const;
  // Where the caption text is drawn (window coordinates); empty without one.
  TRect CaptionTextRect();
  // The caption button of an id (kButtonClose, HTUDBTN + i...); none for
  // an unknown id.
  TsCaptionButton* Button(int id);
  // The id of the hot or pressed caption button, 0 when none.
  int HotButton() const { return hotButton_; }
  bool FormActive() const { return formActive_; }
  TsSystemMenu* SystemMenu() const { return systemMenu_.get(); }
  // The window showing a maximized MDI child's buttons during the parent's
  // menu loop, or none.
  HWND MDIIconsWindow() const;
  // Shows the system menu at a screen point.
  void ShowSystemMenu(int x, int y);
  // Shows it where the title icon is, as a click on it does.
  void ShowSystemMenuAtIcon();
  // The menu line as last painted (the skinned menus draw the bar's items
  // over it).
  const tk::Bitmap& MenuLineBmp() const { return menuLineBmp_; }
  // The rectangles cut from the window region at the last computation.
  const std::vector<TRect>& RegionRects() const { return regionRects_; }
  // Repaints the frame now (what a non-client paint does).
  void RepaintFrame();
  // Brings the cache up to date and puts the whole window on the screen.
  void RefreshFrame();
  // The skin changed: the region and the cache are made again.
  void RefreshAfterSkinChange();
  // A cross-fade is about to picture the form: the cache and the region
  // are made for the new skin now, while the form's redrawing is off.
  void UpdateFrameForTransition() override;

  // The MDI parent's provider and the provider of its maximized child.
  static TsSkinProvider* MDISkinProvider;
  static TsSkinProvider* MDIChildProvider;
  // The hot caption button was pressed with the left mouse button.
  static bool ButtonPressed;

  // The provider of a form, or none.
  static TsSkinProvider* Of(const tk::TCustomForm* form);
  // The program's small icon, else the system's application icon.
  static HICON DefaultSmallIcon();

  // The adapter that wraps the form's standard controls (none while no
  // skin is applied) and the form's own skinned scroll bars (none unless
  // the form's window shows scroll bars).
  TvxCtrlAdapter* Adapter() const { return adapter_.get(); }
  TvxFormScrollWnd* ScrollWnd() const { return scrollWnd_.get(); }

  // TvxAdapterOwner
  tk::TWinControl* AdapterRoot() override;
  TsSkinManager* AdapterManager() override;
  void SkinItem(tk::TComponent* control, bool& canBeAdded, std::string& section) override;

protected:
  void Notification(tk::TComponent* component, tk::TOperation operation) override;
  void BeforeDestruction() override;

private:
  friend class TsProviderSkinData;
  friend class TsSystemMenu;
  friend class TsMDIForm;
  friend class TsProviderCommands;

  // sSkinProvider.cpp
  void AttachToForm();
  void DetachFromForm();
  void PrepareForm();
  void RemoveSystemMenuStyle();
  void RestoreSystemMenuStyle();
  void FollowGlobalColor();
  void LookUpUserButtonMask();
  void UpdateSystemMenuItems();
  void HookedWndProc(tk::TMessage& m, const tk::TWndNext& next);
  void OldWndProc(tk::TMessage& m);
  LRESULT OldWndProc(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
  bool FormCreating() const;
  bool FormVisible() const;
  HWND FormHandle() const;
  bool IsMDIParent() const { return form_ && form_->IsMDIForm(); }
  // An MDI parent gets its MDI area handler (and is the MDI parent's
  // provider from then on).
  void EnsureMDIArea();
  bool IsMDIChild() const { return form_ && form_->IsMDIChild(); }
  void RepaintIfVisible();

  // sProviderCommands.cpp
  static const TsSkinCommandTable& CommandTable();
  bool HandleSkinCommand(tk::TMessage& m);
  void OnSkinLoaded(tk::TMessage& m);
  void OnSkinRemoved(tk::TMessage& m);
  void OnRefresh(tk::TMessage& m);

  // sProviderMetrics.cpp
  const TsSkinTables* Skin() const;
  const TsMaskData* Mask(int index) const;
  int MenuRows(const TsFrameMetrics& fm) const;
  static int IconSizeFor(int captionHeight);
  // GetSystemMetrics for the frame's sizes, kept until the system says they
  // changed (a setting, the display, the DPI or the theme).
  static int FrameSystemMetric(int index);
  static void ForgetFrameSystemMetrics();
  int SectionIndexOf(std::string_view section) const;
  int GlobalMask(std::string_view key) const;
  int FormMask(std::string_view key) const;
  void ChooseButtonImages();
  int RestoreImage() const;
  // Width and height of one frame of a mask (21 x 21 without one).
  std::pair<int, int> MaskFrame(int imageIndex) const;
  int SystemButtonWidth(int imageIndex) const;
  int CaptionButtonHeight() const;
  int UserButtonWidth(const TsTitleButton& button) const;
  int BiSpace() const;
  int TitleSectionIndex() const;
  std::string TitleSectionName() const;

  // sProviderCache.cpp
  bool RegenerateCache();
  void PaintFormSection(const TsFrameMetrics& fm);
  void PaintGrip(const TsFrameMetrics& fm);
  void PaintTitle(const TsFrameMetrics& fm);
  int TitleBarMaskWidth(const TsFrameMetrics& fm);
  void PaintTitleBarMask(const TsFrameMetrics& fm);
  void PaintMenuLine(const TsFrameMetrics& fm);
  // The form's menus drawn by the skinned menus while the form is skinned,
  // plainly otherwise.
  void HookFormMenus(bool skinned);
  void PaintMenuItems(const TsFrameMetrics& fm, HMENU menu, int section);
  // A maximized MDI child's icon first on the parent's menu line.
  void PaintMDIChildIcon(const TsFrameMetrics& fm);
  void PaintUserOnPaint(const TsFrameMetrics& fm);
  bool CanUseCaptionFastPath(const TsFrameMetrics& fm) const;

  // sProviderCaption.cpp
  struct TsButtonLook {
    int image = -1;
    bool enabled = true;
  };
  TsButtonLook SystemButtonLook(int id, const TsFrameMetrics& fm, const TsFormRules& rules) const;
  // The system buttons the title bar has room for, from the right.
  std::vector<int> PresentSystemButtons(const TsFormRules& rules) const;
  void PaintTitleIcon(const TsFrameMetrics& fm);
  // Places the caption buttons (and paints them into the cache when asked);
  // returns the width they take.
  int LayOutCaptionButtons(const TsFrameMetrics& fm, bool paint);
  void PaintUserButton(TsTitleButton& button, tk::Bitmap& cache, bool dimmed);
  void PaintCaptionButtons(const TsFrameMetrics& fm);
  void PaintCaptionText(const TsFrameMetrics& fm);
  int ButtonsWidth(const TsFrameMetrics& fm);
  void RepaintButton(int id);

  // sProviderPaint.cpp
  bool FramePaintAllowed() const;
  void HandleNcPaint(tk::TMessage& m);
  void CopyFrameStrips(HDC dc, const TsFrameMetrics& fm);
  void HandlePaint(tk::TMessage& m);
  void PaintClientArea(HDC dc, const TsFrameMetrics& fm, const RECT& area);
  void PaintOneGraphicChild(HDC dc, const TsFrameMetrics& fm, tk::TControl* child);
  void HandlePrint(tk::TMessage& m);
  void UpdateRegion(bool redraw);
  bool FormKeepsItsRegion();

  // sProviderHitTest.cpp
  void HandleHitTest(tk::TMessage& m);
  int HitButton(const TsFrameMetrics& fm, POINT p);
  bool InGrip(const TsFrameMetrics& fm, POINT p) const;
  POINT WindowPointOf(LPARAM screenPoint) const;

  // sProviderMouse.cpp
  void SetHotButton(int id);
  void PressButton(int id);
  void HandleNcLButtonDown(tk::TMessage& m);
  void HandleButtonUp(tk::TMessage& m);
  void ReleaseButton(int id, POINT windowPoint);
  bool HandleCapturedMouse(tk::TMessage& m);
  void HandleMouseMoveWhileDragging(tk::TMessage& m);
  void HandleNcLButtonDblClk(tk::TMessage& m);
  void HandleNcRButton(tk::TMessage& m);
  void FireUserButton(int index, bool down, LPARAM screenPoint);

  // sProviderAdapter.cpp
  // Creates the adapter when missing, then scans the form.
  void RescanAdapter();
  // Every adapted control hears that the skin went (lParam: the manager);
  // then the wrappers give the windows back and the adapter goes.
  void FreeAdapter(LPARAM manager);
  // Sends a message to the window of every adapted control.
  void BroadcastToAdapted(UINT msg, WPARAM wParam, LPARAM lParam);
  void RebuildScrollWnd();
  void FreeScrollWnd();
  // Sizes of the form's visible skinned scroll bars.
  int SkinnedHorzBarHeight() const;
  int SkinnedVertBarWidth() const;

  // sProviderMDI.cpp
  tk::TCustomForm* MaximizedMDIChild() const;
  // An MDI child covered by its maximized active sibling: nothing of it
  // is painted (it is exposed, and painted, when the sibling goes).
  bool HiddenBehindMaximizedSibling() const;
  // An MDI parent whose maximized child shows keeps its cache until its
  // caption is invalid (the child's own changes mark it so).
  bool KeepsCacheBehindMaximizedChild(const TsFrameMetrics& fm) const;
  bool ChildButtonsShown() const;
  std::pair<int, int> ChildButtonSize() const;
  void LayOutChildButtons(const TsFrameMetrics& fm);
  TsButtonLook ChildButtonLook(int id) const;
  void PaintChildButton(int id, tk::Bitmap& cache);
  void PaintChildButtons(const TsFrameMetrics& fm);
  // True for a child button id (repainted from the menu line's picture).
  bool RepaintChildButton(int id);
  int HitChildButton(POINT windowPoint) const;
  bool ChildButtonPressAllowed(int id) const;
  void ReleaseChildButton(int id);
  void HandleMDIActivate(tk::TMessage& m);
  void HandleChildActivate(tk::TMessage& m);
  // An MDI child was maximized, restored or minimized: the parent's menu
  // line shows its buttons or not.
  void FollowMDIChildState();
  // The MDI parent's provider (none when there is no live one) with its
  // cache, caption and menu rows marked stale.
  TsSkinProvider* MarkMDIParentStale();
  void RefreshMDIParent();
  // The child goes: its parent's line is drawn again once its window is
  // gone (the parent hears it by a posted SM_MDICHILD_GONE).
  void TellMDIParentChildGoes();
  void HandleMDIChildGone();
  // The child is being created while its parent shows a maximized child:
  // it takes the maximized state over at its first paint.
  bool CreatedBesideMaximizedSibling() const;
  void MaximizeIfPending();
  // The creation is over: a child shown while it was created is drawn.
  void HandleMDIChildCreated();
  // A child shown for the first time: the parent's line and area are drawn
  // again (the child's menu and activation change them).
  void RefreshMDIParentForNewChild();
  // A maximized child shown or hidden: the parent's line shows its buttons
  // or not, drawn once the child's visibility has changed.
  void HandleShowWindow(tk::TMessage& m);

  // sProviderMDICommands.cpp
  void HandleMDIParentSysCommand(tk::TMessage& m);
  void HandleMDIChildSysCommand(tk::TMessage& m);
  // The parent ends the update a command began and is drawn again whole.
  static void RedrawMDIParentAfterCommand(const TsSkinProvider* self, bool processPending);
  void RedrawWithFrame();
  void RedrawOtherMDIChildren();
  // The menu loop of an MDI parent with a maximized child: the child's
  // buttons stay shown by a window of their own over the menu line.
  void HandleEnterMenuLoop(tk::TMessage& m);
  void HandleExitMenuLoop(tk::TMessage& m);

  // sProviderMessages.cpp
  bool HandleSkinnedMessage(tk::TMessage& m);
  void HandleMouseEnter(tk::TMessage& m);
  void HandleSysCommand(tk::TMessage& m);
  void HandleActivate(tk::TMessage& m);
  void HandleNcActivate(tk::TMessage& m);
  void HandleWindowPosChanging(tk::TMessage& m);
  void HandleMinMaxInfo(tk::TMessage& m);
  void HandleSize(tk::TMessage& m);
  void HandleSizeChanged(tk::TMessage& m);
  void HandleSetText(tk::TMessage& m);
  void HandleCreate(tk::TMessage& m);
  void HandleParentNotify(tk::TMessage& m);
  void SysCommand(WPARAM command);

  tk::TCustomForm* form_ = nullptr;
  std::unique_ptr<TsProviderSkinData> skinData_;
  tk::TWndHookId hook_ = 0;
  const tk::TWndNext* next_ = nullptr;
  bool attached_ = false;

  // Published state.
  tk::TAlignment captionAlignment_ = tk::taLeftJustify;
  TsGripMode gripMode_ = gmNone;
  bool makeSkinMenu_ = true;
  std::string menuLineSkin_;
  TsResizeMode resizeMode_ = rmStandard;
  bool screenSnap_ = false;
  int snapBuffer_ = 10;
  bool showAppIcon_ = true;
  TsTitleButtons titleButtons_{this};
  TsTitleIcon titleIcon_;
  std::string titleSkin_;
  bool useGlobalColor_ = true;

  // Private state.
  std::vector<TRect> regionRects_;
  bool regionChanged_ = true;
  int hotButton_ = 0;
  tk::Bitmap titleBG_;
  int titleBGLeft_ = 0;  // where titleBG_ lies in the cache
  bool redrawChildren_ = false;
  TsCaptionButton buttonMin_, buttonMax_, buttonClose_, buttonHelp_;
  TsCaptionButton childClose_, childMax_, childMin_;
  int titleButtonMask_ = -1;
  bool regionLocked_ = false;
  bool showAnimating_ = false;
  bool settingRegion_ = false;
  bool captionInvalid_ = true;
  bool firstPaintDone_ = false;
  std::optional<TsFrameMetrics> cachedFrame_;  // the measures the cache was painted for
  bool menuOwnerDrawSet_ = false;
  bool mdiAreaPending_ = true;
  tk::ComponentPtr<TsSystemMenu> systemMenu_;
  std::unique_ptr<TsMDIForm> mdiForm_;
  bool childButtonsInCache_ = false;  // an MDI parent's cache shows the child buttons
  bool mdiChildZoomed_ = false;       // an MDI child was maximized at its last size change
  bool maximizePending_ = false;      // an MDI child maximizes itself at its first paint
  std::unique_ptr<TsOutlineDrag> drag_;
  std::unique_ptr<TsMDIIconsWindow> mdiIcons_;
  bool formActive_ = true;
  tk::Bitmap menuLineBmp_;
  mutable int linesCount_ = -1;
  std::unique_ptr<tk::Bitmap> captionCache_;
  // A caption button is held: the mouse is captured until it is released.
  bool buttonCaptured_ = false;
  std::unique_ptr<TvxCtrlAdapter> adapter_;
  std::unique_ptr<TvxFormScrollWnd> scrollWnd_;
  // Scroll wrappers let go of while one of their messages was in flight:
  // freed once they are out of it.
  std::vector<std::unique_ptr<TvxFormScrollWnd>> retiredScrollWnds_;
};

}  // namespace skin
