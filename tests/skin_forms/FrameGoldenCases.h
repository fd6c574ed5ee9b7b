#pragma once
// The reference pictures of the skinned frame: whole windows as the skin
// provider renders them into its cache (frame, title bar, buttons, caption
// and the client background), in both internal skins, for the window kinds
// and states that draw differently. Only the caption text is drawn by the
// window system; the rest is the skin engine's own pixel work.

#include <functional>
#include <string>
#include <vector>

#include "SkinnedFrameFixture.h"
#include "skin/data/sSkinTypes.h"
#include "toolkit/core/Bitmap.h"

namespace formfix {

struct FrameGoldenCase {
  std::string name;
  FrameSetup setup;
  // Puts the built frame into the state to be pictured.
  std::function<void(SkinnedFrame&)> prepare;
};
const std::vector<FrameGoldenCase>& FrameGoldenCases();

// The internal skins, by the folder names of the references.
struct GoldenSkin {
  const char* folder;
  const char* skinName;
};
const std::vector<GoldenSkin>& GoldenSkins();

struct FramePicture {
  tk::Bitmap picture;
  skin::TRect textBand;  // where the caption text lies
};
// Builds the case's form in the skin and takes the provider's cache.
FramePicture PaintFrameCase(SkinnedFrame& frame, const FrameGoldenCase& c, const GoldenSkin& skin);

// The main of a reference writer: checks for the one argument (the folder),
// runs `write` with it and a frame to build on (it returns how many pictures
// it wrote), reports, and turns failures into exit codes.
int RunGoldenWriter(const char* tool, int argc, char** argv,
                    const std::function<int(const std::string& folder, SkinnedFrame& frame)>& write);

std::string FrameGoldenPath(const GoldenSkin& skin, const std::string& name);
std::string FrameActualPath(const GoldenSkin& skin, const std::string& name);

}  // namespace formfix
