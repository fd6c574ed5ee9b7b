#include "MasterLayout.h"
#include "TextCase.h"

#include <algorithm>
#include <cstdio>
#include <set>
#include <stdexcept>

#include "DetMath.h"

namespace skingen {

namespace {

constexpr std::uint8_t kFuchsia[3] = {0xFF, 0x00, 0xFF};  // blue, green, red
constexpr int kGap = 1;  // free pixels around every image, for legibility

std::string Digits(int value, int width) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%0*d", width, value);
  return buffer;
}

bool Overlaps(const Placement& a, const Placement& b) {
  return a.left < b.right + kGap && b.left < a.right + kGap && a.top < b.bottom + kGap && b.top < a.bottom + kGap;
}

void CheckImage(const MasterImage& s) {
  auto fail = [&](const std::string& why) { throw std::invalid_argument("image " + s.name + ": " + why); };
  if (s.name.empty()) throw std::invalid_argument("an image without a name");
  if (s.frameWidth < 1 || s.frameHeight < 1) fail("empty frame");
  if (s.frames < 1 || s.frames > 9) fail("the value holds 1 to 9 frames");
  if (!s.paint) fail("no painter");
  if (s.syntax == ImageSyntax::Border) {
    if (s.drawMode < 0 || s.drawMode > 9) fail("a border draw mode is one digit");
    if (s.borderWidth < 0 || s.borderWidth > 9) fail("a border width is one digit");
    const Borders& b = s.borders;
    if (b.left < 0 || b.top < 0 || b.right < 0 || b.bottom < 0) fail("negative border");
    if (b.left + b.right > s.frameWidth || b.top + b.bottom > s.frameHeight) fail("borders wider than the frame");
  }
  if (s.syntax == ImageSyntax::Texture) {
    if (s.frames != 1) fail("a texture has one frame");
    if (s.drawMode < 0 || s.drawMode > 99) fail("a texture draw mode is two digits");
  }
}

}  // namespace

std::vector<Raster> PaintFrames(const std::function<Raster(int)>& paint, int frames, int width, int height,
                                const std::string& name) {
  std::vector<Raster> out;
  for (int state = 0; state < frames; ++state) {
    Raster r = paint(state);
    if (r.Width() != width || r.Height() != height)
      throw std::logic_error("image " + name + " painted a frame of the wrong size");
    out.push_back(std::move(r));
  }
  return out;
}

namespace {
constexpr double kClearAlpha = 1.0 / 512;

// The clear pixels reachable from the frame's edge through clear pixels.
std::vector<bool> OutsideOf(const Raster& r) {
  const int w = r.Width(), h = r.Height();
  std::vector<bool> outside(static_cast<std::size_t>(w) * h, false);
  std::vector<int> stack;
  auto visit = [&](int i, int j) {
    if (i < 0 || j < 0 || i >= w || j >= h) return;
    const std::size_t k = static_cast<std::size_t>(j) * w + i;
    if (outside[k] || r.At(i, j).a >= kClearAlpha) return;
    outside[k] = true;
    stack.push_back(static_cast<int>(k));
  };
  for (int i = 0; i < w; ++i) visit(i, 0), visit(i, h - 1);
  for (int j = 0; j < h; ++j) visit(0, j), visit(w - 1, j);
  while (!stack.empty()) {
    const int k = stack.back();
    stack.pop_back();
    const int i = k % w, j = k / w;
    visit(i - 1, j), visit(i + 1, j), visit(i, j - 1), visit(i, j + 1);
  }
  return outside;
}
}  // namespace

void EncodeFrames(const std::vector<Raster>& frames, bool withMask, tk::Bitmap& target, int x, int y,
                  bool outsideOnly) {
  for (std::size_t f = 0; f < frames.size(); ++f) {
    const Raster& r = frames[f];
    const int fx = x + static_cast<int>(f) * r.Width();
    const std::vector<bool> outside = outsideOnly ? OutsideOf(r) : std::vector<bool>();
    for (int j = 0; j < r.Height(); ++j) {
      std::uint8_t* image = target.ScanLine(y + j);
      std::uint8_t* mask = withMask ? target.ScanLine(y + r.Height() + j) : nullptr;
      for (int i = 0; i < r.Width(); ++i) {
        const Rgba& p = r.At(i, j);
        std::uint8_t* ip = image + (fx + i) * 3;
        const bool clear = withMask ? p.a < kClearAlpha : p.a < 0.5;
        const bool enclosed = clear && outsideOnly && !outside[static_cast<std::size_t>(j) * r.Width() + i];
        if (enclosed) {
          ip[0] = ip[1] = ip[2] = 0;
        } else if (clear) {
          ip[0] = kFuchsia[0], ip[1] = kFuchsia[1], ip[2] = kFuchsia[2];
        } else {
          ip[0] = ToByte(p.b), ip[1] = ToByte(p.g), ip[2] = ToByte(p.r);
          // A drawn pixel must never read as the transparent colour.
          if (ip[0] == 0xFF && ip[1] == 0 && ip[2] == 0xFF) ip[1] = 1;
        }
        if (mask) {
          const double m = clear ? 255.0 : Min(255.0, Floor(256.0 * (1.0 - Clamp01(p.a)) + 0.5));
          std::uint8_t* mp = mask + (fx + i) * 3;
          mp[0] = mp[1] = mp[2] = static_cast<std::uint8_t>(m);
        }
      }
    }
  }
}

MasterLayout::MasterLayout(std::vector<MasterImage> images, int width) : images_(std::move(images)), width_(width) {
  std::set<std::string> names;
  for (const MasterImage& s : images_) {
    CheckImage(s);
    if (!names.insert(s.name).second) throw std::invalid_argument("two images are named " + s.name);
    if (s.Width() > width_) throw std::invalid_argument("image " + s.name + " is wider than the master bitmap");
  }
  placements_.resize(images_.size());
  std::vector<Placement> taken;
  std::vector<std::size_t> order;
  for (std::size_t i = 0; i < images_.size(); ++i) {
    const MasterImage& s = images_[i];
    if (s.pinned) {
      Placement p{s.pinX, s.pinY, s.pinX + s.Width(), s.pinY + s.Height()};
      for (const Placement& t : taken)
        if (Overlaps(p, t)) throw std::invalid_argument("pinned image " + s.name + " overlaps another");
      if (p.right > width_) throw std::invalid_argument("pinned image " + s.name + " lies outside the master bitmap");
      placements_[i] = p;
      taken.push_back(p);
    } else {
      order.push_back(i);
    }
  }
  // Tallest first, then widest, then by name: a stable, reproducible order.
  std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    const MasterImage &x = images_[a], &y = images_[b];
    if (x.Height() != y.Height()) return x.Height() > y.Height();
    if (x.Width() != y.Width()) return x.Width() > y.Width();
    return x.name < y.name;
  });
  // Bottom-left placement: the candidate corners are the origin and the
  // right and bottom edges of what is already placed; the topmost, then
  // leftmost, free one wins.
  for (std::size_t i : order) {
    const MasterImage& s = images_[i];
    std::vector<int> xs = {0}, ys = {0};
    for (const Placement& t : taken) {
      xs.push_back(t.right + kGap);
      xs.push_back(t.left);
      ys.push_back(t.bottom + kGap);
      ys.push_back(t.top);
    }
    std::sort(xs.begin(), xs.end());
    std::sort(ys.begin(), ys.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
    bool done = false;
    for (int y : ys) {
      for (int x : xs) {
        Placement p{x, y, x + s.Width(), y + s.Height()};
        if (p.right > width_) continue;
        if (std::any_of(taken.begin(), taken.end(), [&](const Placement& t) { return Overlaps(p, t); })) continue;
        placements_[i] = p;
        taken.push_back(p);
        done = true;
        break;
      }
      if (done) break;
    }
    if (!done) throw std::logic_error("no room for image " + s.name);
  }
  for (const Placement& p : placements_) height_ = std::max(height_, p.bottom);
  if (height_ > 9999 || width_ > 9999) throw std::invalid_argument("master bitmap beyond four-digit coordinates");
}

const Placement& MasterLayout::PlacementOf(const std::string& name) const {
  for (std::size_t i = 0; i < images_.size(); ++i)
    if (images_[i].name == name) return placements_[i];
  throw std::out_of_range("no image named " + name);
}

std::string MasterLayout::ValueOf(const std::string& name) const {
  for (std::size_t i = 0; i < images_.size(); ++i) {
    if (images_[i].name != name) continue;
    const MasterImage& s = images_[i];
    const Placement& p = placements_[i];
    const int maskType = s.transparencyMask ? 1 : 0;
    switch (s.syntax) {
      case ImageSyntax::Glyph:
        return "@" + Digits(p.left, 4) + "@" + Digits(p.top, 4) + "@" + Digits(p.right, 4) + "@" + Digits(p.bottom, 4) +
               "@" + Digits(s.frames, 1) + "@" + Digits(maskType, 1);
      case ImageSyntax::Border:
        return "^" + Digits(p.left, 4) + "^" + Digits(p.top, 4) + "^" + Digits(p.right, 4) + "^" + Digits(p.bottom, 4) +
               "^" + Digits(s.borders.left, 4) + "^" + Digits(s.borders.top, 4) + "^" + Digits(s.borders.right, 4) +
               "^" + Digits(s.borders.bottom, 4) + "^" + Digits(s.frames, 1) + "^" + Digits(maskType, 1) + "^" +
               Digits(s.drawMode, 1) + "^" + Digits(s.borderWidth, 1);
      case ImageSyntax::Texture: {
        std::string v = "~" + Digits(p.left, 4) + "~" + Digits(p.top, 4) + "~" + Digits(p.right, 4) + "~" +
                        Digits(p.bottom, 4) + "~" + Digits(s.drawMode, 2);
        if (maskType != 0) v += "~" + Digits(maskType, 1);
        return v;
      }
    }
  }
  throw std::out_of_range("no image named " + name);
}

std::map<std::string, std::string> MasterLayout::Values() const {
  std::map<std::string, std::string> out;
  for (const MasterImage& s : images_) out[s.name] = ValueOf(s.name);
  return out;
}

tk::Bitmap MasterLayout::Render() const {
  tk::Bitmap bitmap(width_, height_);
  bitmap.Fill(0xFF00FF);
  for (std::size_t i = 0; i < images_.size(); ++i) {
    const MasterImage& s = images_[i];
    EncodeFrames(PaintFrames(s.paint, s.frames, s.frameWidth, s.frameHeight, s.name), s.transparencyMask, bitmap,
                 placements_[i].left, placements_[i].top, s.syntax == ImageSyntax::Border);
  }
  return bitmap;
}

tk::Bitmap RenderOwnImage(const OwnFileImage& image) {
  tk::Bitmap bitmap(image.frameWidth * image.frames, image.frameHeight * (image.transparencyMask ? 2 : 1));
  bitmap.Fill(0xFF00FF);
  EncodeFrames(PaintFrames(image.paint, image.frames, image.frameWidth, image.frameHeight, image.name),
               image.transparencyMask, bitmap, 0, 0, image.imageType == 0);
  return bitmap;
}

std::string OwnImageValue(const OwnFileImage& image) {
  std::string v = "!" + UpperAscii(image.fileName) + "!" + std::to_string(image.frames) + "!" + std::to_string(image.transparencyMask ? 1 : 0) +
                  "!" + std::to_string(image.imageType);
  if (image.explicitBorders)
    v += "!" + std::to_string(image.borders.left) + "!" + std::to_string(image.borders.top) + "!" +
         std::to_string(image.borders.right) + "!" + std::to_string(image.borders.bottom);
  return v;
}

}  // namespace skingen
