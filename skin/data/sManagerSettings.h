#pragma once
// Settings objects the skin manager publishes: its animation switches and
// the skinned menus' options.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "sSkinGlobals.h"
#include "toolkit/core/Bitmap.h"
#include "toolkit/win/Font.h"

namespace tk {
class TMenuItem;
}

namespace skin {

class TsSkinManager;

// Which foreign windows are skinned.
enum TvxSkinningRule : unsigned { srStdForms = 1, srStdDialogs = 2, srThirdParty = 4 };
using TvxSkinningRules = unsigned;
constexpr TvxSkinningRules kAllSkinningRules = srStdForms | srStdDialogs | srThirdParty;

// One animation switch with its duration. The four kinds are classes of
// their own so that stored layouts name each by its class.
class TvxFormAnimation : public tk::TPersistent {
  TK_CLASS(TvxFormAnimation)
public:
  TvxFormAnimation(bool active, std::uint16_t time) : Active(active), Time(time) {}
  bool Active;
  std::uint16_t Time;  // milliseconds
  void SetActive(bool value) { Active = value; }
  void SetTime(std::uint16_t value) { Time = value; }
};

class TvxDialogShow : public TvxFormAnimation {
  TK_CLASS(TvxDialogShow)
public:
  TvxDialogShow() : TvxFormAnimation(true, 100) {}
};

class TvxFormShow : public TvxFormAnimation {
  TK_CLASS(TvxFormShow)
public:
  TvxFormShow() : TvxFormAnimation(true, 0) {}
};

class TvxPageChange : public TvxFormAnimation {
  TK_CLASS(TvxPageChange)
public:
  TvxPageChange() : TvxFormAnimation(true, 0) {}
};

class TvxSkinChanging : public TvxFormAnimation {
  TK_CLASS(TvxSkinChanging)
public:
  TvxSkinChanging() : TvxFormAnimation(true, 100) {}
};

// The animated button events: one process-wide set, which only the default
// manager changes.
class TvxBtnEffects : public tk::TPersistent {
  TK_CLASS(TvxBtnEffects)
public:
  explicit TvxBtnEffects(TsSkinManager* manager) : manager_(manager) {}
  TvxBtnEvents Events() const { return DefaultButtonEvents; }
  void SetEvents(TvxBtnEvents events);

private:
  TsSkinManager* manager_;
};

class TvxAnimEffects : public tk::TPersistent {
  TK_CLASS(TvxAnimEffects)
public:
  explicit TvxAnimEffects(TsSkinManager* manager) : Manager(manager), buttons_(manager) {}
  TvxBtnEffects& Buttons() { return buttons_; }
  TvxDialogShow& DialogShow() { return dialogShow_; }
  TvxFormShow& FormShow() { return formShow_; }
  TvxPageChange& PageChange() { return pageChange_; }
  TvxSkinChanging& SkinChanging() { return skinChanging_; }
  TsSkinManager* Manager;

private:
  TvxBtnEffects buttons_;
  TvxDialogShow dialogShow_;
  TvxFormShow formShow_;
  TvxPageChange pageChange_;
  TvxSkinChanging skinChanging_;
};

class TvxMenuSupport : public tk::TPersistent {
  TK_CLASS(TvxMenuSupport)
public:
  explicit TvxMenuSupport(TsSkinManager* manager) : Manager(manager) {
    // A face the window system can turn, about as tall as the menu's text
    // (the size is taken as the character cell's height in pixels).
    extraLineFont_.SetName("Tahoma");
    extraLineFont_.SetSize(14);
  }
  std::string IcoLineSkin;  // "ICOLINE" after loading when empty
  bool UseExtraLine = false;
  int ExtraLineWidth = 32;
  void SetIcoLineSkin(std::string_view value) { IcoLineSkin = value; }
  void SetUseExtraLine(bool value) { UseExtraLine = value; }
  void SetExtraLineWidth(int value) { ExtraLineWidth = value; }
  tk::TFont& ExtraLineFont() { return extraLineFont_; }
  void SetExtraLineFont(const tk::TFont& font) { extraLineFont_.Assign(font); }
  TsSkinManager* Manager;

private:
  // The extra line's caption runs upwards: its face must be one the window
  // system can turn (TrueType); a bitmap face such as a font's default
  // "MS Sans Serif" is drawn level whatever the escapement.
  tk::TFont extraLineFont_;
};

// Lets the program decide, menu by menu, what the skinned menus show in the
// extra line beside the items (its section, caption and glyph, or none),
// since only the program knows what a menu is for.
using TvxGetExtraLineData = std::function<void(tk::TMenuItem* firstItem, std::string& skinSection,
                                               std::string& caption, tk::Bitmap*& glyph, bool& lineVisible)>;

}  // namespace skin
