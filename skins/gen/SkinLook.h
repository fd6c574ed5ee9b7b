#pragma once
// The look of one skin: per-state styles for every kind of image both
// internal skins carry. StandardMasks turns a look into the images of the
// master bitmap, with the same names, sizes and frame counts in both skins,
// so the two options templates can name the same pictures.

#include <array>
#include <functional>
#include <vector>

#include "Kit.h"
#include "MasterImage.h"
#include "Parts.h"

namespace skingen {

struct TitleBorderLook {
  Rgba outline, lit, shaded, inner;
  double sheen = 0;                // top highlight just inside the frame
  std::array<Rgba, 3> separator;   // the three rows under the title, top first
};

struct TabLook {
  std::array<Rgba, 3> fill, lit;  // normal, hot, selected
  Rgba outline;
};

struct SkinLook {
  // Window frame and title (state 0 inactive, 1 active).
  std::function<FrameStyle(int state)> formFrame;
  std::array<TitleBorderLook, 2> titleBorder;
  double titleRadius = 6;
  std::function<Raster(bool active)> titleFace;  // 64 × 30, stretched
  TitleButtonLook titleButtons;

  // Small glyphs.
  ToggleLook toggles;
  std::array<Rgba, 3> menuCheck;
  Rgba gripLight, gripShadow;
  std::array<Rgba, 3> arrow;
  Rgba arrowShadow;
  std::array<Rgba, 2> ridges;
  Rgba ridgeShadow;

  // Controls (state 0 normal, 1 hot, 2 pressed).
  std::function<FrameStyle(int state)> buttonRim;
  std::function<Raster(bool hot)> buttonFace;  // 64 × 32, stretched
  std::function<FrameStyle(int state, bool flat)> speedRim;
  std::function<FrameStyle(int state)> editFrame;  // 2 states
  std::function<FrameStyle()> groupFrame;
  int groupFrameSize = 9;       // square frame; borders a third of it
  bool groupFramePinned = false;
  Rgba panelLight, panelDark;
  Rgba dividerDark, dividerLight;
  std::function<FrameStyle()> menuFrame;
  std::function<FrameStyle(int state)> menuHighlight;  // 2 states
  std::function<FrameStyle()> hintFrame;
  std::function<FrameStyle()> groove;
  std::function<Raster(bool vertical)> progressFill;
  std::function<FrameStyle(int state, bool thumb)> scrollPlate;
  std::function<FrameStyle(int state)> scrollTrack;
  TabLook tab;
  std::array<Rgba, 3> headerLine;
  Rgba headerLight, headerDark;
  std::function<FrameStyle(int state)> hugeButton;  // 60 × 60 frames
};

// The images both skins share, named as the options templates use them.
std::vector<MasterImage> StandardMasks(const SkinLook& look);
OwnFileImage HugeButtonImage(const SkinLook& look);

}  // namespace skingen
