#include "Streams.h"

#include <cstring>
#include <limits>

namespace tk {

void MemoryStream::SetPosition(std::size_t position) { position_ = position; }

std::size_t MemoryStream::Seek(std::int64_t offset, SeekOrigin origin) {
  std::int64_t base = 0;
  switch (origin) {
    case SeekOrigin::soBeginning: base = 0; break;
    case SeekOrigin::soCurrent: base = static_cast<std::int64_t>(position_); break;
    case SeekOrigin::soEnd: base = static_cast<std::int64_t>(bytes_.size()); break;
  }
  if ((offset < 0 && base + offset < 0) ||
      (offset > 0 && base > std::numeric_limits<std::int64_t>::max() - offset))
    throw EStreamError("Stream seek error");
  position_ = static_cast<std::size_t>(base + offset);
  return position_;
}

void MemoryStream::SetSize(std::size_t size) {
  bytes_.resize(size);
  if (position_ > size) position_ = size;
}

void MemoryStream::Clear() {
  bytes_.clear();
  bytes_.shrink_to_fit();
  position_ = 0;
}

std::size_t MemoryStream::Read(void* buffer, std::size_t count) {
  if (position_ >= bytes_.size() || count == 0) return 0;
  const std::size_t n = std::min(count, bytes_.size() - position_);
  std::memcpy(buffer, bytes_.data() + position_, n);
  position_ += n;
  return n;
}

void MemoryStream::ReadBuffer(void* buffer, std::size_t count) {
  if (count == 0) return;
  if (position_ > bytes_.size() || bytes_.size() - position_ < count) throw EReadError();
  Read(buffer, count);
}

void MemoryStream::Write(const void* buffer, std::size_t count) {
  if (count == 0) return;
  if (position_ > std::numeric_limits<std::size_t>::max() - count) throw EStreamError("Stream write error");
  const std::size_t end = position_ + count;
  if (end > bytes_.size()) bytes_.resize(end);
  std::memcpy(bytes_.data() + position_, buffer, count);
  position_ = end;
}

std::int32_t MemoryStream::ReadInt32() {
  std::uint8_t b[4];
  ReadBuffer(b, 4);
  return static_cast<std::int32_t>(std::uint32_t{b[0]} | std::uint32_t{b[1]} << 8 | std::uint32_t{b[2]} << 16 |
                                   std::uint32_t{b[3]} << 24);
}

void MemoryStream::WriteInt32(std::int32_t value) {
  const auto u = static_cast<std::uint32_t>(value);
  const std::uint8_t b[4] = {static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8),
                             static_cast<std::uint8_t>(u >> 16), static_cast<std::uint8_t>(u >> 24)};
  Write(b, 4);
}

void MemoryStream::LoadFromBytes(const void* data, std::size_t count) {
  const auto* p = static_cast<const std::uint8_t*>(data);
  bytes_.assign(p, p + count);
  position_ = 0;
}

void MemoryStream::LoadFromFile(const std::string& fileName) {
  std::vector<std::uint8_t> bytes;
  if (!ReadWholeFile(fileName, bytes)) throw EFOpenError(fileName);
  bytes_ = std::move(bytes);
  position_ = 0;
}

}  // namespace tk
