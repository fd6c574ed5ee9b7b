#include "GalleryMenus.h"

#include <windowsx.h>

#include <cstdlib>

#include "skin/controls/sSpeedButton.h"
#include "skin/forms/sMenuMetrics.h"
#include "toolkit/win/Form.h"
#include "toolkit/win/ImgList.h"
#include "toolkit/win/Menus.h"
#include "toolkit/win/ShortCut.h"

namespace gallery {

namespace {

// A small picture for the item that shows one: a framed square.
tk::Bitmap ItemPicture() {
  tk::Bitmap picture(16, 16);
  picture.Fill(RGB(255, 0, 255));  // the corner colour is transparent
  for (int y = 2; y < 14; ++y) {
    std::uint8_t* row = picture.ScanLine(y);
    for (int x = 2; x < 14; ++x) {
      const bool edge = x == 2 || x == 13 || y == 2 || y == 13;
      row[3 * x + 0] = edge ? 40 : 60;
      row[3 * x + 1] = edge ? 90 : 170;
      row[3 * x + 2] = edge ? 160 : 230;
    }
  }
  return picture;
}

// The drop-down menu's pictures side by side: a green disc, then an orange
// diamond, each on the transparent colour.
tk::Bitmap ChoicePictures() {
  tk::Bitmap strip(32, 16);
  strip.Fill(RGB(255, 0, 255));
  for (int y = 0; y < 16; ++y) {
    std::uint8_t* row = strip.ScanLine(y);
    for (int x = 0; x < 16; ++x) {
      const int dx = 2 * x - 15, dy = 2 * y - 15;
      if (dx * dx + dy * dy <= 11 * 11) row[3 * x + 0] = 60, row[3 * x + 1] = 170, row[3 * x + 2] = 40;
      if (std::abs(dx) + std::abs(dy) <= 13) row[3 * (16 + x) + 0] = 30, row[3 * (16 + x) + 1] = 140, row[3 * (16 + x) + 2] = 240;
    }
  }
  return strip;
}

}  // namespace

TGalleryMenus::TGalleryMenus(tk::TForm& form, int left, int top) : form_(form) {
  mainMenu_ = tk::Create<tk::TMainMenu>(&form);
  mainMenu_->SetName("GalleryMainMenu");
  BuildFileMenu();
  BuildViewMenu();
  BuildListMenu();
  form.SetMenu(mainMenu_);
  BuildPopups();
  button_ = tk::Create<skin::TsSpeedButton>(&form);
  button_->SetParent(&form);
  button_->SetCaption("菜单 Menu button");
  // The drop-down style widens the button by its arrow part: the size last.
  button_->SetButtonStyle(skin::tbsDropDown);
  button_->SetBounds(left, top, 150, 28);
  button_->SetDropdownMenu(buttonMenu_);
  // The form's context menu opens where the user asked for it (the keyboard
  // asks with -1, -1: then under the form's top-left corner).
  contextHook_ = form.WindowProc.Install([this](tk::TMessage& m, const tk::TWndNext& next) {
    if (m.Msg != WM_CONTEXTMENU || reinterpret_cast<HWND>(m.WParam) != form_.Handle()) return next(m);
    POINT at{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
    if (at.x == -1 && at.y == -1) {
      at = {0, 0};
      ClientToScreen(form_.Handle(), &at);
    }
    contextMenu_->Popup(at.x, at.y, form_.Handle());
    m.Result = 0;
  });
}

TGalleryMenus::~TGalleryMenus() { form_.WindowProc.Remove(contextHook_); }

tk::TMenuItem* TGalleryMenus::AddItem(tk::TMenuItem& parent, const char* caption) {
  auto* item = tk::Create<tk::TMenuItem>(&form_);
  item->SetCaption(caption);
  if (!item->IsLine() && skin::MenuItemTypeOf(caption) == skin::smNormal)
    item->OnClick = [this](tk::TObject* sender) {
      lastCommand_ = skin::WithoutAmpersands(static_cast<tk::TMenuItem*>(sender)->Caption());
    };
  parent.Add(item);
  return item;
}

void TGalleryMenus::BuildFileMenu() {
  tk::TMenuItem& file = *AddItem(*mainMenu_->Items(), "&File");
  AddItem(file, "-Documents-");
  AddItem(file, "&New")->SetShortCut(tk::ShortCut('N', tk::ssCtrl));
  tk::TMenuItem* open = AddItem(file, "&Open...");
  open->Bitmap().SetImage(ItemPicture());
  AddItem(file, "&Save")->SetEnabled(false);
  AddItem(file, "-");
  tk::TMenuItem& recent = *AddItem(file, "&Recent");
  AddItem(recent, "points.csv");
  AddItem(recent, "zones.txt");
  AddItem(file, "-");
  AddItem(file, "E&xit");
}

void TGalleryMenus::BuildViewMenu() {
  tk::TMenuItem& view = *AddItem(*mainMenu_->Items(), "&View");
  tk::TMenuItem* grid = AddItem(view, "Show &grid");
  grid->SetChecked(true);
  grid->OnClick = [this, grid](tk::TObject*) {
    grid->SetChecked(!grid->Checked());
    lastCommand_ = "Show grid";
  };
  AddItem(view, "-Zone width-");
  const char* zones[] = {"&3 degree zones", "&6 degree zones"};
  for (const char* caption : zones) {
    tk::TMenuItem* zone = AddItem(view, caption);
    zone->SetRadioItem(true);
    zone->SetGroupIndex(1);
    zone->OnClick = [this, zone](tk::TObject*) {
      zone->SetChecked(true);
      lastCommand_ = skin::WithoutAmpersands(zone->Caption());
    };
  }
  view.Items(view.Count() - 1)->SetChecked(true);
}

void TGalleryMenus::BuildListMenu() {
  tk::TMenuItem& list = *AddItem(*mainMenu_->Items(), "&Zones");
  for (int i = 1; i <= kLongListItems; ++i) {
    const std::string caption = "Zone " + std::to_string(i + 12);
    tk::TMenuItem* item = AddItem(list, caption.c_str());
    if (i > 1 && (i - 1) % kLongListRows == 0) item->SetBreak(tk::mbBreak);
  }
}

void TGalleryMenus::BuildPopups() {
  contextMenu_ = tk::Create<tk::TPopupMenu>(&form_);
  contextMenu_->SetName("GalleryContextMenu");
  AddItem(*contextMenu_->Items(), "-Form-");
  AddItem(*contextMenu_->Items(), "&Copy")->SetShortCut(tk::ShortCut('C', tk::ssCtrl));
  AddItem(*contextMenu_->Items(), "&Paste")->SetEnabled(false);
  AddItem(*contextMenu_->Items(), "-");
  AddItem(*contextMenu_->Items(), "&Properties");
  buttonMenu_ = tk::Create<tk::TPopupMenu>(&form_);
  buttonMenu_->SetName("GalleryButtonMenu");
  // Its pictures come from an image list, by index.
  auto* pictures = tk::Create<tk::TImageList>(&form_);
  pictures->AddStrip(ChoicePictures());
  buttonMenu_->SetImages(pictures);
  AddItem(*buttonMenu_->Items(), "&First choice")->SetImageIndex(0);
  AddItem(*buttonMenu_->Items(), "&Second choice")->SetImageIndex(1);
  AddItem(*buttonMenu_->Items(), "-");
  AddItem(*buttonMenu_->Items(), "&Third choice");
}

}  // namespace gallery
