#pragma once
// TsMDIForm: the MDI area of an MDI parent form's skin provider. The
// provider paints the area (section "MDIAREA") into its cache where the MDI
// client window lies; the client window's wrapper (TvxMDIWnd) shows that
// part of the cache.

#include <windows.h>

#include <memory>

#include "toolkit/core/Bitmap.h"

namespace skin {

class TsSkinProvider;
class TvxMDIWnd;
struct TsFrameMetrics;

class TsMDIForm {
public:
  explicit TsMDIForm(TsSkinProvider& provider);
  ~TsMDIForm();
  TsMDIForm(const TsMDIForm&) = delete;
  TsMDIForm& operator=(const TsMDIForm&) = delete;

  // Wraps the MDI client window while the provider is skinned.
  void Connect();
  void Disconnect();
  // The whole frame is drawn again (caption, menu line, area).
  void Refresh();
  // The provider painted its frame: the client window shows the new area.
  void FramePainted();
  // The client window moved or changed its size in the form.
  void AreaMoved();
  // The MDI client window, or none.
  HWND ClientWindow() const;
  // The client window's wrapper, or none.
  TvxMDIWnd* Wrapper() const { return wrapper_.get(); }
  // Where the area lies in the window (window coordinates): the client
  // window's rectangle, which the form's aligned children leave it.
  RECT AreaRect(const TsFrameMetrics& fm) const;
  // Paints the area into the provider's cache.
  void PaintArea(tk::Bitmap& cache, const TsFrameMetrics& fm);

private:
  TsSkinProvider& provider_;
  std::unique_ptr<TvxMDIWnd> wrapper_;
};

}  // namespace skin
