// What every class of this half of the family shares: its identity and
// creation defaults, Unproject(Project(p)) over its domain, and the family's
// clamps, warnings and refusals of non-numbers.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <memory>

#include "ConicTestSupport.h"
#include "gis/projections/GisProjectionAlbers.h"
#include "gis/projections/GisProjectionBonne.h"
#include "gis/projections/GisProjectionCassini.h"
#include "gis/projections/GisProjectionGeocentric.h"
#include "gis/projections/GisProjectionGeodetic.h"
#include "gis/projections/GisProjectionHotine2.h"
#include "gis/projections/GisProjectionLambert.h"
#include "gis/projections/GisProjectionNZMG.h"
#include "gis/projections/GisProjectionOrthographic.h"
#include "gis/projections/GisProjectionPolarStereographic.h"
#include "gis/projections/GisProjectionPolyconic.h"

namespace {

using conictest::Parameters;
using conictest::RaisedMessage;
using conictest::SetUpDegrees;
using gistest::kDeg;
using gistest::Project;
using gistest::Unproject;
using gis_angle::kPi;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

using Factory = std::function<std::unique_ptr<TGIS_ProjectionAbstract>()>;

template <class T>
Factory New() {
  return [] { return std::make_unique<T>(); };
}

// Creation defaults and reach. (Codes, descriptions and parameter sets are
// in the registry's table, tests/gis/CatalogTest.cpp; the code here only
// names the row.)
struct Defaults {
  Factory make;
  const char* code;
  double originLatitudeDeg;
  double maxEasting, maxNorthing;
};

TEST(Family, CreationDefaultsAndReach) {
  const Defaults table[] = {
      {New<TGIS_ProjectionGeodetic>(), "GED", 0, 0, 0},
      {New<TGIS_ProjectionGeocentric>(), "GEC", 0, 0, 0},
      {New<TGIS_ProjectionAlbers>(), "ALB", 45, 40000000, 40000000},
      {New<TGIS_ProjectionBonne>(), "BON", 45, 25000000, 25000000},
      {New<TGIS_ProjectionCassini>(), "CAS", 0, 20037508.4, 56575846},
      {New<TGIS_ProjectionLambert>(), "LAM", 45, 40000000, 40000000},
      {New<TGIS_ProjectionOrthographic>(), "ORT", 0, 6371007.181, 6371007.181},
      {New<TGIS_ProjectionPolarStereographic>(), "POL", 90, 12713601, 12713601},
      {New<TGIS_ProjectionPolyconic>(), "PLC", 0, 20037509, 15348215},
      {New<TGIS_ProjectionHotine>(), "HOT", 45, 0, 0},
      {New<TGIS_ProjectionHotine2>(), "HT2", 45, 0, 0},
  };
  for (const Defaults& row : table) {
    SCOPED_TRACE(row.code);
    const auto p = row.make();
    EXPECT_EQ(p->Datum, GisDatumList->Default());
    EXPECT_NEAR(p->OriginLatitude, row.originLatitudeDeg * kDeg, 1e-15);
    EXPECT_EQ(p->CentralMeridian, 0);
    EXPECT_EQ(p->ScaleFactor, 1);
    EXPECT_EQ(p->FalseEasting, 0);
    EXPECT_NEAR(p->MaxEastingOffset, row.maxEasting, 1e-3);
    EXPECT_NEAR(p->MaxNorthingOffset, row.maxNorthing, 1e-3);
  }
  // Albers and Lambert keep their creation parallels.
  TGIS_ProjectionAlbers albers;
  EXPECT_NEAR(albers.StandardParallel1, 40 * kDeg, 1e-15);
  EXPECT_NEAR(albers.StandardParallel2, 50 * kDeg, 1e-15);

  TGIS_ProjectionNZMG nzmg;
  EXPECT_EQ(nzmg.Datum, GisDatumList->Find("GEO"));
  EXPECT_EQ(nzmg.Ellipsoid, GisEllipsoidList->Find("IN"));
  EXPECT_NEAR(nzmg.CentralMeridian, 173 * kDeg, 1e-15);
  EXPECT_NEAR(nzmg.OriginLatitude, -41 * kDeg, 1e-15);
  EXPECT_EQ(nzmg.FalseEasting, 2510000);
  EXPECT_EQ(nzmg.FalseNorthing, 6023150);
}

// ---- Round trips ------------------------------------------------------------

struct RoundTrip {
  const char* label;
  std::function<std::unique_ptr<TGIS_ProjectionAbstract>()> make;  // set up
  double lonFrom, lonTo, latFrom, latTo;                           // degrees
  std::function<bool(double, double)> inside;                      // optional
};

template <class T>
Factory SetUpAs(Parameters q, const char* datum = "WGE") {
  return [q, datum] { return conictest::Make<T>(q, datum); };
}

TEST(Family, UnprojectInvertsProjectWithinANanoradian) {
  const auto visibleFrom = [](double lon0, double lat0) {
    return [lon0, lat0](double lon, double lat) {
      return std::sin(lat0 * kDeg) * std::sin(lat * kDeg) +
                 std::cos(lat0 * kDeg) * std::cos(lat * kDeg) * std::cos((lon - lon0) * kDeg) >
             0.02;
    };
  };
  const RoundTrip table[] = {
      {"ALB", New<TGIS_ProjectionAlbers>(), -179, 179, -89.9, 89.9, nullptr},
      {"ALB south", SetUpAs<TGIS_ProjectionAlbers>({100, -30, 1e6, 1e6, -20, -45}, "PUK"), -79, 279, -89, 89, nullptr},
      {"BON", New<TGIS_ProjectionBonne>(), -179, 179, -89.9, 89.9, nullptr},
      {"BON south", SetUpAs<TGIS_ProjectionBonne>({-60, -30}), -239, 119, -89.9, 89.9, nullptr},
      {"BON equator", SetUpAs<TGIS_ProjectionBonne>({0, 0}), -179, 179, -89.9, 89.9, nullptr},
      {"CAS", SetUpAs<TGIS_ProjectionCassini>({20, 50, 1e5, 2e5}), 16, 24, -85, 85, nullptr},
      {"LAM", New<TGIS_ProjectionLambert>(), -179, 179, -60, 89.9, nullptr},
      {"LAM south", SetUpAs<TGIS_ProjectionLambert>({135, -30, 0, 0, -20, -40}, "EUR-M"), -44, 314, -89.9, 60, nullptr},
      {"ORT", New<TGIS_ProjectionOrthographic>(), -180, 180, -90, 90, visibleFrom(0, 0)},
      {"ORT oblique", SetUpAs<TGIS_ProjectionOrthographic>({116, 40}), -180, 180, -90, 90, visibleFrom(116, 40)},
      {"POL", New<TGIS_ProjectionPolarStereographic>(), -180, 180, 0, 90, nullptr},
      {"POL south 71", SetUpAs<TGIS_ProjectionPolarStereographic>({70, -71}), -180, 180, -90, 0, nullptr},
      {"PLC", SetUpAs<TGIS_ProjectionPolyconic>({-96, 30, 1e6, 0}, "NAS-C"), -186, -6, -85, 85, nullptr},
      {"HOT", SetUpAs<TGIS_ProjectionHotine>({10, 45, 0, 0, 0, 0, 1, 30}), -20, 40, 15, 75, nullptr},
      {"HOT south", SetUpAs<TGIS_ProjectionHotine>({147, -35, 0, 0, 0, 0, 0.9996, 120}), 117, 177, -65, -5, nullptr},
      {"HT2", SetUpAs<TGIS_ProjectionHotine2>({0, 40, 0, 0, 0, 0, 1, 0, -5, 35, 15, 45}), -25, 35, 10, 70, nullptr},
      {"NZMG", New<TGIS_ProjectionNZMG>(), 166, 179, -48, -34, nullptr},
  };
  for (const RoundTrip& row : table) {
    const auto p = row.make();
    double worst = 0;
    constexpr int kSteps = 40;
    for (int i = 0; i <= kSteps; ++i) {
      for (int j = 0; j <= kSteps; ++j) {
        const double lonDeg = row.lonFrom + (row.lonTo - row.lonFrom) * i / kSteps;
        const double latDeg = row.latFrom + (row.latTo - row.latFrom) * j / kSteps;
        if (row.inside && !row.inside(lonDeg, latDeg)) continue;
        const double lon = std::remainder(lonDeg * kDeg, 2 * kPi);
        const double lat = latDeg * kDeg;
        const TGIS_Point3 grid = Project(*p, lon, lat);
        const TGIS_Point3 back = Unproject(*p, grid.X, grid.Y);
        const double error =
            std::max(std::fabs(back.Y - lat), std::fabs(std::remainder(back.X - lon, 2 * kPi)) * std::cos(lat));
        worst = std::max(worst, error);
        EXPECT_LT(error, 1e-9) << row.label << " at " << lonDeg << ", " << latDeg;
      }
    }
    RecordProperty(std::string("WorstRoundTripRad_") + row.label, std::to_string(worst));
  }
}

TEST(Family, GeocentricRoundTripNearTheSurface) {
  TGIS_ProjectionGeocentric gec;
  for (double h : {-500.0, 0.0, 3000.0})
    for (int i = 0; i <= 36; ++i)
      for (int j = 0; j <= 18; ++j) {
        const double lon = (-180 + 10 * i) * kDeg;
        const double lat = (-90 + 10 * j) * kDeg;
        const TGIS_Point3 xyz = Project(gec, lon, lat, h);
        const TGIS_Point3 back = Unproject(gec, xyz.X, xyz.Y, xyz.Z);
        EXPECT_LT(std::fabs(back.Y - lat), 1e-9) << i << " " << j << " " << h;
        EXPECT_LT(std::fabs(std::remainder(back.X - lon, 2 * kPi)) * std::cos(lat), 1e-9);
        EXPECT_NEAR(back.Z, h, 0.01);
      }
}

// ---- Clamps, warnings, refusals -----------------------------------------------

// The classes that follow the family pattern of Project and Unproject.
std::vector<Factory> PatternClasses() {
  return {New<TGIS_ProjectionAlbers>(),   New<TGIS_ProjectionBonne>(),        New<TGIS_ProjectionCassini>(),
          New<TGIS_ProjectionLambert>(),  New<TGIS_ProjectionOrthographic>(), New<TGIS_ProjectionPolarStereographic>(),
          New<TGIS_ProjectionPolyconic>()};
}

TEST(Family, ProjectClampsLatitudeAndLongitudeWithWarnings) {
  for (const Factory& make : PatternClasses()) {
    const auto p = make();
    SCOPED_TRACE(p->Code());
    // Meridian 170 degrees: the clamped longitude -pi lies 10 degrees east of
    // it, inside every class's good region, so no later warning replaces the
    // clamp's.
    SetUpDegrees(*p, Parameters{170, p->OriginLatitude / kDeg, 0, 0, 40, 50});
    const TGIS_Point3 atPole = Project(*p, 3.0, kPi / 2);
    const TGIS_Point3 beyond = Project(*p, 3.0, 2.0);
    EXPECT_EQ(p->Warnings, GIS_RS_ERR_LATITUDE_FIXED);
    EXPECT_EQ(beyond.X, atPole.X);
    EXPECT_EQ(beyond.Y, atPole.Y);

    const TGIS_Point3 edge = Project(*p, -kPi, 0.7);
    p->Warnings.clear();
    const TGIS_Point3 west = Project(*p, -5.0, 0.7);
    EXPECT_EQ(p->Warnings, GIS_RS_ERR_LONGITUDE_FIXED);
    EXPECT_EQ(west.X, edge.X);
    EXPECT_EQ(west.Y, edge.Y);
    // 2*pi is the upper bound itself, the same meridian as 0 (which the
    // orthographic sees from behind: it warns 0236, not 0241).
    p->Warnings.clear();
    const TGIS_Point3 full = Project(*p, 2 * kPi, 0.7);
    EXPECT_NE(p->Warnings, GIS_RS_ERR_LONGITUDE_FIXED);
    const TGIS_Point3 zero = Project(*p, 0, 0.7);
    EXPECT_NEAR(full.X, zero.X, 1e-6);
    EXPECT_NEAR(full.Y, zero.Y, 1e-6);
  }
}

TEST(Family, UnprojectClampsToTheReachWithWarnings) {
  // The warning the clamp leaves, unless the class's own later warning about
  // the clamped point replaces it: Cassini's 4-degree warning for any easting
  // at its bound, and the polyconic's 0236 for a northing at its bound on the
  // central meridian, which the projection never reaches.
  struct Row {
    Factory make;
    const std::string& eastingWarning;
    const std::string& northingWarning;
  };
  const Row table[] = {
      {New<TGIS_ProjectionAlbers>(), GIS_RS_ERR_EASTING_FIXED, GIS_RS_ERR_NORTHING_FIXED},
      {New<TGIS_ProjectionBonne>(), GIS_RS_ERR_EASTING_FIXED, GIS_RS_ERR_NORTHING_FIXED},
      {New<TGIS_ProjectionCassini>(), GIS_RS_ERR_LONGITUDE_FIXED, GIS_RS_ERR_NORTHING_FIXED},
      {New<TGIS_ProjectionLambert>(), GIS_RS_ERR_EASTING_FIXED, GIS_RS_ERR_NORTHING_FIXED},
      {New<TGIS_ProjectionOrthographic>(), GIS_RS_ERR_EASTING_FIXED, GIS_RS_ERR_NORTHING_FIXED},
      {New<TGIS_ProjectionPolarStereographic>(), GIS_RS_ERR_EASTING_FIXED, GIS_RS_ERR_NORTHING_FIXED},
      {New<TGIS_ProjectionPolyconic>(), GIS_RS_ERR_EASTING_FIXED, GIS_RS_ERR_PRJ_DISTORTED},
  };
  for (const Row& row : table) {
    const auto p = row.make();
    SCOPED_TRACE(p->Code());
    SetUpDegrees(*p, Parameters{0, p->OriginLatitude / kDeg, 3e5, -4e5, 40, 50});
    const double far = 1e9;
    const TGIS_Point3 east = Unproject(*p, far, -4e5 + 1000);
    EXPECT_EQ(p->Warnings, row.eastingWarning);
    const TGIS_Point3 north = Unproject(*p, 3e5 + 1000, -far);
    EXPECT_EQ(p->Warnings, row.northingWarning);
    for (const TGIS_Point3& r : {east, north}) {
      EXPECT_TRUE(std::isfinite(r.X) && std::isfinite(r.Y));
      EXPECT_LE(std::fabs(r.X), kPi);
      EXPECT_LE(std::fabs(r.Y), kPi / 2);
    }
  }
}

TEST(Family, NonNumbersAreRefusedNeverPassedOn) {
  std::vector<Factory> all = PatternClasses();
  all.push_back(New<TGIS_ProjectionHotine>());
  all.push_back(New<TGIS_ProjectionNZMG>());
  for (const Factory& make : all) {
    const auto p = make();
    SCOPED_TRACE(p->Code());
    EXPECT_EQ(RaisedMessage([&] { Project(*p, 0.1, kNaN); }), "0210");
    EXPECT_EQ(RaisedMessage([&] { Project(*p, kNaN, 0.7); }), "0211");
    EXPECT_EQ(RaisedMessage([&] { Unproject(*p, kNaN, 0); }), "0215");
    EXPECT_EQ(RaisedMessage([&] { Unproject(*p, 0, kNaN); }), "0216");
  }
  for (const Factory& make : PatternClasses()) {
    const auto p = make();
    EXPECT_EQ(RaisedMessage([&] { Project(*p, 0.1, 0.7, kNaN); }), "0217") << p->Code();
    for (int parameter = 0; parameter < 4; ++parameter) {
      double v[4] = {0.1, 0.7, 0, 0};
      v[parameter] = kNaN;
      EXPECT_NE(RaisedMessage([&] { p->SetUp(0, v[0], v[1], v[2], v[3], 0, 0, 1, 0, 0, 0, 0, 0, 0, 0); }), "")
          << p->Code() << " parameter " << parameter;
    }
  }
}

TEST(Family, HeightPassesThroughThePlaneProjections) {
  for (const Factory& make : PatternClasses()) {
    const auto p = make();
    EXPECT_EQ(Project(*p, 0.1, 0.7, 123.25).Z, 123.25) << p->Code();
    EXPECT_EQ(Unproject(*p, 1000, 2000, -5.5).Z, -5.5) << p->Code();
  }
}

TEST(Family, CentralMeridianAboveHalfTurnIsTheWesternOne) {
  for (const Factory& make : PatternClasses()) {
    const auto east = make();
    const auto west = make();
    SCOPED_TRACE(east->Code());
    const double lat0 = east->OriginLatitude / kDeg;
    SetUpDegrees(*east, Parameters{270, lat0, 0, 0, 40, 50});
    SetUpDegrees(*west, Parameters{-90, lat0, 0, 0, 40, 50});
    EXPECT_NEAR(east->CentralMeridian, -90 * kDeg, 1e-15);
    const TGIS_Point3 a = Project(*east, -88 * kDeg, 0.7);
    const TGIS_Point3 b = Project(*west, -88 * kDeg, 0.7);
    EXPECT_NEAR(a.X, b.X, 1e-6);
    EXPECT_NEAR(a.Y, b.Y, 1e-6);
  }
}

}  // namespace
