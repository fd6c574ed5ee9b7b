#pragma once
// Reading and writing the reference pictures, and comparing a picture with
// its reference.

#include <functional>
#include <optional>
#include <string>

#include "GoldenCases.h"
#include "toolkit/core/Bitmap.h"

namespace paintfix {

// None when the file is missing or not a PNG the toolkit reads.
std::optional<tk::Bitmap> ReadPng(const std::string& path);
// Creates the folder when needed; throws std::runtime_error on failure.
void WritePng(const std::string& path, const tk::Bitmap& picture);

struct PictureDifference {
  bool sameSize = false;
  int pixels = 0;       // pixels that differ at all
  int largest = 0;      // the largest difference of one channel
  int beyond = 0;       // pixels differing by more than a given channel tolerance
};
PictureDifference Compare(const tk::Bitmap& got, const tk::Bitmap& reference, int tolerance = 0);

// A picture whose texts the window system draws: the pixels that differ
// inside the text's bands and outside them. It matches when nothing differs
// outside and at most one text pixel in fifty inside.
struct TextBandDifference {
  bool sameSize = false;
  int inside = 0, outside = 0, text = 0;
  bool Matches() const { return sameSize && outside == 0 && inside * 50 <= text; }
};
TextBandDifference CompareOutsideText(const tk::Bitmap& got, const tk::Bitmap& reference,
                                      const std::function<bool(int x, int y)>& inText);

// Where a test puts what it painted when it differs from the reference.
std::string ActualPath(const std::string& skin, const std::string& name);

// A case painted and compared with its reference; what it painted is
// written to ActualPath when it differs.
struct GoldenResult {
  bool referenceFound = false;
  PictureDifference difference;
  int area = 0;  // pixels of the picture
  std::string actual;
};
GoldenResult PaintAndCompare(Skin skin, const GoldenCase& c);

}  // namespace paintfix
