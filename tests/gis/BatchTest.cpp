// The batch entry points: the same results as the single-point calls, point
// by point, for the class that overrides them and for the base's loop; a
// failing point does not stop the batch; notes carry warnings and errors.
#include "gis/projections/GisProjectionLambert.h"
#include "gis/projections/GisProjectionTransverseMercator.h"

#include "GisTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <vector>

namespace {

using gistest::kDeg;

std::vector<TGIS_Point3> Geodetic(double meridianDeg) {
  std::vector<TGIS_Point3> points;
  for (int i = 0; i < 40; ++i)
    points.push_back(MakePoint3((meridianDeg - 5 + 0.25 * i) * kDeg, (-60 + 3.1 * i) * kDeg, 0.5 * i));
  return points;
}

void ExpectSameAsOneByOne(TGIS_ProjectionAbstract& p, const std::vector<TGIS_Point3>& geodetic) {
  std::vector<TGIS_Point3> plane(geodetic.size());
  ASSERT_EQ(p.ProjectPoints(geodetic, plane), 0u);
  std::vector<TGIS_Point3> back(plane.size());
  ASSERT_EQ(p.UnprojectPoints(plane, back), 0u);
  for (size_t i = 0; i < geodetic.size(); ++i) {
    TGIS_Point3 single;
    p.Project(geodetic[i], single);
    EXPECT_EQ(plane[i].X, single.X) << i;
    EXPECT_EQ(plane[i].Y, single.Y) << i;
    EXPECT_EQ(plane[i].Z, single.Z) << i;
    p.Unproject(plane[i], single);
    EXPECT_EQ(back[i].X, single.X) << i;
    EXPECT_EQ(back[i].Y, single.Y) << i;
  }
}

TEST(BatchConversion, GivesTheSingleCallsResults) {
  TGIS_ProjectionTransverseMercator tm;  // overrides the entry points
  gistest::SetUpTransverse(tm, 117 * kDeg, 0, 500000, 0, 1);
  ExpectSameAsOneByOne(tm, Geodetic(117));
  TGIS_ProjectionLambert lambert;  // the base's loop
  ExpectSameAsOneByOne(lambert, Geodetic(0));
}

TEST(BatchConversion, ConvertsInPlace) {
  TGIS_ProjectionTransverseMercator tm;
  gistest::SetUpTransverse(tm, 117 * kDeg, 0, 500000, 0, 1);
  const std::vector<TGIS_Point3> original = Geodetic(117);
  std::vector<TGIS_Point3> plane(original.size()), back(original.size());
  tm.ProjectPoints(original, plane);
  tm.UnprojectPoints(plane, back);
  std::vector<TGIS_Point3> points = original;
  tm.ProjectPoints(points, points);
  for (size_t i = 0; i < points.size(); ++i) EXPECT_EQ(points[i].X, plane[i].X) << i;
  tm.UnprojectPoints(points, points);
  for (size_t i = 0; i < points.size(); ++i) {
    EXPECT_EQ(points[i].X, back[i].X) << i;
    EXPECT_EQ(points[i].Y, back[i].Y) << i;
  }
}

TEST(BatchConversion, NotesWarningsAndFailuresWithoutStopping) {
  TGIS_ProjectionTransverseMercator tm;
  gistest::SetUpTransverse(tm, 117 * kDeg, 0, 500000, 0, 1);
  const std::vector<TGIS_Point3> geodetic = {MakePoint3(116 * kDeg, 40 * kDeg, 0),
                                             MakePoint3(-100 * kDeg, 40 * kDeg, 0),  // clamped: 0241, then 0236
                                             MakePoint3(130 * kDeg, 40 * kDeg, 0),   // 13 degrees off: 0236
                                             MakePoint3(118 * kDeg, std::nan(""), 0)};
  std::vector<TGIS_Point3> plane(geodetic.size());
  std::vector<TGIS_PointNote> notes(geodetic.size());
  EXPECT_EQ(tm.ProjectPoints(geodetic, plane, notes), 1u);
  EXPECT_EQ(notes[0].Warning, 0);
  EXPECT_EQ(notes[1].Warning, 241);
  EXPECT_EQ(notes[2].Warning, 236);
  EXPECT_FALSE(notes[0].Error || notes[1].Error || notes[2].Error);
  ASSERT_TRUE(notes[3].Error);
  EXPECT_TRUE(std::isnan(plane[3].X) && std::isnan(plane[3].Y));
  EXPECT_EQ(gistest::Raised([&] { std::rethrow_exception(notes[3].Error); }).ErrorCode(), 21);
  EXPECT_TRUE(tm.Warnings.starts_with("0236"));  // the batch's last warning

  // Unprojecting: a point beyond the reach fails, the others convert.
  const std::vector<TGIS_Point3> grid = {plane[0], MakePoint3(500000 + 2e7, 0, 0), plane[2]};
  std::vector<TGIS_Point3> back(grid.size());
  std::vector<TGIS_PointNote> backNotes(grid.size());
  EXPECT_EQ(tm.UnprojectPoints(grid, back, backNotes), 1u);
  EXPECT_NEAR(back[0].X, 116 * kDeg, 1e-12);
  EXPECT_TRUE(backNotes[1].Error && std::isnan(back[1].X));
  EXPECT_NEAR(back[2].Y, 40 * kDeg, 1e-7);  // 13 degrees off the meridian the series are looser
}

TEST(BatchConversion, RefusesTooFewResultsOrNotes) {
  TGIS_ProjectionLambert lambert;
  const std::vector<TGIS_Point3> points = Geodetic(0);
  std::vector<TGIS_Point3> few(points.size() - 1);
  EXPECT_THROW(lambert.ProjectPoints(points, few), std::invalid_argument);
  std::vector<TGIS_Point3> enough(points.size());
  std::vector<TGIS_PointNote> notes(2);
  EXPECT_THROW(lambert.UnprojectPoints(points, enough, notes), std::invalid_argument);
}

}  // namespace
