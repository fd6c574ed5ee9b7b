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

// One angle as degrees, minutes and seconds. The sign of the angle sits on
// the degrees, so that the minutes and seconds read like a clock; only an
// angle between -1 and 0, whose degrees are 0, shows it on the minutes and
// seconds instead. A sign typed into the minutes or seconds belongs to that
// number alone (10 degrees, -30 minutes is 9.5 degrees), which is also what
// brings such an angle back negative.
struct TDegMinSec {
  std::int32_t Degrees = 0;
  long double Minutes = 0;  // whole, 0..59 from Split (0..-59 between -1 and 0 degrees); anything when read
  long double Seconds = 0;  // below 60 in magnitude from Split, signed like Minutes; anything when read
};

// The three texts of one angle, in field order.
struct TDegMinSecTexts {
  std::string Degrees;
  std::string Minutes;
  std::string Seconds;
};

// Splits a decimal-degree value by truncation, never rounding up: a
// surveyor reads 10 59 59.99 for a value just below 11, not 10 60 0. For
// values between -1 and 0 the minutes and seconds carry the sign (-0.5 gives
// 0, -30, 0), so that the split and the join of it keep the value.
// Magnitudes of 2^31 degrees or more do not fit the degrees field; they are
// split as 2147483647 degrees with the rest in the minutes, so that Join
// still gives the value back (to the precision of the sum) up to about
// 3e306, where the minutes stop at the largest double.
TDegMinSec Split(double value);

// Joins a record back into decimal degrees, carried in extended precision.
// Degrees = -2147483648 joins with the magnitude 2147483648.
double Join(const TDegMinSec& dms);

// Reads the three texts. A field left empty, or holding only blanks or
// control characters (ASCII, DEL and the C1 range alike: what a paste may
// bring along), counts as 0, so that "30 minutes" alone is a valid entry.
// Any other text is read whole with the number rules of NumberText.h, so a
// stray character is an error rather than silently ignored.
// Throws tk::EConvertError on the first text that cannot be read.
TDegMinSec ReadDegMinSec(std::string_view degrees, std::string_view minutes,
                         std::string_view seconds);

// Writes degrees as an integer and minutes and seconds with 15 significant
// digits. The seconds are not rounded for show: the fields then hold the
// double exactly enough that joining them gives the same value back
// (116.391 shows as 116, 23, 27.6000000000192).
TDegMinSecTexts ShowDegMinSec(const TDegMinSec& dms);

}  // namespace app
