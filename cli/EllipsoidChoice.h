#pragma once
// Choosing the ellipsoid of a conversion: by the engine's code ("WE", "RF",
// "KA", ...), by its description or a common name ("WGS 84", "GRS 80",
// "CGCS2000", "Krassovsky", "Beijing 1954", "Xi'an 1980"), or as "a,1/f"
// (6378140,298.257). The projection engine reaches its ellipsoid through a
// datum, so the choice is registered in the engine's tables under a datum of
// gkconv's own; call before any converting thread starts.

#include <string>
#include <string_view>
#include <vector>

class TGIS_Datum;
class TGIS_Ellipsoid;

namespace gkconv {

// The datum naming the chosen ellipsoid, or nullptr with `error` set.
const TGIS_Datum* ChooseEllipsoid(std::string_view spec, std::string& error);

// The rows of `gkconv ellipsoids`: code, semi-major axis, inverse
// flattening, description, and the other names gkconv takes for it.
struct TEllipsoidRow {
  std::string Code;
  double A;
  double InverseFlattening;
  std::string Description;
  std::string Aliases;
};
std::vector<TEllipsoidRow> EllipsoidRows();

}  // namespace gkconv
