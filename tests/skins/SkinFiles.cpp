#include "SkinFiles.h"

#include <zlib.h>

#include <fstream>
#include <iterator>

namespace skintest {

namespace {
std::uint32_t Le32(const Bytes& b, std::size_t at) {
  if (at + 4 > b.size()) throw std::runtime_error("truncated container");
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}
std::string Trim(const std::string& s) {
  const auto a = s.find_first_not_of(" \t\r");
  return a == std::string::npos ? "" : s.substr(a, s.find_last_not_of(" \t\r") - a + 1);
}
}  // namespace

std::string Upper(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

std::vector<PackedMember> ParseContainer(const Bytes& b) {
  if (b.size() < 8 || b[0] != 'V' || b[1] != 'X' || b[2] != 'z' || b[3] != 'f') throw std::runtime_error("bad magic");
  const std::uint32_t count = Le32(b, 4);
  std::size_t at = 8;
  std::vector<PackedMember> out;
  for (std::uint32_t i = 0; i < count; ++i) {
    PackedMember m;
    const std::uint32_t len = Le32(b, at);
    at += 4;
    if (at + len > b.size()) throw std::runtime_error("truncated name");
    m.name.assign(b.begin() + static_cast<std::ptrdiff_t>(at), b.begin() + static_cast<std::ptrdiff_t>(at + len));
    at += len;
    m.declaredSize = Le32(b, at);
    at += 4;
    if (at + 2 > b.size()) throw std::runtime_error("truncated stream");
    m.zlibHeader[0] = b[at], m.zlibHeader[1] = b[at + 1];
    // Inflate exactly one stream and learn where it ended.
    z_stream z{};
    if (inflateInit(&z) != Z_OK) throw std::runtime_error("inflateInit");
    m.data.resize(m.declaredSize + 1);  // one spare byte shows an overlong stream
    z.next_in = const_cast<Bytef*>(b.data() + at);
    z.avail_in = static_cast<uInt>(b.size() - at);
    z.next_out = m.data.data();
    z.avail_out = static_cast<uInt>(m.data.size());
    const int rc = inflate(&z, Z_FINISH);
    const std::size_t produced = m.data.size() - z.avail_out;
    const std::size_t consumed = (b.size() - at) - z.avail_in;
    inflateEnd(&z);
    if (rc != Z_STREAM_END) throw std::runtime_error("member " + m.name + " does not inflate to one whole stream");
    if (produced != m.declaredSize) throw std::runtime_error("member " + m.name + " inflates to another size");
    m.data.resize(produced);
    at += consumed;
    m.endOffset = at;
    out.push_back(std::move(m));
  }
  if (at != b.size()) throw std::runtime_error("bytes after the last member");
  return out;
}

Bytes ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + path);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

const std::string* OptionsSection::Find(const std::string& key) const {
  for (const auto& [k, v] : keys)
    if (k == key) return &v;
  return nullptr;
}

std::vector<OptionsSection> ParseOptions(const std::string& text) {
  std::vector<OptionsSection> out;
  std::size_t at = 0;
  while (at <= text.size()) {
    std::size_t end = text.find('\n', at);
    if (end == std::string::npos) end = text.size();
    const std::string line = Trim(text.substr(at, end - at));
    at = end + 1;
    if (line.empty() || line[0] == ';') continue;
    if (line.front() == '[' && line.back() == ']') {
      out.push_back({Trim(line.substr(1, line.size() - 2)), {}});
      continue;
    }
    const auto eq = line.find('=');
    if (eq == std::string::npos) continue;
    if (out.empty()) throw std::runtime_error("a key before the first section: " + line);
    out.back().keys.emplace_back(Trim(line.substr(0, eq)), Trim(line.substr(eq + 1)));
  }
  return out;
}

const OptionsSection* FindSection(const std::vector<OptionsSection>& all, const std::string& name) {
  for (const OptionsSection& s : all)
    if (Upper(s.name) == Upper(name)) return &s;
  return nullptr;
}

std::uint32_t Bmp24::At(int x, int y) const {
  const std::size_t i = (static_cast<std::size_t>(y) * width + x) * 3;
  return static_cast<std::uint32_t>(rgb[i]) << 16 | rgb[i + 1] << 8 | rgb[i + 2];
}

Bmp24 ReadBmp24(const Bytes& f) {
  if (f.size() < 54 || f[0] != 'B' || f[1] != 'M') throw std::runtime_error("not a BMP file");
  const std::uint32_t offset = Le32(f, 10);
  const int width = static_cast<int>(Le32(f, 18));
  const int height = static_cast<int>(Le32(f, 22));
  const int bits = f[28] | f[29] << 8;
  if (Le32(f, 14) != 40 || bits != 24 || Le32(f, 30) != 0 || width <= 0 || height == 0)
    throw std::runtime_error("not an uncompressed 24-bit BMP");
  const bool bottomUp = height > 0;
  Bmp24 out;
  out.width = width;
  out.height = bottomUp ? height : -height;
  const std::size_t row = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
  if (offset + row * out.height > f.size()) throw std::runtime_error("truncated BMP pixels");
  out.rgb.resize(static_cast<std::size_t>(width) * out.height * 3);
  for (int y = 0; y < out.height; ++y) {
    const std::size_t src = offset + row * (bottomUp ? out.height - 1 - y : y);
    for (int x = 0; x < width; ++x) {
      const std::size_t d = (static_cast<std::size_t>(y) * width + x) * 3;
      out.rgb[d] = f[src + x * 3 + 2], out.rgb[d + 1] = f[src + x * 3 + 1], out.rgb[d + 2] = f[src + x * 3];
    }
  }
  return out;
}

std::pair<int, int> JpegSize(const Bytes& f) {
  if (f.size() < 4 || f[0] != 0xFF || f[1] != 0xD8) throw std::runtime_error("not a JPEG file");
  std::size_t at = 2;
  while (at + 9 < f.size()) {
    if (f[at] != 0xFF) throw std::runtime_error("JPEG marker expected");
    const int marker = f[at + 1];
    const std::size_t len = static_cast<std::size_t>(f[at + 2]) << 8 | f[at + 3];
    if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
      return {f[at + 7] << 8 | f[at + 8], f[at + 5] << 8 | f[at + 6]};
    at += 2 + len;
  }
  throw std::runtime_error("JPEG without a frame header");
}

}  // namespace skintest
