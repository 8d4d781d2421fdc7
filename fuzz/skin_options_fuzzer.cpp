// The options text with every value form, gradients, inheritance and scaled keys: parsed and
// registered at a scale chosen by the first byte.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "skin/data/skin_error.h"
#include "skin/data/skin_registry.h"
#include "tests/skin/fake_platform.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace velmora::skin;
  if (size == 0) return 0;
  test::FakePlatform platform;
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  SkinLoadSettings settings;
  settings.Scale = {data[0] & 3, (data[0] & 4) != 0};
  settings.ExtendedBorders = (data[0] & 8) != 0;
  try {
    const OptionsText options = OptionsText::Parse(text);
    const TacSkinConvertor empty;
    SkinRegistry::Load(options, {&empty, "", &platform}, settings, platform);
  } catch (const SkinError&) {
  }
  return 0;
}
