// Sections: every key with its default, inheritance through PARENTCLASS,
// skin-wide values and the global colours.
#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <set>

#include "SkinTablesFixture.h"
#include "toolkit/core/TextCase.h"
#include "skin/data/sSysColors.h"
#include "toolkit/core/NumberText.h"

namespace {

using fixtures::LoadedSkin;
using skin::TsControlBevel;

const char* const kSections = R"(
[GLOBALINFO]
COLOR=5133660
HOTCOLOR=0
FONTCOLOR=65535
TCLEFT=8454016
VERSION=5.2
AUTHOR=Somebody
DESCRIPTION=Dark
SHADOW1COLOR=$102030
SHADOW1OFFSET=2
SHADOW1BLUR=4
SHADOW1TRANSPARENCY=30
BISPACE=7
BORDERCOLOR=255
[EMPTY]
[FULL]
PARENTCLASS=EMPTY
COLOR=255
BEVEL=3
FONTCOLOR=1
TCLEFT=2
TCTOP=3
TCRIGHT=4
TCBOTTOM=5
HOTFONTCOLOR=6
HOTTCLEFT=7
HOTTCTOP=8
HOTTCRIGHT=9
HOTTCBOTTOM=10
RESERVEDBOOLEAN=TRUE
SHADOWBLUR=11
SHADOWCOLOR=12
SHADOWENABLED=true
SHADOWOFFSET=13
SHADOWTRANSPARENCY=14
TRANSPARENCY=15
GRADIENTPERCENT=16
GRADIENTDATA=16777215;15332341;99;1;0;15332341;15332341;0;1;0
IMAGEPERCENT=17
SHOWFOCUS=TRUE
FADINGENABLED=TRUE
FADINGINTERVALIN=18
FADINGINTERVALOUT=19
FADINGITERATIONS=20
HOTCOLOR=21
HOTTRANSPARENCY=22
HOTBEVEL=4
HOTGRADIENTPERCENT=23
HOTGRADIENTDATA=1;2;150;0;0;3;4
HOTIMAGEPERCENT=24
BORDERCOLOR1=25
BORDERCOLOR2=26
[SPEEDBUTTON_SMALL]
COLOR=15791348
HOTCOLOR=16777215
FONTCOLOR=65535
SHADOWCOLOR=99
BEVEL=2
FADINGENABLED=TRUE
SHOWFOCUS=TRUE
[SPLITTER]
PARENTCLASS=SPEEDBUTTON_SMALL
[GRANDCHILD]
parentclass=splitter
TRANSPARENCY=-1
[UNREADABLE]
PARENTCLASS=SPEEDBUTTON_SMALL
COLOR=blue
FADINGENABLED=no
SHOWFOCUS=?
[SELF]
PARENTCLASS=SELF
COLOR=-1
[LOOP_A]
PARENTCLASS=LOOP_B
[LOOP_B]
PARENTCLASS=LOOP_A
[SYSTEM]
COLOR=-16777201
HOTCOLOR=-16777201
BEVEL=9
HOTBEVEL=-3
)";

TEST(SkinSections, EveryKeyHasItsDefault) {
  const LoadedSkin skin(kSections, {});
  const skin::TsGeneralData& d = skin.Gd("EMPTY");
  const skin::TsGeneralData defaults;
  EXPECT_EQ(d.ParentClass, "");
  EXPECT_EQ(d.Color, 0xFFFFFF);
  EXPECT_EQ(d.Bevel, TsControlBevel::cbNone);
  EXPECT_EQ(d.FontColor, (skin::TsFontColors{0, -1, -1, -1, -1}));
  EXPECT_EQ(d.HotFontColor, (skin::TsFontColors{0, -1, -1, -1, -1}));
  EXPECT_FALSE(d.ReservedBoolean);
  EXPECT_EQ(d.ShadowBlur, 6);
  EXPECT_EQ(d.ShadowColor, 0);
  EXPECT_FALSE(d.ShadowEnabled);
  EXPECT_EQ(d.ShadowOffset, 3);
  EXPECT_EQ(d.ShadowTransparency, 50);
  EXPECT_EQ(d.Transparency, 0);
  EXPECT_EQ(d.GradientPercent, 0);
  EXPECT_EQ(d.GradientData, " ");
  EXPECT_TRUE(d.GradientArray.empty());
  EXPECT_EQ(d.ImagePercent, 0);
  EXPECT_FALSE(d.ShowFocus);
  EXPECT_FALSE(d.FadingEnabled);
  EXPECT_EQ(d.FadingIntervalIn, 5);
  EXPECT_EQ(d.FadingIntervalOut, 5);
  EXPECT_EQ(d.FadingIterations, 5);
  EXPECT_EQ(d.HotColor, 0xFFFFFF);
  EXPECT_EQ(d.HotTransparency, 0);
  EXPECT_EQ(d.HotBevel, TsControlBevel::cbNone);
  EXPECT_EQ(d.HotGradientPercent, 0);
  EXPECT_EQ(d.HotGradientData, "");
  EXPECT_TRUE(d.HotGradientArray.empty());
  EXPECT_EQ(d.HotImagePercent, 0);
  EXPECT_EQ(d.BorderColor1, 0);
  EXPECT_EQ(d.BorderColor2, 0);
}

TEST(SkinSections, EveryKeyIsReadIntoItsField) {
  const LoadedSkin skin(kSections, {});
  const skin::TsGeneralData& d = skin.Gd("FULL");
  EXPECT_EQ(d.ParentClass, "EMPTY");
  EXPECT_EQ(d.SectionName, "FULL");
  EXPECT_EQ(d.Color, 255);
  EXPECT_EQ(d.Bevel, TsControlBevel::cbRaisedHard);
  EXPECT_EQ(d.FontColor, (skin::TsFontColors{1, 2, 3, 4, 5}));
  EXPECT_EQ(d.HotFontColor, (skin::TsFontColors{6, 7, 8, 9, 10}));
  EXPECT_TRUE(d.ReservedBoolean);
  EXPECT_EQ(d.ShadowBlur, 11);
  EXPECT_EQ(d.ShadowColor, 12);
  EXPECT_TRUE(d.ShadowEnabled);
  EXPECT_EQ(d.ShadowOffset, 13);
  EXPECT_EQ(d.ShadowTransparency, 14);
  EXPECT_EQ(d.Transparency, 15);
  EXPECT_EQ(d.GradientPercent, 16);
  ASSERT_EQ(d.GradientArray.size(), 2u);
  EXPECT_EQ(d.GradientArray[0].Color1, 16777215);
  EXPECT_EQ(d.GradientArray[0].Color2, 15332341);
  EXPECT_EQ(d.GradientArray[0].Percent, 99);
  EXPECT_EQ(d.GradientArray[0].Mode, 1);
  EXPECT_EQ(d.ImagePercent, 17);
  EXPECT_TRUE(d.ShowFocus);
  EXPECT_TRUE(d.FadingEnabled);
  EXPECT_EQ(d.FadingIntervalIn, 18);
  EXPECT_EQ(d.FadingIntervalOut, 19);
  EXPECT_EQ(d.FadingIterations, 20);
  EXPECT_EQ(d.HotColor, 21);
  EXPECT_EQ(d.HotTransparency, 22);
  EXPECT_EQ(d.HotBevel, TsControlBevel::cbLoweredHard);
  EXPECT_EQ(d.HotGradientPercent, 23);
  ASSERT_EQ(d.HotGradientArray.size(), 1u);  // the incomplete second group is ignored
  EXPECT_EQ(d.HotGradientArray[0].Percent, 100);  // above 100 counts as 100
  EXPECT_EQ(d.HotImagePercent, 24);
  EXPECT_EQ(d.BorderColor1, 25);
  EXPECT_EQ(d.BorderColor2, 26);
}

TEST(SkinSections, InheritanceFollowsParentClass) {
  const LoadedSkin skin(kSections, {});
  // SPLITTER has no keys of its own: everything inherited but SHADOWCOLOR.
  const skin::TsGeneralData& s = skin.Gd("SPLITTER");
  EXPECT_EQ(s.Color, 15791348);
  EXPECT_EQ(s.HotColor, 16777215);
  EXPECT_EQ(s.FontColor[0], 65535);
  EXPECT_EQ(s.Bevel, TsControlBevel::cbLoweredSoft);
  EXPECT_EQ(s.ShadowColor, 0);
  EXPECT_TRUE(s.FadingEnabled);
  // Two levels up, with the parent named in another case; -1 counts as absent.
  EXPECT_EQ(skin.Gd("GRANDCHILD").Color, 15791348);
  EXPECT_EQ(skin.Gd("GRANDCHILD").Transparency, 0);
  // An unreadable integer is absent too; any text but "?" stops the search.
  EXPECT_EQ(skin.Gd("UNREADABLE").Color, 15791348);
  EXPECT_FALSE(skin.Gd("UNREADABLE").FadingEnabled);
  EXPECT_TRUE(skin.Gd("UNREADABLE").ShowFocus);
  // COLOR=-1 with no usable parent: the default.
  EXPECT_EQ(skin.Gd("SELF").Color, 0xFFFFFF);
  EXPECT_EQ(skin.Gd("SELF").ParentClass, "SELF");
  // A two-section cycle ends with the defaults.
  EXPECT_EQ(skin.Gd("LOOP_A").Color, 0xFFFFFF);
  EXPECT_EQ(skin.Gd("LOOP_B").FadingIterations, 5);
}

// The loader settles inheritance for all sections at once. Checked against
// the plain walk up the chain, key by key, on random shapes: chains, parents
// named in other cases, sections naming themselves or missing ones, cycles
// with trees hanging from them, and "-1" and "?" as absent values.
std::optional<std::string> WalkUp(const skin::TsIniDocument& ini, std::string section, const char* key,
                                  bool integer) {
  std::set<std::string> visited{tk::UpperCase(section)};
  for (;;) {
    if (const auto v = ini.Find(section, key)) {
      const bool absent = integer ? (!skin::TsIniDocument::ParseInteger(*v) || *skin::TsIniDocument::ParseInteger(*v) == -1)
                                  : *v == "?";
      if (!absent) return std::string(*v);
    }
    const std::string parent(ini.Find(section, "PARENTCLASS").value_or("?"));
    if (parent.empty() || parent == "?" || !visited.insert(tk::UpperCase(parent)).second) return std::nullopt;
    section = parent;
  }
}

TEST(SkinSections, InheritanceAgreesWithTheWalkUpTheChain) {
  std::mt19937 random(9);
  for (int round = 0; round < 300; ++round) {
    const int n = 1 + static_cast<int>(random() % 12);
    std::string text;
    for (int i = 0; i < n; ++i) {
      text += "[S" + std::to_string(i) + "]\r\n";
      const unsigned parent = random() % 10;
      if (parent < 7) text += "PARENTCLASS=" + std::string(random() % 2 ? "s" : "S") + std::to_string(random() % n) + "\r\n";
      else if (parent == 7) text += "PARENTCLASS=NOWHERE\r\n";
      const unsigned color = random() % 4;
      if (color == 0) text += "COLOR=" + std::to_string(i * 10 + 1) + "\r\n";
      if (color == 1) text += "COLOR=-1\r\n";
      const unsigned gradient = random() % 4;
      if (gradient == 0) text += "GRADIENTDATA=" + std::to_string(i) + ";0;100;0;0\r\n";
      if (gradient == 1) text += "GRADIENTDATA=?\r\n";
    }
    SCOPED_TRACE(text);
    const LoadedSkin skin(text, {});
    const skin::TsIniDocument ini(text);
    for (int i = 0; i < n; ++i) {
      const std::string name = "S" + std::to_string(i);
      const skin::TsGeneralData& d = skin.Gd(name.c_str());
      const auto color = WalkUp(ini, name, "COLOR", true);
      EXPECT_EQ(d.Color, color ? std::stoi(*color) : 0xFFFFFF) << name;
      EXPECT_EQ(d.GradientData, WalkUp(ini, name, "GRADIENTDATA", false).value_or(" ")) << name;
    }
    if (HasFailure()) break;
  }
}

TEST(SkinSections, SystemColoursAndOutOfRangeBevels) {
  const LoadedSkin skin(kSections, {});
  const skin::TsGeneralData& d = skin.Gd("SYSTEM");
  EXPECT_EQ(d.Color, skin::GetSystemColor(skin::COLOR_BTNFACE_INDEX));  // converted to RGB
  EXPECT_EQ(d.HotColor, -16777201);                                      // kept as written
  EXPECT_EQ(d.Bevel, TsControlBevel::cbNone);
  EXPECT_EQ(d.HotBevel, TsControlBevel::cbNone);
}

TEST(SkinSections, SkinWideValuesAndGlobalColours) {
  const LoadedSkin skin(kSections, {});
  const skin::TsSkinData& d = skin.tables.SkinData;
  EXPECT_DOUBLE_EQ(d.Version, 5.2);
  EXPECT_EQ(d.Author, "Somebody");
  EXPECT_EQ(d.Description, "Dark");
  EXPECT_EQ(d.Shadow1Color, 0x102030);
  EXPECT_EQ(d.Shadow1Offset, 2);
  EXPECT_EQ(d.Shadow1Blur, 4);
  EXPECT_EQ(d.Shadow1Transparency, 30);
  EXPECT_EQ(d.BISpace, 7);
  EXPECT_EQ(d.BorderColor, 255);
  EXPECT_EQ(skin.tables.GlobalColor(), 5133660);
  EXPECT_EQ(skin.tables.GlobalFontColor(), 65535);
  EXPECT_EQ(skin.tables.GlobalHotColor(), 0);

  const LoadedSkin bare("[FORM]\r\nCOLOR=1\r\n", {});
  EXPECT_EQ(bare.tables.SkinData.Shadow1Blur, -1);
  EXPECT_EQ(bare.tables.SkinData.Version, 0);
  EXPECT_EQ(bare.tables.GlobalColor(), skin::GetSystemColor(skin::COLOR_BTNFACE_INDEX));
  EXPECT_EQ(bare.tables.GlobalFontColor(), skin::clFuchsia);
  EXPECT_EQ(bare.tables.GlobalHotColor(), skin::GetSystemColor(skin::COLOR_WINDOW_INDEX));
}

TEST(SkinSections, SectionLookUpIsCaseSensitiveAndInFileOrder) {
  const LoadedSkin skin("[BUTTON]\r\n[Edit]\r\n[FORM]\r\n", {});
  EXPECT_EQ(skin.tables.IndexOfSection("BUTTON"), 0);
  EXPECT_EQ(skin.tables.IndexOfSection("button"), -1);
  EXPECT_EQ(skin.tables.IndexOfSection("Edit"), 1);
  EXPECT_EQ(skin.tables.IndexOfSection("EDIT"), -1);
  EXPECT_TRUE(skin.tables.IsValidSkinIndex(2));
  EXPECT_FALSE(skin.tables.IsValidSkinIndex(3));
  EXPECT_FALSE(skin.tables.IsValidSkinIndex(-1));
}

TEST(SkinSections, MalformedStrictValuesRaiseAndLeaveTheTablesEmpty) {
  for (const char* bad : {"[GLOBALINFO]\r\nSHADOW1OFFSET=two\r\n", "[GLOBALINFO]\r\nSHADOW1BLUR=\r\n",
                          "[A]\r\nCOLOR=1\r\n[GLOBALINFO]\r\nSHADOW1TRANSPARENCY=1.5\r\n"}) {
    SCOPED_TRACE(bad);
    EXPECT_THROW(LoadedSkin(bad, {}), tk::EConvertError);
  }
  // The tables of a failed load are empty, not half filled.
  fixtures::Bytes options = fixtures::ToBytes("[FORM]\r\nBORDERSMASK=@0000@0000@0030@0030@1@0\r\n[GLOBALINFO]\r\nSHADOW1OFFSET=x\r\n");
  const skin::TsIniDocument ini(std::string(options.begin(), options.end()));
  skin::TsSkinTables tables;
  skin::TsLoadSource source;
  source.Options = &ini;
  EXPECT_THROW(tables.Load(source), tk::EConvertError);
  EXPECT_TRUE(tables.gd.empty());
  EXPECT_TRUE(tables.ma.empty());
  EXPECT_TRUE(tables.pa.empty());
}

}  // namespace
