// The executables that ship, read as Windows would read them: the DLLs they
// import, their application manifest and version information, their link
// time stamp. And the same checks on a program built without any of it, so
// a check that cannot fail would show here.

#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "PeImage.h"
#include "ReleaseChecks.h"

namespace {

struct Shipped {
  const char* fileName;
  const char* path;
};

const Shipped kShipped[] = {{"CoordConverter.exe", GK_CONVERTER_EXE}, {"gkconv.exe", GK_GKCONV_EXE}};

release::Expected ExpectedFor(const std::string& fileName) {
  return {GK_PROJECT_VERSION, fileName, GK_PRODUCT_NAME_ZH, GK_PRODUCT_NAME_EN};
}

std::string Lines(const std::vector<std::string>& faults) {
  std::string text;
  for (const std::string& fault : faults) text += "\n  " + fault;
  return text;
}

class ShippedExecutable : public ::testing::TestWithParam<Shipped> {
protected:
  std::vector<std::uint8_t> bytes = pe::ReadFileBytes(GetParam().path);
  pe::PeImage image{bytes};
  release::Expected expected = ExpectedFor(GetParam().fileName);
};

TEST_P(ShippedExecutable, ImportsOnlyDllsEveryWindowsHas) {
  EXPECT_FALSE(image.ImportedDlls().empty());
  EXPECT_TRUE(release::ImportFaults(image).empty()) << Lines(release::ImportFaults(image));
}

TEST_P(ShippedExecutable, CarriesItsManifest) {
  EXPECT_TRUE(release::ManifestFaults(image, expected).empty()) << Lines(release::ManifestFaults(image, expected));
}

TEST_P(ShippedExecutable, CarriesTheProjectVersion) {
  EXPECT_TRUE(release::VersionFaults(image, expected).empty()) << Lines(release::VersionFaults(image, expected));
}

TEST_P(ShippedExecutable, HasNoLinkTime) { EXPECT_EQ(image.TimeDateStamp(), 0u); }

INSTANTIATE_TEST_SUITE_P(Release, ShippedExecutable, ::testing::ValuesIn(kShipped),
                         [](const auto& info) {
                           std::string name = info.param.fileName;
                           return name.substr(0, name.find('.'));
                         });

TEST(ReleaseChecks, FindEveryFaultOfAProgramBuiltWithoutResources) {
  const std::vector<std::uint8_t> bytes = pe::ReadFileBytes(GK_BARE_PROGRAM_EXE);
  const pe::PeImage bare(bytes);
  const auto imports = release::ImportFaults(bare);
  ASSERT_EQ(imports.size(), 1u) << Lines(imports);
  EXPECT_NE(imports[0].find("ADVAPI32"), std::string::npos) << imports[0];
  EXPECT_EQ(release::ManifestFaults(bare, ExpectedFor("bare_program.exe")),
            std::vector<std::string>{"has no application manifest"});
  EXPECT_EQ(release::VersionFaults(bare, ExpectedFor("bare_program.exe")),
            std::vector<std::string>{"has no version information"});
}

TEST(ReleaseChecks, FindAVersionOrNameOtherThanTheBuilds) {
  const std::vector<std::uint8_t> bytes = pe::ReadFileBytes(GK_CONVERTER_EXE);
  const pe::PeImage converter(bytes);
  release::Expected other = ExpectedFor("CoordConverter.exe");
  other.version = "1.0.1";
  // Both fixed numbers, the version texts of both tables, and the manifest.
  EXPECT_EQ(release::VersionFaults(converter, other).size(), 6u) << Lines(release::VersionFaults(converter, other));
  EXPECT_EQ(release::ManifestFaults(converter, other).size(), 1u) << Lines(release::ManifestFaults(converter, other));
  release::Expected renamed = ExpectedFor("gkconv.exe");
  renamed.productNameZh = "坐标";
  EXPECT_EQ(release::VersionFaults(converter, renamed).size(), 3u) << Lines(release::VersionFaults(converter, renamed));
}

// Damaged copies of a real executable: cut short anywhere, or with bytes of
// its headers and tables overwritten. Each is read to the end or refused
// with PeFormatError; nothing else may happen.
TEST(PeImage, DamagedExecutablesAreRefusedNotReadOutOfBounds) {
  std::vector<std::uint8_t> bytes = pe::ReadFileBytes(GK_GKCONV_EXE);
  auto readAll = [](std::span<const std::uint8_t> damaged) {
    try {
      const pe::PeImage image(damaged);
      image.ImportedDlls();
      if (auto version = image.Resource(pe::kResourceVersion, 1)) pe::ParseVersionInfo(*version);
      image.Resource(pe::kResourceManifest, 1);
      return true;
    } catch (const pe::PeFormatError&) {
      return false;
    }
  };
  EXPECT_TRUE(readAll(bytes));
  const std::span<const std::uint8_t> whole(bytes);
  // Cut inside the headers or the section table: refused.
  for (std::size_t length : {std::size_t{0}, std::size_t{2}, std::size_t{0x40}, std::size_t{0x90}, std::size_t{0x200}})
    EXPECT_FALSE(readAll(whole.first(length))) << length;
  // Cut later: the tables it still reads are checked against the end.
  for (std::size_t length : {bytes.size() / 2, bytes.size() - 1}) readAll(whole.first(length));
  // Every byte of the headers in turn, and bytes spread over the file, set
  // to 0xFF (in place, put back after each read).
  std::uint32_t state = 12345;
  for (std::size_t i = 0; i < 0x400 + 200; ++i) {
    state = state * 1103515245u + 12345u;
    const std::size_t at = i < 0x400 ? i : state % bytes.size();
    const std::uint8_t kept = bytes[at];
    bytes[at] = 0xFF;
    readAll(bytes);
    bytes[at] = kept;
  }
}

TEST(PeImage, VersionBlocksThatOverrunTheirParentAreRefused) {
  const std::vector<std::uint8_t> bytes = pe::ReadFileBytes(GK_GKCONV_EXE);
  const auto resource = pe::PeImage(bytes).Resource(pe::kResourceVersion, 1);
  ASSERT_TRUE(resource);
  for (std::size_t length : {std::size_t{0}, std::size_t{6}, std::size_t{40}, resource->size() - 2}) {
    std::vector<std::uint8_t> cut(resource->begin(), resource->begin() + static_cast<std::ptrdiff_t>(length));
    EXPECT_THROW(pe::ParseVersionInfo(cut), pe::PeFormatError) << length;
  }
  std::vector<std::uint8_t> longer = *resource;
  longer[0] = 0xFF;  // the root claims more bytes than there are
  longer[1] = 0xFF;
  EXPECT_THROW(pe::ParseVersionInfo(longer), pe::PeFormatError);
}

}  // namespace
