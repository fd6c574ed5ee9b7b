// Encodings through the platform's own converters (iconv natively, the
// Windows code pages under Wine): detection, GBK and GB18030 both ways, and
// refusals of text that is not valid in its encoding.

#include <gtest/gtest.h>

#include <string>

#include "cli/TextEncoding.h"

namespace {

using gkconv::TEncoding;

// "点号,经度" in UTF-8 and in GBK.
const std::string kUtf8 = "\xE7\x82\xB9\xE5\x8F\xB7,\xE7\xBB\x8F\xE5\xBA\xA6";
const std::string kGbk = "\xB5\xE3\xBA\xC5,\xBE\xAD\xB6\xC8";

TEST(TextEncoding, DetectsUtf8WithOrWithoutBomAndElseGb18030) {
  EXPECT_EQ(gkconv::DetectEncoding(kUtf8), TEncoding::Utf8);
  EXPECT_EQ(gkconv::DetectEncoding("\xEF\xBB\xBF" + kUtf8), TEncoding::Utf8);
  EXPECT_EQ(gkconv::DetectEncoding("116.391,39.907\n"), TEncoding::Utf8);
  EXPECT_EQ(gkconv::DetectEncoding(kGbk), TEncoding::Gb18030);
  // A sample cut in the middle of a character is still UTF-8.
  EXPECT_EQ(gkconv::DetectEncoding(kUtf8.substr(0, kUtf8.size() - 1)), TEncoding::Utf8);
  EXPECT_FALSE(gkconv::IsValidUtf8("\xED\xA0\x80"));  // a surrogate
  EXPECT_FALSE(gkconv::IsValidUtf8("\xC0\xAF"));      // an overlong form
}

TEST(TextEncoding, ConvertsGbkAndGb18030BothWays) {
  std::string out;
  for (TEncoding chinese : {TEncoding::Gbk, TEncoding::Gb18030}) {
    gkconv::TTextConverter in(chinese, TEncoding::Utf8), back(TEncoding::Utf8, chinese);
    ASSERT_TRUE(in.Convert(kGbk, out)) << gkconv::EncodingName(chinese);
    EXPECT_EQ(out, kUtf8);
    ASSERT_TRUE(back.Convert(kUtf8, out));
    EXPECT_EQ(out, kGbk);
    ASSERT_TRUE(in.Convert("116.391,39.907", out));
    EXPECT_EQ(out, "116.391,39.907");
  }
}

TEST(TextEncoding, WritesCharactersBeyondGbkOnlyInGb18030) {
  if (!gkconv::FullGb18030()) GTEST_SKIP() << "this system has no GB18030 tables (code page 54936)";
  std::string out;
  // U+20000 (𠀀) has a four-byte GB18030 form and none in GBK.
  const std::string rare = "\xF0\xA0\x80\x80";
  gkconv::TTextConverter toGb18030(TEncoding::Utf8, TEncoding::Gb18030), toGbk(TEncoding::Utf8, TEncoding::Gbk);
  ASSERT_TRUE(toGb18030.Convert(rare, out));
  EXPECT_EQ(out, "\x95\x32\x82\x36");
  EXPECT_FALSE(toGbk.Convert(rare, out));
}

TEST(TextEncoding, RefusesTextThatIsNotValidInItsEncoding) {
  std::string out;
  gkconv::TTextConverter gbk(TEncoding::Gbk, TEncoding::Utf8), utf8(TEncoding::Utf8, TEncoding::Utf8);
  EXPECT_FALSE(gbk.Convert("\xB5", out));        // a lead byte without its trail
  EXPECT_FALSE(utf8.Convert(kGbk, out));
  EXPECT_TRUE(utf8.Convert(kUtf8, out));
  EXPECT_EQ(gkconv::EncodingFromName("CP936"), TEncoding::Gbk);
  EXPECT_EQ(gkconv::EncodingFromName("gb18030"), TEncoding::Gb18030);
  EXPECT_FALSE(gkconv::EncodingFromName("latin1"));
}

}  // namespace
