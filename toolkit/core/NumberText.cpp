#include "NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <system_error>

namespace tk {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Shortest digit string (no trailing zeros) and decimal exponent of |value|
// rounded to 15 significant digits: |value| ~= 0.d1d2d3... * 10^(exp+1).
struct Digits15 {
  char digits[16];
  int count;
  int exponent;  // value = d1.d2d3... * 10^exponent
};

Digits15 RoundTo15(double magnitude) {
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, 14);
  *res.ptr = '\0';
  Digits15 d{};
  const char* p = buf;
  d.digits[d.count++] = *p++;
  if (*p == '.') {
    ++p;
    while (IsDigit(*p)) d.digits[d.count++] = *p++;
  }
  // *p == 'e'
  ++p;
  d.exponent = std::atoi(p);
  while (d.count > 1 && d.digits[d.count - 1] == '0') --d.count;
  return d;
}

// The validated ASCII copy of a number that from_chars reads: on the stack
// for every length a field realistically holds, on the heap only beyond.
class AsciiNumber {
public:
  explicit AsciiNumber(size_t maxLength)
      : data_(maxLength < sizeof small_ ? small_ : (large_.resize(maxLength + 1), large_.data())) {}
  void push_back(char c) { data_[size_++] = c; }
  const char* data() const { return data_; }
  size_t size() const { return size_; }
  const char* c_str() {
    data_[size_] = '\0';
    return data_;
  }

private:
  char small_[64];
  std::string large_;
  char* data_;
  size_t size_ = 0;
};

}  // namespace

std::string FloatToStrGeneral(double value, std::string_view separator) {
  if (value != value) return "NAN";
  if (value == HUGE_VAL) return "INF";
  if (value == -HUGE_VAL) return "-INF";
  if (value == 0) return "0";

  std::string out;
  if (value < 0) out.push_back('-');
  const Digits15 d = RoundTo15(value < 0 ? -value : value);

  if (d.exponent >= -5 && d.exponent <= 14) {
    if (d.exponent < 0) {
      out += '0';
      out += separator;
      out.append(static_cast<size_t>(-d.exponent - 1), '0');
      out.append(d.digits, static_cast<size_t>(d.count));
    } else {
      const int intDigits = d.exponent + 1;
      for (int i = 0; i < intDigits; ++i) out.push_back(i < d.count ? d.digits[i] : '0');
      if (d.count > intDigits) {
        out += separator;
        out.append(d.digits + intDigits, static_cast<size_t>(d.count - intDigits));
      }
    }
  } else {
    out.push_back(d.digits[0]);
    if (d.count > 1) {
      out += separator;
      out.append(d.digits + 1, static_cast<size_t>(d.count - 1));
    }
    out.push_back('E');
    out += std::to_string(d.exponent);
  }
  return out;
}

std::string FloatToStrGeneral(double value) { return FloatToStrGeneral(value, DecimalSeparator()); }

std::string IntToStr(std::int64_t value) { return std::to_string(value); }

std::optional<double> TryStrToFloat(std::string_view text, std::string_view separator) {
  size_t i = 0;
  const size_t n = text.size();
  while (i < n && text[i] == ' ') ++i;
  size_t end = n;
  while (end > i && text[end - 1] == ' ') --end;
  if (i == end) return std::nullopt;

  // Validate our own grammar and build an ASCII copy with '.' for from_chars,
  // which alone would accept "inf", "nan" and hexadecimal forms.
  AsciiNumber ascii(end - i);
  bool negative = false;
  if (text[i] == '+' || text[i] == '-') {
    negative = text[i] == '-';
    ++i;
  }
  bool seenSeparator = false;
  int mantissaDigits = 0;
  bool seenNonZero = false;
  while (i < end) {
    const char c = text[i];
    if (IsDigit(c)) {
      ascii.push_back(c);
      ++mantissaDigits;
      if (c != '0') seenNonZero = true;
      ++i;
      continue;
    }
    if (!seenSeparator && !separator.empty() && text.substr(i, separator.size()) == separator) {
      seenSeparator = true;
      ascii.push_back('.');
      i += separator.size();
      continue;
    }
    break;
  }
  if (mantissaDigits == 0) return std::nullopt;
  if (i < end && (text[i] == 'e' || text[i] == 'E')) {
    ascii.push_back('e');
    ++i;
    if (i < end && (text[i] == '+' || text[i] == '-')) {
      ascii.push_back(text[i]);
      ++i;
    }
    int expDigits = 0;
    while (i < end && IsDigit(text[i])) {
      ascii.push_back(text[i]);
      ++expDigits;
      ++i;
    }
    if (expDigits == 0) return std::nullopt;
  }
  if (i != end) return std::nullopt;
  if (!seenNonZero) return negative ? -0.0 : 0.0;

  double value = 0;
  const auto res = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
  if (res.ec == std::errc::result_out_of_range) {
    // from_chars does not say which way the range was left; strtod does
    // (the grammar above already guarantees a plain ASCII decimal number).
    const double probe = std::strtod(ascii.c_str(), nullptr);
    if (probe > 1 || probe < -1) return std::nullopt;  // too large for a double
    value = 0;                                         // too small: underflows to zero
  } else if (res.ec != std::errc() || res.ptr != ascii.data() + ascii.size()) {
    return std::nullopt;
  }
  return negative ? -value : value;
}

std::optional<double> TryStrToFloat(std::string_view text) { return TryStrToFloat(text, DecimalSeparator()); }

std::optional<std::int32_t> TryStrToInt(std::string_view text) {
  size_t i = 0;
  const size_t n = text.size();
  while (i < n && text[i] == ' ') ++i;
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  int base = 10;
  if (i < n && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
    base = 16;
    ++i;
  } else if (i + 1 < n && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i == n) return std::nullopt;
  const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
  std::int64_t value = 0;
  for (; i < n; ++i) {
    const int digit = base == 10 ? (IsDigit(text[i]) ? text[i] - '0' : -1) : HexValue(text[i]);
    if (digit < 0) return std::nullopt;
    value = value * base + digit;
    if (value > limit) return std::nullopt;
  }
  return static_cast<std::int32_t>(negative ? -value : value);
}

double StrToFloat(std::string_view text) {
  if (auto v = TryStrToFloat(text)) return *v;
  throw EConvertError("'" + std::string(text) + "' is not a valid floating point value");
}

std::int32_t StrToInt(std::string_view text) {
  if (auto v = TryStrToInt(text)) return *v;
  throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
}

bool IsBlankText(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c <= ' ' || c == 0x7F) continue;
    // U+0080..U+009F are 0xC2 0x80..0x9F in UTF-8.
    if (c == 0xC2 && i + 1 < text.size()) {
      const auto next = static_cast<unsigned char>(text[i + 1]);
      if (next >= 0x80 && next <= 0x9F) {
        ++i;
        continue;
      }
    }
    return false;
  }
  return true;
}

}  // namespace tk
