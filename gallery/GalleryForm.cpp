#include "GalleryForm.h"

#include "GalleryDialogs.h"
#include "GalleryMenus.h"
#include "GalleryMDI.h"
#include "GallerySkins.h"
#include "skin/controls/sButton.h"
#include "skin/data/sSkinManager.h"
#include "skin/dialogs/vxDialogHook.h"
#include "skin/forms/sSkinProvider.h"
#include "toolkit/core/StringList.h"
#include "toolkit/win/Application.h"
#include "toolkit/win/Button.h"
#include "toolkit/win/Edit.h"
#include "toolkit/win/GroupBox.h"
#include "toolkit/win/Panel.h"
#include "toolkit/win/Label.h"
#include "toolkit/win/StandardControls.h"

namespace gallery {

TGalleryForm::TGalleryForm(tk::TComponent* owner) : TForm(owner) {}

TGalleryForm::~TGalleryForm() = default;

void TGalleryForm::AfterConstruction() {
  TForm::AfterConstruction();
  SetCaption("皮肤样例 - Skin gallery");
  SetPosition(tk::poScreenCenter);
  SetClientSize(720, 520);
  // The converter's font: the Chinese captions need the GB2312 face.
  Font().SetName("MS Sans Serif");
  Font().SetHeight(-13);
  Font().SetCharset(GB2312_CHARSET);
  CreateManager();
  CreateLists();
  CreateChoices();
  CreateBars();
  CreateSkinChooser();
  CreateDialogButtons();
  menus_ = std::make_unique<TGalleryMenus>(*this, 560, 310);
  // The provider comes after the controls, as in a stored layout: the
  // skin's arrival has it adopt them all.
  provider_ = tk::Create<skin::TsSkinProvider>(this);
  UseSkin(kEmberStyle);
}

skin::TvxCtrlAdapter* TGalleryForm::Adapter() { return provider_->Adapter(); }

template <class T>
T* TGalleryForm::Add(tk::TWinControl* parent, int left, int top, int width, int height) {
  T* c = tk::Create<T>(this);
  c->SetParent(parent);
  c->SetBounds(left, top, width, height);
  return c;
}

void TGalleryForm::CreateManager() {
  // Message boxes and common dialogs come up in the skin as well.
  skin::UseDialogSkinning();
  manager_ = tk::Create<skin::TsSkinManager>(this);
  AddInternalSkins(*manager_);
}

void TGalleryForm::CreateLists() {
  list_ = Add<tk::TListBox>(this, 10, 10, 200, 150);
  for (int i = 1; i <= 200; ++i) list_->AddItem("列表项 " + std::to_string(i) + " - list box row");
  SendMessageW(list_->Handle(), LB_SETHORIZONTALEXTENT, 420, 0);
  memo_ = Add<tk::TMemo>(this, 10, 170, 200, 130);
  std::string text;
  for (int i = 1; i <= 60; ++i)
    text += "Line " + std::to_string(i) + " of a memo with both scroll bars, long enough to scroll sideways\r\n";
  memo_->SetText(text);
  auto* tree = Add<tk::TTreeView>(this, 10, 310, 200, 200);
  for (int i = 1; i <= 30; ++i) {
    HTREEITEM node = tree->AddItem(nullptr, "节点 " + std::to_string(i));
    for (int j = 1; j <= 3; ++j) tree->AddItem(node, "Child " + std::to_string(i) + "." + std::to_string(j));
    if (i % 3 == 1) tree->Expand(node);
  }
  auto* view = Add<tk::TListView>(this, 220, 370, 300, 140);
  view->AddColumn("Name", 120);
  view->AddColumn("Value", 150);
  for (int i = 1; i <= 100; ++i) {
    const int row = view->AddItem("Item " + std::to_string(i));
    view->SetSubItem(row, 1, std::to_string(i * i));
  }
}

void TGalleryForm::CreateChoices() {
  auto* dropDown = Add<tk::TComboBox>(this, 220, 10, 180, 24);
  auto* dropDownList = Add<tk::TComboBox>(this, 220, 40, 180, 24);
  dropDownList->SetStyle(tk::csDropDownList);
  for (tk::TComboBox* combo : {dropDown, dropDownList})
    for (int i = 1; i <= 20; ++i) combo->AddItem("Choice " + std::to_string(i));
  dropDown->SetItemIndex(0);
  dropDownList->SetItemIndex(1);
  auto* check1 = Add<tk::TCheckBox>(this, 220, 75, 180, 20);
  check1->SetCaption("复选框 Check box");
  check1->SetChecked(true);
  Add<tk::TCheckBox>(this, 220, 98, 180, 20)->SetCaption("Another check box");
  auto* radio1 = Add<tk::TRadioButton>(this, 220, 121, 180, 20);
  radio1->SetCaption("单选按钮 Radio button");
  radio1->SetChecked(true);
  Add<tk::TRadioButton>(this, 220, 144, 180, 20)->SetCaption("Another radio button");
}

void TGalleryForm::CreateBars() {
  Add<tk::TProgressBar>(this, 220, 172, 180, 18)->SetPosition(60);
  auto* track = Add<tk::TTrackBar>(this, 220, 196, 180, 40);
  track->SetRange(0, 10);
  track->SetPosition(4);
  auto* tabs = Add<tk::TTabControl>(this, 220, 242, 300, 120);
  for (const char* caption : {"第一页 First", "Second", "Third"}) tabs->AddTab(caption);
  // An edit inside a window the adapter leaves alone: it hears of the
  // form's paint from the provider, not from its parent.
  tabPageEdit_ = Add<tk::TEdit>(tabs, 12, 40, 200, 24);
  tabPageEdit_->SetText("页面上的编辑框 Edit on a tab page");
}

void TGalleryForm::CreateSkinChooser() {
  auto* label = tk::Create<tk::TLabel>(this);
  label->SetParent(this);
  label->SetBounds(420, 12, 60, 16);
  label->SetCaption("皮肤 Skin:");
  skinChooser_ = Add<tk::TComboBox>(this, 490, 8, 220, 24);
  skinChooser_->SetStyle(tk::csDropDownList);
  tk::StringList names;
  manager_->GetSkinNames(names, skin::kSkinNamesAll);
  for (std::size_t i = 0; i < names.Count(); ++i) skinChooser_->AddItem(names[i]);
  skinChooser_->OnChange = [this](tk::TObject*) {
    const int index = skinChooser_->ItemIndex();
    if (index >= 0) UseSkin(skinChooser_->Item(index));
  };
}

skin::TsButton* TGalleryForm::AddButton(const char* caption, int top, tk::TNotifyEvent onClick) {
  auto* button = Add<skin::TsButton>(this, 560, top, 150, 28);
  button->SetCaption(caption);
  button->OnClick = std::move(onClick);
  button->SkinData().FinishLoading();
  return button;
}

void TGalleryForm::CreateDialogButtons() {
  AddButton("消息框 Message box...", 50, [this](tk::TObject*) { ShowMessageBox(Handle()); });
  AddButton("打开 Open file...", 86, [this](tk::TObject*) {
    const std::wstring path = ChooseFileToOpen(Handle());
    if (!path.empty()) openedFile_ = path;
  });
  AddButton("颜色 Colour...", 122, [this](tk::TObject*) { ChooseColour(Handle(), RGB(200, 120, 40)); });
  AddButton("MDI 窗口 MDI windows...", 346, [this](tk::TObject*) { ShowMDIWindows(this); });
  // A push button of the plain toolkit class: the adapter paints it.
  Add<tk::TButton>(this, 560, 170, 150, 28)->SetCaption("普通按钮 Plain button");
  // A group box of the plain toolkit class with its own radio buttons.
  auto* group = Add<tk::TGroupBox>(this, 560, 210, 150, 90);
  group->SetCaption("分组 Group box");
  Add<tk::TRadioButton>(group, 10, 28, 130, 20)->SetCaption("Left");
  auto* right = Add<tk::TRadioButton>(group, 10, 54, 130, 20);
  right->SetCaption("Right");
  right->SetChecked(true);
  // A panel of the plain toolkit class: the adapter paints its background.
  Add<tk::TPanel>(this, 560, 384, 150, 56)->SetCaption("面板 Panel");
}

void TGalleryForm::UseSkin(const std::string& name) {
  manager_->SetSkinName(name);
  for (int i = 0; i < skinChooser_->Count(); ++i)
    if (skinChooser_->Item(i) == manager_->SkinName()) skinChooser_->SetItemIndex(i);
  RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

int RunGallery() {
  tk::TApplication& application = tk::Application();
  application.Initialize();
  application.SetTitle("皮肤样例");
  application.CreateForm<TGalleryForm>();
  application.Run();
  return 0;
}

}  // namespace gallery
