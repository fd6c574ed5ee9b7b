#pragma once
// TsSkinManager: the component a form drops in to be skinned. It owns the
// loaded skin and is the one place that decides when a skin comes, changes
// or goes; the skinned forms and controls learn of it only through the skin
// command message, so they never hold indexes into tables that are gone.
// Only the first manager (the default) hooks the application's window and,
// while a skin is applied, the dialog creation of the thread: two managers
// must not both adopt the same windows.
//
// What needs no window (sources, loaders, tables, look-ups) is the portable
// TsSkinManagerCore it owns; this class adds the windows side.

#include <windows.h>

#include <string>
#include <string_view>

#include "sManagerSettings.h"
#include "sSkinManagerCore.h"
#include "toolkit/core/StringList.h"
#include "toolkit/win/Component.h"

namespace tk {
class TCustomForm;
}

namespace skin {

class TsSkinManager : public tk::TComponent {
  TK_CLASS(TsSkinManager)
public:
  explicit TsSkinManager(tk::TComponent* owner);
  ~TsSkinManager() override;
  void AfterConstruction() override;
  void Loaded() override;

  // Published properties.
  TvxAnimEffects& AnimEffects() { return animEffects_; }
  bool IsDefault() const { return DefaultManager == this; }
  void SetIsDefault(bool value);
  bool Active() const { return active_; }
  void SetActive(bool value);
  const tk::StringList& CommonSections() const { return core_.CommonSections(); }
  void SetCommonSections(const tk::StringList& lines);
  int Saturation() const { return core_.Saturation; }
  void SetSaturation(int value);
  int HueOffset() const { return core_.HueOffset; }
  void SetHueOffset(int value);
  TsStoredSkins& InternalSkins() { return core_.InternalSkins; }
  void SetInternalSkins(const TsStoredSkins& skins) { core_.InternalSkins.Assign(skins); }
  TvxMenuSupport& MenuSupport() { return menuSupport_; }
  const std::string& SkinDirectory() const { return core_.SkinDirectory(); }
  void SetSkinDirectory(std::string_view directory) { core_.SetSkinDirectory(directory); }
  const std::string& SkinName() const { return core_.SkinName; }
  void SetSkinName(std::string_view name);
  std::string SkinInfo() const { return core_.SkinInfo(); }
  void SetSkinInfo(std::string_view) {}  // stored forms carry it; the value is derived
  TvxSkinningRules SkinningRules() const { return skinningRules_; }
  void SetSkinningRules(TvxSkinningRules rules) { skinningRules_ = rules; }
  std::string Version() const { return TsSkinManagerCore::Version(); }
  void SetVersion(std::string_view) {}
  bool SkinnedPopups() const { return skinnedPopups_; }
  void SetSkinnedPopups(bool value);
  tk::TNotifyEvent OnAfterChange;
  tk::TNotifyEvent OnBeforeChange;
  TvxGetExtraLineData OnGetMenuExtraLineData;

  // The loaded skin.
  TsSkinTables& Tables() { return core_.Tables; }
  const TsSkinTables& Tables() const { return core_.Tables; }
  TsSkinData& SkinData() { return core_.SkinData(); }
  TsSkinManagerCore& Core() { return core_; }
  std::string GetFullSkinDirectory() const { return core_.GetFullSkinDirectory(); }
  std::string GetSkinNames(tk::StringList& list, int kinds) const { return core_.GetSkinNames(list, kinds); }
  bool ReadingPacked() const { return core_.ReadingPacked; }

  // The broadcasts.
  void SendNewSkin();
  void SendRemoveSkin();
  void RepaintForms();

private:
  // Repaints the skinned forms; `frozen` are the ones already switched off
  // (a switched-off window no longer counts as visible, so they cannot be
  // found again): they are switched on again with the others.
  void RepaintForms(std::vector<tk::TCustomForm*> frozen);

public:

  // The window the mouse is over now; the one before hears that the mouse
  // left, the new one that it entered.
  HWND HoveredControl() const { return hovered_; }
  void SetHoveredControl(HWND window);

  bool DialogHookInstalled() const { return dialogHook_ != nullptr; }

protected:
  void BeforeDestruction() override;

private:
  void Broadcast(WORD subCommand);
  // Loads SkinName from its source; false when nothing could be loaded.
  bool LoadCurrentSkin();
  // The hue or saturation changed: reload the applied skin with it.
  void ReloadWithColourShift();
  void BecomeDefault();
  void HookApplication();
  void UnhookApplication();
  void InstallDialogHook();
  void RemoveDialogHook();
  static LRESULT CALLBACK DialogHookProc(int code, WPARAM wParam, LPARAM lParam);
  std::vector<tk::TCustomForm*> SkinnedTopForms(bool enabledOnly) const;

  TsSkinManagerCore core_;
  TvxAnimEffects animEffects_;
  TvxMenuSupport menuSupport_;
  TvxSkinningRules skinningRules_ = kAllSkinningRules;
  bool active_ = true;
  bool skinnedPopups_ = true;
  HWND hovered_ = nullptr;
  int applicationHook_ = 0;
  HHOOK dialogHook_ = nullptr;
};

}  // namespace skin
