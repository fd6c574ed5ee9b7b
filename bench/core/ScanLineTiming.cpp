// One step of a cross-fade as the skin's fades make it every 10 ms: every
// pixel of a 24-bit image blended from two others, row by row through
// ScanLine, after GDI was handed the bitmaps. Prints the fastest and median
// time of a step. On Windows it also times the same step with a GDI flush
// before each row access - what each ScanLine call used to cost.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

#include "toolkit/core/Bitmap.h"

namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 300;
constexpr int kSteps = 400;

template <class BeforeRow>
double FadeStepMs(tk::Bitmap& out, const tk::Bitmap& from, const tk::Bitmap& to, int weight, BeforeRow beforeRow) {
  const auto start = std::chrono::steady_clock::now();
  for (int y = 0; y < kHeight; ++y) {
    beforeRow();
    const std::uint8_t* a = from.ScanLine(y);
    beforeRow();
    const std::uint8_t* b = to.ScanLine(y);
    beforeRow();
    std::uint8_t* o = out.ScanLine(y);
    for (int x = 0; x < kWidth * 3; ++x) o[x] = static_cast<std::uint8_t>((a[x] * (256 - weight) + b[x] * weight) >> 8);
  }
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

template <class BeforeRow>
void Report(const char* label, BeforeRow beforeRow) {
  tk::Bitmap from(kWidth, kHeight), to(kWidth, kHeight), out(kWidth, kHeight);
  from.Fill(0x204060);
  to.Fill(0xC0A080);
  std::vector<double> times;
  for (int step = 0; step < kSteps; ++step) {
    // GDI draws on the images between steps (a fade copies them to the screen).
    from.NativeHandle();
    to.NativeHandle();
    out.NativeHandle();
    times.push_back(FadeStepMs(out, from, to, step % 256, beforeRow));
  }
  std::sort(times.begin(), times.end());
  std::printf("%-28s fastest %.3f ms  median %.3f ms per %dx%d step\n", label, times.front(), times[times.size() / 2],
              kWidth, kHeight);
}

}  // namespace

int main() {
  Report("ScanLine per row", [] {});
#ifdef _WIN32
  Report("ScanLine + GdiFlush per row", [] { GdiFlush(); });
#endif
  return 0;
}
