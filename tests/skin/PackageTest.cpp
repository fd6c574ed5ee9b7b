#include "skin/data/vxSkinPack.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "SkinFixtures.h"

namespace {

using fixtures::Bytes;
using fixtures::MakePackage;
using fixtures::ToBytes;

Bytes Noise(std::size_t n, unsigned seed) {
  std::mt19937 gen(seed);
  Bytes b(n);
  for (auto& x : b) x = static_cast<std::uint8_t>(gen());
  return b;
}

TEST(ReadPackedMember, StandsExactlyOnTheNextLengthFieldAfterEveryMember) {
  // Members of every compression level, and incompressible ones larger than
  // the inflater's 64 KiB input blocks, so read-ahead has to be given back.
  const std::vector<fixtures::PackedMember> members = {
      {"Options.dat", ToBytes("[GLOBALINFO]\r\nVERSION=5.2\r\n"), 9},
      {"Master.bmp", Noise(150000, 1), 6},
      {"empty.bin", {}, 6},
      {"Tiny.bmp", ToBytes("x"), 0},
      {"fBG.jpg", Noise(70000, 2), 1},
      {"Last.bmp", Bytes(100000, 0x55), 9},
  };
  std::vector<std::size_t> offsets;
  tk::MemoryStream in(MakePackage(members, &offsets));
  in.SetPosition(8);
  for (std::size_t i = 0; i < members.size(); ++i) {
    ASSERT_EQ(in.Position(), offsets[i]);
    const skin::TvxPackedMember m = skin::ReadPackedMember(in);
    EXPECT_EQ(m.Name, members[i].name);
    EXPECT_EQ(m.Data->Bytes(), members[i].data) << m.Name;
    EXPECT_EQ(in.Position(), offsets[i + 1]) << "after " << m.Name;
  }
  EXPECT_EQ(in.Position(), in.Size());
}

TEST(TvxSkinConvertor, OneInflaterReadsMembersOfEveryKindInTurn) {
  // What one member leaves in the inflater must not reach the next: sizes
  // from none to megabytes, stored and compressed, and a member that
  // inflates about a thousandfold (the most a deflate stream can).
  const std::vector<fixtures::PackedMember> members = {
      {"Options.dat", ToBytes("[GLOBALINFO]\r\nVERSION=5.2\r\n"), 9},
      {"Zeros.bmp", Bytes(3000000, 0), 9},
      {"empty.bin", {}, 6},
      {"Master.bmp", Noise(150000, 4), 6},
      {"Stored.bmp", Noise(70000, 5), 0},
      {"Tiny.bmp", ToBytes("x"), 1},
  };
  tk::MemoryStream data(MakePackage(members));
  skin::TvxSkinConvertor c;
  c.SetPackedData(&data);
  c.ExtractPackedData();
  ASSERT_TRUE(c.Accepted);
  ASSERT_NE(c.Options, nullptr);
  EXPECT_EQ(c.Options->Bytes(), members[0].data);
  ASSERT_EQ(c.Files.size(), members.size() - 1);
  for (std::size_t i = 1; i < members.size(); ++i) {
    EXPECT_EQ(c.Files[i - 1].FileName, members[i].name);
    EXPECT_EQ(c.Files[i - 1].Data->Bytes(), members[i].data) << members[i].name;
  }
}

TEST(TvxSkinConvertor, SplitsOptionsFromImagesAndCountsMembers) {
  fixtures::WarningRecorder recorder;
  tk::MemoryStream data(MakePackage({{"Master.bmp", ToBytes("m")},
                                     {"oPtIoNs.DaT", ToBytes("first")},
                                     {"fBG.jpg", ToBytes("j")},
                                     {"OPTIONS.DAT", ToBytes("second")},
                                     {"ButtonHuge.BMP", ToBytes("b")}}));
  skin::TvxSkinConvertor c;
  c.SetPackedData(&data);
  c.ExtractPackedData();
  EXPECT_TRUE(c.Accepted);
  EXPECT_TRUE(recorder.warnings.empty());
  EXPECT_EQ(c.FileCount, 4);
  ASSERT_NE(c.Options, nullptr);
  EXPECT_EQ(c.Options->AsText(), "second");  // a later options member replaces an earlier one
  ASSERT_EQ(c.Files.size(), 3u);
  EXPECT_EQ(c.Files[0].FileName, "Master.bmp");
  EXPECT_TRUE(c.Files[0].IsBitmap);
  EXPECT_FALSE(c.Files[1].IsBitmap);
  EXPECT_TRUE(c.Files[2].IsBitmap);
  EXPECT_EQ(c.FindFile("FBG.JPG"), &c.Files[1]);
  EXPECT_EQ(c.FindFile("fBG.jpg"), nullptr);  // callers pass the upper-cased name
  const std::size_t size = data.Size();
  c.DetachPackedData();
  c.ClearPackedData();
  EXPECT_EQ(c.PackedData(), nullptr);
  EXPECT_EQ(data.Size(), size);  // a borrowed container is not freed
}

TEST(TvxSkinConvertor, WithoutOptionsTheLastImageIsNotSearched) {
  tk::MemoryStream data(MakePackage({{"A.bmp", ToBytes("a")}, {"B.bmp", ToBytes("b")}}));
  skin::TvxSkinConvertor c;
  c.SetPackedData(&data);
  c.ExtractPackedData();
  EXPECT_EQ(c.Options, nullptr);
  EXPECT_EQ(c.FileCount, 1);
  EXPECT_EQ(c.Files.size(), 2u);
  EXPECT_NE(c.FindFile("A.BMP"), nullptr);
  EXPECT_EQ(c.FindFile("B.BMP"), nullptr);
}

TEST(TvxSkinConvertor, BadMagicWarnsAndLeavesNothing) {
  for (const char* magic : {"vxzf", "VXZF", "PK\x03\x04", "VX"}) {
    SCOPED_TRACE(magic);
    fixtures::WarningRecorder recorder;
    Bytes bytes = MakePackage({{"Options.dat", ToBytes("[A]")}});
    std::copy(magic, magic + std::min<std::size_t>(4, std::strlen(magic)), bytes.begin());
    if (std::strlen(magic) < 4) bytes.resize(std::strlen(magic));
    auto data = std::make_unique<tk::MemoryStream>(bytes);
    skin::TvxSkinConvertor c;
    c.SetOwnedPackedData(std::move(data));
    c.ExtractPackedData();
    EXPECT_FALSE(c.Accepted);
    EXPECT_EQ(recorder.warnings, std::vector<std::string>{"Loaded data is not packed Vexora file"});
    EXPECT_EQ(c.Options, nullptr);
    EXPECT_TRUE(c.Files.empty());
    EXPECT_EQ(c.PackedData(), nullptr);  // cleared, container included
  }
}

// A container of one good options member followed by one member that lies
// about itself; count is the member count the header claims.
Bytes WithBadMember(const std::string& name, std::int32_t declared, const Bytes& stream, std::int32_t count = 2,
                    std::int32_t nameLength = -2) {
  Bytes out = MakePackage({{"Options.dat", ToBytes("[X]")}});
  out.resize(4);
  fixtures::AppendInt32(out, count);
  const Bytes good = MakePackage({{"Options.dat", ToBytes("[X]")}});
  out.insert(out.end(), good.begin() + 8, good.end());
  fixtures::AppendInt32(out, nameLength == -2 ? static_cast<std::int32_t>(name.size()) : nameLength);
  fixtures::AppendText(out, name);
  fixtures::AppendInt32(out, declared);
  out.insert(out.end(), stream.begin(), stream.end());
  return out;
}

TEST(TvxSkinConvertor, DamagedMembersRaiseAndLeaveNoHalfLoadedSkin) {
  const Bytes payload = Noise(5000, 3);
  const Bytes z = fixtures::Deflate(payload);
  Bytes badChecksum = z;
  badChecksum.back() ^= 0xFF;
  Bytes badData = z;
  badData[z.size() / 2] ^= 0xFF;
  Bytes cutInSize = WithBadMember("A.bmp", 5000, {});
  cutInSize.resize(cutInSize.size() - 2);
  struct Case {
    const char* what;
    Bytes container;
  };
  const std::vector<Case> cases = {
      {"stream cut short", WithBadMember("A.bmp", 5000, Bytes(z.begin(), z.end() - 10))},
      {"inflates to fewer bytes", WithBadMember("A.bmp", 5001, z)},
      {"inflates to more bytes", WithBadMember("A.bmp", 4999, z)},
      {"corrupt deflate data", WithBadMember("A.bmp", 5000, badData)},
      {"wrong Adler-32", WithBadMember("A.bmp", 5000, badChecksum)},
      {"negative size", WithBadMember("A.bmp", -1, z)},
      {"size beyond any skin", WithBadMember("A.bmp", 0x7FFFFFFF, z)},
      {"name longer than the data", WithBadMember("A.bmp", 5000, z, 2, 0x7FFFFFF0)},
      {"negative name length", WithBadMember("A.bmp", 5000, z, 2, -5)},
      {"more members than stored", WithBadMember("A.bmp", 5000, z, 1000000)},
      {"header cut in the size field", cutInSize},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    tk::MemoryStream data(c.container);
    skin::TvxSkinConvertor conv;
    conv.SetPackedData(&data);
    EXPECT_THROW(conv.ExtractPackedData(), tk::EStreamError);
    EXPECT_EQ(conv.Options, nullptr);
    EXPECT_TRUE(conv.Files.empty());
  }
  // The same container with an honest member reads fine.
  tk::MemoryStream data(WithBadMember("A.bmp", 5000, z));
  skin::TvxSkinConvertor conv;
  conv.SetPackedData(&data);
  conv.ExtractPackedData();
  ASSERT_EQ(conv.Files.size(), 1u);
  EXPECT_EQ(conv.Files[0].Data->Bytes(), payload);
}

TEST(TvxSkinConvertor, ErrorsNameTheMember) {
  tk::MemoryStream data(WithBadMember("Master.bmp", 10, fixtures::Deflate(ToBytes("12345"))));
  skin::TvxSkinConvertor conv;
  conv.SetPackedData(&data);
  try {
    conv.ExtractPackedData();
    FAIL() << "accepted";
  } catch (const skin::ESkinPackageError& e) {
    EXPECT_EQ(std::string(e.what()), "Skin package member \"Master.bmp\" ends before its declared size of 10 bytes");
  }
}

TEST(LoadSkinPackage, MissingFilesAreIgnoredAndTheSourceIsFreed) {
  fixtures::FakeFileSystem fs;
  fs.AddFile("c:\\Skins\\Dark.vxz", MakePackage({{"Options.dat", ToBytes("[FORM]")}, {"M.bmp", ToBytes("m")}}));
  std::unique_ptr<skin::TvxSkinConvertor> conv;
  skin::LoadSkinPackage("c:\\Skins\\Light.vxz", conv, true, fs);
  EXPECT_EQ(conv, nullptr);
  skin::LoadSkinPackage("c:\\Skins\\Dark.vxz", conv, true, fs);
  ASSERT_NE(conv, nullptr);
  EXPECT_EQ(conv->Options->AsText(), "[FORM]");
  EXPECT_EQ(conv->Files.size(), 1u);
  EXPECT_EQ(conv->PackedData(), nullptr);
  skin::LoadSkinPackage("c:\\Skins\\Dark.vxz", conv, false, fs);  // reuses and keeps the container
  EXPECT_NE(conv->PackedData(), nullptr);
  EXPECT_EQ(conv->Files.size(), 1u);
}

}  // namespace
