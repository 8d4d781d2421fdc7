#include "skingen/masks.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "skingen/palette.h"

namespace skingen {
namespace {

using namespace colours;

// Distance of a point inside a rounded rectangle from its edge (negative outside).
double InsideDistance(double x, double y, double w, double h, double r) {
  const double qx = std::abs(x - w / 2) - (w / 2 - r), qy = std::abs(y - h / 2) - (h / 2 - r);
  return r - std::hypot(std::max(qx, 0.0), std::max(qy, 0.0)) - std::min(std::max(qx, qy), 0.0);
}

// A frame of rings along the edge of a rounded rectangle, crisp: a pixel whose centre lies
// outside is the key, the others take the ring they fall in, and inside the rings stays clear.
// `open` extends the shape below the picture, so that its bottom is no edge.
Image Rings(int w, int h, double radius, const std::vector<Rgba>& rings, bool open = false) {
  Image image(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const double d = InsideDistance(x + 0.5, y + 0.5, w, open ? h + 4 * radius : h, radius);
      if (d < 0)
        image.At(x, y) = kKey;
      else if (size_t(d) < rings.size())
        image.At(x, y) = rings[size_t(d)];
    }
  }
  return image;
}

// Lays a band of colour along one row or column inside the rings, sparing key pixels.
void Row(Image& image, int y, int x0, int x1, Rgba colour) {
  for (int x = x0; x < x1; ++x)
    if (!(image.At(x, y) == kKey)) image.At(x, y) = Blend(image.At(x, y), colour);
}
void Column(Image& image, int x, int y0, int y1, Rgba colour) {
  for (int y = y0; y < y1; ++y)
    if (!(image.At(x, y) == kKey)) image.At(x, y) = Blend(image.At(x, y), colour);
}

// Fills a shape with a vertical ramp from `top` at y0 to `bottom` at y1, edges smoothed.
void CoverRamp(Image& image, const std::function<bool(double, double)>& shape, Rgba top,
               Rgba bottom, double y0, double y1) {
  for (int y = 0; y < image.Height(); ++y) {
    const double t = std::clamp((y + 0.5 - y0) / (y1 - y0), 0.0, 1.0);
    const Rgba colour = Mix(bottom, top, t);
    image.Cover([&](double px, double py) { return py >= y && py < y + 1 && shape(px, py); },
                colour);
  }
}

Rgba Translucent(Rgba c, double alpha) {
  return {c.r, c.g, c.b, uint8_t(std::lround(alpha * 255))};
}

// --- Window frame, title band, menus ----------------------------------------------------------

Image FormFrame(int frame) {  // 0 inactive, 1 active
  return Rings(16, 16, 6, {kFrameOuter, frame ? kFrameInner : kFrameInnerInactive});
}

Image TitleFrame(int frame) {
  const Rgba hairline = frame ? kHairline : kHairlineInactive;
  Image image = Rings(16, 12, 6, {kFrameOuter, frame ? kFrameInner : kFrameInnerInactive}, true);
  // The hairline follows the top edge round the corners; the sides keep the inner border.
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 16; ++x) {
      const double d = InsideDistance(x + 0.5, y + 0.5, 16, 36, 6);
      if (d >= 1 && d < 2 && (y <= 1 || (x >= 2 && x < 14))) image.At(x, y) = hairline;
    }
  for (int x = 2; x < 14; ++x) image.At(x, 11) = kTitleSeparator;
  return image;
}

Image MenuFrame(int) { return Rings(12, 12, 4, {kFrameOuter, kFrameInner}); }

// --- Controls -----------------------------------------------------------------------------------

Image ButtonFrame(int frame) {  // normal, hot, pressed
  const Rgba border[] = {kControlBorder, kControlBorderHot, kControlBorderPressed};
  Image image = Rings(12, 12, 3, {border[frame]});
  if (frame < 2) {
    Row(image, 1, 1, 11, Translucent(Hex(0xFFFFFF), frame ? 0.14 : 0.09));
    Row(image, 10, 1, 11, Translucent(Hex(0x000000), 0.22));
  } else {
    Row(image, 1, 1, 11, Translucent(Hex(0x000000), 0.35));
    Column(image, 1, 2, 10, Translucent(Hex(0x000000), 0.18));
  }
  return image;
}

Image FieldFrame(int frame) {  // normal, hot
  Image image = Rings(12, 12, 3, {frame ? kControlBorderHot : kControlBorder});
  Row(image, 1, 1, 11, Translucent(Hex(0x000000), 0.30));
  return image;
}

Image Channel(int frame) {  // a recessed groove with a highlight on its lower edge
  Image image(12, 6);
  const auto groove = [](double x, double y) { return InRoundedRect(x, y, 0, 0, 12, 6, 3); };
  image.Cover(groove, frame ? kChannelHot : kChannel);
  image.Cover([&](double x, double y) { return y >= 5 && groove(x, y) && x > 1 && x < 11; },
              frame ? kChannelHighlightHot : kChannelHighlight);
  image.Cover([&](double x, double y) { return y < 1 && groove(x, y); }, Hex(0x04100A));
  return image;
}

Image Thumb(int frame, bool vertical) {  // normal, hot (pressed shows hot)
  const int w = vertical ? 18 : 17, h = vertical ? 17 : 18;
  Image image(w, h);
  const auto at = [vertical](double x, double y) {
    return vertical ? std::pair{y, x} : std::pair{x, y};
  };
  const auto body = [&](double x, double y) {
    const auto [u, v] = at(x, y);
    return InRoundedRect(u, v, 2, 0.5, 15, 17.5, 4.5);
  };
  const auto face = [&](double x, double y) {
    const auto [u, v] = at(x, y);
    return InRoundedRect(u, v, 3, 1.5, 14, 16.5, 3.5);
  };
  image.Cover(body, frame ? kAccent : Hex(0x0A1F16));
  const Rgba top = frame ? kThumbHotTop : kThumbTop,
             bottom = frame ? kThumbHotBottom : kThumbBottom;
  if (vertical) {
    Image ramp(h, w);
    CoverRamp(
        ramp, [](double x, double y) { return InRoundedRect(x, y, 3, 1.5, 14, 16.5, 3.5); }, top,
        bottom, 1.5, 16.5);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        if (ramp.At(y, x).a) image.At(x, y) = Blend(image.At(x, y), ramp.At(y, x));
  } else {
    CoverRamp(image, face, top, bottom, 1.5, 16.5);
  }
  const Rgba sheen = Translucent(frame ? kAccentHot : Hex(0x4E9C76), 0.85);
  image.Cover(
      [&](double x, double y) {
        const auto [u, v] = at(x, y);
        return face(x, y) && v < 2.5 && u > 4 && u < 13;
      },
      sheen);
  const Rgba grip = Translucent(Hex(0x0A1F16), 0.55);
  for (double c : {6.5, 8.5, 10.5})
    image.Cover(
        [&](double x, double y) {
          const auto [u, v] = at(x, y);
          return u >= c - 0.5 && u < c + 0.5 && v >= 6.5 && v < 11.5;
        },
        grip);
  return image;
}

Image Tick(int) {  // a quiet dot, key-cut corners
  Image image(3, 3, kTick);
  for (auto [x, y] : {std::pair{0, 0}, {2, 0}, {0, 2}, {2, 2}}) image.At(x, y) = kKey;
  return image;
}

Image Chevron(int frame, bool pointsRight, int w, int h) {
  const Rgba colour[] = {Hex(0xB9D8C7), kAccentHot, kAccent};
  Image image(w, h);
  const double cx = w / 2.0, cy = h / 2.0;
  image.Cover(
      [&](double x, double y) {
        const double u = pointsRight ? y - cy : x - cx, v = pointsRight ? x - cx : y - cy;
        return NearSegment(u, v, -3, -1.5, 0, 1.5, 0.95) ||
               NearSegment(u, v, 0, 1.5, 3, -1.5, 0.95);
      },
      colour[std::min(frame, 2)]);
  return image;
}

// --- Check boxes, radio marks, menu check
// ---------------------------------------------------------

struct MarkLook {
  Rgba border, face, mark;
};
MarkLook Look(int frame) {
  switch (frame) {
    case 1:
      return {kAccent, Hex(0x123A2A), kAccentHot};
    case 2:
      return {kAccentPressed, Hex(0x081A13), kAccentPressed};
    default:
      return {Hex(0x4A8468), Hex(0x0B2219), kAccent};
  }
}

bool CheckStroke(double x, double y, double dx, double dy) {
  return NearSegment(x, y, 3.2 + dx, 6.7 + dy, 5.5 + dx, 9.1 + dy, 0.95) ||
         NearSegment(x, y, 5.5 + dx, 9.1 + dy, 9.9 + dx, 3.7 + dy, 0.95);
}

Image Box(int frame, int kind) {  // 0 unchecked, 1 checked, 2 grayed
  const MarkLook look = Look(frame);
  Image image(13, 13);
  image.Cover([](double x, double y) { return InRoundedRect(x, y, 0.5, 0.5, 12.5, 12.5, 2.5); },
              look.border);
  image.Cover([](double x, double y) { return InRoundedRect(x, y, 1.5, 1.5, 11.5, 11.5, 1.5); },
              look.face);
  if (kind == 1) image.Cover([](double x, double y) { return CheckStroke(x, y, 0, 0); }, look.mark);
  if (kind == 2)
    image.Cover([](double x, double y) { return InRoundedRect(x, y, 3.5, 3.5, 9.5, 9.5, 1); },
                Translucent(look.mark, 0.75));
  return image;
}

Image Radio(int frame, bool checked) {
  const MarkLook look = Look(frame);
  Image image(13, 13);
  const auto disc = [](double r) {
    return
        [r](double x, double y) { return (x - 6.5) * (x - 6.5) + (y - 6.5) * (y - 6.5) <= r * r; };
  };
  image.Cover(disc(6.1), look.border);
  image.Cover(disc(5.1), look.face);
  if (checked) image.Cover(disc(2.7), look.mark);
  return image;
}

Image MenuCheck(int frame) {  // normal, selected
  Image image(13, 13);
  image.Cover([](double x, double y) { return CheckStroke(x, y, 0, 0); },
              frame ? kTextBright : kAccent);
  return image;
}

Image Grip(int) {
  Image image(12, 12);
  for (int row = 0; row < 3; ++row)
    for (int col = 2 - row; col < 3; ++col) {
      const double cx = 3 + col * 3.5, cy = 3 + row * 3.5;
      image.Cover([=](double x, double y) { return std::hypot(x - cx - 0.5, y - cy - 0.5) <= 1.1; },
                  Hex(0x2A5E46));
      image.Cover([=](double x, double y) { return std::hypot(x - cx, y - cy) <= 1.1; }, kTick);
    }
  return image;
}

// --- Title buttons ------------------------------------------------------------------------------

enum class TitleGlyph { Close, Minimise, Maximise, Restore, Help };

Image TitleButton(int frame, TitleGlyph glyph) {  // normal, hot, pressed
  const bool close = glyph == TitleGlyph::Close;
  Image image(24, 25);
  if (frame > 0) {
    const Rgba ground = close ? (frame == 1 ? kCloseHot : kClosePressed)
                              : (frame == 1 ? kFaceHotTop : kFacePressedTop);
    image.Cover([](double x, double y) { return InRoundedRect(x, y, 1, 2, 23, 23, 3.5); }, ground);
    if (frame == 1)
      image.Cover(
          [](double x, double y) { return InRoundedRect(x, y, 1, 2, 23, 23, 3.5) && y < 3; },
          Translucent(Hex(0xFFFFFF), 0.12));
  }
  const Rgba ink = frame == 0 ? kTitleGlyph : (frame == 1 ? kTextBright : Hex(0xC6E0D1));
  const double cx = 12, cy = 12.5;
  image.Cover(
      [&](double x, double y) {
        switch (glyph) {
          case TitleGlyph::Close:
            return NearSegment(x, y, cx - 4.5, cy - 4.5, cx + 4.5, cy + 4.5, 1) ||
                   NearSegment(x, y, cx + 4.5, cy - 4.5, cx - 4.5, cy + 4.5, 1);
          case TitleGlyph::Minimise:
            return x >= cx - 5 && x < cx + 5 && y >= cy + 3 && y < cy + 5;
          case TitleGlyph::Maximise: {
            const bool outer = x >= cx - 5 && x < cx + 5 && y >= cy - 5 && y < cy + 4;
            const bool inner = x >= cx - 4 && x < cx + 4 && y >= cy - 3 && y < cy + 3;
            return outer && !inner;
          }
          case TitleGlyph::Restore: {
            const auto box = [&](double l, double t) {
              const bool outer = x >= l && x < l + 8 && y >= t && y < t + 7;
              const bool inner = x >= l + 1 && x < l + 7 && y >= t + 2 && y < t + 6;
              return outer && !inner;
            };
            const bool front = x >= cx - 5 && x < cx + 3 && y >= cy - 2 && y < cy + 5;
            return box(cx - 5, cy - 2) || (box(cx - 3, cy - 5) && !front);
          }
          case TitleGlyph::Help:
            return NearSegment(x, y, cx - 3, cy - 3, cx - 1.5, cy - 5, 1) ||
                   NearSegment(x, y, cx - 1.5, cy - 5, cx + 1.5, cy - 5, 1) ||
                   NearSegment(x, y, cx + 1.5, cy - 5, cx + 3, cy - 3, 1) ||
                   NearSegment(x, y, cx + 3, cy - 3, cx, cy, 1) ||
                   NearSegment(x, y, cx, cy, cx, cy + 1.5, 1) ||
                   std::hypot(x - cx, y - cy - 4.5) <= 1.2;
        }
        return false;
      },
      ink);
  return image;
}

MaskArt Glyph(std::string section, std::string key, int frames, int w, int h,
              std::function<Image(int)> paint, bool maskLayer = true) {
  MaskArt art;
  art.Section = std::move(section);
  art.Key = std::move(key);
  art.Frames = frames;
  art.FrameWidth = w;
  art.FrameHeight = h;
  art.MaskLayer = maskLayer;
  art.Paint = std::move(paint);
  return art;
}

MaskArt Borders(std::string section, int frames, int w, int h, std::array<int, 4> widths,
                int drawMode, int borderWidth, std::function<Image(int)> paint,
                std::string key = "BORDERSMASK") {
  MaskArt art = Glyph(std::move(section), std::move(key), frames, w, h, std::move(paint));
  art.Shape = MaskArt::Form::Borders;
  art.Left = widths[0];
  art.Top = widths[1];
  art.Right = widths[2];
  art.Bottom = widths[3];
  art.DrawMode = drawMode;
  art.BorderWidth = borderWidth;
  return art;
}

}  // namespace

std::vector<MaskArt> MaskCatalogue() {
  const auto title = [](TitleGlyph g) { return [g](int f) { return TitleButton(f, g); }; };
  return {
      Borders("FORM", 2, 16, 16, {6, 6, 6, 6}, 0, 0, FormFrame),
      Borders("FORMTITLE", 2, 16, 12, {6, 6, 6, 1}, 0, 0, TitleFrame),
      Borders("MAINMENU", 1, 12, 12, {4, 4, 4, 4}, 0, 3, MenuFrame),
      Borders("BUTTON", 3, 12, 12, {4, 4, 4, 4}, 0, 0, ButtonFrame),
      Borders("EDIT", 2, 12, 12, {3, 3, 3, 3}, 0, 0, FieldFrame),
      Borders("TRACKBAR", 2, 12, 6, {3, 2, 3, 2}, 4, 0, Channel, "SLIDERCHANNEL"),
      Glyph("TRACKBAR", "SLIDERMASK", 2, 17, 18, [](int f) { return Thumb(f, false); }),
      Glyph("TRACKBAR", "SLIDERVMASK", 2, 18, 17, [](int f) { return Thumb(f, true); }),
      Glyph("TRACKBAR", "TICKHORZ", 1, 3, 3, Tick, false),
      Glyph("TRACKBAR", "TICKVERT", 1, 3, 3, Tick, false),
      Glyph("COMBOBOX", "GLYPHMASK", 3, 11, 16, [](int f) { return Chevron(f, false, 11, 16); }),
      Glyph("MENUITEM", "GLYPHMASK", 2, 9, 13, [](int f) { return Chevron(f, true, 9, 13); }),
      Glyph("GLOBALINFO", "BICONCLOSE", 3, 24, 25, title(TitleGlyph::Close)),
      Glyph("GLOBALINFO", "BICONMIN", 3, 24, 25, title(TitleGlyph::Minimise)),
      Glyph("GLOBALINFO", "BICONMAX", 3, 24, 25, title(TitleGlyph::Maximise)),
      Glyph("GLOBALINFO", "BICONNORM", 3, 24, 25, title(TitleGlyph::Restore)),
      Glyph("GLOBALINFO", "BICONHELP", 3, 24, 25, title(TitleGlyph::Help)),
      Glyph("GLOBALINFO", "BOXUNCHECKED", 3, 13, 13, [](int f) { return Box(f, 0); }),
      Glyph("GLOBALINFO", "BOXCHECKED", 3, 13, 13, [](int f) { return Box(f, 1); }),
      Glyph("GLOBALINFO", "BOXGRAYED", 3, 13, 13, [](int f) { return Box(f, 2); }),
      Glyph("GLOBALINFO", "RADIOUNCHECKED", 3, 13, 13, [](int f) { return Radio(f, false); }),
      Glyph("GLOBALINFO", "RADIOCHECKED", 3, 13, 13, [](int f) { return Radio(f, true); }),
      Glyph("GLOBALINFO", "CHECK", 2, 13, 13, MenuCheck),
      Glyph("GLOBALINFO", "GRIPIMAGE", 1, 12, 12, Grip),
  };
}

std::vector<MaskAlias> MaskAliases() {
  return {
      {"GLOBALINFO", "SMALLUNCHECKED", "GLOBALINFO", "BOXUNCHECKED"},
      {"GLOBALINFO", "SMALLCHECKED", "GLOBALINFO", "BOXCHECKED"},
      {"GLOBALINFO", "SMALLGRAYED", "GLOBALINFO", "BOXGRAYED"},
  };
}

}  // namespace skingen
