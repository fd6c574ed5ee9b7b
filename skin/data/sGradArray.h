#pragma once
// Gradient stops of a section (GRADIENTDATA, HOTGRADIENTDATA).
//
// The text is a list of integers separated by ";", read in groups of five:
// start colour, end colour, share of the area in percent (above 100 counts
// as 100), mode (0 vertical, 1 horizontal, 2 corner mesh; only the first
// stop's mode counts) and a value kept for the file's sake. An incomplete
// last group is ignored.

#include <string_view>
#include <vector>

#include "sSkinTypes.h"

namespace skin {

struct TsGradPie {
  TColor Color1 = 0;
  TColor Color2 = 0;
  int Percent = 0;
  int Mode = 0;
};

using TsGradArray = std::vector<TsGradPie>;

// A group with a number that does not read ends the list there: the stops
// before it are kept.
TsGradArray ParseGradientData(std::string_view text);

}  // namespace skin
