#include "vxSkinPack.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <limits>

#include "sSkinFileSystem.h"
#include "sSkinWarning.h"
#include "toolkit/core/TextCase.h"

namespace skin {

namespace {

constexpr std::size_t kInflateBlock = 64 * 1024;
// No deflate stream gives more than about 1032 bytes for one of its own: a
// member's declared size is believed only as far as the bytes left in the
// container could make it.
constexpr std::size_t kMaxInflateRatio = 1032;

std::string UpperExtension(std::string_view name) {
  const std::size_t dot = name.find_last_of('.');
  const std::size_t sep = name.find_last_of("\\/:");
  if (dot == std::string_view::npos || (sep != std::string_view::npos && sep > dot)) return {};
  return tk::UpperCase(name.substr(dot));
}

[[noreturn]] void MemberError(const std::string& name, const std::string& what) {
  throw ESkinPackageError("Skin package member \"" + name + "\" " + what);
}

// One zlib inflater for all members of a container (reset between them, so
// its state and window are made once), released on every path out.
class TvxInflater {
public:
  TvxInflater() {
    std::memset(&z_, 0, sizeof z_);
    if (inflateInit(&z_) != Z_OK) throw ESkinPackageError("zlib could not be initialised");
  }
  ~TvxInflater() { inflateEnd(&z_); }
  TvxInflater(const TvxInflater&) = delete;
  TvxInflater& operator=(const TvxInflater&) = delete;

  // Inflates one member of exactly size bytes from the container's current
  // position and leaves the container on the first byte after the stream.
  // The input is read where it lies in the container, without a copy.
  std::unique_ptr<tk::MemoryStream> Member(tk::MemoryStream& in, const std::string& name, std::int32_t size);

private:
  z_stream z_;
};

std::unique_ptr<tk::MemoryStream> TvxInflater::Member(tk::MemoryStream& in, const std::string& name, std::int32_t size) {
  if (size < 0) MemberError(name, "declares a negative size");
  if (size > kMaxPackedMemberSize) MemberError(name, "declares " + std::to_string(size) + " bytes, more than a skin may hold");
  const auto declared = static_cast<std::size_t>(size);
  const std::size_t start = std::min(in.Position(), in.Size());
  const std::size_t available = in.Size() - start;
  if (inflateReset(&z_) != Z_OK) throw ESkinPackageError("zlib could not be initialised");
  z_.next_in = const_cast<Bytef*>(in.Memory() + start);
  z_.avail_in = static_cast<uInt>(std::min<std::size_t>(available, std::numeric_limits<uInt>::max()));
  // Sized once for what the stream can give; grown (never beyond the
  // declared size) only if the estimate falls short.
  std::vector<std::uint8_t> out(std::min(declared, available * kMaxInflateRatio + kInflateBlock));
  std::size_t produced = 0;
  std::uint8_t overflow[1];
  for (;;) {
    if (produced == out.size() && out.size() < declared)
      out.resize(std::min(declared, std::max<std::size_t>(out.size() * 2, kInflateBlock)));
    const bool full = produced == declared;
    z_.next_out = full ? overflow : out.data() + produced;
    z_.avail_out = full ? 1u : static_cast<uInt>(std::min<std::size_t>(out.size() - produced, std::numeric_limits<uInt>::max()));
    const uInt before = z_.avail_out;
    const int rc = inflate(&z_, Z_NO_FLUSH);
    if (full) {
      if (z_.avail_out == 0) MemberError(name, "holds more than its declared size of " + std::to_string(declared) + " bytes");
    } else {
      produced += before - z_.avail_out;
    }
    if (rc == Z_STREAM_END) break;
    if (rc == Z_BUF_ERROR && z_.avail_in == 0)
      MemberError(name, "ends before its declared size of " + std::to_string(declared) + " bytes");
    if (rc != Z_OK && rc != Z_BUF_ERROR)
      MemberError(name, std::string("is damaged: ") + (z_.msg ? z_.msg : "inflate failed"));
  }
  if (produced != declared) MemberError(name, "ends before its declared size of " + std::to_string(declared) + " bytes");
  in.SetPosition(start + (available - z_.avail_in));
  return std::make_unique<tk::MemoryStream>(std::move(out));
}

TvxPackedMember ReadMember(tk::MemoryStream& in, TvxInflater& inflater) {
  const std::int32_t nameLength = in.ReadInt32();
  if (nameLength < 0 || static_cast<std::size_t>(nameLength) > in.Size() - std::min(in.Size(), in.Position()))
    throw tk::EReadError();
  TvxPackedMember member;
  member.Name.assign(static_cast<std::size_t>(nameLength), '\0');
  in.ReadBuffer(member.Name.data(), member.Name.size());
  member.Data = inflater.Member(in, member.Name, in.ReadInt32());
  return member;
}

}  // namespace

void TvxSkinConvertor::SetPackedData(tk::MemoryStream* stream) {
  ownedPackedData_.reset();
  packedData_ = stream;
}

void TvxSkinConvertor::SetOwnedPackedData(std::unique_ptr<tk::MemoryStream> stream) {
  ownedPackedData_ = std::move(stream);
  packedData_ = ownedPackedData_.get();
}

void TvxSkinConvertor::DetachPackedData() {
  if (!ownedPackedData_) packedData_ = nullptr;
}

void TvxSkinConvertor::ClearPackedData() {
  while (!Files.empty()) Files.pop_back();
  Options.reset();
  ownedPackedData_.reset();
  packedData_ = nullptr;
}

void TvxSkinConvertor::ExtractPackedData() {
  Accepted = false;
  if (!packedData_) return;
  tk::MemoryStream& in = *packedData_;
  in.SetPosition(0);
  char magic[4] = {};
  if (in.Read(magic, 4) != 4 || std::memcmp(magic, "VXzf", 4) != 0) {
    ShowSkinWarning(kBadPackageWarning);
    ClearPackedData();
    FileCount = 0;
    return;
  }
  Accepted = true;
  try {
    ReadMembers();
  } catch (...) {
    // Nothing half-read survives a damaged package.
    while (!Files.empty()) Files.pop_back();
    Options.reset();
    FileCount = 0;
    throw;
  }
}

TvxPackedMember ReadPackedMember(tk::MemoryStream& in) {
  TvxInflater inflater;
  return ReadMember(in, inflater);
}

void TvxSkinConvertor::ReadMembers() {
  tk::MemoryStream& in = *packedData_;
  const std::int32_t count = in.ReadInt32();
  // N - 1, without overflowing for the smallest count a header can claim.
  FileCount = count == std::numeric_limits<std::int32_t>::min() ? count : count - 1;
  std::int64_t total = 0;
  TvxInflater inflater;
  for (std::int32_t i = 0; i < count; ++i) {
    TvxPackedMember member = ReadMember(in, inflater);
    total += static_cast<std::int64_t>(member.Data->Size());
    if (total > kMaxPackedSkinSize) MemberError(member.Name, "makes the package larger than a skin may be");
    if (tk::SameText(member.Name, "Options.dat")) {
      Options = std::move(member.Data);  // a later one replaces an earlier one
    } else {
      TvxImageItem item;
      item.IsBitmap = UpperExtension(member.Name) == ".BMP";
      item.FileName = std::move(member.Name);
      item.Data = std::move(member.Data);
      Files.push_back(std::move(item));
    }
  }
}

const TvxImageItem* TvxSkinConvertor::FindFile(std::string_view upperName) const {
  const std::size_t searched = std::min<std::size_t>(Files.size(), FileCount > 0 ? static_cast<std::size_t>(FileCount) : 0);
  for (std::size_t i = 0; i < searched; ++i)
    if (tk::UpperCase(Files[i].FileName) == upperName) return &Files[i];
  return nullptr;
}

void LoadSkinPackage(const std::string& fileName, std::unique_ptr<TvxSkinConvertor>& convertor, bool freeSource,
                     const TsSkinFileSystem& fileSystem) {
  if (!fileSystem.FileExists(fileName)) return;
  if (convertor) convertor->ClearPackedData();
  else convertor = std::make_unique<TvxSkinConvertor>();
  std::vector<std::uint8_t> bytes;
  if (!fileSystem.ReadFile(fileName, bytes)) throw tk::EFOpenError(fileName);
  convertor->SetOwnedPackedData(std::make_unique<tk::MemoryStream>(std::move(bytes)));
  try {
    convertor->ExtractPackedData();
  } catch (...) {
    if (freeSource) convertor->SetOwnedPackedData(nullptr);
    throw;
  }
  if (freeSource) convertor->SetOwnedPackedData(nullptr);
}

}  // namespace skin
