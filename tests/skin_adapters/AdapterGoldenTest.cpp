// The wrapped list box and the scroll bar in each state, from both internal
// skins, against the reviewed reference pictures. The bars are our own
// pixels and must match exactly; the list box holds rows the window system
// draws: up to 2 % of its pixels may differ by more than a few levels.
#include <gtest/gtest.h>

#include "AdapterGolden.h"
#include "GoldenFiles.h"
#include "toolkit/win/Form.h"

namespace {

using namespace adaptfix;

class AdapterGoldenTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() { made = ctlfix::MakeGoldenHost(host); }
  static void TearDownTestSuite() { tk::TComponent::Free(host.form); }
  static inline ctlfix::GoldenHost host;
  static inline bool made = false;
};

TEST_F(AdapterGoldenTest, WrappedWindowsMatchTheirReferences) {
  ASSERT_TRUE(made) << "the form could not be brought to the front";
  for (const char* skin : ctlfix::kGoldenSkins) {
    ctlfix::UseGoldenSkin(host, skin);
    for (const AdapterGoldenCase& c : AdapterGoldenCases()) {
      SCOPED_TRACE(std::string(skin) + "/" + c.name);
      const tk::Bitmap got = PaintAdapterCase(host, c);
      const std::optional<tk::Bitmap> reference = paintfix::ReadPng(AdapterGoldenPath(skin, c.name));
      ASSERT_TRUE(reference.has_value()) << "no reference picture; scripts/golden.sh paints them";
      const paintfix::PictureDifference d = paintfix::Compare(got, *reference, c.hasText ? 8 : 0);
      if (!d.sameSize || d.pixels > 0) paintfix::WritePng(AdapterActualPath(skin, c.name), got);
      EXPECT_TRUE(d.sameSize);
      const int area = got.Width() * got.Height();
      if (c.hasText)
        EXPECT_LE(d.beyond * 50, area) << d.beyond << " of " << area << " pixels differ";
      else
        EXPECT_EQ(d.pixels, 0) << "see " << AdapterActualPath(skin, c.name);
    }
  }
}

}  // namespace
