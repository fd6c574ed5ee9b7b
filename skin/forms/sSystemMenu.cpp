#include "sSystemMenu.h"

#include <algorithm>

#include "sMenuMetrics.h"
#include "sSkinProvider.h"
#include "sSkinableMenus.h"
#include "sSystemMenuItems.h"
#include "skin/data/sSkinManager.h"
#include "toolkit/core/StringList.h"
#include "toolkit/win/Application.h"

namespace skin {

namespace {

constexpr const char* kSkinSelectName = TsSystemMenu::kSkinListName;

}  // namespace

TsSystemMenu::TsSystemMenu(TsSkinProvider& provider) : TPopupMenu(nullptr), provider_(provider) {
  const TsSystemMenuItems items = AddSystemMenuItems(*this, "Item", [this](WPARAM command) { Perform(command); });
  ItemRestore = items.restore;
  ItemMove = items.move;
  ItemSize = items.size;
  ItemMinimize = items.minimize;
  ItemMaximize = items.maximize;
  ItemClose = items.close;
}

void TsSystemMenu::Perform(WPARAM command) {
  tk::TCustomForm* form = provider_.Form();
  if (!form || !form->HandleAllocated()) return;
  const HWND h = form->Handle();
  if (command == SC_MINIMIZE && tk::Application().MainForm() == form) {
    tk::Application().Minimize();
    UpdateItems();
    return;
  }
  SendMessageW(h, WM_SYSCOMMAND, command, 0);
  if (command == SC_RESTORE || command == SC_MAXIMIZE) UpdateItems();
}

void TsSystemMenu::UpdateItems() {
  tk::TCustomForm* form = provider_.Form();
  if (!form) return;
  const TsFormFacts facts = FormFactsOf(*form);
  const TsFormRules r = FormRules(facts);
  ItemRestore->SetVisible(r.restoreVisible);
  ItemRestore->SetEnabled(r.restoreEnabled);
  ItemMove->SetEnabled(r.moveEnabled);
  ItemSize->SetVisible(r.sizeVisible);
  ItemSize->SetEnabled(r.sizeEnabled);
  ItemMinimize->SetVisible(r.minimizeVisible);
  ItemMinimize->SetEnabled(r.minimizeEnabled);
  ItemMaximize->SetVisible(r.maximizeVisible);
  ItemMaximize->SetEnabled(r.maximizeEnabled);
  ItemClose->SetVisible(r.closeVisible);
}

tk::TMenuItem* TsSystemMenu::SkinSelectItem() const {
  if (Items()->Count() == 0) return nullptr;
  tk::TMenuItem* first = Items()->Items(0);
  return first->Name() == kSkinSelectName ? first : nullptr;
}

void TsSystemMenu::RemoveSkinItems() {
  tk::TMenuItem* list = SkinSelectItem();
  if (!list) return;
  // The line after it stays: the next list reuses it.
  while (list->Count() > 0) tk::TComponent::Free(list->Items(list->Count() - 1));
  tk::TComponent::Free(list);
}

void TsSystemMenu::MakeSkinItems() {
  RemoveSkinItems();
  TsSkinManager* manager = provider_.SkinData().ActiveManager();
  if (!manager) return;
  tk::StringList names;
  manager->GetSkinNames(names, kSkinNamesAll);
  if (names.Empty()) return;
  auto* list = tk::Create<tk::TMenuItem>(this);
  list->SetName(kSkinSelectName);
  list->SetCaption("Available skins");
  for (std::size_t i = 0; i < names.Count(); ++i) {
    auto* item = tk::Create<tk::TMenuItem>(this);
    item->SetName(kSkinSelectName + std::to_string(i));
    item->SetCaption(names[i]);
    item->SetRadioItem(true);
    if (i > 0 && i % kSkinsPerColumn == 0) item->SetBreak(tk::mbBreak);
    item->OnClick = [this](tk::TObject* sender) {
      auto* chosen = static_cast<tk::TMenuItem*>(sender);
      if (TsSkinManager* m = provider_.SkinData().ActiveManager()) m->SetSkinName(WithoutAmpersands(chosen->Caption()));
    };
    list->Add(item);
    // Checked last: checking a radio item unchecks its checked siblings.
    if (names[i] == manager->SkinName()) item->SetChecked(true);
  }
  Items()->Insert(0, list);
  const bool lineFollows = Items()->Count() > 1 && Items()->Items(1)->IsLine();
  if (!lineFollows) {
    auto* line = tk::Create<tk::TMenuItem>(this);
    line->SetCaption("-");
    Items()->Insert(1, line);
  }
}

void TsSystemMenu::ShowAt(int x, int y) {
  tk::TCustomForm* form = provider_.Form();
  if (!form || !form->HandleAllocated()) return;
  if (provider_.MakeSkinMenu()) MakeSkinItems();
  UpdateItems();
  // Hooked each time: the skin list is new, and the skin may have gone.
  if (skinnedBy_) TsSkinableMenus::Of(*skinnedBy_).HookPopup(*this, true);
  else if (OwnerDraw()) TsSkinableMenus::UnhookPopup(*this);
  Popup(x, y, form->Handle());
}

}  // namespace skin
