#pragma once
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "skin/data/image32.h"
#include "skin/data/skin_package.h"

namespace velmora::skin {

class SkinPlatform;

// Where a skin's images come from: the members of a read package, or the files of a folder skin.
struct ImageSource {
  const TacSkinConvertor* Package = nullptr;
  std::string SkinPath;  // folder skins: the folder, with a trailing "\"
  SkinPlatform* Platform = nullptr;
};

// An external image of the registry, shared by every mask that names it.
struct TacExtFileData {
  std::unique_ptr<Image32> Bitmap;
  std::string Name;  // upper case
};

// Decodes image bytes by the name's extension (".BMP", ".JPG", ".JPEG", ".PNG") into 32 bits:
// images without alpha get the key-colour rule, PNG images are premultiplied when asked.
// Throws SkinError for an unknown extension or undecodable data.
Image32 DecodeSkinImage(const std::string& name, std::span<const uint8_t> bytes,
                        bool premultiplyPng);

// Loads the images a skin names, once each, within the skin's pixel budget.
class SkinImages {
 public:
  SkinImages(ImageSource source, bool premultiplyPng)
      : source_(source), premultiplyPng_(premultiplyPng) {}

  // The master image under its name as written; empty when missing, throws when undecodable.
  Image32 LoadMaster(const std::string& name);
  // An external image by its upper-case name; nullptr when missing or undecodable.
  const Image32* External(const std::string& upperName);
  std::vector<TacExtFileData> TakeExternal() { return std::move(external_); }
  // Keeps a generated image with the external ones.
  const Image32* Adopt(std::string name, Image32 image);

 private:
  std::optional<std::vector<uint8_t>> ReadBytes(const std::string& name);
  void Charge(const Image32& image);

  ImageSource source_;
  bool premultiplyPng_;
  std::vector<TacExtFileData> external_;
  std::set<std::string> failed_;
  int64_t pixelsLoaded_ = 0;
};

}  // namespace velmora::skin
