#pragma once
// Settings objects the skin manager publishes: its animation switches and
// the skinned menus' options.

#include <cstdint>
#include <functional>
#include <string>

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

struct TvxFormAnimation {
  bool Active = true;
  std::uint16_t Time = 0;  // milliseconds
};

// The animated button events: one process-wide set, which only the default
// manager changes.
class TvxBtnEffects {
public:
  explicit TvxBtnEffects(TsSkinManager* manager) : manager_(manager) {}
  TvxBtnEvents Events() const { return DefaultButtonEvents; }
  void SetEvents(TvxBtnEvents events);

private:
  TsSkinManager* manager_;
};

struct TvxAnimEffects {
  explicit TvxAnimEffects(TsSkinManager* manager) : Buttons(manager), Manager(manager) {}
  TvxBtnEffects Buttons;
  TvxFormAnimation DialogShow{true, 100};
  TvxFormAnimation FormShow{true, 0};
  TvxFormAnimation PageChange{true, 0};
  TvxFormAnimation SkinChanging{true, 100};
  TsSkinManager* Manager;
};

struct TvxMenuSupport {
  explicit TvxMenuSupport(TsSkinManager* manager) : Manager(manager) {}
  std::string IcoLineSkin;  // "ICOLINE" after loading when empty
  bool UseExtraLine = false;
  int ExtraLineWidth = 32;
  tk::TFont ExtraLineFont;
  void SetExtraLineFont(const tk::TFont& font) { ExtraLineFont.Assign(font); }
  TsSkinManager* Manager;
};

// Asked by the skinned menus for the extra line of a menu.
using TvxGetExtraLineData = std::function<void(tk::TMenuItem* firstItem, std::string& skinSection,
                                               std::string& caption, tk::Bitmap*& glyph, bool& lineVisible)>;

}  // namespace skin
