// skingen: draws one internal skin and writes its folder.
//
//   skingen <skin folder name> <options template> <output folder> <contact sheet.png>
//
// The output folder receives Options.dat (the template with every image key
// filled in from the layout table), Master.bmp, the own-file bitmaps and the
// JPEG pictures; any other file in it is removed, so that the packer never
// picks up a stale picture. The contact sheet is a PNG for designers.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <map>
#include <stdexcept>

#include "ContactSheet.h"
#include "TextCase.h"
#include "ImageFiles.h"
#include "MasterLayout.h"
#include "OptionsTemplate.h"
#include "OptionsLookup.h"
#include "SkinDesign.h"

namespace {

using namespace skingen;

// Every file name the options mention (".BMP", ".JPG") must be a member.
void CheckReferencedFiles(const std::string& options, const std::map<std::string, tk::Bitmap>& files) {
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

void Generate(const std::string& folder, const std::string& templatePath, const std::string& outDir,
              const std::string& sheetPath) {
  namespace fs = std::filesystem;
  const SkinDesign design = DesignByFolder(folder);
  const MasterLayout layout(design.masks, design.masterWidth);
  std::map<std::string, std::string> values = layout.Values();
  for (const OwnFileImage& own : design.ownImages) values[own.name] = OwnImageValue(own);
  const std::string options = FillOptionsTemplate(ReadFileText(templatePath), values);

  // Members other than Options.dat, by file name as stored.
  std::map<std::string, Bytes> members;
  std::map<std::string, tk::Bitmap> decoded;  // upper-cased names, for the checks and the sheet
  const tk::Bitmap master = layout.Render();
  members["Master.bmp"] = EncodeBmp24(master);
  decoded["MASTER.BMP"] = master;
  for (const OwnFileImage& own : design.ownImages) {
    const tk::Bitmap bmp = RenderOwnImage(own);
    members[own.fileName] = EncodeBmp24(bmp);
    decoded[UpperAscii(own.fileName)] = bmp;
  }
  for (const Picture& picture : design.pictures) {
    const tk::Bitmap bmp = picture.paint();
    members[picture.fileName] = EncodeJpeg(bmp, picture.quality);
    decoded[UpperAscii(picture.fileName)] = bmp;
  }
  CheckReferencedFiles(options, decoded);

  fs::create_directories(outDir);
  for (const fs::directory_entry& entry : fs::directory_iterator(outDir))
    if (entry.is_regular_file()) fs::remove(entry.path());
  WriteFileBytes((fs::path(outDir) / "Options.dat").string(), Bytes(options.begin(), options.end()));
  for (const auto& [name, bytes] : members) WriteFileBytes((fs::path(outDir) / name).string(), bytes);

  SheetInput sheet;
  sheet.title = design.displayName;
  sheet.options = options;
  sheet.master = &decoded.at("MASTER.BMP");
  sheet.values = values;
  for (const auto& [name, bmp] : decoded)
    if (name != "MASTER.BMP") sheet.files[name] = bmp;
  WriteFileBytes(sheetPath, EncodePng(RenderContactSheet(sheet)));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: skingen <skin folder name> <options template> <output folder> <contact sheet.png>\n");
    return 2;
  }
  try {
    Generate(argv[1], argv[2], argv[3], argv[4]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "skingen: %s\n", e.what());
    return 1;
  }
  return 0;
}
