#include "toolkit/core/Bitmap.h"

#include <gtest/gtest.h>

namespace {

TEST(Bitmap, RowsArePaddedToFourBytesAndStrideFollowsTheOrder) {
  tk::Bitmap bottomUp(5, 3);  // 15 bytes of pixels -> 16 per row
  EXPECT_EQ(bottomUp.RowBytes(), 16u);
  EXPECT_EQ(bottomUp.Stride(), -16);
  EXPECT_EQ(bottomUp.ScanLine(1) - bottomUp.ScanLine(0), bottomUp.Stride());

  tk::Bitmap topDown(5, 3, tk::PixelFormat::pf24bit, true);
  EXPECT_EQ(topDown.Stride(), 16);
  EXPECT_EQ(topDown.ScanLine(1) - topDown.ScanLine(0), topDown.Stride());

  tk::Bitmap wide(3, 2, tk::PixelFormat::pf32bit);
  EXPECT_EQ(wide.RowBytes(), 12u);
}

TEST(Bitmap, FillWritesWindowsColourOrder) {
  tk::Bitmap bmp(2, 2);
  bmp.Fill(0x00FF8040);  // blue FF, green 80, red 40
  const std::uint8_t* p = bmp.ScanLine(1) + 3;
  EXPECT_EQ(p[0], 0xFF);
  EXPECT_EQ(p[1], 0x80);
  EXPECT_EQ(p[2], 0x40);
}

TEST(Bitmap, CopyIsDeepAndFormatConversionKeepsColours) {
  tk::Bitmap a(4, 4);
  a.Fill(0x123456);
  tk::Bitmap b = a;
  a.Fill(0);
  EXPECT_EQ(b.ScanLine(3)[0], 0x12);
  b.SetFormat(tk::PixelFormat::pf32bit);
  EXPECT_EQ(b.ScanLine(2)[4 + 2], 0x56);
  EXPECT_EQ(b.ScanLine(2)[4 + 3], 0xFF);
  b.SetFormat(tk::PixelFormat::pf24bit);
  EXPECT_EQ(b.ScanLine(0)[3 + 1], 0x34);
}

TEST(Bitmap, BadSizesAreRefused) {
  tk::Bitmap bmp;
  EXPECT_TRUE(bmp.Empty());
  EXPECT_THROW(bmp.SetSize(-1, 4), std::invalid_argument);
  EXPECT_THROW(bmp.SetSize(1 << 20, 1 << 20), std::length_error);
  EXPECT_THROW(bmp.ScanLine(0), std::out_of_range);
  bmp.SetSize(0, 10);
  EXPECT_TRUE(bmp.Empty());
}

#ifdef _WIN32
TEST(Bitmap, OnWindowsEveryBitmapIsADibSection) {
  tk::Bitmap bmp(8, 8);
  EXPECT_NE(bmp.NativeHandle(), nullptr);
}
#endif

}  // namespace
