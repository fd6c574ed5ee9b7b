#include "sCustomLabel.h"

#include "sSectionToDC.h"
#include "sSkinQueries.h"
#include "skin/data/sSkinCommand.h"
#include "skin/data/sSkinGlobals.h"
#include "skin/data/sSkinManager.h"
#include "skin/paint/sColorTools.h"
#include "skin/paint/sPaintGlobals.h"
#include "toolkit/core/TextCase.h"
#include "toolkit/win/WinControl.h"

namespace skin {

bool PaintingLabel = false;

namespace {

bool DefaultSkinActive() { return DefaultManager && DefaultManager->SkinData().Active; }

}  // namespace

TsCustomLabel::TsCustomLabel(tk::TComponent* owner) : TCustomLabel(owner) { SetTransparent(true); }

void TsCustomLabel::SetSkinSection(std::string_view section) {
  const std::string upper = tk::UpperCase(section);
  if (upper == skinSection_) return;
  skinSection_ = upper;
  Invalidate();
}

tk::TFont& TsCustomLabel::GetCurrentFont() {
  if (!FollowsSkinColor() || !DefaultSkinActive()) return Font();
  const TColor global = DefaultManager->Tables().GlobalFontColor();
  if (global == clFuchsia) return Font();
  if (Font().Color() != global) Font().SetColor(global);
  return Font();
}

void TsCustomLabel::Paint() {
  if (!PaintingLabel) {
    PaintingLabel = true;
    try {
      GetCurrentFont();
    } catch (...) {
      PaintingLabel = false;
      throw;
    }
    PaintingLabel = false;
  }
  if (!skinSection_.empty() && DefaultSkinActive()) {
    const int index = DefaultManager->Tables().IndexOfSection(skinSection_);
    if (index > 0 && Parent()) {
      CacheInfoReply.ready = false;
      SendSkinCommandToControl(Parent(), SCMD_GET_CACHE, 0);
      const CacheInfo parentCache = CacheInfoReply;
      PaintSectionToDC(index, skinSection_, parentCache, DefaultManager, Canvas().Handle(), {Left(), Top()},
                       {0, 0, Width(), Height()}, 0, true);
    }
  }
  TCustomLabel::Paint();
}

void TsCustomLabel::DoDrawText(RECT& rect, UINT flags) {
  if (Enabled() || !DefaultSkinActive()) {
    TCustomLabel::DoDrawText(rect, flags);
    return;
  }
  std::string text = Text();
  if ((flags & DT_CALCRECT) && (text.empty() || (ShowAccelChar() && text == "&"))) text += " ";
  if (!ShowAccelChar()) flags |= DT_NOPREFIX;
  tk::TCanvas& canvas = Canvas();
  canvas.Font().Assign(Font());
  canvas.Brush().SetStyle(tk::bsClear);
  const TColor behind = Parent() ? GetBackgroundColorOf(Parent()) : static_cast<TColor>(tk::ColorToRGB(Color()));
  canvas.Font().SetColor(MixColors(static_cast<TColor>(tk::ColorToRGB(Font().Color())), behind, 0.4));
  canvas.DrawText(text, rect, flags);
}

void TsCustomLabel::WndProc(tk::TMessage& message) {
  switch (message.Msg) {
    case tk::CM_FONTCHANGED:
      if (PaintingLabel) return;
      break;
    case tk::CM_MOUSEENTER:
      if (OnMouseEnter) OnMouseEnter(this);
      break;
    case tk::CM_MOUSELEAVE:
      TCustomLabel::WndProc(message);
      if (OnMouseLeave) OnMouseLeave(this);
      return;
    case SM_VEXACMD:
      if (SkinSubCommand(message.WParam) == SCMD_SKIN_REMOVED &&
          message.LParam == reinterpret_cast<LPARAM>(DefaultManager) && FollowsSkinColor()) {
        Font().SetColor(tk::clWindowText);
        return;
      }
      break;
    default: break;
  }
  TCustomLabel::WndProc(message);
}

}  // namespace skin
