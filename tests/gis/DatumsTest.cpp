#include "gis/GisAngles.h"
#include "gis/GisDatums.h"
#include "gis/GisProjections.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

namespace {

using gis_angle::kPi;

TEST(EllipsoidTable, HoldsTheBuiltInEllipsoidsWithDerivedConstants) {
  ASSERT_EQ(GisEllipsoidList->Count(), 23);
  const TGIS_Ellipsoid* we = GisEllipsoidList->Find("WE");
  ASSERT_NE(we, nullptr);
  EXPECT_EQ(we->Description, "World Geodetic System 1984 (WGS 84)");
  EXPECT_EQ(we->A, 6378137.0L);
  EXPECT_NEAR(static_cast<double>(1 / we->F), 298.257223563, 1e-9);
  EXPECT_NEAR(static_cast<double>(we->B), 6356752.3142, 5e-5);
  EXPECT_NEAR(static_cast<double>(we->E2), 0.00669437999014, 5e-15);
  EXPECT_NEAR(static_cast<double>(we->Ep2), 0.00673949674228, 5e-15);
  EXPECT_NEAR(static_cast<double>(we->E * we->E), static_cast<double>(we->E2), 1e-18);
  EXPECT_NEAR(static_cast<double>(we->Ep * we->Ep), static_cast<double>(we->Ep2), 1e-18);

  const TGIS_Ellipsoid* ka = GisEllipsoidList->Find("KA");
  ASSERT_NE(ka, nullptr);
  EXPECT_EQ(ka->A, 6378245.0L);
  EXPECT_NEAR(static_cast<double>(ka->B), 6356863.0188, 5e-5);
}

TEST(EllipsoidTable, IsSortedAndCaseInsensitive) {
  for (int i = 1; i < GisEllipsoidList->Count(); ++i)
    EXPECT_LT(GisEllipsoidList->Item(i - 1).Code, GisEllipsoidList->Item(i).Code);
  EXPECT_EQ(GisEllipsoidList->Find("we"), GisEllipsoidList->Find("WE"));
  EXPECT_EQ(GisEllipsoidList->Find("XX"), nullptr);
}

TEST(EllipsoidTable, AddWithAnExistingCodeReplacesTheRecord) {
  TGIS_EllipsoidList list;
  list.Add("QQ", "first", 6000000, 300);
  const TGIS_Ellipsoid& second = list.Add("qq", "second", 6100000, 300);
  EXPECT_EQ(list.Count(), 1);
  EXPECT_EQ(list.Find("QQ"), &second);
  EXPECT_EQ(list.Find("QQ")->Description, "second");
}

TEST(DatumTable, HoldsTheBuiltInDatumsWithExistingEllipsoids) {
  ASSERT_EQ(GisDatumList->Count(), 227);
  std::set<std::string> codes;
  for (int i = 0; i < GisDatumList->Count(); ++i) {
    const TGIS_Datum& d = GisDatumList->Item(i);
    codes.insert(d.Code);
    EXPECT_NE(GisEllipsoidList->Find(d.EllipsoidCode), nullptr) << d.Code;
    EXPECT_FALSE(d.Description.empty()) << d.Code;
    if (i > 0) {
      EXPECT_LT(GisDatumList->Item(i - 1).Code, d.Code);
    }
  }
  EXPECT_EQ(codes.size(), 227u);
  int kinds[4] = {};
  for (int i = 0; i < GisDatumList->Count(); ++i) ++kinds[static_cast<int>(GisDatumList->Item(i).Kind)];
  EXPECT_EQ(kinds[0], 1);
  EXPECT_EQ(kinds[1], 1);
  EXPECT_EQ(kinds[2], 222);
  EXPECT_EQ(kinds[3], 3);
}

TEST(DatumTable, DefaultIsWgs84AndLookupIgnoresCase) {
  const TGIS_Datum* wge = GisDatumList->Default();
  ASSERT_NE(wge, nullptr);
  EXPECT_EQ(wge->Code, "WGE");
  EXPECT_EQ(wge->Description, "World Geodetic System 1984");
  EXPECT_EQ(GisDatumList->Find("wge"), wge);
  EXPECT_EQ(&GisEllipsoidOfDatum(*wge), GisEllipsoidList->Find("WE"));

  struct Row {
    const char* code;
    const char* ellipsoid;
  };
  for (const Row& r : {Row{"ADI-A", "CD"}, Row{"ENW", "HO"}, Row{"IND-I", "EC"}, Row{"NAR-H", "RF"},
                       Row{"SOA", "FA"}, Row{"TOY-M", "BN"}, Row{"CH1903", "BR"}, Row{"OEG", "HE"}}) {
    const TGIS_Datum* d = GisDatumList->Find(r.code);
    ASSERT_NE(d, nullptr) << r.code;
    EXPECT_EQ(d->EllipsoidCode, r.ellipsoid) << r.code;
  }
}

TEST(DatumTable, DefaultFollowsWgeWhileTheListGrows) {
  TGIS_DatumList list;
  const std::array<double, 10> none{};
  list.Add(TGIS_DatumKind::dkThreeParameter, "ZZZ", "after", "WE", none);
  EXPECT_EQ(list.Default(), nullptr);
  const TGIS_Datum& wge = list.Add(TGIS_DatumKind::dkWgs84, "WGE", "default", "WE", none);
  list.Add(TGIS_DatumKind::dkThreeParameter, "AAA", "before", "WE", none);
  list.Add(TGIS_DatumKind::dkThreeParameter, "BBB", "before", "WE", none);
  EXPECT_EQ(list.Default(), &wge);
}

TEST(DatumRecord, InterpretsTheTenNumbersByKind) {
  const TGIS_Datum* adi = GisDatumList->Find("ADI-M");
  ASSERT_NE(adi, nullptr);
  EXPECT_EQ(adi->Description, "ADINDAN, Mean");
  EXPECT_EQ(adi->DX, -166);
  EXPECT_EQ(adi->EX, 5);
  EXPECT_EQ(adi->DY, -15);
  EXPECT_EQ(adi->EY, 5);
  EXPECT_EQ(adi->DZ, 204);
  EXPECT_EQ(adi->EZ, 3);
  EXPECT_DOUBLE_EQ(adi->South, -5 * kPi / 180);
  EXPECT_DOUBLE_EQ(adi->North, 31 * kPi / 180);
  EXPECT_DOUBLE_EQ(adi->West, 15 * kPi / 180);
  EXPECT_DOUBLE_EQ(adi->East, 55 * kPi / 180);
  EXPECT_EQ(adi->Scale, 1.0);

  const TGIS_Datum* eur7 = GisDatumList->Find("EUR-7");
  ASSERT_NE(eur7, nullptr);
  EXPECT_EQ(eur7->Kind, TGIS_DatumKind::dkSevenParameter);
  EXPECT_EQ(eur7->DX, -102);
  EXPECT_EQ(eur7->DY, -102);
  EXPECT_EQ(eur7->DZ, -129);
  EXPECT_DOUBLE_EQ(eur7->RX, 0.413 / 206264.8062471);
  EXPECT_DOUBLE_EQ(eur7->RY, -0.184 / 206264.8062471);
  EXPECT_DOUBLE_EQ(eur7->RZ, 0.385 / 206264.8062471);
  EXPECT_EQ(eur7->Scale, 2.4664e-6);
  EXPECT_EQ(eur7->EX, 0);
  EXPECT_EQ(eur7->South, -kPi / 2);
  EXPECT_EQ(eur7->East, kPi);

  const TGIS_Datum* wgd = GisDatumList->Find("WGD");
  ASSERT_NE(wgd, nullptr);
  EXPECT_EQ(wgd->Kind, TGIS_DatumKind::dkWgs72);
  EXPECT_EQ(wgd->West, -kPi);
  EXPECT_EQ(wgd->North, kPi / 2);
  EXPECT_EQ(wgd->Scale, 1.0);
}

TEST(DatumRecord, MissingEllipsoidRaises0200WithTheCode) {
  const TGIS_Datum orphan(TGIS_DatumKind::dkWgs84, "ORPH", "orphan", "QX", {});
  try {
    GisEllipsoidOfDatum(orphan);
    FAIL() << "no exception";
  } catch (const EGIS_Exception& e) {
    EXPECT_EQ(e.Message(), "0200 Ellipsoid \"QX\" not found");
    EXPECT_EQ(e.ErrorCode(), 20);
    EXPECT_EQ(e.TextArgument(), "QX");
  }
}

TEST(GeocentricConversion, ForwardAndBackOnWgs84) {
  const TGIS_Ellipsoid& we = *GisEllipsoidList->Find("WE");
  const TGIS_Point3 origin = GisGeodeticToGeocentric(we, {0, 0, 0});
  EXPECT_EQ(origin.X, 6378137.0);
  EXPECT_EQ(origin.Y, 0.0);
  EXPECT_EQ(origin.Z, 0.0);

  const TGIS_Point3 pole = GisGeocentricToGeodetic(we, {0, 0, 6356752.3142});
  EXPECT_EQ(pole.Y, kPi / 2);
  EXPECT_NEAR(pole.Z, 0, 1e-3);
  const TGIS_Point3 south = GisGeocentricToGeodetic(we, {0, 0, -6356752.3142});
  EXPECT_EQ(south.Y, -kPi / 2);

  const TGIS_Point3 centre = GisGeocentricToGeodetic(we, {0, 0, 0});
  EXPECT_EQ(centre.X, 0);
  EXPECT_EQ(centre.Y, kPi / 2);
  EXPECT_NEAR(centre.Z, -6356752.3142, 1e-4);

  // The closed form is accurate to millimetres near the surface.
  const TGIS_Point3 cases[] = {{0.3, 0.7, 120}, {-2.5, -1.2, -30}, {3.1, 0.01, 8000}, {kPi / 2, 0.5, 0},
                               {-kPi / 2, -0.5, 10}};
  for (const TGIS_Point3& p : cases) {
    const TGIS_Point3 xyz = GisGeodeticToGeocentric(we, p);
    const TGIS_Point3 back = GisGeocentricToGeodetic(we, xyz);
    EXPECT_NEAR(back.X, p.X, 1e-12);
    EXPECT_NEAR(back.Y, p.Y, 1e-9);
    EXPECT_NEAR(back.Z, p.Z, 1e-2);
  }
}

// The geodetic point of a geocentric one by the latitude iteration carried
// in extended precision to convergence: the reference for the closed form.
TGIS_Point3 IteratedGeodetic(const TGIS_Ellipsoid& ellipsoid, const TGIS_Point3& xyz) {
  const long double a = ellipsoid.A, e2 = ellipsoid.E2;
  const long double w = std::hypot(static_cast<long double>(xyz.X), static_cast<long double>(xyz.Y));
  const long double z = xyz.Z;
  long double lat = std::atan2(z, w * (1 - e2));
  for (int i = 0; i < 60; ++i) {
    const long double s = std::sin(lat);
    lat = std::atan2(z + e2 * a / std::sqrt(1 - e2 * s * s) * s, w);
  }
  const long double s = std::sin(lat), c = std::cos(lat);
  const long double n = a / std::sqrt(1 - e2 * s * s);
  const long double h = std::fabs(c) > 0.5L ? w / c - n : z / s - n * (1 - e2);
  return {static_cast<double>(std::atan2(static_cast<long double>(xyz.Y), static_cast<long double>(xyz.X))),
          static_cast<double>(lat), static_cast<double>(h)};
}

TEST(GeocentricConversion, InverseIsExactFromDeepInsideToFarOut) {
  // Heights from deep inside the earth to beyond geostationary orbit, on two
  // ellipsoids, latitudes up to a nanoradian from the poles.
  for (const char* code : {"WE", "KA"}) {
    const TGIS_Ellipsoid& ellipsoid = *GisEllipsoidList->Find(code);
    double worstAngle = 0, worstHeight = 0;
    for (const double h : {-5e6, -1e5, -1000.0, 0.0, 1.0, 3000.0, 9000.0, 1e5, 1e6, 4e7}) {
      for (int i = 0; i <= 180; ++i) {
        const double lat = i == 0 ? -kPi / 2 + 1e-9 : i == 180 ? kPi / 2 - 1e-9 : (i - 90) * kPi / 180;
        const double lon = -kPi + 2 * kPi * ((i * 37) % 181) / 181.0;
        const TGIS_Point3 xyz = GisGeodeticToGeocentric(ellipsoid, {lon, lat, h});
        const TGIS_Point3 mine = GisGeocentricToGeodetic(ellipsoid, xyz);
        const TGIS_Point3 reference = IteratedGeodetic(ellipsoid, xyz);
        worstAngle = std::max({worstAngle, std::fabs(mine.X - reference.X), std::fabs(mine.Y - reference.Y)});
        worstHeight = std::max(worstHeight, std::fabs(mine.Z - reference.Z));
      }
    }
    EXPECT_LT(worstAngle, 1e-15) << code;
    EXPECT_LT(worstHeight, 1e-7) << code;
  }
}

TEST(GeocentricConversion, EquatorialPlaneNearTheCentreHasTheNearestNormal) {
  // Within e^2 a of the centre the plane point lies on the normals of two
  // off-equator points; the northern one is taken, continuous with the
  // centre itself (the pole, height -b).
  const TGIS_Ellipsoid& we = *GisEllipsoidList->Find("WE");
  for (const double w : {1e-3, 1000.0, 20000.0, 40000.0}) {
    const TGIS_Point3 g = GisGeocentricToGeodetic(we, {0, w, 0});
    EXPECT_EQ(g.X, kPi / 2);
    EXPECT_GT(g.Y, 0);
    const TGIS_Point3 back = GisGeodeticToGeocentric(we, g);
    EXPECT_NEAR(back.X, 0, 1e-6) << w;
    EXPECT_NEAR(back.Y, w, 1e-6) << w;
    EXPECT_NEAR(back.Z, 0, 1e-6) << w;
  }
  EXPECT_NEAR(GisGeocentricToGeodetic(we, {0, 1e-3, 0}).Z, -6356752.3142, 1e-4);
  const TGIS_Point3 far = GisGeocentricToGeodetic(we, {3e150, 0, 4e150});
  EXPECT_NEAR(far.Y, std::atan2(4.0, 3.0), 1e-15);
  EXPECT_NEAR(far.Z / 5e150, 1, 1e-15);
}

TEST(GeocentricConversion, RangesAndNonFiniteInputRaise) {
  const TGIS_Ellipsoid& we = *GisEllipsoidList->Find("WE");
  const double nan = std::nan("");
  const TGIS_Point3 rejected[] = {{4.0, 0, 0}, {-3.2, 0, 0}, {0, 1.6, 0}, {0, -1.6, 0},
                                  {nan, 0, 0}, {0, nan, 0},  {0, 0, nan}};
  for (const TGIS_Point3& p : rejected) EXPECT_THROW(GisGeodeticToGeocentric(we, p), EGIS_Exception);
  try {
    GisGeodeticToGeocentric(we, {4.0, 0, 0});
  } catch (const EGIS_Exception& e) {
    EXPECT_EQ(e.Message(), "0211 Longitude 4 out of scope");
  }
  try {
    GisGeodeticToGeocentric(we, {0, 1.6, 0});
  } catch (const EGIS_Exception& e) {
    EXPECT_EQ(e.Message(), "0210 Latitude 1.6 out of scope");
  }
  EXPECT_THROW(GisGeocentricToGeodetic(we, {nan, 0, 0}), EGIS_Exception);
  EXPECT_THROW(GisGeocentricToGeodetic(we, {0, HUGE_VAL, 0}), EGIS_Exception);
  EXPECT_THROW(GisGeocentricToGeodetic(we, {0, 0, -HUGE_VAL}), EGIS_Exception);
}

}  // namespace
