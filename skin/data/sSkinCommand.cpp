#include "sSkinCommand.h"

#include <vector>

#include "toolkit/win/WinControl.h"

namespace skin {

namespace {
bool IsWindowed(tk::TControl* control) { return dynamic_cast<tk::TWinControl*>(control) != nullptr; }
}  // namespace

LRESULT SendSkinCommand(HWND window, WORD subCommand, LPARAM lParam, WORD parameter) {
  return SendMessageW(window, SM_VEXACMD, SkinCommandWParam(subCommand, parameter), lParam);
}

LRESULT SendSkinCommandToControl(tk::TControl* control, WORD subCommand, LPARAM lParam, WORD parameter) {
  if (!control) return 0;
  if (auto* windowed = dynamic_cast<tk::TWinControl*>(control)) {
    if (windowed->IsDestroying() || !windowed->HandleAllocated()) return 0;
    return SendSkinCommand(windowed->Handle(), subCommand, lParam, parameter);
  }
  tk::TMessage m{SM_VEXACMD, SkinCommandWParam(subCommand, parameter), lParam, 0};
  control->Deliver(m);
  return m.Result;
}

bool QuerySkinFlag(tk::TControl* control, WORD subCommand) {
  if (!control) return false;
  tk::TMessage m{SM_VEXACMD, SkinCommandWParam(subCommand), 0, 0};
  control->Deliver(m);
  if (m.LParam == 1) return true;
  auto* windowed = dynamic_cast<tk::TWinControl*>(control);
  if (!windowed || !windowed->HandleAllocated() || windowed->IsDestroying()) return false;
  return SendMessageW(windowed->Handle(), SM_VEXACMD, m.WParam, m.LParam) == 1;
}

bool QueryWindowSkinFlag(HWND window, WORD subCommand) {
  return window && SendMessageW(window, SM_VEXACMD, SkinCommandWParam(subCommand), 0) == 1;
}

void BroadcastToChildren(tk::TWinControl* container, const tk::TMessage& message) {
  if (!container) return;
  // A child may go away while it handles the message: walk a copy and skip
  // those no longer there.
  std::vector<tk::TControl*> children;
  for (int i = 0; i < container->ControlCount(); ++i) children.push_back(container->Controls(i));
  for (tk::TControl* child : children) {
    if (!child || !container->ContainsControl(child) || child->IsDestroying()) continue;
    try {
      if (!IsWindowed(child)) {
        tk::TMessage copy = message;
        child->Deliver(copy);
      } else if (QuerySkinFlag(child, SCMD_IS_SKINNED)) {
        auto* windowed = static_cast<tk::TWinControl*>(child);
        if (windowed->HandleAllocated()) SendMessageW(windowed->Handle(), message.Msg, message.WParam, message.LParam);
      } else {
        BroadcastToChildren(static_cast<tk::TWinControl*>(child), message);
      }
    } catch (...) {
      // One control's failure must not keep the others from the news.
    }
  }
}

}  // namespace skin
