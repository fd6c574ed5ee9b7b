#include "GoldenCases.h"

#include <algorithm>

#include "skin/data/sSkinTables.h"
#include "skin/paint/sBitmapOps.h"
#include "skin/paint/sBlend.h"
#include "skin/paint/sBorderMask.h"
#include "skin/paint/sColorTools.h"
#include "skin/paint/sFocusRect.h"
#include "skin/paint/sGradient.h"
#include "skin/paint/sMaskGlyph.h"
#include "skin/paint/sPaintGlobals.h"
#include "skin/paint/sPaintSection.h"
#include "skin/paint/sSectionBackground.h"
#include "skin/paint/sSkinPaintData.h"
#include "skin/paint/sTextureFill.h"
#include "skin/paint/sTransparentCorners.h"

namespace paintfix {

CellGrid::CellGrid(int cellWidth, int cellHeight, int columns, int count, int gap)
    : w_(cellWidth), h_(cellHeight), columns_(columns), gap_(gap) {
  const int rows = (count + columns - 1) / columns;
  image_ = Filled(gap + columns * (w_ + gap), gap + std::max(rows, 1) * (h_ + gap), 0xD8D4D0);
}

skin::TRect CellGrid::Cell(int i) const {
  const int x = gap_ + (i % columns_) * (w_ + gap_), y = gap_ + (i / columns_) * (h_ + gap_);
  return {x, y, x + w_, y + h_};
}

std::string GoldenFolder() { return GK_PAINT_GOLDEN_DIR; }
std::string GoldenPath(Skin skin, const std::string& name) {
  return GoldenFolder() + "/" + SkinName(skin) + "/" + name + ".png";
}

namespace {

using skin::TColor;
using skin::TRect;

// The parent every control case is painted over: the skin's FORM
// background in its normal state.
tk::Bitmap FormCache(const skin::TsSkinTables& t, int w, int h, int state = 0) {
  tk::Bitmap form = skin::NewBitmap24(w, h);
  skin::PaintSectionBackgroundByIndex(-1, "FORM", {}, skin::clFuchsia, -1, -1, &t, form, {0, 0}, {0, 0, w, h}, state);
  return form;
}

// A control of the section at (left, top) of a form cache, painted whole
// into its own cache.
tk::Bitmap Control(const skin::TsSkinTables& t, const char* section, const tk::Bitmap& form, int left, int top, int w,
                   int h, int state, bool centre) {
  skin::TsSkinPaintRecord data;
  data.ResolveSection(t, section);
  data.hasParent = true;
  data.parentVaries = data.dependsOnParent = true;
  tk::Bitmap cache = Filled(w, h, 0);
  skin::PaintSection(data, {&form, 0, 0, true}, centre, false, &cache, {left, top}, {0, 0, w, h}, state);
  return cache;
}

// Every section of the skin, one cell each, over the form's background.
tk::Bitmap SectionGrid(Skin s, int state, bool whole) {
  const skin::TsSkinTables& t = Tables(s);
  const int n = static_cast<int>(t.gd.size());
  CellGrid grid(64, 32, 10, n);
  const tk::Bitmap form = FormCache(t, grid.Image().Width(), grid.Image().Height(), state);
  skin::CopyBitmapRect(grid.Image(), 0, 0, form, {0, 0, form.Width(), form.Height()});
  const skin::CacheInfo parent{&form, 0, 0, true};
  for (int i = 0; i < n; ++i) {
    const TRect c = grid.Cell(i);
    const std::string& name = t.gd[static_cast<std::size_t>(i)].SectionName;
    if (whole)
      skin::PaintSectionByIndex(i, name, parent, -1, -1, &t, &grid.Image(), {c.Left, c.Top}, c, state, true);
    else
      skin::PaintSectionBackgroundByIndex(i, name, parent, skin::clFuchsia, -1, -1, &t, grid.Image(), {c.Left, c.Top}, c,
                                          state);
  }
  return std::move(grid.Image());
}

tk::Bitmap Button(Skin s, int state) {
  const skin::TsSkinTables& t = Tables(s);
  const tk::Bitmap form = FormCache(t, 300, 120);
  return Control(t, "BUTTON", form, 60, 40, 119, 30, state, false);
}

// Masks of one kind, each frame in its own cell over a checkerboard.
std::vector<const skin::TsMaskData*> MasksOf(const skin::TsSkinTables& t, skin::TvxImgType type) {
  std::vector<const skin::TsMaskData*> out;
  for (const skin::TsMaskData& m : t.ma) {
    if (m.ImgType != type) continue;
    // Keys sharing a rectangle and bitmap are shown once.
    const bool seen = std::any_of(out.begin(), out.end(), [&](const skin::TsMaskData* o) {
      return o->R == m.R && o->Bmp.get() == m.Bmp.get() && o->ImageCount == m.ImageCount && o->MaskType == m.MaskType &&
             o->DrawMode == m.DrawMode;
    });
    if (!seen) out.push_back(&m);
  }
  return out;
}

tk::Bitmap BorderMasks(Skin s) {
  const skin::TsSkinTables& t = Tables(s);
  const auto masks = MasksOf(t, skin::TvxImgType::itisaBorder);
  // Per mask and frame: 48 x 32 with the centre, 48 x 32 without, 5 x 5, 7 x 4.
  CellGrid grid(110, 32, 6, static_cast<int>(masks.size()) * 3);
  const tk::Bitmap board = Checkerboard(grid.Image().Width(), grid.Image().Height(), 0x9C9890, 0xC8C4C0, 3);
  const skin::CacheInfo parent{&board, 0, 0, true};
  int cell = 0;
  for (const skin::TsMaskData* m : masks)
    for (int state = 0; state < 3; ++state) {
      const TRect c = grid.Cell(cell++);
      skin::CopyBitmapRect(grid.Image(), c.Left, c.Top, board, c);
      skin::DrawBorderMask(grid.Image(), {c.Left, c.Top, c.Left + 48, c.Bottom}, true, true, state, *m, parent);
      skin::DrawBorderMask(grid.Image(), {c.Left + 50, c.Top, c.Left + 98, c.Bottom}, false, false, state, *m, {});
      skin::DrawBorderMask(grid.Image(), {c.Left + 100, c.Top, c.Left + 105, c.Top + 5}, true, true, state, *m, parent);
      skin::DrawBorderMask(grid.Image(), {c.Left + 100, c.Top + 8, c.Left + 107, c.Top + 12}, true, true, state, *m, parent);
    }
  return std::move(grid.Image());
}

tk::Bitmap Glyphs(Skin s, int mode) {
  const skin::TsSkinTables& t = Tables(s);
  const auto masks = MasksOf(t, skin::TvxImgType::itisaGlyph);
  int frames = 0;
  for (const skin::TsMaskData* m : masks) frames += std::max(m->ImageCount, 1);
  CellGrid grid(64, 40, 12, frames);
  const tk::Bitmap board = Checkerboard(grid.Image().Width(), grid.Image().Height(), 0x9C9890, 0xC8C4C0, 3);
  int cell = 0;
  for (const skin::TsMaskData* m : masks)
    for (int f = 0; f < std::max(m->ImageCount, 1); ++f) {
      const TRect c = grid.Cell(cell++);
      skin::CopyBitmapRect(grid.Image(), c.Left, c.Top, board, c);
      skin::DrawMaskGlyph(grid.Image(), {c.Left, c.Top}, f, *m, mode);
    }
  return std::move(grid.Image());
}

// Every texture by every draw mode, the part it leaves in a marker colour.
tk::Bitmap TexturesByMode(Skin s) {
  const skin::TsSkinTables& t = Tables(s);
  const auto textures = MasksOf(t, skin::TvxImgType::itisaTexture);
  const int modes[] = {0, 1, 2, 3, 4, 5, 6, 7, 10, 9};
  const int perTexture = static_cast<int>(std::size(modes));
  CellGrid grid(90, 50, perTexture, static_cast<int>(textures.size()) * perTexture + 1);
  int cell = 0;
  for (const skin::TsMaskData* m : textures)
    for (int mode : modes) {
      const TRect c = grid.Cell(cell++);
      const TRect rest = skin::FillRectByTexture(grid.Image(), c, m->Bmp.get(), mode, m);
      if (rest != skin::kRectCovered) skin::FillRectBitmap(grid.Image(), rest, 0x00C0FF);
    }
  // A JPEG pattern tiles whatever the mode.
  for (const skin::TsPatternData& p : t.pa) {
    skin::FillRectByTexture(grid.Image(), grid.Cell(cell), p.Img.get(), 1, nullptr);
    break;
  }
  return std::move(grid.Image());
}

// Glyph masks with a mask half used as masked textures: modes 0 and 10 over
// a parent, and mode 10 without parent but with a mask background colour.
tk::Bitmap MaskedTextures(Skin s) {
  const skin::TsSkinTables& t = Tables(s);
  std::vector<const skin::TsMaskData*> masks;
  for (const char* key : {"BOXCHECKED", "RADIOUNCHECKED", "GRIPIMAGE"}) masks.push_back(&MaskData(t, "GLOBALINFO", key));
  CellGrid grid(100, 46, 3, static_cast<int>(masks.size()) * 3);
  const tk::Bitmap board = Checkerboard(grid.Image().Width(), grid.Image().Height(), 0x70A0D0, 0x4060A0, 5);
  int cell = 0;
  for (const skin::TsMaskData* m : masks) {
    for (int variant = 0; variant < 3; ++variant) {
      const TRect c = grid.Cell(cell++);
      skin::FillRectBitmap(grid.Image(), c, 0x208040);
      if (variant == 2) skin::MaskBackgroundColor = 0xFFFF00;
      skin::TileMaskedTexture(grid.Image(), c, variant == 2 ? skin::CacheInfo{} : skin::CacheInfo{&board, 0, 0, true},
                              variant == 0 ? 0 : 10, *m);
      skin::MaskBackgroundColor = skin::clFuchsia;
    }
  }
  return std::move(grid.Image());
}

// The skin's first gradient in its own mode, then as horizontal and corner
// mesh, with an offset, and a two-stop run.
tk::Bitmap Gradients(Skin s) {
  const skin::TsSkinTables& t = Tables(s);
  skin::TsGradArray stops;
  for (const skin::TsGeneralData& g : t.gd)
    if (!g.GradientArray.empty()) {
      stops = g.GradientArray;
      break;
    }
  CellGrid grid(120, 60, 3, 6);
  auto withMode = [](skin::TsGradArray a, int mode) {
    a.front().Mode = mode;
    return a;
  };
  skin::PaintGradient(grid.Image(), grid.Cell(0), stops);
  skin::PaintGradient(grid.Image(), grid.Cell(1), withMode(stops, 1));
  skin::TsGradArray mesh = stops;
  mesh.push_back({t.GlobalColor(), 0, 0, 0});
  mesh.push_back({0x00FFFF, 0, 0, 0});
  skin::PaintGradient(grid.Image(), grid.Cell(2), withMode(mesh, 2));
  skin::PaintGradient(grid.Image(), grid.Cell(3), stops, 12);
  const skin::TsGradArray twoStops = skin::ParseGradientData("16777215;15332341;99;1;0;15332341;15332341;0;1;0");
  skin::PaintGradient(grid.Image(), grid.Cell(4), twoStops);
  skin::PaintGradient(grid.Image(), grid.Cell(5), withMode(skin::ParseGradientData("255;65280;30;0;0;65280;16711680;70;0;0"), 0));
  return std::move(grid.Image());
}

// BUTTON with its image percent at 0, 30, 60 and 100, then with a gradient
// of 50 % over the texture, each in both looks.
tk::Bitmap ImagePercents(Skin s) {
  auto core = LoadSkin(s);
  skin::TsSkinTables& t = core->Tables;
  skin::TsGeneralData& g = t.gd[static_cast<std::size_t>(Section(t, "BUTTON"))];
  g.GradientArray = g.HotGradientArray = skin::ParseGradientData("16777215;255;100;0;0");
  CellGrid grid(119, 30, 2, 10);
  const struct {
    int image, gradient;
  } mixes[] = {{0, 0}, {30, 0}, {60, 0}, {100, 0}, {70, 50}};
  int cell = 0;
  for (const auto& mix : mixes)
    for (int state : {0, 1}) {
      g.ImagePercent = g.HotImagePercent = mix.image;
      g.GradientPercent = g.HotGradientPercent = mix.gradient;
      const TRect c = grid.Cell(cell++);
      skin::PaintSectionBackgroundByIndex(-1, "BUTTON", {}, skin::clFuchsia, -1, -1, &t, grid.Image(), {0, 0}, c, state);
    }
  return std::move(grid.Image());
}

// GROUPBOX over the form with its transparency at 0, 30, 70 and 100.
tk::Bitmap Transparencies(Skin s) {
  auto core = LoadSkin(s);
  skin::TsSkinTables& t = core->Tables;
  skin::TsGeneralData& g = t.gd[static_cast<std::size_t>(Section(t, "GROUPBOX"))];
  g.Color = 0x3050E0;
  CellGrid grid(100, 50, 4, 4);
  const tk::Bitmap form = FormCache(t, grid.Image().Width(), grid.Image().Height());
  skin::CopyBitmapRect(grid.Image(), 0, 0, form, {0, 0, form.Width(), form.Height()});
  int cell = 0;
  for (int transparency : {0, 30, 70, 100}) {
    g.Transparency = transparency;
    const TRect c = grid.Cell(cell++);
    skin::PaintSectionByIndex(-1, "GROUPBOX", {&form, 0, 0, true}, -1, -1, &t, &grid.Image(), {c.Left, c.Top}, c, 0, true);
  }
  return std::move(grid.Image());
}

// The fade from the normal to the hot button at levels 255 to 0.
tk::Bitmap FadeFrames(Skin s) {
  const tk::Bitmap from = Button(s, 0), to = Button(s, 1);
  CellGrid grid(119, 30, 1, 5, 2);
  int cell = 0;
  for (int level : {255, 192, 128, 64, 0}) {
    tk::Bitmap frame = from;
    skin::BlendBitmaps(frame, to, level);
    const TRect c = grid.Cell(cell++);
    skin::CopyBitmapRect(grid.Image(), c.Left, c.Top, frame, {0, 0, 119, 30});
  }
  return std::move(grid.Image());
}

// Helpers on the button: colour blends, greys, focus dots, clear copies.
tk::Bitmap Helpers(Skin s) {
  const skin::TsSkinTables& t = Tables(s);
  CellGrid grid(119, 30, 4, 8);
  const tk::Bitmap button = Button(s, 1);
  auto place = [&](int cell, const tk::Bitmap& b) {
    const TRect c = grid.Cell(cell);
    skin::CopyBitmapRect(grid.Image(), c.Left, c.Top, b, {0, 0, b.Width(), b.Height()});
  };
  int cell = 0;
  for (int percent : {0, 30, 70, 100}) {
    tk::Bitmap b = button;
    skin::BlendColorRect(b, {0, 0, 119, 30}, percent, t.GlobalColor());
    place(cell++, b);
  }
  tk::Bitmap grey = button;
  skin::GrayscaleBitmap(grey);
  place(cell++, grey);
  tk::Bitmap focus = button;
  skin::DrawSkinFocusRect(focus, {3, 3, 115, 26});
  place(cell++, focus);
  const skin::TsMaskData& close = MaskData(t, "GLOBALINFO", "BICONCLOSE");
  const int fw = close.R.Width() / 3, fh = close.R.Height() / 2;
  tk::Bitmap blended = button;
  skin::BlendTransparent(blended, 10, 3, skin::clFuchsia, 0.5, {close.R.Left, close.R.Top, close.R.Left + fw, close.R.Top + fh},
                         t.MasterBitmap);
  place(cell++, blended);
  tk::Bitmap copied = button;
  const tk::Bitmap board = Checkerboard(200, 100, 0x00FF00, 0x0000FF, 2);
  skin::CopyTransparent(copied, t.MasterBitmap, 10, true, {&board, 7, 9, true}, skin::clFuchsia,
                        {close.R.Left + fw, close.R.Top, close.R.Left + 2 * fw, close.R.Top + fh}, 3);
  place(cell++, copied);
  return std::move(grid.Image());
}

// The button's clear corners: first painted without parent (clFuchsia
// left in them), then filled from a parent cache, from a plain parent, and
// only the two bottom ones.
tk::Bitmap Corners(Skin s) {
  const skin::TsSkinTables& t = Tables(s);
  CellGrid grid(119, 30, 4, 4);
  const tk::Bitmap board = Checkerboard(400, 200, 0x00FF00, 0x0000FF, 2);
  for (int variant = 0; variant < 4; ++variant) {
    skin::TsSkinPaintRecord data;
    data.ResolveSection(t, "BUTTON");
    tk::Bitmap cache = Filled(119, 30, 0);
    skin::PaintSection(data, {}, false, false, &cache, {0, 0}, {0, 0, 119, 30}, 1);
    data.cache = &cache;
    data.bounds = {20, 10, 139, 40};
    data.hasParent = true;
    data.parentCache = {&board, 3, 5, variant != 2};
    data.parentVaries = true;
    data.parentColor = 0x806040;
    if (variant == 1 || variant == 2) skin::FillTransparentCorners(data, 1);
    if (variant == 3) skin::RepaintCorners(data, 1, skin::kCornerBottomLeft | skin::kCornerBottomRight);
    const TRect c = grid.Cell(variant);
    skin::CopyBitmapRect(grid.Image(), c.Left, c.Top, cache, {0, 0, 119, 30});
  }
  return std::move(grid.Image());
}

// What the FORM frame cuts from a window region, black on white.
tk::Bitmap CutRegion(Skin s) {
  const skin::TsSkinTables& t = Tables(s);
  tk::Bitmap frame = Filled(160, 90, 0);
  const auto runs = skin::DrawBorderMaskCorners(frame, 1, MaskData(t, "FORM", "BORDERSMASK"));
  tk::Bitmap out = Filled(330, 90, 0xFFFFFF);
  skin::CopyBitmapRect(out, 0, 0, frame, {0, 0, 160, 90});
  for (const TRect& r : runs) skin::FillRectBitmap(out, skin::OffsetRect(r, 170, 0), 0);
  return out;
}

tk::Bitmap FormBackground(Skin s) { return FormCache(Tables(s), 506, 294); }

tk::Bitmap FormSection(Skin s) {
  const skin::TsSkinTables& t = Tables(s);
  skin::TsSkinPaintRecord data;
  data.ResolveSection(t, "FORM");
  tk::Bitmap cache = Filled(512, 319, 0);
  skin::PaintSection(data, {}, false, false, &cache, {0, 0}, {0, 0, 512, 319}, 1);
  return cache;
}

tk::Bitmap GroupBoxFrame(Skin s) {
  const skin::TsSkinTables& t = Tables(s);
  tk::Bitmap b = Checkerboard(100, 50, 0x9C9890, 0xC8C4C0, 3);
  skin::DrawBorderMask(b, {0, 0, 100, 50}, false, false, 0, MaskData(t, "GROUPBOX", "BORDERSMASK"), {});
  return b;
}

}  // namespace

const std::vector<GoldenCase>& PortableGoldenCases() {
  static const std::vector<GoldenCase> cases = {
      {"section-backgrounds-normal", [](Skin s) { return SectionGrid(s, 0, false); }},
      {"section-backgrounds-hot", [](Skin s) { return SectionGrid(s, 1, false); }},
      {"sections-normal", [](Skin s) { return SectionGrid(s, 0, true); }},
      {"sections-hot", [](Skin s) { return SectionGrid(s, 1, true); }},
      {"button-normal", [](Skin s) { return Button(s, 0); }},
      {"button-hot", [](Skin s) { return Button(s, 1); }},
      {"button-pressed", [](Skin s) { return Button(s, 2); }},
      {"form-background", FormBackground},
      {"form-section", FormSection},
      {"groupbox-frame-100x50", GroupBoxFrame},
      {"border-masks", BorderMasks},
      {"glyphs", [](Skin s) { return Glyphs(s, 1); }},
      {"glyphs-dimmed", [](Skin s) { return Glyphs(s, 2); }},
      {"textures-by-mode", TexturesByMode},
      {"masked-textures", MaskedTextures},
      {"gradients", Gradients},
      {"image-percents", ImagePercents},
      {"transparencies", Transparencies},
      {"fade-frames", FadeFrames},
      {"helpers", Helpers},
      {"transparent-corners", Corners},
      {"cut-region", CutRegion},
  };
  return cases;
}

}  // namespace paintfix
