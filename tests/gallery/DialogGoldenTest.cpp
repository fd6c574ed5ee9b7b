// The skinned message box against its reviewed reference pictures
// (dialogs-golden/): exactly equal but in the bands of its texts, which the
// window system draws and may shift by a pixel (there at most 2 % of those
// pixels may differ). A picture that differs is written next to the build
// (skin-dialogs-actual/); scripts/golden.sh makes new references and their
// contact sheet.
#include <gtest/gtest.h>

#include <optional>

#include "DialogGolden.h"
#include "GalleryFixture.h"
#include "GoldenFiles.h"
#include "skin/data/sSkinManager.h"
#include "toolkit/win/FontMapper.h"
#include "toolkit/win/Unicode.h"

namespace {

using namespace dialogfix;

bool InAny(const std::vector<RECT>& bands, int x, int y) {
  for (const RECT& b : bands)
    if (x >= b.left && x < b.right && y >= b.top && y < b.bottom) return true;
  return false;
}

class DialogGoldenTest : public galleryfix::GalleryTest {
protected:
  void SetUp() override {
    form->Manager().SetActive(true);
    GalleryTest::SetUp();
  }
};

TEST_F(DialogGoldenTest, MessageBoxMatchesItsReference) {
  // The references were drawn with Wine's own faces in the prefix; without
  // them the message font maps to another face and the box changes size.
  for (const wchar_t* face : {L"MS Sans Serif", L"Tahoma"})
    ASSERT_TRUE(tk::FontFaceExists(face, DEFAULT_CHARSET))
        << "the Wine prefix lacks Wine's own fonts (no " << tk::WideToUtf8(face) << "): run scripts/setup.sh";
  for (const DialogGoldenSkin& skin : DialogGoldenSkins()) {
    SCOPED_TRACE(skin.folder);
    const DialogPicture got = MessageBoxPicture(*form, skin);
    ASSERT_TRUE(got.taken);
    const std::string referencePath = DialogGoldenPath(skin, "message-box");
    const std::string actualPath = DialogActualPath(skin, "message-box");
    const std::optional<tk::Bitmap> reference = paintfix::ReadPng(referencePath);
    ASSERT_TRUE(reference) << "no reference " << referencePath;
    const paintfix::TextBandDifference d = paintfix::CompareOutsideText(
        got.picture, *reference, [&](int x, int y) { return InAny(got.textBands, x, y); });
    if (!d.Matches()) paintfix::WritePng(actualPath, got.picture);
    EXPECT_TRUE(d.sameSize) << "see " << actualPath;
    EXPECT_EQ(d.outside, 0) << "pixels of the skin's own drawing differ; see " << actualPath;
    EXPECT_LE(d.inside * 50, d.text) << d.inside << " text pixels of " << d.text << " differ; see " << actualPath;
  }
}

}  // namespace
