#include <cstdio>
#include <memory>

#include "Streams.h"

namespace tk {

namespace {

#ifdef _WIN32
// File names are UTF-8 in the portable code; the C runtime of Windows wants
// UTF-16 for anything beyond the ANSI code page.
std::wstring Utf8ToWide(const std::string& text) {
  std::wstring out;
  for (std::size_t i = 0; i < text.size();) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    std::uint32_t cp = 0xFFFD;
    std::size_t extra = 0;
    if (c < 0x80) cp = c;
    else if ((c & 0xE0) == 0xC0) { cp = c & 0x1F; extra = 1; }
    else if ((c & 0xF0) == 0xE0) { cp = c & 0x0F; extra = 2; }
    else if ((c & 0xF8) == 0xF0) { cp = c & 0x07; extra = 3; }
    ++i;
    for (std::size_t k = 0; k < extra; ++k, ++i) {
      if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) { cp = 0xFFFD; break; }
      cp = (cp << 6) | (static_cast<unsigned char>(text[i]) & 0x3F);
    }
    if (cp >= 0x10000 && cp <= 0x10FFFF) {
      cp -= 0x10000;
      out.push_back(static_cast<wchar_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<wchar_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      out.push_back(static_cast<wchar_t>(cp > 0x10FFFF ? 0xFFFD : cp));
    }
  }
  return out;
}

std::FILE* OpenForReading(const std::string& fileName) {
  return _wfopen(Utf8ToWide(fileName).c_str(), L"rb");
}
#else
std::FILE* OpenForReading(const std::string& fileName) { return std::fopen(fileName.c_str(), "rb"); }
#endif

}  // namespace

bool ReadWholeFile(const std::string& fileName, std::vector<std::uint8_t>& bytes) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(OpenForReading(fileName), &std::fclose);
  if (!f) return false;
  bytes.clear();
  std::uint8_t buffer[65536];
  for (;;) {
    const std::size_t n = std::fread(buffer, 1, sizeof buffer, f.get());
    bytes.insert(bytes.end(), buffer, buffer + n);
    if (n < sizeof buffer) return std::ferror(f.get()) == 0;
  }
}

}  // namespace tk
