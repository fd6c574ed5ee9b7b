#include "gis/GisProjections.h"

#include <cctype>
#include <limits>
#include <stdexcept>

TGIS_ProjectionAbstract::TGIS_ProjectionAbstract() {
  if (!GisDatumList || !GisEllipsoidList)
    throw std::logic_error("The projection engine is not started (GisEngineStartup)");
  Datum = GisDatumList->Default();
  if (!Datum) throw std::logic_error("The datum table has no default datum");
  Ellipsoid = &GisEllipsoidOfDatum(*Datum);
  // The remaining fields keep their initializers: scale 1, everything else 0.
}

void TGIS_ProjectionAbstract::Prepare() {
  Ellipsoid = &GisEllipsoidOfDatum(*Datum);
  A = Ellipsoid->A;
  B = Ellipsoid->B;
  A2 = Ellipsoid->A2;
  B2 = Ellipsoid->B2;
  E2 = Ellipsoid->E2;
  E = Ellipsoid->E;
  Ep2 = Ellipsoid->Ep2;
}

void TGIS_ProjectionAbstract::SetUp(const TGIS_SetUpParameters& parameters) {
  ResetWarningFlag();
  Prepare();
  SetUpParameters(parameters);
}

void TGIS_ProjectionAbstract::SetUp(std::int32_t zone, double centralMeridian, double originLatitude,
                                    double falseEasting, double falseNorthing, double standardParallel1,
                                    double standardParallel2, double scaleFactor, double reserved1, double reserved2,
                                    double azimuth, double point1Longitude, double point1Latitude,
                                    double point2Longitude, double point2Latitude) {
  SetUp(TGIS_SetUpParameters{zone, centralMeridian, originLatitude, falseEasting, falseNorthing, standardParallel1,
                             standardParallel2, scaleFactor, reserved1, reserved2, azimuth, point1Longitude,
                             point1Latitude, point2Longitude, point2Latitude});
}

void TGIS_ProjectionAbstract::SetUpParameters(const TGIS_SetUpParameters& parameters) {
  if (ParameterSet() & (ppCentralMeridian | ppOriginLatitude | ppFalseEasting | ppFalseNorthing))
    SetUpFamily(parameters, TGIS_MeridianFix::mfToPi);
}

void TGIS_ProjectionAbstract::SetDatum(const TGIS_Datum& datum) {
  if (&datum == Datum) return;
  GisEllipsoidOfDatum(datum);  // raises before anything is stored
  Datum = &datum;
  Prepare();
}

void TGIS_ProjectionAbstract::AddWarning(const std::string& text) {
  if (WarningCount++ == WarningMark) FirstWarningSinceMark = MessageNumber(text);
  if (WarningFlag == 0 || text.empty()) Warnings.clear();
  if (!Warnings.empty()) Warnings += '\r';
  Warnings += text;
}

int TGIS_ProjectionAbstract::MessageNumber(const std::string& text) {
  int number = 0;
  for (size_t i = 0; i < text.size() && i < 4 && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
    number = number * 10 + (text[i] - '0');
  return number;
}

void TGIS_ProjectionAbstract::NoteFailure(TGIS_Point3& result, std::span<TGIS_PointNote> notes, std::size_t index) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  result.X = nan;
  result.Y = nan;
  if (!notes.empty()) notes[index] = TGIS_PointNote{0, std::current_exception()};
}

void TGIS_ProjectionAbstract::CheckBatch(std::size_t points, std::size_t results, std::size_t notes) {
  if (results < points || (notes != 0 && notes < points))
    throw std::invalid_argument("A batch needs a result (and a note, if any) for every point");
}

std::size_t TGIS_ProjectionAbstract::ProjectPoints(std::span<const TGIS_Point3> source, std::span<TGIS_Point3> result,
                                                   std::span<TGIS_PointNote> notes) {
  return ConvertPoints([this](const TGIS_Point3& point, TGIS_Point3& converted) { Project(point, converted); },
                       source, result, notes);
}

std::size_t TGIS_ProjectionAbstract::UnprojectPoints(std::span<const TGIS_Point3> source,
                                                     std::span<TGIS_Point3> result, std::span<TGIS_PointNote> notes) {
  return ConvertPoints([this](const TGIS_Point3& point, TGIS_Point3& converted) { Unproject(point, converted); },
                       source, result, notes);
}
