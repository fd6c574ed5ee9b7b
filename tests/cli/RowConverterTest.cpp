// Rows through the converter: the window's exact results by default, zones
// of 3 and 6 degrees and explicit ones, prefixed eastings with the zone
// taken from them, the exact meridian, the ellipsoids, the plane transform.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "ConverterFixture.h"
#include "app/ConversionCommands.h"
#include "toolkit/core/NumberText.h"

namespace {

using gkconv::TDirection;

class RowConverter : public ConverterFixture {};

TEST_F(RowConverter, AgreesWithTheWindowCharacterForCharacter) {
  tk::SetDecimalSeparatorOverride(".");
  app::TConversionCommands window;
  app::TFieldTexts fields;
  auto toGauss = Settings(TDirection::ToGauss);
  toGauss.WindowFormat = true;
  auto toGeodetic = Settings(TDirection::ToGeodetic);
  toGeodetic.WindowFormat = true;
  toGeodetic.ZoneColumn = 2;
  const std::pair<const char*, const char*> points[] = {
      {"116.391", "39.907"}, {"117", "0"},     {"6", "45"},      {"5.999999", "-33.5"}, {"-3", "10"},
      {"-7", "-80"},         {"180", "89.9"},  {"73.5", "53.5"}, {"134.9", "18.1"},     {"120.000001", "30"},
  };
  for (const auto& [lon, lat] : points) {
    fields[app::TField::edtLon] = lon;
    fields[app::TField::edtLat] = lat;
    ASSERT_TRUE(window.GeodeticToGauss(fields)) << lon;
    const std::string zone = fields[app::TField::edtGaussZone];
    const std::string x = fields[app::TField::edtGaussX], y = fields[app::TField::edtGaussY];
    EXPECT_EQ(Convert(toGauss, {lon, lat}), zone + "," + x + "," + y) << lon << " " << lat;

    ASSERT_TRUE(window.GaussToGeodetic(fields));
    EXPECT_EQ(Convert(toGeodetic, {x, y, zone}),
              fields[app::TField::edtLon] + "," + fields[app::TField::edtLat])
        << lon << " " << lat;
  }
  tk::SetDecimalSeparatorOverride("");
}

TEST_F(RowConverter, ChoosesSixAndThreeDegreeZonesAndExplicitOnes) {
  struct TCase {
    const char* Name;
    int Width;
    std::optional<int> Zone;
    std::optional<double> Meridian;
    const char* Lon;
    const char* Expected;  // the zone column, then easting to the metre
  };
  const TCase cases[] = {
      {"6 degrees", 6, {}, {}, "116.391", "20,447924"},
      {"3 degrees, the same meridian as zone 20", 3, {}, {}, "116.391", "39,447924"},
      {"3-degree border", 3, {}, {}, "118.5", "40,"},
      {"just below it", 3, {}, {}, "118.4999", "39,"},
      {"one zone for all", 6, 19, {}, "116.391", "19,961"},
      {"one meridian for all", 6, {}, 114.0, "116.391", "114,704"},
  };
  for (const TCase& c : cases) {
    auto s = Settings(TDirection::ToGauss);
    s.Zones.Width = c.Width;
    s.Zones.Zone = c.Zone;
    s.Zones.CentralMeridian = c.Meridian;
    const std::string out = Convert(s, {c.Lon, "39.907"});
    EXPECT_TRUE(out.starts_with(c.Expected)) << c.Name << ": " << out;
  }
}

TEST_F(RowConverter, RefusesALongitudeMoreThanAQuarterTurnFromTheGivenMeridian) {
  // The projection would clamp it to the quarter turn (and warn again for the
  // distortion there); a row must fail instead of taking a wrong place.
  auto s = Settings(TDirection::ToGauss);
  s.Zones.CentralMeridian = 114.0;
  EXPECT_EQ(Convert(s, {"-100", "30"}), "error: field 1: longitude: more than 90 degrees from the central meridian");
  EXPECT_TRUE(Convert(s, {"150", "30"}).starts_with("114,")) << "36 degrees off: far, but converted";
}

TEST_F(RowConverter, ConvertsManyRowsOfSeveralZonesInOnePass) {
  // Read, ConvertRows, Write over rows of four zones give
  // what converting each row on its own gives.
  auto s = Settings(TDirection::ToGauss);
  const std::vector<std::vector<std::string_view>> rows = {
      {"116.391", "39.907"}, {"121.5", "31.2"}, {"116.9", "-20"}, {"87.6", "43.8"}, {"121.1", "89.9"}, {"117.2", "0"}};
  gkconv::TRowConverter converter(s);
  std::vector<gkconv::TRowPoint> points(rows.size());
  for (size_t i = 0; i < rows.size(); ++i) {
    gkconv::TRowError error;
    ASSERT_TRUE(converter.Read(rows[i], points[i], error)) << i << ": " << error.Reason;
  }
  converter.ConvertRows(points);
  for (size_t i = 0; i < rows.size(); ++i) {
    const std::string alone = Convert(s, rows[i]);
    if (points[i].Failed) {
      EXPECT_EQ(alone, "error: field " + std::to_string(points[i].Error.Field) + ": " + points[i].Error.Reason);
      continue;
    }
    std::string out;
    converter.Write(points[i], ",", out);
    EXPECT_EQ(out.substr(1), alone) << i;
  }
}

TEST_F(RowConverter, PrefixedEastingsCarryTheirZone) {
  auto s = Settings(TDirection::ToGauss);
  s.PrefixZone = true;
  EXPECT_EQ(Convert(s, {"116.391", "39.907"}), "20,20447924.495,4419380.448");
  s.NorthFirst = true;
  EXPECT_EQ(Convert(s, {"116.391", "39.907"}), "20,4419380.448,20447924.495");

  struct TCase {
    const char* Name;
    const char* Easting;
    std::optional<int> Zone;
    std::optional<double> Meridian;
    int Width;
    const char* Expected;
  };
  const TCase cases[] = {
      {"zone from the prefix", "20447924.495", {}, {}, 6, "116.391000"},
      {"same as --zone", "20447924.495", 20, {}, 6, "116.391000"},
      {"3-degree prefix", "39447924.495", {}, {}, 3, "116.391000"},
      {"plain easting with --zone", "447924.495", 20, {}, 6, "116.391000"},
      {"prefix against --zone", "20447924.495", 19, {}, 6,
       "error: field 1: easting '20447924.495' carries zone 20, but --zone is 19"},
      {"prefix against --central-meridian", "20447924.495", {}, 114.0, 6,
       "error: field 1: zone 20 has its central meridian at 117 degrees, but --central-meridian is 114"},
      {"no zone at all", "447924.495", {}, {}, 6, "error: field 1: no zone: the easting has no zone number in front"},
      {"seven digits are no prefix", "2447924.495", {}, {}, 6, "error: field 1: no zone"},
      {"nine digits neither", "120447924.495", {}, {}, 6, "error: field 1: no zone"},
      {"beyond the reach", "20447924.495e3", 20, {}, 6, "error: field 1: 0215 Easting"},
  };
  for (const TCase& c : cases) {
    auto g = Settings(TDirection::ToGeodetic);
    g.Zones.Zone = c.Zone;
    g.Zones.CentralMeridian = c.Meridian;
    g.Zones.Width = c.Width;
    const std::string out = Convert(g, {c.Easting, "4419380.448"});
    EXPECT_TRUE(out.starts_with(c.Expected)) << c.Name << ": " << out;
  }

  auto g = Settings(TDirection::ToGeodetic);
  g.ZoneColumn = 2;
  EXPECT_TRUE(Convert(g, {"20447924.495", "4419380.448", "19"}).starts_with("error: field 1: easting '20447924.495' carries zone 20, but the zone column says 19"));
}

TEST_F(RowConverter, ExactMeridianMovesTheEastingByTheWindowsPiError) {
  auto window = Settings(TDirection::ToGauss);
  auto exact = Settings(TDirection::ToGauss);
  exact.Zones.ExactMeridian = true;
  window.Digits = exact.Digits = 6;
  EXPECT_EQ(Convert(window, {"117", "0"}), "20,500000.014883,0.000000");
  EXPECT_EQ(Convert(exact, {"117", "0"}), "20,500000.000000,0.000000");
}

TEST_F(RowConverter, UsesTheChosenEllipsoid) {
  // The same point on three ellipsoids; the plane coordinates differ by tens
  // of metres between WGS 84 and Krassovsky and by less than a millimetre
  // between WGS 84 and GRS 80.
  std::string wgs = Convert(Settings(TDirection::ToGauss, "WE"), {"116.391", "39.907"});
  std::string grs = Convert(Settings(TDirection::ToGauss, "CGCS2000"), {"116.391", "39.907"});
  std::string kra = Convert(Settings(TDirection::ToGauss, "Krassovsky"), {"116.391", "39.907"});
  std::string xian = Convert(Settings(TDirection::ToGauss, "6378140,298.257"), {"116.391", "39.907"});
  std::string xianByName = Convert(Settings(TDirection::ToGauss, "Xian80"), {"116.391", "39.907"});
  EXPECT_EQ(wgs, grs);
  EXPECT_NE(wgs, kra);
  EXPECT_EQ(xian, xianByName);
  EXPECT_EQ(kra.substr(0, 11), "20,447923.6");  // Krassovsky: 87 cm less easting
  std::string error;
  EXPECT_EQ(gkconv::ChooseEllipsoid("Mars", error), nullptr);
  EXPECT_NE(error.find("unknown ellipsoid 'Mars'"), std::string::npos);
  EXPECT_EQ(gkconv::ChooseEllipsoid("6378140", error), nullptr);
}

TEST_F(RowConverter, PlaneFourParametersGoThereAndBack) {
  auto to = Settings(TDirection::ToGauss);
  to.Plane4 = gkconv::TPlane4Parameters{-12.5, 30.25, 3.6, 12.0};
  to.Digits = 6;
  const std::string plane = Convert(to, {"116.391", "39.907"});
  auto back = Settings(TDirection::ToGeodetic);
  back.Plane4 = to.Plane4;
  back.ZoneColumn = 0;
  back.FirstColumn = 1;
  back.SecondColumn = 2;
  const auto comma1 = plane.find(','), comma2 = plane.rfind(',');
  const std::string zone = plane.substr(0, comma1), x = plane.substr(comma1 + 1, comma2 - comma1 - 1),
                    y = plane.substr(comma2 + 1);
  EXPECT_EQ(Convert(back, {zone, x, y}), "116.391000000,39.907000000");
  // 3.6" about the origin at 4.4e6 m north moves the easting by about 77 m.
  const double shifted = std::stod(x) - 447924.4946;
  EXPECT_NEAR(shifted, 30.25 + 12e-6 * 447924.4946 + 3.6 / 206264.806 * 4419380.448, 0.01);
}

}  // namespace
