// Whole conversion commands, text in and text out, as a click runs them; and
// their parts, to see where the time of one command goes.

#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "app/ConversionCommands.h"
#include "gis/GisEngine.h"
#include "gis/projections/GisProjectionTransverseMercator.h"
#include "toolkit/core/NumberText.h"

namespace {

using app::TField;
using app::TFieldTexts;

constexpr long double kDegreesToRadians = 0.017453292519943295769L;

// A spread of points over China's zones so branches and digit counts vary.
struct GeodeticText {
  const char* lon;
  const char* lat;
};
constexpr std::array<GeodeticText, 8> kPoints = {{
    {"116.391", "39.907"},
    {"121.4737", "31.2304"},
    {"104.0665", "30.5723"},
    {"87.6168", "43.8256"},
    {"113.2644", "23.1291"},
    {"126.6424", "45.7560"},
    {"91.1409", "29.6456"},
    {"108.94", "34.3416"},
}};

std::array<TFieldTexts, kPoints.size()> GeodeticFields() {
  std::array<TFieldTexts, kPoints.size()> fields;
  for (std::size_t i = 0; i < kPoints.size(); ++i) {
    fields[i][TField::edtLon] = kPoints[i].lon;
    fields[i][TField::edtLat] = kPoints[i].lat;
  }
  return fields;
}

void BM_GeodeticToGaussCommand(benchmark::State& state) {
  GisEngineScope engine;
  app::TConversionCommands commands;
  auto fields = GeodeticFields();
  std::size_t i = 0;
  for (auto _ : state) {
    const bool ok = commands.GeodeticToGauss(fields[i]);
    benchmark::DoNotOptimize(ok);
    if (!ok) state.SkipWithError("command failed");
    i = (i + 1) % fields.size();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_GeodeticToGaussCommand);

void BM_GaussToGeodeticCommand(benchmark::State& state) {
  GisEngineScope engine;
  app::TConversionCommands commands;
  auto fields = GeodeticFields();
  for (auto& f : fields) commands.GeodeticToGauss(f);
  std::size_t i = 0;
  for (auto _ : state) {
    const bool ok = commands.GaussToGeodetic(fields[i]);
    benchmark::DoNotOptimize(ok);
    if (!ok) state.SkipWithError("command failed");
    i = (i + 1) % fields.size();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_GaussToGeodeticCommand);

// ---- Parts of a command ----

void BM_SetUpZone(benchmark::State& state) {
  GisEngineScope engine;
  TGIS_ProjectionTransverseMercator projection;
  const double meridian = static_cast<double>(117 * 3.14159265L / 180);
  for (auto _ : state) {
    projection.SetUp(TGIS_SetUpParameters{.CentralMeridian = meridian, .FalseEasting = 500000});
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_SetUpZone);

void BM_Project(benchmark::State& state) {
  GisEngineScope engine;
  TGIS_ProjectionTransverseMercator projection;
  projection.SetUp(TGIS_SetUpParameters{.CentralMeridian = static_cast<double>(117 * 3.14159265L / 180),
                                        .FalseEasting = 500000});
  const TGIS_Point3 point{static_cast<double>(116.391L * kDegreesToRadians),
                          static_cast<double>(39.907L * kDegreesToRadians), 0};
  TGIS_Point3 result;
  for (auto _ : state) {
    projection.Project(point, result);
    benchmark::DoNotOptimize(result);
  }
}
BENCHMARK(BM_Project);

void BM_Unproject(benchmark::State& state) {
  GisEngineScope engine;
  TGIS_ProjectionTransverseMercator projection;
  projection.SetUp(TGIS_SetUpParameters{.CentralMeridian = static_cast<double>(117 * 3.14159265L / 180),
                                        .FalseEasting = 500000});
  const TGIS_Point3 point{447924.494651, 4419380.447759, 0};
  TGIS_Point3 result;
  for (auto _ : state) {
    projection.Unproject(point, result);
    benchmark::DoNotOptimize(result);
  }
}
BENCHMARK(BM_Unproject);

void BM_FloatToText(benchmark::State& state) {
  double value = 447924.49465123;
  for (auto _ : state) {
    std::string text = tk::FloatToStrGeneral(value);
    benchmark::DoNotOptimize(text);
  }
}
BENCHMARK(BM_FloatToText);

void BM_TextToFloat(benchmark::State& state) {
  const std::string text = "447924.494636565";  // 16 characters, as written by a conversion
  for (auto _ : state) {
    auto value = tk::TryStrToFloat(text);
    benchmark::DoNotOptimize(value);
  }
}
BENCHMARK(BM_TextToFloat);

}  // namespace
