// Skin folders, the choice between package, folder and internal skin, the
// list of skin names, and the manager's version texts.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "ImageFixtures.h"
#include "SkinFixtures.h"
#include "skin/data/sSkinDirectory.h"
#include "skin/data/sSkinManagerCore.h"
#include "toolkit/core/NumberText.h"

namespace {

using fixtures::MakePackage;
using fixtures::ToBytes;
using skin::TsSkinLoadResult;

TEST(SkinDirectory, ResolvesAgainstTheProgramFolder) {
  const std::string p = "D:\\Tools\\Conv\\";
  struct Case {
    const char* dir;
    const char* resolved;
  };
  const Case cases[] = {
      {"..\\Skins", "D:\\Tools\\Skins"},
      {"../Skins", "D:\\Tools\\Skins"},
      {".\\Skins", "D:\\Tools\\Conv\\Skins"},
      {"./Skins", "D:\\Tools\\Conv\\Skins"},
      {"Skins", "D:\\Tools\\Conv\\Skins"},
      {"Skins\\Dark", "D:\\Tools\\Conv\\Skins\\Dark"},
      {"", "D:\\Tools\\Conv\\"},
      {"\\\\server\\share\\Skins", "\\\\server\\share\\Skins"},
      {"c:\\Skins", "c:\\Skins"},
      {"..", "D:\\Tools\\"},
  };
  for (const Case& c : cases) EXPECT_EQ(skin::ResolveSkinDirectory(c.dir, p), c.resolved) << c.dir;
}

TEST(SkinDirectory, TrailingBackslashRule) {
  EXPECT_EQ(skin::WithTrailingBackslash(""), "");
  EXPECT_EQ(skin::WithTrailingBackslash("c:\\Skins\\"), "c:\\Skins\\");
  EXPECT_EQ(skin::WithTrailingBackslash("c:/Skins/"), "c:/Skins\\");
  EXPECT_EQ(skin::WithTrailingBackslash("D"), "D:\\");
  EXPECT_EQ(skin::WithTrailingBackslash("c:\\Skins"), "c:\\Skins\\");
}

const char* const kEmberOptions = "[GLOBALINFO]\r\nVERSION=5.2\r\n[FORM]\r\nCOLOR=1\r\n";
const char* const kGlacierOptions = "[GLOBALINFO]\r\nVERSION=4.1\r\n[FORM]\r\nCOLOR=2\r\n";

// A manager set up like the main window's: two internal skins, a skin folder.
struct ManagerFixture : ::testing::Test {
  fixtures::FakeFileSystem fs;
  skin::TsSkinManagerCore core{&fs};
  ManagerFixture() {
    core.SetProgramFolder("D:\\Tools\\Conv\\");
    auto& glacier = core.InternalSkins.Add();
    glacier.SetName("Glacier (internal)");
    const auto g = MakePackage({{"Options.dat", ToBytes(kGlacierOptions)}});
    glacier.Data.LoadFromBytes(g.data(), g.size());
    auto& ember = core.InternalSkins.Add();
    ember.SetName("EmberStyle (internal)");
    const auto e = MakePackage({{"Options.dat", ToBytes(kEmberOptions)}});
    ember.Data.LoadFromBytes(e.data(), e.size());
    core.SetSkinDirectory("c:\\Skins");
  }
  skin::TColor FormColor() const {
    const int i = core.Tables.IndexOfSection("FORM");
    return i < 0 ? -1 : core.Tables.gd[static_cast<std::size_t>(i)].Color;
  }
};

TEST_F(ManagerFixture, InternalSkinByNameAndFirstItemFallback) {
  core.SkinName = "EmberStyle (internal)";
  EXPECT_EQ(core.LoadSkin(), TsSkinLoadResult::Loaded);
  EXPECT_EQ(FormColor(), 1);
  EXPECT_EQ(core.SkinData().SkinPath, "");
  EXPECT_EQ(core.InternalSkins.Items(1).Data.Size(), MakePackage({{"Options.dat", ToBytes(kEmberOptions)}}).size());

  core.SkinName = "emberstyle (internal)";  // names match exactly
  EXPECT_EQ(core.LoadSkin(), TsSkinLoadResult::Loaded);
  EXPECT_EQ(core.SkinName, "Glacier (internal)");
  EXPECT_EQ(FormColor(), 2);
}

TEST_F(ManagerFixture, PackageFileComesBeforeFolderAndInternalSkin) {
  fs.AddFile("c:\\Skins\\EmberStyle (internal).vxz",
             MakePackage({{"Options.dat", ToBytes("[FORM]\r\nCOLOR=5\r\nBORDERSMASK=EDGE.BMP\r\n")},
                          {"Edge.bmp", fixtures::MakeBmp24(fixtures::MakePicture(9, 6, [](int, int) { return 1u; }))},
                          {"Spare.bin", {}}}));
  fs.AddFile("c:\\Skins\\EmberStyle (internal)\\Options.dat", ToBytes("[FORM]\r\nCOLOR=6\r\n"));
  core.SkinName = "EmberStyle (internal)";
  EXPECT_EQ(core.LoadSkin(), TsSkinLoadResult::Loaded);
  EXPECT_TRUE(core.ReadingPacked);
  EXPECT_EQ(FormColor(), 5);
  EXPECT_EQ(core.SkinData().SkinPath, "c:\\Skins\\");
  EXPECT_GE(core.Tables.IndexOfOwnMask("FORM", "BORDERSMASK"), 0);
}

TEST_F(ManagerFixture, SkinFolderReadsItsFilesFromThere) {
  fs.AddFile("c:\\Skins\\Blue\\Options.dat",
             ToBytes("[GLOBALINFO]\r\nMASTERBITMAP=Master.bmp\r\n[FORM]\r\nCOLOR=6\r\nBORDERSMASK=!EDGE.BMP!1!0!0\r\n"));
  fs.AddFile("c:\\Skins\\Blue\\Master.bmp", fixtures::MakeBmp24(fixtures::MakePicture(8, 8, [](int, int) { return 9u; })));
  fs.AddFile("c:\\Skins\\Blue\\EDGE.BMP", fixtures::MakeBmp24(fixtures::MakePicture(9, 6, [](int, int) { return 1u; })));
  core.SkinName = "Blue";
  EXPECT_EQ(core.LoadSkin(), TsSkinLoadResult::Loaded);
  EXPECT_FALSE(core.ReadingPacked);
  EXPECT_EQ(core.SkinData().SkinPath, "c:\\Skins\\Blue\\");
  EXPECT_EQ(FormColor(), 6);
  EXPECT_EQ(core.Tables.MasterBitmap.Width(), 8);
  EXPECT_GE(core.Tables.IndexOfOwnMask("FORM", "BORDERSMASK"), 0);
}

TEST_F(ManagerFixture, NothingToLoadDeactivatesAndABadPackageIsRejected) {
  fixtures::WarningRecorder recorder;
  fs.AddFile("c:\\Skins\\Broken.vxz", ToBytes("vxzf and more"));
  core.SkinName = "Broken";
  EXPECT_EQ(core.LoadSkin(), TsSkinLoadResult::Rejected);
  EXPECT_EQ(recorder.warnings.size(), 1u);
  EXPECT_TRUE(core.Tables.gd.empty());

  core.InternalSkins.Clear();
  core.SkinName = "Anything";
  EXPECT_EQ(core.LoadSkin(), TsSkinLoadResult::NotFound);
  EXPECT_EQ(core.SkinName, "Anything");
}

TEST_F(ManagerFixture, DamagedInternalPackageRaisesWithEmptyTables) {
  core.SkinName = "Glacier (internal)";
  ASSERT_EQ(core.LoadSkin(), TsSkinLoadResult::Loaded);
  auto& data = core.InternalSkins.Items(0).Data;
  data.SetSize(data.Size() - 3);
  EXPECT_THROW(core.LoadSkin(), tk::EStreamError);
  EXPECT_TRUE(core.Tables.gd.empty());
}

TEST_F(ManagerFixture, SkinNamesOfEveryKind) {
  fs.AddFile("c:\\Skins\\Blue\\Options.dat", ToBytes("[FORM]"));
  fs.AddFolder("c:\\Skins\\NoOptions");
  fs.AddFile("c:\\Skins\\.Hidden\\Options.dat", ToBytes("[FORM]"));
  fs.AddFile("c:\\Skins\\Blue.Night.vxz", ToBytes("VXzf"));
  fs.AddFile("c:\\Skins\\Blue.vxz", ToBytes("VXzf"));
  fs.AddFile("c:\\Skins\\Upper.VXZ", ToBytes("VXzf"));
  fs.AddFile("c:\\Skins\\readme.txt", ToBytes("x"));
  fs.AddFolder("c:\\Skins\\Folder.vxz");
  tk::StringList list;
  EXPECT_EQ(core.GetSkinNames(list, skin::kSkinNamesAll), "Glacier (internal)");
  EXPECT_EQ(list.Items(), (std::vector<std::string>{"Blue", "Blue", "Blue", "EmberStyle (internal)",
                                                    "Glacier (internal)"}));
  core.GetSkinNames(list, skin::kSkinNamesUnpacked);
  EXPECT_EQ(list.Items(), (std::vector<std::string>{"Blue", "EmberStyle (internal)", "Glacier (internal)"}));
  core.GetSkinNames(list, skin::kSkinNamesPacked);
  EXPECT_EQ(list.Items(), (std::vector<std::string>{"Blue", "Blue", "EmberStyle (internal)", "Glacier (internal)"}));

  core.InternalSkins.Clear();
  EXPECT_EQ(core.GetSkinNames(list, skin::kSkinNamesAll).substr(0, 4), "Blue");
}

TEST_F(ManagerFixture, EmptySkinDirectoryListsTheInternalSkinsSorted) {
  core.SetSkinDirectory("");
  tk::StringList list{"stale"};
  EXPECT_EQ(core.GetSkinNames(list, skin::kSkinNamesAll), "Glacier (internal)");
  EXPECT_EQ(list.Items(), (std::vector<std::string>{"EmberStyle (internal)", "Glacier (internal)"}));
}

TEST_F(ManagerFixture, RelativeSkinDirectoryListsAndLoadsTheSamePackages) {
  fs.AddFile("D:\\Tools\\Skins\\Red.vxz", MakePackage({{"Options.dat", ToBytes("[FORM]\r\nCOLOR=8\r\n")}}));
  core.SetSkinDirectory("..\\Skins");
  EXPECT_EQ(core.SkinData().SkinPath, "D:\\Tools\\Skins");
  tk::StringList list;
  core.GetSkinNames(list, skin::kSkinNamesPacked);
  EXPECT_GE(list.IndexOf("Red"), 0);
  core.SkinName = "Red";
  EXPECT_EQ(core.LoadSkin(), TsSkinLoadResult::Loaded);
  EXPECT_EQ(FormColor(), 8);
}

TEST_F(ManagerFixture, VersionTextsIgnoreTheLocale) {
  tk::SetDecimalSeparatorOverride(",");
  EXPECT_EQ(core.SkinInfo(), "N/A");
  core.SkinName = "EmberStyle (internal)";
  core.LoadSkin();
  EXPECT_EQ(core.SkinInfo(), "N/A");  // loaded but not applied yet
  core.SkinData().Active = true;
  EXPECT_EQ(core.SkinInfo(), "5.2");
  tk::SetDecimalSeparatorOverride("");
  EXPECT_EQ(skin::TsSkinManagerCore::Version(), "5.36");
}

TEST_F(ManagerFixture, CommonSectionsLoseTheirBlanksAndJoinEveryLoad) {
  core.SetCommonSections({"[ MY SECTION ]", "  COLOR = 12 ", "; keep = this", "", "[FORM]", "FONTCOLOR = 3"});
  EXPECT_EQ(core.CommonSections().Items(),
            (std::vector<std::string>{"[MYSECTION]", "COLOR=12", "; keep = this", "", "[FORM]", "FONTCOLOR=3"}));
  core.SkinName = "EmberStyle (internal)";
  core.LoadSkin();
  const int mine = core.Tables.IndexOfSection("MYSECTION");
  ASSERT_GE(mine, 0);
  EXPECT_EQ(core.Tables.gd[static_cast<std::size_t>(mine)].Color, 12);
  const int form = core.Tables.IndexOfSection("FORM");
  EXPECT_EQ(core.Tables.gd[static_cast<std::size_t>(form)].FontColor[0], 3);
  EXPECT_EQ(core.Tables.gd[static_cast<std::size_t>(form)].Color, 0xFFFFFF);  // no PARENTCLASS: defaults
}

TEST_F(ManagerFixture, HueShiftAppliesToTheNextLoad) {
  core.HueOffset = 120;
  core.SkinName = "EmberStyle (internal)";
  core.LoadSkin();
  EXPECT_EQ(FormColor(), 0x000100);  // red 1 turned a third of the way round: green 1
}

// A skin without options has no skin-wide values of its own: it must not
// keep those of the skin before it.
TEST_F(ManagerFixture, APackageWithoutOptionsKeepsNothingOfThePreviousSkin) {
  fs.AddFile("c:\\Skins\\Rich.vxz",
             MakePackage({{"Options.dat", ToBytes("[GLOBALINFO]\r\nVERSION=5.2\r\nAUTHOR=Somebody\r\nDESCRIPTION=Dark\r\n"
                                                  "SHADOW1COLOR=9\r\nSHADOW1OFFSET=2\r\nSHADOW1BLUR=4\r\n"
                                                  "SHADOW1TRANSPARENCY=30\r\nBISPACE=7\r\nBORDERCOLOR=255\r\n")}}));
  fs.AddFile("c:\\Skins\\Bare.vxz",
             MakePackage({{"Edge.bmp", fixtures::MakeBmp24(fixtures::MakePicture(9, 6, [](int, int) { return 1u; }))}}));
  core.SkinName = "Rich";
  ASSERT_EQ(core.LoadSkin(), TsSkinLoadResult::Loaded);
  ASSERT_EQ(core.SkinData().BISpace, 7);
  core.SkinName = "Bare";
  ASSERT_EQ(core.LoadSkin(), TsSkinLoadResult::Loaded);
  const skin::TsSkinData& d = core.SkinData();
  const skin::TsSkinData defaults;
  EXPECT_EQ(d.Version, defaults.Version);
  EXPECT_EQ(d.Author, defaults.Author);
  EXPECT_EQ(d.Description, defaults.Description);
  EXPECT_EQ(d.Shadow1Color, defaults.Shadow1Color);
  EXPECT_EQ(d.Shadow1Offset, defaults.Shadow1Offset);
  EXPECT_EQ(d.Shadow1Blur, defaults.Shadow1Blur);
  EXPECT_EQ(d.Shadow1Transparency, defaults.Shadow1Transparency);
  EXPECT_EQ(d.BISpace, defaults.BISpace);
  EXPECT_EQ(d.BorderColor, defaults.BorderColor);
  EXPECT_EQ(d.SkinPath, "c:\\Skins\\");
  EXPECT_TRUE(core.Tables.gd.empty());
}

// The platform's own file system: Win32 calls under Wine, std::filesystem natively.
TEST(PlatformFileSystem, FindsPackagesAndFoldersOnDisk) {
  namespace fsys = std::filesystem;
  const fsys::path root = fsys::temp_directory_path() / "gk_skin_sources_test";
  fsys::remove_all(root);
  fsys::create_directories(root / "Blue");
  {
    std::ofstream(root / "Blue" / "Options.dat") << "[FORM]\r\nCOLOR=4\r\n";
    const auto pkg = MakePackage({{"Options.dat", ToBytes("[FORM]\r\nCOLOR=3\r\n")}});
    std::ofstream(root / "Red.vxz", std::ios::binary).write(reinterpret_cast<const char*>(pkg.data()),
                                                               static_cast<std::streamsize>(pkg.size()));
  }
  std::string dir = root.string();
  for (char& c : dir)
    if (c == '/') c = '\\';
  skin::TsSkinManagerCore core;
#ifndef _WIN32
  // A Unix path has no drive: by the Windows rules it would count as
  // relative to the program folder.
  core.SetProgramFolder("");
#endif
  core.SetSkinDirectory(dir);
  tk::StringList list;
  core.GetSkinNames(list, skin::kSkinNamesAll);
  EXPECT_EQ(list.Items(), (std::vector<std::string>{"Blue", "Red"}));
  for (const auto& [name, color] : {std::pair{"Blue", 4}, std::pair{"Red", 3}}) {
    core.SkinName = name;
    ASSERT_EQ(core.LoadSkin(), TsSkinLoadResult::Loaded) << name;
    EXPECT_EQ(core.Tables.gd.at(0).Color, color) << name;
  }
  EXPECT_EQ(skin::ProgramFolder().back(), '\\');
  fsys::remove_all(root);
}

}  // namespace
