#include "skingen/mock_window.h"

#include "skingen/render.h"

namespace skingen {
namespace {

constexpr int kBorder = 3, kCaption = 23, kTitle = kBorder + kCaption;

Rgba FontOf(const StoredSkin& skin, const std::string& section, int state) {
  const auto look = ResolveLook(skin.Sections, section, state);
  return look ? look->Font : Rgba{};
}

void Slider(Image& image, const StoredSkin& skin, int x, int y, int width, int state, double at) {
  PaintBordersMask(image, {x + 1, y + 7, width - 2, 6}, skin, "TRACKBAR", "SLIDERCHANNEL", state);
  for (int i = 0; i < 6; ++i)
    PaintGlyph(image, x + 8 + i * (width - 17) / 5 - 1, y + 19, skin, "TRACKBAR", "TICKHORZ", 0);
  PaintGlyph(image, x + int(at * (width - 17)), y + 1, skin, "TRACKBAR", "SLIDERMASK", state);
}

}  // namespace

Image RenderMockWindow(const StoredSkin& skin, int width, int height, bool active, int state,
                       Rgba backdrop) {
  Image image(width, height, backdrop);
  const int look = active ? 1 : 0;
  PaintSection(image, {0, 0, width, height}, skin, "FORM", look);
  PaintSection(image, {0, 0, width, kTitle}, skin, "FORMTITLE", look);
  PaintLabel(image, kBorder + 6, kBorder + 7, "VELMORA", FontOf(skin, "FORMTITLE", look));
  const int closeLeft = width - 2 - 4 - 24;
  PaintGlyph(image, closeLeft, kBorder - 2, skin, "GLOBALINFO", "BICONCLOSE", state);
  PaintGlyph(image, closeLeft - 24 + 1, kBorder - 2, skin, "GLOBALINFO", "BICONMIN", state);

  const Rgba text = FontOf(skin, "FORM", look);
  int y = kTitle + 8;
  PaintGlyph(image, 10, y + 3, skin, "GLOBALINFO", "BOXCHECKED", state);
  PaintLabel(image, 28, y + 5, "BROOK", text);
  Slider(image, skin, 80, y, 110, state, 0.4);
  y += 30;
  PaintGlyph(image, 10, y + 3, skin, "GLOBALINFO", "BOXUNCHECKED", state);
  PaintLabel(image, 28, y + 5, "RAIN", text);
  PaintSection(image, {80, y, 110, 21}, skin, "EDIT", state ? 1 : 0);
  PaintLabel(image, 86, y + 6, "30 MIN", FontOf(skin, "EDIT", state ? 1 : 0));
  PaintGlyph(image, 80 + 110 - 16, y + 3, skin, "COMBOBOX", "GLYPHMASK", state);
  y += 30;
  PaintGlyph(image, 10, y + 3, skin, "GLOBALINFO", "RADIOCHECKED", state);
  PaintLabel(image, 28, y + 5, "ONE", text);
  PaintGlyph(image, 80, y + 3, skin, "GLOBALINFO", "RADIOUNCHECKED", state);
  PaintLabel(image, 98, y + 5, "TWO", text);
  y += 30;
  if (y + 30 <= height - kBorder) {
    PaintSection(image, {10, y, 100, 28}, skin, "BUTTON", state);
    const Rgba font = FontOf(skin, "BUTTON", state);
    PaintLabel(image, 10 + (100 - LabelWidth("DEFAULTS")) / 2, y + 9, "DEFAULTS", font);
  }
  return image;
}

Image RenderMockMenu(const StoredSkin& skin, Rgba backdrop) {
  constexpr int kWidth = 200, kItem = 22, kFrame = 3, kColumn = 24;
  const int height = 2 * kFrame + 2 * kItem + 6;
  Image image(kWidth, height, backdrop);
  PaintSection(image, {0, 0, kWidth, height}, skin, "MAINMENU", 0);
  PaintSection(image, {kFrame, kFrame, kColumn, height - 2 * kFrame}, skin, "ICOLINE", 0);
  const int inner = kWidth - 2 * kFrame;
  PaintSection(image, {kFrame, kFrame, inner, kItem}, skin, "MENUITEM", 0);
  PaintGlyph(image, kFrame + 5, kFrame + 4, skin, "GLOBALINFO", "CHECK", 0);
  PaintLabel(image, kFrame + kColumn + 8, kFrame + 6, "SHOW WINDOW", FontOf(skin, "MENUITEM", 0));
  const auto divider = ResolveLook(skin.Sections, "DIVIDERV", 0);
  image.FillRect(kFrame + kColumn + 4, kFrame + kItem + 2, inner - kColumn - 8, 1, divider->Colour);
  const int second = kFrame + kItem + 6;
  PaintSection(image, {kFrame, second, inner, kItem}, skin, "MENUITEM", 1);
  PaintLabel(image, kFrame + kColumn + 8, second + 6, "CLOSE", FontOf(skin, "MENUITEM", 1));
  return image;
}

Image HalfSize(const Image& image) {
  Image half(image.Width() / 2, image.Height() / 2);
  for (int y = 0; y < half.Height(); ++y)
    for (int x = 0; x < half.Width(); ++x) {
      int r = 0, g = 0, b = 0;
      for (int k = 0; k < 4; ++k) {
        const Rgba p = image.At(2 * x + k % 2, 2 * y + k / 2);
        r += p.r;
        g += p.g;
        b += p.b;
      }
      half.At(x, y) = {uint8_t((r + 2) / 4), uint8_t((g + 2) / 4), uint8_t((b + 2) / 4), 255};
    }
  return half;
}

}  // namespace skingen
