#pragma once
// The gallery's form: standard child windows that do not skin themselves
// (list box, memo with both scroll bars, combo boxes, check boxes and radio
// buttons, a tree view and a list view with many rows, a progress bar, a
// track bar, a tab control), wrapped by the control adapter; a chooser of
// every skin the manager finds; buttons that open a message box, the
// file-open dialog and the colour dialog.
//
// The form carries its own skin provider: the skinned frame, title and
// client background, and the adapter that wraps the standard windows.

#include <memory>
#include <string>

#include "skin/controls/adapters/vxCtrlAdapter.h"
#include "toolkit/win/Form.h"

namespace tk {
class TComboBox;
class TListBox;
class TMemo;
class TEdit;
class TTreeView;
class TListView;
class TLabel;
}  // namespace tk

namespace skin {
class TsSkinManager;
class TsSkinProvider;
class TsButton;
}  // namespace skin

namespace gallery {

class TGalleryMenus;

class TGalleryForm : public tk::TForm {
  TK_CLASS(TGalleryForm)
public:
  explicit TGalleryForm(tk::TComponent* owner);
  ~TGalleryForm() override;
  void AfterConstruction() override;

  skin::TsSkinManager& Manager() { return *manager_; }
  skin::TsSkinProvider& Provider() { return *provider_; }
  // The provider's adapter (none while no skin is applied).
  skin::TvxCtrlAdapter* Adapter();
  tk::TComboBox& SkinChooser() { return *skinChooser_; }
  tk::TListBox& List() { return *list_; }
  tk::TMemo& Memo() { return *memo_; }
  tk::TEdit& TabPageEdit() { return *tabPageEdit_; }
  // Applies a skin (the provider wraps what is not wrapped yet).
  void UseSkin(const std::string& name);
  TGalleryMenus& Menus() { return *menus_; }
  // The last file the open dialog returned.
  const std::wstring& OpenedFile() const { return openedFile_; }

private:
  template <class T>
  T* Add(tk::TWinControl* parent, int left, int top, int width, int height);
  void CreateManager();
  void CreateLists();
  void CreateChoices();
  void CreateBars();
  void CreateSkinChooser();
  void CreateDialogButtons();
  skin::TsButton* AddButton(const char* caption, int top, tk::TNotifyEvent onClick);

  skin::TsSkinManager* manager_ = nullptr;
  skin::TsSkinProvider* provider_ = nullptr;
  std::unique_ptr<TGalleryMenus> menus_;
  tk::TComboBox* skinChooser_ = nullptr;
  tk::TListBox* list_ = nullptr;
  tk::TMemo* memo_ = nullptr;
  tk::TEdit* tabPageEdit_ = nullptr;
  std::wstring openedFile_;
};

// Creates the gallery's form and runs it; the exit code.
int RunGallery();

}  // namespace gallery
