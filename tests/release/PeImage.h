#pragma once
// A reader for the parts of a Windows executable (PE32 or PE32+) that decide
// whether it runs on a user's machine: the DLLs it imports, its resources
// (the application manifest, the version information) and the link time
// stamp. Portable C++: it reads the file's bytes and never loads the program.
// Every offset is checked against the file, so a damaged executable gives a
// PeFormatError, never a read outside the buffer.

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace pe {

class PeFormatError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

constexpr std::uint16_t kResourceVersion = 16;   // RT_VERSION
constexpr std::uint16_t kResourceManifest = 24;  // RT_MANIFEST

// The whole file, for PeImage to read.
std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& file);

// A view of an executable's bytes, which the caller keeps alive and
// unchanged while the view is used.
class PeImage {
public:
  explicit PeImage(std::span<const std::uint8_t> bytes);

  // The DLLs named by the import table and the delay-load table, in table
  // order, spelled as the executable spells them.
  std::vector<std::string> ImportedDlls() const;
  // The data of the resource of that type and numeric id (its first
  // language); nothing when the executable has none.
  std::optional<std::vector<std::uint8_t>> Resource(std::uint16_t type, std::uint16_t id) const;
  std::uint32_t TimeDateStamp() const { return timeDateStamp_; }

private:
  struct Section {
    std::uint32_t virtualAddress, virtualSize, rawOffset, rawSize;
  };
  struct Directory {
    std::uint32_t rva = 0, size = 0;
  };

  std::uint16_t U16(std::size_t offset) const;
  std::uint32_t U32(std::size_t offset) const;
  std::size_t FileOffset(std::uint32_t rva) const;
  std::string StringAt(std::uint32_t rva) const;
  // The entry of a resource directory level with that numeric id: its
  // offset from the start of the resource section, or nothing.
  std::optional<std::uint32_t> ResourceEntry(std::uint32_t directory, std::optional<std::uint16_t> id) const;

  std::span<const std::uint8_t> bytes_;
  std::vector<Section> sections_;
  std::vector<Directory> directories_;
  std::uint32_t timeDateStamp_ = 0;
};

// The VS_VERSIONINFO block of a version resource.
struct VersionInfo {
  // FILEVERSION and PRODUCTVERSION of the fixed part, as four numbers.
  std::uint16_t fileVersion[4] = {};
  std::uint16_t productVersion[4] = {};
  // The string tables by their key ("080404b0": language and code page in
  // hexadecimal), each mapping a name (ProductName...) to its text in UTF-8.
  std::map<std::string, std::map<std::string, std::string>> strings;
  // The Translation pairs of VarFileInfo: language, code page.
  std::vector<std::pair<std::uint16_t, std::uint16_t>> translations;
};
VersionInfo ParseVersionInfo(const std::vector<std::uint8_t>& resource);

}  // namespace pe
