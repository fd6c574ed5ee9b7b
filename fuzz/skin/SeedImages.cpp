#include "SeedImages.h"

#include "ImageFixtures.h"
#include "SkinFixtures.h"

namespace fuzz {

std::vector<std::uint8_t> ImagesPackage() {
  auto colour = [](int x, int y) { return static_cast<std::uint32_t>(x * 2 + (y * 2 << 8) + 0x400000); };
  return fixtures::MakePackage({
      {"Master.bmp", fixtures::MakeBmp24(fixtures::MakePicture(120, 110, colour))},
      {"ButtonHuge.bmp", fixtures::MakeBmp24(fixtures::MakePicture(90, 40, colour))},
      {"BIG.JPG", fixtures::MakeJpeg(300, 300, colour)},
      {"SMALL.JPG", fixtures::MakeJpeg(40, 30, colour)},
  });
}

std::string SampleOptions() {
  return "; sample\r\n"
         "[GLOBALINFO]\r\nMASTERBITMAP=MASTER.BMP\r\nVERSION=5.2\r\nCOLOR=5133660\r\nFONTCOLOR=65535\r\n"
         "SHADOW1OFFSET=0\r\nSHADOW1BLUR=-1\r\nBOXCHECKED=@0000@0078@0039@0104@3@1\r\n"
         "[GROUPBOX]\r\nBORDERSMASK=^0000^0024^0009^0042^0000^0000^0000^0000^1^1^1^0\r\nCOLOR=14215660\r\n"
         "TRANSPARENCY=100\r\nGRADIENTDATA=16777215;15332341;99;1;0;15332341;15332341;0;1;0\r\n"
         "[BUTTON]\r\nBORDERSMASK=!BUTTONHUGE.BMP!3!1!0\r\nPATTERN=BIG.JPG\r\nHOTPATTERN=SMALL.JPG\r\n"
         "FADINGENABLED=TRUE\r\nFADINGITERATIONS=20\r\nHOTCOLOR=$FF00FF\r\n"
         "[FORM]\r\nPATTERN=~0078~0126~0240~0236~00\r\nGLYPHMASK=Old# (0,0,30,30) (3,1,0,1)\r\n"
         "IMGTOPLEFT=buttonhuge.bmp\r\n"
         "[SPLITTER]\r\nPARENTCLASS=BUTTON\r\n[A]\r\nPARENTCLASS=B\r\n[B]\r\nPARENTCLASS=A\r\nCOLOR=-16777201\r\n";
}

std::string ChainedSections(int n) {
  auto name = [](int i) {
    std::string digits = std::to_string(i);
    return "CHAIN" + std::string(digits.size() < 5 ? 5 - digits.size() : 0, '0') + digits;
  };
  auto lower = [](std::string s) {
    for (char& c : s) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return s;
  };
  std::string text = "[SCROLLBTNTOP]\nPARENTCLASS=" + lower(name(0)) + "\n[TABTOP]\nPARENTCLASS=" + lower(name(0)) + "\n";
  for (int i = 0; i + 1 < n; ++i) text += "[" + name(i) + "]\nPARENTCLASS=" + lower(name(i + 1)) + "\n";
  text += "[" + name(n - 1) + "]\nCOLOR=255\nFONTCOLOR=65280\nSHOWFOCUS=TRUE\nGRADIENTDATA=255;65280;100;0;0\n"
          "BORDERSMASK=^0000^0024^0009^0042^0000^0000^0000^0000^1^1^1^0\nGLYPHMASK=@0000@0078@0039@0104@3@1\n"
          "PATTERN=~0078~0026~0110~0036~00\n";
  return text;
}

}  // namespace fuzz
