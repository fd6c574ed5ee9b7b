#include "cli/NumberFormat.h"

#include <charconv>
#include <cmath>

#include "toolkit/core/NumberText.h"

namespace gkconv {

namespace {

// Fixed text of a non-negative value; true when every digit is zero.
bool FixedDigits(char* buf, size_t size, double magnitude, int decimals, size_t& length) {
  const auto res = std::to_chars(buf, buf + size, magnitude, std::chars_format::fixed, decimals);
  length = static_cast<size_t>(res.ptr - buf);
  for (size_t i = 0; i < length; ++i)
    if (buf[i] >= '1' && buf[i] <= '9') return false;
  return true;
}

}  // namespace

void AppendFixed(std::string& out, double value, int decimals) {
  char buf[400];
  size_t length;
  const bool zero = FixedDigits(buf, sizeof buf, std::fabs(value), decimals, length);
  if (std::signbit(value) && !zero) out += '-';
  out.append(buf, length);
}

void AppendWindowNumber(std::string& out, double value) { out += tk::FloatToStrGeneral(value, "."); }

void AppendAngle(std::string& out, double degrees, TAngleStyle style, int decimals) {
  if (style == TAngleStyle::Decimal) {
    AppendFixed(out, degrees, decimals);
    return;
  }
  // Round the whole angle once, in units of the last written digit of the
  // seconds, then split it: carries need no special case this way.
  const double unit = std::pow(10.0, -decimals);
  const long double totalSeconds = std::fabs(static_cast<long double>(degrees)) * 3600.0L;
  const long double units = std::nearbyint(totalSeconds / unit);
  const bool negative = std::signbit(degrees) && units != 0;
  const long double scale = std::pow(10.0L, decimals);
  const long double perMinute = 60.0L * scale;
  const long double perDegree = 3600.0L * scale;
  const long double d = std::floor(units / perDegree);
  long double rest = units - d * perDegree;
  const long double m = std::floor(rest / perMinute);
  rest -= m * perMinute;
  const double seconds = static_cast<double>(rest / scale);

  if (negative) out += '-';
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, static_cast<long long>(d));
  out.append(buf, res.ptr);
  const int minutes = static_cast<int>(m);
  if (style == TAngleStyle::Dms) {
    out += "\xC2\xB0";  // °
    res = std::to_chars(buf, buf + sizeof buf, minutes);
    out.append(buf, res.ptr);
    out += '\'';
    // Seconds below 10 keep their tens digit, so columns line up.
    if (seconds < 10) out += '0';
    res = std::to_chars(buf, buf + sizeof buf, seconds, std::chars_format::fixed, decimals);
    out.append(buf, res.ptr);
    out += '"';
  } else {
    out += '.';
    if (minutes < 10) out += '0';
    res = std::to_chars(buf, buf + sizeof buf, minutes);
    out.append(buf, res.ptr);
    if (seconds < 10) out += '0';
    res = std::to_chars(buf, buf + sizeof buf, seconds, std::chars_format::fixed, decimals);
    for (char* p = buf; p != res.ptr; ++p)
      if (*p != '.') out += *p;
  }
}

}  // namespace gkconv
