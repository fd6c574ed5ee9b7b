#include "app/ConversionCommands.h"

#include <cmath>
#include <initializer_list>
#include <stdexcept>
#include <string>

#include "app/AngleNotation.h"
#include "app/GaussZone.h"
#include "gis/projections/GisProjectionTransverseMercator.h"
#include "toolkit/core/NumberText.h"

namespace app {

namespace {

// A number whose text the readers would not take back ("NAN", "INF") fails
// the command instead of landing in a field.
std::string NumberText(double value) {
  if (!std::isfinite(value)) throw std::range_error("not a finite number");
  return tk::FloatToStrGeneral(value);
}

// Runs a command body; on any exception empties the command's outputs.
template <class Body>
bool Guarded(TFieldAccess& fields, std::initializer_list<TField> outputs, Body&& body) noexcept {
  try {
    body();
    return true;
  } catch (...) {
  }
  for (TField field : outputs) {
    try {
      fields.SetText(field, "");
    } catch (...) {
      // A field that cannot even be emptied must not keep the others full.
    }
  }
  return false;
}

bool SplitCommand(TFieldAccess& fields, TField decimal, TField d, TField m, TField s) noexcept {
  return Guarded(fields, {d, m, s}, [&] {
    const TDegMinSecTexts texts = ShowDegMinSec(Split(tk::StrToFloat(fields.Text(decimal))));
    fields.SetText(d, texts.Degrees);
    fields.SetText(m, texts.Minutes);
    fields.SetText(s, texts.Seconds);
  });
}

bool JoinCommand(TFieldAccess& fields, TField decimal, TField d, TField m, TField s) noexcept {
  return Guarded(fields, {decimal}, [&] {
    const TDegMinSec dms = ReadDegMinSec(fields.Text(d), fields.Text(m), fields.Text(s));
    fields.SetText(decimal, NumberText(Join(dms)));
  });
}

}  // namespace

TConversionCommands::TConversionCommands()
    : FProjection(std::make_unique<TGIS_ProjectionTransverseMercator>()) {}

TConversionCommands::~TConversionCommands() = default;

void TConversionCommands::SetUpZone(std::int32_t zone) {
  SetUpGaussPlane(*FProjection, WindowZoneMeridian(zone));
}

bool TConversionCommands::GeodeticToGauss(TFieldAccess& fields) noexcept {
  return Guarded(fields, {TField::edtGaussX, TField::edtGaussY, TField::edtGaussZone}, [&] {
    const double longitude = tk::StrToFloat(fields.Text(TField::edtLon));
    fields.SetText(TField::edtGaussZone, tk::IntToStr(SixDegreeZoneOfLongitude(longitude)));
    // Read back through the field, where a zone beyond 32 bits fails.
    SetUpZone(tk::StrToInt(fields.Text(TField::edtGaussZone)));

    const double latitude = tk::StrToFloat(fields.Text(TField::edtLat));
    const TGIS_Point3 geodetic{PointRadians(longitude), PointRadians(latitude), 0};
    TGIS_Point3 plane;
    FProjection->Project(geodetic, plane);
    const std::string easting = NumberText(plane.X);
    const std::string northing = NumberText(plane.Y);
    fields.SetText(TField::edtGaussX, easting);
    fields.SetText(TField::edtGaussY, northing);
  });
}

bool TConversionCommands::GaussToGeodetic(TFieldAccess& fields) noexcept {
  return Guarded(fields, {TField::edtLon, TField::edtLat}, [&] {
    SetUpZone(tk::StrToInt(fields.Text(TField::edtGaussZone)));
    const TGIS_Point3 plane{tk::StrToFloat(fields.Text(TField::edtGaussX)),
                            tk::StrToFloat(fields.Text(TField::edtGaussY)), 0};
    TGIS_Point3 geodetic;
    FProjection->Unproject(plane, geodetic);
    const std::string longitude = NumberText(PointDegrees(geodetic.X));
    const std::string latitude = NumberText(PointDegrees(geodetic.Y));
    fields.SetText(TField::edtLon, longitude);
    fields.SetText(TField::edtLat, latitude);
  });
}

bool TConversionCommands::SplitLongitude(TFieldAccess& fields) noexcept {
  return SplitCommand(fields, TField::edtLon, TField::edtLonD, TField::edtLonM, TField::edtLonS);
}

bool TConversionCommands::JoinLongitude(TFieldAccess& fields) noexcept {
  return JoinCommand(fields, TField::edtLon, TField::edtLonD, TField::edtLonM, TField::edtLonS);
}

bool TConversionCommands::SplitLatitude(TFieldAccess& fields) noexcept {
  return SplitCommand(fields, TField::edtLat, TField::edtLatD, TField::edtLatM, TField::edtLatS);
}

bool TConversionCommands::JoinLatitude(TFieldAccess& fields) noexcept {
  return JoinCommand(fields, TField::edtLat, TField::edtLatD, TField::edtLatM, TField::edtLatS);
}

bool TConversionCommands::ClearAll(TFieldAccess& fields) noexcept {
  static constexpr TField kOwnedOrder[] = {
      TField::edtLon, TField::edtLonM, TField::edtLonD, TField::edtLonS,
      TField::edtLat, TField::edtLatM, TField::edtLatD, TField::edtLatS,
      TField::edtGaussX, TField::edtGaussY, TField::edtGaussZone};
  bool cleared = true;
  for (TField field : kOwnedOrder) {
    try {
      fields.SetText(field, "");
    } catch (...) {
      cleared = false;  // the other fields are still emptied
    }
  }
  return cleared;
}

}  // namespace app
