#include "app/AngleNotation.h"

#include <cmath>
#include <cstdlib>
#include <limits>

#include "toolkit/core/NumberText.h"

namespace app {

TDegMinSec Split(double value) {
  // -0 counts as positive.
  const bool negative = value < 0;
  const double x = std::fabs(value);

  // The degrees field is 32 bits wide. Larger magnitudes keep the largest
  // degree count and carry the remainder in the minutes instead of wrapping.
  constexpr double kDegreeLimit = 2147483648.0;
  const std::int32_t d =
      x < kDegreeLimit ? static_cast<std::int32_t>(x) : std::numeric_limits<std::int32_t>::max();

  // A double minus its whole part times 60 fits the 64-bit mantissa of the
  // extended type exactly, so the minutes are never off by one.
  const long double f = (static_cast<long double>(x) - d) * 60.0L;
  long double minutes = std::trunc(f);
  long double seconds = (f - minutes) * 60.0L;
  // Past about 3e306 degrees the minutes would not fit a double. They stop
  // at the largest whole number whose 15-digit text still reads back, so the
  // fields can show them and join them again.
  constexpr long double kLargestMinutes = 1.79769313486231e308;
  if (minutes > kLargestMinutes) {
    minutes = kLargestMinutes;
    seconds = 0;
  }

  TDegMinSec dms;
  dms.Degrees = negative ? -d : d;
  dms.Minutes = minutes;
  dms.Seconds = static_cast<double>(seconds);
  // Between -1 and 0 the degrees are 0 and cannot hold the sign, so the
  // minutes and seconds carry it; Join adds them up with their own signs and
  // gives the negative value back. Zero parts stay +0, never "-0".
  if (negative && d == 0) {
    if (dms.Minutes != 0) dms.Minutes = -dms.Minutes;
    if (dms.Seconds != 0) dms.Seconds = -dms.Seconds;
  }
  return dms;
}

double Join(const TDegMinSec& dms) {
  const long double sign = dms.Degrees >= 0 ? 1.0L : -1.0L;
  // The magnitude of the most negative int32 does not fit in 32 bits; widen first.
  const double degrees = static_cast<double>(std::llabs(static_cast<long long>(dms.Degrees)));
  const double minutes = static_cast<double>(dms.Minutes);
  const double seconds = static_cast<double>(dms.Seconds);
  const long double value =
      ((static_cast<long double>(minutes) / 60.0L + degrees) + static_cast<long double>(seconds) / 3600.0L) *
      sign;
  return static_cast<double>(value);
}

TDegMinSec ReadDegMinSec(std::string_view degrees, std::string_view minutes,
                         std::string_view seconds) {
  TDegMinSec dms;
  if (!tk::IsBlankText(degrees)) dms.Degrees = tk::StrToInt(degrees);
  if (!tk::IsBlankText(minutes)) dms.Minutes = tk::StrToFloat(minutes);
  if (!tk::IsBlankText(seconds)) dms.Seconds = tk::StrToFloat(seconds);
  return dms;
}

TDegMinSecTexts ShowDegMinSec(const TDegMinSec& dms) {
  return {tk::IntToStr(dms.Degrees), tk::FloatToStrGeneral(static_cast<double>(dms.Minutes)),
          tk::FloatToStrGeneral(static_cast<double>(dms.Seconds))};
}

}  // namespace app
