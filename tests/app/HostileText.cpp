#include "HostileText.h"

#include <array>
#include <string_view>

#include "toolkit/core/NumberText.h"

namespace {

// Fixed texts that broke or could break number readers somewhere.
constexpr std::array<std::string_view, 58> kNasty = {
    "", " ", "   ", "\t", "\r\n", "\x01", "\x7f", " \t\r\n\v\f ",
    "nan", "NaN", "-nan", "inf", "-inf", "INF", "Infinity", "1.#INF", "1.#QNAN", "+", "-", ".", ",",
    "e", "E5", "1e", "1e+", "1e-", "--1", "+-1", "1..5", "1,,5", "1.5.5", "1,5,5", "1.5,5",
    "1e999999999999999999999999", "-1e999999999999999999999999", "1e-999999999999999999999",
    "1E308", "1.8E308", "-1.8e308", "4.9e-324", "2.5e-324",
    "$", "x", "0x", "$7FFFFFFF", "$80000000", "-$80000000", "0x1p3", "0XFFFFFFFF", "x-1",
    "2147483647", "2147483648", "-2147483648", "-2147483649", "9223372036854775807",
    "9223372036854775808", "-9223372036854775809", "18446744073709551616",
};

// Text in other scripts and look-alike characters, all valid UTF-8.
constexpr std::array<std::string_view, 12> kScripts = {
    "\xEF\xBC\x91\xEF\xBC\x92\xEF\xBC\x93",      // fullwidth 123
    "\xD9\xA1\xD9\xA2\xD9\xA3",                  // Arabic-Indic 123
    "\xE7\xBB\x8F\xE5\xBA\xA6",                  // CJK "longitude"
    "116\xC2\xB0" "23\xE2\x80\xB2" "27.6\xE2\x80\xB3",  // 116 deg 23 min 27.6 sec
    "\xE2\x88\x92" "30.5",                       // minus sign U+2212
    "1\xC2\xA0" "000",                           // no-break space
    "12\xE2\x80\x8B" "3",                        // zero-width space
    "\xF0\x9F\x8C\x8D",                          // emoji
    "\xD0\x97" "\xD0\xBE",                       // Cyrillic
    "\xE2\x80\xAE" "123",                        // right-to-left override
    "\xEF\xBB\xBF" "42",                         // byte-order mark
    "\xCE\xBB" "=117",                           // Greek lambda
};

// Broken UTF-8: stray continuation bytes, overlong forms, surrogates, cut sequences.
constexpr std::array<std::string_view, 9> kBroken = {
    "\xFF\xFE", "\xC0\x80", "\xE0\x80\xAF", "\xED\xA0\x80", "\x80\x80\x80", "1\xC3", "\xF4\x90\x80\x80",
    "\xE7\xBB", "12\xFF" "3",
};

}  // namespace

std::uint64_t THostileText::Below(std::uint64_t n) {
  // mt19937_64 is fully specified; the library distributions are not.
  return FRandom() % n;
}

std::string THostileText::Digits(int count) {
  std::string out;
  for (int i = 0; i < count; ++i) out.push_back(static_cast<char>('0' + Below(10)));
  return out;
}

std::string THostileText::Decimal(double low, double high) {
  const double unit = static_cast<double>(FRandom() >> 11) * 0x1p-53;
  const double value = low + (high - low) * unit;
  std::string text;
  switch (Below(4)) {
    case 0: text = tk::FloatToStrGeneral(value, "."); break;
    case 1: text = tk::FloatToStrGeneral(value, ","); break;
    case 2: text = tk::FloatToStrGeneral(value); break;  // the current separator
    default: text = std::to_string(static_cast<long long>(value)); break;
  }
  if (OneIn(8)) text = " " + text + " ";
  return text;
}

std::string THostileText::Longitude() { return Decimal(-200, 420); }
std::string THostileText::Latitude() { return Decimal(-100, 100); }
std::string THostileText::Easting() { return Decimal(-2e7, 2.1e7); }
std::string THostileText::Northing() { return Decimal(-1.1e7, 1.1e7); }

std::string THostileText::Zone() {
  if (OneIn(10)) return std::to_string(static_cast<std::int64_t>(FRandom()));
  return std::to_string(static_cast<int>(Below(80)) - 8);
}

std::string THostileText::SmallInteger() { return std::to_string(static_cast<int>(Below(800)) - 400); }

std::string THostileText::Mutate(std::string text) {
  static constexpr std::string_view kAlphabet = "0123456789.,eE+-$x \t\x01\xFF";
  const int edits = 1 + static_cast<int>(Below(3));
  for (int i = 0; i < edits; ++i) {
    const std::size_t at = text.empty() ? 0 : Below(text.size() + 1);
    const char c = kAlphabet[Below(kAlphabet.size())];
    switch (Below(3)) {
      case 0: text.insert(at, 1, c); break;
      case 1: if (at < text.size()) text.erase(at, 1); break;
      default: if (at < text.size()) text[at] = c; break;
    }
  }
  return text;
}

std::string THostileText::Hostile() {
  switch (Below(10)) {
    case 0: return std::string(kNasty[Below(kNasty.size())]);
    case 1: return std::string(kScripts[Below(kScripts.size())]);
    case 2: return std::string(kBroken[Below(kBroken.size())]);
    case 3: {  // a 400-digit number, whole or with a long fraction
      std::string text = "1" + Digits(399);
      if (OneIn(2)) text.insert(1 + Below(399), 1, '.');
      if (OneIn(2)) text = "0." + Digits(400);
      return text;
    }
    case 4: return Digits(1 + static_cast<int>(Below(3))) + "e" + (OneIn(2) ? "-" : "") + Digits(1 + static_cast<int>(Below(12)));
    case 5: {  // random bytes, NUL included
      std::string text(Below(24), '\0');
      for (char& c : text) c = static_cast<char>(Below(256));
      return text;
    }
    case 6: return std::string(Below(3), ' ') + "$" + "0123456789ABCDEFabcdef"[Below(22)] + Digits(static_cast<int>(Below(9)));
    case 7: {  // a number followed or preceded by something
      std::string number = Decimal(-1000, 1000);
      std::string_view extra = kScripts[Below(kScripts.size())];
      return OneIn(2) ? number + std::string(extra) : std::string(extra) + number;
    }
    default: return Mutate(Decimal(-1000, 1000));
  }
}

std::string THostileText::Next() {
  switch (Below(3)) {
    case 0: {
      switch (Below(6)) {
        case 0: return Longitude();
        case 1: return Latitude();
        case 2: return Easting();
        case 3: return Northing();
        case 4: return Zone();
        default: return SmallInteger();
      }
    }
    default: return Hostile();
  }
}
