#include "toolkit/core/StringList.h"
#include "toolkit/core/TextCase.h"

#include <gtest/gtest.h>

namespace {

TEST(StringList, SortIgnoresCaseAndKeepsDuplicatesInOrder) {
  tk::StringList l{"glacier", "Ember", "Blue", "ember", "Äpfel"};
  l.Sort();
  EXPECT_EQ(l.Items(), (std::vector<std::string>{"Blue", "Ember", "ember", "glacier", "Äpfel"}));
  EXPECT_EQ(l.IndexOf("EMBER"), 1);
  EXPECT_EQ(l.IndexOf("Ember "), -1);
}

TEST(StringList, TextSplitsAnyLineBreakAndJoinsWithCrLf) {
  tk::StringList l;
  l.SetText("a\r\nb\n\nc\rd");
  EXPECT_EQ(l.Items(), (std::vector<std::string>{"a", "b", "", "c", "d"}));
  EXPECT_EQ(l.Text(), "a\r\nb\r\n\r\nc\r\nd\r\n");
}

TEST(TextCase, OnlyAsciiLettersChangeCase) {
  EXPECT_EQ(tk::UpperCase("fBg.jpg ü"), "FBG.JPG ü");
  EXPECT_TRUE(tk::SameText("Options.DAT", "options.dat"));
  EXPECT_FALSE(tk::SameText("Options.dat", "Options.da"));
  EXPECT_LT(tk::CompareText("abc", "ABD"), 0);
  EXPECT_EQ(tk::Trim("  x y \t"), "x y");
}

}  // namespace
