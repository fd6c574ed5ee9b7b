#include "toolkit/win/ControlCanvas.h"

namespace tk {

TControlCanvas::~TControlCanvas() {
  SetHandle(nullptr);
  if (measureDC_) DeleteDC(measureDC_);
}

void TControlCanvas::BeginPaint(HDC dc) {
  SetHandle(dc);
  painting_ = true;
}

void TControlCanvas::EndPaint() {
  SetHandle(nullptr);
  painting_ = false;
}

void TControlCanvas::CreateHandle() {
  if (!measureDC_) measureDC_ = CreateCompatibleDC(nullptr);
  SetHandle(measureDC_);
}

}  // namespace tk
