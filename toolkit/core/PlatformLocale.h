#pragma once
// The one locale fact the portable code needs from the platform. Implemented
// once for Linux builds (core/PlatformLocalePortable.cpp) and once for Windows
// (win/PlatformLocaleWin.cpp); the build picks one.
#include <string>

namespace tk {
std::string PlatformDecimalSeparator();
}
