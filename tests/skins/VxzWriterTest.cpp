// The container writer and the folder packer, read back with plain zlib.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "SkinFiles.h"
#include "pack/VxzWriter.h"

namespace {

using skinpack::Member;
using skinpack::WriteContainer;
using skintest::Bytes;
using skintest::ParseContainer;

Bytes Text(const std::string& s) { return Bytes(s.begin(), s.end()); }

Bytes Noise(std::size_t n) {
  Bytes b(n);
  std::uint32_t x = 12345;
  for (auto& v : b) v = static_cast<std::uint8_t>((x = x * 1103515245u + 12345u) >> 24);
  return b;
}

TEST(VxzWriter, RoundTripsMembersInOrderAndEachStreamEndsWhereTheNextHeaderBegins) {
  const std::vector<Member> members = {
      {"Options.dat", Text("[GLOBALINFO]\nVERSION=5.2\n")},
      {"Master.bmp", Noise(70000)},    // larger than one 64 KiB read block
      {"fBG.jpg", Bytes(3000, 0x41)},  // compresses to a few bytes
      {"x", {7}},
  };
  const Bytes packed = WriteContainer(members, 9);
  ASSERT_EQ(Bytes(packed.begin(), packed.begin() + 4), Text("VXzf"));
  const auto back = ParseContainer(packed);
  ASSERT_EQ(back.size(), members.size());
  for (std::size_t i = 0; i < members.size(); ++i) {
    EXPECT_EQ(back[i].name, members[i].name);
    EXPECT_EQ(back[i].declaredSize, members[i].data.size());
    EXPECT_EQ(back[i].data, members[i].data);
    // Each member's length field follows its predecessor's stream directly.
    if (i + 1 < members.size()) {
      const std::size_t at = back[i].endOffset;
      const std::uint32_t nameLength = packed[at] | packed[at + 1] << 8 | packed[at + 2] << 16 | packed[at + 3] << 24;
      EXPECT_EQ(nameLength, members[i + 1].name.size());
    }
  }
  EXPECT_EQ(back.back().endOffset, packed.size());
}

TEST(VxzWriter, ZlibLevelShowsInEachStreamHeader) {
  const std::vector<Member> one = {{"Options.dat", Text("[A]\nB=C\n")}};
  const struct {
    int level;
    std::uint8_t flags;
  } cases[] = {{9, 0xDA}, {-1, 0x9C}, {6, 0x9C}, {1, 0x01}};
  for (const auto& c : cases) {
    const auto back = ParseContainer(WriteContainer(one, c.level));
    EXPECT_EQ(back[0].zlibHeader[0], 0x78) << c.level;
    EXPECT_EQ(back[0].zlibHeader[1], c.flags) << c.level;
  }
}

TEST(VxzWriter, RejectsMembersTheEngineCouldNotTellApart) {
  const Bytes some = {1};
  const std::vector<std::vector<Member>> bad = {
      {{"Options.dat", {}}},                           // empty member
      {{"", some}},                                    // no name
      {{"skins/Master.bmp", some}},                    // folder part
      {{"c:Master.bmp", some}},                        // drive part
      {{"Master\\x.bmp", some}},                       // backslash folder
      {{"Ma\xe9ster.bmp", some}},                      // outside ASCII
      {{"Master.bmp", some}, {"MASTER.BMP", some}},    // same name to the engine
      {{"Options.dat", some}, {"options.DAT", some}},  // two options files
  };
  for (const auto& members : bad) EXPECT_THROW(WriteContainer(members, 9), std::invalid_argument) << members.back().name;
  EXPECT_THROW(WriteContainer({{"a", some}}, 10), std::invalid_argument);
}

TEST(VxzWriter, EmptyContainerHasOnlyMagicAndCount) {
  EXPECT_EQ(WriteContainer({}, 9), (Bytes{'V', 'X', 'z', 'f', 0, 0, 0, 0}));
}

class SkinFolder : public ::testing::Test {
protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("vxz-folder-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  void Put(const std::string& name, const std::string& content) {
    std::ofstream(dir_ / name, std::ios::binary) << content;
  }
  std::filesystem::path dir_;
};

TEST_F(SkinFolder, OptionsComeFirstThenTheOtherFilesByName) {
  Put("fBG.jpg", "jpeg");
  Put("Master.bmp", "bmp");
  Put("OPTIONS.DAT", "[GLOBALINFO]");
  Put("ButtonHuge.bmp", "huge");
  Put(".hidden", "x");
  std::filesystem::create_directories(dir_ / "sub");
  const auto members = skinpack::ReadSkinFolder(dir_.string());
  std::vector<std::string> names;
  for (const auto& m : members) names.push_back(m.name);
  EXPECT_EQ(names, (std::vector<std::string>{"OPTIONS.DAT", "ButtonHuge.bmp", "Master.bmp", "fBG.jpg"}));
  EXPECT_EQ(members[0].data, Text("[GLOBALINFO]"));
}

TEST_F(SkinFolder, WithoutOptionsOrFolderItFails) {
  Put("Master.bmp", "bmp");
  EXPECT_THROW(skinpack::ReadSkinFolder(dir_.string()), std::runtime_error);
  EXPECT_THROW(skinpack::ReadSkinFolder((dir_ / "missing").string()), std::runtime_error);
}

TEST_F(SkinFolder, AnEmptyFileIsRefusedWhenPacked) {
  Put("Options.dat", "[GLOBALINFO]");
  Put("Master.bmp", "");
  EXPECT_THROW(WriteContainer(skinpack::ReadSkinFolder(dir_.string()), 9), std::invalid_argument);
}

}  // namespace
