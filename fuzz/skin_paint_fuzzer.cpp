// Paints random sections of a random valid skin (sections with colours, transparency, textures,
// gradients, borders masks, corner images and outer masks cut from a random master image) in
// random states over random rectangles, offsets and parent records.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <string>

#include "skin/data/skin_error.h"
#include "skin/paint/control_frame.h"
#include "skin/paint/draw_with_alpha.h"
#include "skin/paint/glyph.h"
#include "skin/paint/outer_effect.h"
#include "skin/paint/section_paint.h"
#include "tests/skin/fake_platform.h"
#include "tests/skin/package_builder.h"

namespace {

using namespace velmora::skin;

// Four-digit fields may be negative ("-012"), as a skin may write them.
std::string Field(FuzzedDataProvider& in, int digits, int max) {
  char text[8];
  std::snprintf(text, sizeof text, "%0*d", digits, in.ConsumeIntegralInRange(digits == 4 ? -99 : 0, max));
  return text;
}

// A rectangle mask value of a form ('@', '^' or '~') over the master image.
std::string MaskValue(FuzzedDataProvider& in, char form, int side) {
  std::string v;
  for (int i = 0; i < 4; ++i) v += form + Field(in, 4, side + 4);
  if (form == '^')
    for (int i = 0; i < 4; ++i) v += "^" + Field(in, 4, 12);
  if (form == '~') return v + "~" + Field(in, 2, 15) + "~" + Field(in, 1, 1);
  v += form + Field(in, 1, 4) + form + Field(in, 1, 1);
  if (form == '^') v += "^" + Field(in, 1, 7) + "^" + Field(in, 1, 3);
  return v;
}

std::string Gradient(FuzzedDataProvider& in) {
  std::string g;
  const int stops = in.ConsumeIntegralInRange(1, 6);
  const int mode = in.ConsumeIntegralInRange(0, 3) | (in.ConsumeBool() ? 0x10 : 0);
  for (int i = 0; i < stops; ++i)
    g += std::to_string(in.ConsumeIntegral<uint32_t>() & 0xFFFFFF) + ";" +
         std::to_string(in.ConsumeIntegralInRange(0, 100)) + ";" + std::to_string(mode) + ";";
  return g + char('A' + stops - 1);
}

std::string Section(FuzzedDataProvider& in, int n, int side) {
  std::string s = "[S" + std::to_string(n) + "]\r\nSTATES=" + std::to_string(in.ConsumeIntegralInRange(1, 4)) +
                  "\r\nUSESTATE2=1\r\n";
  for (const char* state : {"", "HOT"}) {
    s += std::string(state) + "COLOR=" + std::to_string(in.ConsumeIntegral<uint32_t>() & 0xFFFFFF) + "\r\n";
    s += std::string(state) + "TRANSPARENCY=" + std::to_string(in.ConsumeIntegralInRange(0, 100)) + "\r\n";
    s += std::string(state) + "IMAGEPERCENT=" + std::to_string(in.ConsumeIntegralInRange(0, 100)) + "\r\n";
    s += std::string(state) + "GRADIENTPERCENT=" + std::to_string(in.ConsumeIntegralInRange(0, 100)) + "\r\n";
    s += std::string(state) + "GRADIENTDATA=" + Gradient(in) + "\r\n";
  }
  s += "PATTERN=" + MaskValue(in, '~', side) + "\r\nHOTPATTERN=" + MaskValue(in, '~', side) + "\r\n";
  s += "BORDERSMASK=" + MaskValue(in, '^', side) + "\r\nOUTERMASK=" + MaskValue(in, '^', side) + "\r\n";
  s += "IMGTOPLEFT=" + MaskValue(in, '@', side) + "\r\nIMGBTMRIGHT=" + MaskValue(in, '@', side) + "\r\n";
  s += "OUTERMODE=" + std::to_string(in.ConsumeIntegralInRange(0, 3)) + "\r\n";
  return s;
}

uint32_t AnyPixel(FuzzedDataProvider& in) {
  return in.ConsumeBool() ? kKeyColour : in.ConsumeIntegral<uint32_t>();
}

Rect AnyRect(FuzzedDataProvider& in, int32_t span) {
  const int32_t l = in.ConsumeIntegralInRange(-span, span), t = in.ConsumeIntegralInRange(-span, span);
  return {l, t, l + in.ConsumeIntegralInRange(-4, span), t + in.ConsumeIntegralInRange(-4, span)};
}

struct Parent : BackgroundParent {
  FuzzedDataProvider& in;
  PixelView bitmap;
  explicit Parent(FuzzedDataProvider& source, PixelView image) : in(source), bitmap(image) {}
  void GetBackground(TacBgQuery& q) override {
    q.Kind = in.ConsumeIntegralInRange<uint8_t>(0, 3);
    if (in.ConsumeBool()) q.Bitmap = bitmap;
    q.OffsetX = in.ConsumeIntegralInRange(-40, 40), q.OffsetY = in.ConsumeIntegralInRange(-40, 40);
    q.Color = AnyPixel(in);
  }
  void DrawBackground(const TacBgQuery&) override {}
  uint32_t GetColor() override { return in.ConsumeIntegral<uint32_t>(); }
  uint32_t OwnColor() override { return in.ConsumeIntegral<uint32_t>(); }
};

void PaintOnce(FuzzedDataProvider& in, const SkinRegistry& skin, Image32& parentImage) {
  Image32 dest = MakeImage(in.ConsumeIntegralInRange(0, 70), in.ConsumeIntegralInRange(0, 70),
                           in.ConsumeIntegral<uint32_t>());
  TacParentBg parent;
  if (in.ConsumeBool()) parent.Bitmap = in.ConsumeBool() ? PixelRows(parentImage) : PixelRows(std::as_const(dest));
  parent.OffsetX = in.ConsumeIntegralInRange(-60, 60), parent.OffsetY = in.ConsumeIntegralInRange(-60, 60);
  parent.FillColor = in.ConsumeBool() ? kUnknownFill : in.ConsumeIntegral<uint32_t>();
  parent.ReadyLeft = in.ConsumeIntegralInRange(-5, 30), parent.ReadyTop = in.ConsumeIntegralInRange(-5, 30);
  parent.ReadyRight = in.ConsumeIntegralInRange(-5, 30), parent.ReadyBottom = in.ConsumeIntegralInRange(-5, 30);
  parent.Ready = in.ConsumeBool();
  const int32_t sections = int32_t(skin.Sections().size());
  const int32_t index = in.ConsumeIntegralInRange(-1, sections);
  PaintTarget t{PixelRows(dest), AnyRect(in, 90), in.ConsumeIntegralInRange(-2, 6), parent,
                in.ConsumeIntegralInRange(-60, 60), in.ConsumeIntegralInRange(-60, 60)};
  const int32_t masks = int32_t(skin.Masks().size());
  Parent asked(in, PixelRows(parentImage));
  switch (in.ConsumeIntegralInRange(0, 7)) {
    case 0: PaintSection(t, &skin, index, in.ConsumeIntegralInRange(-1, masks), in.ConsumeIntegralInRange(-1, masks)); break;
    case 1: PaintSectionFast(t, &skin, index, in.ConsumeIntegralInRange(-1, masks)); break;
    case 2: PaintControlSection(t, &skin, {index, in.ConsumeBool(), in.ConsumeIntegral<uint32_t>()}, in.ConsumeBool(),
                                [](const PixelView&) {}); break;
    case 3: PaintControlOverParent(t, &skin, {index}, asked); break;
    case 4: {
      Image32 kept;
      TacBgQuery q;
      q.Bitmap = PixelRows(parentImage);
      q.OffsetX = in.ConsumeIntegralInRange(-40, 40), q.OffsetY = in.ConsumeIntegralInRange(-40, 40);
      PaintOuterEffect(q, {&skin, index, true, AnyRect(in, 60)}, kept);
      break;
    }
    case 5: {
      const int32_t m = in.ConsumeIntegralInRange(0, masks - 1);
      if (masks == 0) break;
      FixBorderCorners(PixelRows(dest), t.State, in.ConsumeIntegralInRange(0, 15), skin.Masks()[size_t(m)], asked,
                       in.ConsumeIntegralInRange(-40, 40), in.ConsumeIntegralInRange(-40, 40));
      PaintControlFrame(PixelRows(dest), t.Area, in.ConsumeIntegralInRange(-2, 9), t.State, &skin, m, &asked,
                        in.ConsumeIntegralInRange(-40, 40), in.ConsumeIntegralInRange(-40, 40), AnyPixel(in));
      break;
    }
    case 6: {
      if (masks == 0) break;
      const TsMaskData& m = skin.Masks()[size_t(in.ConsumeIntegralInRange(0, masks - 1))];
      DrawGlyph(PixelRows(dest), t.Area.Left, t.Area.Top, t.State, parent, m, in.ConsumeIntegralInRange(1, 2));
      break;
    }
    default: {
      AlphaDrawing how{in.ConsumeBool(), in.ConsumeIntegralInRange(-10, 110),
                       in.ConsumeBool() ? kNoColour : in.ConsumeIntegral<uint32_t>(), in.ConsumeBool()};
      DrawWithAlpha(PixelRows(dest), t.Area, PixelRows(skin.MasterImage()), AnyRect(in, 60), how, parent);
      break;
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  test::FakePlatform platform;
  const int32_t side = in.ConsumeIntegralInRange(4, 48);
  Image32 master = MakeImage(side, in.ConsumeIntegralInRange(4, 48));
  for (uint32_t& p : master.Pixels) p = AnyPixel(in) & 0x00FFFFFFu;
  std::string text = "[GLOBALINFO]\r\nMASTERBITMAP=MASTER.BMP\r\n";
  const int sections = in.ConsumeIntegralInRange(1, 4);
  for (int n = 0; n < sections; ++n) text += Section(in, n, side);
  TacSkinConvertor package;
  package.Options = text;
  package.Images.push_back({"MASTER.BMP", true, test::EncodeBmp(master, 24)});
  package.ImageCount = 1;
  std::unique_ptr<SkinRegistry> skin;
  try {
    const OptionsText options = OptionsText::Parse(text);
    skin = SkinRegistry::Load(options, {&package, "", &platform}, {}, platform);
  } catch (const SkinError&) {
    return 0;
  }
  Image32 parentImage = MakeImage(in.ConsumeIntegralInRange(1, 90), in.ConsumeIntegralInRange(1, 90), 0xFF405060u);
  while (in.remaining_bytes() > 0) PaintOnce(in, *skin, parentImage);
  return 0;
}
