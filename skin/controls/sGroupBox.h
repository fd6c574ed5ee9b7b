#pragma once
// TsGroupBox: the toolkit's group box painted with the section "GROUPBOX",
// its caption on a strip painted from a second section (by default
// "CHECKBOX"). It is a container: it puts its cache on the screen around
// its children and paints its windowless children over it.
//
// Without a manager, a skin or its section it is the plain toolkit group box.

#include <string>
#include <string_view>

#include "sCommonData.h"
#include "toolkit/win/GroupBox.h"

namespace skin {

class TsGroupBox : public tk::TGroupBox, public TsSkinnedControl {
  TK_CLASS(TsGroupBox)
public:
  // Where the caption sits on the top edge.
  enum TsCaptionLayout { clTopLeft, clTopCenter, clTopRight };

  explicit TsGroupBox(tk::TComponent* owner);
  ~TsGroupBox() override;
  void AfterConstruction() override;
  void Loaded() override;

  TsCommonData& SkinData() override { return skinData_; }
  TsCaptionLayout CaptionLayout() const { return captionLayout_; }
  void SetCaptionLayout(TsCaptionLayout layout);
  // Moves the frame top and the client area down; negative: the frame
  // starts above the caption strip.
  int CaptionYOffset() const { return captionYOffset_; }
  void SetCaptionYOffset(int offset);
  // The section under the caption; empty: "CHECKBOX".
  const std::string& CaptionSkin() const { return captionSkin_; }
  void SetCaptionSkin(std::string_view section);

  int CaptionHeight();
  RECT CaptionRect();
  void PrepareCache();
  // The paint of the skinned group box on dc (its own window's context
  // when ownContext: waiting children are told afterwards).
  void PaintGroupBox(HDC dc, bool ownContext);

protected:
  void WndProc(tk::TMessage& message) override;
  void AdjustClientRect(RECT& rect) const override;

private:
  friend struct TsGroupBoxCommands;
  bool Usable() const;
  bool HandleSkinned(tk::TMessage& message);
  void DrawCaption(const RECT& c, const CacheInfo& parentCache);
  int CaptionTextWidth();

  TsCommonData skinData_;
  TsCaptionLayout captionLayout_ = clTopLeft;
  int captionYOffset_ = 0;
  std::string captionSkin_;
};

}  // namespace skin
