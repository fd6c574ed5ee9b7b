#include "toolkit/core/Streams.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

TEST(MemoryStream, ReadsWritesAndSeeksLikeAFile) {
  tk::MemoryStream s;
  s.WriteInt32(-2);
  s.Write("abc", 3);
  EXPECT_EQ(s.Size(), 7u);
  EXPECT_EQ(s.Position(), 7u);
  EXPECT_EQ(s.Seek(0, tk::SeekOrigin::soBeginning), 0u);
  EXPECT_EQ(s.ReadInt32(), -2);
  char buf[8] = {};
  EXPECT_EQ(s.Read(buf, 8), 3u);  // short read at the end
  EXPECT_STREQ(buf, "abc");
  EXPECT_EQ(s.Read(buf, 1), 0u);
  EXPECT_EQ(s.Seek(-3, tk::SeekOrigin::soEnd), 4u);
  EXPECT_EQ(s.Seek(1, tk::SeekOrigin::soCurrent), 5u);
  // Writing beyond the end fills the gap with zeros.
  s.Seek(9, tk::SeekOrigin::soBeginning);
  s.Write("z", 1);
  EXPECT_EQ(s.Size(), 10u);
  EXPECT_EQ(s.Memory()[8], 0);
}

TEST(MemoryStream, ReadBufferPastTheEndFailsWithoutMoving) {
  tk::MemoryStream s(std::vector<std::uint8_t>{1, 2, 3});
  s.SetPosition(1);
  std::uint8_t b[4];
  EXPECT_THROW(s.ReadBuffer(b, 3), tk::EReadError);
  EXPECT_EQ(s.Position(), 1u);
  EXPECT_THROW(s.ReadInt32(), tk::EReadError);
  s.SetPosition(100);  // beyond the end: reads give nothing
  EXPECT_EQ(s.Read(b, 1), 0u);
  EXPECT_THROW(s.ReadBuffer(b, 1), tk::EReadError);
  EXPECT_THROW(s.Seek(-101, tk::SeekOrigin::soCurrent), tk::EStreamError);
  try {
    s.SetPosition(0);
    s.ReadBuffer(b, 4);
  } catch (const tk::EReadError& e) {
    EXPECT_STREQ(e.what(), "Stream read error");
  }
}

TEST(MemoryStream, LoadsWholeFilesAndReportsMissingOnes) {
  const auto path = std::filesystem::temp_directory_path() / "gk_stream_test.bin";
  {
    std::ofstream f(path, std::ios::binary);
    for (int i = 0; i < 70000; ++i) f.put(static_cast<char>(i % 251));  // more than one read block
  }
  tk::MemoryStream s;
  s.LoadFromFile(path.string());
  ASSERT_EQ(s.Size(), 70000u);
  EXPECT_EQ(s.Memory()[69999], 69999 % 251);
  EXPECT_EQ(s.Position(), 0u);
  std::filesystem::remove(path);
  EXPECT_THROW(s.LoadFromFile(path.string()), tk::EFOpenError);
  EXPECT_EQ(s.Size(), 70000u);  // a failed load keeps the old contents
}

}  // namespace
