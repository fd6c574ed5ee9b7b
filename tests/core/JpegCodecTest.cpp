#include "toolkit/core/JpegCodec.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "ImageFixtures.h"

namespace {

using fixtures::PixelAt;

// Left half red, right half blue: far apart enough that lossy coding keeps
// each half clearly its colour away from the edge.
std::uint32_t Halves(int x, int) { return x < 16 ? 0x0000FFu : 0xFF0000u; }

bool Near(std::uint32_t a, std::uint32_t b, int tolerance) {
  for (int shift = 0; shift < 24; shift += 8)
    if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > tolerance)
      return false;
  return true;
}

TEST(DecodeJpeg, BaselineProgressiveAndGreyscaleGive24BitPictures) {
  struct Case {
    const char* name;
    fixtures::JpegOptions options;
    std::uint32_t left, right;
  };
  const Case cases[] = {
      {"baseline", {}, 0x0000FF, 0xFF0000},
      {"progressive", {95, true, false}, 0x0000FF, 0xFF0000},
      {"greyscale", {95, false, true}, 0x505050, 0xA0A0A0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto bytes = fixtures::MakeJpeg(
        32, 24, [&](int x, int) { return x < 16 ? c.left : c.right; }, c.options);
    const tk::JpegSize size = tk::ReadJpegSize(bytes.data(), bytes.size());
    EXPECT_EQ(size.width, 32);
    EXPECT_EQ(size.height, 24);
    const tk::Bitmap bmp = tk::DecodeJpeg(bytes.data(), bytes.size());
    ASSERT_EQ(bmp.Width(), 32);
    ASSERT_EQ(bmp.Height(), 24);
    EXPECT_EQ(bmp.Format(), tk::PixelFormat::pf24bit);
    EXPECT_TRUE(Near(PixelAt(bmp, 2, 2), c.left, 12)) << std::hex << PixelAt(bmp, 2, 2);
    EXPECT_TRUE(Near(PixelAt(bmp, 29, 21), c.right, 12)) << std::hex << PixelAt(bmp, 29, 21);
  }
}

TEST(DecodeJpeg, BrokenDataRaisesInsteadOfEndingTheProcess) {
  const auto good = fixtures::MakeJpeg(32, 24, Halves);
  std::vector<fixtures::Bytes> bad = {
      {},
      {0xFF, 0xD8},
      fixtures::Bytes(good.begin(), good.begin() + 20),  // cut inside the header
      fixtures::Bytes(200, 0x41),                         // not a JPEG at all
  };
  auto noFrame = good;
  for (std::size_t i = 2; i + 1 < noFrame.size(); ++i)
    if (noFrame[i] == 0xFF && noFrame[i + 1] == 0xC0) noFrame[i + 1] = 0xCF;  // unknown frame type
  bad.push_back(noFrame);
  for (const auto& b : bad) {
    EXPECT_THROW(tk::DecodeJpeg(b.data(), b.size()), tk::EInvalidGraphic) << b.size();
  }
  try {
    tk::DecodeJpeg(bad[3].data(), bad[3].size());
  } catch (const tk::EInvalidGraphic& e) {
    EXPECT_NE(std::string(e.what()).find("JPEG image is not valid"), std::string::npos);
  }
}

TEST(DecodeJpeg, TruncatedScanDataStillDecodesAsFarAsItGoes) {
  // Noise makes the scan data the bulk of the file, so the cut lands in it.
  const auto good = fixtures::MakeJpeg(256, 256, [](int x, int y) {
    return (x < 16 ? 0x0000FFu : 0xFF0000u) ^ static_cast<std::uint32_t>(((x * 7 + y * 13) % 5) * 0x010101);
  });
  const fixtures::Bytes cut(good.begin(), good.end() - good.size() / 4);
  const tk::Bitmap bmp = tk::DecodeJpeg(cut.data(), cut.size());
  EXPECT_EQ(bmp.Width(), 256);
  EXPECT_TRUE(Near(PixelAt(bmp, 2, 2), 0x0000FF, 12));
}

TEST(DecodeJpeg, OversizedHeadersAreRefusedBeforeAllocating) {
  auto bytes = fixtures::MakeJpeg(16, 16, Halves);
  // Patch the frame header (SOF0: FF C0, length, precision, height, width).
  for (std::size_t i = 2; i + 8 < bytes.size(); ++i) {
    if (bytes[i] == 0xFF && bytes[i + 1] == 0xC0) {
      bytes[i + 5] = 0x9C, bytes[i + 6] = 0x40;  // height 40000
      bytes[i + 7] = 0x9C, bytes[i + 8] = 0x40;  // width 40000
      break;
    }
  }
  EXPECT_EQ(tk::ReadJpegSize(bytes.data(), bytes.size()).width, 40000);
  EXPECT_THROW(tk::DecodeJpeg(bytes.data(), bytes.size()), tk::EInvalidGraphic);
}

}  // namespace
