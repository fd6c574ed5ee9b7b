#include "sSystemMenuItems.h"

#include <string>

namespace skin {

namespace {

tk::TMenuItem* AddItem(tk::TPopupMenu& menu, const std::string& name, const char* caption, WPARAM command,
                       const std::function<void(WPARAM)>& perform) {
  auto* item = tk::Create<tk::TMenuItem>(&menu);
  if (!name.empty()) item->SetName(name);
  item->SetCaption(caption);
  if (command != 0) item->OnClick = [perform, command](tk::TObject*) { perform(command); };
  menu.Items()->Add(item);
  return item;
}

}  // namespace

TsSystemMenuItems AddSystemMenuItems(tk::TPopupMenu& menu, const char* prefix,
                                     const std::function<void(WPARAM command)>& perform) {
  const std::string p = prefix;
  TsSystemMenuItems items;
  items.restore = AddItem(menu, p + "Restore", "Restore", SC_RESTORE, perform);
  items.move = AddItem(menu, p + "Move", "Move", SC_MOVE, perform);
  items.size = AddItem(menu, p + "Size", "Size", SC_SIZE, perform);
  items.minimize = AddItem(menu, p + "Minimize", "Minimize", SC_MINIMIZE, perform);
  items.maximize = AddItem(menu, p + "Maximize", "Maximize", SC_MAXIMIZE, perform);
  AddItem(menu, "", "-", 0, perform);
  items.close = AddItem(menu, p + "Close", "Close", SC_CLOSE, perform);
  items.close->SetShortCut(tk::ShortCut(VK_F4, tk::ssAlt));
  return items;
}

}  // namespace skin
