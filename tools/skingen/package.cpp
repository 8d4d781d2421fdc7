#include "skingen/package.h"

#include "skingen/mock_window.h"
#include "skingen/options_writer.h"
#include "skingen/texture.h"

namespace skingen {
namespace {

void Append(Bytes& out, const Bytes& more) { out.insert(out.end(), more.begin(), more.end()); }

}  // namespace

Bytes PackSkinPackage(const std::vector<PackageMember>& members, const Bytes& previewPng) {
  Bytes out{'A', 'S', 'z', 'f'};
  PutU32(out, uint32_t(members.size()));
  for (const PackageMember& member : members) {
    PutU32(out, uint32_t(member.Name.size()));
    out.insert(out.end(), member.Name.begin(), member.Name.end());
    PutU32(out, uint32_t(member.Content.size()));
    Append(out, ZlibCompress(member.Content, 9));
  }
  const std::string marker = "previewimg";
  out.insert(out.end(), marker.begin(), marker.end());
  PutU32(out, uint32_t(previewPng.size()));
  Append(out, previewPng);
  return out;
}

StoredSkin BuildStoredSkin() {
  StoredSkin skin;
  skin.Sections = SkinSections();
  skin.Master = ComposeMasterImage();
  const Bytes jpeg = EncodeJpeg(RenderGroundTexture(kTextureWidth, kTextureHeight), 92);
  // The texture as the program will decode it, so that the sheet and preview show the truth.
  skin.Texture = DecodeJpeg(jpeg);
  skin.Options = WriteOptionsText(skin.Sections, skin.Master);
  // The skin list shows a 140 x 100 thumbnail: the window drawn at twice that and halved.
  skin.Preview = HalfSize(RenderMockWindow(skin, 280, 200, true, 0, Hex(0x202622)));
  skin.Package = PackSkinPackage({{"OPTIONS.DAT", Bytes(skin.Options.begin(), skin.Options.end())},
                                  {"MASTER.BMP", EncodeBmp24(skin.Master.Pixels)},
                                  {kTextureName, jpeg}},
                                 EncodePng(skin.Preview, false));
  return skin;
}

}  // namespace skingen
