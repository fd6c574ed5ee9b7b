#include "sSkinableMenus.h"

#include <algorithm>

#include "sMenuPopupState.h"
#include "sSystemMenu.h"
#include "sSkinProvider.h"
#include "skin/data/sSkinGlobals.h"
#include "skin/data/sSkinManager.h"
#include "toolkit/win/Application.h"
#include "toolkit/win/ErrorRecord.h"
#include "toolkit/win/Form.h"
#include "toolkit/win/GdiObjects.h"
#include "toolkit/win/ImgList.h"
#include "toolkit/win/Unicode.h"

namespace skin {

namespace {

// Our handlers are objects of these types, so that unhooking can tell them
// from the application's own (a std::function cannot be compared).
struct TsMenuDrawHandler {
  TsSkinableMenus* menus;
  bool top;
  void operator()(tk::TObject* sender, tk::TCanvas& canvas, const RECT& rect, tk::TOwnerDrawState state) const {
    auto* item = static_cast<tk::TMenuItem*>(sender);
    if (top)
      menus->DrawTopItem(*item, canvas, rect, state);
    else
      menus->DrawItem(*item, canvas, rect, state);
  }
};

struct TsMenuMeasureHandler {
  TsSkinableMenus* menus;
  bool top;
  void operator()(tk::TObject* sender, tk::TCanvas& canvas, int& width, int& height) const {
    auto* item = static_cast<tk::TMenuItem*>(sender);
    if (top)
      menus->MeasureTopItem(*item, canvas, width, height);
    else
      menus->MeasureItem(*item, canvas, width, height);
  }
};

bool popupActive = false;

// The menus' registrations in the skin manager's slots, kept while a
// painter lives.
struct TsMenuHookRegistrations {
  decltype(SkinEngineHooks().PaintPopupMenu)::Registration paint;
  decltype(SkinEngineHooks().ResetMenuBorderWidth)::Registration borderWidth;
  decltype(SkinEngineHooks().TakeOverPopupMenus)::Registration takeOver;
};

TsMenuHookRegistrations& Registrations() {
  static TsMenuHookRegistrations registrations;
  return registrations;
}

void RegisterWithManager() {
  TsMenuHookRegistrations& r = Registrations();
  if (r.paint.Active()) return;
  r.paint = SkinEngineHooks().PaintPopupMenu.Register([](tk::TMessage& m) {
    if (DefaultManager) TsSkinableMenus::Of(*DefaultManager).HandlePrepareMessage(m);
  });
  r.borderWidth = SkinEngineHooks().ResetMenuBorderWidth.Register([] {
    if (DefaultManager) TsSkinableMenus::Of(*DefaultManager).SetSkinBorderWidth(-1);
  });
  r.takeOver = SkinEngineHooks().TakeOverPopupMenus.Register([] {
    if (DefaultManager) TsSkinableMenus::Of(*DefaultManager).Refresh();
  });
}

}  // namespace

TsMenuPopupState& MenuPopupState() {
  static TsMenuPopupState state;
  return state;
}

std::vector<tk::TMenuItem*> VisibleSiblings(tk::TMenuItem& item) {
  std::vector<tk::TMenuItem*> items;
  tk::TMenuItem* parent = item.Parent();
  if (!parent) return {&item};
  for (int i = 0; i < parent->Count(); ++i)
    if (parent->Items(i)->Visible()) items.push_back(parent->Items(i));
  return items;
}

tk::TMenuItem* FirstVisibleSibling(tk::TMenuItem& item) {
  const std::vector<tk::TMenuItem*> items = VisibleSiblings(item);
  return items.empty() ? &item : items.front();
}

bool IsSkinListItem(tk::TMenuItem& item) {
  tk::TMenuItem* parent = item.Parent();
  return parent && parent->Name() == TsSystemMenu::kSkinListName;
}

void BlitBitmap(HDC dc, int x, int y, const tk::Bitmap& source, const TRect& srcRect) {
  if (source.Empty() || srcRect.Width() <= 0 || srcRect.Height() <= 0) return;
  source.Sync();
  tk::TMemoryDC memory(dc);
  tk::TSelection selected(memory.Get(), static_cast<HBITMAP>(source.NativeHandle()));
  BitBlt(dc, x, y, srcRect.Width(), srcRect.Height(), memory.Get(), srcRect.Left, srcRect.Top, SRCCOPY);
}

TsSkinableMenus::TsSkinableMenus(TsSkinManager* manager) : TComponent(manager), manager_(manager) {
  RegisterWithManager();
}

TsSkinableMenus::~TsSkinableMenus() { BeforeDestruction(); }

void TsSkinableMenus::BeforeDestruction() {
  if (IsDestroying()) return;
  TComponent::BeforeDestruction();
  if (active_) {
    try {
      Activate(false);
    } catch (...) {
      tk::RecordedErrors().RecordCurrent(this, "unhooking the menus");
    }
  }
  ResetPopupState();
}

TsSkinableMenus& TsSkinableMenus::Of(TsSkinManager& manager) {
  for (int i = 0; i < manager.ComponentCount(); ++i)
    if (auto* menus = dynamic_cast<TsSkinableMenus*>(manager.Components(i))) return *menus;
  return *tk::Create<TsSkinableMenus>(&manager);
}

const TsSkinTables* TsSkinableMenus::Tables() const { return manager_ ? &manager_->Tables() : nullptr; }

int TsSkinableMenus::SectionIndex(const char* name) const {
  const TsSkinTables* t = Tables();
  return t ? t->IndexOfSection(name) : -1;
}

int TsSkinableMenus::SkinBorderWidth() {
  if (skinBorderWidth_ != -1) return skinBorderWidth_;
  const TsSkinTables* t = Tables();
  const int section = SectionIndex("MAINMENU");
  const int mask = section < 0 ? -1 : t->IndexOfMask(section, "MAINMENU", "BORDERSMASK");
  if (!t || !t->IsValidImgIndex(mask)) {
    skinBorderWidth_ = 0;
  } else {
    const int width = t->ma[static_cast<std::size_t>(mask)].BorderWidth;
    skinBorderWidth_ = width > 0 ? width : 3;
  }
  return skinBorderWidth_;
}

bool TsSkinableMenus::PopupActive() { return popupActive; }
void TsSkinableMenus::SetPopupActive(bool value) { popupActive = value; }

void TsSkinableMenus::ResetPopupState() {
  TsMenuPopupState& s = MenuPopupState();
  s = TsMenuPopupState{};
}

bool TsSkinableMenus::IsOurDraw(const tk::TAdvancedMenuDrawItemEvent& handler) {
  return handler.target<TsMenuDrawHandler>() != nullptr;
}

bool TsSkinableMenus::IsOurMeasure(const tk::TMenuMeasureItemEvent& handler) {
  return handler.target<TsMenuMeasureHandler>() != nullptr;
}

bool TsSkinableMenus::TakesPopups() const { return manager_ && manager_->SkinnedPopups(); }

void TsSkinableMenus::SetActive(bool value) {
  if (active_ != value) Activate(value);
}

void TsSkinableMenus::Refresh() {
  SetActive(manager_ && manager_->Active() && manager_->SkinData().Active);
}

void TsSkinableMenus::Activate(bool value) {
  active_ = value;
  if (IsDesigning()) return;
  try {
    HookComponentTree(tk::Application(), value);
  } catch (...) {
    // A component that cannot be hooked stays plain; the others are done.
  }
}

void TsSkinableMenus::HookComponentTree(tk::TComponent& owner, bool value) {
  for (int i = 0; i < owner.ComponentCount(); ++i) {
    tk::TComponent* c = owner.Components(i);
    if (auto* main = dynamic_cast<tk::TMainMenu*>(c)) {
      HookMainMenu(*main, value);
    } else if (auto* popup = dynamic_cast<tk::TPopupMenu*>(c)) {
      if (!value || TakesPopups()) HookPopup(*popup, value);
    } else if (auto* item = dynamic_cast<tk::TMenuItem*>(c)) {
      const tk::TMenu* menu = item->GetParentMenu();
      if (!dynamic_cast<const tk::TMainMenu*>(menu) && (!value || TakesPopups())) HookItems(*item, value);
    }
    HookComponentTree(*c, value);
  }
}

void TsSkinableMenus::HookFormMenus(tk::TCustomForm& form, bool value) {
  try {
    if (form.Menu()) HookMainMenu(*form.Menu(), value);
    HookComponentTree(form, value);
  } catch (...) {
    tk::RecordedErrors().RecordCurrent(this, "hooking a form's menus");
  }
}

void TsSkinableMenus::HookItemTree(tk::TMenuItem& parent, bool value, bool skipTopOfMainMenu) {
  const bool parentIsMainRoot = skipTopOfMainMenu && !parent.Parent() && dynamic_cast<tk::TMainMenu*>(parent.GetParentMenu());
  for (int i = 0; i < parent.Count(); ++i) {
    tk::TMenuItem& item = *parent.Items(i);
    if (!(value && parentIsMainRoot)) {
      if (value) {
        if (!item.OnAdvancedDrawItem) item.OnAdvancedDrawItem = TsMenuDrawHandler{this, false};
        if (!item.OnMeasureItem) item.OnMeasureItem = TsMenuMeasureHandler{this, false};
      } else {
        if (IsOurDraw(item.OnAdvancedDrawItem)) item.OnAdvancedDrawItem = nullptr;
        if (IsOurMeasure(item.OnMeasureItem)) item.OnMeasureItem = nullptr;
      }
    }
    HookItemTree(item, value, skipTopOfMainMenu);
  }
}

void TsSkinableMenus::UnhookPopup(tk::TMenu& popup) {
  std::function<void(tk::TMenuItem&)> unhook = [&](tk::TMenuItem& parent) {
    for (int i = 0; i < parent.Count(); ++i) {
      tk::TMenuItem& item = *parent.Items(i);
      if (IsOurDraw(item.OnAdvancedDrawItem)) item.OnAdvancedDrawItem = nullptr;
      if (IsOurMeasure(item.OnMeasureItem)) item.OnMeasureItem = nullptr;
      unhook(item);
    }
  };
  unhook(*popup.Items());
  popup.SetOwnerDraw(false);
}

void TsSkinableMenus::HookPopup(tk::TMenu& popup, bool value) {
  if (!value) {
    UnhookPopup(popup);
    return;
  }
  HookItemTree(*popup.Items(), true, false);
  popup.SetOwnerDraw(true);
}

void TsSkinableMenus::HookItems(tk::TMenuItem& item, bool value) { HookItemTree(item, value, true); }

void TsSkinableMenus::HookMainMenu(tk::TMainMenu& menu, bool value) {
  tk::TMenuItem& root = *menu.Items();
  // While a new skin is broadcast it is loaded but not yet marked active.
  const bool ready = manager_ && !manager_->Tables().gd.empty();
  for (int i = 0; i < root.Count(); ++i) {
    tk::TMenuItem& item = *root.Items(i);
    if (value) {
      if (ready && !item.OnAdvancedDrawItem) item.OnAdvancedDrawItem = TsMenuDrawHandler{this, true};
      if (!item.OnMeasureItem) item.OnMeasureItem = TsMenuMeasureHandler{this, true};
    } else {
      if (IsOurDraw(item.OnAdvancedDrawItem)) item.OnAdvancedDrawItem = nullptr;
      if (IsOurMeasure(item.OnMeasureItem)) item.OnMeasureItem = nullptr;
    }
    HookItems(item, value);
  }
  if (!menu.IsDestroying()) menu.SetOwnerDraw(value);
}

void TsSkinableMenus::HookOneItem(tk::TMenuItem& item, bool value) {
  tk::TMenu* menu = item.GetParentMenu();
  const bool top = dynamic_cast<tk::TMainMenu*>(menu) && item.Parent() && !item.Parent()->Parent();
  if (!value) {
    if (IsOurDraw(item.OnAdvancedDrawItem)) item.OnAdvancedDrawItem = nullptr;
    if (IsOurMeasure(item.OnMeasureItem)) item.OnMeasureItem = nullptr;
  } else if (top) {
    item.OnAdvancedDrawItem = TsMenuDrawHandler{this, true};
    item.OnMeasureItem = TsMenuMeasureHandler{this, true};
  } else if (TakesPopups()) {
    if (!item.OnAdvancedDrawItem) item.OnAdvancedDrawItem = TsMenuDrawHandler{this, false};
    if (!item.OnMeasureItem) item.OnMeasureItem = TsMenuMeasureHandler{this, false};
  }
  if (menu) menu->SetOwnerDraw(value);
}

TsSkinableMenus::Glyph TsSkinableMenus::GlyphSizeOf(tk::TMenuItem& item, bool bitmapOnly) const {
  if (!item.Bitmap().Empty()) return {item.Bitmap().Width(), item.Bitmap().Height()};
  if (!bitmapOnly)
    if (const tk::TCustomImageList* images = ImagesOf(item)) return {images->Width(), images->Height()};
  return {16, 16};
}

namespace {

std::optional<bool> middleEastSupport;

}  // namespace

bool TsSkinableMenus::MiddleEastSupport() {
  return middleEastSupport ? *middleEastSupport : tk::SystemReadsRightToLeft();
}

void TsSkinableMenus::SetMiddleEastSupport(std::optional<bool> value) { middleEastSupport = value; }

bool TsSkinableMenus::IsRightToLeft(tk::TMenuItem& item) {
  const tk::TMenu* menu = item.GetParentMenu();
  return menu && menu->IsRightToLeft();
}

const tk::TCustomImageList* TsSkinableMenus::ImagesOf(tk::TMenuItem& item) {
  const tk::TMenu* menu = item.GetParentMenu();
  return menu ? menu->Images() : nullptr;
}

namespace {

tk::TCustomForm* FormOfItem(tk::TMenuItem& item) {
  tk::TMenu* menu = item.GetParentMenu();
  if (auto* system = dynamic_cast<TsSystemMenu*>(menu)) return system->Provider().Form();
  for (tk::TComponent* c = menu; c; c = c->Owner())
    if (auto* form = dynamic_cast<tk::TCustomForm*>(c)) return form;
  return nullptr;
}

}  // namespace

void TsSkinableMenus::SelectMenuFont(tk::TCanvas& canvas, tk::TMenuItem& item, bool bold) const {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
    canvas.Font().SetName(tk::WideToUtf8(metrics.lfMenuFont.lfFaceName));
    canvas.Font().SetHeight(metrics.lfMenuFont.lfHeight);
  }
  tk::TCustomForm* form = FormOfItem(item);
  canvas.Font().SetCharset(form ? form->Font().Charset() : DEFAULT_CHARSET);
  canvas.Font().SetStyle(bold ? tk::fsBold : 0u);
}

}  // namespace skin
