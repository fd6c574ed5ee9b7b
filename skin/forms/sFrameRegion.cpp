#include "sFrameRegion.h"

#include "skin/data/sSkinTables.h"
#include "skin/paint/sPixels.h"

namespace skin {

namespace {

// Appends the runs of clFuchsia pixels of rows [firstRow, firstRow + rows)
// and columns [firstColumn, firstColumn + columns) of the image, each row
// placed at window row y0 + (row - firstRow) and each column at window
// column x0 + (column - firstColumn).
void AppendClearRuns(const TsPixels& image, int firstColumn, int columns, int firstRow, int rows, int x0, int y0,
                     std::vector<TRect>& cuts) {
  for (int j = 0; j < rows; ++j) {
    const int row = firstRow + j;
    if (row < 0 || row >= image.Height()) continue;
    int runStart = -1;
    for (int i = 0; i <= columns; ++i) {
      const int column = firstColumn + i;
      const bool clear = i < columns && column >= 0 && column < image.Width() && IsFuchsiaPixel(image.At(column, row));
      if (clear && runStart < 0) runStart = i;
      if (!clear && runStart >= 0) {
        cuts.push_back({x0 + runStart, y0 + j, x0 + i, y0 + j + 1});
        runStart = -1;
      }
    }
  }
}

}  // namespace

std::vector<TRect> MaskCornerCuts(const TsMaskData& mask, int windowWidth, bool topCorners, int topBase,
                                  bool bottomCorners, int bottomBase) {
  std::vector<TRect> cuts;
  const tk::Bitmap* source = mask.Bmp ? mask.Bmp.get() : (mask.Manager ? &mask.Manager->MasterBitmap : nullptr);
  if (!source || source->Empty()) return cuts;
  const TsPixels image(*source);
  if (!image.Valid()) return cuts;
  const TRect& r = mask.R;
  const int frameWidth = r.Width() / (mask.ImageCount > 0 ? mask.ImageCount : 1);
  const int frameHeight = r.Height() / (mask.MaskType >= 0 ? mask.MaskType + 1 : 1);
  // Column c of the right corner lands on windowWidth - frameWidth + (c - R.Left).
  const int rightX = windowWidth - mask.WR;
  auto corners = [&](int firstRow, int rows, int base) {
    AppendClearRuns(image, r.Left, mask.WL, firstRow, rows, 0, base, cuts);
    AppendClearRuns(image, r.Left + frameWidth - mask.WR, mask.WR, firstRow, rows, rightX, base, cuts);
  };
  if (topCorners && mask.WT > 0) corners(r.Top, mask.WT, topBase);
  if (bottomCorners && mask.WB > 0) corners(r.Top + frameHeight - mask.WB, mask.WB, bottomBase);
  return cuts;
}

std::vector<TRect> FrameRegionCuts(const TsSkinTables& skin, int formMask, int titleMask, int windowWidth,
                                   int formHeight) {
  std::vector<TRect> cuts;
  if (skin.IsValidImgIndex(formMask)) {
    const TsMaskData& m = skin.ma[static_cast<std::size_t>(formMask)];
    cuts = MaskCornerCuts(m, windowWidth, true, 0, true, formHeight - m.WB);
  }
  if (skin.IsValidImgIndex(titleMask)) {
    const std::vector<TRect> title =
        MaskCornerCuts(skin.ma[static_cast<std::size_t>(titleMask)], windowWidth, true, 0, false, 0);
    cuts.insert(cuts.end(), title.begin(), title.end());
  }
  return cuts;
}

}  // namespace skin
