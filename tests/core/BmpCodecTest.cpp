#include "toolkit/core/BmpCodec.h"

#include <gtest/gtest.h>

#include "ImageFixtures.h"

namespace {

using fixtures::PixelAt;

// A picture every format can store: a few distinct colours in a pattern that
// shows flipped rows and shifted columns.
std::uint32_t Index(int x, int y) { return static_cast<std::uint32_t>((x + 2 * y) % 4); }
const std::vector<std::uint32_t> kPalette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};  // RRGGBB
std::uint32_t WindowsColour(std::uint32_t rrggbb) {
  return ((rrggbb & 0xFF) << 16) | (rrggbb & 0xFF00) | ((rrggbb >> 16) & 0xFF);
}

struct Case {
  const char* name;
  fixtures::BmpOptions options;
};

TEST(DecodeBmp, EveryAcceptedLayoutGivesThePicture) {
  std::vector<Case> cases;
  for (int bits : {4, 8}) {
    for (bool topDown : {false, true}) {
      fixtures::BmpOptions o;
      o.bitCount = bits;
      o.topDown = topDown;
      o.palette = kPalette;
      o.colorsUsed = 4;
      cases.push_back({topDown ? "indexed top-down" : "indexed bottom-up", o});
    }
  }
  fixtures::BmpOptions core;
  core.headerSize = 12;
  core.bitCount = 8;
  core.palette = kPalette;
  cases.push_back({"core header", core});
  fixtures::BmpOptions v5;
  v5.headerSize = 124;
  v5.bitCount = 8;
  v5.palette = kPalette;
  v5.colorsUsed = 4;
  cases.push_back({"V5 header", v5});
  for (int bits : {24, 32}) {
    for (bool topDown : {false, true}) {
      fixtures::BmpOptions o;
      o.bitCount = bits;
      o.topDown = topDown;
      cases.push_back({"direct colour", o});
    }
  }
  fixtures::BmpOptions fields32;
  fields32.bitCount = 32;
  fields32.compression = 3;
  fields32.masks = {0x0000FF00, 0x00FF0000, 0xFF000000};  // red, green, blue in unusual places
  cases.push_back({"32-bit bit fields", fields32});
  fixtures::BmpOptions rgb555;
  rgb555.bitCount = 16;
  cases.push_back({"16-bit 5-5-5", rgb555});

  const int w = 7, h = 5;  // odd width: rows carry padding
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name + std::string(" ") + std::to_string(c.options.bitCount));
    const auto bytes = fixtures::MakeBmp(w, h, c.options, [&](int x, int y) -> std::uint32_t {
      const std::uint32_t rgb = kPalette[Index(x, y)];
      switch (c.options.bitCount) {
        case 16: return ((rgb >> 19) & 0x1F) << 10 | ((rgb >> 11) & 0x1F) << 5 | ((rgb >> 3) & 0x1F);
        case 24: return rgb;
        case 32:
          if (c.options.compression == 3)
            return ((rgb >> 16) & 0xFF) << 8 | ((rgb >> 8) & 0xFF) << 16 | (rgb & 0xFF) << 24;
          return rgb;
        default: return Index(x, y);
      }
    });
    const tk::Bitmap bmp = tk::DecodeBmp(bytes.data(), bytes.size());
    ASSERT_EQ(bmp.Width(), w);
    ASSERT_EQ(bmp.Height(), h);
    EXPECT_EQ(bmp.Format(), c.options.bitCount == 32 ? tk::PixelFormat::pf32bit : tk::PixelFormat::pf24bit);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        ASSERT_EQ(PixelAt(bmp, x, y), WindowsColour(kPalette[Index(x, y)])) << x << "," << y;
  }
}

TEST(DecodeBmp, OneBitRowsUsePaletteAndPadding) {
  fixtures::BmpOptions o;
  o.bitCount = 1;
  o.palette = {0xFFFFFF, 0x102030};
  const auto bytes = fixtures::MakeBmp(33, 2, o, [](int x, int y) { return static_cast<std::uint32_t>((x + y) % 2); });
  const tk::Bitmap bmp = tk::DecodeBmp(bytes.data(), bytes.size());
  EXPECT_EQ(PixelAt(bmp, 0, 0), 0xFFFFFFu);
  EXPECT_EQ(PixelAt(bmp, 32, 0), 0xFFFFFFu);
  EXPECT_EQ(PixelAt(bmp, 32, 1), WindowsColour(0x102030));
}

TEST(DecodeBmp, MalformedInputRaisesAClearError) {
  fixtures::BmpOptions o;
  const auto good = fixtures::MakeBmp(4, 4, o, [](int, int) { return 0x123456u; });
  auto patched = [&](std::size_t at, std::uint32_t value, int bytes = 4) {
    auto b = good;
    for (int i = 0; i < bytes; ++i) b[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    return b;
  };
  struct Bad {
    const char* what;
    fixtures::Bytes bytes;
  };
  std::vector<Bad> bad = {
      {"empty", {}},
      {"no signature", patched(0, 'X', 1)},
      {"truncated header", fixtures::Bytes(good.begin(), good.begin() + 20)},
      {"truncated pixels", fixtures::Bytes(good.begin(), good.end() - 1)},
      {"zero width", patched(18, 0)},
      {"negative width", patched(18, 0xFFFFFFFF)},
      {"zero height", patched(22, 0)},
      {"huge size", patched(18, 100000)},
      {"huge area", patched(22, 0x7FFFFFFF)},
      {"bits per pixel 7", patched(28, 7, 2)},
      {"run-length compression", patched(30, 1)},
      {"pixel offset beyond the end", patched(10, 0xFFFFFFF0)},
      {"unknown header size", patched(14, 20)},
  };
  for (const auto& b : bad) {
    SCOPED_TRACE(b.what);
    try {
      tk::DecodeBmp(b.bytes.data(), b.bytes.size());
      ADD_FAILURE() << "accepted";
    } catch (const tk::EInvalidGraphic& e) {
      EXPECT_NE(std::string(e.what()).find("Bitmap image is not valid"), std::string::npos);
    }
  }
}

}  // namespace
