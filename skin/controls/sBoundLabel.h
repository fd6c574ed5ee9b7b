#pragma once
// TsBoundLabel: the optional caption of an edit, a TsEditLabel placed beside
// or above the edit and kept in step with it (position, visibility, enabled
// state, reading direction). Inactive, there is no label at all.

#include <string>
#include <string_view>

#include "toolkit/win/Font.h"
#include "toolkit/win/Persistent.h"

namespace tk {
class TWinControl;
}

namespace skin {

class TsEditLabel;

class TsBoundLabel : public tk::TPersistent {
  TK_CLASS(TsBoundLabel)
public:
  // Where the label sits.
  enum TsCaptionLayout { sclLeft, sclTopLeft, sclTopCenter, sclTopRight };

  explicit TsBoundLabel(tk::TWinControl* edit);
  ~TsBoundLabel() override;
  TsBoundLabel(const TsBoundLabel&) = delete;
  TsBoundLabel& operator=(const TsBoundLabel&) = delete;

  bool Active() const { return active_; }
  void SetActive(bool value);
  // Empty at activation: the edit's Name.
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string_view caption);
  // The label's font while the label exists, else the stored one.
  tk::TFont& Font();
  void SetFont(const tk::TFont& font);
  int Indent() const { return indent_; }
  void SetIndent(int indent);
  TsCaptionLayout Layout() const { return layout_; }
  void SetLayout(TsCaptionLayout layout);
  // Not 0: the label is that wide and wraps its text.
  int MaxWidth() const { return maxWidth_; }
  void SetMaxWidth(int width);
  // The label's UseSkinColor while it exists; true otherwise.
  bool UseSkinColor() const;
  void SetUseSkinColor(bool value);

  TsEditLabel* TheLabel() const { return label_; }
  // Places the label by the edit's bounds and the layout.
  void PlaceLabel();
  // The edit's state followed (it calls these from its window procedure).
  void EditVisibilityChanged();
  void EditEnabledChanged();
  // The label is going; the bound label becomes inactive.
  void LabelGone(TsEditLabel* label);

private:
  void ApplyAlignment();

  tk::TWinControl* edit_;
  bool active_ = false;
  std::string caption_;
  tk::TFont font_;
  int indent_ = 0;
  TsCaptionLayout layout_ = sclLeft;
  int maxWidth_ = 0;
  TsEditLabel* label_ = nullptr;
};

}  // namespace skin
