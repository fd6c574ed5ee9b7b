#pragma once
// TsSkinableMenus: the painter of skinned menus. The window system still
// runs every menu (tracking, keyboard, commands); the items are owner-drawn
// and this class measures and paints them from the skin: popup menus get the
// MAINMENU background with an optional extra line (a band at the left with a
// caption and a glyph) and an icon line, dividers, caption bands and normal
// items; the top-level items of a main menu are painted over the skinned
// menu line of their form. The skin manager owns one (Of); the skinned forms
// hook their menus to it while they are skinned.
//
// Handlers the application assigned to an item are never replaced: only an
// item without its own draw or measure handler gets ours, and unhooking
// removes only ours.

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "sMenuMetrics.h"
#include "skin/paint/sPaintTypes.h"
#include "toolkit/core/Bitmap.h"
#include "toolkit/win/Canvas.h"
#include "toolkit/win/Component.h"
#include "toolkit/win/Font.h"
#include "toolkit/win/Menus.h"
#include "toolkit/win/Types.h"

namespace tk {
class TCustomForm;
}

namespace skin {

class TsSkinManager;
class TsSkinTables;

using TsMenuManagerDrawItemEvent = std::function<void(tk::TObject* sender, tk::TCanvas& canvas, const RECT& rect,
                                                      tk::TOwnerDrawState state, TsMenuItemType itemType)>;

class TsSkinableMenus : public tk::TComponent {
  TK_CLASS(TsSkinableMenus)
public:
  explicit TsSkinableMenus(TsSkinManager* manager);
  ~TsSkinableMenus() override;
  // The manager's painter, made on first use.
  static TsSkinableMenus& Of(TsSkinManager& manager);

  int Margin = 3;
  tk::TAlignment Alignment = tk::taLeftJustify;
  int BevelWidth = 0;
  int BorderWidth = 3;
  tk::TFont& CaptionFont() { return captionFont_; }
  int Spacing = 6;
  // The width of the skin's popup border; read from MAINMENU's border mask
  // while not set (-1) and remembered until the skin changes.
  int SkinBorderWidth();
  void SetSkinBorderWidth(int value) { skinBorderWidth_ = value; }
  TsMenuManagerDrawItemEvent OnDrawItem;
  TsSkinManager* Manager() const { return manager_; }

  bool Active() const { return active_; }
  void SetActive(bool value);
  // Active while the manager's skin is ready.
  void Refresh();
  // Hooks (or unhooks) every menu of the application.
  void Activate(bool value);
  void HookPopup(tk::TMenu& popup, bool value);
  // Our handlers off a popup's items (whichever painter set them), and the
  // popup drawn by the window system again.
  static void UnhookPopup(tk::TMenu& popup);
  void HookItems(tk::TMenuItem& item, bool value);
  void HookMainMenu(tk::TMainMenu& menu, bool value);
  void HookOneItem(tk::TMenuItem& item, bool value);
  // All menus a form holds: its main menu, and with SkinnedPopups its popup
  // menus and free items.
  void HookFormMenus(tk::TCustomForm& form, bool value);

  // The owner-draw handlers.
  void MeasureItem(tk::TMenuItem& item, tk::TCanvas& canvas, int& width, int& height);
  void DrawItem(tk::TMenuItem& item, tk::TCanvas& canvas, const RECT& rect, tk::TOwnerDrawState state);
  void MeasureTopItem(tk::TMenuItem& item, tk::TCanvas& canvas, int& width, int& height);
  void DrawTopItem(tk::TMenuItem& item, tk::TCanvas& canvas, const RECT& rect, tk::TOwnerDrawState state);

  // The DrawText options of a popup item's caption in that state (the
  // caption loses a leading backspace, which right-aligns it) and of a
  // menu-line item's caption. ODS_NOACCEL, which the window system and the
  // form's menu line give while keyboard cues are hidden, hides the
  // underlines.
  UINT ItemTextFormat(tk::TMenuItem& item, tk::TOwnerDrawState state, std::string& text) const;
  UINT TopItemTextFormat(tk::TOwnerDrawState state) const;

  // True when the handler is one of ours.
  static bool IsOurDraw(const tk::TAdvancedMenuDrawItemEvent& handler);
  static bool IsOurMeasure(const tk::TMenuMeasureItemEvent& handler);

  // The popup of an item's siblings drawn whole into target (made the
  // popup's size): the background, then every visible item through the
  // same drawing as on the screen, the one at index `selected` (among the
  // visible items) as the selected one, every item with the extra state
  // flags given (ODS_NOACCEL: as opened by the mouse while keyboard cues are
  // hidden). Pictures of menus without showing one.
  // Returns each visible item's rectangle in the picture.
  std::vector<TRect> PaintPopupTo(tk::TMenuItem& parent, tk::Bitmap& target, int selected = -1,
                                  tk::TOwnerDrawState extraState = 0);

  // What the extra line shows for the popup whose first item this is.
  struct ExtraLine {
    std::string section;
    std::string caption;
    tk::Bitmap glyph;
    bool visible = false;
  };
  ExtraLine ExtraLineFor(tk::TMenuItem& firstItem);
  // The extra line's width for an item: 0 unless it counts for its popup
  // and the item stands in the first column.
  int ExtraLineWidthFor(tk::TMenuItem& item);

  // The platform's popup window: prepared once (frame painting off, the
  // per-popup state reset when it goes, the skin's region).
  void PreparePopupWindow(HWND window);
  // SM_MENU_PREPARE_AT_ITEM (lParam: the item's command) and
  // SM_MENU_PREPARE_WINDOW (lParam: the window).
  void HandlePrepareMessage(tk::TMessage& m);

  // Whether pictures of right-to-left menus stand at the right: where the
  // system reads right to left (SM_MIDEASTENABLED) unless set otherwise.
  static bool MiddleEastSupport();
  static void SetMiddleEastSupport(std::optional<bool> value);
  static bool IsRightToLeft(tk::TMenuItem& item);
  // The image list of the item's menu, or none.
  static const tk::TCustomImageList* ImagesOf(tk::TMenuItem& item);

  // Forgets the popup being drawn (a popup window went).
  static void ResetPopupState();
  // Set while a skinned popup is measured or open.
  static bool PopupActive();
  static void SetPopupActive(bool value);

protected:
  void BeforeDestruction() override;

private:
  struct Glyph {
    int width = 16;
    int height = 16;
  };
  Glyph GlyphSizeOf(tk::TMenuItem& item, bool bitmapOnly) const;
  const TsSkinTables* Tables() const;
  int SectionIndex(const char* name) const;
  void SelectMenuFont(tk::TCanvas& canvas, tk::TMenuItem& item, bool bold) const;
  void HookItemTree(tk::TMenuItem& parent, bool value, bool skipTopOfMainMenu);
  void HookComponentTree(tk::TComponent& owner, bool value);
  bool TakesPopups() const;

  // The popup background and what the current popup keeps.
  void EnsurePopupState(tk::TMenuItem& item, HWND window);
  void BuildBackground(tk::TMenuItem& firstItem, int width, int height);
  void PaintExtraLine(const ExtraLine& line, int height);
  void PaintIconLine(int extra, int height);
  TsMenuSize ComputedPopupSize(tk::TMenuItem& firstItem);
  void CopyFrameParts(HWND window, tk::TMenuItem& item, const RECT& rect, POINT clientOffset);
  void DrawDivider(tk::TMenuItem& item, tk::TCanvas& canvas, const RECT& rect, tk::TOwnerDrawState state,
                   POINT bgOffset);
  void DrawCaptionBand(tk::TMenuItem& item, tk::TCanvas& canvas, const RECT& rect, tk::TOwnerDrawState state,
                       POINT bgOffset);
  void DrawNormalItem(tk::TMenuItem& item, tk::TCanvas& canvas, const RECT& rect, tk::TOwnerDrawState state,
                      POINT bgOffset);
  void CopyColumnRest(tk::TMenuItem& item, tk::TCanvas& canvas, const RECT& rect, POINT bgOffset);
  void DrawCheckAndPicture(tk::TMenuItem& item, tk::Bitmap& bmp, bool hot);
  void DrawItemText(tk::TMenuItem& item, tk::Bitmap& bmp, bool hot, tk::TOwnerDrawState state);
  void CopyBackground(tk::TCanvas& canvas, const RECT& dest, POINT source) const;

  TsSkinManager* manager_;
  tk::TFont captionFont_;
  int skinBorderWidth_ = -1;
  bool active_ = false;
  bool regionBusy_ = false;
  std::vector<TRect> cutOuts_;
  bool paintingToBitmap_ = false;
  bool preparePending_ = false;
};

}  // namespace skin
