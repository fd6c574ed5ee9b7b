#pragma once
// Menus as components: a main menu (a form's menu bar) and popup menus, each
// a tree of TMenuItem. The system menu (HMENU) is built from the tree and
// rebuilt when an item changes, so the items are the one truth; a skin
// restyles items by their properties and owner-draw events, never by
// editing system menus.
//
// Owner drawing: an item is drawn by its owner when its menu has OwnerDraw
// set or it has an OnAdvancedDrawItem handler. The system then asks the
// window that owns the menu (the form of a main menu; the toolkit's own
// popup window for popup menus) with WM_MEASUREITEM and WM_DRAWITEM; every
// toolkit window hands those to TMenu::Dispatch, which calls the item's
// OnMeasureItem / OnAdvancedDrawItem with a canvas on the system's context.
// Items without handlers measure and draw themselves plainly. A failure in a
// handler is recorded (ErrorRecord.h), never shown: the item is drawn plainly.
//
// Menu commands (WM_COMMAND from a menu) reach the item's Click.

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/win/BiDiMode.h"
#include "toolkit/win/Canvas.h"
#include "toolkit/win/Component.h"
#include "toolkit/win/GraphicBitmap.h"
#include "toolkit/win/Messages.h"
#include "toolkit/win/ShortCut.h"

namespace tk {

class TMenu;
class TCustomImageList;

enum TMenuBreak { mbNone, mbBreak, mbBarBreak };
// The system's owner-draw state flags (ODS_SELECTED, ODS_GRAYED, ...).
using TOwnerDrawState = UINT;

using TMenuMeasureItemEvent = std::function<void(TObject* sender, TCanvas& canvas, int& width, int& height)>;
using TAdvancedMenuDrawItemEvent =
    std::function<void(TObject* sender, TCanvas& canvas, const RECT& rect, TOwnerDrawState state)>;

class TMenuItem : public TComponent {
  TK_CLASS(TMenuItem)
public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;

  // The tree. An item belongs to at most one parent; Add takes it from its
  // old one.
  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int index) const { return items_.at(static_cast<std::size_t>(index)); }
  TMenuItem* Parent() const { return parent_; }
  int MenuIndex() const;
  void Add(TMenuItem* item) { Insert(Count(), item); }
  void Insert(int index, TMenuItem* item);
  void Remove(TMenuItem* item);
  // The menu this item belongs to (through its parents), or none.
  TMenu* GetParentMenu() const;

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string_view caption);
  // "-" makes a separator line.
  bool IsLine() const { return caption_ == "-"; }
  TShortCut ShortCut() const { return shortCut_; }
  void SetShortCut(TShortCut shortCut);
  bool Checked() const { return checked_; }
  void SetChecked(bool value);
  // A checked radio item shows a bullet; Checked unchecks the other radio
  // items of the same GroupIndex among its siblings.
  bool RadioItem() const { return radioItem_; }
  void SetRadioItem(bool value);
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int value);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  bool Visible() const { return visible_; }
  void SetVisible(bool value);
  // The default item is drawn bold and runs on a double click.
  bool Default() const { return default_; }
  void SetDefault(bool value);
  TMenuBreak Break() const { return break_; }
  void SetBreak(TMenuBreak value);
  // The item's picture: its own bitmap, else the image of its menu's image
  // list (TMenu::Images) at ImageIndex (-1 = none).
  TBitmap& Bitmap() { return bitmap_; }
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);
  std::string Hint;

  virtual void Click();

  TNotifyEvent OnClick;
  TMenuMeasureItemEvent OnMeasureItem;
  TAdvancedMenuDrawItemEvent OnAdvancedDrawItem;

  // The system's id of the item's command, unique in the process.
  UINT Command() const { return command_; }
  // The submenu built for an item with children (nullptr otherwise, or
  // before its menu was built).
  HMENU Handle() const { return handle_; }
  bool IsOwnerDrawn() const;

  // Called for the system's measure and draw requests; plain measuring and
  // drawing when the item has no handler.
  void MeasureItem(HDC dc, int& width, int& height);
  void DrawItem(HDC dc, const RECT& rect, TOwnerDrawState state);

  // The live item an owner-draw request or a command refers to, or none.
  static TMenuItem* FromItemData(ULONG_PTR data);
  static TMenuItem* FromCommand(UINT command);

protected:
  void BeforeDestruction() override;

private:
  friend class TMenu;
  friend class TMainMenu;
  void Changed();
  void Build(HMENU into);
  // Builds items into a menu from a position on; returns the next position.
  static UINT BuildItems(const std::vector<TMenuItem*>& items, HMENU into, UINT position);
  std::wstring SystemText() const;

  std::vector<TMenuItem*> items_;
  TMenuItem* parent_ = nullptr;
  TMenu* menu_ = nullptr;  // set on a menu's root item only
  std::string caption_;
  TShortCut shortCut_ = 0;
  bool checked_ = false;
  bool radioItem_ = false;
  int groupIndex_ = 0;
  bool enabled_ = true;
  bool visible_ = true;
  bool default_ = false;
  TMenuBreak break_ = mbNone;
  TBitmap bitmap_;
  int imageIndex_ = -1;
  UINT command_ = 0;
  HMENU handle_ = nullptr;
};

class TMenu : public TComponent {
  TK_CLASS(TMenu)
public:
  explicit TMenu(TComponent* owner);
  ~TMenu() override;

  // The invisible root; its children are the menu's items.
  TMenuItem* Items() const { return items_; }
  // The system menu, built on demand.
  HMENU Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }
  bool OwnerDraw() const { return ownerDraw_; }
  void SetOwnerDraw(bool value);
  // The pictures the items show by their ImageIndex; none by default. The
  // menu lets go of a list that is freed.
  TCustomImageList* Images() const { return images_; }
  void SetImages(TCustomImageList* images);
  // A right-to-left menu lists its items from the right and reads them
  // right to left (the system menu is built so); owner-drawn items follow
  // it themselves.
  TBiDiMode BiDiMode() const { return biDiMode_; }
  void SetBiDiMode(TBiDiMode mode);
  bool IsRightToLeft() const { return biDiMode_ != bdLeftToRight; }

  // The menu requests of one window message: WM_MEASUREITEM and WM_DRAWITEM
  // for menu items, WM_COMMAND from a menu. True when it was one (Result
  // set).
  static bool Dispatch(TMessage& message);

protected:
  virtual HMENU CreateHandle() = 0;
  // The system menu changed (a main menu redraws its bar).
  virtual void MenuChanged() {}
  // An item of the menu changed.
  virtual void ItemsChanged() { Rebuild(); }
  // Builds the top-level items into the system menu from a position on.
  virtual void BuildTop(HMENU into, UINT position);
  void Rebuild();
  void BeforeDestruction() override;
  void Notification(TComponent* component, TOperation operation) override;

private:
  friend class TMenuItem;
  void DestroyHandle();

  TMenuItem* items_;
  HMENU handle_ = nullptr;
  bool ownerDraw_ = false;
  TCustomImageList* images_ = nullptr;
  TBiDiMode biDiMode_ = bdLeftToRight;
};

// A form's menu bar (TCustomForm::SetMenu).
//
// Merging (MenuMerge.cpp): the menu of an MDI child shows on its parent's
// bar while the child is active. The bar then holds the parent's top-level
// items and the child's, ordered by GroupIndex (the parent's items are
// expected in ascending GroupIndex); a GroupIndex the child's menu has
// replaces the parent's items of that GroupIndex. The items stay where they
// belong: only the bar is built from both.
class TMainMenu : public TMenu {
  TK_CLASS(TMainMenu)
public:
  explicit TMainMenu(TComponent* owner) : TMenu(owner) {}
  ~TMainMenu() override { BeforeDestruction(); }
  // The window whose bar shows this menu (set by the form).
  void SetWindow(HWND window) { window_ = window; }
  HWND Window() const { return window_; }

  // Shows another menu's items on this bar (none: only its own); a menu is
  // merged into one bar at a time.
  void Merge(TMainMenu* menu);
  void Unmerge(TMainMenu* menu);
  TMainMenu* Merged() const { return merged_; }
  // The bar this menu's items show on, or none.
  TMainMenu* MergedInto() const { return mergedInto_; }
  // The visible top-level items as the bar shows them, left to right.
  std::vector<TMenuItem*> BarItems() const;
  // Runs after the bar was built again (its submenus are new menus then).
  std::function<void()> OnBarRebuilt;

protected:
  HMENU CreateHandle() override { return CreateMenu(); }
  void MenuChanged() override;
  void ItemsChanged() override;
  void BuildTop(HMENU into, UINT position) override;
  void BeforeDestruction() override;

private:
  HWND window_ = nullptr;
  TMainMenu* merged_ = nullptr;
  TMainMenu* mergedInto_ = nullptr;
};

class TPopupMenu : public TMenu {
  TK_CLASS(TPopupMenu)
public:
  explicit TPopupMenu(TComponent* owner) : TMenu(owner) {}
  // Shows the menu at a screen point and returns when it closed; the chosen
  // item's Click has run by then.
  void Popup(int x, int y);
  // The same with a window of the program as the menu's owner (a form's
  // window menu): that window receives the menu's messages.
  void Popup(int x, int y, HWND owner);
  TNotifyEvent OnPopup;

protected:
  HMENU CreateHandle() override { return CreatePopupMenu(); }
};

}  // namespace tk
