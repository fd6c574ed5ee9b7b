#pragma once
// Transverse Mercator ("TMR"), the projection behind the converter's
// Gauss-Krueger coordinates (scale 1, false easting 500000 m, the zone's
// central meridian). Inside a 6-degree zone a series about the central
// meridian agrees with the exact mapping to a few micrometres and costs a
// fraction of it, so Project and Unproject sum power series in the distance
// from that meridian (terms up to its eighth power); the length of the
// meridian itself comes from a short series in the third flattening n,
// which converges fastest of the usual choices.

#include "gis/GisProjections.h"

#include <array>
#include <cmath>

class TGIS_ProjectionTransverseMercator : public TGIS_ProjectionAbstract {
public:
  // Usable at once: Prepare has run for the creation values (meridian 0,
  // scale 1, no offsets).
  TGIS_ProjectionTransverseMercator();

  std::string Code() const override { return "TMR"; }
  std::string Description() const override { return "Transverse Mercator"; }
  TGIS_ParameterSet ParameterSet() const override {
    return ppCentralMeridian | ppOriginLatitude | ppFalseEasting | ppFalseNorthing | ppScaleFactor;
  }
  // Derives the arc coefficients and the reach of Unproject, then copies the
  // stored parameters into the working fields.
  void Prepare() override;
  std::unique_ptr<TGIS_ProjectionAbstract> Create() const override;
  // Clamps the latitude (0240) and a longitude more than pi/2 from the
  // meridian (0241); warns 0236 beyond 9 degrees from it.
  void Project(const TGIS_Point3& source, TGIS_Point3& result) override;
  // Raises 0215 / 0216 for a point beyond the reach; warns 0236 for a result
  // more than 9 degrees from the meridian.
  void Unproject(const TGIS_Point3& source, TGIS_Point3& result) override;
  // The batch converter's path: the same per point, without a virtual call.
  std::size_t ProjectPoints(std::span<const TGIS_Point3> source, std::span<TGIS_Point3> result,
                            std::span<TGIS_PointNote> notes = {}) override;
  std::size_t UnprojectPoints(std::span<const TGIS_Point3> source, std::span<TGIS_Point3> result,
                              std::span<TGIS_PointNote> notes = {}) override;

  // The parameters as given to SetUp, after clamping: the truth from which
  // Prepare fills the working fields.
  TGIS_Point2 OriginPoint;  // where the projection is centred: meridian (X) and latitude (Y), radians
  TGIS_Point2 FalseOrigin;  // offsets added to every result: easting (X) and northing (Y), metres
  double StoredScale = 1.0;
  // Meridian arc series c0, c2, c4, c6, c8.
  std::array<long double, 5> ArcCoefficients{};

  // Length of the meridian between the equator and the latitude, in metres
  // and before the scale factor: the northing of a point on the central
  // meridian.
  double MeridianArc(double latitude) const;
  double PrimeVerticalRadius(double latitude) const;
  double MeridianRadius(double latitude) const;

protected:
  // Reads the central meridian ([-pi, 2*pi]), origin latitude ([-pi/2, pi/2]),
  // false easting and northing (finite) and scale factor ([0.3, 3.0]);
  // out-of-range angles and scales are clamped with a warning.
  void SetUpParameters(const TGIS_SetUpParameters& parameters) override;

private:
  struct SinCos {
    double s, c;
  };
  static SinCos SinCosOf(double latitude) { return {std::sin(latitude), std::cos(latitude)}; }
  // sqrt(1 - e^2 sin^2 latitude)
  double WOf(double sinLatitude) const;
  double ArcOf(double latitude, SinCos sc) const;
  // The latitude whose meridian arc is M, with its sine and cosine.
  struct Footpoint {
    double phi, s, c;
  };
  Footpoint FootpointOf(double M) const;
  // MeridianArc(OriginLatitude), kept until the origin latitude changes.
  double OriginArc();
  void ProjectPoint(const TGIS_Point3& source, TGIS_Point3& result);
  void UnprojectPoint(const TGIS_Point3& source, TGIS_Point3& result);
  // The longitude's offset from the central meridian, clamped to a quarter
  // turn (0241), with 0236 beyond 9 degrees; NaN raises 0211.
  double LongitudeOffset(double longitude);

  // Double copies of the prepared constants for the per-point series.
  struct Series {
    double a = 0, e2 = 0, ep2 = 0, equatorRadius = 0;
    double inverseA = 0, inverseOneMinusE2 = 0, inverseArc0 = 0;
    std::array<double, 5> arc{};
    std::array<double, 5> footpoint{};  // d2 .. d10 of the inverse arc series
  } series_;
  double originArcLatitude_ = 0;
  double originArc_ = 0;
  // The ellipsoid the arc coefficients, series constants and reach were
  // derived for. They depend on nothing else, and the converter sets the
  // projection up before every conversion on the same ellipsoid.
  long double derivedForA_ = 0, derivedForB_ = 0;
};
