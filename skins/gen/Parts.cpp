#include "Parts.h"

namespace skingen {

namespace {
MasterImage Base(const std::string& name, ImageSyntax syntax, int width, int height, int frames, bool masked) {
  MasterImage s;
  s.name = name;
  s.syntax = syntax;
  s.frameWidth = width;
  s.frameHeight = height;
  s.frames = frames;
  s.transparencyMask = masked;
  return s;
}
}  // namespace

MasterImage BorderMaskPainted(const std::string& name, int width, int height, int frames, Borders borders, int drawMode,
                           std::function<Raster(int state)> paint, bool tileable) {
  MasterImage s = Base(name, ImageSyntax::Border, width, height, frames, true);
  s.borders = borders;
  s.drawMode = drawMode;
  // With all widths 0 the engine derives them: a third of the frame's width
  // and of its image height.
  const Borders checked = borders.left + borders.top + borders.right + borders.bottom > 0
                              ? borders
                              : Borders{width / 3, height / 3, width / 3, height / 3};
  s.paint = [=](int state) {
    Raster r = paint(state);
    if (tileable) CheckTileable(r, checked, name);
    return r;
  };
  return s;
}

MasterImage BorderMask(const std::string& name, int width, int height, int frames, Borders borders, int drawMode,
                    std::function<FrameStyle(int state)> look, bool tileable) {
  return BorderMaskPainted(
      name, width, height, frames, borders, drawMode,
      [=](int state) { return PaintFrame(width, height, look(state)); }, tileable);
}

MasterImage TextureMask(const std::string& name, int width, int height, int drawMode, std::function<Raster()> paint) {
  MasterImage s = Base(name, ImageSyntax::Texture, width, height, 1, false);
  s.drawMode = drawMode;
  s.paint = [paint](int) { return paint(); };
  return s;
}

MasterImage GlyphMask(const std::string& name, int width, int height, int frames, std::function<Raster(int state)> paint) {
  MasterImage s = Base(name, ImageSyntax::Glyph, width, height, frames, true);
  s.paint = std::move(paint);
  return s;
}

OwnFileImage OwnImage(const std::string& name, const std::string& fileName, int width, int height, int frames,
                      std::function<Raster(int state)> paint) {
  OwnFileImage s;
  s.name = name;
  s.fileName = fileName;
  s.frameWidth = width;
  s.frameHeight = height;
  s.frames = frames;
  s.paint = std::move(paint);
  return s;
}

Raster TitleButtonFrame(int width, int height, int state, const TitleButtonLook& look, TitleGlyph glyph) {
  const FrameStyle& plate = glyph == TitleGlyph::Close ? look.closePlate[state] : look.plate[state];
  Raster r = PaintFrame(width, height, plate);
  if (glyph == TitleGlyph::None) return r;
  const double shift = state == 2 ? look.pressedShift : 0;
  const double cx = width / 2.0 + shift * 0.5, cy = height / 2.0 + shift;
  const double s = height * 0.42;
  const double stroke = height >= 17 ? 0.95 : 0.8;
  DistanceFn shape;
  switch (glyph) {
    case TitleGlyph::Close: shape = CloseGlyph(cx, cy, s * 0.92, stroke * 1.1); break;
    case TitleGlyph::Maximize: shape = MaximizeGlyph(cx, cy, s * 1.05, stroke * 0.75); break;
    case TitleGlyph::Minimize: shape = MinimizeGlyph(cx, cy, s * 1.05, stroke); break;
    case TitleGlyph::Restore: shape = RestoreGlyph(cx, cy, s * 1.1, stroke * 0.75); break;
    case TitleGlyph::Help: shape = HelpGlyph(cx, cy, s * 1.2, stroke * 0.95); break;
    case TitleGlyph::None: break;
  }
  const bool ownColour = glyph == TitleGlyph::Close && look.closeGlyph[state].a > 0;
  DrawGlyph(r, shape, ownColour ? look.closeGlyph[state] : look.glyph[state], 1.0, look.glyphShadow[state]);
  return r;
}

Raster CheckBoxFrame(int size, int state, const ToggleLook& look, ToggleValue value) {
  Raster r = PaintFrame(size, size, look.box[state]);
  const double c = size / 2.0;
  if (value == ToggleValue::Checked) {
    const DistanceFn mark = CheckGlyph(c, c + 0.2, size * 0.52, size >= 13 ? 1.0 : 0.85);
    DrawGlyph(r, mark, look.mark[state], 1.0, look.markShadow);
  } else if (value == ToggleValue::Grayed) {
    r.FillShape(RoundBox(c - size * 0.22, c - size * 0.22, c + size * 0.22, c + size * 0.22, 1.0), look.grayedMark);
  }
  return r;
}

Raster RadioFrame(int size, int state, const ToggleLook& look, ToggleValue value) {
  FrameStyle round = look.box[state];
  round.radius = (size - 2 * round.margin) / 2.0;
  Raster r = PaintFrame(size, size, round);
  const double c = size / 2.0;
  if (value == ToggleValue::Checked) {
    r.FillShape(Circle(c, c + 0.6, size * 0.2), look.markShadow);
    r.FillShape(Circle(c, c, size * 0.2), look.mark[state]);
  } else if (value == ToggleValue::Grayed) {
    r.FillShape(Circle(c, c, size * 0.18), look.grayedMark);
  }
  return r;
}

Raster ShapeFrame(int width, int height, const DistanceFn& shape, const Rgba& colour, const Rgba& shadow,
                  double shadowDy) {
  Raster r(width, height);
  DrawGlyph(r, shape, colour, shadowDy, shadow);
  return r;
}

}  // namespace skingen
