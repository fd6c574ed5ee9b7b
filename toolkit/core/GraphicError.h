#pragma once
// The error every image decoder of the toolkit raises for input it cannot
// turn into a picture: malformed, truncated, unsupported or too large.

#include <stdexcept>
#include <string>

namespace tk {

class EInvalidGraphic : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// Pictures larger than this are refused before any pixel memory is taken:
// skin images are a few hundred pixels wide, and a hostile header must not
// make the decoders allocate gigabytes.
constexpr int kMaxImageSide = 16384;
constexpr long long kMaxImagePixels = 16LL * 1024 * 1024;

}  // namespace tk
