// The text cases of the reference pictures: skinned texts drawn by the
// window system into control caches painted by the portable primitives.
#include <windows.h>

#include "GoldenCases.h"
#include "skin/data/sSkinTables.h"
#include "skin/paint/sBitmapOps.h"
#include "skin/paint/sPaintSection.h"
#include "skin/paint/sSectionBackground.h"
#include "skin/paint/sSkinPaintData.h"
#include "skin/paint/sSkinTextWin.h"
#include "toolkit/win/Canvas.h"
#include "toolkit/win/Font.h"

namespace paintfix {

namespace {

using skin::TRect;

// The converter's own font: its layout's.
tk::TFont ConverterFont() {
  tk::TFont f;
  f.SetName("MS Sans Serif");
  f.SetCharset(GB2312_CHARSET);
  f.SetHeight(-15);
  return f;
}

RECT ToRect(const TRect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }

// One cell: the section painted whole, then its text.
struct TextCell {
  const char* section;
  int state;
  bool enabled;
  bool customFont;
  const char* text;
  UINT format;
};

void PaintCell(const skin::TsSkinTables& t, tk::Bitmap& into, const TRect& c, const TextCell& cell, const tk::TFont& font) {
  skin::TsSkinPaintRecord data;
  data.ResolveSection(t, cell.section);
  data.font = &font;
  data.fontColor = 0x3080F0;
  data.customFont = cell.customFont;
  // The control stands on the form's background, which is also its parent.
  tk::Bitmap form = skin::NewBitmap24(c.Width(), c.Height());
  skin::PaintSectionBackgroundByIndex(-1, "FORM", {}, skin::clFuchsia, -1, -1, &t, form, {0, 0},
                                      {0, 0, c.Width(), c.Height()}, 0);
  data.hasParent = true;
  data.parentVaries = data.dependsOnParent = true;
  tk::Bitmap cache = form;
  skin::PaintSection(data, {&form, 0, 0, true}, true, false, &cache, {0, 0}, {0, 0, c.Width(), c.Height()}, cell.state);
  {
    tk::TBitmapCanvas canvas(cache);
    skin::WriteSkinText(canvas, cell.text, cell.enabled, cell.state != 0, data, cell.format, {4, 2, c.Width() - 4, c.Height() - 2});
  }
  skin::CopyBitmapRect(into, c.Left, c.Top, cache, {0, 0, c.Width(), c.Height()});
}

constexpr UINT kCentred = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
constexpr UINT kLeft = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;

tk::Bitmap Controls(Skin s) {
  const skin::TsSkinTables& t = Tables(s);
  const TextCell cells[] = {
      {"BUTTON", 0, true, false, "大地-->高斯", kCentred},    {"BUTTON", 1, true, false, "大地-->高斯", kCentred},
      {"BUTTON", 2, true, false, "高斯-->大地", kCentred},    {"EDIT", 0, true, false, "116.391275", kLeft},
      {"EDIT", 1, true, false, "39.907333", kLeft},          {"EDIT", 0, false, false, "20447206.66", kLeft},
      {"GROUPBOX", 0, true, false, "大地坐标", kCentred},     {"CHECKBOX", 1, true, false, "高斯坐标", kLeft},
      {"BUTTON", 1, true, true, "自己的颜色", kCentred},      {"WEBBUTTON", 1, true, false, "带(&U)下划线", kCentred},
      {"FORMTITLE", 1, true, false, "坐标转换", kLeft},       {"SPEEDBUTTON", 2, true, false, ">>", kCentred},
  };
  CellGrid grid(140, 30, 3, static_cast<int>(std::size(cells)));
  const tk::TFont font = ConverterFont();
  for (std::size_t i = 0; i < std::size(cells); ++i) PaintCell(t, grid.Image(), grid.Cell(static_cast<int>(i)), cells[i], font);
  return std::move(grid.Image());
}

// Section texts without a control (no clipping), and a caption cut to fit.
tk::Bitmap Sections(Skin s) {
  const skin::TsSkinTables& t = Tables(s);
  CellGrid grid(140, 30, 3, 6);
  skin::PaintSectionBackgroundByIndex(-1, "FORM", {}, skin::clFuchsia, -1, -1, &t, grid.Image(), {0, 0},
                                      {0, 0, grid.Image().Width(), grid.Image().Height()}, 0);
  tk::TBitmapCanvas canvas(grid.Image());
  canvas.Font().Assign(ConverterFont());
  const struct {
    const char* section;
    bool hot, enabled;
    const char* text;
  } rows[] = {{"FORMTITLE", false, true, "坐标转换"}, {"FORMTITLE", true, true, "坐标转换"}, {"TABTOP", true, true, "经度"},
              {"EDIT", false, false, "纬度"},        {"MENUITEM", true, true, "菜单项"}};
  int cell = 0;
  for (const auto& r : rows) {
    const RECT c = ToRect(grid.Cell(cell++));
    skin::WriteSectionText(canvas, r.text, r.enabled, &t, r.hot, t.IndexOfSection(r.section), kLeft, c);
  }
  const RECT last = ToRect(grid.Cell(cell));
  const std::string cut = skin::EllipsizeText(canvas, "这一段说明文字太长了放不下", last.right - last.left);
  skin::WriteSectionText(canvas, cut, true, &t, false, t.IndexOfSection("EDIT"), kLeft, last);
  canvas.Unbind();
  return std::move(grid.Image());
}

}  // namespace

const std::vector<GoldenCase>& TextGoldenCases() {
  static const std::vector<GoldenCase> cases = {{"text-controls", Controls}, {"text-sections", Sections}};
  return cases;
}

}  // namespace paintfix
