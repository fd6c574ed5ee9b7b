#include "cli/TextEncoding.h"

#include <algorithm>
#include <cctype>

namespace gkconv {

std::string_view EncodingName(TEncoding encoding) {
  switch (encoding) {
    case TEncoding::Utf8: return "UTF-8";
    case TEncoding::Gbk: return "GBK";
    case TEncoding::Gb18030: return "GB18030";
  }
  return "?";
}

std::optional<TEncoding> EncodingFromName(std::string_view name) {
  std::string n;
  for (char c : name) n += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (n == "utf-8" || n == "utf8") return TEncoding::Utf8;
  if (n == "gbk" || n == "cp936" || n == "936" || n == "gb2312") return TEncoding::Gbk;
  if (n == "gb18030" || n == "cp54936" || n == "54936") return TEncoding::Gb18030;
  return std::nullopt;
}

bool IsValidUtf8(std::string_view text, bool allowCutEnd) {
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const auto* end = p + text.size();
  while (p < end) {
    const unsigned char c = *p;
    if (c < 0x80) {
      ++p;
      continue;
    }
    int length;
    unsigned char low = 0x80, high = 0xBF;  // range of the second byte
    if (c >= 0xC2 && c <= 0xDF) {
      length = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
      length = 3;
      if (c == 0xE0) low = 0xA0;
      if (c == 0xED) high = 0x9F;  // no surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
      length = 4;
      if (c == 0xF0) low = 0x90;
      if (c == 0xF4) high = 0x8F;
    } else {
      return false;
    }
    for (int k = 1; k < length; ++k) {
      if (p + k >= end) return allowCutEnd;
      const unsigned char b = p[k];
      if (k == 1 ? (b < low || b > high) : (b < 0x80 || b > 0xBF)) return false;
    }
    p += length;
  }
  return true;
}

TEncoding DetectEncoding(std::string_view sample) {
  if (sample.starts_with(kUtf8Bom)) return TEncoding::Utf8;
  return IsValidUtf8(sample, true) ? TEncoding::Utf8 : TEncoding::Gb18030;
}

bool TTextConverter::Convert(std::string_view text, std::string& out) {
  if (FFrom == FTo) {
    if (FFrom == TEncoding::Utf8 && !IsValidUtf8(text)) return false;
    out.assign(text);
    return true;
  }
  if (std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
    out.assign(text);
    return true;
  }
  return PlatformConvert(text, out);
}

}  // namespace gkconv
