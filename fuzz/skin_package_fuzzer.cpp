// A skin package is outside data: read it, parse its options and register the skin, as a load
// from a stored skin or a packed file would.
#include <cstddef>
#include <cstdint>

#include "skin/data/skin_error.h"
#include "skin/data/skin_registry.h"
#include "tests/skin/fake_platform.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace velmora::skin;
  test::FakePlatform platform;
  FindPreview({data, size});
  try {
    const TacSkinConvertor package = ReadSkinPackage({data, size});
    const OptionsText options = OptionsText::Parse(package.Options.value_or(""));
    SkinRegistry::Load(options, {&package, "", &platform}, {}, platform);
  } catch (const SkinError&) {
  }
  return 0;
}
