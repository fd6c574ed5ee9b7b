#pragma once
// Keyboard shortcuts: a virtual key with Shift, Ctrl and Alt bits, and their
// texts ("Ctrl+Shift+X"; reading ignores case, so "ctrl+shift+x" is the same).

#include <windows.h>

#include <string>
#include <string_view>

#include "toolkit/win/Types.h"

namespace tk {

using TShortCut = WORD;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
constexpr TShortCut scNone = 0;

TShortCut ShortCut(WORD key, TShiftState shift);
// scNone for a text that names no key or has an unknown modifier.
TShortCut TextToShortCut(std::string_view text);
std::string ShortCutToText(TShortCut shortCut);

}  // namespace tk
