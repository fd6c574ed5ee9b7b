#pragma once
// Which installed face draws a font. Layouts name faces of the machine they
// were designed on ("MS Sans Serif") together with a character set; where no
// installed face of that name covers the character set, a CJK character set
// gets an installed face that does, so Chinese captions never turn into boxes.
// The answer comes from asking GDI which faces exist (EnumFontFamiliesExW),
// never from guessing the platform.

#include <windows.h>

#include <string>

namespace tk {

// True when an installed face of exactly that name offers the character set
// (DEFAULT_CHARSET: any character set).
bool FontFaceExists(const std::wstring& face, BYTE charset);

// The face to put into the LOGFONT. Unchanged when the face exists with that
// character set, or when the character set is not a CJK one (GDI's own
// substitution then serves). Results are cached per (face, character set).
std::wstring ResolveFontFace(const std::wstring& face, BYTE charset);

}  // namespace tk
