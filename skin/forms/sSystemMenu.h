#pragma once
// TsSystemMenu: the window menu of a skinned form, which takes the place of
// the window system's own (the skinned title bar has none): Restore, Move,
// Size, Minimize, Maximize, a line and Close, shown and enabled by the same
// rules as the caption buttons; and, when the provider's MakeSkinMenu is
// on, an "Available skins" submenu first, rebuilt each time the menu is
// shown, from which the user picks the skin.

#include <string>

#include "toolkit/win/Menus.h"

namespace skin {

class TsSkinProvider;
class TsSkinManager;

class TsSystemMenu : public tk::TPopupMenu {
  TK_CLASS(TsSystemMenu)
public:
  explicit TsSystemMenu(TsSkinProvider& provider);

  tk::TMenuItem* ItemRestore = nullptr;
  tk::TMenuItem* ItemMove = nullptr;
  tk::TMenuItem* ItemSize = nullptr;
  tk::TMenuItem* ItemMinimize = nullptr;
  tk::TMenuItem* ItemMaximize = nullptr;
  tk::TMenuItem* ItemClose = nullptr;
  // The "Available skins" submenu, or none.
  tk::TMenuItem* SkinSelectItem() const;

  // Visibility and enabling from the form's state.
  void UpdateItems();
  // The skin list, when MakeSkinMenu is on and the manager lists a skin.
  void MakeSkinItems();
  // The skinned menus of that manager draw the menu and its skin list (none:
  // the window system does).
  void SetSkinned(TsSkinManager* manager) { skinnedBy_ = manager; }
  // Rebuilds what must be rebuilt and shows the menu at a screen point,
  // owned by the form; returns when it closed.
  void ShowAt(int x, int y);

  // Skins per column of the skin list.
  static constexpr int kSkinsPerColumn = 20;
  // The name of the skin list's item.
  static constexpr const char* kSkinListName = "SkinSelectItem";
  TsSkinProvider& Provider() const { return provider_; }

private:
  void RemoveSkinItems();
  void Perform(WPARAM command);

  TsSkinProvider& provider_;
  TsSkinManager* skinnedBy_ = nullptr;
};

}  // namespace skin
