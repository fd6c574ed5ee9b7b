#pragma once
// Universal Transverse Mercator ("UTM"): the 6-degree zone grid on top of a
// Transverse Mercator object of its own (scale 0.9996, false easting 500000,
// false northing 10000000 south of the equator). Out-of-range input raises
// rather than being clamped.

#include "gis/GisProjections.h"
#include "gis/projections/GisProjectionTransverseMercator.h"

class TGIS_ProjectionUTM : public TGIS_ProjectionAbstract {
public:
  TGIS_ProjectionUTM();
  ~TGIS_ProjectionUTM() override;

  std::string Code() const override { return "UTM"; }
  std::string Description() const override { return "Universal Transverse Mercator (UTM)"; }
  TGIS_ParameterSet ParameterSet() const override { return ppZone; }
  std::unique_ptr<TGIS_ProjectionAbstract> Create() const override;
  // Latitudes beyond 84.5 degrees raise 0210, longitudes outside [-pi, 2*pi]
  // 0211; with no zone set, the point chooses it and it stays chosen. A
  // result outside the zone's grid raises 0225.
  void Project(const TGIS_Point3& source, TGIS_Point3& result) override;
  // Grid points outside the easting [100000, 900000] or northing
  // [0, 10000000] ranges raise 0215 / 0216; results beyond the grid's
  // latitudes, or no zone chosen yet, raise 0225.
  void Unproject(const TGIS_Point3& source, TGIS_Point3& result) override;

  // The zone of a point: longitude in [0, 2*pi), latitude in radians;
  // includes the special zones of southern Norway and Svalbard. Positive
  // north of the equator, negative south of it.
  static std::int32_t ChooseZone(double longitude, double latitude);
  // Central meridian of a zone (its sign ignored), radians; zone 1 is 183
  // degrees, the same meridian as -177.
  static double ZoneCentralMeridian(std::int32_t zone);

protected:
  // Reads only the zone: 0 (chosen by the next Project) or 1..60 north,
  // -1..-60 south; anything else raises 0225.
  void SetUpParameters(const TGIS_SetUpParameters& parameters) override;

private:
  void SetWorkingFields();
  void SetUpInner();

  std::unique_ptr<TGIS_ProjectionTransverseMercator> transverseMercator_;
};
