// A benchmark without the benchmark library, for the Windows build (run under
// Wine): loads each packed skin named on the command line from memory, as
// the main window does at start, many times over, and prints the fastest,
// median and mean time of one load.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <exception>
#include <vector>

#include "skin/data/sSkinManagerCore.h"

int main(int argc, char** argv) {
  constexpr int kRuns = 200;
  try {
    for (int a = 1; a < argc; ++a) {
      skin::TsSkinManagerCore core;
      core.SetSkinDirectory("c:\\Skins\\Nowhere");
      auto& item = core.InternalSkins.Add();
      item.SetName("Timed (internal)");
      item.Data.LoadFromFile(argv[a]);
      core.SkinName = "Timed (internal)";
      std::vector<double> ms;
      for (int i = 0; i < kRuns; ++i) {
        const auto start = std::chrono::steady_clock::now();
        if (core.LoadSkin() != skin::TsSkinLoadResult::Loaded) {
          std::fprintf(stderr, "%s did not load\n", argv[a]);
          return 1;
        }
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
      }
      std::sort(ms.begin(), ms.end());
      double sum = 0;
      for (double m : ms) sum += m;
      std::printf("%s: %d loads, fastest %.2f ms, median %.2f ms, mean %.2f ms (%zu sections, %zu masks, %zu patterns)\n",
                  argv[a], kRuns, ms.front(), ms[ms.size() / 2], sum / kRuns, core.Tables.gd.size(),
                  core.Tables.ma.size(), core.Tables.pa.size());
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return argc > 1 ? 0 : 2;
}
