// The converter under Windows 7 and under Windows 10, as Wine plays them.
// Wine tells a program the Windows version named in
// HKCU\Software\Wine\AppDefaults\<program>.exe\Version; the test sets it for
// the probe program alone (ConverterProbe.cpp: the converter's start-up with
// the product's manifest), starts the probe, reads what it printed, and puts
// the key back as it found it, so no other program sees a changed Wine.

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <sstream>
#include <string>

#include "ChildProcess.h"

namespace {

const wchar_t kAppDefaults[] = L"Software\\Wine\\AppDefaults\\";

bool RunningUnderWine() {
  return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

// The Version value of one program's AppDefaults key, for as long as the
// object lives; afterwards the key is as it was (absent, or with its old
// value).
class AppDefaultsVersion {
public:
  AppDefaultsVersion(const std::wstring& program, const std::wstring& version) : key_(kAppDefaults + program) {
    HKEY key = nullptr;
    keyExisted_ = RegOpenKeyExW(HKEY_CURRENT_USER, key_.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS;
    if (keyExisted_) {
      wchar_t value[64];
      DWORD size = sizeof(value);
      if (RegGetValueW(key, nullptr, L"Version", RRF_RT_REG_SZ, nullptr, value, &size) == ERROR_SUCCESS)
        previous_ = value;
      RegCloseKey(key);
    }
    Write(version);
  }
  ~AppDefaultsVersion() {
    if (!keyExisted_) {
      RegDeleteTreeW(HKEY_CURRENT_USER, key_.c_str());
    } else if (previous_) {
      Write(*previous_);
    } else {
      RegDeleteKeyValueW(HKEY_CURRENT_USER, key_.c_str(), L"Version");
    }
  }
  AppDefaultsVersion(const AppDefaultsVersion&) = delete;
  AppDefaultsVersion& operator=(const AppDefaultsVersion&) = delete;

private:
  void Write(const std::wstring& version) const {
    RegSetKeyValueW(HKEY_CURRENT_USER, key_.c_str(), L"Version", REG_SZ, version.c_str(),
                    static_cast<DWORD>((version.size() + 1) * sizeof(wchar_t)));
  }

  std::wstring key_;
  bool keyExisted_ = false;
  std::optional<std::wstring> previous_;
};

std::optional<std::wstring> ReadVersion(const std::wstring& program) {
  wchar_t value[64];
  DWORD size = sizeof(value);
  if (RegGetValueW(HKEY_CURRENT_USER, (kAppDefaults + program).c_str(), L"Version", RRF_RT_REG_SZ, nullptr, value,
                   &size) != ERROR_SUCCESS)
    return std::nullopt;
  return std::wstring(value);
}

bool KeyExists(const std::wstring& program) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, (kAppDefaults + program).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
    return false;
  RegCloseKey(key);
  return true;
}

struct ProbeRun {
  bool finished = false;
  DWORD exitCode = 1;
  std::string output;
  std::map<std::string, std::string> lines;  // "key value" lines by key
};

ProbeRun RunProbe(const wchar_t* program, DWORD timeoutMs) {
  ProbeRun run;
  const testing_support::ChildProcess probe(L"\"" + std::wstring(program) + L"\"");
  if (!probe.Started()) {
    run.output = "the probe did not start";
    return run;
  }
  char buffer[512];
  DWORD read = 0;
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  // Polled, so that a probe that hangs cannot hold the test past the deadline.
  while (GetTickCount64() < deadline) {
    DWORD available = 0;
    if (!PeekNamedPipe(probe.Output(), nullptr, 0, nullptr, &available, nullptr)) break;
    if (available == 0) {
      Sleep(20);
      continue;
    }
    if (!ReadFile(probe.Output(), buffer, std::min<DWORD>(available, sizeof(buffer)), &read, nullptr) || read == 0)
      break;
    run.output.append(buffer, read);
  }
  run.finished = probe.Wait(GetTickCount64() < deadline ? 10000 : 0);
  if (!run.finished) probe.Terminate();
  run.exitCode = probe.ExitCode();
  std::istringstream lines(run.output);
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const auto space = line.find(' ');
    if (space != std::string::npos) run.lines[line.substr(0, space)] = line.substr(space + 1);
  }
  return run;
}

double Number(std::string text) {
  std::replace(text.begin(), text.end(), ',', '.');  // the user's decimal separator
  try {
    return std::stod(text);
  } catch (const std::exception&) {
    return 0;
  }
}

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

struct WindowsVersion {
  const char* name;
  const wchar_t* setting;  // Wine's name for it
  const char* version;     // major.minor as the system reports it
};

class ConverterOnWindows : public ::testing::TestWithParam<WindowsVersion> {};

TEST_P(ConverterOnWindows, StartsAndConvertsTheBeijingPoint) {
  if (!RunningUnderWine()) GTEST_SKIP() << "the Windows version is chosen through Wine's per-program setting";
  ProbeRun run;
  {
    AppDefaultsVersion playing(L"converter_probe.exe", GetParam().setting);
    run = RunProbe(GK_PROBE_EXE, 60000);
  }
  ASSERT_TRUE(run.finished) << "the converter did not close after Esc:\n" << run.output;
  EXPECT_EQ(run.lines["kernel-version"], GetParam().version) << run.output;
  // Windows 8.1 and later tell a program their version only when its
  // manifest names them.
  EXPECT_EQ(run.lines["program-version"], GetParam().version) << run.output;
  // The window's edits and buttons are the version 6 common controls.
  for (const char* key : {"edit-class-from", "button-class-from"})
    EXPECT_NE(Lower(run.lines[key]).find("microsoft.windows.common-controls"), std::string::npos) << run.output;
  EXPECT_EQ(run.lines["shown"], "yes") << run.output;
  EXPECT_EQ(run.lines["zone"], "20") << run.output;
  EXPECT_NEAR(Number(run.lines["easting"]), 447924.4946, 0.001) << run.output;
  EXPECT_NEAR(Number(run.lines["northing"]), 4419380.4477, 0.001) << run.output;
  EXPECT_EQ(run.lines["exit"], "0") << run.output;
  EXPECT_EQ(run.exitCode, 0u);
}

INSTANTIATE_TEST_SUITE_P(Wine, ConverterOnWindows,
                         ::testing::Values(WindowsVersion{"Windows7", L"win7", "6.1"},
                                           WindowsVersion{"Windows10", L"win10", "10.0"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AppDefaultsVersion, LeavesTheKeyAsItFoundIt) {
  const std::wstring program = L"gk_version_probe_of_the_test.exe";
  RegDeleteTreeW(HKEY_CURRENT_USER, (kAppDefaults + program).c_str());
  {
    AppDefaultsVersion playing(program, L"win7");
    EXPECT_EQ(ReadVersion(program), L"win7");
  }
  EXPECT_FALSE(KeyExists(program));

  RegSetKeyValueW(HKEY_CURRENT_USER, (kAppDefaults + program).c_str(), L"Version", REG_SZ, L"winxp", 12);
  {
    AppDefaultsVersion playing(program, L"win10");
    EXPECT_EQ(ReadVersion(program), L"win10");
  }
  EXPECT_EQ(ReadVersion(program), L"winxp");
  RegDeleteKeyValueW(HKEY_CURRENT_USER, (kAppDefaults + program).c_str(), L"Version");
  {
    AppDefaultsVersion playing(program, L"win7");
  }
  EXPECT_TRUE(KeyExists(program));
  EXPECT_EQ(ReadVersion(program), std::nullopt);
  RegDeleteTreeW(HKEY_CURRENT_USER, (kAppDefaults + program).c_str());
}

}  // namespace
