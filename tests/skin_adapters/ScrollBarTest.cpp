// Skinned scroll bars: the thumb's arithmetic and the parts along a bar as a
// table, then a wrapped list box driven with real mouse input - the scroll
// messages it receives are logged with their arrival times.
#include <gtest/gtest.h>

#include <vector>

#include "AdapterFixture.h"
#include "ScrollRecorder.h"
#include "WindowTestSupport.h"
#include "skin/controls/adapters/vxEditWnd.h"
#include "skin/controls/adapters/vxScrollInteraction.h"
#include "toolkit/win/Application.h"

namespace {

using namespace adaptfix;
using skin::ScrollThumb;

SCROLLINFO Info(int nMin, int nMax, int page, int pos) {
  return SCROLLINFO{sizeof(SCROLLINFO), SIF_ALL, nMin, nMax, static_cast<UINT>(page), pos, 0};
}

TEST(ScrollThumbTest, SizesOffsetsAndPartsAlongTheBar) {
  struct Case {
    const char* name;
    SCROLLINFO si;
    int bar, arrow;
    int size, offset;
    bool half;
    std::vector<std::pair<int, skin::TvxScrollPart>> parts;  // distance along the bar -> part
  };
  const Case cases[] = {
      {"a page of a hundred rows at the top", Info(0, 99, 10, 0), 117, 17, 10, 0, false,
       {{0, skin::spFirstArrow}, {16, skin::spFirstArrow}, {17, skin::spThumb}, {26, skin::spThumb},
        {27, skin::spTrackAfter}, {99, skin::spTrackAfter}, {100, skin::spSecondArrow}, {117, skin::spNone}}},
      {"in the middle", Info(0, 99, 50, 25), 117, 17, 42, 20, false,
       {{20, skin::spTrackBefore}, {37, skin::spThumb}, {78, skin::spThumb}, {79, skin::spTrackAfter}}},
      {"at the end", Info(0, 99, 50, 50), 117, 17, 42, 40, false, {{56, skin::spTrackBefore}, {57, skin::spThumb}}},
      {"a thin thumb is held at the minimum", Info(0, 9999, 10, 0), 117, 17, 10, 0, false, {}},
      {"no page: the thumb is as long as an arrow", Info(0, 99, 0, 0), 117, 17, 17, 0, false, {}},
      {"bar narrower than two arrows: half-length arrows", Info(0, 99, 10, 50), 30, 17, 0, 0, true,
       {{0, skin::spFirstArrow}, {14, skin::spFirstArrow}, {15, skin::spSecondArrow}, {29, skin::spSecondArrow}}},
      {"empty range: no thumb, no track", Info(0, 0, 0, 0), 117, 17, 0, 0, false,
       {{17, skin::spNone}, {50, skin::spNone}, {100, skin::spSecondArrow}}},
      {"page larger than the range: no thumb", Info(0, 9, 20, 0), 117, 17, 166, 0, false, {{50, skin::spNone}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ScrollThumb t = ScrollThumb::Of(c.si, c.bar, c.arrow, 10);
    EXPECT_EQ(t.halfArrows, c.half);
    EXPECT_EQ(t.size, c.size);
    EXPECT_EQ(t.offset, c.offset);
    for (const auto& [along, part] : c.parts) EXPECT_EQ(t.PartAt(along), part) << "at " << along;
  }
}

TEST(ScrollThumbTest, ThumbAtTheTrackEndGivesTheLastPagePosition) {
  const SCROLLINFO si = Info(0, 99, 10, 0);
  const ScrollThumb t = ScrollThumb::Of(si, 117, 17, 10);
  EXPECT_EQ(ScrollThumb::PositionAt(si, t.trackLength - t.size, t.trackLength, t.size), 99 - 10 + 1);
  EXPECT_EQ(ScrollThumb::PositionAt(si, 0, t.trackLength, t.size), 0);
  EXPECT_EQ(ScrollThumb::PositionAt(Info(5, 5, 0, 5), 7, 83, 17), 12) << "an empty range moves by the offset itself";
}

class ScrollBarInputTest : public AdapterTest {
protected:
  void SetUp() override {
    AdapterTest::SetUp();
    list = PlaceListBox(20, 20, 160, 200);
    recorder = std::make_unique<ScrollRecorder>(*list);
    adapter->AddAllItems();
    ASSERT_NE(adapter->ItemOf(list), nullptr);
    wnd = dynamic_cast<skin::TvxScrollWnd*>(adapter->ItemOf(list)->Wrapper());
    ASSERT_NE(wnd, nullptr);
    RedrawWindow(list->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    testing_support::PumpPending();
    ASSERT_TRUE(wnd->VertBar().shown);
  }
  void TearDown() override {
    testing_support::LeftButtonUp();
    testing_support::PumpPending();
    recorder.reset();
    AdapterTest::TearDown();
  }
  POINT OnBar(int along) const { return adaptfix::OnBar(*wnd, wnd->VertBar(), along); }
  skin::ScrollThumb Thumb() const { return wnd->VertBar().Thumb(wnd->PaintTables()); }
  int Count(int code) const { return recorder->Count(code); }

  tk::TListBox* list = nullptr;
  skin::TvxScrollWnd* wnd = nullptr;
  std::unique_ptr<ScrollRecorder> recorder;
};

TEST_F(ScrollBarInputTest, HeldArrowScrollsOnceThenAfter300MsThenEvery55Ms) {
  const skin::ScrollThumb t = Thumb();
  testing_support::MoveMouseTo(OnBar(t.barLength - t.arrowLength / 2));
  testing_support::PumpPending();
  EXPECT_EQ(skin::TvxScrollInteraction::Current().hot, skin::spSecondArrow);
  // The hot part follows the mouse along the bar and goes when it leaves.
  testing_support::MoveMouseTo(OnBar(t.arrowLength / 2));
  ASSERT_TRUE(testing_support::PumpUntil([] { return skin::TvxScrollInteraction::Current().hot == skin::spFirstArrow; }));
  testing_support::MoveMouseTo(testing_support::ScreenPointOf(*form, 395, 295));
  ASSERT_TRUE(testing_support::PumpUntil([] { return skin::TvxScrollInteraction::Current().bar == nullptr; }));
  EXPECT_EQ(skin::TvxScrollInteraction::Current().hot, skin::spNone);
  testing_support::MoveMouseTo(OnBar(t.barLength - t.arrowLength / 2));
  testing_support::PumpPending();
  testing_support::LeftButtonDown();
  ASSERT_TRUE(testing_support::PumpUntil([&] { return Count(SB_LINEDOWN) >= 6; }));
  testing_support::LeftButtonUp();
  ASSERT_TRUE(testing_support::PumpUntil([&] { return Count(SB_ENDSCROLL) == 1; }));
  const std::vector<ScrollEvent> lines = recorder->Of(SB_LINEDOWN);
  // The repeat starts no earlier than 300 ms after the press; the timers of
  // the window system may be late under load but never early.
  EXPECT_GE(recorder->Ms(lines[0], lines[1]), 290.0);
  // The repeats follow a 55 ms period from the first repeat: a late tick
  // makes the next gap shorter, never the schedule earlier.
  for (std::size_t i = 2; i < lines.size(); ++i)
    EXPECT_GE(recorder->Ms(lines[1], lines[i]), 55.0 * double(i - 1) - 10.0) << "repeat " << i;
  // Repeats run at the short interval, not the first one's.
  const double average = recorder->Ms(lines[1], lines.back()) / double(lines.size() - 2);
  EXPECT_LT(average, 200.0);
  EXPECT_EQ(recorder->log.back().code, SB_ENDSCROLL);
  EXPECT_EQ(list->TopIndex(), static_cast<int>(lines.size()));
}

TEST_F(ScrollBarInputTest, TrackClickPagesAndEnds) {
  const skin::ScrollThumb t = Thumb();
  testing_support::MoveMouseTo(OnBar(t.arrowLength + t.offset + t.size + 5));
  testing_support::PumpPending();
  testing_support::LeftButtonDown();
  ASSERT_TRUE(testing_support::PumpUntil([&] { return Count(SB_PAGEDOWN) >= 1; }));
  testing_support::LeftButtonUp();
  ASSERT_TRUE(testing_support::PumpUntil([&] { return Count(SB_ENDSCROLL) == 1; }));
  const std::vector<ScrollEvent>& log = recorder->log;
  ASSERT_GE(log.size(), 2u);
  EXPECT_EQ(log.front().code, SB_PAGEDOWN);
  EXPECT_EQ(log.back().code, SB_ENDSCROLL);
  EXPECT_GT(list->TopIndex(), 0);
  EXPECT_EQ(skin::TvxScrollInteraction::Current().pressed, skin::spNone);
}

TEST_F(ScrollBarInputTest, ThumbDraggedToTheEndTracksThenSetsTheLastPage) {
  const SCROLLINFO si = wnd->VertBar().si;
  const skin::ScrollThumb t = Thumb();
  ASSERT_TRUE(t.HasThumb());
  testing_support::MoveMouseTo(OnBar(t.arrowLength + t.offset + t.size / 2));
  testing_support::PumpPending();
  testing_support::LeftButtonDown();
  ASSERT_TRUE(testing_support::PumpUntil([&] { return skin::TvxScrollInteraction::Current().tracking; }));
  for (int along = t.arrowLength + t.size; along <= t.barLength + 40; along += 15) {
    testing_support::MoveMouseTo(OnBar(along));
    testing_support::PumpPending();
  }
  const int last = si.nMax - static_cast<int>(si.nPage) + 1;
  const std::vector<ScrollEvent>& log = recorder->log;
  ASSERT_TRUE(testing_support::PumpUntil([&] { return !log.empty() && log.back().position == last; }));
  testing_support::LeftButtonUp();
  ASSERT_TRUE(testing_support::PumpUntil([&] { return Count(SB_ENDSCROLL) == 1; }));
  ASSERT_GE(log.size(), 3u);
  const ScrollEvent& track = log[log.size() - 3];
  EXPECT_EQ(track.code, SB_THUMBTRACK);
  EXPECT_EQ(track.position, last);
  EXPECT_EQ(log[log.size() - 2].code, SB_THUMBPOSITION);
  EXPECT_EQ(log[log.size() - 2].position, last);
  EXPECT_EQ(log.back().code, SB_ENDSCROLL);
  for (std::size_t i = 0; i + 2 < log.size(); ++i) EXPECT_EQ(log[i].code, SB_THUMBTRACK);
  EXPECT_EQ(list->TopIndex(), last);
}

TEST_F(ScrollBarInputTest, BarsShownOnlyWhereTheWindowHasRoom) {
  // A list box lower than a bar's thickness keeps no room for its
  // horizontal bar; a wide enough one shows its vertical bar.
  tk::TListBox* flat = PlaceListBox(200, 20, 160, GetSystemMetrics(SM_CYHSCROLL) + 2);
  SendMessageW(flat->Handle(), LB_SETHORIZONTALEXTENT, 600, 0);
  adapter->AddAllItems();
  auto* flatWnd = dynamic_cast<skin::TvxScrollWnd*>(adapter->ItemOf(flat)->Wrapper());
  ASSERT_NE(flatWnd, nullptr);
  SetWindowPos(flat->Handle(), nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
  EXPECT_FALSE(flatWnd->HorzBar().shown);
  EXPECT_TRUE(wnd->VertBar().shown);
  // The platform reserves no room of its own: the client area is the window
  // without its edges and the skinned bar.
  RECT client{};
  GetClientRect(list->Handle(), &client);
  EXPECT_EQ(client.right, list->Width() - wnd->edgeLeft - wnd->edgeRight - wnd->VertBar().Thickness());
}

}  // namespace
