#pragma once
// The gallery's form: standard child windows that do not skin themselves
// (list box, memo with both scroll bars, combo boxes, check boxes and radio
// buttons, a tree view and a list view with many rows, a progress bar, a
// track bar, a tab control), wrapped by the control adapter; a chooser of
// every skin the manager finds; buttons that open a message box, the
// file-open dialog and the colour dialog.
//
// The form plays the part of the form skinning for the adapter (until a
// skin provider takes the form, the adapter is the gallery's own).

#include <memory>
#include <string>

#include "skin/controls/adapters/vxCtrlAdapter.h"
#include "toolkit/win/Form.h"

namespace tk {
class TComboBox;
class TListBox;
class TMemo;
class TTreeView;
class TListView;
class TLabel;
}  // namespace tk

namespace skin {
class TsSkinManager;
class TsButton;
}  // namespace skin

namespace gallery {

class TGalleryForm : public tk::TForm, public skin::TvxAdapterOwner {
  TK_CLASS(TGalleryForm)
public:
  explicit TGalleryForm(tk::TComponent* owner);
  ~TGalleryForm() override;
  void AfterConstruction() override;

  skin::TsSkinManager& Manager() { return *manager_; }
  skin::TvxCtrlAdapter& Adapter() { return *adapter_; }
  tk::TComboBox& SkinChooser() { return *skinChooser_; }
  tk::TListBox& List() { return *list_; }
  tk::TMemo& Memo() { return *memo_; }
  // Applies a skin and wraps what is not wrapped yet.
  void UseSkin(const std::string& name);
  // The last file the open dialog returned.
  const std::wstring& OpenedFile() const { return openedFile_; }

  // TvxAdapterOwner
  tk::TWinControl* AdapterRoot() override { return this; }
  skin::TsSkinManager* AdapterManager() override { return manager_; }
  void SkinItem(tk::TComponent*, bool&, std::string&) override {}

protected:
  void BeforeDestruction() override;

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
  std::unique_ptr<skin::TvxCtrlAdapter> adapter_;
  tk::TComboBox* skinChooser_ = nullptr;
  tk::TListBox* list_ = nullptr;
  tk::TMemo* memo_ = nullptr;
  std::wstring openedFile_;
};

// Creates the gallery's form and runs it; the exit code.
int RunGallery();

}  // namespace gallery
