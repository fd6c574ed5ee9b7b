// gkconv: batch conversion of point files on the converter's projection
// engine. See CommandLine.h.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/CommandLine.h"
#include "gis/GisEngine.h"

#ifdef _WIN32
#include <windows.h>

// The arguments as UTF-16 from the C runtime, in UTF-8 for the parser (the
// narrow argv holds them in the ANSI code page, which loses characters).
int wmain(int argc, wchar_t** argv) {
  GisEngineScope engine;
  std::vector<std::string> utf8(static_cast<size_t>(argc));
  std::vector<const char*> args;
  for (int i = 0; i < argc; ++i) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, argv[i], -1, nullptr, 0, nullptr, nullptr);
    utf8[i].resize(static_cast<size_t>(n > 0 ? n - 1 : 0));
    WideCharToMultiByte(CP_UTF8, 0, argv[i], -1, utf8[i].data(), n, nullptr, nullptr);
    args.push_back(utf8[i].c_str());
  }
  return gkconv::RunCommandLine(argc, args.data(), stderr);
}
#else
int main(int argc, char** argv) {
  GisEngineScope engine;
  return gkconv::RunCommandLine(argc, argv, stderr);
}
#endif
