// What the skinned menus draw beyond the skin's own look: the application's
// OnDrawItem handler on every kind of item, drawing on the item's own
// picture; the accelerators' underlines, hidden in a popup the window
// system opened without keyboard cues and on the menu line while the form
// hides them (asked of DrawText with DT_HIDEPREFIX, which Wine's DrawText
// does not honour: the options are checked, not the pixels); the pictures
// of a menu's image list and the glyph size it sets; right-to-left menus
// beside left-to-right ones.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "GalleryMenus.h"
#include "ScreenPixels.h"
#include "SkinnedFrameFixture.h"
#include "skin/forms/sKeyboardCues.h"
#include "skin/forms/sSkinableMenus.h"
#include "skin/paint/sBitmapOps.h"
#include "toolkit/win/ImgList.h"
#include "toolkit/win/Menus.h"

namespace {

using namespace formfix;
using skin::TsSkinableMenus;

constexpr COLORREF kMark = RGB(1, 2, 3);

tk::Bitmap Part(const tk::Bitmap& picture, const skin::TRect& r) {
  tk::Bitmap part(r.Width(), r.Height(), tk::PixelFormat::pf24bit);
  skin::CopyBitmapRect(part, 0, 0, picture, r);
  return part;
}

class MenuDrawingTest : public SkinnedFrameTest {
protected:
  void SetUp() override {
    SkinnedFrameTest::SetUp();
    menus_ = std::make_unique<gallery::TGalleryMenus>(*form, 10, 10);
    UseSkin("Glacier (internal)");
  }
  void TearDown() override {
    Menus().OnDrawItem = nullptr;
    menus_.reset();
    SkinnedFrameTest::TearDown();
  }
  TsSkinableMenus& Menus() { return TsSkinableMenus::Of(*manager); }
  std::unique_ptr<gallery::TGalleryMenus> menus_;
};

TEST_F(MenuDrawingTest, TheApplicationsDrawHandlerSeesEveryKindOfItemAndDrawsOnItsPicture) {
  struct Seen {
    tk::TObject* sender;
    RECT rect;
    tk::TOwnerDrawState state;
    skin::TsMenuItemType type;
  };
  std::vector<Seen> seen;
  Menus().OnDrawItem = [&](tk::TObject* sender, tk::TCanvas& canvas, const RECT& rect, tk::TOwnerDrawState state,
                           skin::TsMenuItemType type) {
    seen.push_back({sender, rect, state, type});
    SetPixelV(canvas.Handle(), rect.left, rect.top, kMark);
  };
  tk::TMenuItem& root = *menus_->ContextMenu().Items();
  tk::Bitmap picture;
  const std::vector<skin::TRect> places = Menus().PaintPopupTo(root, picture, 1);
  struct Case {
    const char* caption;
    skin::TsMenuItemType type;
    tk::TOwnerDrawState state;  // the flags the handler must see
    bool marked;                // its mark shows unchanged (a disabled item is blended)
  } cases[] = {
      {"-Form-", skin::smCaption, 0, true},
      {"&Copy", skin::smNormal, ODS_SELECTED, true},
      {"&Paste", skin::smNormal, ODS_GRAYED | ODS_DISABLED, false},
      {"-", skin::smDivider, 0, true},
      {"&Properties", skin::smNormal, 0, true},
  };
  ASSERT_EQ(seen.size(), std::size(cases));
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const Case& c = cases[i];
    SCOPED_TRACE(c.caption);
    const Seen& s = seen[i];
    EXPECT_EQ(s.sender, root.Items(static_cast<int>(i)));
    EXPECT_EQ(s.type, c.type);
    EXPECT_EQ(s.state, c.state);
    const skin::TRect& place = places[i];
    EXPECT_EQ(s.rect.left, 0);
    EXPECT_EQ(s.rect.top, 0);
    EXPECT_EQ(s.rect.right, place.Width()) << "the item's own picture, as wide as the item (no extra line here)";
    EXPECT_EQ(s.rect.bottom, place.Height());
    if (c.marked) {
      EXPECT_EQ(ctlfix::PixelOf(picture, place.Left, place.Top), static_cast<int>(kMark));
    }
  }
  // The menu line's items: drawn when the frame is painted.
  seen.clear();
  provider->RefreshFrame();
  tk::TMenuItem& bar = *menus_->MainMenu().Items();
  for (int i = 0; i < bar.Count(); ++i)
    EXPECT_TRUE(std::any_of(seen.begin(), seen.end(), [&](const Seen& s) { return s.sender == bar.Items(i); }))
        << bar.Items(i)->Caption();
  for (const Seen& s : seen) EXPECT_EQ(s.type, skin::smTopLine);
}

TEST_F(MenuDrawingTest, APopupItemsCaptionOptionsFollowItsStateAndReadingOrder) {
  auto* popup = tk::Create<tk::TPopupMenu>(form);
  auto* item = tk::Create<tk::TMenuItem>(form);
  popup->Items()->Add(item);
  struct Case {
    const char* caption;
    tk::TAlignment alignment;
    tk::TBiDiMode mode;
    tk::TOwnerDrawState state;
    UINT alignedAs;  // DT_LEFT, DT_CENTER or DT_RIGHT
    bool hidesPrefix;
    const char* drawn;
  } cases[] = {
      {"&Copy", tk::taLeftJustify, tk::bdLeftToRight, 0, DT_LEFT, false, "&Copy"},
      {"&Copy", tk::taLeftJustify, tk::bdLeftToRight, ODS_NOACCEL | ODS_SELECTED, DT_LEFT, true, "&Copy"},
      {"&Copy", tk::taCenter, tk::bdLeftToRight, 0, DT_CENTER, false, "&Copy"},
      {"&Copy", tk::taCenter, tk::bdRightToLeft, 0, DT_RIGHT, false, "&Copy"},
      {"&Copy", tk::taLeftJustify, tk::bdRightToLeft, ODS_NOACCEL, DT_RIGHT, true, "&Copy"},
      {"\bHelp", tk::taLeftJustify, tk::bdLeftToRight, 0, DT_RIGHT, false, "Help      "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.caption << ", alignment " << c.alignment << ", right to left "
                                      << (c.mode != tk::bdLeftToRight) << ", state " << c.state);
    item->SetCaption(c.caption);
    popup->SetBiDiMode(c.mode);
    Menus().Alignment = c.alignment;
    std::string text = item->Caption();
    const UINT format = Menus().ItemTextFormat(*item, c.state, text);
    EXPECT_EQ(format & (DT_LEFT | DT_CENTER | DT_RIGHT), c.alignedAs);
    EXPECT_EQ((format & DT_HIDEPREFIX) != 0, c.hidesPrefix);
    const UINT always = DT_EXPANDTABS | DT_SINGLELINE | DT_VCENTER | DT_NOCLIP;
    EXPECT_EQ(format & always, always);
    EXPECT_EQ(text, c.drawn);
  }
  Menus().Alignment = tk::taLeftJustify;
  EXPECT_EQ(Menus().TopItemTextFormat(0) & DT_HIDEPREFIX, 0u);
  EXPECT_NE(Menus().TopItemTextFormat(ODS_NOACCEL) & DT_HIDEPREFIX, 0u);
}

TEST_F(MenuDrawingTest, APopupItemsAcceleratorIsUnderlinedWithKeyboardCues) {
  tk::TMenuItem& root = *menus_->ContextMenu().Items();
  tk::TMenuItem& copy = *root.Items(1);
  tk::Bitmap plain, underlined;
  copy.SetCaption("Copy");
  const std::vector<skin::TRect> places = Menus().PaintPopupTo(root, plain);
  copy.SetCaption("&Copy");
  Menus().PaintPopupTo(root, underlined);
  EXPECT_GT(ctlfix::DifferingPixels(Part(underlined, places[1]), Part(plain, places[1])), 0);
  EXPECT_EQ(ctlfix::DifferingPixels(Part(underlined, places[2]), Part(plain, places[2])), 0);
}

// The user's keyboard-cue setting for a test, put back afterwards.
class KeyboardCuesSetting {
public:
  KeyboardCuesSetting() { SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &saved_, 0); }
  ~KeyboardCuesSetting() { Set(saved_ != FALSE); }
  void Set(bool alwaysShown) {
    SystemParametersInfoW(SPI_SETKEYBOARDCUES, 0, reinterpret_cast<PVOID>(static_cast<INT_PTR>(alwaysShown)), 0);
  }

private:
  BOOL saved_ = TRUE;
};

// Wine keeps no user-interface state for a window (WM_QUERYUISTATE answers
// 0 whatever was set): the form's state is what the test says, told to the
// form as the window system tells it.
class MenuLineCuesTest : public MenuDrawingTest {
protected:
  void SetUp() override {
    MenuDrawingTest::SetUp();
    formHides_ = false;
    skin::SetUIStateQuery([](HWND) -> LRESULT { return formHides_ ? UISF_HIDEACCEL : 0; });
    Menus().OnDrawItem = [this](tk::TObject* sender, tk::TCanvas&, const RECT&, tk::TOwnerDrawState state,
                                skin::TsMenuItemType) {
      if (sender == menus_->MainMenu().Items()->Items(0)) states_.push_back(state);
    };
  }
  void TearDown() override {
    skin::SetUIStateQuery(nullptr);
    MenuDrawingTest::TearDown();
  }
  void SetFormHides(bool hide) {
    formHides_ = hide;
    SendMessageW(form->Handle(), WM_UPDATEUISTATE, MAKEWPARAM(hide ? UIS_SET : UIS_CLEAR, UISF_HIDEACCEL), 0);
  }
  // The states the first item of the line was drawn in since the last call.
  std::vector<tk::TOwnerDrawState> TakeStates() { return std::exchange(states_, {}); }
  KeyboardCuesSetting cues_;
  std::vector<tk::TOwnerDrawState> states_;
  static inline bool formHides_ = false;
};

TEST_F(MenuLineCuesTest, TheMenuLinesItemsHideTheirUnderlinesWhileTheFormHidesKeyboardCues) {
  struct Case {
    bool cuesAlwaysShown;
    bool formHides;
    bool hidden;
  } cases[] = {{false, false, false}, {false, true, true}, {true, true, false}, {true, false, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "cues always shown " << c.cuesAlwaysShown << ", form hides " << c.formHides);
    cues_.Set(c.cuesAlwaysShown);
    SetFormHides(c.formHides);
    TakeStates();
    provider->RefreshFrame();
    const std::vector<tk::TOwnerDrawState> states = TakeStates();
    ASSERT_FALSE(states.empty());
    EXPECT_EQ((states.back() & ODS_NOACCEL) != 0, c.hidden);
    EXPECT_EQ((Menus().TopItemTextFormat(states.back()) & DT_HIDEPREFIX) != 0, c.hidden);
  }
}

TEST_F(MenuLineCuesTest, TheFormsStateChangeRepaintsTheMenuLineByItself) {
  cues_.Set(false);
  SetFormHides(false);
  provider->RefreshFrame();
  for (bool hide : {true, false}) {
    SCOPED_TRACE(hide ? "hiding" : "showing");
    TakeStates();
    SetFormHides(hide);  // no repaint asked for
    const std::vector<tk::TOwnerDrawState> states = TakeStates();
    ASSERT_FALSE(states.empty()) << "the line was painted again";
    EXPECT_EQ((states.back() & ODS_NOACCEL) != 0, hide);
  }
}

// A strip of solid pictures of an odd colour, to be found again by it.
constexpr COLORREF kPictureColor = RGB(3, 250, 7);
tk::Bitmap SolidPictures(int width, int height, int count) {
  tk::Bitmap strip(width * count, height);
  strip.Fill(kPictureColor);
  return strip;
}

// The leftmost and rightmost columns of a part of a picture holding the
// colour, or {-1, -1}.
std::pair<int, int> ColumnsOf(const tk::Bitmap& picture, const skin::TRect& r, COLORREF color) {
  int first = -1, last = -1;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x)
      if (ctlfix::PixelOf(picture, x, y) == static_cast<int>(color)) {
        if (first < 0 || x < first) first = x;
        last = std::max(last, x);
      }
  return {first, last};
}

// The bounds of the pixels where two pictures of one size differ inside a
// part (right and bottom inclusive), or all -1.
skin::TRect DifferingBounds(const tk::Bitmap& a, const tk::Bitmap& b, const skin::TRect& r) {
  skin::TRect bounds{-1, -1, -1, -1};
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x)
      if (ctlfix::PixelOf(a, x, y) != ctlfix::PixelOf(b, x, y)) {
        if (bounds.Left < 0 || x < bounds.Left) bounds.Left = x;
        if (bounds.Top < 0) bounds.Top = y;
        bounds.Right = std::max(bounds.Right, x);
        bounds.Bottom = y;
      }
  return bounds;
}

TEST_F(MenuDrawingTest, AMenusImageListSetsTheGlyphSizeAndDrawsTheItemsPictures) {
  auto* popup = tk::Create<tk::TPopupMenu>(form);
  auto* images = tk::Create<tk::TImageList>(form);
  images->SetSize(24, 40);
  images->AddStrip(SolidPictures(24, 40, 2));
  tk::TMenuItem* items[3];
  for (tk::TMenuItem*& item : items) {
    item = tk::Create<tk::TMenuItem>(form);
    item->SetCaption("Item");
    popup->Items()->Add(item);
  }
  items[0]->SetImageIndex(1);
  items[1]->SetImageIndex(7);  // not in the list: no picture, no failure
  auto measure = [&] {
    tk::Bitmap scratch(1, 1);
    tk::TBitmapCanvas canvas(scratch);
    int w = 0, h = 0;
    TsSkinableMenus::ResetPopupState();
    Menus().MeasureItem(*items[2], canvas, w, h);
    return std::pair{w, h};
  };
  const auto [plainWidth, plainHeight] = measure();
  popup->SetImages(images);
  const auto [width, height] = measure();
  EXPECT_EQ(height, 40 + 2 * Menus().Margin) << "the list's pictures are taller than a text row";
  EXPECT_EQ(width - plainWidth, 2 * (24 - 16)) << "the glyph's width counts twice";
  EXPECT_LT(plainHeight, height);
  tk::Bitmap picture;
  const std::vector<skin::TRect> places = Menus().PaintPopupTo(*popup->Items(), picture);
  const auto [first, last] = ColumnsOf(picture, places[0], kPictureColor);
  const int d = (places[0].Height() - 40) / 2;
  EXPECT_EQ(first, places[0].Left + d);
  EXPECT_EQ(last, places[0].Left + d + 23);
  EXPECT_EQ(ColumnsOf(picture, places[1], kPictureColor).first, -1);
  // A list freed under the menu is let go of.
  tk::TComponent::Free(images);
  EXPECT_EQ(popup->Images(), nullptr);
  EXPECT_EQ(measure(), (std::pair{plainWidth, plainHeight}));
}

TEST_F(MenuDrawingTest, RightToLeftMenusPutTheirTextAndPicturesAtTheRight) {
  auto* popup = tk::Create<tk::TPopupMenu>(form);
  auto* images = tk::Create<tk::TImageList>(form);
  images->AddStrip(SolidPictures(16, 16, 1));
  popup->SetImages(images);
  auto add = [&](const char* caption) {
    auto* item = tk::Create<tk::TMenuItem>(form);
    item->SetCaption(caption);
    popup->Items()->Add(item);
    return item;
  };
  tk::TMenuItem* pictured = add("Short");
  pictured->SetImageIndex(0);
  add("A much longer caption sets the width");
  struct Case {
    tk::TBiDiMode mode;
    bool middleEast;
    bool textRight;
    bool pictureRight;
  } cases[] = {
      {tk::bdLeftToRight, false, false, false},
      {tk::bdLeftToRight, true, false, false},
      {tk::bdRightToLeft, false, true, false},
      {tk::bdRightToLeft, true, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "right to left " << (c.mode != tk::bdLeftToRight) << ", Middle East "
                                      << c.middleEast);
    popup->SetBiDiMode(c.mode);
    TsSkinableMenus::SetMiddleEastSupport(c.middleEast);
    tk::Bitmap withText, withoutText;
    pictured->SetCaption("Short");
    const std::vector<skin::TRect> places = Menus().PaintPopupTo(*popup->Items(), withText);
    pictured->SetCaption("");
    Menus().PaintPopupTo(*popup->Items(), withoutText);
    pictured->SetCaption("Short");
    TsSkinableMenus::SetMiddleEastSupport(std::nullopt);
    const skin::TRect& row = places[0];
    const int middle = (row.Left + row.Right) / 2;
    const skin::TRect text = DifferingBounds(withText, withoutText, row);
    const int textFirst = text.Left, textLast = text.Right;
    ASSERT_GE(textFirst, 0) << "the caption shows";
    const int textStart = 16 + 2 * Menus().Margin + Menus().Spacing;
    if (c.textRight) {
      EXPECT_GT(textFirst, middle);
      EXPECT_LE(textLast, row.Right - textStart) << "it ends before the glyph column";
      EXPECT_GE(textLast, row.Right - textStart - 4) << "and right at it";
    } else {
      EXPECT_GE(textFirst, row.Left + textStart);
      EXPECT_LT(textLast, middle);
    }
    const auto [pictureFirst, pictureLast] = ColumnsOf(withText, row, kPictureColor);
    const int d = (row.Height() - 16) / 2;
    if (c.pictureRight) {
      EXPECT_EQ(pictureLast, row.Right - 1 - d);
    } else {
      EXPECT_EQ(pictureFirst, row.Left + d);
    }
    EXPECT_EQ(pictureLast - pictureFirst, 15);
  }
}

TEST_F(MenuDrawingTest, TheMenuLinePutsAnItemsPictureAtItsRightEndInARightToLeftMenu) {
  auto* images = tk::Create<tk::TImageList>(form);
  images->AddStrip(SolidPictures(16, 16, 1));
  tk::TMainMenu& menu = menus_->MainMenu();
  menu.SetImages(images);
  menu.Items()->Items(0)->SetImageIndex(0);
  for (tk::TBiDiMode mode : {tk::bdLeftToRight, tk::bdRightToLeft}) {
    SCOPED_TRACE(mode == tk::bdLeftToRight ? "left to right" : "right to left");
    menu.SetBiDiMode(mode);
    provider->RefreshFrame();
    RECT item{}, window{};
    ASSERT_TRUE(GetMenuItemRect(form->Handle(), menu.Handle(), 0, &item));
    GetWindowRect(form->Handle(), &window);
    OffsetRect(&item, -window.left, -window.top);
    const auto [first, last] =
        ColumnsOf(*provider->SkinData().Cache(), {item.left, item.top, item.right, item.bottom}, kPictureColor);
    if (mode == tk::bdLeftToRight)
      EXPECT_EQ(first, item.left + 3);
    else
      EXPECT_EQ(last, item.right - 1 - 3);
    EXPECT_EQ(last - first, 15);
  }
}

TEST_F(MenuDrawingTest, TheExtraLinesCaptionRunsUpwardsInItsBand) {
  manager->MenuSupport().UseExtraLine = true;
  std::string caption = "Gauss-Krueger zones";
  manager->OnGetMenuExtraLineData = [&](tk::TMenuItem*, std::string&, std::string& text, tk::Bitmap*&, bool&) {
    text = caption;
  };
  tk::TMenuItem& root = *menus_->ContextMenu().Items();
  tk::Bitmap with, without;
  Menus().PaintPopupTo(root, with);
  caption.clear();
  Menus().PaintPopupTo(root, without);
  const int border = Menus().SkinBorderWidth();
  const int width = manager->MenuSupport().ExtraLineWidth;
  const skin::TRect band{border, border, border + width, with.Height() - border};
  const skin::TRect text = DifferingBounds(with, without, band);
  ASSERT_GE(text.Left, 0) << "the caption shows";
  const int across = text.Right - text.Left + 1, along = text.Bottom - text.Top + 1;
  EXPECT_GT(along, 3 * across) << "a turned caption is long and narrow, " << across << " x " << along;
  EXPECT_GT(text.Left, band.Left) << "and stands inside its band";
  EXPECT_LT(text.Right, band.Right - 1);
  // Without a glyph it starts 12 pixels above the band's bottom.
  EXPECT_LE(text.Bottom, band.Bottom - 12);
  EXPECT_GE(text.Bottom, band.Bottom - 12 - 3);
}

}  // namespace
