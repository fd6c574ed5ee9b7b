#pragma once
// A list of images of one size, drawn by index (tool-bar and button
// glyphs). Each image keeps the list's transparent colour: BkColor when the
// list has one, else clFuchsia; pixels of that colour are left out when an
// image is drawn.

#include <vector>

#include "toolkit/core/Bitmap.h"
#include "toolkit/win/Colors.h"
#include "toolkit/win/Component.h"

namespace tk {

class TCustomImageList : public TComponent {
  TK_CLASS(TCustomImageList)
public:
  explicit TCustomImageList(TComponent* owner) : TComponent(owner) {}

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Changing the size empties the list.
  void SetSize(int width, int height);
  void SetWidth(int width) { SetSize(width, height_); }
  void SetHeight(int height) { SetSize(width_, height); }
  // clNone: no background colour (clFuchsia stands for the clear pixels).
  TColor BkColor() const { return bkColor_; }
  void SetBkColor(TColor color) { bkColor_ = color; }
  // The colour of the clear pixels as RGB.
  TColor TransparentColor() const;

  int Count() const { return static_cast<int>(images_.size()); }
  // Adds the image (cut or padded to the list's size); returns its index.
  int Add(const Bitmap& image);
  // Adds every image of a strip of images side by side; returns the first index.
  int AddStrip(const Bitmap& strip);
  void Clear() { images_.clear(); }
  // The image as stored (24-bit, the list's size); throws std::out_of_range.
  const Bitmap& Image(int index) const { return images_.at(static_cast<std::size_t>(index)); }
  // Draws the image at (x, y) of a 24- or 32-bit target, leaving out its
  // clear pixels; nothing for an index outside the list.
  void Draw(Bitmap& target, int x, int y, int index) const;

private:
  int width_ = 16;
  int height_ = 16;
  TColor bkColor_ = clNone;
  std::vector<Bitmap> images_;
};

class TImageList : public TCustomImageList {
  TK_CLASS(TImageList)
public:
  explicit TImageList(TComponent* owner) : TCustomImageList(owner) {}
};

}  // namespace tk
