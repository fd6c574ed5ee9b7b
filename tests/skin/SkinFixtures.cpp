#include "SkinFixtures.h"

#include <zlib.h>

#include <stdexcept>

namespace fixtures {

Bytes ToBytes(const std::string& text) { return Bytes(text.begin(), text.end()); }

Bytes Deflate(const Bytes& data, int level) {
  uLongf size = compressBound(static_cast<uLong>(data.size()));
  Bytes out(size);
  if (compress2(out.data(), &size, data.data(), static_cast<uLong>(data.size()), level) != Z_OK)
    throw std::runtime_error("compress2 failed");
  out.resize(size);
  return out;
}

void AppendInt32(Bytes& out, std::int32_t value) {
  const auto u = static_cast<std::uint32_t>(value);
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(u >> (8 * i)));
}

void AppendText(Bytes& out, const std::string& text) { out.insert(out.end(), text.begin(), text.end()); }

Bytes MakePackage(const std::vector<PackedMember>& members, std::vector<std::size_t>* offsets) {
  Bytes out;
  AppendText(out, "VXzf");
  AppendInt32(out, static_cast<std::int32_t>(members.size()));
  for (const auto& m : members) {
    if (offsets) offsets->push_back(out.size());
    AppendInt32(out, static_cast<std::int32_t>(m.name.size()));
    AppendText(out, m.name);
    AppendInt32(out, static_cast<std::int32_t>(m.data.size()));
    const Bytes z = Deflate(m.data, m.level);
    out.insert(out.end(), z.begin(), z.end());
  }
  if (offsets) offsets->push_back(out.size());
  return out;
}

void FakeFileSystem::AddFile(const std::string& path, Bytes data) {
  files_[path] = std::move(data);
  const std::size_t sep = path.find_last_of('\\');
  if (sep != std::string::npos) AddFolder(path.substr(0, sep));
}

void FakeFileSystem::AddFolder(const std::string& path) {
  folders_.insert(path);
  const std::size_t sep = path.find_last_of('\\');
  if (sep != std::string::npos && sep > 2) AddFolder(path.substr(0, sep));
}

std::vector<skin::TsDirEntry> FakeFileSystem::List(const std::string& folder) const {
  std::vector<skin::TsDirEntry> entries = {{".", true}, {"..", true}};
  const std::string prefix = folder + "\\";
  for (const auto& [path, data] : files_)
    if (path.rfind(prefix, 0) == 0 && path.find('\\', prefix.size()) == std::string::npos)
      entries.push_back({path.substr(prefix.size()), false});
  for (const auto& path : folders_)
    if (path.rfind(prefix, 0) == 0 && path.find('\\', prefix.size()) == std::string::npos)
      entries.push_back({path.substr(prefix.size()), true});
  return entries;
}

bool FakeFileSystem::ReadFile(const std::string& path, std::vector<std::uint8_t>& bytes) const {
  const auto it = files_.find(path);
  if (it == files_.end()) return false;
  reads.push_back(path);
  bytes = it->second;
  return true;
}

WarningRecorder::WarningRecorder() {
  previous_ = skin::SetSkinWarningHandler([this](const std::string& text) { warnings.push_back(text); });
}

WarningRecorder::~WarningRecorder() { skin::SetSkinWarningHandler(std::move(previous_)); }

}  // namespace fixtures
