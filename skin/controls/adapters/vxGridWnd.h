#pragma once
// The wrappers of grids: a grid is wrapped as an edit (frame, skinned bars,
// its own colour and font colour from the section) and its other colours
// follow the skin as well - fixed cells, titles, headers and footers take
// the column header's look (COLHEADER, else BUTTON), footer cells and the
// indicator the grid's own section. Only what the grid has is set, and
// what was set is put back when the skin goes.
//
// A grid control tells the wrapper what it has through TvxSkinnableGrid.

#include <optional>

#include "vxEditWnd.h"

namespace skin {

// The colours of a grid; an empty field is one the grid does not have.
struct TvxGridLook {
  std::optional<TColor> fixedColor, fixedFontColor;
  std::optional<TColor> titleColor, titleFontColor;
  std::optional<TColor> headerFontColor;
  std::optional<TColor> footerColor, footerCellColor;
  std::optional<TColor> indicatorIconColor;
  bool operator==(const TvxGridLook&) const = default;
};

// What a grid control offers the wrappers.
class TvxSkinnableGrid {
public:
  virtual TvxGridLook GridLook() const = 0;
  // Sets the fields the look holds.
  virtual void SetGridLook(const TvxGridLook& look) = 0;

protected:
  ~TvxSkinnableGrid() = default;
};

class TvxGridWnd : public TvxEditWnd {
public:
  using TvxEditWnd::TvxEditWnd;
  ~TvxGridWnd() override { Unsubclass(); }
  // The look the skin gives a grid that has the fields of `has`.
  static TvxGridLook SkinLook(const TvxGridLook& has, const TsSkinTables& skin, int sectionIndex);

protected:
  void SaveState() override;
  void RestoreState() override;
  void SetColors() override;

private:
  TvxSkinnableGrid* Grid() const;
  std::optional<TvxGridLook> saved_;
};

// A grid of the kind known by its "OptionsEh" property: as any grid.
class TvxGridEhWnd : public TvxGridWnd {
public:
  using TvxGridWnd::TvxGridWnd;
};

}  // namespace skin
