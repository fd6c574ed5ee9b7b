// Loading the product's packed skins from memory: the whole load the main
// window makes at start (container, inflate, options, masks, patterns with
// their JPEG, sections) and its expensive parts.
#include <benchmark/benchmark.h>

#include "skin/data/sSkinManagerCore.h"
#include "skin/data/sSkinTables.h"
#include "skin/data/vxSkinPack.h"
#include "toolkit/core/BmpCodec.h"
#include "toolkit/core/JpegCodec.h"

namespace {

tk::MemoryStream Package(const char* path) {
  tk::MemoryStream s;
  s.LoadFromFile(path);
  return s;
}

void LoadSkin(benchmark::State& state, const char* path) {
  skin::TsSkinManagerCore core;
  auto& item = core.InternalSkins.Add();
  item.SetName("Bench (internal)");
  item.Data = Package(path);
  core.SkinName = "Bench (internal)";
  for (auto _ : state) {
    if (core.LoadSkin() != skin::TsSkinLoadResult::Loaded) state.SkipWithError("skin did not load");
    benchmark::DoNotOptimize(core.Tables.gd.data());
  }
}
BENCHMARK_CAPTURE(LoadSkin, EmberStyle, GK_EMBER_VXZ)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadSkin, Glacier, GK_GLACIER_VXZ)->Unit(benchmark::kMillisecond);

void ExtractPackage(benchmark::State& state, const char* path) {
  tk::MemoryStream data = Package(path);
  for (auto _ : state) {
    skin::TvxSkinConvertor c;
    c.SetPackedData(&data);
    c.ExtractPackedData();
    benchmark::DoNotOptimize(c.Files.data());
  }
}
BENCHMARK_CAPTURE(ExtractPackage, EmberStyle, GK_EMBER_VXZ)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ExtractPackage, Glacier, GK_GLACIER_VXZ)->Unit(benchmark::kMillisecond);

// The parts of the EmberStyle load, each on its own (the start-up marks
// "skin unpacked", "skin options", "skin masks", "skin patterns" and "skin
// sections" of the start-up probe, timed here without Wine).
struct EmberParts {
  skin::TvxSkinConvertor package;
  tk::MemoryStream data;
  EmberParts() : data(Package(GK_EMBER_VXZ)) {
    package.SetPackedData(&data);
    package.ExtractPackedData();
  }
  const tk::MemoryStream& Member(const char* upperName) { return *package.FindFile(upperName)->Data; }
};

void ParseOptions(benchmark::State& state) {
  EmberParts parts;
  for (auto _ : state) {
    skin::TsIniDocument ini(parts.package.Options->AsText());
    benchmark::DoNotOptimize(ini.Sections().data());
  }
}
BENCHMARK(ParseOptions)->Unit(benchmark::kMicrosecond);

// The options of the unpacked package as one load reads them; with the
// package, the pictures come from its members.
struct EmberLoad : EmberParts {
  skin::TsIniDocument options;
  skin::TsLoadSource source;
  skin::TsSkinTables tables;
  explicit EmberLoad(bool withPictures) : options(package.Options->AsText()) {
    source.Options = &options;
    if (withPictures) source.Package = &package;
  }
};

// The tables of one load: masks (with the master bitmap), patterns (with
// their JPEG), sections.
void LoadTables(benchmark::State& state) {
  EmberLoad load(true);
  for (auto _ : state) {
    load.tables.Load(load.source);
    benchmark::DoNotOptimize(load.tables.gd.data());
  }
}
BENCHMARK(LoadTables)->Unit(benchmark::kMicrosecond);

// The sections alone: every section's values with their inheritance.
void LoadSections(benchmark::State& state) {
  EmberLoad load(false);
  for (auto _ : state) {
    load.tables.LoadGeneralData(load.source);
    benchmark::DoNotOptimize(load.tables.gd.data());
  }
}
BENCHMARK(LoadSections)->Unit(benchmark::kMicrosecond);

void DecodeTextureJpeg(benchmark::State& state) {
  EmberParts parts;
  const tk::MemoryStream& jpeg = parts.Member("FBG.JPG");
  for (auto _ : state) benchmark::DoNotOptimize(tk::DecodeJpeg(jpeg.Memory(), jpeg.Size()));
}
BENCHMARK(DecodeTextureJpeg)->Unit(benchmark::kMicrosecond);

void DecodeMasterBmp(benchmark::State& state) {
  EmberParts parts;
  const tk::MemoryStream& bmp = parts.Member("MASTER.BMP");
  for (auto _ : state) benchmark::DoNotOptimize(tk::DecodeBmp(bmp.Memory(), bmp.Size()));
}
BENCHMARK(DecodeMasterBmp)->Unit(benchmark::kMicrosecond);

}  // namespace
