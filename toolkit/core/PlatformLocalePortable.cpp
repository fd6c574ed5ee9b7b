#include "PlatformLocale.h"

namespace tk {
// The portable build has no user locale of its own: the tool's texts use ".".
std::string PlatformDecimalSeparator() { return "."; }
}  // namespace tk
