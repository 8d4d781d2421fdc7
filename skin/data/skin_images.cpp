#include "skin/data/skin_images.h"

#include "skin/data/decoded_image.h"
#include "skin/data/limits.h"
#include "skin/data/number_text.h"
#include "skin/data/skin_error.h"
#include "skin/data/skin_platform.h"

namespace velmora::skin {
namespace {

bool EndsWith(const std::string& upperName, std::string_view extension) {
  return upperName.size() >= extension.size() && upperName.ends_with(extension);
}

}  // namespace

Image32 DecodeSkinImage(const std::string& name, std::span<const uint8_t> bytes,
                        bool premultiplyPng) {
  const std::string upper = UpperCase(name);
  DecodedImage decoded;
  const bool png = EndsWith(upper, ".PNG");
  if (EndsWith(upper, ".BMP"))
    decoded = ReadBmp(bytes);
  else if (EndsWith(upper, ".JPG") || EndsWith(upper, ".JPEG"))
    decoded = ReadJpeg(bytes);
  else if (png)
    decoded = ReadPng(bytes);
  else
    throw SkinError("Image \"" + name + "\" is of an unknown kind");
  if (!decoded.HasAlpha) SetOpaqueExceptKey(decoded.Pixels);
  if (png && premultiplyPng) PremultiplyAlpha(decoded.Pixels);
  return std::move(decoded.Pixels);
}

std::optional<std::vector<uint8_t>> SkinImages::ReadBytes(const std::string& name) {
  if (source_.Package) {
    const TacImageItem* member = FindImageMember(*source_.Package, name);
    if (!member) return std::nullopt;
    return member->Data;
  }
  if (!source_.Platform) return std::nullopt;
  const std::string path = name.find(':') != std::string::npos ? name : source_.SkinPath + name;
  if (!source_.Platform->FileExists(path)) return std::nullopt;
  return source_.Platform->ReadFile(path, kMaxMemberBytes);
}

void SkinImages::Charge(const Image32& image) {
  pixelsLoaded_ += int64_t(image.Width) * image.Height;
  if (pixelsLoaded_ > kMaxSkinImagePixels) throw SkinError("The skin's images are too large");
}

Image32 SkinImages::LoadMaster(const std::string& name) {
  const auto bytes = name.empty() ? std::nullopt : ReadBytes(name);
  if (!bytes) return {};
  Image32 master = DecodeSkinImage(name, *bytes, premultiplyPng_);
  Charge(master);
  return master;
}

const Image32* SkinImages::External(const std::string& upperName) {
  for (const TacExtFileData& loaded : external_)
    if (loaded.Name == upperName) return loaded.Bitmap.get();
  if (failed_.contains(upperName)) return nullptr;
  const auto bytes = ReadBytes(upperName);
  try {
    if (bytes) return Adopt(upperName, DecodeSkinImage(upperName, *bytes, premultiplyPng_));
  } catch (const SkinError&) {
    // An image that cannot be decoded gives no mask, like a missing one.
  }
  failed_.insert(upperName);
  return nullptr;
}

const Image32* SkinImages::Adopt(std::string name, Image32 image) {
  Charge(image);
  external_.push_back({std::make_unique<Image32>(std::move(image)), std::move(name)});
  return external_.back().Bitmap.get();
}

}  // namespace velmora::skin
