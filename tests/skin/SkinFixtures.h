#pragma once
// Building blocks of the skin tests: packed containers made with zlib, an
// in-memory file system with Windows paths, and a recorder of the loader's
// warnings.

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "skin/data/sSkinFileSystem.h"
#include "skin/data/sSkinWarning.h"

namespace fixtures {

using Bytes = std::vector<std::uint8_t>;

Bytes ToBytes(const std::string& text);

struct PackedMember {
  std::string name;
  Bytes data;
  int level = 6;  // zlib compression level
};

// A "VXzf" container; offsets receives, when given, the offset of every
// member's name length and finally the end of the data.
Bytes MakePackage(const std::vector<PackedMember>& members, std::vector<std::size_t>* offsets = nullptr);
// One zlib stream of data.
Bytes Deflate(const Bytes& data, int level = 6);
// The raw parts of a member header for hand-made damaged containers.
void AppendInt32(Bytes& out, std::int32_t value);
void AppendText(Bytes& out, const std::string& text);

// Files and folders in memory, keyed by their exact path ("D:\Skins\x.vxz").
class FakeFileSystem final : public skin::TsSkinFileSystem {
public:
  void AddFile(const std::string& path, Bytes data);
  void AddFolder(const std::string& path);
  bool FileExists(const std::string& path) const override { return files_.count(path) != 0; }
  bool DirectoryExists(const std::string& path) const override { return folders_.count(path) != 0; }
  std::vector<skin::TsDirEntry> List(const std::string& folder) const override;
  bool ReadFile(const std::string& path, std::vector<std::uint8_t>& bytes) const override;
  mutable std::vector<std::string> reads;  // paths read, in order

private:
  std::map<std::string, Bytes> files_;
  std::set<std::string> folders_;
};

// Records the warnings shown while it lives.
class WarningRecorder {
public:
  WarningRecorder();
  ~WarningRecorder();
  std::vector<std::string> warnings;

private:
  skin::TsSkinWarningHandler previous_;
};

}  // namespace fixtures
