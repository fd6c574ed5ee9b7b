// "EmberStyle (internal)": the dark skin the tool starts with. Forms and
// panels show rust-stained steel; frames are blackened bronze; whatever the
// mouse touches glows amber; edits are black with green text.
#include "EmberTexture.h"
#include "SkinDesign.h"
#include "SkinLook.h"
#include "LookVocabulary.h"
#include "Textures.h"

namespace skingen {

namespace {

using namespace look;

const Rgba kOutline = Rgb(9, 8, 7);
const Rgba kBronzeLit = Rgb(176, 146, 108), kBronzeShaded = Rgb(76, 57, 42), kBronzeInner = Rgb(27, 24, 21);
const Rgba kGreyLit = Rgb(132, 128, 122), kGreyShaded = Rgb(64, 62, 60);
const Rgba kAmber = Rgb(255, 176, 64), kAmberDeep = Rgb(214, 118, 30);
const Rgba kBlack = Rgb(0, 0, 0), kWarmWhite = Rgb(255, 236, 206);
const Rgba kClear{};

TitleButtonLook TitleButtons() {
  TitleButtonLook l;
  auto plate = [](Rgba top, Rgba bottom, Rgba outline, Ring inner) { return Plate(3.5, top, bottom, outline, inner); };
  const Ring soft = R(1, A(Rgb(255, 240, 220), 0.30), A(Rgb(255, 240, 220), 0.04));
  const Ring hot = R(1, A(Rgb(255, 244, 210), 0.65), A(Rgb(255, 220, 160), 0.12));
  const Ring pressed = R(1, A(kBlack, 0.38), A(kBlack, 0.0));
  l.plate = {plate(Rgb(86, 82, 78), Rgb(42, 39, 36), Rgb(10, 9, 8), soft),
             plate(Rgb(250, 180, 70), Rgb(184, 94, 24), Rgb(48, 24, 6), hot),
             plate(Rgb(146, 76, 22), Rgb(206, 124, 46), Rgb(34, 16, 4), pressed)};
  l.closePlate = {l.plate[0], plate(Rgb(240, 104, 64), Rgb(170, 36, 20), Rgb(52, 10, 4), hot),
                  plate(Rgb(128, 26, 14), Rgb(196, 66, 40), Rgb(40, 6, 2), pressed)};
  l.glyph = {Rgb(228, 218, 202), Rgb(255, 255, 255), Rgb(255, 236, 212)};
  l.glyphShadow = {A(kBlack, 0.6), A(Rgb(96, 36, 0), 0.55), A(Rgb(40, 12, 0), 0.5)};
  return l;
}

ToggleLook Toggles() {
  ToggleLook t;
  auto box = [](Rgba ring, Rgba ringShade, Rgba fill) {
    FrameStyle f = Rounded(2.5, {R(0, ring, ringShade), R(1, A(kBlack, 0.85), A(kBlack, 0.35))}, fill);
    f.margin = 0.5;
    return f;
  };
  t.box = {box(Rgb(112, 94, 74), Rgb(178, 148, 110), Rgb(14, 13, 12)), box(kAmber, kAmberDeep, Rgb(30, 24, 16)),
           box(Rgb(196, 116, 38), Rgb(150, 84, 24), Rgb(52, 36, 20))};
  t.mark = {Rgb(96, 255, 64), Rgb(168, 255, 136), Rgb(64, 208, 40)};
  t.markShadow = A(kBlack, 0.7);
  t.grayedMark = A(Rgb(126, 116, 98), 0.9);
  return t;
}

FrameStyle ButtonRim(int state) {
  switch (state) {
    case 0:
      return Rounded(4, {R(0, Rgb(14, 12, 11)), R(1, A(Rgb(232, 210, 178), 0.42), A(kBlack, 0.28)),
                         R(2, A(Rgb(255, 240, 214), 0.10), A(kBlack, 0.10))});
    case 1:
      return Rounded(4, {R(0, Rgb(44, 24, 6)), R(1, A(Rgb(255, 196, 90), 0.95), A(Rgb(226, 124, 32), 0.9)),
                         R(2, A(Rgb(255, 204, 116), 0.40), A(Rgb(240, 140, 44), 0.32)),
                         R(3, A(Rgb(255, 196, 104), 0.14), A(Rgb(240, 140, 44), 0.1))});
    default:
      return Rounded(4, {R(0, Rgb(8, 6, 5)), R(1, A(kBlack, 0.6), A(Rgb(255, 176, 80), 0.55)),
                         R(2, A(kBlack, 0.32), A(kBlack, 0.0)), R(3, A(kBlack, 0.12), A(kBlack, 0.0))});
  }
}

FrameStyle SpeedRim(int state, bool flat) {
  switch (state) {
    case 0:
      if (flat) return Rounded(3, {});
      return Rounded(3, {R(0, A(kBlack, 0.42)), R(1, A(Rgb(255, 232, 196), 0.15), A(kBlack, 0.14))});
    case 1:
      return Rounded(3,
                     {R(0, A(Rgb(36, 20, 6), 0.9)), R(1, A(Rgb(255, 198, 96), 0.88), A(Rgb(222, 128, 36), 0.82)),
                      R(2, A(Rgb(255, 190, 100), 0.22), A(Rgb(240, 140, 44), 0.16))},
                     A(Rgb(255, 176, 72), 0.10));
    default:
      return Rounded(3,
                     {R(0, A(kBlack, 0.9)), R(1, A(kBlack, 0.45), A(Rgb(255, 170, 70), 0.5)),
                      R(2, A(kBlack, 0.18), A(kBlack, 0.0))},
                     A(kBlack, 0.26));
  }
}

FrameStyle ScrollPlate(int state, bool thumb) {
  const Rgba fill[3] = {thumb ? Rgb(84, 79, 74) : Rgb(70, 66, 62), Rgb(104, 84, 60), Rgb(42, 38, 35)};
  if (state == 2) return Rounded(3, {R(0, Rgb(8, 7, 6)), R(1, A(kBlack, 0.45), A(Rgb(255, 176, 80), 0.4))}, fill[2]);
  if (state == 1) return Rounded(3, {R(0, Rgb(36, 20, 6)), R(1, A(kAmber, 0.9), A(kAmberDeep, 0.75))}, fill[1]);
  return Rounded(3, {R(0, Rgb(12, 10, 9)), R(1, A(Rgb(255, 236, 204), 0.3), A(kBlack, 0.28))}, fill[0]);
}

SkinLook EmberLook() {
  SkinLook l;
  l.formFrame = [](int state) {
    const bool active = state == 1;
    return Rounded(3, {R(0, kOutline), R(1, active ? kBronzeLit : kGreyLit, active ? kBronzeShaded : kGreyShaded),
                       R(2, kBronzeInner)});
  };
  l.titleBorder[0] = {kOutline, kGreyLit, kGreyShaded, kBronzeInner, 0.06,
                      {A(kBlack, 0.3), A(Rgb(6, 5, 4), 0.9), A(Rgb(120, 110, 100), 0.45)}};
  l.titleBorder[1] = {kOutline, kBronzeLit, kBronzeShaded, kBronzeInner, 0.10,
                      {A(kBlack, 0.35), A(Rgb(6, 5, 4), 0.95), A(Rgb(196, 112, 44), 0.75)}};
  l.titleRadius = 6;
  l.titleFace = [](bool active) {
    if (active)
      return BrushedGradient(
          64, 30, {{0, Rgb(112, 118, 130)}, {3, Rgb(92, 98, 112)}, {16, Rgb(56, 60, 72)}, {30, Rgb(30, 31, 38)}}, 0.10,
          2, 0x71E1u);
    return BrushedGradient(
        64, 30, {{0, Rgb(104, 101, 98)}, {3, Rgb(86, 84, 81)}, {16, Rgb(58, 56, 54)}, {30, Rgb(38, 37, 36)}}, 0.08, 2,
        0x71E2u);
  };
  l.titleButtons = TitleButtons();

  l.toggles = Toggles();
  l.menuCheck = {Rgb(255, 214, 120), Rgb(255, 255, 255), Rgb(255, 236, 190)};
  l.gripLight = Rgb(196, 164, 124);
  l.gripShadow = A(kBlack, 0.75);
  l.arrow = {Rgb(222, 206, 184), Rgb(255, 200, 104), Rgb(255, 240, 206)};
  l.arrowShadow = A(kBlack, 0.65);
  l.ridges = {Rgb(190, 170, 146), Rgb(255, 206, 120)};
  l.ridgeShadow = A(kBlack, 0.6);

  l.buttonRim = ButtonRim;
  l.buttonFace = [](bool hot) {
    if (hot)
      return BrushedGradient(
          64, 32, {{0, Rgb(156, 126, 88)}, {3, Rgb(140, 110, 76)}, {15, Rgb(108, 80, 52)}, {32, Rgb(74, 52, 32)}},
          0.09, 2, 0xB07Eu);
    return BrushedGradient(
        64, 32, {{0, Rgb(120, 112, 102)}, {3, Rgb(106, 99, 90)}, {15, Rgb(82, 76, 69)}, {32, Rgb(56, 52, 48)}}, 0.09,
        2, 0xB07Du);
  };
  l.speedRim = SpeedRim;
  l.editFrame = [](int state) {
    if (state == 0) return Rounded(2, {R(0, Rgb(10, 9, 8), Rgb(132, 114, 92)), R(1, Rgb(34, 31, 28), Rgb(22, 20, 18))});
    return Rounded(2, {R(0, Rgb(70, 44, 12), Rgb(255, 180, 70)), R(1, A(kAmberDeep, 0.95)), R(2, A(kAmber, 0.22))});
  };
  // One 9 × 9 frame, borders 3, stretched: an etched line inside the edge.
  l.groupFrame = [] {
    FrameStyle f = Rounded(2.5, {R(0, A(kBlack, 0.62), A(kBlack, 0.5)),
                               R(1, A(Rgb(214, 180, 136), 0.34), A(Rgb(214, 180, 136), 0.22))});
    f.margin = 0.5;
    return f;
  };
  l.groupFrameSize = 9;
  l.groupFramePinned = true;  // a fixed place: the painting tests address it by its rectangle
  l.panelLight = A(kWarmWhite, 0.18);
  l.panelDark = A(kBlack, 0.55);
  l.dividerDark = A(kBlack, 0.6);
  l.dividerLight = A(Rgb(232, 200, 158), 0.24);
  l.menuFrame = [] { return Rounded(2, {R(0, kOutline), R(1, Rgb(150, 120, 88), Rgb(70, 54, 42)), R(2, A(kBlack, 0.4))}); };
  l.menuHighlight = [](int state) {
    if (state == 0) return Rounded(3, {});
    return Rounded(3, {R(0, A(Rgb(255, 204, 114), 0.95), A(Rgb(186, 98, 28), 0.95)), R(1, A(Rgb(255, 220, 160), 0.25))},
                   A(Rgb(206, 124, 40), 0.5));
  };
  l.hintFrame = [] { return Rounded(4, {R(0, Rgb(232, 160, 60), Rgb(170, 96, 30)), R(1, A(kBlack, 0.35))}); };
  l.groove = [] { return Rounded(2, {R(0, A(kBlack, 0.85), A(Rgb(164, 136, 102), 0.55)), R(1, A(kBlack, 0.35), kClear)}, Rgb(16, 15, 14)); };
  l.progressFill = [](bool vertical) {
    Raster r = BrushedGradient(8, 16, {{0, Rgb(255, 214, 120)}, {4, Rgb(240, 160, 52)}, {10, Rgb(204, 110, 24)}, {16, Rgb(150, 70, 12)}},
                               0.0, 1, 0xA11u);
    return vertical ? r.RotatedQuarter(1) : r;
  };
  l.scrollPlate = ScrollPlate;
  l.scrollTrack = [](int state) {
    return Rounded(2, {R(0, A(kBlack, 0.7), A(Rgb(124, 104, 82), 0.4))}, state == 2 ? Rgb(48, 38, 28) : Rgb(26, 24, 22));
  };
  l.tab = {{Rgb(54, 50, 47), Rgb(78, 64, 48), Rgb(84, 78, 72)},
           {A(Rgb(190, 160, 120), 0.35), kAmber, A(Rgb(236, 200, 150), 0.6)},
           kOutline};
  l.headerLine = {Rgb(10, 9, 8), kAmber, kAmberDeep};
  l.headerLight = A(kWarmWhite, 0.14);
  l.headerDark = A(kBlack, 0.5);
  l.hugeButton = [](int state) {
    const Rgba glow = state == 1 ? kAmber : (state == 2 ? Rgb(150, 80, 24) : Rgb(150, 130, 104));
    FrameStyle f = Rounded(12, {R(0, Rgb(10, 9, 8)), R(1, A(glow, 0.9), A(Shade(glow, 0.5), 0.9)),
                                R(2, A(glow, 0.55), A(Shade(glow, 0.4), 0.45)), R(3, A(glow, 0.28), A(Shade(glow, 0.4), 0.2)),
                                R(4, A(glow, 0.12), A(Shade(glow, 0.4), 0.08))});
    if (state == 2) f.rings.push_back(R(5, A(kBlack, 0.25), kClear, 4));
    f.margin = 1;
    return f;
  };
  return l;
}

// A steel rivet for the corners of bar panels.
MasterImage Rivet() {
  return GlyphMask("rivet", 9, 9, 1, [](int) {
    Raster r(9, 9);
    r.FillShape(Circle(5.2, 5.4, 3.1), A(kBlack, 0.6));
    r.FillShape(Circle(4.5, 4.5, 3.0), [](double x, double y) {
      return Mix(Rgb(196, 174, 150), Rgb(64, 54, 46), Clamp01(((x - 2.5) + (y - 2.5)) / 5.5));
    });
    r.FillBand(Circle(4.5, 4.5, 3.0), 0, 0.8, A(Rgb(20, 16, 12), 0.55));
    r.FillShape(Circle(3.6, 3.5, 0.9), A(Rgb(255, 246, 230), 0.75));
    return r;
  });
}

// Behind the caption buttons of dialogs: a recess that fades in from the
// left. No top or bottom pieces: the frame is taller than any title bar,
// so its column is clipped, never repeated.
MasterImage TitleBarRecess() {
  constexpr int W = 30, H = 30;
  return BorderMaskPainted(
      "titleBar", W, H, 2, {10, 0, 0, 0}, 0,
      [](int state) {
        Raster r(W, H);
        const double depth = state == 1 ? 0.32 : 0.22;
        for (int y = 0; y < H; ++y)
          for (int x = 0; x < W; ++x) r.Blend(x, y, A(kBlack, depth * (x < 10 ? SmoothStep(0, 10, x + 0.5) : 1.0)));
        return r;
      });
}

}  // namespace

SkinDesign EmberDesign() {
  const SkinLook look = EmberLook();
  SkinDesign d;
  d.folder = "EmberStyle";
  d.displayName = "EmberStyle (internal)";
  d.masterWidth = 320;
  d.masks = StandardMasks(look);
  for (MasterImage& m : d.masks)
    if (m.name == "boxChecked") {  // a fixed place: the painting tests address it by its rectangle
      m.pinned = true;
      m.pinX = 0;
      m.pinY = 78;
    }
  d.masks.push_back(Rivet());
  d.masks.push_back(TitleBarRecess());
  d.ownImages = {HugeButtonImage(look)};
  d.pictures = {Picture{"fBG.jpg", 90, PaintEmberMetal}};
  return d;
}

}  // namespace skingen
