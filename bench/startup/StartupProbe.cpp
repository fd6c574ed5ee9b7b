// Measures the converter's start-up the way a user meets it: from the moment
// the process exists to the moment the main window and all its controls have
// painted for the first time; and the largest working set the process had
// by then.
//
// Without arguments (or with --runs N) the probe starts itself N times as a
// child and reports each run and the median. The first child start is not
// counted: it pays for Wine's own first start of the process image. Each
// child runs the real start-up (RunConverter), notes the end of the first
// paint, prints one line and closes the window.
//
// As the floor, the same process image also starts as a bare window (one
// window class, one paint of a line of text), started the same way and
// interleaved with the converter's runs, so that both meet the same machine
// load: the converter's first paint is reported as a multiple of the bare
// window's.
//
// With --marks the children also note the named points of their start-up
// (entry, engine tables, skin unpacked, ...; see tk::StartupMark) with the
// time and working set at each, and the probe prints the median of each
// mark over the runs: where the time and the memory go.
//
// With --vs <other probe.exe> the other build's converter takes the bare
// window's place: an A/B of two builds, each run against the other's run
// next to it (the median of those ratios is the figure to quote).

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "app/ConverterStartup.h"
#include "app/Unit1.h"
#include "toolkit/core/StartupMarks.h"
#include "toolkit/win/Unicode.h"

namespace {

double NowMilliseconds() {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

ULONGLONG FileTimeTicks(const FILETIME& t) { return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime; }

// Milliseconds since this process was created, by the system's clock.
double SinceProcessStart() {
  FILETIME created, exited, kernel, user, now;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  GetSystemTimePreciseAsFileTime(&now);
  return static_cast<double>(FileTimeTicks(now) - FileTimeTicks(created)) / 10000.0;
}

PROCESS_MEMORY_COUNTERS MemoryNow() {
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof(memory);
  GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof(memory));
  return memory;
}

double Megabytes(SIZE_T bytes) { return static_cast<double>(bytes) / (1024.0 * 1024.0); }

// The marks of a child run with --marks: kept in a fixed array, so that
// noting one allocates nothing and changes no figure it notes.
struct Mark {
  const char* name;
  double ms;
  double workingSetMb, peakMb, privateMb;
};
Mark marks[64];
int markCount = 0;

void NoteMark(const char* name) {
  if (markCount == static_cast<int>(std::size(marks))) return;
  const PROCESS_MEMORY_COUNTERS memory = MemoryNow();
  marks[markCount++] = {name, SinceProcessStart(), Megabytes(memory.WorkingSetSize),
                        Megabytes(memory.PeakWorkingSetSize), Megabytes(memory.PagefileUsage)};
}

// One line: the time since the process began and the peak working set;
// then the marks, if any were noted.
void ReportFirstPaint() {
  const double elapsed = SinceProcessStart();
  const PROCESS_MEMORY_COUNTERS memory = MemoryNow();
  std::printf("first-paint-ms %.1f peak-working-set %llu\n", elapsed,
              static_cast<unsigned long long>(memory.PeakWorkingSetSize));
  for (int i = 0; i < markCount; ++i)
    std::printf("mark %.2f %.2f %.2f %.2f %s\n", marks[i].ms, marks[i].workingSetMb, marks[i].peakMb,
                marks[i].privateMb, marks[i].name);
  std::fflush(stdout);
}

// With --hold a child waits five seconds at its first paint, for
// a look at its memory from outside (/proc/<pid>/smaps of the Wine process).
bool holdAfterPaint = false;

int RunChild() {
  bool reported = false;
  return RunConverter([&](TForm1& form) {
    form.WindowProc.Install([&form, &reported](tk::TMessage& message, const tk::TWndNext& next) {
      const bool firstPaint = message.Msg == WM_PAINT && !reported;
      if (firstPaint) tk::StartupMark("form paint begins");
      next(message);
      if (!firstPaint) return;
      reported = true;
      tk::StartupMark("form painted");
      // The controls' own windows paint after the form: finish those too.
      RedrawWindow(form.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
      tk::StartupMark("children painted");
      ReportFirstPaint();
      if (holdAfterPaint) Sleep(5000);
      PostMessageW(form.Handle(), WM_CLOSE, 0, 0);
    });
  });
}

// The floor: the least a window of this process can do before its first paint.
LRESULT CALLBACK BareWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      static const wchar_t kLine[] = L"Bare window";
      TextOutW(dc, 10, 10, kLine, static_cast<int>(wcslen(kLine)));
      EndPaint(window, &paint);
      static bool reported = false;
      if (!reported) {
        reported = true;
        ReportFirstPaint();
        if (holdAfterPaint) Sleep(5000);
        PostMessageW(window, WM_CLOSE, 0, 0);
      }
      return 0;
    }
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcW(window, msg, wParam, lParam);
  }
}

int RunBareChild() {
  tk::StartupMark("entry");
  WNDCLASSW wc{};
  wc.lpfnWndProc = BareWindowProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = L"BareWindow";
  RegisterClassW(&wc);
  tk::StartupMark("class registered");
  const int width = 512, height = 323;
  HWND window = CreateWindowExW(0, L"BareWindow", L"Bare window", WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                                (GetSystemMetrics(SM_CXSCREEN) - width) / 2, (GetSystemMetrics(SM_CYSCREEN) - height) / 2,
                                width, height, nullptr, nullptr, wc.hInstance, nullptr);
  tk::StartupMark("window created");
  ShowWindow(window, SW_SHOWNORMAL);
  tk::StartupMark("window shown");
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}

struct Sample {
  double internalMs = 0;     // measured by the child against its creation time
  double externalMs = 0;     // measured here, from CreateProcess to its report
  unsigned long long peak = 0;
  std::string marks;         // the child's mark lines, with --marks
};

bool withMarks = false;
// With --vs: another build of the probe whose converter children take the
// bare window's place, for an A/B of two builds under the same load.
std::wstring otherProbe;

std::wstring OwnPath() {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return path;
}

bool RunOnce(Sample& sample, const wchar_t* mode = L"--child", const std::wstring& probe = OwnPath()) {
  const double started = NowMilliseconds();
  const testing_support::ChildProcess child(L"\"" + probe + L"\" " + mode + (withMarks ? L" --marks" : L""));
  if (!child.Started()) return false;
  std::string output;
  char buffer[256];
  DWORD read = 0;
  while (output.find('\n') == std::string::npos && ReadFile(child.Output(), buffer, sizeof(buffer), &read, nullptr) &&
         read)
    output.append(buffer, read);
  sample.externalMs = NowMilliseconds() - started;
  // The marks follow the first line: read on to the end of the output.
  while (withMarks && ReadFile(child.Output(), buffer, sizeof(buffer), &read, nullptr) && read)
    output.append(buffer, read);
  sample.marks = output.substr(output.find('\n') + 1);
  child.Wait(30000);
  return std::sscanf(output.c_str(), "first-paint-ms %lf peak-working-set %llu", &sample.internalMs, &sample.peak) == 2;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// The median time and memory of each mark over the runs, in the order of
// the first run's marks.
void PrintMarks(const char* title, const std::vector<Sample>& samples) {
  std::vector<std::string> order;
  std::map<std::string, std::vector<std::vector<double>>> values;  // name -> [ms, ws, peak, private] lists
  for (const Sample& sample : samples) {
    std::size_t at = 0;
    while (at < sample.marks.size()) {
      const std::size_t end = sample.marks.find('\n', at);
      const std::string line = sample.marks.substr(at, end == std::string::npos ? std::string::npos : end - at);
      at = end == std::string::npos ? sample.marks.size() : end + 1;
      double v[4];
      int consumed = 0;
      if (std::sscanf(line.c_str(), "mark %lf %lf %lf %lf %n", &v[0], &v[1], &v[2], &v[3], &consumed) != 4) continue;
      const std::string name = line.substr(static_cast<std::size_t>(consumed));
      auto& lists = values[name];
      if (lists.empty()) {
        order.push_back(name);
        lists.resize(4);
      }
      for (int k = 0; k < 4; ++k) lists[static_cast<std::size_t>(k)].push_back(v[k]);
    }
  }
  std::printf("%s: median per mark over %zu runs (ms since process start, working set / peak / private MB)\n", title,
              samples.size());
  double previous = 0;
  for (const std::string& name : order) {
    const auto& lists = values[name];
    const double ms = Median(lists[0]);
    std::printf("  %-20s %7.1f ms (+%5.1f)  ws %5.1f  peak %5.1f  private %5.1f\n", name.c_str(), ms, ms - previous,
                Median(lists[1]), Median(lists[2]), Median(lists[3]));
    previous = ms;
  }
}

// The floor's run: the bare window, or with --vs the other build's converter.
bool RunFloor(Sample& sample) {
  return otherProbe.empty() ? RunOnce(sample, L"--bare-child") : RunOnce(sample, L"--child", otherProbe);
}

int RunBenchmark(int runs) {
  const char* floorName = otherProbe.empty() ? "bare window" : "other build";
  Sample warmUp, floorWarmUp;
  if (!RunOnce(warmUp) || !RunFloor(floorWarmUp)) {
    std::fprintf(stderr, "a child did not report its first paint\n");
    return 1;
  }
  std::printf("warm-up (not counted): %.1f ms, %s %.1f ms\n", warmUp.internalMs, floorName, floorWarmUp.internalMs);
  std::vector<double> internal, external, peakMb, floorMs, floorPeakMb, pairRatios;
  std::vector<Sample> converterSamples, floorSamples;
  for (int i = 0; i < runs; ++i) {
    Sample sample, floor;
    // Which of the two starts first alternates: the second start of a pair
    // meets a machine the first has just warmed.
    const bool ran = i % 2 ? RunFloor(floor) && RunOnce(sample) : RunOnce(sample) && RunFloor(floor);
    if (!ran) {
      std::fprintf(stderr, "run %d failed\n", i + 1);
      return 1;
    }
    internal.push_back(sample.internalMs);
    external.push_back(sample.externalMs);
    peakMb.push_back(static_cast<double>(sample.peak) / (1024.0 * 1024.0));
    floorMs.push_back(floor.internalMs);
    floorPeakMb.push_back(static_cast<double>(floor.peak) / (1024.0 * 1024.0));
    pairRatios.push_back(sample.internalMs / floor.internalMs);
    converterSamples.push_back(sample);
    floorSamples.push_back(floor);
    std::printf("run %2d: first paint %.1f ms after process start (%.1f ms from CreateProcess), peak working set %.1f MB;"
                " %s %.1f ms, %.1f MB\n",
                i + 1, sample.internalMs, sample.externalMs, peakMb.back(), floorName, floor.internalMs,
                floorPeakMb.back());
  }
  const double ratio = Median(internal) / Median(floorMs);
  std::printf("median of %d runs: first paint %.1f ms, %s %.1f ms, ratio %.2f (goal <= 1.3), from CreateProcess"
              " %.1f ms, peak working set %.1f MB (goal < 30)\n",
              runs, Median(internal), floorName, Median(floorMs), ratio, Median(external), Median(peakMb));
  std::printf("median of the runs' own ratios (each run against the %s started next to it): %.3f\n", floorName,
              Median(pairRatios));
  std::printf("range: first paint %.1f .. %.1f ms, %s %.1f .. %.1f ms, peak working set %.1f .. %.1f MB\n",
              *std::min_element(internal.begin(), internal.end()), *std::max_element(internal.begin(), internal.end()),
              floorName, *std::min_element(floorMs.begin(), floorMs.end()),
              *std::max_element(floorMs.begin(), floorMs.end()), *std::min_element(peakMb.begin(), peakMb.end()),
              *std::max_element(peakMb.begin(), peakMb.end()));
  std::printf("%s's peak working set: median %.1f MB\n", floorName, Median(floorPeakMb));
  if (withMarks) {
    PrintMarks("converter", converterSamples);
    PrintMarks(floorName, floorSamples);
  }
  return 0;
}

}  // namespace

// With --trace-marks a child writes each mark's name to the standard error
// as it passes it, starting the line with its thread's id as Wine's server
// trace (wineserver -d1) shows it: bench/startup/count_requests.sh counts the
// server requests between marks.
void TraceMark(const char* name) {
  std::fprintf(stderr, "%04lx: startup-mark %s\n", GetCurrentThreadId(), name);
  std::fflush(stderr);
}

int main(int argc, char** argv) {
  int runs = 10;
  for (int i = 1; i < argc; ++i) {
    if (std::string(argv[i]) == "--marks") {
      withMarks = true;
      tk::SetStartupListener(NoteMark);
    }
    if (std::string(argv[i]) == "--trace-marks") tk::SetStartupListener(TraceMark);
    if (std::string(argv[i]) == "--hold") holdAfterPaint = true;
  }
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--child") return RunChild();
    if (argument == "--bare-child") return RunBareChild();
    if (argument == "--runs" && i + 1 < argc) runs = std::max(1, std::atoi(argv[++i]));
    if (argument == "--vs" && i + 1 < argc) otherProbe = tk::Utf8ToWide(argv[++i]);
  }
  return RunBenchmark(runs);
}
