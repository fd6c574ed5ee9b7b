// Writes the seed corpus of the skin fuzz targets into the folder given on
// the command line (one sub-folder per target). Run by hand when the seeds
// need refreshing; the files are committed.
#include <filesystem>
#include <fstream>

#include "ImageFixtures.h"
#include "SeedImages.h"
#include "SkinFixtures.h"

namespace {

void Write(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                              static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const std::filesystem::path root(argv[1]);
  const std::string options = fuzz::SampleOptions();
  auto colour = [](int x, int y) { return static_cast<std::uint32_t>(x * 9 + (y * 5 << 8)); };

  // Packages: a small complete skin, one without options, a damaged one.
  const auto images = fixtures::MakePackage({
      {"Options.dat", fixtures::ToBytes(options), 9},
      {"Master.bmp", fixtures::MakeBmp24(fixtures::MakePicture(120, 110, colour)), 6},
      {"ButtonHuge.bmp", fixtures::MakeBmp24(fixtures::MakePicture(30, 20, colour)), 1},
      {"Small.jpg", fixtures::MakeJpeg(24, 16, colour), 0},
  });
  Write(root / "package" / "skin.vxz", images);
  Write(root / "package" / "no-options.vxz",
        fixtures::MakePackage({{"A.bmp", fixtures::MakeBmp24(fixtures::MakePicture(4, 4, colour))}}));
  auto cut = images;
  cut.resize(cut.size() / 2);
  Write(root / "package" / "cut.vxz", cut);

  Write(root / "options" / "sample.dat", fixtures::ToBytes(options));
  Write(root / "options" / "minimal.dat", fixtures::ToBytes("[FORM]\nCOLOR=1\n"));

  // Hostile shapes. Keys that all name one 4096 x 4096 bitmap: 48 MB each
  // when every key decodes its own copy, from a package of about 50 KB.
  std::string manyKeys = "[GLOBALINFO]\nMASTERBITMAP=HUGE.BMP\n[BUTTON]\n";
  for (int i = 0; i < 12; ++i)
    manyKeys += "KEY" + std::to_string(i) + (i % 3 == 0 ? "=!HUGE.BMP!3!1!0\n" : i % 3 == 1 ? "=!HUGE.BMP!1!0!1\n" : "=huge.bmp\n");
  Write(root / "package" / "one-bitmap-many-keys.vxz",
        fixtures::MakePackage({{"Options.dat", fixtures::ToBytes(manyKeys), 9},
                               {"HUGE.BMP", fixtures::MakeBmp24(fixtures::MakePicture(4096, 4096, [](int, int) {
                                  return 0x3366CCu;
                                })), 9}}));
  // Long PARENTCLASS chains, named in another case than the sections, with
  // the keys at the far end and well-known sections at the near end.
  Write(root / "package" / "chain-10000.vxz",
        fixtures::MakePackage({{"Options.dat", fixtures::ToBytes(fuzz::ChainedSections(10000)), 9}}));
  Write(root / "options" / "chain-2000.dat", fixtures::ToBytes(fuzz::ChainedSections(2000)));
  // Numbers at the 32-bit limits in the free-form values.
  Write(root / "options" / "huge-values.dat", fixtures::ToBytes(R"([BUTTON]
BORDERSMASK=!BUTTONHUGE.BMP!2147483647!2147483647!0!2147483647!-2147483648!2147483647!2147483647
GLYPHMASK=!BUTTONHUGE.BMP!-2147483648!-2147483648!2!0!0!0!0
[BAR]
BORDERSMASK=TAG# (-2147483648,-2147483648,2147483647,2147483647) (2147483647,2147483647,2147483647,2147483647)
PATTERN=TAG# (0,0,2147483647,1) (-2147483648,-1,-2147483648)
)"));

  fixtures::BmpOptions o;
  for (int bits : {1, 4, 8, 16, 24, 32}) {
    o.bitCount = bits;
    o.palette = bits <= 8 ? std::vector<std::uint32_t>{0, 0xFFFFFF, 0xFF0000, 0x00FF00} : std::vector<std::uint32_t>{};
    o.topDown = bits == 8;
    Write(root / "bmp" / ("bits" + std::to_string(bits) + ".bmp"),
          fixtures::MakeBmp(7, 5, o, [](int x, int y) { return static_cast<std::uint32_t>((x + y) % 2); }));
  }
  fixtures::BmpOptions fields;
  fields.bitCount = 32;
  fields.compression = 3;
  fields.masks = {0xFF00, 0xFF0000, 0xFF000000};
  Write(root / "bmp" / "bitfields.bmp", fixtures::MakeBmp(3, 3, fields, [](int, int) { return 0x12345678u; }));

  Write(root / "jpeg" / "baseline.jpg", fixtures::MakeJpeg(33, 17, colour));
  Write(root / "jpeg" / "progressive.jpg", fixtures::MakeJpeg(40, 24, colour, {80, true, false}));
  Write(root / "jpeg" / "grey.jpg", fixtures::MakeJpeg(16, 16, colour, {50, false, true}));
  return 0;
}
