// CommonSections merged into a loaded skin, and internal skins of the older
// stored form.
#include <gtest/gtest.h>

#include "ImageFixtures.h"
#include "SkinTablesFixture.h"
#include "skin/data/sStoredSkins.h"

namespace {

const char* const kSkin = R"(
[GLOBALINFO]
MASTERBITMAP=MASTER.BMP
[BUTTON]
COLOR=1
FONTCOLOR=2
[PANEL]
COLOR=3
TRANSPARENCY=40
)";

const char* const kCommon = R"(
[BUTTON]
PARENTCLASS=panel
FONTCOLOR=9
BORDERSMASK=@0000@0000@0030@0030@1@0
GLYPHMASK=Old# (0,0,30,30) (1,0)
PATTERN=BIG.JPG
[NEWSECTION]
COLOR=7
)";

TEST(CommonSections, SectionsAreMergedIntoTheSkin) {
  fixtures::SkinOptions extra;
  extra.common = kCommon;
  const fixtures::LoadedSkin skin(kSkin, {{"Master.bmp", fixtures::MasterBmp()}}, extra);
  const skin::TsSkinTables& t = skin.tables;
  ASSERT_EQ(t.gd.size(), 4u);
  // BUTTON is replaced in place: its own keys from the text, the rest from
  // PANEL, which PARENTCLASS names (in any case).
  EXPECT_EQ(t.IndexOfSection("BUTTON"), 1);
  const skin::TsGeneralData& b = skin.Gd("BUTTON");
  EXPECT_EQ(b.ParentClass, "PANEL");
  EXPECT_EQ(b.FontColor[0], 9);
  EXPECT_EQ(b.Color, 3);
  EXPECT_EQ(b.Transparency, 40);
  // A section new to the skin joins at the end, with the defaults.
  EXPECT_EQ(t.IndexOfSection("NEWSECTION"), 3);
  EXPECT_EQ(skin.Gd("NEWSECTION").Color, 7);
  EXPECT_EQ(skin.Gd("NEWSECTION").FadingIterations, 5);
  // Image values of the text become masks; the older layout while a master bitmap exists.
  EXPECT_GE(t.IndexOfOwnMask("BUTTON", "BORDERSMASK"), 0);
  EXPECT_GE(t.IndexOfOwnMask("BUTTON", "GLYPHMASK"), 0);
}

TEST(CommonSections, OlderLayoutNeedsAMasterBitmapAndPicturesAreFiles) {
  fixtures::FakeFileSystem fs;
  fs.AddFile("C:\\Skins\\BIG.JPG", fixtures::MakeJpeg(320, 300, [](int, int) { return 0x204060u; }));
  fixtures::SkinOptions extra;
  extra.common = kCommon;
  extra.fileSystem = &fs;
  extra.skinPath = "C:\\Skins\\";
  // No master bitmap this time; the package's own BIG.JPG member is not used.
  const fixtures::LoadedSkin skin("[BUTTON]\r\nCOLOR=1\r\n",
                                  {{"BIG.JPG", fixtures::MakeJpeg(100, 100, [](int, int) { return 0u; })}}, extra);
  const skin::TsSkinTables& t = skin.tables;
  EXPECT_EQ(t.IndexOfOwnMask("BUTTON", "GLYPHMASK"), -1);
  EXPECT_GE(t.IndexOfOwnMask("BUTTON", "BORDERSMASK"), 0);
  const int pattern = t.IndexOfPattern(t.IndexOfSection("BUTTON"), "BUTTON", "PATTERN");
  ASSERT_GE(pattern, 0);
  EXPECT_EQ(t.pa[static_cast<std::size_t>(pattern)].Img->Width(), 320);
  EXPECT_EQ(fs.reads, std::vector<std::string>{"C:\\Skins\\BIG.JPG"});
}

TEST(LegacyStoredSkin, CollectionsBecomeTheTables) {
  skin::TsStoredSkin stored;
  stored.SetName("Old (internal)");
  stored.MasterBitmap = fixtures::MakePicture(64, 64, fixtures::MasterColour);
  stored.Version = 4.5;
  stored.Author = "A";
  stored.Shadow1Blur = 3;
  stored.BorderColor = 0x123456;

  skin::TsSkinImage own;
  own.SectionName = "button";
  own.PropertyName = "bordersmask";
  own.Name = "own";
  own.Image = fixtures::MakePicture(30, 12, [](int, int) { return 0x010203u; });
  own.ImageCount = 0;  // becomes three frames over their masks
  own.StretchMode = 2;
  own.ImgType = skin::TvxImgType::itisaGlyph;
  stored.Images.push_back(own);
  skin::TsSkinImage rect;
  rect.SectionName = "BUTTON";
  rect.PropertyName = "PATTERN";
  rect.Left = 0, rect.Top = 0, rect.Right = 20, rect.Bottom = 10;
  rect.ImageCount = 1;
  rect.StretchMode = 5;
  rect.ImgType = skin::TvxImgType::itisaTexture;
  rect.WL = 1;
  stored.Images.push_back(rect);

  skin::TsSkinPattern picture;
  picture.SectionName = "form";
  picture.PropertyName = "pattern";
  picture.Name = "bg";
  picture.Image = fixtures::MakePicture(400, 300, [](int, int) { return 0u; });
  stored.Patterns.push_back(picture);
  skin::TsSkinPattern shared;
  shared.SectionName = "FORM";
  shared.PropertyName = "HOTPATTERN";
  shared.Name = "bg";
  stored.Patterns.push_back(shared);

  skin::TsSkinGeneral general;
  general.SectionName = "BUTTON";
  general.Color = 77;
  general.FontColor = "1 2 3 4 5";
  general.HotFontColor = "1 2";
  general.GradientData = "1;2;50;0;0";
  general.FadingIterations = 9;
  stored.GeneralData.push_back(general);

  skin::TsSkinTables t;
  skin::TsLoadSource source;
  source.Stored = &stored;
  t.Load(source);

  EXPECT_EQ(t.MasterBitmap.Width(), 64);
  ASSERT_EQ(t.ma.size(), 2u);
  const skin::TsMaskData& a = t.ma[0];
  EXPECT_EQ(a.SectionName, "BUTTON");
  EXPECT_EQ(a.PropertyName, "BORDERSMASK");
  ASSERT_NE(a.Bmp, nullptr);
  EXPECT_EQ(a.R, (skin::TRect{0, 0, 30, 12}));
  EXPECT_EQ(a.ImageCount, 3);
  EXPECT_EQ(a.MaskType, 1);
  EXPECT_EQ(a.DrawMode, 2);
  EXPECT_EQ(a.ImgType, skin::TvxImgType::itisaGlyph);
  EXPECT_EQ(std::vector<int>({a.WL, a.WT, a.WR, a.WB}), std::vector<int>({3, 2, 3, 2}));
  const skin::TsMaskData& b = t.ma[1];
  EXPECT_EQ(b.Bmp, nullptr);
  EXPECT_EQ(b.R, (skin::TRect{0, 0, 20, 10}));
  EXPECT_EQ(b.ImgType, skin::TvxImgType::itisaTexture);
  EXPECT_EQ(b.DrawMode, 5);
  EXPECT_EQ(b.WL, 1);

  ASSERT_EQ(t.pa.size(), 2u);
  EXPECT_EQ(t.pa[0].SectionName, "FORM");
  EXPECT_EQ(t.pa[1].Img->Width(), 400);  // borrowed from the item of the same name

  ASSERT_EQ(t.gd.size(), 1u);
  EXPECT_EQ(t.gd[0].Color, 77);
  EXPECT_EQ(t.gd[0].FontColor, (skin::TsFontColors{1, 2, 3, 4, 5}));
  EXPECT_EQ(t.gd[0].HotFontColor, (skin::TsFontColors{0, -1, -1, -1, -1}));
  EXPECT_EQ(t.gd[0].FadingIterations, 9);
  EXPECT_EQ(t.gd[0].GradientArray.size(), 1u);
  EXPECT_DOUBLE_EQ(t.SkinData.Version, 4.5);
  EXPECT_EQ(t.SkinData.Shadow1Blur, 3);
  EXPECT_EQ(t.SkinData.BorderColor, 0x123456);
}

// The older stored form keeps a state's five colours as one text of numbers
// between blanks: any run of blanks separates them, anything but exactly
// five integers gives the defaults.
TEST(LegacyStoredSkin, FontColourListsAreFiveNumbersBetweenBlanks) {
  const skin::TsFontColors defaults{0, -1, -1, -1, -1};
  const struct {
    const char* text;
    skin::TsFontColors expected;
  } cases[] = {
      {"1 2 3 4 5", {1, 2, 3, 4, 5}},
      {"  10\t-2   3\r\n4\v5\f ", {10, -2, 3, 4, 5}},
      {"", defaults},
      {"   ", defaults},
      {"1 2 3 4", defaults},
      {"1 2 3 4 5 6", defaults},
      {"1 2 x 4 5", defaults},
      {"1,2,3,4,5", defaults},
  };
  for (const auto& c : cases) {
    skin::TsStoredSkin stored;
    stored.SetName("Old (internal)");
    skin::TsSkinGeneral general;
    general.SectionName = "BUTTON";
    general.FontColor = c.text;
    stored.GeneralData.push_back(general);
    skin::TsSkinTables t;
    skin::TsLoadSource source;
    source.Stored = &stored;
    t.Load(source);
    ASSERT_EQ(t.gd.size(), 1u) << c.text;
    EXPECT_EQ(t.gd[0].FontColor, c.expected) << '"' << c.text << '"';
  }
}

}  // namespace
