#pragma once
// What a shipped executable must be to start on any Windows from 7 to 11:
// each check returns the faults it finds, one sentence each; none means fit.

#include <string>
#include <vector>

#include "PeImage.h"

namespace release {

// The DLLs that every Windows from 7 on has, compared without regard to
// case. A new system DLL that the product comes to need (OLEACC or OLE32 for
// accessibility, COMDLG32 for file dialogs) is added here and nowhere else.
extern const std::vector<std::string> kSystemDlls;

// What the executable's resources must say, from the build.
struct Expected {
  std::string version;        // the project's version, "1.0.0"
  std::string fileName;       // "CoordConverter.exe"
  std::string productNameZh;  // ProductName of the Chinese string table
  std::string productNameEn;  // and of the English one
};

std::vector<std::string> ImportFaults(const pe::PeImage& image);
std::vector<std::string> ManifestFaults(const pe::PeImage& image, const Expected& expected);
std::vector<std::string> VersionFaults(const pe::PeImage& image, const Expected& expected);

}  // namespace release
