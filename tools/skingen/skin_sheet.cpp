#include "skingen/skin_sheet.h"

#include <algorithm>
#include <cstdio>

#include "skingen/contrast.h"
#include "skingen/mock_window.h"
#include "skingen/palette.h"
#include "skingen/render.h"

namespace skingen {
namespace {

constexpr int kWidth = 1720;
constexpr Rgba kSheet = Hex(0x262626), kNeutral = Hex(0x808080), kInk = Hex(0xE8E8E8);
constexpr Rgba kDimInk = Hex(0xA8A8A8);

class Sheet {
 public:
  explicit Sheet(const StoredSkin& skin) : skin_(skin), image_(kWidth, 4200, kSheet) {}

  void Heading(const std::string& text) {
    y_ += 14;
    PaintLabel(image_, 16, y_, text, kInk, 3);
    y_ += 15 + 10;
  }

  void Windows() {
    Heading("WINDOW: ACTIVE NORMAL, HOT, PRESSED; INACTIVE. POPUP MENU");
    int x = 16;
    for (int state = 0; state < 4; ++state) {
      const Image window = RenderMockWindow(skin_, 300, 190, state < 3, state % 3, kNeutral);
      image_.FillRect(x - 6, y_ - 6, 312, 202, kNeutral);
      image_.Paste(window, x, y_);
      x += 318;
    }
    const Image menu = RenderMockMenu(skin_, kNeutral).Scaled(2);
    image_.FillRect(x - 6, y_ - 6, menu.Width() + 12, menu.Height() + 12, kNeutral);
    image_.Paste(menu, x, y_);
    y_ += 206;
    Heading("WINDOW AT 2X");
    const Image big = RenderMockWindow(skin_, 300, 190, true, 0, kNeutral).Scaled(2);
    image_.FillRect(10, y_ - 6, big.Width() + 12, big.Height() + 12, kNeutral);
    image_.Paste(big, 16, y_);
    y_ = std::max(y_ + big.Height() + 12, Contrast(16 + big.Width() + 30, y_));
  }

  void Sections() {
    Heading("SECTIONS: EACH STATE ON NEUTRAL, THEN ON THE GROUND");
    const int columnWidth = 640, rowHeight = 32, top = y_;
    int index = 0;
    for (const SectionLook& section : skin_.Sections) {
      if (section.Name == "GLOBALINFO") continue;
      const int column = index % 2, row = index / 2;
      SectionRow(section.Name, 16 + column * columnWidth, top + row * rowHeight);
      ++index;
    }
    y_ = top + (index + 1) / 2 * rowHeight + 8;
  }

  void Glyphs() {
    Heading("MASKS AND GLYPHS AT 4X, EVERY FRAME, ON NEUTRAL AND ON THE GROUND");
    int x = 16, rowBottom = y_;
    for (const PlacedMask& mask : skin_.Master.Masks) {
      const int fw = mask.Art.FrameWidth * 4, fh = mask.Art.FrameHeight * 4;
      const int width = std::max(mask.Art.Frames * (fw + 6), LabelWidth(Title(mask), 2));
      if (x + width > kWidth - 16) {
        x = 16;
        y_ = rowBottom + 14;
      }
      PaintLabel(image_, x, y_, Title(mask), kDimInk);
      for (int frame = 0; frame < mask.Art.Frames; ++frame) {
        const Image picture = FramePicture(skin_.Master, mask, frame);
        for (int ground = 0; ground < 2; ++ground) {
          Image tile(mask.Art.FrameWidth, mask.Art.FrameHeight, kNeutral);
          if (ground) PaintGround(tile, {0, 0, tile.Width(), tile.Height()}, skin_);
          tile.Over(picture, 0, 0);
          image_.Paste(tile.Scaled(4), x + frame * (fw + 6), y_ + 16 + ground * (fh + 6));
        }
      }
      rowBottom = std::max(rowBottom, y_ + 16 + 2 * (fh + 6));
      x += width + 24;
    }
    y_ = rowBottom + 8;
  }

  void Palette() {
    Heading("PALETTE");
    using namespace colours;
    const std::pair<const char*, Rgba> swatches[] = {
        {"GROUND DARK", kGroundDark},
        {"GROUND LIGHT", kGroundLight},
        {"TITLE TOP", kTitleTop},
        {"TITLE BOTTOM", kTitleBottom},
        {"HAIRLINE", kHairline},
        {"FRAME OUTER", kFrameOuter},
        {"FRAME INNER", kFrameInner},
        {"TEXT", kText},
        {"TEXT BRIGHT", kTextBright},
        {"TEXT INACTIVE", kTextInactive},
        {"TEXT DISABLED", kTextDisabled},
        {"ACCENT", kAccent},
        {"ACCENT HOT", kAccentHot},
        {"ACCENT PRESSED", kAccentPressed},
        {"FACE TOP", kFaceTop},
        {"FACE BOTTOM", kFaceBottom},
        {"FACE HOT", kFaceHotTop},
        {"FACE PRESSED", kFacePressedTop},
        {"CONTROL BORDER", kControlBorder},
        {"BORDER HOT", kControlBorderHot},
        {"FIELD", kFieldFace},
        {"CHANNEL", kChannel},
        {"CHANNEL LIGHT", kChannelHighlight},
        {"TICK", kTick},
        {"CLOSE HOT", kCloseHot},
        {"CLOSE PRESSED", kClosePressed},
        {"MENU", kMenuGround},
        {"MENU SELECTED", kMenuSelected},
        {"GRID LINE", kGridLine},
        {"SELECTION", kSelection},
    };
    int x = 16, i = 0;
    for (const auto& [name, colour] : swatches) {
      image_.FillRect(x, y_, 120, 44, colour);
      PaintLabel(image_, x, y_ + 48, name, kDimInk);
      char hex[16];
      std::snprintf(hex, sizeof hex, "#%02X%02X%02X", colour.r, colour.g, colour.b);
      PaintLabel(image_, x, y_ + 62, hex, kDimInk);
      x += 140;
      if (++i % 9 == 0) {
        x = 16;
        y_ += 88;
      }
    }
    y_ += 88;
  }

  Image Finish() {
    Image out(kWidth, y_ + 16);
    for (int y = 0; y < out.Height(); ++y)
      for (int x = 0; x < kWidth; ++x) out.At(x, y) = image_.At(x, y);
    return out;
  }

 private:
  static std::string Title(const PlacedMask& mask) {
    return mask.Art.Section + " " + mask.Art.Key + " " + std::to_string(mask.Art.FrameWidth) + "X" +
           std::to_string(mask.Art.FrameHeight) + " *" + std::to_string(mask.Art.Frames);
  }

  void SectionRow(const std::string& name, int x, int y) {
    PaintLabel(image_, x, y + 8, name, kDimInk);
    const int states = std::min(ResolveStates(skin_.Sections, name), 3);
    for (int state = 0; state < states; ++state) {
      for (int ground = 0; ground < 2; ++ground) {
        const Box box{x + 150 + state * 164 + ground * 80, y, 76, 26};
        image_.FillRect(box.X, box.Y, box.W, box.H, kNeutral);
        if (ground) PaintGround(image_, box, skin_);
        PaintSection(image_, box, skin_, name, state);
        const auto look = ResolveLook(skin_.Sections, name, state);
        if (look) PaintLabel(image_, box.X + 8, box.Y + 8, "TEXT", look->Font);
      }
    }
  }

  // Answers the row below the table.
  int Contrast(int x, int y) {
    PaintLabel(image_, x, y, "TEXT CONTRAST, WORST CASE (REQUIRED)", kInk);
    y += 20;
    for (const ContrastCheck& check : MeasureContrast(skin_)) {
      char line[96];
      std::snprintf(line, sizeof line, "%-22s %5.2f (%.1f)", check.Name.c_str(), check.Ratio,
                    check.Required);
      image_.FillRect(x, y - 2, 60, 14, check.Back);
      PaintLabel(image_, x + 6, y, "AA", check.Fore);
      PaintLabel(image_, x + 70, y, line, check.Ratio >= check.Required ? kDimInk : Hex(0xFF6060));
      y += 17;
    }
    return y;
  }

  const StoredSkin& skin_;
  Image image_;
  int y_ = 0;
};

}  // namespace

Image RenderSkinSheet(const StoredSkin& skin) {
  Sheet sheet(skin);
  sheet.Windows();
  sheet.Sections();
  sheet.Glyphs();
  sheet.Palette();
  return sheet.Finish();
}

}  // namespace skingen
