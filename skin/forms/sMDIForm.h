#pragma once
// TsMDIForm: the MDI area of an MDI parent form's skin provider. The
// provider paints the area (section "MDIAREA") into its cache where the MDI
// client window lies; the client window shows that part of the cache.

#include <windows.h>

#include "toolkit/core/Bitmap.h"

namespace skin {

class TsSkinProvider;
struct TsFrameMetrics;

class TsMDIForm {
public:
  explicit TsMDIForm(TsSkinProvider& provider);
  ~TsMDIForm() { Disconnect(); }
  TsMDIForm(const TsMDIForm&) = delete;
  TsMDIForm& operator=(const TsMDIForm&) = delete;

  // Takes the MDI client window over while the provider is skinned.
  void Connect();
  void Disconnect();
  // The whole frame is drawn again (caption, menu line, area).
  void Refresh();
  // The MDI client window, or none.
  HWND ClientWindow() const;
  // Where the area lies in the window (window coordinates).
  RECT AreaRect(const TsFrameMetrics& fm) const;
  // Paints the area into the provider's cache.
  void PaintArea(tk::Bitmap& cache, const TsFrameMetrics& fm);

private:
  TsSkinProvider& provider_;
  bool connected_ = false;
};

}  // namespace skin
