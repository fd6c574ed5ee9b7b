#pragma once
// Robinson ("ROB"): the compromise world map defined by a table rather than
// a formula. Robinson's published table gives, every 5 degrees of latitude,
// the length of the parallel (relative to the equator) and its distance from
// the equator (relative to the pole's). Points between the rows come from
// Stirling's interpolation with second differences, which reads the row on
// each side, hence the extra row at -5 degrees.
//
// Scale: x = s a X dlon, y = s a (pi/2) Y, with X the parallel lengths times
// 0.9858 and Y the distances; 0.9858 = 0.8487 (pi/2)/1.3523 folds Robinson's
// two factors into one, and s = 1.3523/(pi/2) gives the published size
// (x = 0.8487 a X dlon, y = 1.3523 a Y) on a sphere of the semi-major axis.
//
// Latitudes are held to +-89.75 degrees. Reach of Unproject: the whole map
// centred on the false origin: +-the equator's half length (the longitude
// difference is wrapped into [-pi, pi], so the width does not depend on the
// central meridian) and +-the northing of 89.75 degrees.

#include "gis/GisProjections.h"

#include <array>

class TGIS_ProjectionRobinson : public TGIS_ProjectionAbstract {
public:
  // Stores the table; central meridian 0, no false origin; prepared.
  TGIS_ProjectionRobinson();

  std::string Code() const override { return "ROB"; }
  std::string Description() const override { return "Robinson"; }
  TGIS_ParameterSet ParameterSet() const override { return ppCentralMeridian | ppFalseEasting | ppFalseNorthing; }
  void Prepare() override;
  std::unique_ptr<TGIS_ProjectionAbstract> Create() const override;
  void Project(const TGIS_Point3& source, TGIS_Point3& result) override;
  // Raises 0235 when the northing cannot be placed in the table or the
  // refinement of the latitude does not settle within 76 steps.
  void Unproject(const TGIS_Point3& source, TGIS_Point3& result) override;

  static constexpr double kLatitudeLimit = 1.5664330036649108;  // 89.75 degrees
  static constexpr double kAspect = 0.9858;
  static constexpr int kRows = 20;  // -5, 0, 5, ..., 90 degrees

  // The table as stored: parallel lengths (times kAspect) and distances
  // from the equator, row r at latitude 5 (r - 1) degrees.
  std::array<double, kRows> ParallelLength{};
  std::array<double, kRows> EquatorDistance{};

protected:
  // Reads the central meridian (below -pi it becomes -pi) and the false origin.
  void SetUpParameters(const TGIS_SetUpParameters& parameters) override;

private:
  // Interpolates a column between the rows of 5 i and 5 (i + 1) degrees at
  // the fraction p of the step.
  static double Interpolate(const std::array<double, kRows>& column, int i, double p);
  // Interval and fraction of a latitude's absolute value.
  static void Locate(double latitude, int& i, double& p);

  double scale_ = 0;  // s a
};
