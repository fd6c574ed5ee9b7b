#include <windows.h>

#include "sSkinFileSystem.h"
#include "sWideText.h"
#include "toolkit/core/Streams.h"

namespace skin {

namespace {

class WinFileSystem final : public TsSkinFileSystem {
public:
  bool FileExists(const std::string& path) const override {
    const DWORD a = GetFileAttributesW(Utf8ToWide(path).c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) == 0;
  }
  bool DirectoryExists(const std::string& path) const override {
    const DWORD a = GetFileAttributesW(Utf8ToWide(path).c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) != 0;
  }
  std::vector<TsDirEntry> List(const std::string& folder) const override {
    std::vector<TsDirEntry> entries;
    WIN32_FIND_DATAW fd;
    const std::wstring pattern = Utf8ToWide(folder + "\\*.*");
    HANDLE h = FindFirstFileW(pattern.c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return entries;
    do {
      entries.push_back({WideToUtf8(fd.cFileName), (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
    } while (FindNextFileW(h, &fd));
    FindClose(h);
    return entries;
  }
  bool ReadFile(const std::string& path, std::vector<std::uint8_t>& bytes) const override {
    return FileExists(path) && tk::ReadWholeFile(path, bytes);
  }
};

}  // namespace

const TsSkinFileSystem& PlatformFileSystem() {
  static const WinFileSystem fs;
  return fs;
}

std::string ProgramFolder() {
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return {};
    if (n < buffer.size()) {
      buffer.resize(n);
      break;
    }
    buffer.resize(buffer.size() * 2);
  }
  const std::string path = WideToUtf8(buffer);
  const std::size_t slash = path.find_last_of("\\/:");
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace skin
