#pragma once
// The gallery's menus, where a person sees every kind of skinned menu item:
// a main menu whose sub-menus hold a divider, a caption band, a checked
// item, a radio group, a disabled item, an item with a picture, one with a
// shortcut and a list long enough to break into a second column; a context
// menu on the form; and a drop-down speed button opening a popup whose
// pictures come from an image list.

#include <string>

#include "toolkit/win/Component.h"
#include "toolkit/win/WndProcChain.h"

namespace tk {
class TForm;
class TMainMenu;
class TPopupMenu;
class TMenuItem;
}  // namespace tk

namespace skin {
class TsSpeedButton;
}

namespace gallery {

class TGalleryMenus {
public:
  // Builds them on the form: the main menu becomes its menu, the button
  // goes to (left, top).
  TGalleryMenus(tk::TForm& form, int left, int top);
  ~TGalleryMenus();
  TGalleryMenus(const TGalleryMenus&) = delete;
  TGalleryMenus& operator=(const TGalleryMenus&) = delete;

  tk::TMainMenu& MainMenu() { return *mainMenu_; }
  tk::TPopupMenu& ContextMenu() { return *contextMenu_; }
  tk::TPopupMenu& ButtonMenu() { return *buttonMenu_; }
  skin::TsSpeedButton& MenuButton() { return *button_; }
  // The caption of the last item chosen, without its accelerator mark.
  const std::string& LastCommand() const { return lastCommand_; }
  // Items per column of the long list.
  static constexpr int kLongListRows = 14;
  static constexpr int kLongListItems = 20;

private:
  tk::TMenuItem* AddItem(tk::TMenuItem& parent, const char* caption);
  void BuildFileMenu();
  void BuildViewMenu();
  void BuildListMenu();
  void BuildPopups();

  tk::TForm& form_;
  tk::TMainMenu* mainMenu_ = nullptr;
  tk::TPopupMenu* contextMenu_ = nullptr;
  tk::TPopupMenu* buttonMenu_ = nullptr;
  skin::TsSpeedButton* button_ = nullptr;
  tk::TWndHookId contextHook_ = 0;
  std::string lastCommand_;
};

}  // namespace gallery
