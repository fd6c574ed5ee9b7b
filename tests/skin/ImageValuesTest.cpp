#include "skin/data/sImageValues.h"

#include <gtest/gtest.h>

#include "toolkit/core/NumberText.h"

namespace {

using skin::ParseImageValue;
using skin::TsImageValueKind;
using skin::TvxImgType;

TEST(ParseImageValue, GlyphValue) {
  const auto v = ParseImageValue("@0000@0078@0039@0104@3@1", "BOXCHECKED", true);
  EXPECT_EQ(v.Kind, TsImageValueKind::Rectangle);
  EXPECT_EQ(v.R, (skin::TRect{0, 78, 39, 104}));
  EXPECT_EQ(v.ImageCount, 3);
  EXPECT_EQ(v.MaskType, 1);
  EXPECT_EQ(v.ImgType, TvxImgType::itisaGlyph);
  EXPECT_EQ(v.WL + v.WT + v.WR + v.WB, 0);
}

TEST(ParseImageValue, BorderValueAndItsWidthRule) {
  const auto v = ParseImageValue("^0000^0024^0009^0042^0000^0000^0000^0000^1^1^1^0", "BORDERSMASK", true);
  EXPECT_EQ(v.R, (skin::TRect{0, 24, 9, 42}));
  EXPECT_EQ(v.ImgType, TvxImgType::itisaBorder);
  EXPECT_EQ(v.DrawMode, 1);
  // One 9 x 9 frame above its mask: a third of the frame on every side.
  EXPECT_EQ(std::vector<int>({v.WL, v.WT, v.WR, v.WB}), std::vector<int>({3, 3, 3, 3}));

  const auto uniform = ParseImageValue("^0000^0000^0060^0040^0000^0000^0000^0000^3^1^0^5", "BORDERSMASK", true);
  EXPECT_EQ(std::vector<int>({uniform.WL, uniform.WT, uniform.WR, uniform.WB}), std::vector<int>({5, 5, 5, 5}));

  const auto given = ParseImageValue("^0000^0000^0060^0040^0001^0002^0003^0004^3^1^0^5", "BORDERSMASK", true);
  EXPECT_EQ(std::vector<int>({given.WL, given.WT, given.WR, given.WB}), std::vector<int>({1, 2, 3, 4}));

  // A frame count of 0 must not divide by zero.
  const auto zero = ParseImageValue("^0000^0000^0060^0040^0000^0000^0000^0000^0^0^0^0", "BORDERSMASK", true);
  EXPECT_EQ(zero.WL, 20);
  EXPECT_EQ(zero.WT, 13);
}

TEST(ParseImageValue, TextureValueWithAndWithoutMaskType) {
  const auto short23 = ParseImageValue("~0078~0126~0240~0236~00", "PATTERN", true);
  EXPECT_EQ(short23.ImgType, TvxImgType::itisaTexture);
  EXPECT_EQ(short23.R, (skin::TRect{78, 126, 240, 236}));
  EXPECT_EQ(short23.ImageCount, 1);
  EXPECT_EQ(short23.MaskType, 0);
  EXPECT_EQ(short23.DrawMode, 0);
  const auto full = ParseImageValue("~0078~0126~0240~0236~10~1", "PATTERN", true);
  EXPECT_EQ(full.DrawMode, 10);
  EXPECT_EQ(full.MaskType, 1);
}

TEST(ParseImageValue, OwnFileValues) {
  const auto v = ParseImageValue("!BUTTONHUGE.BMP!3!1!0", "BORDERSMASK", true);
  EXPECT_EQ(v.Kind, TsImageValueKind::OwnFile);
  EXPECT_EQ(v.FileName, "BUTTONHUGE.BMP");
  EXPECT_EQ(v.ImageCount, 3);
  EXPECT_EQ(v.MaskType, 1);
  EXPECT_EQ(v.ImgType, TvxImgType::itisaBorder);
  EXPECT_FALSE(v.WidthsGiven);

  EXPECT_EQ(ParseImageValue("!buttonhuge.bmp!3!1!0", "BORDERSMASK", true).Kind, TsImageValueKind::None);

  const auto widths = ParseImageValue("!A.BMP!1!0!1!4!5!6!7", "PATTERN", true);
  EXPECT_EQ(widths.ImgType, TvxImgType::itisaTexture);
  EXPECT_TRUE(widths.WidthsGiven);
  EXPECT_EQ(std::vector<int>({widths.WL, widths.WT, widths.WR, widths.WB}), std::vector<int>({4, 5, 6, 7}));

  for (const char* odd : {"!A.BMP!1!0!7", "!A.BMP!1!0!x", "!A.BMP!1!0"})
    EXPECT_EQ(ParseImageValue(odd, "K", true).ImgType, TvxImgType::itisaBorder) << odd;
}

TEST(ParseImageValue, PlainBitmapNamesAndValuesThatAreNoImage) {
  const auto plain = ParseImageValue("back.bmp", "BORDERSMASK", true);
  EXPECT_EQ(plain.Kind, TsImageValueKind::PlainBitmap);
  EXPECT_EQ(plain.FileName, "BACK.BMP");
  EXPECT_TRUE(plain.NamesUpperCased);
  EXPECT_EQ(plain.ImageCount, 3);
  EXPECT_EQ(plain.MaskType, 1);
  for (const char* none : {"", "N/A", "5133660", "FBG.JPG", "TRUE", "#", "Team #1"})
    EXPECT_EQ(ParseImageValue(none, "BORDERSMASK", true).Kind, TsImageValueKind::None) << none;
}

TEST(ParseImageValue, OlderLayoutWithHash) {
  const auto v = ParseImageValue("Btn# (10,20,70,60) (3,1,2,4)", "borderSmask", true);
  EXPECT_EQ(v.Kind, TsImageValueKind::Rectangle);
  EXPECT_TRUE(v.NamesUpperCased);
  EXPECT_EQ(v.R, (skin::TRect{10, 20, 70, 60}));
  EXPECT_EQ(v.ImageCount, 3);
  EXPECT_EQ(v.MaskType, 1);
  EXPECT_EQ(v.BorderWidth, 2);
  EXPECT_EQ(v.DrawMode, 4);
  EXPECT_EQ(v.ImgType, TvxImgType::itisaBorder);
  EXPECT_EQ(v.WL, 2);  // the uniform width, since no side widths are given

  const auto pattern = ParseImageValue("Tex# (0 0 64 64) (0 -1)", "PATTERN", true);
  EXPECT_EQ(pattern.ImgType, TvxImgType::itisaTexture);
  EXPECT_EQ(pattern.DrawMode, 0);
  EXPECT_EQ(pattern.ImageCount, 1);  // below 1 becomes 1
  EXPECT_EQ(pattern.MaskType, 0);    // negative becomes 0
  EXPECT_EQ(pattern.WL, 21);

  const auto defaults = ParseImageValue("Edge# (0,0,30,30)", "BORDERSMASK", true);
  EXPECT_EQ(defaults.DrawMode, 1);
  EXPECT_EQ(ParseImageValue("Btn# (10,20,70,60) (3,1,2,4)", "K", false).Kind, TsImageValueKind::None);
}

// Numbers at the 32-bit limits in the free-form values: held in the 16-bit
// range of a mask field, so that frame arithmetic (count * 3, type + 1)
// cannot overflow.
TEST(ParseImageValue, FreeFormNumbersAreHeldInTheMaskRange) {
  const auto own = ParseImageValue("!A.BMP!2147483647!-2147483648!0!2147483647!-2147483648!40000!-40000", "K", true);
  EXPECT_EQ(own.ImageCount, 32767);
  EXPECT_EQ(own.MaskType, -32768);
  EXPECT_EQ(std::vector<int>({own.WL, own.WT, own.WR, own.WB}), std::vector<int>({32767, -32768, 32767, -32768}));
  // Beyond 32 bits a number is unreadable, as any other bad word.
  EXPECT_EQ(ParseImageValue("!A.BMP!99999999999!1", "K", true).ImageCount, 1);

  const auto old = ParseImageValue(
      "TAG# (-2147483648,-2147483648,2147483647,2147483647) (2147483647,2147483647,2147483647,2147483647)",
      "BORDERSMASK", true);
  EXPECT_EQ(old.R, (skin::TRect{-32768, -32768, 32767, 32767}));
  EXPECT_EQ(old.ImageCount, 32767);
  EXPECT_EQ(old.MaskType, 32767);
  EXPECT_EQ(old.BorderWidth, 32767);
  EXPECT_EQ(old.DrawMode, 32767);
  EXPECT_EQ(old.WL, 32767);

  // The widths derived from such values stay in range too.
  int wl, wt, wr, wb;
  skin::DeriveBorderWidths(old.R.Width(), old.R.Height(), old.ImageCount, old.MaskType, 0, wl, wt, wr, wb);
  EXPECT_EQ(wl, 65535 / (32767 * 3));
  EXPECT_EQ(wt, 65535 / (32768 * 3));
}

TEST(ParseImageValue, MalformedNumbersRaiseTheConversionError) {
  const char* const bad[] = {"@00x0@0078@0039@0104@3@1", "@0000@0078@0039@0104@3", "^0000^0024", "~0078~0126~0240~0236~0a",
                             "@ 000@0078@0039@0104@3@1", "@-001@0078@0039@0104@3@1"};
  for (const char* value : bad) EXPECT_THROW(ParseImageValue(value, "K", true), tk::EConvertError) << value;
  try {
    ParseImageValue("@00x0@0078@0039@0104@3@1", "K", true);
  } catch (const tk::EConvertError& e) {
    EXPECT_STREQ(e.what(), "'00x0' is not a valid integer value");
  }
}

}  // namespace
