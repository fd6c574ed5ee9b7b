// skingen: draws one internal skin and writes its folder.
//
//   skingen <skin folder name> <options template> <output folder>
//
// The output folder receives Options.dat (the template with every image key
// filled in from the layout table), Master.bmp, the own-file bitmaps and the
// JPEG pictures; any other file in it is removed, so that the packer never
// picks up a stale picture. The contact sheet is drawn later from the
// packed skin, by the skin engine (skins/sheet).
#include <cstdio>
#include <exception>
#include <filesystem>
#include <map>
#include <set>
#include <stdexcept>

#include "TextCase.h"
#include "ImageFiles.h"
#include "MasterLayout.h"
#include "OptionsTemplate.h"
#include "OptionsLookup.h"
#include "SkinDesign.h"

namespace {

using namespace skingen;

// Every file name the options mention (".BMP", ".JPG") must be a member.
void CheckReferencedFiles(const std::string& options, const std::set<std::string>& files) {
  std::size_t at = 0;
  while ((at = options.find('=', at)) != std::string::npos) {
    const std::size_t end = options.find('\n', at);
    std::string value = UpperAscii(options.substr(at + 1, end - at - 1));
    at = end;
    if (value.empty()) continue;
    if (value[0] == '!') value = value.substr(1, value.find('!', 1) - 1);
    const bool names = value.find(".BMP") != std::string::npos || value.find(".JPG") != std::string::npos;
    if (names && !files.count(value)) throw std::runtime_error("the options name " + value + ", which is not drawn");
  }
}

void Generate(const std::string& folder, const std::string& templatePath, const std::string& outDir) {
  namespace fs = std::filesystem;
  const SkinDesign design = DesignByFolder(folder);
  const MasterLayout layout(design.masks, design.masterWidth);
  std::map<std::string, std::string> values = layout.Values();
  for (const OwnFileImage& own : design.ownImages) values[own.name] = OwnImageValue(own);
  const std::string options = FillOptionsTemplate(ReadFileText(templatePath), values);

  // Members other than Options.dat, by file name as stored.
  std::map<std::string, Bytes> members;
  std::set<std::string> drawn;  // upper-cased names, for the check
  members["Master.bmp"] = EncodeBmp24(layout.Render());
  drawn.insert("MASTER.BMP");
  for (const OwnFileImage& own : design.ownImages) {
    members[own.fileName] = EncodeBmp24(RenderOwnImage(own));
    drawn.insert(UpperAscii(own.fileName));
  }
  for (const Picture& picture : design.pictures) {
    members[picture.fileName] = EncodeJpeg(picture.paint(), picture.quality);
    drawn.insert(UpperAscii(picture.fileName));
  }
  CheckReferencedFiles(options, drawn);

  fs::create_directories(outDir);
  for (const fs::directory_entry& entry : fs::directory_iterator(outDir))
    if (entry.is_regular_file()) fs::remove(entry.path());
  WriteFileBytes((fs::path(outDir) / "Options.dat").string(), Bytes(options.begin(), options.end()));
  for (const auto& [name, bytes] : members) WriteFileBytes((fs::path(outDir) / name).string(), bytes);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: skingen <skin folder name> <options template> <output folder>\n");
    return 2;
  }
  try {
    Generate(argv[1], argv[2], argv[3]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "skingen: %s\n", e.what());
    return 1;
  }
  return 0;
}
