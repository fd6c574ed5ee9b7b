#pragma once
// Decimal degrees <-> degrees, minutes and seconds.
//
// Every longitude and latitude of the tool is shown twice: as one decimal
// value and as three texts. Split and Join move a value between the two
// notations; ReadDegMinSec and ShowDegMinSec move the record to and from the
// three texts with the number-text conventions of toolkit/core/NumberText.h.
// Portable: no platform headers.

#include <cstdint>
#include <string>
#include <string_view>

namespace app {

// One angle as degrees, minutes and seconds. Degrees alone carries the sign
// of the angle; a sign read into Minutes or Seconds belongs to that number
// only (10 degrees, -30 minutes is 9.5 degrees).
struct TDegMinSec {
  std::int32_t Degrees = 0;
  long double Minutes = 0;  // whole 0..59 from Split; anything when read
  long double Seconds = 0;  // 0 <= s < 60 from Split; anything when read
};

// The three texts of one angle, in field order.
struct TDegMinSecTexts {
  std::string Degrees;
  std::string Minutes;
  std::string Seconds;
};

// Splits a decimal-degree value. Nothing is rounded up: a value just below a
// whole minute gives 59 minutes and seconds just below 60. The sign is lost
// for values strictly between -1 and 0 (their whole degrees are 0).
// Magnitudes of 2^31 degrees or more do not fit the degrees field; they are
// split as 2147483647 degrees with the rest in the minutes, so that Join
// still gives the value back (to the precision of the sum).
TDegMinSec Split(double value);

// Joins a record back into decimal degrees, carried in extended precision.
// Degrees = -2147483648 joins with the magnitude 2147483648.
double Join(const TDegMinSec& dms);

// Reads the three texts. A text that is empty after trimming blanks and
// control characters counts as 0; otherwise the untrimmed text is read,
// degrees as a 32-bit integer and minutes and seconds as floating values.
// Throws tk::EConvertError on the first text that cannot be read.
TDegMinSec ReadDegMinSec(std::string_view degrees, std::string_view minutes,
                         std::string_view seconds);

// Writes degrees as an integer and minutes and seconds with 15 significant
// digits, so the seconds can show the representation error of the double
// (116.391 shows as 116, 23, 27.6000000000192).
TDegMinSecTexts ShowDegMinSec(const TDegMinSec& dms);

}  // namespace app
