#include "toolkit/win/FontMapper.h"

#include <array>
#include <map>
#include <utility>

namespace tk {

namespace {

struct EnumResult {
  bool found = false;
  std::wstring firstFace;
};

int CALLBACK CollectFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM param) {
  auto* result = reinterpret_cast<EnumResult*>(param);
  // Faces beginning with '@' are the vertical-writing twins of CJK faces.
  if (font->lfFaceName[0] == L'@') return 1;
  result->found = true;
  if (result->firstFace.empty()) result->firstFace = font->lfFaceName;
  return 1;
}

EnumResult Enumerate(const std::wstring& face, BYTE charset) {
  EnumResult result;
  LOGFONTW query{};
  query.lfCharSet = charset;
  lstrcpynW(query.lfFaceName, face.c_str(), LF_FACESIZE);
  HDC dc = GetDC(nullptr);
  EnumFontFamiliesExW(dc, &query, CollectFace, reinterpret_cast<LPARAM>(&result), 0);
  ReleaseDC(nullptr, dc);
  return result;
}

bool IsCjkCharset(BYTE charset) {
  return charset == GB2312_CHARSET || charset == CHINESEBIG5_CHARSET || charset == SHIFTJIS_CHARSET ||
         charset == HANGUL_CHARSET || charset == JOHAB_CHARSET;
}

// Faces known to draw each script well, best first: the system UI faces of
// Windows, then the free faces common on other systems.
const std::array<const wchar_t*, 8>& PreferredFaces(BYTE charset) {
  static const std::array<const wchar_t*, 8> simplified{
      L"Microsoft YaHei UI", L"Microsoft YaHei", L"SimSun", L"NSimSun",
      L"WenQuanYi Micro Hei", L"Noto Sans CJK SC", L"Droid Sans Fallback", L"SimHei"};
  static const std::array<const wchar_t*, 8> traditional{
      L"Microsoft JhengHei UI", L"Microsoft JhengHei", L"PMingLiU", L"MingLiU",
      L"WenQuanYi Micro Hei", L"Noto Sans CJK TC", L"Droid Sans Fallback", L"SimSun"};
  static const std::array<const wchar_t*, 8> japanese{
      L"Yu Gothic UI", L"Meiryo UI", L"MS UI Gothic", L"MS Gothic",
      L"Noto Sans CJK JP", L"WenQuanYi Micro Hei", L"Droid Sans Fallback", L"MS PGothic"};
  static const std::array<const wchar_t*, 8> korean{
      L"Malgun Gothic", L"Gulim", L"Dotum", L"Batang",
      L"Noto Sans CJK KR", L"UnDotum", L"WenQuanYi Micro Hei", L"Droid Sans Fallback"};
  switch (charset) {
    case CHINESEBIG5_CHARSET: return traditional;
    case SHIFTJIS_CHARSET: return japanese;
    case HANGUL_CHARSET:
    case JOHAB_CHARSET: return korean;
    default: return simplified;
  }
}

std::wstring Resolve(const std::wstring& face, BYTE charset) {
  if (!IsCjkCharset(charset)) return face;
  if (!face.empty() && Enumerate(face, charset).found) return face;
  for (const wchar_t* candidate : PreferredFaces(charset))
    if (Enumerate(candidate, charset).found) return candidate;
  // Any face at all that covers the script.
  EnumResult any = Enumerate(L"", charset);
  return any.found ? any.firstFace : face;
}

}  // namespace

bool FontFaceExists(const std::wstring& face, BYTE charset) { return !face.empty() && Enumerate(face, charset).found; }

std::wstring ResolveFontFace(const std::wstring& face, BYTE charset) {
  static std::map<std::pair<std::wstring, BYTE>, std::wstring> cache;
  auto key = std::make_pair(face, charset);
  auto it = cache.find(key);
  if (it != cache.end()) return it->second;
  std::wstring resolved = Resolve(face, charset);
  cache.emplace(std::move(key), resolved);
  return resolved;
}

}  // namespace tk
