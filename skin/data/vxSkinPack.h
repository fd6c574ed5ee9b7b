#pragma once
// Reader of packed skins: the "VXzf" container.
//
//   "VXzf"  member count N  N x (name length L, L name bytes,
//                                uncompressed size S, one zlib stream)
//
// All integers are 32-bit little-endian. A member's zlib stream has no
// length field: it ends with its Adler-32 trailer and the next member header
// follows at once, so after each member the reader must stand exactly on the
// first byte after that stream; input the inflater fetched ahead is given
// back to the stream.

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/core/Streams.h"

namespace skin {

class TsSkinFileSystem;

// A member that cannot be inflated to its declared size, or that declares a
// size beyond what a skin can need.
class ESkinPackageError : public tk::EStreamError {
public:
  using tk::EStreamError::EStreamError;
};

// Members larger than this, or packages inflating to more than the second
// figure, are refused: a lying size field must not make the reader take
// gigabytes. Skin images are a few hundred kilobytes.
constexpr std::int64_t kMaxPackedMemberSize = 64LL * 1024 * 1024;
constexpr std::int64_t kMaxPackedSkinSize = 256LL * 1024 * 1024;

constexpr const char* kBadPackageWarning = "Loaded data is not packed Vexora file";

struct TvxImageItem {
  std::string FileName;  // as stored
  bool IsBitmap = false;  // upper-cased extension is ".BMP"
  std::unique_ptr<tk::MemoryStream> Data;
};
using TvxImageItems = std::vector<TvxImageItem>;

class TvxSkinConvertor {
public:
  TvxSkinConvertor() = default;
  ~TvxSkinConvertor() { ClearPackedData(); }
  TvxSkinConvertor(const TvxSkinConvertor&) = delete;
  TvxSkinConvertor& operator=(const TvxSkinConvertor&) = delete;

  // Member count - 1, set when the header is read; the loaders search the
  // first FileCount entries of Files.
  int FileCount = 0;
  // Whether the last ExtractPackedData found the "VXzf" magic.
  bool Accepted = false;
  TvxImageItems Files;                       // members other than "Options.dat", in order
  std::unique_ptr<tk::MemoryStream> Options;  // the inflated "Options.dat", if any

  // The container being read. A stream handed in with SetPackedData stays
  // the caller's; one handed in with SetOwnedPackedData is freed here.
  tk::MemoryStream* PackedData() const { return packedData_; }
  void SetPackedData(tk::MemoryStream* stream);
  void SetOwnedPackedData(std::unique_ptr<tk::MemoryStream> stream);
  void DetachPackedData();  // forget the container without freeing a borrowed one

  // Reads the container from its start into Files, Options and FileCount.
  // Bad magic: shows the warning and clears everything. A damaged member:
  // raises ESkinPackageError (tk::EReadError for a cut header) and leaves
  // Files and Options empty.
  void ExtractPackedData();
  // Frees the members (last first), then Options and the container.
  void ClearPackedData();

  // The member among the first FileCount ones whose upper-cased name equals
  // upperName, or nullptr.
  const TvxImageItem* FindFile(std::string_view upperName) const;

private:
  void ReadMembers();
  tk::MemoryStream* packedData_ = nullptr;
  std::unique_ptr<tk::MemoryStream> ownedPackedData_;
};

// One member read from a container standing on the member's name length.
// Afterwards the container stands on the first byte after the member's zlib
// stream. Raises like ExtractPackedData.
struct TvxPackedMember {
  std::string Name;
  std::unique_ptr<tk::MemoryStream> Data;
};
TvxPackedMember ReadPackedMember(tk::MemoryStream& container);

// Reads a package file into convertor (created when empty, cleared
// otherwise). Does nothing when the file does not exist. With freeSource the
// container bytes are freed afterwards, also when reading fails.
void LoadSkinPackage(const std::string& fileName, std::unique_ptr<TvxSkinConvertor>& convertor, bool freeSource,
                     const TsSkinFileSystem& fileSystem);

}  // namespace skin
