#pragma once
// Right-to-left reading of a control's text. Windows reads text right to
// left only where it supports Middle-Eastern languages (SM_MIDEASTENABLED);
// elsewhere a control's BiDiMode changes nothing.

#include <windows.h>

namespace tk {

enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };

// The system reads right to left (SM_MIDEASTENABLED).
bool SystemReadsRightToLeft();

// DrawText options of a control's text in that mode: on a system that reads
// right to left, every mode but bdLeftToRight reads right to left
// (DT_RTLREADING), and bdRightToLeft also mirrors the alignment (left and
// right swap, centred stays). Elsewhere the options are returned unchanged.
UINT DrawTextBiDiModeFlags(UINT flags, TBiDiMode mode, bool systemReadsRightToLeft);

}  // namespace tk
