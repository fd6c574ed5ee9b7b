// The top-level items of a main menu, painted over their form's skinned
// menu line: the provider keeps a copy of the painted line, and each item
// is drawn over its place in that copy.

#include <algorithm>

#include "sMenuPopupState.h"
#include "sSkinProvider.h"
#include "sSkinableMenus.h"
#include "skin/data/sSkinManager.h"
#include "skin/paint/sBitmapOps.h"
#include "skin/paint/sBlend.h"
#include "skin/paint/sPaintSection.h"
#include "skin/paint/sSectionBackground.h"
#include "skin/paint/sSkinTextWin.h"
#include "toolkit/win/Form.h"
#include "toolkit/win/ImgList.h"
#include "toolkit/win/ShortCut.h"

namespace skin {

namespace {

constexpr int kTopPictureLeft = 3;
constexpr int kShortCutRight = 8;
constexpr double kDisabledItemOpacity = 0.6;

TsSkinProvider* ProviderOfItem(tk::TMenuItem& item) {
  if (TsSkinProvider::MDISkinProvider) return TsSkinProvider::MDISkinProvider;
  for (tk::TComponent* c = item.GetParentMenu(); c; c = c->Owner())
    if (auto* form = dynamic_cast<tk::TCustomForm*>(c)) return TsSkinProvider::Of(form);
  return nullptr;
}

}  // namespace

void TsSkinableMenus::MeasureTopItem(tk::TMenuItem& item, tk::TCanvas& canvas, int& width, int& height) {
  SelectMenuFont(canvas, item, false);
  height = GetSystemMetrics(SM_CYMENU) - 1;
  std::string text = item.Caption();
  if (item.ShortCut() != 0) text += tk::ShortCutToText(item.ShortCut());
  // Through the canvas, which puts the menu font into the context first.
  RECT r{0, 0, 0, 0};
  canvas.DrawText(text, r, DT_CALCRECT | DT_SINGLELINE);
  width = std::max(width, static_cast<int>(r.right - r.left));
}

UINT TsSkinableMenus::TopItemTextFormat(tk::TOwnerDrawState state) const {
  UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_EXPANDTABS;
  if (state & ODS_NOACCEL) format |= DT_HIDEPREFIX;
  if (Alignment == tk::taRightJustify) format |= DT_RIGHT;
  return format;
}

void TsSkinableMenus::DrawTopItem(tk::TMenuItem& item, tk::TCanvas& canvas, const RECT& rect, tk::TOwnerDrawState state) {
  TsSkinProvider* provider = ProviderOfItem(item);
  const TsSkinTables* t = Tables();
  if (!provider || !t || provider->MenuLineBmp().Empty()) return;
  const tk::Bitmap& line = provider->MenuLineBmp();
  const int titleHeight = provider->Metrics().TitleHeight();
  const TRect place{rect.left, rect.top - titleHeight, rect.right, rect.bottom - titleHeight};
  if (place.Width() <= 0 || place.Height() <= 0) return;
  tk::Bitmap bmp = NewBitmap24(place.Width(), place.Height());
  CopyBitmapRect(bmp, 0, 0, line, place);
  const bool selected = (state & ODS_SELECTED) != 0, hotLit = (state & ODS_HOTLIGHT) != 0;
  const bool hot = item.Enabled() && (selected || hotLit);
  const int menuItem = SectionIndex("MENUITEM");
  const TRect whole{0, 0, bmp.Width(), bmp.Height()};
  const CacheInfo parent{&line, 0, 0, true};
  if (menuItem >= 0) {
    if (hot)
      PaintSectionByIndex(menuItem, "MENUITEM", parent, -1, -1, t, &bmp, {place.Left, place.Top}, whole, 1, true);
    else
      PaintSectionBackgroundByIndex(menuItem, "MENUITEM", parent, clFuchsia, -1, -1, t, bmp, {place.Left, place.Top},
                                    whole, 0);
  }
  // The picture 3 pixels from the item's start: its right end in a
  // right-to-left menu.
  const bool rightToLeft = IsRightToLeft(item);
  const tk::TCustomImageList* images = ImagesOf(item);
  if (!item.Bitmap().Empty()) {
    const tk::Bitmap& picture = item.Bitmap().Image();
    const int x = rightToLeft ? bmp.Width() - kTopPictureLeft - picture.Width() : kTopPictureLeft;
    CopyBitmapRect(bmp, x, (bmp.Height() - picture.Height()) / 2, picture, {0, 0, picture.Width(), picture.Height()});
  } else if (images && item.ImageIndex() >= 0) {
    const int x = rightToLeft ? bmp.Width() - kTopPictureLeft - images->Width() : kTopPictureLeft;
    images->Draw(bmp, x, (bmp.Height() - images->Height()) / 2, item.ImageIndex());
  }
  int lineSection = provider->MenuLineSkin().empty() ? -1 : t->IndexOfSection(provider->MenuLineSkin());
  if (lineSection < 0) lineSection = t->IndexOfSection("MENULINE");
  {
    tk::TBitmapCanvas c(bmp);
    SelectMenuFont(c, item, item.Default());
    WriteSectionText(c, item.Caption(), item.Enabled(), t, hot, lineSection, TopItemTextFormat(state),
                     RECT{0, 0, bmp.Width(), bmp.Height()});
    if (item.ShortCut() != 0) {
      const RECT keys{0, 0, bmp.Width() - kShortCutRight, bmp.Height()};
      WriteSectionText(c, tk::ShortCutToText(item.ShortCut()), item.Enabled(), t, hot, lineSection,
                       DT_RIGHT | DT_VCENTER | DT_SINGLELINE, keys);
    }
    if (OnDrawItem) OnDrawItem(&item, c, RECT{0, 0, bmp.Width(), bmp.Height()}, state, smTopLine);
  }
  bmp.Sync();
  if (!item.Enabled()) BlendTransparent(bmp, 0, 0, -1, kDisabledItemOpacity, place, line);
  BlitBitmap(canvas.Handle(), rect.left, rect.top, bmp, whole);
}

}  // namespace skin
