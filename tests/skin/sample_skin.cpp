#include "tests/skin/sample_skin.h"

#include <string>

#include "skin/data/constant_indexes.h"

namespace velmora::skin::test {
namespace {

std::string Borders(int left, int top) {
  char text[64];
  std::snprintf(text, sizeof text, "^%04d^%04d^%04d^%04d^0004^0004^0004^0004^3^0^1^0", left, top,
                left + 60, top + 20);
  return text;
}

std::string Section(const std::string& name, int n) {
  std::string s = "[" + name + "]\r\n";
  if (n % 3 == 1) s += "PARENTCLASS=BUTTON\r\n";
  s += "COLOR=" + std::to_string(0x203040 + n) + "\r\nHOTCOLOR=" + std::to_string(0x405060 + n) +
       "\r\nFONTCOLOR=0\r\nHOTFONTCOLOR=16777215\r\nTRANSPARENCY=0\r\nGRADIENTPERCENT=40\r\n"
       "GRADIENTDATA=8454016;8454016;97;0;0;8454016;8454016;0;0;0\r\n"
       "HOTGRADIENTDATA=255;0;50;0;0;65280;0;50;0;0\r\nIMAGEPERCENT=20\r\nSTATES=3\r\n";
  s += "BORDERSMASK=" + Borders(n * 7 % 400, n * 5 % 200) + "\r\n";
  if (n % 4 == 0)
    s += "PATTERN=~0327~0000~0565~0232~00~0\r\nHOTPATTERN=~0322~0019~0325~0025~10~1\r\n";
  if (n % 9 == 0) s += "PATTERN2=GREEN_WOOD.JPG\r\n";
  if (n % 5 == 0) s += "GLYPHMASK=@0000@0034@0072@0084@3@1\r\n";
  return s;
}

Image32 Master() {
  // A 24-bit bitmap of 393,354 bytes, about the size of the program's master image.
  return Picture(380, 345, [](int32_t x, int32_t y) {
    if ((x < 3 || y < 3) && (x + y) % 7 == 0) return 0xFF00FFu;
    return uint32_t((x * 3) & 0xFF) << 16 | uint32_t((y * 5) & 0xFF) << 8 |
           uint32_t((x ^ y) & 0xFF);
  });
}

}  // namespace

std::string SampleOptionsText() {
  std::string text =
      "[GLOBALINFO]\r\nMASTERBITMAP=MASTER.BMP\r\nVERSION=10.25\r\nAUTHOR=Velmora\r\n"
      "DESCRIPTION=\r\nBORDERWIDTH=4\r\nTITLEHEIGHT=30\r\nCOLOR=2972986\r\nFONTCOLOR=0\r\n"
      "EXBORDER=!EXTBORD.PNG!2!0!3!0026!0049!0026!0026!1\r\n"
      "EXBORDER*200=!EXTBORD_200.PNG!2!0!3!0052!0098!0052!0052!1\r\n"
      "BICONCLOSE=@0100@0000@0160@0020@3@0\r\nBICONMAX=@0160@0000@0220@0020@3@0\r\n"
      "BICONMIN=@0220@0000@0280@0020@3@0\r\nBOXCHECKED=@0000@0100@0048@0116@3@0\r\n"
      "BOXUNCHECKED=@0000@0120@0048@0136@3@0\r\nRADIOCHECKED=@0050@0100@0098@0116@3@0\r\n"
      "RADIOUNCHECKED=@0050@0120@0098@0136@3@0\r\nPREVIEW=1\r\nFADINGENABLED=1\r\n"
      "BTNCOLOR1ACTIVE=-16777216\r\n";
  int n = 0;
  for (const char* name : kCommonSectionNames) {
    if (std::string(name) != "SLIDER_ON") text += Section(name, n++);
  }
  for (const char* name : {"FORM", "DIALOG", "BAR", "ALPHAEDIT", "ALPHACOMBOBOX", "EXTRALINE",
                           "RIBBONTAB", "RIBBONPAGE", "SCROLLBAR1H", "SCROLLBAR1V", "SCROLLBTNLEFT",
                           "SCROLLBTNRIGHT", "SCROLLSLIDERH", "SCROLLSLIDERV", "TABLEFT"}) {
    text += Section(name, n++);
  }
  text += "[BUTTON_HUGE2]\r\nBORDERSMASK=!BUTTONHUGE.BMP!3!1!0!0031!0031!0032!0032!5\r\n";
  return text;
}

Bytes SamplePackage() {
  const Image32 border = Picture(104, 150, [](int32_t x, int32_t y) {
    return uint32_t(0x40 + (x + y) % 0x80) << 24 | 0x203040u;
  });
  const Image32 wood = Picture(160, 120, [](int32_t x, int32_t y) {
    return 0xFF000000u | uint32_t(40 + (x * y) % 50) << 16 | uint32_t(80 + x % 40) << 8 | 30u;
  });
  const Image32 huge =
      Picture(96, 96, [](int32_t x, int32_t y) { return uint32_t(x * 2) << 8 | uint32_t(y); });
  return PackageBuilder()
      .Member("OPTIONS.DAT", SampleOptionsText())
      .Member("BUTTONHUGE.BMP", EncodeBmp(huge, 24))
      .Member("MASTER.BMP", EncodeBmp(Master(), 24))
      .Member("EXTBORD.PNG", EncodePng(border, true))
      .Member("EXTBORD_200.PNG", EncodePng(border, true))
      .Member("GREEN_WOOD.JPG", EncodeJpeg(wood, 90))
      .Preview(EncodePng(wood, false))
      .Build();
}

std::string ParentChain(int links, const std::string& endKeys) {
  std::string text;
  for (int i = 0; i < links; ++i)
    text += "[L" + std::to_string(i) + "]\nPARENTCLASS=L" + std::to_string(i + 1) + "\n";
  return text + "[L" + std::to_string(links) + "]\n" + endKeys;
}

}  // namespace velmora::skin::test
