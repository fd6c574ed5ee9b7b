// The two packed skins the product carries, as the build makes them: read
// back member by member, and loaded the way the main window loads them.
#include <gtest/gtest.h>
#include <zlib.h>

#include <set>

#include "skin/data/sSkinManagerCore.h"
#include "skin/data/vxSkinPack.h"

namespace {

struct Package {
  const char* name;  // the internal skin's name
  const char* path;  // the package file the build made
  const char* picture;  // the fourth member besides Options.dat, ButtonHuge.bmp and Master.bmp
};
const Package kPackages[] = {
    {"Glacier (internal)", GK_GLACIER_VXZ, "TopRight.bmp"},
    {"EmberStyle (internal)", GK_EMBER_VXZ, "fBG.jpg"},
};

tk::MemoryStream ReadPackage(const char* path) {
  tk::MemoryStream s;
  s.LoadFromFile(path);
  return s;
}

std::int32_t Int32At(const tk::MemoryStream& s, std::size_t at) {
  const std::uint8_t* p = s.Memory() + at;
  return static_cast<std::int32_t>(p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24);
}

// Where each member header starts, found independently of the reader: zlib
// inflates each stream from the whole rest of the data and says how much
// input the stream took.
std::vector<std::size_t> MemberOffsets(const tk::MemoryStream& s) {
  std::vector<std::size_t> offsets;
  std::size_t at = 8;
  for (std::int32_t i = 0; i < Int32At(s, 4); ++i) {
    offsets.push_back(at);
    at += 4 + static_cast<std::size_t>(Int32At(s, at));
    const auto size = static_cast<std::size_t>(Int32At(s, at));
    at += 4;
    std::vector<std::uint8_t> out(size + 1);
    z_stream z{};
    inflateInit(&z);
    z.next_in = const_cast<std::uint8_t*>(s.Memory() + at);
    z.avail_in = static_cast<uInt>(s.Size() - at);
    z.next_out = out.data();
    z.avail_out = static_cast<uInt>(out.size());
    EXPECT_EQ(inflate(&z, Z_FINISH), Z_STREAM_END);
    EXPECT_EQ(z.total_out, size);
    at += z.total_in;
    inflateEnd(&z);
  }
  offsets.push_back(at);
  return offsets;
}

TEST(InternalSkinPackages, ReadBackMemberByMemberStandingOnEachNextLengthField) {
  for (const Package& p : kPackages) {
    SCOPED_TRACE(p.path);
    tk::MemoryStream s = ReadPackage(p.path);
    ASSERT_EQ(std::string(reinterpret_cast<const char*>(s.Memory()), 4), "VXzf");
    ASSERT_EQ(Int32At(s, 4), 4);
    const std::vector<std::size_t> offsets = MemberOffsets(s);
    ASSERT_EQ(offsets.back(), s.Size());  // nothing after the last stream
    s.SetPosition(8);
    std::set<std::string> names;
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(s.Position(), offsets[static_cast<std::size_t>(i)]);
      const skin::TvxPackedMember m = skin::ReadPackedMember(s);
      EXPECT_EQ(static_cast<std::int64_t>(m.Data->Size()),
                Int32At(s, offsets[static_cast<std::size_t>(i)] + 4 + m.Name.size()))
          << m.Name;
      names.insert(m.Name);
    }
    EXPECT_EQ(s.Position(), s.Size());
    EXPECT_EQ(names, (std::set<std::string>{"Options.dat", "ButtonHuge.bmp", "Master.bmp", p.picture}));
  }
}

struct MainWindowSkins : ::testing::Test {
  skin::TsSkinManagerCore core;
  MainWindowSkins() {
    for (const Package& p : kPackages) {
      auto& item = core.InternalSkins.Add();
      item.SetName(p.name);
      item.Data = ReadPackage(p.path);
    }
    core.SetSkinDirectory("c:\\Skins\\Nowhere\\For\\These\\Tests");
  }
  const skin::TsGeneralData& Gd(const char* name) {
    const int i = core.Tables.IndexOfSection(name);
    EXPECT_GE(i, 0) << name;
    return core.Tables.gd.at(static_cast<std::size_t>(i < 0 ? 0 : i));
  }
  int Mask(const char* section, const char* key) {
    return core.Tables.IndexOfMask(core.Tables.IndexOfSection(section), section, key);
  }
};

TEST_F(MainWindowSkins, EmberStyleHasTheValuesTheWindowUses) {
  core.SkinName = "EmberStyle (internal)";
  ASSERT_EQ(core.LoadSkin(), skin::TsSkinLoadResult::Loaded);
  skin::TsSkinTables& t = core.Tables;
  t.UpdateConstData();
  EXPECT_FALSE(t.MasterBitmap.Empty());
  EXPECT_DOUBLE_EQ(t.SkinData.Version, 5.2);
  core.SkinData().Active = true;
  EXPECT_EQ(core.SkinInfo(), "5.2");

  const auto& g = Gd("GLOBALINFO");
  EXPECT_EQ(g.Color, 5133660);
  EXPECT_EQ(g.HotColor, 0);
  EXPECT_EQ(g.FontColor[0], 65535);
  EXPECT_EQ(g.FontColor[1], 8454016);
  EXPECT_EQ(t.GlobalFontColor(), 65535);
  for (const char* key : {"BOXCHECKED", "BOXUNCHECKED", "BOXGRAYED", "RADIOCHECKED", "RADIOUNCHECKED", "SMALLCHECKED",
                          "SMALLUNCHECKED", "SMALLGRAYED", "GRIPIMAGE", "CHECK", "TITLEBUTTON", "BICONCLOSE",
                          "BICONMAX", "BICONMIN", "BICONNORM", "BICONHELP", "SICONNORM"})
    EXPECT_GE(Mask("GLOBALINFO", key), 0) << key;
  EXPECT_EQ(t.ConstData.CheckBoxChecked, Mask("GLOBALINFO", "BOXCHECKED"));

  const auto& form = Gd("FORM");
  EXPECT_EQ(form.ImagePercent, 100);
  EXPECT_EQ(form.FontColor[0], 65535);
  EXPECT_TRUE(form.ReservedBoolean);
  const int formIndex = t.IndexOfSection("FORM");
  for (const char* key : {"PATTERN", "HOTPATTERN"}) {
    const int p = t.IndexOfPattern(formIndex, "FORM", key);
    ASSERT_GE(p, 0) << key;
    EXPECT_EQ(t.pa[static_cast<std::size_t>(p)].Img->Width(), 378);
    EXPECT_EQ(t.pa[static_cast<std::size_t>(p)].Img->Height(), 256);
  }
  EXPECT_GE(Mask("FORM", "BORDERSMASK"), 0);

  const auto& title = Gd("FORMTITLE");
  EXPECT_EQ(title.FontColor[0], 16777215);
  EXPECT_EQ(title.FontColor[3], 8079147);
  EXPECT_EQ(title.HotImagePercent, 90);

  const auto& button = Gd("BUTTON");
  EXPECT_EQ(button.FontColor[0], 65535);
  EXPECT_EQ(button.HotFontColor[0], 65280);
  EXPECT_TRUE(button.FadingEnabled);
  EXPECT_EQ(button.FadingIterations, 20);
  const int buttonIndex = t.IndexOfSection("BUTTON");
  EXPECT_GE(t.IndexOfTextureMask(buttonIndex, "BUTTON", "PATTERN"), 0);
  EXPECT_GE(t.IndexOfTextureMask(buttonIndex, "BUTTON", "HOTPATTERN"), 0);

  const auto& speed = Gd("SPEEDBUTTON");
  EXPECT_EQ(speed.Color, 15791348);
  EXPECT_EQ(speed.Transparency, 100);
  EXPECT_EQ(speed.HotFontColor[0], 65280);
  EXPECT_EQ(Gd("EDIT").Color, 0);
  EXPECT_EQ(Gd("EDIT").FontColor[0], 65280);
  EXPECT_EQ(Gd("CHECKBOX").Transparency, 100);

  const auto& group = Gd("GROUPBOX");
  EXPECT_EQ(group.Color, 14215660);
  EXPECT_EQ(group.Transparency, 100);
  const int border = Mask("GROUPBOX", "BORDERSMASK");
  ASSERT_GE(border, 0);
  EXPECT_EQ(t.MaskFrameSize(border), std::make_pair(9, 9));
  EXPECT_EQ(t.MaskWidthLeft(border), 3);
  EXPECT_EQ(t.MaskWidthTop(border), 3);

  // SPLITTER has no keys of its own and shows SPEEDBUTTON_SMALL.
  const int splitter = t.IndexOfSection("SPLITTER");
  ASSERT_GE(splitter, 0);
  EXPECT_EQ(t.gd[static_cast<std::size_t>(splitter)].Color, Gd("SPEEDBUTTON_SMALL").Color);
  EXPECT_EQ(t.IndexOfMask(splitter, "SPLITTER", "BORDERSMASK"), Mask("SPEEDBUTTON_SMALL", "BORDERSMASK"));
}

TEST_F(MainWindowSkins, GlacierLoadsAndUnknownNamesFallBackToIt) {
  core.SkinName = "No such skin";
  ASSERT_EQ(core.LoadSkin(), skin::TsSkinLoadResult::Loaded);
  EXPECT_EQ(core.SkinName, "Glacier (internal)");
  EXPECT_FALSE(core.Tables.MasterBitmap.Empty());
  EXPECT_GE(core.Tables.IndexOfSection("GLOBALINFO"), 0);
  EXPECT_GE(Mask("FORM", "BORDERSMASK"), 0);
}

}  // namespace
