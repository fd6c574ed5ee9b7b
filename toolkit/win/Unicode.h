#pragma once
// The toolkit keeps every text in UTF-8; Win32 wants UTF-16. These two
// conversions sit exactly at that boundary. Invalid input never fails: a
// broken sequence becomes U+FFFD, as the system's own converter does.

#include <string>
#include <string_view>

namespace tk {

std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);

}  // namespace tk
