// Masks and patterns: the image values, own bitmaps, JPEG pictures, and the
// look-ups and constant indexes built on them.
#include <gtest/gtest.h>

#include "ImageFixtures.h"
#include "SkinTablesFixture.h"

namespace {

using fixtures::LoadedSkin;
using fixtures::PixelAt;
using skin::TvxImgType;

const char* const kImages = R"(
[GLOBALINFO]
MASTERBITMAP=MASTER.BMP
BOXCHECKED=@0000@0078@0039@0104@3@1
RADIOCHECKED=@0040@0078@0079@0104@3@1
[SPEEDBUTTON_SMALL]
BORDERSMASK=^0000^0024^0009^0042^0000^0000^0000^0000^1^1^1^0
PATTERN=~0010~0010~0030~0030~00
[SPLITTER]
PARENTCLASS=SPEEDBUTTON_SMALL
[GROUPBOX]
BORDERSMASK=N/A
GLYPHMASK=!huge.bmp!3!1!0
COLOR=14215660
[BUTTON_HUGE]
BORDERSMASK=!BUTTONHUGE.BMP!1!0!0
HOTPATTERN=!BUTTONHUGE.BMP!1!0!1!4!5!6!7
GLYPHMASK=!MISSING.BMP!3!1!0
[Edge]
bordersmask=edge.bmp
[FORM]
PATTERN=FBG.JPG
HOTPATTERN=fbg.jpg
IMGTOPLEFT=small.jpg
GRIPIMAGE=BROKEN.JPG
[PANEL]
PATTERN=FBG.JPG
[COMBOBTN]
PARENTCLASS=SPEEDBUTTON_SMALL
PATTERN=~0000~0000~0010~0010~00
[COMBOBOX]
PARENTCLASS=COMBOBTN
)";

std::vector<fixtures::PackedMember> Images() {
  return {
      {"Master.bmp", fixtures::MasterBmp()},
      {"ButtonHuge.bmp", fixtures::PlainBmp(90, 40, 0x123456)},
      {"Edge.BMP", fixtures::PlainBmp(27, 12, 0x00FF00)},
      {"fBG.jpg", fixtures::MakeJpeg(300, 300, [](int, int) { return 0x404040u; })},
      {"Small.jpg", fixtures::MakeJpeg(299, 300, [](int, int) { return 0x808080u; })},
      {"Broken.jpg", fixtures::ToBytes("not a picture")},
      {"Huge.bmp", fixtures::PlainBmp(30, 30, 0)},
  };
}

TEST(SkinMasks, MasterBitmapRectanglesAndBorderRules) {
  const LoadedSkin skin(kImages, Images());
  const skin::TsSkinTables& t = skin.tables;
  ASSERT_EQ(t.MasterBitmap.Width(), 120);
  EXPECT_EQ(t.MasterBitmap.Format(), tk::PixelFormat::pf24bit);
  EXPECT_EQ(PixelAt(t.MasterBitmap, 7, 9), fixtures::MasterColour(7, 9));

  const int box = skin.Mask("GLOBALINFO", "BOXCHECKED");
  ASSERT_GE(box, 0);
  const skin::TsMaskData& m = t.ma[static_cast<std::size_t>(box)];
  EXPECT_EQ(m.Bmp, nullptr);
  EXPECT_EQ(m.R, (skin::TRect{0, 78, 39, 104}));
  EXPECT_EQ(m.ImgType, TvxImgType::itisaGlyph);
  EXPECT_EQ(m.Manager, &t);
  EXPECT_EQ(t.MaskFrameSize(box), std::make_pair(13, 13));

  const int border = skin.Mask("SPEEDBUTTON_SMALL", "BORDERSMASK");
  EXPECT_EQ(t.ma[static_cast<std::size_t>(border)].DrawMode, 1);
  EXPECT_EQ(t.MaskFrameSize(border), std::make_pair(9, 9));
  // The value of MASTERBITMAP itself is no mask.
  EXPECT_EQ(t.IndexOfOwnMask("GLOBALINFO", "MASTERBITMAP"), -1);
}

TEST(SkinMasks, ValuesThatMakeNoMask) {
  const LoadedSkin skin(kImages, Images());
  EXPECT_EQ(skin.Mask("GROUPBOX", "BORDERSMASK"), -1);  // N/A
  EXPECT_EQ(skin.Mask("GROUPBOX", "GLYPHMASK"), -1);    // "!" with a lower-case .bmp
  EXPECT_EQ(skin.Mask("GROUPBOX", "COLOR"), -1);
  EXPECT_EQ(skin.Mask("BUTTON_HUGE", "GLYPHMASK"), -1);  // member not in the package
}

TEST(SkinMasks, OwnBitmaps) {
  const LoadedSkin skin(kImages, Images());
  skin::TsSkinTables& t = const_cast<skin::TsSkinTables&>(skin.tables);
  const int own = skin.Mask("BUTTON_HUGE", "BORDERSMASK");
  ASSERT_GE(own, 0);
  const skin::TsMaskData& m = t.ma[static_cast<std::size_t>(own)];
  ASSERT_NE(m.Bmp, nullptr);
  EXPECT_EQ(m.Bmp->Format(), tk::PixelFormat::pf24bit);
  EXPECT_EQ(m.R, (skin::TRect{0, 0, 90, 40}));
  EXPECT_EQ(m.ImageCount, 1);
  // Frames of an own bitmap are a third of its width and half its height,
  // whatever ImageCount says.
  EXPECT_EQ(t.MaskFrameSize(own), std::make_pair(30, 20));
  EXPECT_EQ(std::vector<int>({m.WL, m.WT, m.WR, m.WB}), std::vector<int>({30, 13, 30, 13}));

  const int widths = skin.Mask("BUTTON_HUGE", "HOTPATTERN");
  EXPECT_EQ(t.ma[static_cast<std::size_t>(widths)].ImgType, TvxImgType::itisaTexture);
  EXPECT_EQ(t.MaskWidthLeft(widths), 4);
  EXPECT_EQ(t.MaskWidthTop(widths), 5);
  EXPECT_EQ(t.MaskWidthRight(widths), 6);
  EXPECT_EQ(t.MaskWidthBottom(widths), 7);

  // A bare bitmap name: upper-cased names, three frames over their masks.
  EXPECT_EQ(t.IndexOfOwnMask("Edge", "bordersmask"), -1);
  const int plain = t.IndexOfOwnMask("EDGE", "BORDERSMASK");
  ASSERT_GE(plain, 0);
  const skin::TsMaskData& p = t.ma[static_cast<std::size_t>(plain)];
  EXPECT_EQ(p.ImageCount, 3);
  EXPECT_EQ(p.MaskType, 1);
  EXPECT_EQ(std::vector<int>({p.WL, p.WT, p.WR, p.WB}), std::vector<int>({3, 2, 3, 2}));
}

TEST(SkinMasks, MaskWidthFallbacks) {
  skin::TsSkinTables t;
  skin::TsMaskData a;
  a.R = {0, 0, 60, 40};
  a.ImageCount = 0;  // counted as one frame, and stored so
  a.MaskType = 1;
  t.ma.push_back(std::move(a));
  skin::TsMaskData b;
  b.R = {0, 0, 60, 40};
  b.BorderWidth = 4;
  t.ma.push_back(std::move(b));
  EXPECT_EQ(t.MaskWidthLeft(0), 20);
  EXPECT_EQ(t.ma[0].ImageCount, 1);
  EXPECT_EQ(t.MaskWidthTop(0), 6);
  EXPECT_EQ(t.MaskWidthLeft(1), 4);
  EXPECT_EQ(t.MaskWidthBottom(1), 4);
  EXPECT_EQ(t.MaskWidthRight(5), 0);  // no such mask
  EXPECT_EQ(t.MaskFrameSize(0), std::make_pair(60, 20));
  EXPECT_FALSE(t.IsValidImgIndex(2));
}

TEST(SkinPatterns, LargePicturesArePatternsSmallOnesTextureMasks) {
  const LoadedSkin skin(kImages, Images());
  const skin::TsSkinTables& t = skin.tables;
  // Every key naming the 300 x 300 picture gets a pattern of its own.
  ASSERT_EQ(t.pa.size(), 3u);
  const int form = t.IndexOfSection("FORM");
  const int pattern = t.IndexOfPattern(form, "FORM", "PATTERN");
  const int hot = t.IndexOfPattern(form, "FORM", "HOTPATTERN");
  ASSERT_GE(pattern, 0);
  ASSERT_GE(hot, 0);
  EXPECT_NE(pattern, hot);
  EXPECT_EQ(t.pa[static_cast<std::size_t>(pattern)].Img->Width(), 300);
  EXPECT_GE(t.IndexOfPattern(t.IndexOfSection("PANEL"), "PANEL", "PATTERN"), 0);

  // 299 x 300 = 89,700 pixels: a texture mask with its own bitmap.
  const int small = t.IndexOfTextureMask(form, "FORM", "IMGTOPLEFT");
  ASSERT_GE(small, 0);
  const skin::TsMaskData& m = t.ma[static_cast<std::size_t>(small)];
  ASSERT_NE(m.Bmp, nullptr);
  EXPECT_EQ(m.Bmp->Width(), 299);
  EXPECT_EQ(m.R, skin::TRect{});
  EXPECT_EQ(m.ImageCount, 1);
  EXPECT_EQ(m.DrawMode, 0);
  // A picture that does not decode gives nothing.
  EXPECT_EQ(t.IndexOfOwnMask("FORM", "GRIPIMAGE"), -1);
  EXPECT_EQ(t.IndexOfPattern(form, "FORM", "GRIPIMAGE"), -1);
}

TEST(SkinLookUps, InheritanceAndKinds) {
  const LoadedSkin skin(kImages, Images());
  const skin::TsSkinTables& t = skin.tables;
  const int splitter = t.IndexOfSection("SPLITTER");
  const int own = skin.Mask("SPEEDBUTTON_SMALL", "BORDERSMASK");
  EXPECT_EQ(t.IndexOfMask(splitter, "SPLITTER", "BORDERSMASK"), own);
  EXPECT_EQ(t.IndexOfTextureMask(splitter, "SPLITTER", "PATTERN"), skin.Mask("SPEEDBUTTON_SMALL", "PATTERN"));
  EXPECT_EQ(t.IndexOfTextureMask(splitter, "SPLITTER", "BORDERSMASK"), -1);  // not a texture
  EXPECT_EQ(t.IndexOfOwnMask("SPLITTER", "BORDERSMASK"), -1);
  EXPECT_EQ(t.IndexOfMask(-1, "SPEEDBUTTON_SMALL", "BORDERSMASK"), -1);
  EXPECT_EQ(t.IndexOfMask(splitter, "", "BORDERSMASK"), -1);
  EXPECT_EQ(t.IndexOfOwnMask("", "BORDERSMASK"), -1);
}

TEST(SkinConstData, CommonIndexesAfterALoad) {
  LoadedSkin skin(kImages, Images());
  skin::TsSkinTables& t = skin.tables;
  t.UpdateConstData();
  const skin::TsConstData& c = t.ConstData;
  EXPECT_EQ(c.IndexGlobalInfo, t.IndexOfSection("GLOBALINFO"));
  EXPECT_EQ(c.CheckBoxChecked, skin.Mask("GLOBALINFO", "BOXCHECKED"));
  EXPECT_EQ(c.RadioChecked, skin.Mask("GLOBALINFO", "RADIOCHECKED"));
  EXPECT_EQ(c.CheckBoxUnchecked, -1);
  EXPECT_EQ(c.IndexTabTop, -1);
  EXPECT_EQ(c.MaskScrollTop, -1);
  EXPECT_EQ(c.ArrowScrollTop, -1);  // GLYPHMASK of a missing section
  EXPECT_EQ(c.ComboBtnIndex, t.IndexOfSection("COMBOBTN"));
  EXPECT_EQ(c.ComboBtnBorder, -1);  // own masks only: the inherited border does not count
  EXPECT_EQ(c.ComboBtnPattern, t.IndexOfOwnMask("COMBOBTN", "PATTERN"));
  EXPECT_EQ(c.ComboBtnHotPattern, -1);
  EXPECT_EQ(c.ComboBoxGlyph, -1);

  const LoadedSkin bare("[TABTOP]\r\nBORDERSMASK=@0000@0000@0030@0030@1@0\r\n[SCROLLSLIDERH]\r\n"
                        "GLYPHMASK=@0000@0000@0030@0030@1@0\r\n", {});
  skin::TsSkinTables& b = const_cast<skin::TsSkinTables&>(bare.tables);
  b.UpdateConstData();
  EXPECT_EQ(b.ConstData.IndexGlobalInfo, -1);
  EXPECT_EQ(b.ConstData.CheckBoxChecked, -1);
  EXPECT_EQ(b.ConstData.IndexTabTop, 0);
  EXPECT_EQ(b.ConstData.MaskTabTop, 0);
  EXPECT_EQ(b.ConstData.IndexSliderHorz, 1);
  EXPECT_EQ(b.ConstData.GlyphSliderHorz, 1);
  // Switching the skin off empties the tables; the indexes follow.
  b.FreeAll();
  b.UpdateConstData();
  EXPECT_EQ(b.ConstData.IndexTabTop, -1);
  EXPECT_EQ(b.ConstData.MaskTabTop, -1);
}

// The look-ups follow PARENTCLASS as the values do: the parent is named
// without regard to case, and a cycle ends the search.
TEST(SkinLookUps, ParentsAreNamedInAnyCase) {
  const LoadedSkin skin(std::string(kImages) + R"(
[LowerSplitter]
PARENTCLASS=speedbutton_small
[PANEL_LOW]
PARENTCLASS=Form
[RING_A]
PARENTCLASS=ring_b
[RING_B]
PARENTCLASS=Ring_A
BORDERSMASK=^0000^0024^0009^0042^0000^0000^0000^0000^1^1^1^0
)", Images());
  const skin::TsSkinTables& t = skin.tables;
  const int lower = t.IndexOfSection("LowerSplitter");
  EXPECT_EQ(t.IndexOfMask(lower, "LowerSplitter", "BORDERSMASK"), skin.Mask("SPEEDBUTTON_SMALL", "BORDERSMASK"));
  EXPECT_EQ(t.IndexOfTextureMask(lower, "LowerSplitter", "PATTERN"), skin.Mask("SPEEDBUTTON_SMALL", "PATTERN"));
  const int panel = t.IndexOfSection("PANEL_LOW");
  const int formPattern = t.IndexOfPattern(t.IndexOfSection("FORM"), "FORM", "PATTERN");
  ASSERT_GE(formPattern, 0);
  EXPECT_EQ(t.IndexOfPattern(panel, "PANEL_LOW", "PATTERN"), formPattern);
  // Texture masks of JPEG pictures keep upper-cased names; found all the same.
  EXPECT_EQ(t.IndexOfMask(panel, "PANEL_LOW", "IMGTOPLEFT"), t.IndexOfOwnMask("FORM", "IMGTOPLEFT"));

  const int ringA = t.IndexOfSection("RING_A");
  const int ringB = t.IndexOfSection("RING_B");
  EXPECT_EQ(t.IndexOfMask(ringA, "RING_A", "BORDERSMASK"), skin.Mask("RING_B", "BORDERSMASK"));
  EXPECT_EQ(t.IndexOfMask(ringB, "RING_B", "GLYPHMASK"), -1);
  EXPECT_EQ(t.IndexOfMask(ringA, "RING_A", "GLYPHMASK"), -1);
}

// Keys naming one picture share one decoded bitmap: a skin that names a
// 48 MB bitmap under a hundred keys takes 48 MB, not 4.8 GB. The colour
// shift then changes the shared bitmap once.
TEST(SkinMasks, KeysNamingOnePictureShareItsDecodedBitmap) {
  fixtures::SkinOptions shift;
  shift.hue = 120;
  const LoadedSkin skin(R"(
[BUTTON]
A=!BUTTONHUGE.BMP!3!1!0
B=!BUTTONHUGE.BMP!1!0!0
C=buttonhuge.bmp
T=!BUTTONHUGE.BMP!1!0!1
[PANEL]
IMGTOPLEFT=SMALL.JPG
[BAR]
IMGTOPRIGHT=small.jpg
)", {{"ButtonHuge.bmp", fixtures::PlainBmp(90, 40, 0x0000FF)},
     {"Small.jpg", fixtures::MakeJpeg(20, 20, [](int, int) { return 0x0000FFu; })}},
                        shift);
  const skin::TsSkinTables& t = skin.tables;
  const tk::Bitmap* shared = t.ma.at(static_cast<std::size_t>(t.IndexOfOwnMask("BUTTON", "A"))).Bmp.get();
  ASSERT_NE(shared, nullptr);
  for (const char* key : {"B", "C", "T"})
    EXPECT_EQ(t.ma.at(static_cast<std::size_t>(t.IndexOfOwnMask("BUTTON", key))).Bmp.get(), shared) << key;
  EXPECT_EQ(PixelAt(*shared, 0, 0), 0x00FF00u);  // red turned green once, not blue

  const tk::Bitmap* jpeg = t.ma.at(static_cast<std::size_t>(t.IndexOfOwnMask("PANEL", "IMGTOPLEFT"))).Bmp.get();
  ASSERT_NE(jpeg, nullptr);
  EXPECT_EQ(t.ma.at(static_cast<std::size_t>(t.IndexOfOwnMask("BAR", "IMGTOPRIGHT"))).Bmp.get(), jpeg);
  const std::uint32_t p = PixelAt(*jpeg, 10, 10);
  EXPECT_GT((p >> 8) & 0xFF, 0xF0u) << std::hex << p;  // green, within the JPEG's error
  EXPECT_LT((p >> 16) & 0xFF, 0x10u) << std::hex << p;
}

// What the decoded pictures of one load may take is capped; a shared picture
// counts once. The master bitmap (120 x 110, 39,600 bytes) and the button
// bitmap (90 x 40, rows of 272 bytes: 10,880) fit in 60,000 bytes however
// many keys name the button, and not in 45,000.
TEST(SkinMasks, DecodedPicturesAreCappedPerSkin) {
  std::string options = "[GLOBALINFO]\r\nMASTERBITMAP=MASTER.BMP\r\n[BUTTON]\r\n";
  for (int i = 0; i < 12; ++i) options += "KEY" + std::to_string(i) + "=!BUTTONHUGE.BMP!3!1!0\r\n";
  fixtures::SkinOptions cap;
  cap.maxDecodedBytes = 60000;
  const LoadedSkin fits(options, Images(), cap);
  EXPECT_EQ(fits.tables.ma.size(), 12u);
  EXPECT_FALSE(fits.tables.MasterBitmap.Empty());

  cap.maxDecodedBytes = 45000;
  try {
    LoadedSkin tooLarge(options, Images(), cap);
    ADD_FAILURE() << "loaded beyond the cap";
  } catch (const skin::ESkinTooLarge& e) {
    EXPECT_STREQ(e.what(), "The skin's pictures take more than 45000 bytes of memory once decoded; the skin is not loaded");
  }
}

TEST(SkinMasks, MasterBitmapNameMustMatchTheUpperCasedMember) {
  const LoadedSkin lower("[GLOBALINFO]\r\nMASTERBITMAP=Master.bmp\r\n", Images());
  EXPECT_TRUE(lower.tables.MasterBitmap.Empty());
  const LoadedSkin none("[GLOBALINFO]\r\nMASTERBITMAP=NOWHERE.BMP\r\n", Images());
  EXPECT_TRUE(none.tables.MasterBitmap.Empty());
}

}  // namespace
