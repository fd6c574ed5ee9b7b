#include <cstdio>

#include "sSkinWarning.h"

namespace skin {

void ShowPlatformSkinWarning(const std::string& text) { std::fprintf(stderr, "Warning: %s\n", text.c_str()); }

}  // namespace skin
