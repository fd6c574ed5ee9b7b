// Painting from the dark internal skin, as the converter's window does: the
// BUTTON section into a 119 x 30 cache in each state, the FORM background of
// 506 x 294, one fade frame of 119 x 30, and one frame of a form's transition
// over 506 x 294. The floor is memory traffic: the
// counters give bytes of target image per second (10,710 bytes a button
// cache, 446,292 bytes the form).
#include <benchmark/benchmark.h>

#include <memory>
#include <stdexcept>

#include "skin/data/sSkinManagerCore.h"
#include "skin/paint/sBitmapOps.h"
#include "skin/paint/sBlend.h"
#include "skin/paint/sPaintSection.h"
#include "skin/paint/sSectionBackground.h"
#include "skin/paint/sSkinPaintData.h"
#include "skin/paint/sTransitionBlend.h"

namespace {

const skin::TsSkinTables& Ember() {
  static const std::unique_ptr<skin::TsSkinManagerCore> core = [] {
    auto c = std::make_unique<skin::TsSkinManagerCore>();
    auto& item = c->InternalSkins.Add();
    item.SetName("EmberStyle (internal)");
    item.Data.LoadFromFile(GK_EMBER_VXZ);
    c->SkinName = "EmberStyle (internal)";
    if (c->LoadSkin() != skin::TsSkinLoadResult::Loaded) throw std::runtime_error("EmberStyle did not load");
    return c;
  }();
  return core->Tables;
}

tk::Bitmap FormCache(int w, int h) {
  tk::Bitmap form = skin::NewBitmap24(w, h);
  skin::PaintSectionBackgroundByIndex(-1, "FORM", {}, skin::clFuchsia, -1, -1, &Ember(), form, {0, 0}, {0, 0, w, h}, 0);
  return form;
}

void Bytes(benchmark::State& state, int w, int h) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * w * h * 3);
}

// A push button's cache: background, border mask and corners over its
// parent, the button standing at (119, 240) of the form's client area.
void BM_ButtonState(benchmark::State& state) {
  const tk::Bitmap form = FormCache(506, 294);
  skin::TsSkinPaintRecord button;
  button.ResolveSection(Ember(), "BUTTON");
  button.hasParent = true;
  button.parentVaries = button.dependsOnParent = true;
  tk::Bitmap cache = skin::NewBitmap24(119, 30);
  const int look = static_cast<int>(state.range(0));
  for (auto _ : state) {
    skin::PaintSection(button, {&form, 0, 0, true}, false, false, &cache, {119, 240}, {0, 0, 119, 30}, look);
    benchmark::DoNotOptimize(cache.ScanLine(0));
  }
  Bytes(state, 119, 30);
}
BENCHMARK(BM_ButtonState)->Arg(0)->Arg(1)->Arg(2);

void BM_FormBackground(benchmark::State& state) {
  const skin::TsSkinTables& t = Ember();
  const int form = t.IndexOfSection("FORM");
  tk::Bitmap cache = skin::NewBitmap24(506, 294);
  for (auto _ : state) {
    skin::PaintSectionBackgroundByIndex(form, "FORM", {}, skin::clFuchsia, -1, -1, &t, cache, {0, 0}, {0, 0, 506, 294}, 0);
    benchmark::DoNotOptimize(cache.ScanLine(0));
  }
  Bytes(state, 506, 294);
}
BENCHMARK(BM_FormBackground);

// One step of a button's fade: the old look blended with the new one;
// with argument 1 also the copy of the old look each step starts from.
void BM_FadeFrame(benchmark::State& state) {
  tk::Bitmap from = skin::NewBitmap24(119, 30), to = skin::NewBitmap24(119, 30);
  from.Fill(0x204060);
  to.Fill(0x80C0F0);
  const bool copy = state.range(0) != 0;
  tk::Bitmap frame = from;
  int level = 0;
  for (auto _ : state) {
    if (copy) frame = from;
    skin::BlendBitmaps(frame, to, level);
    level = (level + 13) & 0xFF;
    benchmark::DoNotOptimize(frame.ScanLine(0));
  }
  Bytes(state, 119, 30);
}
BENCHMARK(BM_FadeFrame)->Arg(0)->Arg(1);

// One frame of a form's cross-fade: the old screen and the new look blended
// into the 32-bit picture the overlay shows.
void BM_TransitionFrame(benchmark::State& state) {
  const tk::Bitmap fresh = FormCache(506, 294);
  tk::Bitmap saved = skin::NewBitmap24(506, 294);
  saved.Fill(0x102030);
  tk::Bitmap frame(506, 294, tk::PixelFormat::pf32bit);
  int weight = 255;
  for (auto _ : state) {
    skin::BlendTransitionFrame(frame, saved, fresh, weight);
    weight = weight > 20 ? weight - 21 : 255;
    benchmark::DoNotOptimize(frame.ScanLine(0));
  }
  Bytes(state, 506, 294);
}
BENCHMARK(BM_TransitionFrame);

}  // namespace
