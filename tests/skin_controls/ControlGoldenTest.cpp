// Every skinned control in each of its states, from both internal skins,
// against its reviewed reference picture. The pictures hold texts the window
// system draws: up to 2 % of a picture's pixels may differ by more than a
// few levels; everything else must match.
#include <gtest/gtest.h>

#include "ControlGolden.h"
#include "GoldenFiles.h"
#include "toolkit/win/Form.h"

namespace {

using namespace ctlfix;

class ControlGoldenTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() { made = MakeGoldenHost(host); }
  static void TearDownTestSuite() { tk::TComponent::Free(host.form); }
  static inline GoldenHost host;
  static inline bool made = false;
};

TEST_F(ControlGoldenTest, EveryControlInEveryStateMatchesItsReference) {
  ASSERT_TRUE(made) << "the form could not be brought to the front";
  for (const char* skin : kGoldenSkins) {
    UseGoldenSkin(host, skin);
    for (const ControlGoldenCase& c : ControlGoldenCases()) {
      SCOPED_TRACE(std::string(skin) + "/" + c.name);
      const tk::Bitmap got = PaintGoldenCase(host, c);
      const std::optional<tk::Bitmap> reference = paintfix::ReadPng(ControlGoldenPath(skin, c.name));
      ASSERT_TRUE(reference.has_value()) << "no reference picture; scripts/golden.sh paints them";
      const paintfix::PictureDifference d = paintfix::Compare(got, *reference, 8);
      const int area = got.Width() * got.Height();
      if (!d.sameSize || d.pixels > 0) paintfix::WritePng(ControlActualPath(skin, c.name), got);
      EXPECT_TRUE(d.sameSize);
      EXPECT_LE(d.beyond * 50, area) << d.beyond << " of " << area << " pixels differ; see "
                                     << ControlActualPath(skin, c.name);
    }
  }
}

}  // namespace
