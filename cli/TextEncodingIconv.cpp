// Encoding conversion with glibc's iconv.
#include "cli/TextEncoding.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>
#include <string>

namespace gkconv {

namespace {
const char* IconvName(TEncoding encoding) {
  switch (encoding) {
    case TEncoding::Utf8: return "UTF-8";
    case TEncoding::Gbk: return "GBK";
    case TEncoding::Gb18030: return "GB18030";
  }
  return "UTF-8";
}
}  // namespace

bool FullGb18030() { return true; }

struct TTextConverter::TPlatform {
  iconv_t Handle = reinterpret_cast<iconv_t>(-1);
};

TTextConverter::TTextConverter(TEncoding from, TEncoding to)
    : FFrom(from), FTo(to), FPlatform(std::make_unique<TPlatform>()) {
  if (from == to) return;
  FPlatform->Handle = iconv_open(IconvName(to), IconvName(from));
  if (FPlatform->Handle == reinterpret_cast<iconv_t>(-1))
    throw std::runtime_error(std::string("no conversion from ") + IconvName(from) + " to " + IconvName(to));
}

TTextConverter::~TTextConverter() {
  if (FPlatform && FPlatform->Handle != reinterpret_cast<iconv_t>(-1)) iconv_close(FPlatform->Handle);
}

bool TTextConverter::PlatformConvert(std::string_view text, std::string& out) {
  iconv(FPlatform->Handle, nullptr, nullptr, nullptr, nullptr);  // initial state
  out.resize(text.size() * 2 + 8);
  char* in = const_cast<char*>(text.data());
  size_t inLeft = text.size();
  size_t done = 0;
  for (;;) {
    char* dst = out.data() + done;
    size_t outLeft = out.size() - done;
    const size_t r = iconv(FPlatform->Handle, &in, &inLeft, &dst, &outLeft);
    done = out.size() - outLeft;
    if (r != static_cast<size_t>(-1)) {
      // glibc counts characters written with a replacement as irreversible;
      // a lossy conversion is a failure here.
      if (r > 0) return false;
      break;
    }
    if (errno != E2BIG) return false;  // EILSEQ / EINVAL: not valid text
    out.resize(out.size() * 2);
  }
  out.resize(done);
  return true;
}

}  // namespace gkconv
