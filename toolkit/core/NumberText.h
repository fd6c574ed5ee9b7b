#pragma once
// Number <-> text conventions shared by every field of the window and by the
// messages of the projection engine. Portable: no platform headers.
//
// Writing a float: general format, 15 significant digits. Fixed notation when
// the rounded value has at most 15 integer digits and magnitude >= 0.00001,
// otherwise scientific ("1E-6", "1.5E20"). Trailing zeros are dropped, the
// separator is the locale's and appears only when a fraction remains.
//
// Reading a float: blanks around the number, optional sign, digits with at
// most one (locale) separator, optional exponent, at least one digit.
// Reading an integer: leading blanks only, optional sign, decimal digits or
// hexadecimal digits after "$", "x", "X", "0x", "0X"; must fit in 32 bits.
// Values a double cannot hold (overflow) are read errors; underflow gives 0.

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tk {

// Raised by the throwing readers, with the message the user-facing runtime
// would give ("'abc' is not a valid floating point value").
class EConvertError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// The decimal separator of the user's locale (UTF-8; Windows allows up to
// three characters). "." in the portable build unless overridden.
std::string DecimalSeparator();
// Tests and embedders may force a separator; an empty text restores the
// platform's own.
void SetDecimalSeparatorOverride(std::string separator);

// Writes with an explicit separator (the plain overloads use DecimalSeparator()).
std::string FloatToStrGeneral(double value, std::string_view separator);
std::string FloatToStrGeneral(double value);
std::string IntToStr(std::int64_t value);

std::optional<double> TryStrToFloat(std::string_view text, std::string_view separator);
std::optional<double> TryStrToFloat(std::string_view text);
std::optional<std::int32_t> TryStrToInt(std::string_view text);

double StrToFloat(std::string_view text);       // throws EConvertError
std::int32_t StrToInt(std::string_view text);   // throws EConvertError

// True when the UTF-8 text holds nothing but blanks and control characters:
// the ASCII ones up to ' ', DEL, and the C1 controls U+0080..U+009F.
bool IsBlankText(std::string_view text);

}  // namespace tk
