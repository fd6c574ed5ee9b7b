#include "gis/GisProjections.h"

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

void TGIS_ProjectionAbstract::SetUp(std::int32_t, double, double, double, double, double, double, double, double,
                                    double, double, double, double, double, double) {
  Prepare();
}

void TGIS_ProjectionAbstract::SetDatum(const TGIS_Datum& datum) {
  if (&datum == Datum) return;
  GisEllipsoidOfDatum(datum);  // raises before anything is stored
  Datum = &datum;
  Prepare();
}

void TGIS_ProjectionAbstract::AddWarning(const std::string& text) {
  if (WarningFlag == 0 || text.empty()) Warnings.clear();
  if (!Warnings.empty()) Warnings += '\r';
  Warnings += text;
}
