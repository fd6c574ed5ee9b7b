#pragma once
// Helpers of the projection-family tests: a SetUp that names its arguments,
// and the creation of a configured projection by class.

#include <memory>
#include <string>

#include "GisTestSupport.h"

namespace conictest {

using gistest::kDeg;

// Every SetUp parameter a class of this family may read; angles in degrees.
struct Parameters {
  double centralMeridian = 0;
  double originLatitude = 0;
  double falseEasting = 0;
  double falseNorthing = 0;
  double parallel1 = 0;
  double parallel2 = 0;
  double scale = 1;
  double azimuth = 0;
  double point1Longitude = 0, point1Latitude = 0;
  double point2Longitude = 0, point2Latitude = 0;
};

inline void SetUpDegrees(TGIS_ProjectionAbstract& p, const Parameters& q) {
  p.SetUp(TGIS_SetUpParameters{.CentralMeridian = q.centralMeridian * kDeg,
                               .OriginLatitude = q.originLatitude * kDeg,
                               .FalseEasting = q.falseEasting,
                               .FalseNorthing = q.falseNorthing,
                               .StandardParallel1 = q.parallel1 * kDeg,
                               .StandardParallel2 = q.parallel2 * kDeg,
                               .ScaleFactor = q.scale,
                               .Azimuth = q.azimuth * kDeg,
                               .Point1Longitude = q.point1Longitude * kDeg,
                               .Point1Latitude = q.point1Latitude * kDeg,
                               .Point2Longitude = q.point2Longitude * kDeg,
                               .Point2Latitude = q.point2Latitude * kDeg});
}

// A new projection of the class on the datum, set up.
template <class T>
std::unique_ptr<T> Make(const Parameters& q, const char* datum = "WGE") {
  auto p = std::make_unique<T>();
  p->SetDatum(*GisDatumList->Find(datum));
  SetUpDegrees(*p, q);
  return p;
}

}  // namespace conictest

namespace conictest {

// The four-digit number of the message an expression raises ("" if none):
// finer than ErrorCode, which keeps only the first three digits.
template <class F>
std::string RaisedMessage(F&& f) {
  try {
    f();
  } catch (const EGIS_Exception& e) {
    return e.Message().substr(0, 4);
  }
  return "";
}

}  // namespace conictest
