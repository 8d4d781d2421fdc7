#include "skin/paint/colour.h"

namespace velmora::skin {
namespace {

// Without a platform (tools, tests that set none) the classic light-grey scheme answers.
uint32_t ClassicSystemColour(int number) {
  switch (number) {
    case 16: return 0x808080;  // button shadow
    case 20: return 0xFFFFFF;  // button highlight
    default: return 0xC0C0C0;
  }
}

SystemColourSource g_source = ClassicSystemColour;

}  // namespace

void SetSystemColourSource(SystemColourSource source) {
  g_source = source ? source : ClassicSystemColour;
}

uint32_t ResolveColour(uint32_t value) {
  return IsSystemColour(value) ? g_source(int(value & 0xFF)) & 0x00FFFFFFu : value;
}

}  // namespace velmora::skin
