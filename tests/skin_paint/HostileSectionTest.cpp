// Section values that a damaged or hostile skin can hold: percentages and
// transparencies far outside 0..100, and gradient stops whose share of the
// area is anything an integer can be. They paint exactly as the nearest
// sound value would, and only inside their rectangle.
#include <gtest/gtest.h>

#include <climits>
#include <functional>

#include "ExpectedPixels.h"
#include "PaintSkins.h"
#include "skin/paint/sGradient.h"
#include "skin/paint/sSectionBackground.h"

namespace {

using namespace paintfix;
using skin::TColor;

using Change = std::function<void(skin::TsGeneralData&)>;

struct HostileValue {
  const char* name;
  Change hostile;  // what the skin says
  Change sound;    // what it paints like
};

void Transparency(skin::TsGeneralData& g, int v) { g.Transparency = g.HotTransparency = v; }
void Image(skin::TsGeneralData& g, int v) { g.ImagePercent = g.HotImagePercent = v; }
void Gradient(skin::TsGeneralData& g, int v) { g.GradientPercent = g.HotGradientPercent = v; }
void FirstShare(skin::TsGeneralData& g, int v) { g.GradientArray[0].Percent = g.HotGradientArray[0].Percent = v; }

const HostileValue kValues[] = {
    {"transparency 150", [](auto& g) { Transparency(g, 150); }, [](auto& g) { Transparency(g, 100); }},
    {"transparency INT_MAX", [](auto& g) { Transparency(g, INT_MAX); }, [](auto& g) { Transparency(g, 100); }},
    {"transparency -20", [](auto& g) { Transparency(g, -20); }, [](auto& g) { Transparency(g, 0); }},
    {"transparency INT_MIN", [](auto& g) { Transparency(g, INT_MIN); }, [](auto& g) { Transparency(g, 0); }},
    {"image percent 1000", [](auto& g) { Image(g, 1000); }, [](auto& g) { Image(g, 100); }},
    {"image percent INT_MIN", [](auto& g) { Image(g, INT_MIN); }, [](auto& g) { Image(g, 0); }},
    {"gradient percent INT_MAX", [](auto& g) { Gradient(g, INT_MAX); }, [](auto& g) { Gradient(g, 100); }},
    {"gradient percent INT_MIN", [](auto& g) { Gradient(g, INT_MIN); }, [](auto& g) { Gradient(g, 0); }},
    {"image and gradient percents INT_MAX", [](auto& g) { Image(g, INT_MAX), Gradient(g, INT_MAX); },
     [](auto& g) { Image(g, 100), Gradient(g, 100); }},
    {"image percent INT_MAX, no gradient", [](auto& g) { Image(g, INT_MAX), Gradient(g, 0); },
     [](auto& g) { Image(g, 100), Gradient(g, 0); }},
    {"gradient share INT_MAX", [](auto& g) { FirstShare(g, INT_MAX); }, [](auto& g) { FirstShare(g, 100); }},
};

class HostileSectionValue : public ::testing::TestWithParam<HostileValue> {};

// The BUTTON section of a skin with a texture, a gradient of two stops and
// some transparency, changed as the case says, painted at (4, 3)-(52, 27)
// of a sentinel target over a ready parent.
tk::Bitmap PaintButton(Skin s, const Change& change, int state, bool horizontal) {
  auto core = LoadSkin(s);
  skin::TsSkinTables& t = core->Tables;
  const int button = Section(t, "BUTTON");
  skin::TsGeneralData& g = t.gd[static_cast<std::size_t>(button)];
  g.Color = Rgb(40, 90, 200), g.HotColor = Rgb(200, 90, 40);
  const int mode = horizontal ? 1 : 0;
  g.GradientArray = {{Rgb(0, 0, 0), Rgb(250, 10, 0), 40, mode}, {Rgb(0, 250, 0), Rgb(0, 0, 250), 100, mode}};
  g.HotGradientArray = g.GradientArray;
  Image(g, 30), Gradient(g, 20), Transparency(g, 40);
  change(g);
  const tk::Bitmap parent = Checkerboard(90, 60, Rgb(255, 255, 255), Rgb(0, 0, 0), 5);
  tk::Bitmap target = Filled(60, 30, 0x5A5A5A);
  skin::PaintSectionBackgroundByIndex(button, "BUTTON", {&parent, 2, 1, true}, skin::clFuchsia, -1, -1, &t, target,
                                      {10, 20}, {4, 3, 52, 27}, state);
  return target;
}

TEST_P(HostileSectionValue, PaintsAsTheNearestSoundValue) {
  for (Skin s : kSkins)
    for (int state : {0, 1})
      for (bool horizontal : {false, true}) {
        SCOPED_TRACE(std::string(SkinName(s)) + " state " + std::to_string(state) + (horizontal ? " across" : " down"));
        const tk::Bitmap got = PaintButton(s, GetParam().hostile, state, horizontal);
        EXPECT_EQ(DifferingPixels(got, PaintButton(s, GetParam().sound, state, horizontal)), 0);
        for (int y = 0; y < 30; ++y)
          for (int x = 0; x < 60; ++x) {
            if (x < 4 || x >= 52 || y < 3 || y >= 27) {
              ASSERT_EQ(PixelAt(got, x, y), 0x5A5A5A) << x << "," << y;
            }
          }
      }
}

INSTANTIATE_TEST_SUITE_P(Values, HostileSectionValue, ::testing::ValuesIn(kValues), NamedCases());

// Gradient stops straight from a skin: a share is any integer. Bands of
// hugely negative share paint nothing and start the next band billions of
// pixels before the rectangle, more than an int holds; of that band only its
// very end is visible, which is its end colour. A huge share is a band to
// the far edge, as 100 is.
TEST(HostileGradient, SharesBeyondAnyRectangle) {
  const TColor a = Rgb(0, 0, 0), b = Rgb(250, 10, 0), c = Rgb(0, 250, 0), end = Rgb(0, 0, 250);
  const struct {
    const char* name;
    int first, second;
    skin::TsGradArray sound;  // with the case's mode
  } cases[] = {
      {"two bands of INT_MIN", INT_MIN, INT_MIN, {{end, end, 100, 0}}},
      {"one band of INT_MIN", INT_MIN, 100, {{end, end, 100, 0}}},
      {"a first band of INT_MAX", INT_MAX, 50, {{a, b, 100, 0}}},
      {"a second band of INT_MAX", 30, INT_MAX, {{a, b, 30, 0}, {b, a, 100, 0}}},
  };
  for (const auto& k : cases)
    for (int mode : {0, 1}) {
      SCOPED_TRACE(std::string(k.name) + (mode ? " across" : " down"));
      const skin::TsGradArray hostile{{a, b, k.first, mode}, {b, a, k.second, mode}, {c, end, 100, mode}};
      skin::TsGradArray sound = k.sound;
      for (skin::TsGradPie& stop : sound) stop.Mode = mode;
      const int w = mode ? 300 : 4, h = mode ? 4 : 300;
      tk::Bitmap got = Filled(w, h, 0x5A5A5A), expected = Filled(w, h, 0x5A5A5A);
      skin::PaintGradient(got, {0, 0, w, h}, hostile);
      skin::PaintGradient(expected, {0, 0, w, h}, sound);
      EXPECT_EQ(DifferingPixels(got, expected), 0);
    }
}

}  // namespace
