#include "PeImage.h"

#include <fstream>
#include <iterator>

namespace pe {

namespace {

constexpr std::size_t kImportDirectory = 1;
constexpr std::size_t kResourceDirectory = 2;
constexpr std::size_t kDelayImportDirectory = 13;
// Import descriptors and delay-load descriptors end with an all-zero entry;
// a damaged table without one stops here instead of running to the end.
constexpr std::size_t kMostDlls = 4096;

std::size_t CheckedAdd(std::size_t a, std::size_t b) {
  if (a + b < a) throw PeFormatError("offset overflow");
  return a + b;
}

}  // namespace

PeImage::PeImage(std::span<const std::uint8_t> bytes) : bytes_(bytes) {
  if (bytes_.size() < 0x40 || bytes_[0] != 'M' || bytes_[1] != 'Z') throw PeFormatError("no MZ header");
  const std::size_t pe = U32(0x3C);
  if (U32(pe) != 0x00004550) throw PeFormatError("no PE signature");
  const std::size_t coff = pe + 4;
  const std::uint16_t sectionCount = U16(coff + 2);
  timeDateStamp_ = U32(coff + 4);
  const std::uint16_t optionalSize = U16(coff + 16);
  const std::size_t optional = coff + 20;
  const std::uint16_t magic = U16(optional);
  std::size_t directoryTable = 0, directoryCountAt = 0;
  if (magic == 0x20B) {  // PE32+
    directoryCountAt = optional + 108;
    directoryTable = optional + 112;
  } else if (magic == 0x10B) {  // PE32
    directoryCountAt = optional + 92;
    directoryTable = optional + 96;
  } else {
    throw PeFormatError("unknown optional header");
  }
  const std::uint32_t directoryCount = U32(directoryCountAt);
  if (directoryCount > 16 || directoryTable + directoryCount * 8 > optional + optionalSize)
    throw PeFormatError("bad data directory count");
  for (std::uint32_t i = 0; i < directoryCount; ++i)
    directories_.push_back({U32(directoryTable + i * 8), U32(directoryTable + i * 8 + 4)});
  const std::size_t sectionTable = optional + optionalSize;
  for (std::uint16_t i = 0; i < sectionCount; ++i) {
    const std::size_t s = sectionTable + i * 40u;
    sections_.push_back({U32(s + 12), U32(s + 8), U32(s + 20), U32(s + 16)});
  }
}

std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw PeFormatError("cannot open " + file.string());
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::uint16_t PeImage::U16(std::size_t offset) const {
  if (CheckedAdd(offset, 2) > bytes_.size()) throw PeFormatError("read past the end of the file");
  return static_cast<std::uint16_t>(bytes_[offset] | bytes_[offset + 1] << 8);
}

std::uint32_t PeImage::U32(std::size_t offset) const {
  return U16(offset) | static_cast<std::uint32_t>(U16(offset + 2)) << 16;
}

std::size_t PeImage::FileOffset(std::uint32_t rva) const {
  for (const Section& s : sections_) {
    if (rva < s.virtualAddress) continue;
    const std::uint32_t into = rva - s.virtualAddress;
    // Past its raw data a section is zeros made at load time, not in the file.
    if (into < s.rawSize) return CheckedAdd(s.rawOffset, into);
  }
  throw PeFormatError("address outside every section");
}

std::string PeImage::StringAt(std::uint32_t rva) const {
  std::size_t at = FileOffset(rva);
  std::string text;
  while (at < bytes_.size() && bytes_[at] != 0) {
    text.push_back(static_cast<char>(bytes_[at++]));
    if (text.size() > 1024) throw PeFormatError("unterminated name");
  }
  if (at >= bytes_.size()) throw PeFormatError("unterminated name");
  return text;
}

std::vector<std::string> PeImage::ImportedDlls() const {
  std::vector<std::string> dlls;
  // Descriptor size and the position of the name's address in it.
  const struct {
    std::size_t directory, entrySize, nameAt;
  } tables[] = {{kImportDirectory, 20, 12}, {kDelayImportDirectory, 32, 4}};
  for (const auto& table : tables) {
    if (table.directory >= directories_.size() || directories_[table.directory].rva == 0) continue;
    std::size_t at = FileOffset(directories_[table.directory].rva);
    for (std::size_t n = 0;; ++n, at = CheckedAdd(at, table.entrySize)) {
      if (n == kMostDlls) throw PeFormatError("import table without its end");
      bool allZero = true;
      for (std::size_t i = 0; i < table.entrySize; i += 4) allZero = allZero && U32(at + i) == 0;
      if (allZero) break;
      dlls.push_back(StringAt(U32(at + table.nameAt)));
    }
  }
  return dlls;
}

std::optional<std::uint32_t> PeImage::ResourceEntry(std::uint32_t directory, std::optional<std::uint16_t> id) const {
  const std::size_t base = FileOffset(directories_[kResourceDirectory].rva);
  const std::size_t at = CheckedAdd(base, directory);
  const std::size_t named = U16(at + 12), numbered = U16(at + 14);
  for (std::size_t i = 0; i < named + numbered; ++i) {
    const std::size_t entry = at + 16 + i * 8;
    const std::uint32_t name = U32(entry);
    const bool isNumber = (name & 0x80000000u) == 0;
    if (!id ? true : isNumber && name == *id) return U32(entry + 4);
  }
  return std::nullopt;
}

std::optional<std::vector<std::uint8_t>> PeImage::Resource(std::uint16_t type, std::uint16_t id) const {
  if (kResourceDirectory >= directories_.size() || directories_[kResourceDirectory].rva == 0) return std::nullopt;
  // Three levels: type, name, language; a subdirectory has the high bit set.
  auto typeEntry = ResourceEntry(0, type);
  if (!typeEntry || !(*typeEntry & 0x80000000u)) return std::nullopt;
  auto nameEntry = ResourceEntry(*typeEntry & 0x7FFFFFFFu, id);
  if (!nameEntry || !(*nameEntry & 0x80000000u)) return std::nullopt;
  auto languageEntry = ResourceEntry(*nameEntry & 0x7FFFFFFFu, std::nullopt);
  if (!languageEntry || (*languageEntry & 0x80000000u)) return std::nullopt;
  const std::size_t dataEntry = CheckedAdd(FileOffset(directories_[kResourceDirectory].rva), *languageEntry);
  const std::uint32_t dataRva = U32(dataEntry), dataSize = U32(dataEntry + 4);
  const std::size_t from = FileOffset(dataRva);
  if (CheckedAdd(from, dataSize) > bytes_.size()) throw PeFormatError("resource data past the end of the file");
  return std::vector<std::uint8_t>(bytes_.begin() + static_cast<std::ptrdiff_t>(from),
                                   bytes_.begin() + static_cast<std::ptrdiff_t>(from + dataSize));
}

namespace {

// One block of a VS_VERSIONINFO tree: wLength, wValueLength, wType, a
// zero-terminated UTF-16 key, then the value and the children, each starting
// on a 32-bit boundary.
struct VersionBlock {
  std::u16string key;
  std::vector<std::uint8_t> value;
  std::vector<VersionBlock> children;
};

class VersionReader {
public:
  explicit VersionReader(const std::vector<std::uint8_t>& data) : data_(data) {}

  VersionBlock Read(std::size_t at, std::size_t limit, int depth) const {
    if (depth > 4) throw PeFormatError("version blocks nested too deep");
    const std::size_t length = U16(at), valueLength = U16(at + 2), type = U16(at + 4);
    const std::size_t end = at + length;
    if (length < 6 || end > limit) throw PeFormatError("version block outside its parent");
    VersionBlock block;
    std::size_t p = at + 6;
    for (;;) {
      if (p + 2 > end) throw PeFormatError("version key without its end");
      const char16_t c = U16(p);
      p += 2;
      if (c == 0) break;
      block.key.push_back(c);
    }
    p = Align(p);
    // A text value's length counts UTF-16 units; a binary one counts bytes.
    const std::size_t valueBytes = std::min(type == 1 ? valueLength * 2 : valueLength, end > p ? end - p : 0);
    block.value.assign(data_.begin() + static_cast<std::ptrdiff_t>(std::min(p, end)),
                       data_.begin() + static_cast<std::ptrdiff_t>(std::min(p + valueBytes, end)));
    p = Align(p + valueBytes);
    while (p < end) {
      VersionBlock child = Read(p, end, depth + 1);
      p = Align(p + U16(p));
      block.children.push_back(std::move(child));
    }
    return block;
  }

  std::uint16_t U16(std::size_t at) const {
    if (at + 2 > data_.size()) throw PeFormatError("version resource cut short");
    return static_cast<std::uint16_t>(data_[at] | data_[at + 1] << 8);
  }

private:
  static std::size_t Align(std::size_t p) { return (p + 3) & ~std::size_t{3}; }
  const std::vector<std::uint8_t>& data_;
};

std::string Utf8(const std::u16string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    std::uint32_t c = text[i];
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000)
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
      out.push_back(static_cast<char>(0xC0 | c >> 6));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | c >> 12));
      out.push_back(static_cast<char>(0x80 | (c >> 6 & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | c >> 18));
      out.push_back(static_cast<char>(0x80 | (c >> 12 & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c >> 6 & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return out;
}

std::u16string TextValue(const std::vector<std::uint8_t>& value) {
  std::u16string text;
  for (std::size_t i = 0; i + 1 < value.size(); i += 2) {
    const char16_t c = static_cast<char16_t>(value[i] | value[i + 1] << 8);
    if (c == 0) break;
    text.push_back(c);
  }
  return text;
}

std::uint32_t Dword(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

}  // namespace

VersionInfo ParseVersionInfo(const std::vector<std::uint8_t>& resource) {
  const VersionReader reader(resource);
  const VersionBlock root = reader.Read(0, resource.size(), 0);
  if (root.key != u"VS_VERSION_INFO") throw PeFormatError("not a VS_VERSION_INFO block");
  if (root.value.size() < 52 || Dword(root.value, 0) != 0xFEEF04BDu) throw PeFormatError("no fixed file information");
  VersionInfo info;
  const std::uint32_t parts[4] = {Dword(root.value, 8), Dword(root.value, 12), Dword(root.value, 16),
                                  Dword(root.value, 20)};
  for (int i = 0; i < 2; ++i) {
    info.fileVersion[i * 2] = static_cast<std::uint16_t>(parts[i] >> 16);
    info.fileVersion[i * 2 + 1] = static_cast<std::uint16_t>(parts[i]);
    info.productVersion[i * 2] = static_cast<std::uint16_t>(parts[2 + i] >> 16);
    info.productVersion[i * 2 + 1] = static_cast<std::uint16_t>(parts[2 + i]);
  }
  for (const VersionBlock& child : root.children) {
    if (child.key == u"StringFileInfo") {
      for (const VersionBlock& table : child.children) {
        auto& strings = info.strings[Utf8(table.key)];
        for (const VersionBlock& entry : table.children) strings[Utf8(entry.key)] = Utf8(TextValue(entry.value));
      }
    } else if (child.key == u"VarFileInfo") {
      for (const VersionBlock& var : child.children) {
        if (var.key != u"Translation") continue;
        for (std::size_t i = 0; i + 4 <= var.value.size(); i += 4)
          info.translations.emplace_back(static_cast<std::uint16_t>(var.value[i] | var.value[i + 1] << 8),
                                         static_cast<std::uint16_t>(var.value[i + 2] | var.value[i + 3] << 8));
      }
    }
  }
  return info;
}

}  // namespace pe
