#pragma once
// TsCustomLabel: the toolkit's label drawn transparently in the active
// skin's global font colour, optionally over a skin section of its own.
// Disabled, it draws its text once in a colour mixed from its font colour
// and what lies behind it, instead of the embossed system look.
//
// When the default manager removes its skin, the label's font colour becomes
// the system's window-text colour.

#include <string>
#include <string_view>

#include "toolkit/win/Label.h"

namespace skin {

// Set while a label applies the skin's font colour, so that the font-change
// notice this causes is not taken for a change of the label's font.
extern bool PaintingLabel;

class TsCustomLabel : public tk::TCustomLabel {
  TK_CLASS(TsCustomLabel)
public:
  explicit TsCustomLabel(tk::TComponent* owner);

  // A section painted under the text; empty: none.
  const std::string& SkinSection() const { return skinSection_; }
  void SetSkinSection(std::string_view section);
  tk::TNotifyEvent OnMouseEnter;
  tk::TNotifyEvent OnMouseLeave;

  // The label's font after the skin's colour was applied.
  virtual tk::TFont& GetCurrentFont();

protected:
  void Paint() override;
  void DoDrawText(RECT& rect, UINT flags) override;
  void WndProc(tk::TMessage& message) override;
  // Whether the skin's font colour replaces the label's own.
  virtual bool FollowsSkinColor() const { return true; }

private:
  std::string skinSection_;
};

}  // namespace skin
