#pragma once
// A skin loaded the way the program loads one, from an options text and a master image.
#include <memory>
#include <string>

#include "skin/data/options_text.h"
#include "skin/data/skin_package.h"
#include "skin/data/skin_registry.h"
#include "tests/skin/fake_platform.h"
#include "tests/skin/package_builder.h"

namespace velmora::skin::test {

struct LoadedSkin {
  FakePlatform platform;
  TacSkinConvertor package;
  OptionsText options;
  std::unique_ptr<SkinRegistry> registry;

  LoadedSkin(const std::string& sections, const Image32& master) {
    const std::string text = "[GLOBALINFO]\r\nMASTERBITMAP=MASTER.BMP\r\n" + sections;
    package = ReadSkinPackage(
        PackageBuilder().Member("OPTIONS.DAT", text).Member("MASTER.BMP", EncodeBmp(master, 24)).Build());
    options = OptionsText::Parse(package.Options.value_or(""));
    registry = SkinRegistry::Load(options, {&package, "", &platform}, {}, platform);
  }
  int32_t Index(const char* name) const { return registry->GetSkinIndex(name); }
};

}  // namespace velmora::skin::test
