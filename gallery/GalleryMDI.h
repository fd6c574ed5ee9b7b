#pragma once
// The gallery's MDI windows: an MDI parent form with a window menu
// (cascade, tile, the list of children) and two MDI children with a menu
// of their own, which the parent's bar shows while the child is active.
// Each form is drawn by its own skin provider, so the MDI area, the
// children's frames and a maximized child's icon, menu and buttons on the
// parent's menu line can be tried in every skin.

#include "toolkit/win/Form.h"

namespace gallery {

class TGalleryMDIForm : public tk::TForm {
  TK_CLASS(TGalleryMDIForm)
public:
  explicit TGalleryMDIForm(tk::TComponent* owner);
  void AfterConstruction() override;

  // A child closed by the user is freed; the next show makes it again.
  tk::TForm* Child(int index) const { return children_[index]; }
  void MakeMissingChildren();

protected:
  void Notification(tk::TComponent* component, tk::TOperation operation) override;

private:
  tk::TForm* AddChild(const char* caption, int left, int top);
  void CreateWindowMenu();

  tk::TForm* children_[2] = {};
};

// Shows the gallery's MDI parent (made on first use, owned by `owner`) and
// brings it to the front.
TGalleryMDIForm* ShowMDIWindows(tk::TComponent* owner);

}  // namespace gallery
