#pragma once
// Gradient stops of a section (GRADIENTDATA, HOTGRADIENTDATA).
//
// Skins write a gradient as ";"-separated integers, five per stop: start
// colour, end colour, the stop's share of the area in percent, the mode and
// a fifth value skins carry but nothing reads. Shares above 100 are cut to
// 100 so that a sloppy skin cannot paint outside the area; the mode (0
// vertical, 1 horizontal, 2 corner mesh) is a property of the whole
// gradient, so only the first stop's counts. A trailing group of fewer than
// five numbers is a typo and is dropped rather than guessed at.

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
