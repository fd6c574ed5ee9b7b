#pragma once
// The pictures of one skin load, each decoded once.
//
// A skin names one picture under many keys (the same button bitmap for
// several sections, one JPEG as PATTERN and HOTPATTERN of most sections), and
// a hostile one may name a 4096 x 4096 bitmap, 50 KB packed and 48 MB
// decoded, under hundreds. So every picture is decoded once per load and the
// masks and patterns that name it share the result, and the memory all
// decoded pictures of one load take is capped: a skin beyond the cap fails
// to load with ESkinTooLarge instead of taking the machine's memory.

#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "sSkinImageSource.h"
#include "toolkit/core/Bitmap.h"

namespace skin {

// Enough for a few pictures of the largest size the decoders take; the
// internal skins need less than 1 MB.
constexpr std::size_t kMaxDecodedSkinBytes = 256u << 20;

class ESkinTooLarge : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

class TsDecodedImages {
public:
  TsDecodedImages(TsSkinImageSource source, std::size_t maxBytes = kMaxDecodedSkinBytes)
      : source_(std::move(source)), maxBytes_(maxBytes) {}

  // A bitmap member or file, as decoded (or converted to 24 bits); the same
  // object for every call with the same arguments. None when it is missing
  // or does not decode.
  std::shared_ptr<tk::Bitmap> Bitmap(const std::string& name, bool as24Bit);
  // A JPEG picture (files only when filesOnly), shared by every pattern
  // made of it.
  std::shared_ptr<const tk::Bitmap> Jpeg(const std::string& name, bool filesOnly);
  // The same picture as the own bitmap of texture masks: one copy, shared by
  // every mask made of it (masks, unlike patterns, take the colour shift).
  std::shared_ptr<tk::Bitmap> JpegForMasks(const std::string& name, bool filesOnly);

  // A bitmap of its own, not shared (the master bitmap), in 24 bits.
  std::optional<tk::Bitmap> Unshared24Bit(const std::string& name);

  // Counts a picture the load holds that was not decoded here (the copies
  // of an older stored skin). Throws ESkinTooLarge when the load's pictures
  // pass the cap.
  void Count(const tk::Bitmap& picture);
  std::size_t DecodedBytes() const { return bytes_; }

private:
  const TsSkinImageSource source_;
  const std::size_t maxBytes_;
  std::size_t bytes_ = 0;
  std::map<std::pair<std::string, bool>, std::shared_ptr<tk::Bitmap>> bitmaps_;
  std::map<std::pair<std::string, bool>, std::shared_ptr<const tk::Bitmap>> jpegs_;
  std::map<const tk::Bitmap*, std::shared_ptr<tk::Bitmap>> jpegMaskCopies_;
};

}  // namespace skin
