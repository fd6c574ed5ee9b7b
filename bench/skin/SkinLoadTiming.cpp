// A benchmark without the benchmark library, for the Windows build (run under
// Wine) and for skins too slow or too large for a benchmark loop: loads each
// packed skin named on the command line from memory, as the main window does
// at start, --runs times over (200 unless given), and prints the fastest,
// median and mean time of one load, and at the end the peak memory of the
// process. A load that fails prints its error and ends the program with 1.
//
//   skin_load_timing [--runs N] <skin.vxz>...
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <vector>

#include "skin/data/sSkinManagerCore.h"

#ifdef _WIN32
#include <windows.h>
#include <psapi.h>
#else
#include <sys/resource.h>
#endif

namespace {

double PeakMemoryMB() {
#ifdef _WIN32
  PROCESS_MEMORY_COUNTERS counters{};
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return static_cast<double>(counters.PeakWorkingSetSize) / (1024.0 * 1024.0);
#else
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
#endif
}

}  // namespace

int main(int argc, char** argv) {
  int runs = 200;
  int first = 1;
  if (argc > 2 && std::strcmp(argv[1], "--runs") == 0) {
    runs = std::max(1, std::atoi(argv[2]));
    first = 3;
  }
  if (first >= argc) {
    std::fprintf(stderr, "usage: skin_load_timing [--runs N] <skin.vxz>...\n");
    return 2;
  }
  for (int a = first; a < argc; ++a) {
    try {
      skin::TsSkinManagerCore core;
      core.SetSkinDirectory("c:\\Skins\\Nowhere");
      auto& item = core.InternalSkins.Add();
      item.SetName("Timed (internal)");
      item.Data.LoadFromFile(argv[a]);
      core.SkinName = "Timed (internal)";
      std::vector<double> ms;
      for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        if (core.LoadSkin() != skin::TsSkinLoadResult::Loaded) {
          std::fprintf(stderr, "%s did not load\n", argv[a]);
          return 1;
        }
        // The manager refreshes its constant indexes after every load.
        core.Tables.UpdateConstData();
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
      }
      std::sort(ms.begin(), ms.end());
      double sum = 0;
      for (double m : ms) sum += m;
      std::printf("%s: %d loads, fastest %.2f ms, median %.2f ms, mean %.2f ms (%zu sections, %zu masks, %zu patterns)\n",
                  argv[a], runs, ms.front(), ms[ms.size() / 2], sum / runs, core.Tables.gd.size(),
                  core.Tables.ma.size(), core.Tables.pa.size());
    } catch (const std::exception& e) {
      std::fprintf(stderr, "%s: %s\n", argv[a], e.what());
      std::printf("peak memory %.1f MB\n", PeakMemoryMB());
      return 1;
    }
  }
  std::printf("peak memory %.1f MB\n", PeakMemoryMB());
  return 0;
}
