#pragma once
// Reading the angles surveyors write, one field at a time:
//
//   decimal degrees          116.391   -39.907   +116.391
//   D M S, spaces or colons  116 23 27.6   116:23:27.6   116 23.46 (D M.m)
//   marks ° ′ ″ or ' "       116°23′27.6″   116°23'27.6"   116°23.46'
//   度 分 秒                  116度23分27.6秒
//   hemisphere letters       N39°54′25.2″   39.907N   116 23 27.6 E
//                            (also 东经 / 西经 / 北纬 / 南纬 in front)
//   packed ddd.mmss          116.232760 = 116°23′27.60″ (only on request)
//
// Minutes or seconds of 60 or more are errors, not carried. A sexagesimal
// angle that stops after whole minutes ("116°23'", "116 23") is refused as
// cut short: whole minutes are 1.8 km, which no coordinate list means; write
// the seconds (116°23'0") or decimal minutes (116°23.0'). Full-width digits
// and signs, two decimal points, unknown marks and a hemisphere letter of the
// wrong axis are errors too. Decimal numbers use "." only.
// Portable: no platform headers; the text is UTF-8.

#include <string>
#include <string_view>

namespace gkconv {

enum class TAngleAxis { Longitude, Latitude };

struct TAngleReadOptions {
  bool Packed = false;  // read a lone number as ddd.mmss instead of decimal degrees
};

// The value in decimal degrees, or an error text saying what is wrong.
struct TAngleReading {
  double Degrees = 0;
  std::string Error;  // empty when the field was read
  bool Ok() const { return Error.empty(); }
};

TAngleReading ReadAngle(std::string_view text, TAngleAxis axis, const TAngleReadOptions& options = {});

// A plain decimal number (metres): optional sign, digits with at most one
// ".", optional exponent, blanks around. Fails with a reason (full-width
// digits, two decimal points, ...) in `error`.
bool ReadMetres(std::string_view text, double& value, std::string& error);

}  // namespace gkconv
