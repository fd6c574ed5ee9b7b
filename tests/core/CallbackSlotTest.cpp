// Callbacks filled in by scoped registrations: the latest live one answers,
// and each registration removes exactly itself.

#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "toolkit/core/CallbackSlot.h"

namespace {

using Slot = tk::TCallbackSlot<int(int)>;

TEST(CallbackSlotTest, TheLatestLiveRegistrationAnswersWhicheverOrderTheyGo) {
  Slot slot;
  EXPECT_FALSE(slot);
  EXPECT_THROW(slot(1), std::bad_function_call);
  std::optional<Slot::Registration> layer = slot.Register([](int x) { return x + 1; });
  EXPECT_EQ(slot(1), 2);
  {
    const auto standIn = slot.Register([](int x) { return x * 10; });
    EXPECT_EQ(slot(1), 10) << "a test's stand-in hides the layer's callback";
  }
  EXPECT_EQ(slot(1), 2) << "and leaving its scope brings the layer's back, not an empty slot";

  // Out of order: the older registration goes first, the newer stays.
  std::optional<Slot::Registration> newer = slot.Register([](int x) { return -x; });
  layer.reset();
  EXPECT_EQ(slot(3), -3);
  newer.reset();
  EXPECT_FALSE(slot);
}

TEST(CallbackSlotTest, ARegistrationMovesAndMayOutliveItsSlot) {
  Slot::Registration kept;
  {
    Slot slot;
    Slot::Registration first = slot.Register([](int) { return 7; });
    kept = std::move(first);
    EXPECT_FALSE(first.Active());
    EXPECT_TRUE(kept.Active());
    EXPECT_EQ(slot(0), 7);
  }
  EXPECT_FALSE(kept.Active());
  kept.Reset();  // the slot is gone: nothing to remove, no harm
}

TEST(CallbackSlotTest, ACallbackThatRemovesItselfFinishesItsCall) {
  Slot slot;
  std::optional<Slot::Registration> self;
  int captured = 41;
  self = slot.Register([&self, captured](int) {
    self.reset();
    return captured + 1;  // still alive: the slot holds it for the call
  });
  EXPECT_EQ(slot(0), 42);
  EXPECT_FALSE(slot);
}

}  // namespace
