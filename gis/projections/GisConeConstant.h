#pragma once
// The cone constant n of the conic projections (Albers, Lambert): how much of
// a full turn the unrolled cone keeps. Two standard parallels cut the cone;
// when they coincide the cone touches along that one parallel and n is its
// sine, whatever the projection.

#include <cmath>

#include "gis/GisException.h"
#include "gis/GisMessages.h"

namespace gis_conic {

// Parallels closer than this are one parallel.
inline constexpr double kSameParallelTolerance = 1e-10;

// n from the parallels: sin(parallel1) for one parallel, `twoParallels`() for
// two. Raises 0235 when n is 0 (within 1e-10) or not finite: the cone has
// opened into a cylinder (parallels symmetric about the equator, or a single
// one on it), for which every radius of the map would be infinite.
template <class Real, class TwoParallels>
Real ConeConstant(double parallel1, double parallel2, TwoParallels twoParallels) {
  const Real n = std::fabs(parallel1 - parallel2) <= kSameParallelTolerance
                     ? static_cast<Real>(std::sin(static_cast<Real>(parallel1)))
                     : static_cast<Real>(twoParallels());
  if (!std::isfinite(n) || std::fabs(n) < 1e-10) GisRaise(GIS_RS_ERR_PRJ_NOTSOLVABELE);
  return n;
}

}  // namespace gis_conic
