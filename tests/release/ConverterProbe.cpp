// The converter as it starts for a user (RunConverter: the engine's tables,
// the application, the main window from its stored layout, the message
// loop), built with the product's manifest and driven with real input once
// its loop runs: the Beijing point typed into the longitude and latitude
// fields, "大地-->高斯" clicked, Esc to close. It prints what the system says
// it is and what the window showed, one "key value" line each, for
// WindowsVersionTest, which starts it under each Windows version Wine plays.

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>

#include "WindowTestSupport.h"
#include "app/ConverterStartup.h"
#include "app/Unit1.h"
#include "toolkit/win/Unicode.h"

namespace {

constexpr UINT kDrive = WM_APP + 0x316;

void Report(const char* key, const std::string& value) {
  std::printf("%s %s\n", key, value.c_str());
  std::fflush(stdout);
}

std::string Version(DWORD major, DWORD minor) { return std::to_string(major) + "." + std::to_string(minor); }

// An export looked up by name, as the function type it has.
template <typename Function>
Function Export(HMODULE module, const char* name) {
  return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

// What the kernel says, whatever the manifest.
std::string KernelVersion() {
  using RtlGetVersionProc = LONG(WINAPI*)(OSVERSIONINFOW*);
  auto rtlGetVersion = Export<RtlGetVersionProc>(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion");
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof(info);
  if (!rtlGetVersion || rtlGetVersion(&info) != 0) return "unknown";
  return Version(info.dwMajorVersion, info.dwMinorVersion);
}

// What a program is told: from Windows 8.1 on, only a program whose manifest
// names the running version hears the truth.
std::string ProgramVersion() {
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof(info);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!GetVersionExW(&info)) return "unknown";
#pragma GCC diagnostic pop
  return Version(info.dwMajorVersion, info.dwMinorVersion);
}

// The file of the module whose procedure the toolkit's controls of that
// system class take as their base: user32's plain controls, or the version 6
// common controls from the side-by-side assembly the manifest asks for.
std::string ClassModule(const wchar_t* systemClass) {
  WNDCLASSW info{};
  HMODULE module = nullptr;
  wchar_t path[MAX_PATH] = L"";
  if (!GetClassInfoW(nullptr, systemClass, &info) ||
      !GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                          reinterpret_cast<LPCWSTR>(info.lpfnWndProc), &module) ||
      !GetModuleFileNameW(module, path, MAX_PATH))
    return "unknown";
  return tk::WideToUtf8(path);
}

// The Beijing point through the window; false with a reason on the way.
bool ConvertBeijing(TForm1& form) {
  using namespace testing_support;
  if (!BringToFront(form.Handle())) return Report("failed", "the window did not come to the front"), false;
  if (!TypeOver(*form.edtLon, L"116.391")) return Report("failed", "typing the longitude"), false;
  if (!TypeOver(*form.edtLat, L"39.907")) return Report("failed", "typing the latitude"), false;
  ClickControl(*form.sButton2);
  if (!PumpUntil([&] { return !form.edtGaussY->Text().empty(); }))
    return Report("failed", "no Gauss coordinates after the click"), false;
  Report("zone", form.edtGaussZone->Text());
  Report("easting", form.edtGaussX->Text());
  Report("northing", form.edtGaussY->Text());
  return true;
}

}  // namespace

int main() {
  Report("kernel-version", KernelVersion());
  Report("program-version", ProgramVersion());
  const int exitCode = RunConverter([](TForm1& form) {
    form.WindowProc.Install([&form](tk::TMessage& message, const tk::TWndNext& next) {
      if (message.Msg != kDrive) return next(message);
      Report("edit-class-from", ClassModule(L"EDIT"));
      Report("button-class-from", ClassModule(L"BUTTON"));
      Report("shown", IsWindowVisible(form.Handle()) ? "yes" : "no");
      if (ConvertBeijing(form)) {
        // Esc acts on its release; the converter's own loop closes the window.
        testing_support::PressKey(VK_ESCAPE);
      } else {
        PostMessageW(form.Handle(), WM_CLOSE, 0, 0);
      }
    });
    // Handled once the message loop runs and has shown the window.
    PostMessageW(form.Handle(), kDrive, 0, 0);
  });
  Report("exit", std::to_string(exitCode));
  return exitCode;
}
