#pragma once
// The system dialogs the gallery opens: a message box, the file-open
// dialog and the colour dialog, each owned by the given window. While a
// skin is applied the dialog skinning adopts them; until then they come up
// as the platform draws them.

#include <windows.h>

#include <string>

namespace gallery {

// The button that closed it (IDOK, IDCANCEL).
int ShowMessageBox(HWND owner);
// The chosen file's path, empty when the dialog was cancelled.
std::wstring ChooseFileToOpen(HWND owner);
// The chosen colour, or -1 when the dialog was cancelled.
long ChooseColour(HWND owner, COLORREF initial);

}  // namespace gallery
