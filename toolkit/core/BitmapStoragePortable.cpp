#include <vector>

#include "Bitmap.h"

namespace tk {

namespace {
class HeapStorage final : public BitmapStorage {
public:
  explicit HeapStorage(std::size_t bytes) : bytes_(bytes, 0) {}
  std::uint8_t* Bits() override { return bytes_.data(); }
  void* NativeHandle() override { return nullptr; }

private:
  std::vector<std::uint8_t> bytes_;
};
}  // namespace

std::unique_ptr<BitmapStorage> CreateBitmapStorage(int width, int height, PixelFormat format, bool) {
  return std::make_unique<HeapStorage>(Bitmap::RowBytesFor(width, format) * static_cast<std::size_t>(height));
}

}  // namespace tk
