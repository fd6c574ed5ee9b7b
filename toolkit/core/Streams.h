#pragma once
// A growable in-memory byte stream: the one stream kind the skin engine needs
// (package containers, inflated members, options files, stored skin data).
// Reads past the end are errors (ReadBuffer) or short reads (Read), never
// undefined behaviour; writes grow the stream.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tk {

// Raised when a stream cannot deliver or store what was asked for; the
// messages are the runtime's usual ones ("Stream read error").
class EStreamError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};
class EReadError : public EStreamError {
public:
  EReadError() : EStreamError("Stream read error") {}
};
class EFOpenError : public EStreamError {
public:
  explicit EFOpenError(const std::string& fileName)
      : EStreamError("Cannot open file \"" + fileName + "\"") {}
};

enum class SeekOrigin { soBeginning, soCurrent, soEnd };

class MemoryStream {
public:
  MemoryStream() = default;
  explicit MemoryStream(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

  std::size_t Size() const { return bytes_.size(); }
  std::size_t Position() const { return position_; }
  void SetPosition(std::size_t position);
  // Positions beyond the end are allowed (a later write fills the gap with
  // zeros); positions before the start are errors.
  std::size_t Seek(std::int64_t offset, SeekOrigin origin);
  void SetSize(std::size_t size);
  void Clear();

  // Copies at most count bytes; returns how many were copied.
  std::size_t Read(void* buffer, std::size_t count);
  // Copies exactly count bytes or throws EReadError without moving.
  void ReadBuffer(void* buffer, std::size_t count);
  void Write(const void* buffer, std::size_t count);

  // Little-endian 32-bit integer, as stored by the file formats here.
  std::int32_t ReadInt32();
  void WriteInt32(std::int32_t value);

  void LoadFromBytes(const void* data, std::size_t count);
  // Whole-file read; the name is UTF-8. Throws EFOpenError when the file
  // cannot be opened or read.
  void LoadFromFile(const std::string& fileName);

  const std::uint8_t* Memory() const { return bytes_.data(); }
  std::uint8_t* Memory() { return bytes_.data(); }
  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
  std::string_view AsText() const {
    return {reinterpret_cast<const char*>(bytes_.data()), bytes_.size()};
  }

private:
  std::vector<std::uint8_t> bytes_;
  std::size_t position_ = 0;
};

// Whole-file read shared by the stream and the skin loaders; false when the
// file cannot be opened or read. UTF-8 names, converted for the platform.
bool ReadWholeFile(const std::string& fileName, std::vector<std::uint8_t>& bytes);

}  // namespace tk
