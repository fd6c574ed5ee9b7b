#include "SkinLook.h"

namespace skingen {

namespace {

MasterImage FormBorder(const SkinLook& l) {
  return BorderMask("formBorder", 12, 12, 2, {3, 3, 3, 3}, 0, l.formFrame);
}

MasterImage TitleBorder(const SkinLook& l) {
  constexpr int W = 24, H = 30;
  return BorderMaskPainted("titleBorder", W, H, 2, {6, 6, 6, 3}, 0, [l](int state) {
    const TitleBorderLook& t = l.titleBorder[state];
    Raster r(W, H);
    // The outline continues below the frame, so only the top corners round;
    // they also shape the window, whose region drops their clear pixels.
    const DistanceFn shape = RoundBox(0, 0, W, H + 10, l.titleRadius);
    r.FillBand(shape, 0, 1, t.outline);
    r.FillBand(shape, 1, 2, [&](double x, double y) { return Mix(t.lit, t.shaded, OutlineShade(shape, x, y)); });
    r.FillBand(shape, 2, 3, t.inner);
    r.FillBand(shape, 3, 4, [&](double x, double y) {
      return WithAlpha(Rgb(255, 255, 255), t.sheen * (1 - OutlineShade(shape, x, y)));
    });
    for (int x = 3; x < W - 3; ++x)
      for (int row = 0; row < 3; ++row) r.Blend(x, H - 3 + row, t.separator[row]);
    return r;
  });
}

MasterImage TitleButton(const SkinLook& l, const std::string& name, int w, int h, TitleGlyph glyph) {
  const TitleButtonLook look = l.titleButtons;
  return GlyphMask(name, w, h, 3, [=](int state) { return TitleButtonFrame(w, h, state, look, glyph); });
}

MasterImage Toggle(const SkinLook& l, const std::string& name, int size, bool radio, ToggleValue value) {
  const ToggleLook look = l.toggles;
  return GlyphMask(name, size, size, 3, [=](int state) {
    return radio ? RadioFrame(size, state, look, value) : CheckBoxFrame(size, state, look, value);
  });
}

MasterImage MenuCheck(const SkinLook& l) {
  return GlyphMask("menuCheck", 12, 12, 3, [l](int state) {
    return ShapeFrame(12, 12, CheckGlyph(6, 6.2, 7.5, 0.95), l.menuCheck[state], l.arrowShadow, 1);
  });
}

MasterImage SizeGrip(const SkinLook& l) {
  return GlyphMask("sizeGrip", 12, 12, 1, [l](int) {
    Raster r(12, 12);
    for (int j = 0; j < 3; ++j)
      for (int i = 0; i < 3; ++i) {
        if (i + j < 2) continue;
        const double x = 2.5 + i * 3.5, y = 2.5 + j * 3.5;
        r.FillShape(Circle(x + 0.8, y + 0.8, 1.05), l.gripShadow);
        r.FillShape(Circle(x, y, 1.0), l.gripLight);
      }
    return r;
  });
}

MasterImage Arrow(const SkinLook& l, const std::string& name, int direction) {
  return GlyphMask(name, 9, 9, 3, [=](int state) {
    const double shift = state == 2 ? 0.5 : 0;
    return ShapeFrame(9, 9, ArrowGlyph(4.5 + shift, 4.7 + shift, 7.2, direction), l.arrow[state], l.arrowShadow, 1);
  });
}

MasterImage Ridges(const SkinLook& l, const std::string& name, bool horizontalRidges) {
  return GlyphMask(name, 9, 9, 2, [=](int state) {
    Raster r(9, 9);
    const DistanceFn ridges = RidgesGlyph(4.5, 4.5, 6, horizontalRidges);
    r.FillShape([&](double x, double y) { return ridges(x - 0.8, y - 0.8); }, l.ridgeShadow);
    r.FillShape(ridges, l.ridges[state]);
    return r;
  });
}

MasterImage GroupFrame(const SkinLook& l) {
  // Borders left at 0: the engine takes a third of the frame on each side.
  const int n = l.groupFrameSize;
  MasterImage s = BorderMask("groupFrame", n, n, 1, {0, 0, 0, 0}, 1, [l](int) { return l.groupFrame(); });
  if (l.groupFramePinned) {
    s.pinned = true;
    s.pinX = 0;
    s.pinY = 24;
  }
  return s;
}

MasterImage Panel(const SkinLook& l, const std::string& name, bool sunken) {
  return BorderMask(name, 12, 12, 1, {3, 3, 3, 3}, 0, [=](int) {
    const Rgba light = l.panelLight, dark = l.panelDark;
    auto fade = [](Rgba c, double f) { return WithAlpha(c, c.a * f); };
    FrameStyle f;
    if (sunken)
      f.rings = {{0, 1, dark, light}, {1, 1, fade(dark, 0.4), fade(light, 0.3)}};
    else
      f.rings = {{0, 1, light, dark}, {1, 1, fade(light, 0.4), fade(dark, 0.4)}};
    return f;
  });
}

MasterImage Divider(const SkinLook& l, const std::string& name, bool vertical) {
  // A two-pixel etched rule that fades out at both ends.
  const int w = vertical ? 4 : 12, h = vertical ? 12 : 4;
  const Borders b = vertical ? Borders{2, 3, 2, 3} : Borders{3, 2, 3, 2};
  return BorderMaskPainted(name, w, h, 1, b, 0, [=](int) {
    Raster r(w, h);
    for (int j = 0; j < h; ++j)
      for (int i = 0; i < w; ++i) {
        const int across = vertical ? i : j, along = vertical ? j : i, length = vertical ? h : w;
        const double fade = along < 3 ? (along + 1) / 4.0 : (along >= length - 3 ? (length - along) / 4.0 : 1.0);
        if (across == 1) r.Blend(i, j, l.dividerDark, fade);
        if (across == 2) r.Blend(i, j, l.dividerLight, fade);
      }
    return r;
  });
}

Raster TabFrame(const TabLook& t, int state) {
  constexpr int W = 20, H = 20;
  Raster r(W, H);
  const DistanceFn shape = RoundBox(0, 0, W, H + 8, 5);
  r.FillShape(shape, t.fill[state]);
  r.FillBand(shape, 0, 1, t.outline);
  r.FillBand(shape, 1, 2, [&](double x, double y) {
    return Mix(t.lit[state], WithAlpha(t.lit[state], 0), OutlineShade(shape, x, y));
  });
  return r;
}

MasterImage Tab(const SkinLook& l, const std::string& name, int turns, bool flip) {
  // Drawn for the top side, then flipped or turned clockwise; the border
  // widths move with the sides.
  Borders t{6, 6, 6, 2};
  if (flip) t = {t.left, t.bottom, t.right, t.top};
  for (int i = 0; i < turns; ++i) t = {t.bottom, t.left, t.top, t.right};
  const TabLook look = l.tab;
  return BorderMaskPainted(name, 20, 20, 3, t, 0, [=](int state) {
    Raster r = TabFrame(look, state);
    if (flip) r = r.FlippedVertically();
    return r.RotatedQuarter(turns);
  });
}

MasterImage ColumnHeader(const SkinLook& l) {
  return BorderMaskPainted("columnHeader", 12, 12, 3, {3, 3, 3, 3}, 0, [l](int state) {
    Raster r(12, 12);
    for (int i = 0; i < 12; ++i) {
      r.Blend(i, 0, l.headerLight);
      r.Blend(i, 11, l.headerLine[state]);
    }
    for (int j = 1; j < 11; ++j) {
      r.Blend(0, j, l.headerLight);  // closes the frame on the left as well
      r.Blend(10, j, l.headerDark);
      r.Blend(11, j, l.headerLight);
    }
    return r;
  });
}

MasterImage TrackThumb(const SkinLook& l) {
  return GlyphMask("trackThumb", 11, 19, 3, [l](int state) {
    FrameStyle f = l.scrollPlate(state, true);
    f.margin = 0.5;
    Raster r = PaintFrame(11, 19, f);
    const DistanceFn ridges = RidgesGlyph(5.5, 9.5, 5, true);
    r.FillShape([&](double x, double y) { return ridges(x, y - 0.8); }, l.ridgeShadow);
    r.FillShape(ridges, l.ridges[state == 1 ? 1 : 0]);
    return r;
  });
}

}  // namespace

std::vector<MasterImage> StandardMasks(const SkinLook& l) {
  return {
      Toggle(l, "boxChecked", 13, false, ToggleValue::Checked),
      Toggle(l, "boxUnchecked", 13, false, ToggleValue::Unchecked),
      Toggle(l, "boxGrayed", 13, false, ToggleValue::Grayed),
      Toggle(l, "radioChecked", 13, true, ToggleValue::Checked),
      Toggle(l, "radioUnchecked", 13, true, ToggleValue::Unchecked),
      Toggle(l, "radioGrayed", 13, true, ToggleValue::Grayed),
      Toggle(l, "smallChecked", 11, false, ToggleValue::Checked),
      Toggle(l, "smallUnchecked", 11, false, ToggleValue::Unchecked),
      Toggle(l, "smallGrayed", 11, false, ToggleValue::Grayed),
      SizeGrip(l),
      MenuCheck(l),
      TitleButton(l, "titleButton", 21, 18, TitleGlyph::None),
      TitleButton(l, "biconClose", 21, 18, TitleGlyph::Close),
      TitleButton(l, "biconMax", 21, 18, TitleGlyph::Maximize),
      TitleButton(l, "biconMin", 21, 18, TitleGlyph::Minimize),
      TitleButton(l, "biconNorm", 21, 18, TitleGlyph::Restore),
      TitleButton(l, "biconHelp", 21, 18, TitleGlyph::Help),
      TitleButton(l, "siconClose", 16, 14, TitleGlyph::Close),
      TitleButton(l, "siconMax", 16, 14, TitleGlyph::Maximize),
      TitleButton(l, "siconMin", 16, 14, TitleGlyph::Minimize),
      TitleButton(l, "siconNorm", 16, 14, TitleGlyph::Restore),
      TitleButton(l, "siconHelp", 16, 14, TitleGlyph::Help),
      FormBorder(l),
      TitleBorder(l),
      TextureMask("titleFace", 64, 30, 1, [l] { return l.titleFace(false); }),
      TextureMask("titleFaceActive", 64, 30, 1, [l] { return l.titleFace(true); }),
      BorderMask("buttonBorder", 14, 14, 3, {5, 5, 5, 5}, 0, l.buttonRim),
      TextureMask("buttonFace", 64, 32, 1, [l] { return l.buttonFace(false); }),
      TextureMask("buttonFaceHot", 64, 32, 1, [l] { return l.buttonFace(true); }),
      BorderMask("speedBorder", 12, 12, 3, {4, 4, 4, 4}, 0, [l](int s) { return l.speedRim(s, false); }),
      BorderMask("flatBorder", 10, 10, 3, {3, 3, 3, 3}, 0, [l](int s) { return l.speedRim(s, true); }),
      BorderMask("editBorder", 12, 12, 2, {3, 3, 3, 3}, 0, l.editFrame),
      BorderMask("comboButton", 12, 12, 3, {4, 4, 4, 4}, 0, [l](int s) {
        FrameStyle f = l.buttonRim(s);
        f.radius = f.radius > 3 ? 3 : f.radius;
        return f;
      }),
      GroupFrame(l),
      Panel(l, "panelRaised", false),
      Panel(l, "panelSunken", true),
      Divider(l, "dividerVertical", true),
      Divider(l, "dividerHorizontal", false),
      BorderMask("menuBorder", 12, 12, 1, {3, 3, 3, 3}, 0, [l](int) { return l.menuFrame(); }),
      BorderMask("menuHighlight", 12, 12, 2, {4, 4, 4, 4}, 0, l.menuHighlight),
      BorderMask("hintBorder", 12, 12, 1, {4, 4, 4, 4}, 0, [l](int) { return l.hintFrame(); }),
      BorderMask("progressGroove", 10, 10, 1, {3, 3, 3, 3}, 0, [l](int) { return l.groove(); }),
      TextureMask("progressFill", 8, 16, 1, [l] { return l.progressFill(false); }),
      TextureMask("progressFillVertical", 16, 8, 1, [l] { return l.progressFill(true); }),
      BorderMask("sliderChannel", 12, 6, 1, {3, 2, 3, 2}, 0, [l](int) { return l.groove(); }),
      TrackThumb(l),
      ColumnHeader(l),
      Tab(l, "tabTop", 0, false),
      Tab(l, "tabBottom", 0, true),
      Tab(l, "tabLeft", 3, false),
      Tab(l, "tabRight", 1, false),
      Panel(l, "pageFrame", false),
      BorderMask("scrollButton", 17, 17, 3, {4, 4, 4, 4}, 0, [l](int s) { return l.scrollPlate(s, false); }),
      BorderMask("scrollThumb", 16, 16, 2, {5, 5, 5, 5}, 0, [l](int s) { return l.scrollPlate(s, true); }),
      BorderMask("scrollTrack", 12, 12, 3, {3, 3, 3, 3}, 0, l.scrollTrack),
      Arrow(l, "arrowUp", 0),
      Arrow(l, "arrowRight", 1),
      Arrow(l, "arrowDown", 2),
      Arrow(l, "arrowLeft", 3),
      Ridges(l, "gripAcross", false),
      Ridges(l, "gripAlong", true),
  };
}

OwnFileImage HugeButtonImage(const SkinLook& l) {
  return OwnImage("hugeButton", "ButtonHuge.bmp", 60, 60, 3, [l](int state) { return PaintFrame(60, 60, l.hugeButton(state)); });
}

}  // namespace skingen
