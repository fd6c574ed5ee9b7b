#pragma once
// TvxHeaderWnd: the column header of a wrapped list view, painted from the
// skin: each column with the COLHEADER section (BUTTON in a skin without
// one), its caption in the section's colours aligned as the column asks,
// and the sort arrow of a sorted column from the scroll buttons' glyphs.

#include <memory>

#include "vxMainWnd.h"

namespace skin {

class TvxHeaderWnd : public TvxMainWnd {
public:
  using TvxMainWnd::TvxMainWnd;
  // The section a header is painted with in a skin.
  static const char* SectionFor(const TsSkinTables& skin);
  // The wrapper of a header window of a wrapped view; none for no window,
  // one already wrapped or no manager.
  static std::unique_ptr<TvxHeaderWnd> WrapHeader(HWND header, TsSkinManager* manager);

protected:
  void WndProc(tk::TMessage& m) override;

private:
  void Paint(HDC dc);
  void PaintItem(tk::Bitmap& picture, int index);
};

}  // namespace skin
