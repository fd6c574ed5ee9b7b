// Parsing stored layouts: the main window's layout as the executable carries
// it (with both internal skin packages as binary properties), and one that
// carries only two random binary properties of about the same sizes (25 KB
// and 56 KB).

#include <benchmark/benchmark.h>

#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "toolkit/win/LayoutParser.h"

namespace {

std::string HexBlock(std::size_t size, unsigned seed) {
  std::mt19937 random(seed);
  static const char* hex = "0123456789ABCDEF";
  std::string text;
  text.reserve(size * 2 + size / 16);
  for (std::size_t i = 0; i < size; ++i) {
    if (i % 32 == 0) text += "\n        ";
    const auto byte = static_cast<unsigned>(random() & 0xFF);
    text += hex[byte >> 4];
    text += hex[byte & 15];
  }
  return text;
}

std::string WithPackages() {
  return "object sSkinManager1: TsSkinManager\n  InternalSkins = <\n    item\n      Name = 'Glacier (internal)'\n"
         "      Data = {" + HexBlock(24944, 1) + "}\n    end\n    item\n      Name = 'EmberStyle (internal)'\n"
         "      Data = {" + HexBlock(56321, 2) + "}\n    end>\n  SkinName = 'EmberStyle (internal)'\nend\n";
}

std::string MainWindowLayout() {
  std::ifstream file(GK_FORM1_LAYOUT_PATH, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

void Parse(benchmark::State& state, const std::string& text) {
  if (text.empty()) {
    state.SkipWithError("no layout text");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(tk::ParseLayout(text));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(text.size()));
}

void BM_ParseMainWindowLayout(benchmark::State& state) { Parse(state, MainWindowLayout()); }
void BM_ParseLayoutWithSkinPackages(benchmark::State& state) { Parse(state, WithPackages()); }

BENCHMARK(BM_ParseMainWindowLayout)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ParseLayoutWithSkinPackages)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
