#pragma once
// Text encodings of the files gkconv reads and writes: UTF-8 (with or without
// a byte-order mark) and the Chinese GBK / GB18030 that Chinese Excel uses
// when it saves CSV. Conversion is done by the platform: iconv natively,
// MultiByteToWideChar / WideCharToMultiByte with code pages 936 and 54936 on
// Windows. Lines are converted one at a time; ASCII lines, the common case of
// numeric point lists, pass through untouched.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace gkconv {

enum class TEncoding { Utf8, Gbk, Gb18030 };

std::string_view EncodingName(TEncoding encoding);
// "utf-8"/"utf8", "gbk"/"cp936", "gb18030"/"cp54936" (any case).
std::optional<TEncoding> EncodingFromName(std::string_view name);

inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// True when the text is well-formed UTF-8. A sequence cut short by the end
// of the text counts as well-formed when `allowCutEnd` (a sample of a file).
bool IsValidUtf8(std::string_view text, bool allowCutEnd = false);

// The encoding of a file from its first bytes: UTF-8 when they hold a BOM or
// are well-formed UTF-8, else GB18030 (which reads every GBK file).
TEncoding DetectEncoding(std::string_view sample);

// Whether the platform knows the whole of GB18030, its four-byte forms
// included. Without it (Wine has no code page 54936) GB18030 is read and
// written as its GBK part.
bool FullGb18030();

// One direction of conversion, reused for every line (one per thread).
class TTextConverter {
public:
  TTextConverter(TEncoding from, TEncoding to);
  ~TTextConverter();
  TTextConverter(const TTextConverter&) = delete;
  TTextConverter& operator=(const TTextConverter&) = delete;

  // Converts `text` into `out` (replacing its content). False when the text
  // is not valid in the source encoding or cannot be written in the target
  // one; `out` is then unspecified.
  bool Convert(std::string_view text, std::string& out);
  bool Identity() const { return FFrom == FTo; }

private:
  struct TPlatform;
  bool PlatformConvert(std::string_view text, std::string& out);
  TEncoding FFrom, FTo;
  std::unique_ptr<TPlatform> FPlatform;
};

}  // namespace gkconv
