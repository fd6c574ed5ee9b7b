#pragma once
// Small skinned controls for the tests of the skin data: each owns a
// TsCommonData and does what every skinned class does with it - passes its
// messages to HandleCommonMessage first, answers through its own command
// table (the standard one plus a repaint on SCMD_PARENT_PAINTED and
// SCMD_REFRESH), and paints from its cache while skinned (windowed ones also
// on a print request). They record the
// skin commands they receive and count their cache rebuilds.

#include <windows.h>

#include <functional>
#include <vector>

#include "skin/controls/sCommonData.h"
#include "skin/controls/sControlKinds.h"
#include "toolkit/win/CustomControl.h"
#include "toolkit/win/Edit.h"
#include "toolkit/win/GraphicControl.h"

namespace ctlfix {

struct ReceivedCommand {
  WORD sub;
  WORD parameter;
  LPARAM lParam;
};

// What the test controls share: the record of skin commands and the way
// they paint their cache.
class TestSkinning {
public:
  TestSkinning(tk::TControl* owner, int kind);
  skin::TsCommonData data;
  std::vector<ReceivedCommand> commands;
  // The state painted; -1: hot when IsHot, else normal.
  int state = -1;
  skin::TsDisabledKind disabledKind = skin::dkBlended;
  // Drawn over the section at each rebuild.
  std::function<void(tk::Bitmap&)> content;
  int rebuilds = 0;
  int paints = 0;

  std::vector<WORD> Subs() const;
  int Count(WORD sub) const;
  bool Got(WORD sub) const { return Count(sub) > 0; }
  // Records a skin command, then the skin data reacts; true: answered.
  bool Handle(tk::TMessage& message);
  skin::TsCachePaint HowToPaint();
  // The cache life cycle on dc; false when it painted nothing.
  bool Paint(HDC dc);
};

class TTestSkinned : public tk::TCustomControl, public skin::TsSkinnedControl {
  TK_CLASS(TTestSkinned)
public:
  explicit TTestSkinned(tk::TComponent* owner, int kind = skin::kKindButton);
  skin::TsCommonData& SkinData() override { return skinning.data; }
  TestSkinning skinning;

protected:
  void WndProc(tk::TMessage& message) override;
  void PaintWindow(HDC dc) override;
};

class TTestSkinnedGraphic : public tk::TGraphicControl, public skin::TsSkinnedControl {
  TK_CLASS(TTestSkinnedGraphic)
public:
  explicit TTestSkinnedGraphic(tk::TComponent* owner, int kind = skin::kKindSpeedButton);
  skin::TsCommonData& SkinData() override { return skinning.data; }
  TestSkinning skinning;

protected:
  void WndProc(tk::TMessage& message) override;
  void Paint() override;
};

// An edit whose colours follow its section.
class TTestSkinnedEdit : public tk::TEdit, public skin::TsSkinnedControl {
  TK_CLASS(TTestSkinnedEdit)
public:
  explicit TTestSkinnedEdit(tk::TComponent* owner);
  skin::TsCommonData& SkinData() override { return skinning.data; }
  TestSkinning skinning;

protected:
  void WndProc(tk::TMessage& message) override;
};

// The command table of the test controls.
const skin::TsSkinCommandTable& TestCommandTable();

}  // namespace ctlfix
