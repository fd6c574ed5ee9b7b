#include "SkinnedTestControls.h"

#include <algorithm>

#include "skin/data/sSkinCommand.h"

namespace ctlfix {

const skin::TsSkinCommandTable& TestCommandTable() {
  static const skin::TsSkinCommandTable table =
      skin::TsSkinCommandTable(skin::TsSkinCommandTable::Standard())
          .Set(skin::SCMD_PARENT_PAINTED,
               [](skin::TsCommonData& d, tk::TMessage&) {
                 if (!d.deferPaint || !d.OwnerControl()) return false;
                 d.deferPaint = false;
                 d.OwnerControl()->Invalidate();
                 return true;
               })
          .Extend(skin::SCMD_REFRESH, [](skin::TsCommonData& d, tk::TMessage& m) {
            if (d.IsOwnManager(m.LParam) && d.OwnerControl()) d.OwnerControl()->Invalidate();
          });
  return table;
}

TestSkinning::TestSkinning(tk::TControl* owner, int kind) : data(owner, true) {
  data.controlKind = kind;
  data.SetCommandTable(TestCommandTable());
}

std::vector<WORD> TestSkinning::Subs() const {
  std::vector<WORD> subs;
  for (const auto& c : commands) subs.push_back(c.sub);
  return subs;
}

int TestSkinning::Count(WORD sub) const {
  return static_cast<int>(std::count_if(commands.begin(), commands.end(), [&](const auto& c) { return c.sub == sub; }));
}

bool TestSkinning::Handle(tk::TMessage& message) {
  // The broadcasts' question whether it takes skin commands is not a command.
  if (message.Msg == skin::SM_VEXACMD && skin::SkinSubCommand(message.WParam) != skin::SCMD_IS_SKINNED)
    commands.push_back({skin::SkinSubCommand(message.WParam), skin::SkinCommandParameter(message.WParam), message.LParam});
  return data.HandleCommonMessage(message);
}

skin::TsCachePaint TestSkinning::HowToPaint() {
  skin::TsCachePaint how;
  how.state = state >= 0 ? state : (data.IsHot() ? 1 : 0);
  how.disabledKind = disabledKind;
  how.paintContent = [this](tk::Bitmap& cache) {
    ++rebuilds;
    if (content) content(cache);
  };
  return how;
}

bool TestSkinning::Paint(HDC dc) {
  ++paints;
  return data.PaintRequest(dc, HowToPaint());
}

TTestSkinned::TTestSkinned(tk::TComponent* owner, int kind) : TCustomControl(owner), skinning(this, kind) {
  SetTabStop(true);
}

void TTestSkinned::WndProc(tk::TMessage& message) {
  if (skinning.Handle(message)) return;
  // A print request is answered from the cache, as every skinned control does.
  if (message.Msg == WM_PRINT && message.WParam && skinning.data.IsSkinned()) {
    skinning.Paint(reinterpret_cast<HDC>(message.WParam));
    message.Result = 0;
    return;
  }
  TCustomControl::WndProc(message);
}

void TTestSkinned::PaintWindow(HDC dc) {
  if (skinning.data.IsSkinned())
    skinning.Paint(dc);
  else
    TCustomControl::PaintWindow(dc);
}

TTestSkinnedGraphic::TTestSkinnedGraphic(tk::TComponent* owner, int kind) : TGraphicControl(owner), skinning(this, kind) {}

void TTestSkinnedGraphic::WndProc(tk::TMessage& message) {
  if (skinning.Handle(message)) return;
  TGraphicControl::WndProc(message);
}

void TTestSkinnedGraphic::Paint() {
  if (skinning.data.IsSkinned()) skinning.Paint(Canvas().Handle());
}

TTestSkinnedEdit::TTestSkinnedEdit(tk::TComponent* owner) : TEdit(owner), skinning(this, skin::kKindNone) {
  skinning.data.SetSkinSection("EDIT");
}

void TTestSkinnedEdit::WndProc(tk::TMessage& message) {
  if (skinning.Handle(message)) return;
  TEdit::WndProc(message);
}

}  // namespace ctlfix
