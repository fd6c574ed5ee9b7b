#include "sGradArray.h"

#include <array>
#include <string>

#include "toolkit/core/NumberText.h"
#include "toolkit/core/TextCase.h"

namespace skin {

TsGradArray ParseGradientData(std::string_view text) {
  TsGradArray stops;
  std::array<int, 5> group{};
  std::size_t filled = 0;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find(';', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view item = tk::Trim(text.substr(start, end - start));
    start = end + 1;
    if (item.empty() && end == text.size()) break;  // a trailing ";" adds nothing
    const auto value = tk::TryStrToInt(item);
    if (!value) break;
    group[filled++] = *value;
    if (filled == group.size()) {
      TsGradPie pie;
      pie.Color1 = group[0];
      pie.Color2 = group[1];
      pie.Percent = group[2] > 100 ? 100 : group[2];
      pie.Mode = group[3];
      stops.push_back(pie);
      filled = 0;
    }
  }
  return stops;
}

}  // namespace skin
