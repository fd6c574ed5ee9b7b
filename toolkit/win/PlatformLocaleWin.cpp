#include <windows.h>

#include "../core/PlatformLocale.h"

namespace tk {

// Read on every call, so a change made in the regional settings while the
// tool runs applies to the next conversion.
std::string PlatformDecimalSeparator() {
  wchar_t buf[8] = {};
  const int len = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, buf, 8);
  if (len > 1) {
    char out[32];
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, buf, len - 1, out, sizeof out, nullptr, nullptr);
    if (bytes > 0) return std::string(out, static_cast<size_t>(bytes));
  }
  return ".";
}

}  // namespace tk
