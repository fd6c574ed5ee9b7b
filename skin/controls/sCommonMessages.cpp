// The standard reactions of TsCommonData to ordinary window messages, which
// every skinned class runs before its own handling.
#include <windows.h>
#include <uxtheme.h>

#include <vector>

#include "sCommonData.h"
#include "sControlKinds.h"
#include "sSkinQueries.h"
#include "skin/data/sMaskData.h"
#include "skin/data/sSkinCommand.h"
#include "skin/data/sSkinGlobals.h"
#include "skin/data/sSkinManager.h"
#include "toolkit/win/WinControl.h"

namespace skin {

namespace {

std::vector<tk::TControl*> ChildrenOf(const tk::TWinControl& container) {
  std::vector<tk::TControl*> children;
  for (int i = 0; i < container.ControlCount(); ++i) children.push_back(container.Controls(i));
  return children;
}

}  // namespace

bool TsCommonData::HandleCommonMessage(tk::TMessage& message) {
  if (message.Msg == SM_VEXACMD) return HandleSkinCommand(message);
  tk::TWinControl* windowed = WindowedOwner();
  switch (message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      if (windowed && windowed->CanFocus() && windowed->TabStop()) {
        cacheStale = true;
        hasFocus = message.Msg == WM_SETFOCUS;
      }
      break;
    case tk::CM_ENABLEDCHANGED:
    case WM_FONTCHANGE:
      mouseInside = false;
      hasFocus = false;
      break;
    case WM_UPDATEUISTATE:
      // An unskinned control looks like the system's again.
      if (windowed && windowed->HandleAllocated() && !IsSkinned() && IsAppThemed())
        SetWindowTheme(windowed->Handle(), nullptr, nullptr);
      break;
    case WM_PARENTNOTIFY:
      if (windowed && LOWORD(message.WParam) == WM_CREATE) NotifyFormControlRefreshed(windowed);
      break;
    case tk::CM_MOUSEENTER:
      if (ownerControl_ && !ownerControl_->IsDesigning()) ReactToMouseEnter(message);
      break;
    case tk::CM_MOUSELEAVE:
      if (ownerControl_ && !ownerControl_->IsDesigning() && !IsNoHoverKind(controlKind)) mouseInside = false;
      break;
    case WM_MOVE:
      if (ownerControl_ && DependsOnParentBackground()) {
        tk::TMessage moved{SM_VEXACMD, SkinCommandWParam(SCMD_PARENT_MOVED, 1), 0, 0};
        ownerControl_->Deliver(moved);
      }
      break;
    case WM_SIZE: ReactToResize(); break;
    default: break;
  }
  return false;
}

void TsCommonData::ReactToMouseEnter(const tk::TMessage& message) {
  tk::TWinControl* windowed = WindowedOwner();
  if (!windowed || !DefaultManager) {
    if (!IsNoHoverKind(controlKind)) mouseInside = true;
    return;
  }
  // A speed button keeps its hot look until told; entering its container
  // from it is such a leave.
  const auto* named = reinterpret_cast<const tk::TControl*>(message.LParam);
  for (tk::TControl* child : ChildrenOf(*windowed)) {
    if (child == ownerControl_ || child == named || !windowed->ContainsControl(child)) continue;
    TsCommonData* data = SkinDataOf(child);
    if (data && data->controlKind == kKindSpeedButton && data->mouseInside)
      child->Perform(tk::CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(child));
  }
  if (!IsNoHoverKind(controlKind)) mouseInside = true;
  if (DefaultManager && windowed->HandleAllocated()) DefaultManager->SetHoveredControl(windowed->Handle());
}

void TsCommonData::ReactToResize() {
  if (!IsSkinned(false)) return;
  cacheStale = true;
  tk::TWinControl* windowed = WindowedOwner();
  const TsGeneralData* s = Section();
  if (!windowed || !s || s->GradientPercent <= 0) return;
  // A gradient stretches with its container: every child's background moved.
  for (tk::TControl* child : ChildrenOf(*windowed))
    if (windowed->ContainsControl(child) && !child->IsDestroying())
      SendSkinCommandToControl(child, SCMD_PARENT_MOVED, 0, 1);
}

}  // namespace skin
