#pragma once
// The skin data of a wrapped window that belongs to no toolkit control (a
// child window of a system dialog, a popup-menu window): its bounds, its
// parent and the parent's background come from the window system.

#include <windows.h>

#include "skin/controls/sCommonData.h"

namespace skin {

class TvxWindowSkinData : public TsCommonData {
public:
  explicit TvxWindowSkinData(HWND window);

  TRect OwnerBounds() const override;
  bool HasParent() const override;
  TColor ParentColor() const override;
  CacheInfo ParentCacheInfo() override;
  bool ParentVariesBackground() override;
  TColor ParentBackgroundColor() override;

private:
  HWND ParentWindow() const;
  HWND window_;
};

}  // namespace skin
