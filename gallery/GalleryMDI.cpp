#include "GalleryMDI.h"

#include <string>
#include <utility>

#include "skin/forms/sSkinProvider.h"
#include "toolkit/win/Menus.h"
#include "toolkit/win/StandardControls.h"

namespace gallery {

TGalleryMDIForm::TGalleryMDIForm(tk::TComponent* owner) : TForm(owner) {}

void TGalleryMDIForm::AfterConstruction() {
  TForm::AfterConstruction();
  SetFormStyle(tk::fsMDIForm);
  SetCaption("MDI 窗口 - MDI windows");
  SetPosition(tk::poScreenCenter);
  SetClientSize(560, 380);
  CreateWindowMenu();
  tk::Create<skin::TsSkinProvider>(this);
}

void TGalleryMDIForm::MakeMissingChildren() {
  if (!children_[0]) children_[0] = AddChild("子窗口 1 - Child 1", 10, 10);
  if (!children_[1]) children_[1] = AddChild("子窗口 2 - Child 2", 60, 60);
}

void TGalleryMDIForm::Notification(tk::TComponent* component, tk::TOperation operation) {
  TForm::Notification(component, operation);
  if (operation != tk::opRemove) return;
  for (tk::TForm*& child : children_)
    if (child == component) child = nullptr;
}

void TGalleryMDIForm::CreateWindowMenu() {
  auto* menu = tk::Create<tk::TMainMenu>(this);
  auto* window = tk::Create<tk::TMenuItem>(this);
  window->SetCaption("窗口(&W)");
  // The active child's menus go in front of it (their GroupIndex is lower).
  window->SetGroupIndex(9);
  menu->Items()->Add(window);
  auto command = [this, window](const char* caption, tk::TNotifyEvent onClick) {
    auto* item = tk::Create<tk::TMenuItem>(this);
    item->SetCaption(caption);
    item->OnClick = std::move(onClick);
    window->Add(item);
  };
  command("层叠 Cascade", [this](tk::TObject*) { Cascade(); });
  command("平铺 Tile", [this](tk::TObject*) { Tile(); });
  SetMenu(menu);
  SetWindowMenu(window);
}

tk::TForm* TGalleryMDIForm::AddChild(const char* caption, int left, int top) {
  auto* child = tk::Create<tk::TForm>(this);
  child->SetFormStyle(tk::fsMDIChild);
  child->SetMDIParent(this);
  child->SetCaption(caption);
  child->SetBounds(left, top, 300, 200);
  child->SetFont(Font());
  auto* list = tk::Create<tk::TListBox>(child);
  list->SetParent(child);
  list->SetAlign(tk::alClient);
  constexpr int kRows = 30;
  for (int i = 1; i <= kRows; ++i) list->AddItem(std::string(caption) + " - " + std::to_string(i));
  // The child's own menu: on the parent's bar while the child is active.
  auto* menu = tk::Create<tk::TMainMenu>(child);
  auto* rows = tk::Create<tk::TMenuItem>(child);
  rows->SetCaption("列表(&L)");
  rows->SetGroupIndex(1);
  for (const auto& [text, row] : {std::pair{"到顶 Top", 0}, std::pair{"到底 Bottom", kRows - 1}}) {
    auto* item = tk::Create<tk::TMenuItem>(child);
    item->SetCaption(text);
    item->OnClick = [list, row](tk::TObject*) { list->SetTopIndex(row); };
    rows->Add(item);
  }
  menu->Items()->Add(rows);
  child->SetMenu(menu);
  tk::Create<skin::TsSkinProvider>(child);
  return child;
}

TGalleryMDIForm* ShowMDIWindows(tk::TComponent* owner) {
  TGalleryMDIForm* form = nullptr;
  for (int i = 0; i < owner->ComponentCount() && !form; ++i)
    form = dynamic_cast<TGalleryMDIForm*>(owner->Components(i));
  if (!form) form = tk::Create<TGalleryMDIForm>(owner);
  form->Show();
  form->MakeMissingChildren();
  for (int i = 0; i < 2; ++i) form->Child(i)->Show();
  SetForegroundWindow(form->Handle());
  return form;
}

}  // namespace gallery
