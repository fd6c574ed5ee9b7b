// "Glacier (internal)": the light skin. Pale frost behind everything, a deep
// glacier-blue title, glassy white buttons whose rims light up ice blue
// under the mouse, white edits with slate text.
#include "SkinDesign.h"
#include "SkinLook.h"
#include "LookVocabulary.h"
#include "Textures.h"

namespace skingen {

namespace {

using namespace look;

const Rgba kWhite = Rgb(255, 255, 255), kBlack = Rgb(0, 0, 0);
const Rgba kIce = Rgb(58, 148, 222), kIceLight = Rgb(150, 208, 248);
const Rgba kNavy = Rgb(22, 58, 104);
const Rgba kRim = Rgb(118, 148, 180);
const Rgba kClear{};

TitleButtonLook TitleButtons() {
  TitleButtonLook l;
  auto plate = [](Rgba top, Rgba bottom, Rgba outline, Ring inner) { return Plate(4, top, bottom, outline, inner); };
  const Ring glass = R(1, A(kWhite, 0.45), A(kWhite, 0.08));
  const Ring pressed = R(1, A(kBlack, 0.22), A(kBlack, 0));
  l.plate = {plate(A(kWhite, 0.22), A(kWhite, 0.06), A(Rgb(12, 44, 88), 0.55), glass),
             plate(A(kWhite, 0.92), A(Rgb(206, 232, 252), 0.85), A(Rgb(12, 44, 88), 0.7), R(1, A(kWhite, 0.9), A(kWhite, 0.3))),
             plate(A(Rgb(14, 52, 104), 0.55), A(Rgb(30, 84, 150), 0.45), A(Rgb(8, 30, 64), 0.8), pressed)};
  l.closePlate = {l.plate[0], plate(Rgb(238, 100, 84), Rgb(196, 44, 34), Rgb(110, 16, 10), R(1, A(kWhite, 0.55), A(kWhite, 0.1))),
                  plate(Rgb(150, 30, 22), Rgb(200, 60, 46), Rgb(80, 10, 6), pressed)};
  l.glyph = {kWhite, kNavy, Rgb(230, 242, 255)};
  l.closeGlyph = {kClear, kWhite, kWhite};  // white on the red plates
  l.glyphShadow = {A(Rgb(6, 30, 66), 0.55), A(Rgb(0, 40, 90), 0.22), A(Rgb(4, 20, 50), 0.5)};
  return l;
}

ToggleLook Toggles() {
  ToggleLook t;
  auto box = [](Rgba ring, Rgba ringShade, Rgba fill, Rgba fillBottom) {
    FrameStyle f = Rounded(3, {R(0, ring, ringShade), R(1, A(kWhite, 0.8), A(kWhite, 0.2))}, fill);
    f.fillBottom = fillBottom;
    f.margin = 0.5;
    return f;
  };
  t.box = {box(Rgb(112, 140, 172), Rgb(140, 166, 196), Rgb(246, 249, 252), Rgb(222, 232, 242)),
           box(kIce, Rgb(84, 164, 228), Rgb(250, 253, 255), Rgb(214, 236, 252)),
           box(Rgb(40, 110, 186), Rgb(60, 132, 204), Rgb(196, 222, 244), Rgb(222, 238, 250))};
  t.mark = {Rgb(26, 92, 168), Rgb(16, 118, 214), Rgb(14, 70, 138)};
  t.markShadow = A(kWhite, 0.8);
  t.grayedMark = A(Rgb(150, 170, 194), 0.9);
  return t;
}

FrameStyle ButtonRim(int state) {
  switch (state) {
    case 0:
      return Rounded(4, {R(0, kRim, Rgb(98, 126, 158)), R(1, A(kWhite, 0.9), A(kWhite, 0.4)), R(2, A(kWhite, 0.25), kClear)});
    case 1:
      return Rounded(4, {R(0, Rgb(48, 134, 210), Rgb(36, 110, 186)), R(1, A(Rgb(196, 236, 255), 0.95), A(kIceLight, 0.7)),
                         R(2, A(kIceLight, 0.45), A(kIceLight, 0.3)), R(3, A(kIceLight, 0.16), A(kIceLight, 0.1))});
    default:
      return Rounded(4, {R(0, Rgb(36, 98, 166)), R(1, A(Rgb(10, 50, 100), 0.28), A(kWhite, 0.5)),
                         R(2, A(Rgb(10, 50, 100), 0.12), kClear)});
  }
}

FrameStyle SpeedRim(int state, bool flat) {
  const double radius = flat ? 3 : 4;  // the flat frame has 3-pixel borders
  switch (state) {
    case 0:
      if (flat) return Rounded(radius, {});
      return Rounded(radius, {R(0, A(kRim, 0.5)), R(1, A(kWhite, 0.55), A(kWhite, 0.2))});
    case 1:
      return Rounded(radius, {R(0, kIce), R(1, A(kWhite, 0.8), A(kIceLight, 0.5))}, A(kIceLight, 0.28));
    default:
      return Rounded(radius, {R(0, Rgb(36, 98, 166)), R(1, A(Rgb(10, 50, 100), 0.22), A(kWhite, 0.45))},
                     A(Rgb(70, 130, 196), 0.22));
  }
}

FrameStyle ScrollPlate(int state, bool thumb) {
  FrameStyle f = ButtonRim(state);
  f.radius = 3;
  const Rgba fill[3] = {thumb ? Rgb(214, 230, 246) : Rgb(234, 242, 250), Rgb(206, 234, 254), Rgb(170, 204, 236)};
  f.fill = fill[state];
  f.rings.resize(2);
  return f;
}

SkinLook GlacierLook() {
  SkinLook l;
  l.formFrame = [](int state) {
    if (state == 1) return Rounded(3, {R(0, Rgb(28, 72, 126)), R(1, Rgb(150, 196, 236), Rgb(60, 116, 178)), R(2, Rgb(44, 96, 156))});
    return Rounded(3, {R(0, Rgb(96, 110, 128)), R(1, Rgb(206, 216, 228), Rgb(146, 160, 178)), R(2, Rgb(138, 152, 170))});
  };
  l.titleBorder[0] = {Rgb(96, 110, 128), Rgb(206, 216, 228), Rgb(146, 160, 178), Rgb(138, 152, 170), 0.3,
                      {A(kWhite, 0.0), A(Rgb(120, 136, 156), 0.8), A(kWhite, 0.6)}};
  l.titleBorder[1] = {Rgb(28, 72, 126), Rgb(150, 196, 236), Rgb(60, 116, 178), Rgb(44, 96, 156), 0.35,
                      {A(kWhite, 0.0), A(Rgb(18, 56, 104), 0.85), A(Rgb(190, 226, 252), 0.8)}};
  l.titleRadius = 6;
  l.titleFace = [](bool active) {
    if (active)
      return BrushedGradient(
          64, 30, {{0, Rgb(124, 182, 232)}, {13, Rgb(74, 140, 206)}, {14, Rgb(52, 118, 188)}, {30, Rgb(34, 92, 160)}},
          0.0, 1, 0x61Au);
    return BrushedGradient(
        64, 30, {{0, Rgb(204, 214, 226)}, {13, Rgb(180, 192, 206)}, {14, Rgb(164, 176, 192)}, {30, Rgb(146, 160, 178)}},
        0.0, 1, 0x61Bu);
  };
  l.titleButtons = TitleButtons();

  l.toggles = Toggles();
  l.menuCheck = {Rgb(26, 92, 168), Rgb(10, 60, 130), Rgb(14, 70, 138)};
  l.gripLight = Rgb(132, 160, 192);
  l.gripShadow = A(kWhite, 0.9);
  l.arrow = {Rgb(60, 88, 124), Rgb(20, 112, 204), Rgb(14, 64, 128)};
  l.arrowShadow = A(kWhite, 0.75);
  l.ridges = {Rgb(120, 148, 180), Rgb(40, 128, 212)};
  l.ridgeShadow = A(kWhite, 0.85);

  l.buttonRim = ButtonRim;
  l.buttonFace = [](bool hot) {
    // Glass: a lighter upper half over a cooler lower half.
    if (hot)
      return BrushedGradient(
          64, 32, {{0, Rgb(244, 252, 255)}, {15, Rgb(214, 240, 253)}, {16, Rgb(182, 224, 250)}, {32, Rgb(212, 240, 254)}},
          0.0, -1, 0x61Cu);
    return BrushedGradient(
        64, 32, {{0, Rgb(255, 255, 255)}, {15, Rgb(238, 245, 251)}, {16, Rgb(218, 232, 245)}, {32, Rgb(236, 244, 251)}},
        0.0, -1, 0x61Du);
  };
  l.speedRim = SpeedRim;
  l.editFrame = [](int state) {
    if (state == 0) return Rounded(3, {R(0, Rgb(132, 156, 184), Rgb(170, 190, 212)), R(1, A(Rgb(120, 150, 190), 0.12), kClear)});
    return Rounded(3, {R(0, kIce, Rgb(78, 160, 226)), R(1, A(kIceLight, 0.55)), R(2, A(kIceLight, 0.18))});
  };
  l.groupFrame = [] {
    FrameStyle f = Rounded(5.5, {R(0, Rgb(160, 184, 210), Rgb(150, 174, 202)), R(1, A(kWhite, 0.85), A(kWhite, 0.5))});
    f.margin = 0.5;
    return f;
  };
  l.groupFrameSize = 18;
  l.panelLight = A(kWhite, 0.85);
  l.panelDark = A(Rgb(96, 126, 160), 0.55);
  l.dividerDark = A(Rgb(120, 146, 176), 0.7);
  l.dividerLight = A(kWhite, 0.9);
  l.menuFrame = [] { return Rounded(3, {R(0, Rgb(130, 158, 190)), R(1, A(kWhite, 0.9)), R(2, A(Rgb(214, 228, 242), 0.6))}); };
  l.menuHighlight = [](int state) {
    if (state == 0) return Rounded(3, {});
    return Rounded(3, {R(0, Rgb(112, 176, 232), Rgb(84, 150, 214)), R(1, A(kWhite, 0.6), A(kWhite, 0.2))},
                   A(Rgb(190, 226, 252), 0.85));
  };
  l.hintFrame = [] { return Rounded(4, {R(0, Rgb(104, 146, 196)), R(1, A(kWhite, 0.9))}); };
  l.groove = [] { return Rounded(2, {R(0, Rgb(140, 162, 188), Rgb(200, 214, 230)), R(1, A(Rgb(80, 110, 150), 0.12), kClear)}, Rgb(236, 242, 248)); };
  l.progressFill = [](bool vertical) {
    Raster r = BrushedGradient(8, 16, {{0, Rgb(188, 232, 255)}, {7, Rgb(96, 180, 240)}, {8, Rgb(60, 150, 226)}, {16, Rgb(92, 178, 240)}},
                               0.0, -1, 0x61Eu);
    return vertical ? r.RotatedQuarter(1) : r;
  };
  l.scrollPlate = ScrollPlate;
  l.scrollTrack = [](int state) {
    return Rounded(3, {R(0, A(Rgb(150, 172, 198), 0.55), A(Rgb(170, 190, 212), 0.45))},
                   state == 2 ? Rgb(200, 222, 242) : Rgb(232, 239, 246));
  };
  l.tab = {{Rgb(224, 233, 243), Rgb(236, 246, 254), Rgb(250, 252, 255)},
           {A(kWhite, 0.8), kIceLight, A(kWhite, 0.95)},
           Rgb(132, 156, 186)};
  l.headerLine = {Rgb(150, 172, 198), kIce, Rgb(36, 98, 166)};
  l.headerLight = A(kWhite, 0.9);
  l.headerDark = A(Rgb(140, 164, 192), 0.7);
  l.hugeButton = [](int state) {
    FrameStyle f = ButtonRim(state);
    f.radius = 14;
    f.margin = 1;
    const Rgba glow = state == 1 ? kIceLight : (state == 2 ? Rgb(60, 120, 190) : kWhite);
    for (int i = 0; i < 5; ++i) f.rings.push_back(R(3 + i * 2, A(glow, 0.22 - i * 0.04), A(glow, 0.1 - i * 0.018), 2));
    return f;
  };
  return l;
}

// A four-pointed frost glint for the corners of hints.
MasterImage Sparkle() {
  return GlyphMask("sparkle", 9, 9, 1, [](int) {
    Raster r(9, 9);
    const DistanceFn star = [](double x, double y) {
      const double dx = Abs(x - 4.5), dy = Abs(y - 4.5);
      // The union of two thin diamonds, one long across, one long down.
      return Min((dx / 4.2 + dy / 1.1) - 1.0, (dx / 1.1 + dy / 4.2) - 1.0) * 1.1;
    };
    r.FillShape([&](double x, double y) { return star(x, y) - 0.6; }, A(kIceLight, 0.45));
    r.FillShape(star, kWhite);
    r.FillShape(Circle(4.5, 4.5, 0.9), Rgb(236, 248, 255));
    return r;
  });
}

// "TopRight.bmp": the frosted plate behind the caption buttons, fading in
// from the left; two frames (inactive, active) and a third like the second.
OwnFileImage TopRightPlate() {
  OwnFileImage s = OwnImage("topRight", "TopRight.bmp", 40, 32, 3, [](int state) {
    Raster r(40, 32);
    const double strength = state == 0 ? 0.16 : 0.24;
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 40; ++x) {
        const double t = x < 13 ? SmoothStep(0, 13, x + 0.5) : 1.0;
        r.Blend(x, y, A(kWhite, strength * t));
        if (x == 12) r.Blend(x, y, A(kWhite, 0.25));
      }
    return r;
  });
  s.explicitBorders = true;
  s.borders = {13, 0, 0, 0};
  return s;
}

}  // namespace

SkinDesign GlacierDesign() {
  const SkinLook look = GlacierLook();
  SkinDesign d;
  d.folder = "Glacier";
  d.displayName = "Glacier (internal)";
  d.masterWidth = 320;
  d.masks = StandardMasks(look);
  d.masks.push_back(Sparkle());
  d.ownImages = {HugeButtonImage(look), TopRightPlate()};
  return d;
}

}  // namespace skingen
