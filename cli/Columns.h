#pragma once
// Which fields of a row hold the coordinates: chosen by header name or by
// 1-based position, found by their usual names in a header, or fixed by a
// named layout (CASS: 点号,编码,Y(东),X(北),H without a header). Names that
// could mean either axis (x, y) are never guessed.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/ConvertSettings.h"

namespace gkconv {

enum class THeaderMode { Auto, Yes, No };

// The CASS point file: name, code, east, north, height; comma-separated,
// no header.
struct TCassLayout {
  static constexpr int EastColumn = 2, NorthColumn = 3, HeightColumn = 4;
};

struct TColumnSpecs {
  std::string First;   // longitude / easting: name or 1-based number; empty = default
  std::string Second;  // latitude / northing
  std::string Height;
  std::string Zone;    // to-geodetic only
  bool Cass = false;
};

// Decides whether the first line is a header and fills the column indexes
// of `settings`. `firstLine` is the split first line of the file (empty when
// the file is empty).
bool ResolveColumns(const TColumnSpecs& specs, THeaderMode mode, const std::vector<std::string_view>& firstLine,
                    TConvertSettings& settings, bool& hasHeader, std::string& error);

}  // namespace gkconv
