#include "NumberText.h"
#include "PlatformLocale.h"

namespace tk {

namespace {
std::string& Override() {
  static std::string value;
  return value;
}
}  // namespace

void SetDecimalSeparatorOverride(std::string separator) { Override() = std::move(separator); }

std::string DecimalSeparator() {
  if (!Override().empty()) return Override();
  return PlatformDecimalSeparator();
}

}  // namespace tk
