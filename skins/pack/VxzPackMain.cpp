// vxzpack: packs a skin folder (Options.dat and its images) into one ".vxz"
// file that the skin engine can load as a packed or internal skin.
//
//   vxzpack [--level N] <skin folder> <output.vxz>
//
// N is the zlib level (0..9, or -1 for zlib's default; 9 when omitted).
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>

#include "VxzWriter.h"

namespace {

int Usage() {
  std::fprintf(stderr, "usage: vxzpack [--level N] <skin folder> <output.vxz>\n");
  return 2;
}

bool ParseLevel(const char* text, int& level) {
  if (std::strcmp(text, "-1") == 0) {
    level = -1;
    return true;
  }
  if (std::strlen(text) != 1 || text[0] < '0' || text[0] > '9') return false;
  level = text[0] - '0';
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  int level = 9;
  int arg = 1;
  if (arg < argc && std::strcmp(argv[arg], "--level") == 0) {
    if (arg + 1 >= argc || !ParseLevel(argv[arg + 1], level)) return Usage();
    arg += 2;
  }
  if (argc - arg != 2) return Usage();
  const std::string folder = argv[arg], output = argv[arg + 1];
  try {
    const skinpack::Bytes packed = skinpack::WriteContainer(skinpack::ReadSkinFolder(folder), level);
    // Written beside the target and renamed, so that a failed run never
    // leaves a truncated package that a later build would take as current.
    const std::string partial = output + ".partial";
    {
      std::ofstream out(partial, std::ios::binary | std::ios::trunc);
      out.write(reinterpret_cast<const char*>(packed.data()), static_cast<std::streamsize>(packed.size()));
      if (!out) throw std::runtime_error("cannot write " + partial);
    }
    std::error_code ignored;
    std::filesystem::remove(output, ignored);  // some runtimes do not rename over a file
    std::filesystem::rename(partial, output);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "vxzpack: %s\n", e.what());
    return 1;
  }
  return 0;
}
