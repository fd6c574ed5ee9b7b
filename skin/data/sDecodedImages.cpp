#include "sDecodedImages.h"

namespace skin {

namespace {

std::size_t BytesOf(const tk::Bitmap& picture) {
  return picture.RowBytes() * static_cast<std::size_t>(picture.Height());
}

}  // namespace

void TsDecodedImages::Count(const tk::Bitmap& picture) {
  bytes_ += BytesOf(picture);
  if (bytes_ <= maxBytes_) return;
  const std::string limit = maxBytes_ % (1u << 20) == 0 ? std::to_string(maxBytes_ >> 20) + " MB"
                                                        : std::to_string(maxBytes_) + " bytes";
  throw ESkinTooLarge("The skin's pictures take more than " + limit +
                      " of memory once decoded; the skin is not loaded");
}

std::shared_ptr<tk::Bitmap> TsDecodedImages::Bitmap(const std::string& name, bool as24Bit) {
  auto [it, added] = bitmaps_.try_emplace(std::make_pair(name, as24Bit));
  if (!added) return it->second;
  std::shared_ptr<tk::Bitmap> picture;
  if (!as24Bit) {
    if (auto decoded = source_.Bitmap(name)) {
      Count(*decoded);
      picture = std::make_shared<tk::Bitmap>(std::move(*decoded));
    }
  } else if (const std::shared_ptr<tk::Bitmap> original = Bitmap(name, false)) {
    if (original->Format() == tk::PixelFormat::pf24bit) {
      picture = original;
    } else {
      picture = std::make_shared<tk::Bitmap>(*original);
      picture->SetFormat(tk::PixelFormat::pf24bit);
      Count(*picture);
    }
  }
  // Looked up again: the recursion above may have added to the map.
  return bitmaps_[std::make_pair(name, as24Bit)] = picture;
}

std::optional<tk::Bitmap> TsDecodedImages::Unshared24Bit(const std::string& name) {
  std::optional<tk::Bitmap> picture = source_.Bitmap(name);
  if (picture) {
    Count(*picture);  // the decoder's output, before a conversion may copy it
    if (picture->Format() != tk::PixelFormat::pf24bit) {
      picture->SetFormat(tk::PixelFormat::pf24bit);
      Count(*picture);
    }
  }
  return picture;
}

std::shared_ptr<const tk::Bitmap> TsDecodedImages::Jpeg(const std::string& name, bool filesOnly) {
  auto [it, added] = jpegs_.try_emplace(std::make_pair(name, filesOnly));
  if (added) {
    if (auto decoded = source_.Jpeg(name, filesOnly)) {
      Count(*decoded);
      it->second = std::make_shared<const tk::Bitmap>(std::move(*decoded));
    }
  }
  return it->second;
}

std::shared_ptr<tk::Bitmap> TsDecodedImages::JpegForMasks(const std::string& name, bool filesOnly) {
  const std::shared_ptr<const tk::Bitmap> picture = Jpeg(name, filesOnly);
  if (!picture) return nullptr;
  std::shared_ptr<tk::Bitmap>& copy = jpegMaskCopies_[picture.get()];
  if (!copy) {
    copy = std::make_shared<tk::Bitmap>(*picture);
    Count(*copy);
  }
  return copy;
}

}  // namespace skin
