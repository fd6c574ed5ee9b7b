// The table that answers the skin command: entries set, overridden,
// extended and removed by a class, dispatch by sub-command, and handlers
// bound to the owner's methods.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "skin/controls/sCommonData.h"
#include "skin/data/sSkinCommand.h"
#include "toolkit/win/GraphicControl.h"

namespace {

using skin::TsCommonData;
using skin::TsSkinCommandHandler;
using skin::TsSkinCommandTable;

tk::TMessage Command(WORD sub, WORD parameter = 0, LPARAM lParam = 0) {
  return {skin::SM_VEXACMD, skin::SkinCommandWParam(sub, parameter), lParam, 0};
}

class TOwner : public tk::TGraphicControl {
  TK_CLASS(TOwner)
public:
  explicit TOwner(tk::TComponent* owner) : TGraphicControl(owner) {}
  std::vector<std::string> calls;
  bool Stop(tk::TMessage& m) {
    calls.push_back("stop " + std::to_string(skin::SkinCommandParameter(m.WParam)));
    m.Result = 42;
    return true;
  }
};

TEST(SkinCommandTable, ClassesAddOverrideExtendAndRemoveEntries) {
  tk::ComponentPtr<TOwner> owner(tk::Create<TOwner>(nullptr));
  TsCommonData data(owner.get(), true);
  std::vector<std::string> log;

  const TsSkinCommandTable table =
      TsSkinCommandTable(TsSkinCommandTable::Standard())
          .Set(skin::SCMD_STOP_FADING, skin::OwnerMethod(&TOwner::Stop))
          .Override(skin::SCMD_SET_DEFER,
                    [&](TsCommonData& d, tk::TMessage& m, const TsSkinCommandHandler& standard) {
                      log.push_back("before " + std::to_string(d.deferPaint));
                      const bool answered = standard(d, m);
                      log.push_back("after " + std::to_string(d.deferPaint));
                      return answered;
                    })
          .Extend(skin::SCMD_SET_STALE, [&](TsCommonData& d, tk::TMessage&) {
            log.push_back("stale " + std::to_string(d.cacheStale));
          })
          .Extend(skin::SCMD_PREPARE_CACHE, [&](TsCommonData&, tk::TMessage&) { log.push_back("prepare"); })
          .Remove(skin::SCMD_SET_CLIPPED);
  data.SetCommandTable(table);

  tk::TMessage stop = Command(skin::SCMD_STOP_FADING, 3);
  EXPECT_TRUE(data.HandleSkinCommand(stop));
  EXPECT_EQ(stop.Result, 42);
  EXPECT_EQ(owner->calls, std::vector<std::string>{"stop 3"});

  tk::TMessage defer = Command(skin::SCMD_SET_DEFER, 1);
  EXPECT_TRUE(data.HandleSkinCommand(defer));
  tk::TMessage stale = Command(skin::SCMD_SET_STALE);
  data.cacheStale = false;
  EXPECT_TRUE(data.HandleSkinCommand(stale));
  // An extension of a sub-command without a standard answer runs and answers nothing.
  tk::TMessage prepare = Command(skin::SCMD_PREPARE_CACHE);
  EXPECT_FALSE(data.HandleSkinCommand(prepare));
  EXPECT_EQ(log, (std::vector<std::string>{"before 0", "after 1", "stale 1", "prepare"}));

  data.partlyClipped = false;
  tk::TMessage clipped = Command(skin::SCMD_SET_CLIPPED);
  EXPECT_FALSE(data.HandleSkinCommand(clipped));
  EXPECT_FALSE(data.partlyClipped) << "removed from this class's table";

  // The standard table itself is untouched.
  data.SetCommandTable(TsSkinCommandTable::Standard());
  EXPECT_TRUE(data.HandleSkinCommand(clipped));
  EXPECT_TRUE(data.partlyClipped);
  tk::TMessage stopAgain = Command(skin::SCMD_STOP_FADING);
  EXPECT_FALSE(data.HandleSkinCommand(stopAgain));
  EXPECT_EQ(owner->calls.size(), 1u);
}

TEST(SkinCommandTable, DispatchIgnoresOtherMessagesAndNumbersBeyondTheTable) {
  tk::ComponentPtr<TOwner> owner(tk::Create<TOwner>(nullptr));
  TsCommonData data(owner.get(), true);
  int calls = 0;
  TsSkinCommandTable table;
  table.Set(skin::SCMD_IS_SKINNED, [&](TsCommonData&, tk::TMessage&) { return ++calls, true; });
  tk::TMessage notSkin{WM_USER, skin::SkinCommandWParam(skin::SCMD_IS_SKINNED), 0, 0};
  EXPECT_FALSE(table.Dispatch(data, notSkin));
  tk::TMessage beyond = Command(TsSkinCommandTable::kLastSubCommand + 1);
  EXPECT_FALSE(table.Dispatch(data, beyond));
  tk::TMessage skinned = Command(skin::SCMD_IS_SKINNED);
  EXPECT_TRUE(table.Dispatch(data, skinned));
  EXPECT_EQ(calls, 1);
  EXPECT_THROW(table.Set(TsSkinCommandTable::kLastSubCommand + 1, nullptr), std::out_of_range);
  EXPECT_EQ(table.Find(skin::SCMD_REFRESH), nullptr);
  EXPECT_NE(TsSkinCommandTable::Standard().Find(skin::SCMD_REFRESH), nullptr);
}

TEST(SkinCommandTable, AMethodOfAnotherClassDeclines) {
  tk::ComponentPtr<tk::TGraphicControl> other(tk::Create<tk::TGraphicControl>(nullptr));
  TsCommonData data(other.get(), true);
  TsSkinCommandTable table;
  table.Set(skin::SCMD_STOP_FADING, skin::OwnerMethod(&TOwner::Stop));
  data.SetCommandTable(table);
  tk::TMessage stop = Command(skin::SCMD_STOP_FADING);
  EXPECT_FALSE(data.HandleSkinCommand(stop));
  EXPECT_EQ(stop.Result, 0);
}

}  // namespace
