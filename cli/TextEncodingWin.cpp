// Encoding conversion with the Windows code pages: 936 (GBK), 54936
// (GB18030) and UTF-8, through UTF-16.
#include "cli/TextEncoding.h"

#include <windows.h>

namespace gkconv {

namespace {
UINT CodePage(TEncoding encoding) {
  switch (encoding) {
    case TEncoding::Utf8: return CP_UTF8;
    case TEncoding::Gbk: return 936;
    // A system without the GB18030 tables (Wine, for one) still reads and
    // writes the GBK part of it, which is what Chinese Excel saves.
    case TEncoding::Gb18030: return IsValidCodePage(54936) ? 54936 : 936;
  }
  return CP_UTF8;
}
}  // namespace

bool FullGb18030() { return IsValidCodePage(54936) != 0; }

struct TTextConverter::TPlatform {
  std::wstring Wide;
};

TTextConverter::TTextConverter(TEncoding from, TEncoding to)
    : FFrom(from), FTo(to), FPlatform(std::make_unique<TPlatform>()) {}

TTextConverter::~TTextConverter() = default;

bool TTextConverter::PlatformConvert(std::string_view text, std::string& out) {
  if (text.empty()) {
    out.clear();
    return true;
  }
  const UINT from = CodePage(FFrom), to = CodePage(FTo);
  const int inLength = static_cast<int>(text.size());
  std::wstring& wide = FPlatform->Wide;
  int wideLength = MultiByteToWideChar(from, MB_ERR_INVALID_CHARS, text.data(), inLength, nullptr, 0);
  if (wideLength <= 0) return false;
  wide.resize(static_cast<size_t>(wideLength));
  MultiByteToWideChar(from, MB_ERR_INVALID_CHARS, text.data(), inLength, wide.data(), wideLength);

  // Code page 936 cannot write every character: ask whether it had to use
  // its default one. UTF-8 and 54936 take no such question (and write all).
  BOOL usedDefault = FALSE;
  BOOL* usedDefaultPtr = to == 936 ? &usedDefault : nullptr;
  const DWORD flags = to == 936 ? WC_NO_BEST_FIT_CHARS : WC_ERR_INVALID_CHARS;
  const int outLength = WideCharToMultiByte(to, flags, wide.data(), wideLength, nullptr, 0, nullptr, usedDefaultPtr);
  if (outLength <= 0 || usedDefault) return false;
  out.resize(static_cast<size_t>(outLength));
  WideCharToMultiByte(to, flags, wide.data(), wideLength, out.data(), outLength, nullptr, nullptr);
  return true;
}

}  // namespace gkconv
