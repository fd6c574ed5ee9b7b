// The standard answers of TsCommonData to the skin command message: one
// handler per sub-command, gathered into the standard table that every
// control class starts from.
#include <algorithm>
#include <vector>

#include "sCommonData.h"
#include "sSkinQueries.h"
#include "skin/data/sMaskData.h"
#include "skin/data/sSkinCommand.h"
#include "skin/data/sSkinManager.h"
#include "skin/paint/sPaintGlobals.h"
#include "toolkit/win/Application.h"
#include "toolkit/win/WinControl.h"

namespace skin {

class TsStandardSkinCommands {
public:
  static TsSkinCommandTable Build();

private:
  using M = tk::TMessage;
  static WORD Parameter(const M& m) { return SkinCommandParameter(m.WParam); }
  // A yes/no answer, given both ways: in lParam for a direct delivery and
  // as the result for a sender through the window system.
  static bool Answer(M& m, bool yes) {
    m.LParam = m.Result = yes ? 1 : 0;
    return true;
  }

  static bool SkinLoaded(TsCommonData& d, M& m) {
    if (!d.IsOwnManager(m.LParam)) return false;
    d.deferPaint = true;
    d.ResolveSectionIndexes();
    return true;
  }

  static bool SkinRemoved(TsCommonData& d, M& m) {
    if (!d.IsOwnManager(m.LParam)) return false;
    auto* sender = reinterpret_cast<TsSkinManager*>(m.LParam);
    if (sender && sender->IsDestroying() && d.customManager_ == sender) d.customManager_ = nullptr;
    d.sectionIndex = d.borderMaskIndex = d.patternIndex = d.hotPatternIndex = -1;
    d.deferPaint = true;
    if (d.cache_) d.ResizeCache(0, 0);
    if (d.OwnerIsEdit() && d.ownerControl_) {
      if (!d.customColor_) d.ownerControl_->SetColor(tk::clWindow);
      if (!d.customFont_) d.ownerControl_->Font().SetColor(tk::clWindowText);
    }
    return true;
  }

  static bool Refresh(TsCommonData& d, M& m) {
    if (!d.IsOwnManager(m.LParam)) return false;
    d.cacheStale = true;
    d.deferPaint = false;
    if (d.IsSkinned() && d.ownerControl_) {
      if (d.OwnerIsEdit()) d.ApplySectionColorsToEdit();
      if (d.WindowedOwner()) NotifyFormControlRefreshed(d.ownerControl_);
    }
    return true;
  }

  static bool GetCache(TsCommonData& d, M&) {
    CacheInfoReply.ready = false;
    // An empty cache (none built yet, or the skin removed) is nothing to copy from.
    if (d.cache_ && !d.cache_->Empty()) CacheInfoReply = {d.cache_.get(), 0, 0, true};
    return true;
  }

  static bool IsDeferred(TsCommonData& d, M& m) { return Answer(m, d.cacheStale || d.IsPaintDeferred()); }

  static bool StaleIfTransparent(TsCommonData& d, M& m) {
    if (Parameter(m) == 1 && d.IsSectionTransparent()) d.cacheStale = true;
    return true;
  }

  static bool IsBackgroundVaried(TsCommonData& d, M& m) {
    if (d.sectionIndex < 0) return false;
    const TsGeneralData* s = d.Section();
    if (!s) return false;
    tk::TWinControl* parent = d.ownerControl_ ? d.ownerControl_->Parent() : nullptr;
    if (s->Transparency == 100 && parent)
      return Answer(m, parent->HandleAllocated() && QuerySkinFlag(parent, SCMD_IS_BG_VARIED));
    return Answer(m, s->GradientPercent + s->ImagePercent > 0 || d.DependsOnParentBackground());
  }

  static bool ParentMoved(TsCommonData& d, M& m) {
    const bool depends = d.DependsOnParentBackground();
    d.cacheStale = d.cacheStale || depends;
    tk::TWinControl* windowed = d.WindowedOwner();
    if (!windowed) return true;
    if (Parameter(m) == 1 && windowed->HandleAllocated())
      RedrawWindow(windowed->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_NOERASE | RDW_NOINTERNALPAINT);
    if (depends) {
      std::vector<tk::TControl*> children;
      for (int i = 0; i < windowed->ControlCount(); ++i) children.push_back(windowed->Controls(i));
      for (tk::TControl* child : children)
        if (windowed->ContainsControl(child) && !child->IsDestroying())
          SendSkinCommandToControl(child, SCMD_PARENT_MOVED, 0, 0);
    }
    return true;
  }

  static bool BackgroundColor(TsCommonData& d, M&) {
    BackgroundColorReply = ColorBehindChildren(d);
    return true;
  }

  // What lies behind a child that has no cache to copy from.
  static TColor ColorBehindChildren(TsCommonData& d) {
    const TColor own = d.ownerControl_ ? static_cast<TColor>(tk::ColorToRGB(d.ownerControl_->Color())) : clFuchsia;
    const TsGeneralData* s = d.IsSkinned() ? d.Section() : nullptr;
    if (!s) return own;
    const int t = s->Transparency;
    if (t <= 0) return d.customColor_ ? own : static_cast<TColor>(s->Color);
    tk::TWinControl* parent = d.ownerControl_ ? d.ownerControl_->Parent() : nullptr;
    const TColor behind = parent ? GetBackgroundColorOf(parent) : own;
    if (t >= 100) return behind;
    // The weight t is taken in 256ths, as the painting's own blend does.
    TColor mixed = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
      const int p = (behind >> shift) & 0xFF, c = (s->Color >> shift) & 0xFF;
      const int channel = std::clamp((t * (p - c) + c * 256) >> 8, 0, 255);
      mixed |= channel << shift;
    }
    return mixed;
  }
};

TsSkinCommandTable TsStandardSkinCommands::Build() {
  using D = TsCommonData;
  TsSkinCommandTable t;
  t.Set(SCMD_SKIN_LOADED, &SkinLoaded)
      .Set(SCMD_SKIN_REMOVED, &SkinRemoved)
      .Set(SCMD_REFRESH, &Refresh)
      .Set(SCMD_GET_CACHE, &GetCache)
      .Set(SCMD_IS_SKINNED, [](D&, M& m) { return Answer(m, true); })
      .Set(SCMD_SET_DEFER, [](D& d, M& m) { return d.deferPaint = Parameter(m) == 1, true; })
      .Set(SCMD_SET_PAINT_NOW, [](D& d, M& m) { return d.paintNow = Parameter(m) == 1, true; })
      .Set(SCMD_IS_DEFERRED, &IsDeferred)
      .Set(SCMD_IS_CLIPPED, [](D& d, M& m) { return Answer(m, d.partlyClipped); })
      .Set(SCMD_STALE_IF_TRANSPARENT, &StaleIfTransparent)
      .Set(SCMD_SET_PAINTING_CHILD,
           [](D& d, M& m) { return d.paintingChild = reinterpret_cast<tk::TControl*>(m.LParam), true; })
      .Set(SCMD_SET_STALE, [](D& d, M&) { return d.cacheStale = true, true; })
      .Set(SCMD_IS_BG_VARIED, &IsBackgroundVaried)
      .Set(SCMD_PARENT_MOVED, &ParentMoved)
      .Set(SCMD_GET_BG_COLOR, &BackgroundColor)
      .Set(SCMD_SET_CLIPPED, [](D& d, M&) { return d.partlyClipped = true, true; })
      .Set(SCMD_GET_APPLICATION, [](D&, M& m) {
        m.Result = reinterpret_cast<LRESULT>(&tk::Application());
        return true;
      });
  return t;
}

const TsSkinCommandTable& TsSkinCommandTable::Standard() {
  static const TsSkinCommandTable table = TsStandardSkinCommands::Build();
  return table;
}

bool TsCommonData::HandleSkinCommand(tk::TMessage& message) { return commands_->Dispatch(*this, message); }

}  // namespace skin
