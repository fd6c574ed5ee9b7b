#include "VxzWriter.h"

#include <zlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <set>
#include <stdexcept>

namespace skinpack {

namespace {

void Put32(Bytes& out, std::uint32_t v) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

std::string Upper(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

void CheckName(const std::string& name) {
  if (name.empty()) throw std::invalid_argument("a packed member needs a name");
  for (unsigned char c : name) {
    if (c < 0x20 || c > 0x7E) throw std::invalid_argument("member name \"" + name + "\" has characters outside printable ASCII");
    if (c == '/' || c == '\\' || c == ':') throw std::invalid_argument("member name \"" + name + "\" has a folder part");
  }
}

constexpr std::size_t kMax32 = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());

Bytes Deflate(const Bytes& data, int level) {
  if (data.size() > kMax32) throw std::invalid_argument("member larger than 2 GiB");
  uLongf size = compressBound(static_cast<uLong>(data.size()));
  Bytes packed(size);
  const int rc = compress2(packed.data(), &size, data.data(), static_cast<uLong>(data.size()), level);
  if (rc != Z_OK) throw std::invalid_argument("zlib rejected the member (level " + std::to_string(level) + ")");
  packed.resize(size);
  return packed;
}

}  // namespace

Bytes WriteContainer(const std::vector<Member>& members, int level) {
  if (members.size() > kMax32) throw std::invalid_argument("too many members");
  std::set<std::string> seen;
  for (const Member& m : members) {
    CheckName(m.name);
    if (m.data.empty()) throw std::invalid_argument("member \"" + m.name + "\" is empty");
    if (!seen.insert(Upper(m.name)).second)
      throw std::invalid_argument("two members are named \"" + m.name + "\" (names are compared without case)");
  }
  Bytes out = {'V', 'X', 'z', 'f'};
  Put32(out, static_cast<std::uint32_t>(members.size()));
  for (const Member& m : members) {
    Put32(out, static_cast<std::uint32_t>(m.name.size()));
    out.insert(out.end(), m.name.begin(), m.name.end());
    Put32(out, static_cast<std::uint32_t>(m.data.size()));
    const Bytes packed = Deflate(m.data, level);
    out.insert(out.end(), packed.begin(), packed.end());
    if (out.size() > kMax32) throw std::invalid_argument("packed skin larger than 2 GiB");
  }
  return out;
}

std::vector<Member> ReadSkinFolder(const std::string& folder) {
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::directory_iterator it(fs::path(folder), ec);
  if (ec) throw std::runtime_error("cannot read the skin folder " + folder + ": " + ec.message());
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : it) {
    const std::string name = entry.path().filename().string();
    if (name.empty() || name[0] == '.') continue;
    if (!entry.is_regular_file(ec)) continue;
    names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  auto options = std::find_if(names.begin(), names.end(), [](const std::string& n) { return Upper(n) == "OPTIONS.DAT"; });
  if (options == names.end()) throw std::runtime_error("the skin folder " + folder + " has no Options.dat");
  std::rotate(names.begin(), options, options + 1);

  std::vector<Member> members;
  for (const std::string& name : names) {
    std::ifstream in(fs::path(folder) / name, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open " + name + " in " + folder);
    Member m{name, Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>())};
    if (in.bad()) throw std::runtime_error("cannot read " + name + " in " + folder);
    members.push_back(std::move(m));
  }
  return members;
}

}  // namespace skinpack
