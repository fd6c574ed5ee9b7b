#include "toolkit/win/LayoutScanner.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace tk {

namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

bool SameWord(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 32);
    if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 32);
    if (x != y) return false;
  }
  return true;
}

void AppendUtf8(std::string& out, std::uint32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

}  // namespace

bool IsIdentStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsIdentChar(char c) { return IsIdentStart(c) || (c >= '0' && c <= '9'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

void TLayoutScanner::Fail(const std::string& message) const { throw ELayoutError(message, line_, Column()); }

void TLayoutScanner::FailAt(const std::string& message, int line, int column) {
  throw ELayoutError(message, line, column);
}

void TLayoutScanner::Advance(std::size_t count) {
  for (std::size_t i = 0; i < count && pos_ < text_.size(); ++i) {
    if (text_[pos_] == '\n') {
      ++line_;
      lineStart_ = pos_ + 1;
    }
    ++pos_;
  }
}

void TLayoutScanner::SkipBlanks() {
  while (!AtEnd()) {
    const char c = Peek();
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
      Advance();
    } else if (c == '/' && Peek(1) == '/') {
      while (!AtEnd() && Peek() != '\n') Advance();
    } else {
      break;
    }
  }
}

void TLayoutScanner::SkipByteOrderMark() {
  if (text_.substr(pos_, 3) == "\xEF\xBB\xBF") Advance(3);
}

std::string TLayoutScanner::ReadIdent(const char* what) {
  SkipBlanks();
  if (!IsIdentStart(Peek())) Fail(std::string("expected ") + what);
  const std::size_t start = pos_;
  while (!AtEnd() && IsIdentChar(Peek())) Advance();
  return std::string(text_.substr(start, pos_ - start));
}

bool TLayoutScanner::PeekWord(std::string_view word) {
  SkipBlanks();
  if (text_.size() - pos_ < word.size()) return false;
  if (!SameWord(text_.substr(pos_, word.size()), word)) return false;
  return !IsIdentChar(Peek(word.size()));
}

void TLayoutScanner::Expect(char c, const char* what) {
  SkipBlanks();
  if (Peek() != c) Fail(std::string("expected ") + what);
  Advance();
}

// 'abc''d'#65'x' + 'y': pieces written without a gap between them, or
// joined by '+' (across lines too). Pieces with only blanks between them
// are separate values (list items).
std::string TLayoutScanner::ReadString() {
  std::string result;
  for (;;) {
    if (Peek() == '\'') {
      const int line = line_, column = Column();
      Advance();
      for (;;) {
        if (AtEnd() || Peek() == '\n' || Peek() == '\r') FailAt("the string has no closing quote", line, column);
        if (Peek() == '\'') {
          if (Peek(1) == '\'') {
            result += '\'';
            Advance(2);
            continue;
          }
          Advance();
          break;
        }
        result += Peek();
        Advance();
      }
    } else if (Peek() == '#') {
      Advance();
      if (!IsDigit(Peek())) Fail("expected a character code after '#'");
      std::uint32_t code = 0;
      while (IsDigit(Peek())) {
        code = code * 10 + static_cast<std::uint32_t>(Peek() - '0');
        if (code > 0x10FFFF) Fail("the character code is beyond Unicode");
        Advance();
      }
      if (code >= 0xD800 && code <= 0xDFFF) Fail("the character code is a lone surrogate");
      AppendUtf8(result, code);
    } else {
      // A '+' after blanks joins the next piece.
      const std::size_t save = pos_, saveLineStart = lineStart_;
      const int saveLine = line_;
      SkipBlanks();
      if (Peek() != '+') {
        pos_ = save;
        lineStart_ = saveLineStart;
        line_ = saveLine;
        return result;
      }
      Advance();
      SkipBlanks();
      if (Peek() != '\'' && Peek() != '#') Fail("expected a string after '+'");
    }
  }
}

namespace {

// What a character of binary data is: a digit's value, a blank, a line end
// or something else. One table look-up per character: the stored skin
// packages make up most of a layout's text.
constexpr signed char kHexBlank = -1, kHexLineEnd = -2, kHexOther = -3;

struct HexClasses {
  signed char of[256];
  constexpr HexClasses() : of() {
    for (int c = 0; c < 256; ++c) of[c] = kHexOther;
    for (int c = '0'; c <= '9'; ++c) of[c] = static_cast<signed char>(c - '0');
    for (int c = 'A'; c <= 'F'; ++c) of[c] = static_cast<signed char>(c - 'A' + 10);
    for (int c = 'a'; c <= 'f'; ++c) of[c] = static_cast<signed char>(c - 'a' + 10);
    of[static_cast<int>(' ')] = of[static_cast<int>('\t')] = of[static_cast<int>('\r')] = kHexBlank;
    of[static_cast<int>('\n')] = kHexLineEnd;
  }
};
constexpr HexClasses kHexClasses;

}  // namespace

void TLayoutScanner::ReadBinary(LayoutValue& value) {
  const int line = line_, column = Column();
  Advance();
  const std::size_t end = text_.find('}', pos_);
  if (end == std::string_view::npos) FailAt("the binary data has no closing '}'", line, column);
  // Written through a pointer into storage sized once for the most the
  // digits can give, then cut to what they gave.
  value.bytes.resize((end - pos_) / 2);
  std::uint8_t* out = value.bytes.data();
  const char* text = text_.data();
  int high = -1;
  while (pos_ < end) {
    const char c = text[pos_];
    const signed char kind = kHexClasses.of[static_cast<unsigned char>(c)];
    // The common case: two digits side by side make one byte.
    if (kind >= 0 && high < 0 && pos_ + 1 < end) {
      const signed char low = kHexClasses.of[static_cast<unsigned char>(text[pos_ + 1])];
      if (low >= 0) {
        *out++ = static_cast<std::uint8_t>(kind << 4 | low);
        pos_ += 2;
        continue;
      }
    }
    if (kind >= 0) {
      if (high < 0) {
        high = kind;
      } else {
        *out++ = static_cast<std::uint8_t>(high << 4 | kind);
        high = -1;
      }
    } else if (kind == kHexLineEnd) {
      ++line_;
      lineStart_ = pos_ + 1;
    } else if (kind == kHexOther) {
      Fail(std::string("'") + c + "' is not a hexadecimal digit");
    }
    ++pos_;
  }
  if (high >= 0) Fail("the binary data has an odd number of hexadecimal digits");
  value.bytes.resize(static_cast<std::size_t>(out - value.bytes.data()));
  Advance();  // '}'
}

void TLayoutScanner::ReadNumber(LayoutValue& value) {
  bool negative = false;
  if (Peek() == '-' || Peek() == '+') {
    negative = Peek() == '-';
    Advance();
    SkipBlanks();
  }
  if (Peek() == '$') {
    Advance();
    if (HexValue(Peek()) < 0) Fail("expected hexadecimal digits after '$'");
    std::uint64_t n = 0;
    while (HexValue(Peek()) >= 0) {
      if (n >> 60) Fail("the number is too large");
      n = n << 4 | static_cast<std::uint64_t>(HexValue(Peek()));
      Advance();
    }
    if (IsIdentChar(Peek())) Fail("unexpected character in the number");
    value.kind = LayoutValue::Kind::Integer;
    // $FFFFFFFF-style values are 32-bit patterns (colours, flags).
    value.integer = n <= 0xFFFFFFFFu ? static_cast<std::int64_t>(static_cast<std::int32_t>(n)) : static_cast<std::int64_t>(n);
    if (negative) value.integer = -value.integer;
    return;
  }
  if (!IsDigit(Peek())) Fail("expected digits");
  const std::size_t start = pos_;
  bool isFloat = false;
  while (IsDigit(Peek())) Advance();
  if (Peek() == '.' && IsDigit(Peek(1))) {
    isFloat = true;
    Advance();
    while (IsDigit(Peek())) Advance();
  }
  if (Peek() == 'e' || Peek() == 'E') {
    isFloat = true;
    Advance();
    if (Peek() == '+' || Peek() == '-') Advance();
    if (!IsDigit(Peek())) Fail("expected digits in the exponent");
    while (IsDigit(Peek())) Advance();
  }
  if (IsIdentChar(Peek())) Fail("unexpected character in the number");
  const std::string digits(text_.substr(start, pos_ - start));
  if (isFloat) {
    value.kind = LayoutValue::Kind::Float;
    value.number = std::strtod(digits.c_str(), nullptr);
    if (!std::isfinite(value.number)) Fail("the number is out of range");
    if (negative) value.number = -value.number;
    return;
  }
  value.kind = LayoutValue::Kind::Integer;
  std::uint64_t n = 0;
  for (char d : digits) {
    if (n > (std::numeric_limits<std::uint64_t>::max() - 9) / 10) Fail("the number is too large");
    n = n * 10 + static_cast<std::uint64_t>(d - '0');
  }
  if (n > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) Fail("the number is too large");
  value.integer = negative ? -static_cast<std::int64_t>(n) : static_cast<std::int64_t>(n);
}

}  // namespace tk
