#pragma once
// Places the master-bitmap images of one skin, writes the master bitmap and
// produces each image's key value ("@…", "^…", "~…") from the same
// rectangles.

#include <map>
#include <string>
#include <vector>

#include "MasterImage.h"
#include "toolkit/core/Bitmap.h"

namespace skingen {

struct Placement {
  int left = 0, top = 0, right = 0, bottom = 0;
};

class MasterLayout {
public:
  // Places every image (pinned ones where they ask, the others packed into
  // the free space, widest rows first) within `width` pixels; the height
  // follows. Throws std::invalid_argument for duplicate names, pins that
  // overlap, or images whose numbers the value syntax cannot hold.
  MasterLayout(std::vector<MasterImage> images, int width);

  const std::vector<MasterImage>& Images() const { return images_; }
  const Placement& PlacementOf(const std::string& name) const;
  int Width() const { return width_; }
  int Height() const { return height_; }

  // The key value of a image, e.g. "^0000^0024^0009^0042^0003^0003^0003^0003^1^1^1^0".
  std::string ValueOf(const std::string& name) const;
  // Every image name with its value, for the options template.
  std::map<std::string, std::string> Values() const;

  // The master bitmap: clFuchsia where nothing is drawn, each image's frames
  // and (for MaskType 1) their masks below them.
  tk::Bitmap Render() const;

private:
  std::vector<MasterImage> images_;
  std::vector<Placement> placements_;
  int width_;
  int height_ = 0;
};

// Frames of `frames` rasters side by side into `target` at (x, y), with
// their transparency masks below when `withMask` is set. Partly transparent
// pixels keep their colour and get the mask 256 × (1 − alpha), which the
// engine's combine (image + (target − image) × mask / 256) turns back into
// alpha. Fully transparent pixels become clFuchsia with mask 255 — except,
// with `outsideOnly`, those enclosed by the drawing: in the corners of a
// border the engine cuts clFuchsia out of window regions and puts the
// parent's pixels there, which inside a frame would punch holes. Enclosed
// clear pixels are written black with mask 255 (the target shows through).
void EncodeFrames(const std::vector<Raster>& frames, bool withMask, tk::Bitmap& target, int x, int y,
                  bool outsideOnly = false);

// An own-file image: the bitmap and its "!" value.
tk::Bitmap RenderOwnImage(const OwnFileImage& image);
std::string OwnImageValue(const OwnFileImage& image);

// The frames a image paints, checked for the declared size.
std::vector<Raster> PaintFrames(const std::function<Raster(int)>& paint, int frames, int width, int height,
                                const std::string& name);

}  // namespace skingen
