#include <filesystem>
#include <system_error>
#include <unistd.h>

#include "sSkinFileSystem.h"
#include "toolkit/core/Streams.h"

namespace skin {

namespace {

std::filesystem::path Native(const std::string& path) {
  std::string p = path;
  for (char& c : p)
    if (c == '\\') c = '/';
  return std::filesystem::path(p);
}

class PortableFileSystem final : public TsSkinFileSystem {
public:
  bool FileExists(const std::string& path) const override {
    std::error_code ec;
    return std::filesystem::is_regular_file(Native(path), ec);
  }
  bool DirectoryExists(const std::string& path) const override {
    std::error_code ec;
    return !path.empty() && std::filesystem::is_directory(Native(path), ec);
  }
  std::vector<TsDirEntry> List(const std::string& folder) const override {
    std::vector<TsDirEntry> entries;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(Native(folder), ec), end; !ec && it != end; it.increment(ec)) {
      std::error_code ec2;
      entries.push_back({it->path().filename().string(), it->is_directory(ec2)});
    }
    return entries;
  }
  bool ReadFile(const std::string& path, std::vector<std::uint8_t>& bytes) const override {
    return FileExists(path) && tk::ReadWholeFile(Native(path).string(), bytes);
  }
};

}  // namespace

const TsSkinFileSystem& PlatformFileSystem() {
  static const PortableFileSystem fs;
  return fs;
}

std::string ProgramFolder() {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return {};
  return exe.parent_path().string() + "\\";
}

}  // namespace skin
