// The gallery's panel, of the plain toolkit class: the adapter gives it the
// transparent-panel wrapper with the PANEL section, and its background on
// the screen is that section's picture (the wrapper's cache) around what
// the panel paints itself (its edge and its caption), in each internal skin.
#include <gtest/gtest.h>

#include "GalleryFixture.h"
#include "ScreenPixels.h"
#include "skin/controls/adapters/vxSizerWnd.h"
#include "toolkit/win/Panel.h"

namespace {

using galleryfix::GalleryTest;

TEST_F(GalleryTest, ThePanelIsWrappedAndShowsItsSection) {
  const std::vector<tk::TPanel*> panels = ControlsOf<tk::TPanel>();
  ASSERT_EQ(panels.size(), 1u);
  tk::TPanel* panel = panels[0];
  for (const char* skinName : {gallery::kEmberStyle, gallery::kGlacier}) {
    SCOPED_TRACE(skinName);
    form->UseSkin(skinName);
    testing_support::PumpPending();
    skin::TvxAdapterItem* item = form->Adapter() ? form->Adapter()->ItemOf(panel) : nullptr;
    ASSERT_NE(item, nullptr);
    auto* wrapper = dynamic_cast<skin::TvxTransPanelWnd*>(item->Wrapper());
    ASSERT_NE(wrapper, nullptr);
    EXPECT_EQ(wrapper->SkinData()->SkinSection(), "PANEL");
    RedrawWindow(panel->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    testing_support::PumpPending();
    const tk::Bitmap screen = ctlfix::CaptureWindow(panel->Handle());
    const tk::Bitmap* cache = wrapper->SkinData()->Cache();
    ASSERT_NE(cache, nullptr);
    ASSERT_EQ(cache->Width(), screen.Width());
    ASSERT_EQ(cache->Height(), screen.Height());
    // Inside the panel's one-pixel edge, above and below the caption's line.
    const int h = screen.Height(), captionTop = h / 2 - 10, captionBottom = h / 2 + 10;
    int looked = 0, differing = 0, sectionNotColour = 0;
    const int colour = static_cast<int>(GetSysColor(COLOR_BTNFACE));
    for (int y = 1; y < h - 1; ++y) {
      if (y >= captionTop && y < captionBottom) continue;
      for (int x = 1; x < screen.Width() - 1; ++x) {
        ++looked;
        differing += ctlfix::PixelOf(screen, x, y) != ctlfix::PixelOf(*cache, x, y);
        sectionNotColour += ctlfix::PixelOf(*cache, x, y) != colour;
      }
    }
    EXPECT_GT(looked, 1000);
    EXPECT_EQ(differing, 0);
    // The section is not the panel's own colour, so the test tells them apart.
    EXPECT_GT(sectionNotColour, 0);
  }
}

}  // namespace
