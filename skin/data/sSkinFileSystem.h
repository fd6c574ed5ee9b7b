#pragma once
// What the skin loader asks of the file system: existence checks, folder
// listings and whole-file reads. Paths are UTF-8 and use Windows separators
// ("c:\Skins\Ember.vxz"). On Windows the real Win32 calls answer
// (GetFileAttributesW, FindFirstFileW); natively std::filesystem answers and
// "\" counts as a separator. Tests may pass a file system of their own.

#include <cstdint>
#include <string>
#include <vector>

namespace skin {

struct TsDirEntry {
  std::string Name;  // without folder
  bool IsFolder = false;
};

class TsSkinFileSystem {
public:
  virtual ~TsSkinFileSystem() = default;
  virtual bool FileExists(const std::string& path) const = 0;       // a file, not a folder
  virtual bool DirectoryExists(const std::string& path) const = 0;
  // Every entry of a folder ("." and ".." included when the platform lists them).
  virtual std::vector<TsDirEntry> List(const std::string& folder) const = 0;
  virtual bool ReadFile(const std::string& path, std::vector<std::uint8_t>& bytes) const = 0;
};

// The platform's file system (a process-wide object).
const TsSkinFileSystem& PlatformFileSystem();

// The folder of the running program file with its trailing "\".
std::string ProgramFolder();

}  // namespace skin
