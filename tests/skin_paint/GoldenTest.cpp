// Every primitive painted from both internal skins, compared pixel for
// pixel with the reviewed references in golden/. A picture that differs is
// written next to the build (golden-actual/) for a look; scripts/golden.sh
// makes new references and their contact sheet.
#include <gtest/gtest.h>

#include "GoldenCases.h"
#include "GoldenFiles.h"

namespace {

using namespace paintfix;

TEST(Golden, PortablePrimitivesMatchTheirReferencesExactly) {
  int compared = 0;
  for (Skin s : kSkins)
    for (const GoldenCase& c : PortableGoldenCases()) {
      SCOPED_TRACE(std::string(SkinName(s)) + "/" + c.name);
      const GoldenResult r = PaintAndCompare(s, c);
      ASSERT_TRUE(r.referenceFound) << "no reference " << GoldenPath(s, c.name);
      EXPECT_TRUE(r.difference.sameSize) << "see " << r.actual;
      EXPECT_EQ(r.difference.pixels, 0) << "pixels differ, by up to " << r.difference.largest << "; see " << r.actual;
      ++compared;
    }
  EXPECT_EQ(compared, 2 * static_cast<int>(PortableGoldenCases().size()));
}

}  // namespace
