#pragma once
// TvxCtrlAdapter: the part of a form's skinning that finds the form's
// standard controls - those that do not skin themselves - and gives each a
// window wrapper, so the whole form looks skinned. TvxAdapterItem is one
// adopted control: the control, its skin data (kind 227, the cache made
// when painting needs it) and its wrapper.
//
// Rules: nothing is adopted unless the manager's SkinningRules hold
// srThirdParty; a control that answers the skin command's "is skinned"
// question is skin-aware and never wrapped; the owner's OnSkinItem may
// refuse a control or change its section (list views, tree views, combo
// boxes and edits keep that section, buttons, check boxes and group boxes
// take their own).

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/win/Component.h"

namespace tk {
class TControl;
class TWinControl;
}  // namespace tk

namespace skin {

class TsCommonData;
class TsSkinManager;
class TvxMainWnd;
class TvxCtrlAdapter;

// What the adapter needs of the form skinning that owns it.
class TvxAdapterOwner {
public:
  // The form whose controls are adopted.
  virtual tk::TWinControl* AdapterRoot() = 0;
  // The manager the wrappers follow (none: the default manager).
  virtual TsSkinManager* AdapterManager() = 0;
  // OnSkinItem: may refuse the control or change its section.
  virtual void SkinItem(tk::TComponent* control, bool& canBeAdded, std::string& section) = 0;

protected:
  ~TvxAdapterOwner() = default;
};

class TvxAdapterItem {
public:
  TvxAdapterItem(TvxCtrlAdapter& adapter, tk::TControl* control);
  ~TvxAdapterItem();
  TvxAdapterItem(const TvxAdapterItem&) = delete;
  TvxAdapterItem& operator=(const TvxAdapterItem&) = delete;

  tk::TControl* Control() const { return control_; }
  TsCommonData& SkinData() { return *skinData_; }
  TvxMainWnd* Wrapper() const { return wrapper_.get(); }
  // Gives the control its wrapper; none when its kind has none.
  void DoHook(tk::TControl* control);
  void FreeWrapper();

private:
  TvxCtrlAdapter& adapter_;
  tk::TControl* control_;
  std::unique_ptr<TsCommonData> skinData_;
  std::unique_ptr<TvxMainWnd> wrapper_;
};

class TvxCtrlAdapter {
public:
  explicit TvxCtrlAdapter(TvxAdapterOwner& owner);
  ~TvxCtrlAdapter();
  TvxCtrlAdapter(const TvxCtrlAdapter&) = delete;
  TvxCtrlAdapter& operator=(const TvxCtrlAdapter&) = delete;

  // The control is of a kind the adapter wraps.
  virtual bool IsSupported(tk::TControl* control) const;
  TvxAdapterItem* GetItem(int index) const;
  int Count() const { return static_cast<int>(items_.size()); }
  // The item of a control, or none.
  TvxAdapterItem* ItemOf(const tk::TControl* control) const;
  int IndexOf(const tk::TControl* control) const;
  void AddNewItem(tk::TControl* control) { AddItem(control, defaultSection_); }
  void AddItem(tk::TControl* control, std::string_view section);
  void RemoveItem(int index);
  // Scans the root's owned components and child controls (root none: the
  // owner's form).
  void AddAllItems(tk::TWinControl* root = nullptr);
  void Clear();
  // Sends a message to the window of every live wrapped control.
  void Broadcast(UINT msg, WPARAM wParam, LPARAM lParam);

  TvxAdapterOwner& Owner() { return owner_; }
  TsSkinManager* Manager();

private:
  class Watch;
  void Scan(tk::TWinControl* root);
  void AdoptOrPaintLabel(tk::TControl* control);

  std::string defaultSection_;
  std::vector<std::unique_ptr<TvxAdapterItem>> items_;
  TvxAdapterOwner& owner_;
  tk::ComponentPtr<Watch> watch_;
  bool scanning_ = false;
  bool clearing_ = false;
};

}  // namespace skin
