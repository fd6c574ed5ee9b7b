#pragma once
// The one warning the skin loader shows the user (a package that is not a
// skin package). Who shows it is replaceable: on Windows a warning message
// box, elsewhere a line on stderr; tests and fuzz targets install their own.

#include <functional>
#include <string>

namespace skin {

using TsSkinWarningHandler = std::function<void(const std::string& text)>;

// Installs a handler (an empty one restores the platform's) and returns the
// previous one.
TsSkinWarningHandler SetSkinWarningHandler(TsSkinWarningHandler handler);
void ShowSkinWarning(const std::string& text);

// The platform's own way of showing the warning.
void ShowPlatformSkinWarning(const std::string& text);

}  // namespace skin
