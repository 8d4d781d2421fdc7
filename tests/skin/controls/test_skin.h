#pragma once
// The sections the skin data tests bind to, with a master image whose mask pixels they read.
#include <optional>
#include <string>

#include "skin/controls/engine_commands.h"
#include "tests/skin/paint/loaded_skin.h"
#include "tests/skin/paint/pixels.h"

namespace velmora::skin::test {

// Master image 16 x 8, opaque black; the mask part of the SEE borders mask (rectangle 0,0-8,4,
// two frames of 4 x 2 over their mask row) has bit 7 set in the middle of frame 1 only.
inline Image32 ControlsMaster() {
  Image32 image = Filled(16, 8, Bgra(0, 0, 0, 255));
  image.At(6, 3) = Bgra(0x80, 0, 0, 255);
  return image;
}

inline std::string ControlsSections() {
  const std::string plainBorders =
      "BORDERSMASK=^0000^0000^0003^0003^0001^0001^0001^0001^1^0^0^0\r\n";
  return "[PANEL]\r\nSTATES=3\r\nCOLOR=3368601\r\nFONTCOLOR=255\r\n" + plainBorders +
         "[TWO]\r\nSTATES=2\r\nCOLOR=1\r\n"
         "[ONE]\r\nSTATES=1\r\nCOLOR=2\r\n"
         "[CHECKBOX]\r\nSTATES=3\r\nTRANSPARENCY=100\r\nHOTTRANSPARENCY=100\r\nFONTCOLOR=255\r\n"
         "[HOTCLEAR]\r\nSTATES=2\r\nCOLOR=4\r\nFONTCOLOR=6\r\nHOTTRANSPARENCY=100\r\n"
         "[HALF]\r\nCOLOR=200\r\nTRANSPARENCY=50\r\nHOTTRANSPARENCY=50\r\n"
         "[VGRAD]\r\nGRADIENTPERCENT=50\r\nGRADIENTDATA=0;0;100;0;0;255;0;0;0;0\r\n"
         "[HGRAD]\r\nGRADIENTPERCENT=50\r\nGRADIENTDATA=0;0;100;1;0;255;0;0;1;0\r\n"
         "[SEE]\r\nSTATES=3\r\nUSESTATE2=1\r\nTRANSPARENCY=80\r\nHOTTRANSPARENCY=80\r\n"
         "TRANSPARENCY2=80\r\nBORDERSMASK=^0000^0000^0008^0004^0001^0001^0001^0001^2^1^4^0\r\n";
}

struct TestSkin {
  LoadedSkin loaded{ControlsSections(), ControlsMaster()};
  int32_t Index(const char* name) const { return loaded.Index(name); }
  const TsGeneralData& Section(const char* name) const {
    return loaded.registry->Sections()[size_t(Index(name))];
  }
};

inline std::optional<intptr_t> Handle(TsCommonData& data, EngineCommand command,
                                      intptr_t argument = 0, uint16_t flag = 0) {
  return HandleEngineCommand(data, EngineMessage{command, argument, flag});
}

}  // namespace velmora::skin::test
