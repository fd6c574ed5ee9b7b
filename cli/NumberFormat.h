#pragma once
// Writing the converted numbers. Fixed decimals, correctly rounded from the
// double, never "-0" (a value that rounds to zero is written unsigned).
// Angles also as degrees, minutes and seconds, where seconds that round up to
// 60 carry into the minutes (and minutes into the degrees), and as packed
// ddd.mmss. The window's own rule (15 significant digits, general format) is
// available for output that must match the window's fields character for
// character.
// Portable: no platform headers.

#include <string>

namespace gkconv {

enum class TAngleStyle {
  Decimal,  // 116.391000000
  Dms,      // 116°23'27.60000"
  Packed,   // 116.2327600000 (ddd.mmss + fraction of seconds)
};

// `decimals` digits after the point.
void AppendFixed(std::string& out, double value, int decimals);
// The window's general format with 15 significant digits and '.'.
void AppendWindowNumber(std::string& out, double value);
// `decimals` applies to the seconds for Dms and Packed, to the degrees for
// Decimal.
void AppendAngle(std::string& out, double degrees, TAngleStyle style, int decimals);

}  // namespace gkconv
