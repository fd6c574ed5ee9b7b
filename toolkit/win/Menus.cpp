#include "toolkit/win/Menus.h"

#include <algorithm>
#include <map>

#include "toolkit/win/ControlCanvas.h"
#include "toolkit/win/ErrorRecord.h"
#include "toolkit/win/GdiObjects.h"
#include "toolkit/win/ImgList.h"
#include "toolkit/win/Unicode.h"

namespace tk {

namespace {

// Live items by command id; owner-draw requests and commands are checked
// against it, so a stale pointer or id from the system is never followed.
std::map<UINT, TMenuItem*>& LiveItems() {
  static std::map<UINT, TMenuItem*> items;
  return items;
}

// Below the system commands (SC_* start at 0xF000).
constexpr UINT kFirstCommand = 0x100;
constexpr UINT kLastCommand = 0xEFFF;
UINT nextCommand = kFirstCommand;

UINT NewCommand() {
  for (UINT tries = 0; tries <= kLastCommand - kFirstCommand; ++tries) {
    const UINT command = nextCommand;
    nextCommand = nextCommand == kLastCommand ? kFirstCommand : nextCommand + 1;
    if (!LiveItems().count(command)) return command;
  }
  throw EComponentError("Too many menu items");
}

TFontHandle MenuFont(bool bold) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  if (bold) metrics.lfMenuFont.lfWeight = FW_BOLD;
  return TFontHandle(CreateFontIndirectW(&metrics.lfMenuFont));
}

constexpr int kTextMargin = 4;
constexpr int kSeparatorHeight = 8;

// The window that owns every popup menu while it is open: the system sends
// it the menu's measure, draw and command requests.
LRESULT CALLBACK PopupOwnerProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{msg, wParam, lParam, 0};
  try {
    if (TMenu::Dispatch(message)) return message.Result;
  } catch (...) {
    RecordedErrors().RecordCurrent(nullptr, "popup menu");
  }
  return DefWindowProcW(window, msg, wParam, lParam);
}

HWND PopupOwner() {
  static HWND window = nullptr;
  if (window && IsWindow(window)) return window;
  WNDCLASSW wc{};
  wc.lpfnWndProc = PopupOwnerProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"TPopupList";
  RegisterClassW(&wc);
  window = CreateWindowExW(0, L"TPopupList", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, wc.hInstance, nullptr);
  return window;
}

}  // namespace

// --- items ----------------------------------------------------------------

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(NewCommand()) {
  LiveItems()[command_] = this;
  bitmap_.OnChange = [this](TBitmap&) { Changed(); };
}

TMenuItem::~TMenuItem() { BeforeDestruction(); }

void TMenuItem::BeforeDestruction() {
  if (IsDestroying()) return;
  LiveItems().erase(command_);
  bitmap_.OnChange = nullptr;
  if (parent_) parent_->Remove(this);
  // Children owned elsewhere still leave this item.
  for (TMenuItem* child : std::vector<TMenuItem*>(items_)) child->parent_ = nullptr;
  items_.clear();
  TComponent::BeforeDestruction();
}

int TMenuItem::MenuIndex() const {
  if (!parent_) return -1;
  const auto& siblings = parent_->items_;
  return static_cast<int>(std::find(siblings.begin(), siblings.end(), this) - siblings.begin());
}

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (!item || item == this) throw EComponentError("A menu item cannot be its own child");
  for (const TMenuItem* p = this; p; p = p->parent_)
    if (p == item) throw EComponentError("A menu item cannot be placed inside its own child");
  if (item->parent_) item->parent_->Remove(item);
  index = std::clamp(index, 0, Count());
  items_.insert(items_.begin() + index, item);
  item->parent_ = this;
  Changed();
}

void TMenuItem::Remove(TMenuItem* item) {
  auto it = std::find(items_.begin(), items_.end(), item);
  if (it == items_.end()) return;
  items_.erase(it);
  item->parent_ = nullptr;
  Changed();
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* root = this;
  while (root->parent_) root = root->parent_;
  return root->menu_;
}

namespace {
template <class T>
void SetAndChange(TMenuItem& item, T& field, const T& value, void (TMenuItem::*changed)()) {
  if (field == value) return;
  field = value;
  (item.*changed)();
}
}  // namespace

void TMenuItem::SetCaption(std::string_view caption) {
  if (caption_ == caption) return;
  caption_ = caption;
  Changed();
}

void TMenuItem::SetShortCut(TShortCut shortCut) { SetAndChange(*this, shortCut_, shortCut, &TMenuItem::Changed); }
void TMenuItem::SetRadioItem(bool value) { SetAndChange(*this, radioItem_, value, &TMenuItem::Changed); }
void TMenuItem::SetGroupIndex(int value) { SetAndChange(*this, groupIndex_, value, &TMenuItem::Changed); }
void TMenuItem::SetEnabled(bool value) { SetAndChange(*this, enabled_, value, &TMenuItem::Changed); }
void TMenuItem::SetVisible(bool value) { SetAndChange(*this, visible_, value, &TMenuItem::Changed); }
void TMenuItem::SetBreak(TMenuBreak value) { SetAndChange(*this, break_, value, &TMenuItem::Changed); }
void TMenuItem::SetImageIndex(int value) { SetAndChange(*this, imageIndex_, value, &TMenuItem::Changed); }

void TMenuItem::SetChecked(bool value) {
  if (checked_ == value) return;
  checked_ = value;
  if (value && radioItem_ && parent_) {
    for (TMenuItem* sibling : parent_->items_)
      if (sibling != this && sibling->radioItem_ && sibling->groupIndex_ == groupIndex_) sibling->checked_ = false;
  }
  Changed();
}

void TMenuItem::SetDefault(bool value) {
  if (default_ == value) return;
  if (value && parent_)
    for (TMenuItem* sibling : parent_->items_) sibling->default_ = false;
  default_ = value;
  Changed();
}

void TMenuItem::Click() {
  if (!enabled_) return;
  if (OnClick) OnClick(this);
}

bool TMenuItem::IsOwnerDrawn() const {
  const TMenu* menu = GetParentMenu();
  return static_cast<bool>(OnAdvancedDrawItem) || (menu && menu->OwnerDraw());
}

void TMenuItem::Changed() {
  if (IsDestroying()) return;
  if (TMenu* menu = GetParentMenu()) menu->ItemsChanged();
}

std::wstring TMenuItem::SystemText() const {
  std::wstring text = Utf8ToWide(caption_);
  if (shortCut_ != 0) text += L"\t" + Utf8ToWide(ShortCutToText(shortCut_));
  return text;
}

void TMenuItem::Build(HMENU into) { BuildItems(items_, into, 0); }

UINT TMenuItem::BuildItems(const std::vector<TMenuItem*>& items, HMENU into, UINT position) {
  for (TMenuItem* child : items) child->handle_ = nullptr;
  for (TMenuItem* item : items) {
    if (!item->visible_) continue;
    std::wstring text = item->SystemText();
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA | MIIM_STRING;
    info.fType = item->IsLine() ? MFT_SEPARATOR : 0;
    if (item->IsOwnerDrawn()) info.fType |= MFT_OWNERDRAW;
    if (item->radioItem_) info.fType |= MFT_RADIOCHECK;
    if (item->break_ == mbBreak) info.fType |= MFT_MENUBREAK;
    if (item->break_ == mbBarBreak) info.fType |= MFT_MENUBARBREAK;
    if (const TMenu* menu = item->GetParentMenu(); menu && menu->IsRightToLeft()) info.fType |= MFT_RIGHTORDER;
    info.fState = (item->checked_ ? MFS_CHECKED : 0) | (item->enabled_ ? 0 : MFS_DISABLED) |
                  (item->default_ ? MFS_DEFAULT : 0);
    info.wID = item->command_;
    info.dwItemData = item->command_;
    info.dwTypeData = text.data();
    info.cch = static_cast<UINT>(text.size());
    if (!item->bitmap_.Empty() && !item->IsOwnerDrawn()) {
      info.fMask |= MIIM_BITMAP;
      info.hbmpItem = static_cast<HBITMAP>(item->bitmap_.Image().NativeHandle());
    }
    if (!item->items_.empty()) {
      item->handle_ = CreatePopupMenu();
      item->Build(item->handle_);
      info.fMask |= MIIM_SUBMENU;
      info.hSubMenu = item->handle_;
    }
    InsertMenuItemW(into, position++, TRUE, &info);
  }
  return position;
}

TMenuItem* TMenuItem::FromItemData(ULONG_PTR data) { return FromCommand(static_cast<UINT>(data)); }

TMenuItem* TMenuItem::FromCommand(UINT command) {
  auto it = LiveItems().find(command);
  return it == LiveItems().end() ? nullptr : it->second;
}

void TMenuItem::MeasureItem(HDC dc, int& width, int& height) {
  TControlCanvas canvas;
  TPaintScope scope(canvas, dc);
  if (OnMeasureItem) {
    OnMeasureItem(this, canvas, width, height);
    return;
  }
  if (IsLine()) {
    width = 0;
    height = kSeparatorHeight;
    return;
  }
  const TFontHandle font = MenuFont(default_);
  TSelection selected(dc, font.Get());
  const std::wstring text = SystemText();
  RECT r{0, 0, 0, 0};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
  const int glyph = GetSystemMetrics(SM_CXMENUCHECK);
  width = RectWidth(r) + 2 * glyph + 3 * kTextMargin;
  height = std::max<int>(RectHeight(r) + kTextMargin, GetSystemMetrics(SM_CYMENU));
}

void TMenuItem::DrawItem(HDC dc, const RECT& rect, TOwnerDrawState state) {
  if (OnAdvancedDrawItem) {
    try {
      TControlCanvas canvas;
      TPaintScope scope(canvas, dc);
      TSavedDC saved(dc);
      OnAdvancedDrawItem(this, canvas, rect, state);
      return;
    } catch (...) {
      // Recorded, never shown: the item is drawn plainly instead.
      RecordedErrors().RecordCurrent(this, "drawing a menu item");
    }
  }
  TSavedDC saved(dc);
  const bool selected = (state & ODS_SELECTED) && !IsLine();
  FillRect(dc, &rect, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
  if (IsLine()) {
    RECT line = rect;
    line.top += RectHeight(rect) / 2;
    DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
    return;
  }
  const int glyph = GetSystemMetrics(SM_CXMENUCHECK);
  if (checked_) {
    RECT mark{rect.left + kTextMargin, rect.top + (RectHeight(rect) - glyph) / 2, 0, 0};
    mark.right = mark.left + glyph;
    mark.bottom = mark.top + glyph;
    DrawFrameControl(dc, &mark, DFC_MENU, radioItem_ ? DFCS_MENUBULLET : DFCS_MENUCHECK);
  } else if (!bitmap_.Empty()) {
    TMemoryDC memory(dc);
    TSelection picture(memory.Get(), static_cast<HBITMAP>(bitmap_.Image().NativeHandle()));
    BitBlt(dc, rect.left + kTextMargin, rect.top + (RectHeight(rect) - bitmap_.Height()) / 2, bitmap_.Width(),
           bitmap_.Height(), memory.Get(), 0, 0, SRCCOPY);
  }
  const TFontHandle font = MenuFont(default_);
  TSelection selectedFont(dc, font.Get());
  SetBkMode(dc, TRANSPARENT);
  const bool grayed = (state & (ODS_GRAYED | ODS_DISABLED)) || !enabled_;
  SetTextColor(dc, GetSysColor(grayed ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
  RECT text = rect;
  text.left += glyph + 2 * kTextMargin;
  text.right -= kTextMargin;
  const std::wstring caption = Utf8ToWide(caption_);
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
  if (shortCut_ != 0) {
    const std::wstring keys = Utf8ToWide(ShortCutToText(shortCut_));
    DrawTextW(dc, keys.c_str(), static_cast<int>(keys.size()), &text, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
  }
}

// --- menus ----------------------------------------------------------------

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(Create<TMenuItem>(nullptr)) { items_->menu_ = this; }

TMenu::~TMenu() { BeforeDestruction(); }

void TMenu::BeforeDestruction() {
  if (IsDestroying()) return;
  TComponent::BeforeDestruction();
  DestroyHandle();
  items_->menu_ = nullptr;
  TComponent::Free(items_);
}

HMENU TMenu::Handle() {
  if (!handle_) {
    handle_ = CreateHandle();
    BuildTop(handle_, 0);
  }
  return handle_;
}

void TMenu::BuildTop(HMENU into, UINT position) { TMenuItem::BuildItems(items_->items_, into, position); }

namespace {
// An item the menu's own building put there: the window system adds items
// of its own to a bar (a maximized MDI child's window menu and buttons),
// which stay where they are.
bool IsBuiltItem(HMENU menu, int position) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_ID | MIIM_DATA;
  if (!GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info)) return false;
  return info.dwItemData != 0 && info.dwItemData == info.wID && info.wID >= kFirstCommand && info.wID <= kLastCommand;
}

// With none of its own items left, a bar's items go after the window
// system's window menu (an item with a submenu in front of them).
int LeadingSystemItems(HMENU menu) {
  const int count = GetMenuItemCount(menu);
  int n = 0;
  while (n < count && GetSubMenu(menu, n)) ++n;
  return n;
}
}  // namespace

void TMenu::SetOwnerDraw(bool value) {
  if (ownerDraw_ == value) return;
  ownerDraw_ = value;
  ItemsChanged();
}

void TMenu::SetImages(TCustomImageList* images) {
  if (images_ == images) return;
  if (images_) images_->RemoveFreeNotification(this);
  images_ = images;
  if (images_) images_->FreeNotification(this);
  ItemsChanged();
}

void TMenu::SetBiDiMode(TBiDiMode mode) {
  if (biDiMode_ == mode) return;
  biDiMode_ = mode;
  ItemsChanged();
}

void TMenu::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == images_) {
    images_ = nullptr;
    ItemsChanged();
  }
}

void TMenu::Rebuild() {
  if (!handle_ || IsDestroying()) return;
  // DeleteMenu also destroys the submenus built for the items. The items
  // come back where the first of them was (after what the window system
  // put in front).
  int first = -1;
  for (int i = GetMenuItemCount(handle_) - 1; i >= 0; --i) {
    if (!IsBuiltItem(handle_, i)) continue;
    DeleteMenu(handle_, static_cast<UINT>(i), MF_BYPOSITION);
    first = i;
  }
  if (first < 0) first = LeadingSystemItems(handle_);
  BuildTop(handle_, static_cast<UINT>(first));
  MenuChanged();
}

void TMenu::DestroyHandle() {
  if (!handle_) return;
  DestroyMenu(handle_);
  handle_ = nullptr;
}

bool TMenu::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_MEASUREITEM: {
      auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
      if (!measure || measure->CtlType != ODT_MENU) return false;
      TMenuItem* item = TMenuItem::FromItemData(measure->itemData);
      if (!item) return false;
      int width = static_cast<int>(measure->itemWidth);
      int height = static_cast<int>(measure->itemHeight);
      // A screen context: the system gives none to measure with.
      TWindowDC screen(nullptr);
      try {
        item->MeasureItem(screen.Get(), width, height);
      } catch (...) {
        RecordedErrors().RecordCurrent(item, "measuring a menu item");
      }
      measure->itemWidth = static_cast<UINT>(std::max(width, 0));
      measure->itemHeight = static_cast<UINT>(std::max(height, 0));
      message.Result = TRUE;
      return true;
    }
    case WM_DRAWITEM: {
      auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam);
      if (!draw || draw->CtlType != ODT_MENU) return false;
      TMenuItem* item = TMenuItem::FromItemData(draw->itemData);
      if (!item) return false;
      item->DrawItem(draw->hDC, draw->rcItem, draw->itemState);
      message.Result = TRUE;
      return true;
    }
    case WM_COMMAND: {
      if (message.LParam != 0 || HIWORD(message.WParam) != 0) return false;
      TMenuItem* item = TMenuItem::FromCommand(LOWORD(message.WParam));
      if (!item) return false;
      item->Click();
      message.Result = 0;
      return true;
    }
    default: return false;
  }
}

void TMainMenu::MenuChanged() {
  if (OnBarRebuilt) OnBarRebuilt();
  if (window_ && IsWindow(window_)) DrawMenuBar(window_);
}

void TPopupMenu::Popup(int x, int y) { Popup(x, y, PopupOwner()); }

void TPopupMenu::Popup(int x, int y, HWND owner) {
  if (OnPopup) OnPopup(this);
  // The owner must be the foreground window for the menu to close when the
  // user clicks elsewhere.
  SetForegroundWindow(owner);
  const UINT command = static_cast<UINT>(
      TrackPopupMenuEx(Handle(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, x, y, owner, nullptr));
  PostMessageW(owner, WM_NULL, 0, 0);
  if (TMenuItem* item = TMenuItem::FromCommand(command)) item->Click();
}

}  // namespace tk
