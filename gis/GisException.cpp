#include "gis/GisException.h"

#include "toolkit/core/NumberText.h"

#include <cstddef>

namespace {

// One directive's parsed layout.
struct Directive {
  bool leftJustify = false;
  int width = -1;
  int precision = -1;
  char type = 0;
};

// The runtime's argument list for the engine is always (text, number).
struct Arguments {
  const std::string& text;
  std::int32_t number;
};

bool ParseCount(const std::string& s, size_t& pos, int& out, size_t& argIndex, const Arguments& args,
                bool& failed) {
  if (pos < s.size() && s[pos] == '*') {
    ++pos;
    if (argIndex != 1) {  // only the number argument is an integer
      failed = true;
      return false;
    }
    out = args.number;
    ++argIndex;
    return true;
  }
  if (pos >= s.size() || s[pos] < '0' || s[pos] > '9') return false;
  long long value = 0;
  while (pos < s.size() && s[pos] >= '0' && s[pos] <= '9') {
    value = value * 10 + (s[pos] - '0');
    if (value > 1000000) {  // absurd widths are treated as malformed
      failed = true;
      return false;
    }
    ++pos;
  }
  out = static_cast<int>(value);
  return true;
}

std::string Pad(std::string body, const Directive& d) {
  if (d.width > 0 && static_cast<int>(body.size()) < d.width) {
    const std::string fill(static_cast<size_t>(d.width) - body.size(), ' ');
    body = d.leftJustify ? body + fill : fill + body;
  }
  return body;
}

std::string FormatNumber(std::int32_t number, const Directive& d) {
  std::string digits;
  bool negative = false;
  if (d.type == 'D') {
    negative = number < 0;
    const std::uint32_t magnitude =
        negative ? 0u - static_cast<std::uint32_t>(number) : static_cast<std::uint32_t>(number);
    digits = std::to_string(magnitude);
  } else if (d.type == 'U') {
    digits = std::to_string(static_cast<std::uint32_t>(number));
  } else {  // 'X': upper-case hexadecimal of the 32-bit pattern
    static const char kHex[] = "0123456789ABCDEF";
    std::uint32_t v = static_cast<std::uint32_t>(number);
    do {
      digits.insert(digits.begin(), kHex[v & 15u]);
      v >>= 4;
    } while (v != 0);
  }
  if (d.precision > static_cast<int>(digits.size()))
    digits.insert(0, static_cast<size_t>(d.precision) - digits.size(), '0');
  if (negative) digits.insert(digits.begin(), '-');
  return digits;
}

}  // namespace

std::optional<std::string> GisFormatMessage(const std::string& s, const std::string& textArgument,
                                            std::int32_t numberArgument) {
  const Arguments args{textArgument, numberArgument};
  std::string out;
  size_t argIndex = 0;
  size_t pos = 0;
  while (pos < s.size()) {
    const char c = s[pos++];
    if (c != '%') {
      out.push_back(c);
      continue;
    }
    if (pos >= s.size()) return std::nullopt;  // a lone trailing "%"
    if (s[pos] == '%') {
      out.push_back('%');
      ++pos;
      continue;
    }
    Directive d;
    bool failed = false;
    // Optional argument index: digits followed by a colon.
    {
      size_t probe = pos;
      size_t index = 0;
      while (probe < s.size() && s[probe] >= '0' && s[probe] <= '9' && index < 1000)
        index = index * 10 + static_cast<size_t>(s[probe++] - '0');
      if (probe > pos && probe < s.size() && s[probe] == ':') {
        argIndex = index;
        pos = probe + 1;
      }
    }
    if (pos < s.size() && s[pos] == '-') {
      d.leftJustify = true;
      ++pos;
    }
    ParseCount(s, pos, d.width, argIndex, args, failed);
    if (failed) return std::nullopt;
    if (pos < s.size() && s[pos] == '.') {
      ++pos;
      if (!ParseCount(s, pos, d.precision, argIndex, args, failed)) {
        if (failed) return std::nullopt;
        d.precision = 0;  // "." without digits
      }
    }
    if (pos >= s.size()) return std::nullopt;
    d.type = s[pos++];
    if (d.type >= 'a' && d.type <= 'z') d.type = static_cast<char>(d.type - 'a' + 'A');
    switch (d.type) {
      case 'S': {
        if (argIndex != 0) return std::nullopt;
        std::string body = args.text;
        if (d.precision >= 0 && static_cast<size_t>(d.precision) < body.size())
          body.resize(static_cast<size_t>(d.precision));
        out += Pad(std::move(body), d);
        break;
      }
      case 'D':
      case 'U':
      case 'X':
        if (argIndex != 1) return std::nullopt;
        out += Pad(FormatNumber(args.number, d), d);
        break;
      default:  // floats, pointers and unknown letters fit neither argument
        return std::nullopt;
    }
    ++argIndex;
  }
  return out;
}

EGIS_Exception::EGIS_Exception(const std::string& messageTemplate, const std::string& textArgument,
                               std::int32_t numberArgument)
    : message_(GisFormatMessage(messageTemplate, textArgument, numberArgument).value_or(messageTemplate)),
      errorCode_(tk::TryStrToInt(messageTemplate.substr(0, 3)).value_or(0)),
      textArgument_(textArgument),
      numberArgument_(numberArgument) {}

void GisRaise(const std::string& messageTemplate, const std::string& textArgument, std::int32_t numberArgument) {
  throw EGIS_Exception(messageTemplate, textArgument, numberArgument);
}

void GisRaiseValue(const std::string& messageTemplate, double value) {
  throw EGIS_Exception(messageTemplate, tk::FloatToStrGeneral(value), 0);
}
