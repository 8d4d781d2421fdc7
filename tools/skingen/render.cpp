#include "skingen/render.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <map>

namespace skingen {
namespace {

// The mask a section draws with under `key`, following its parents.
const PlacedMask* FindMask(const StoredSkin& skin, const std::string& section,
                           const std::string& key) {
  std::string name = section;
  for (int depth = 0; depth < 8 && !name.empty(); ++depth) {
    if (const PlacedMask* mask = skin.Master.Find(name, key)) return mask;
    const auto found = std::find_if(skin.Sections.begin(), skin.Sections.end(),
                                    [&](const SectionLook& s) { return s.Name == name; });
    if (found == skin.Sections.end()) return nullptr;
    name = found->Parent;
  }
  return nullptr;
}

// Tiles a cell of the picture over a box of the target; key pixels take what lay beneath.
void TileCell(Image& target, Box to, const Image& picture, Box from, const Image& under, Box box) {
  if (from.W <= 0 || from.H <= 0) return;
  for (int y = 0; y < to.H; ++y)
    for (int x = 0; x < to.W; ++x) {
      const int tx = to.X + x, ty = to.Y + y;
      if (tx < 0 || ty < 0 || tx >= target.Width() || ty >= target.Height()) continue;
      const Rgba p = picture.At(from.X + x % from.W, from.Y + y % from.H);
      target.At(tx, ty) =
          p == kKey ? under.At(tx - box.X, ty - box.Y) : Blend(target.At(tx, ty), p);
    }
}

void PaintBorders(Image& target, Box box, const Image& picture, const MaskArt& art,
                  const Image& under) {
  const int l = std::min(art.Left, box.W / 2), r = std::min(art.Right, box.W - l);
  const int t = std::min(art.Top, box.H / 2), b = std::min(art.Bottom, box.H - t);
  const int fw = art.FrameWidth, fh = art.FrameHeight;
  const int cw = fw - art.Left - art.Right, ch = fh - art.Top - art.Bottom;
  const int mw = box.W - l - r, mh = box.H - t - b;
  const auto cell = [&](int dx, int dy, int w, int h, int sx, int sy, int sw, int sh) {
    TileCell(target, {box.X + dx, box.Y + dy, w, h}, picture, {sx, sy, sw, sh}, under, box);
  };
  cell(0, 0, l, t, 0, 0, l, t);
  cell(0, t, l, mh, 0, art.Top, l, ch);
  cell(l, 0, mw, t, art.Left, 0, cw, t);
  cell(0, box.H - b, l, b, 0, fh - b, l, b);
  cell(l, box.H - b, mw, b, art.Left, fh - b, cw, b);
  cell(box.W - r, box.H - b, r, b, fw - r, fh - b, r, b);
  cell(box.W - r, 0, r, t, fw - r, 0, r, t);
  cell(box.W - r, t, r, mh, fw - r, art.Top, r, ch);
  if (art.DrawMode & 4) cell(l, t, mw, mh, art.Left, art.Top, cw, ch);
}

using Glyph = std::array<const char*, 5>;

const std::map<char, Glyph>& Font() {
  static const std::map<char, Glyph> font = {
      {'A', {".#.", "#.#", "###", "#.#", "#.#"}}, {'B', {"##.", "#.#", "##.", "#.#", "##."}},
      {'C', {".##", "#..", "#..", "#..", ".##"}}, {'D', {"##.", "#.#", "#.#", "#.#", "##."}},
      {'E', {"###", "#..", "##.", "#..", "###"}}, {'F', {"###", "#..", "##.", "#..", "#.."}},
      {'G', {".##", "#..", "#.#", "#.#", ".##"}}, {'H', {"#.#", "#.#", "###", "#.#", "#.#"}},
      {'I', {"###", ".#.", ".#.", ".#.", "###"}}, {'J', {"..#", "..#", "..#", "#.#", ".#."}},
      {'K', {"#.#", "#.#", "##.", "#.#", "#.#"}}, {'L', {"#..", "#..", "#..", "#..", "###"}},
      {'M', {"#.#", "###", "###", "#.#", "#.#"}}, {'N', {"##.", "#.#", "#.#", "#.#", "#.#"}},
      {'O', {".#.", "#.#", "#.#", "#.#", ".#."}}, {'P', {"##.", "#.#", "##.", "#..", "#.."}},
      {'Q', {".#.", "#.#", "#.#", "##.", ".##"}}, {'R', {"##.", "#.#", "##.", "#.#", "#.#"}},
      {'S', {".##", "#..", ".#.", "..#", "##."}}, {'T', {"###", ".#.", ".#.", ".#.", ".#."}},
      {'U', {"#.#", "#.#", "#.#", "#.#", "###"}}, {'V', {"#.#", "#.#", "#.#", "#.#", ".#."}},
      {'W', {"#.#", "#.#", "###", "###", "#.#"}}, {'X', {"#.#", "#.#", ".#.", "#.#", "#.#"}},
      {'Y', {"#.#", "#.#", ".#.", ".#.", ".#."}}, {'Z', {"###", "..#", ".#.", "#..", "###"}},
      {'0', {"###", "#.#", "#.#", "#.#", "###"}}, {'1', {".#.", "##.", ".#.", ".#.", "###"}},
      {'2', {"##.", "..#", ".#.", "#..", "###"}}, {'3', {"##.", "..#", ".#.", "..#", "##."}},
      {'4', {"#.#", "#.#", "###", "..#", "..#"}}, {'5', {"###", "#..", "##.", "..#", "##."}},
      {'6', {".##", "#..", "###", "#.#", "###"}}, {'7', {"###", "..#", ".#.", ".#.", ".#."}},
      {'8', {"###", "#.#", "###", "#.#", "###"}}, {'9', {"###", "#.#", "###", "..#", "##."}},
      {'_', {"...", "...", "...", "...", "###"}}, {'-', {"...", "...", "###", "...", "..."}},
      {'.', {"...", "...", "...", "...", ".#."}}, {':', {"...", ".#.", "...", ".#.", "..."}},
      {'#', {"#.#", "###", "#.#", "###", "#.#"}}, {'/', {"..#", "..#", ".#.", "#..", "#.."}},
      {'(', {".#.", "#..", "#..", "#..", ".#."}}, {')', {".#.", "..#", "..#", "..#", ".#."}},
      {'*', {"...", "#.#", ".#.", "#.#", "..."}}, {' ', {"...", "...", "...", "...", "..."}},
  };
  return font;
}

}  // namespace

void PaintGround(Image& target, Box box, const StoredSkin& skin) {
  const Image& t = skin.Texture;
  for (int y = 0; y < box.H; ++y)
    for (int x = 0; x < box.W; ++x) {
      const int tx = box.X + x, ty = box.Y + y;
      if (tx >= 0 && ty >= 0 && tx < target.Width() && ty < target.Height())
        target.At(tx, ty) = t.At(x % t.Width(), y % t.Height());
    }
}

void PaintSection(Image& target, Box box, const StoredSkin& skin, const std::string& section,
                  int state) {
  Image under(box.W, box.H);
  for (int y = 0; y < box.H; ++y)
    for (int x = 0; x < box.W; ++x) under.At(x, y) = target.At(box.X + x, box.Y + y);
  const int states = ResolveStates(skin.Sections, section);
  state = std::min(state, states - 1);
  if (const auto look = ResolveLook(skin.Sections, section, state)) {
    Image fill(box.W, box.H);
    if (look->Textured) {
      PaintGround(fill, {0, 0, box.W, box.H}, skin);
    } else {
      for (int y = 0; y < box.H; ++y) {
        const double t = box.H > 1 ? double(y) / (box.H - 1) : 0;
        const Rgba c = look->Ramp ? Mix(look->Ramp->second, look->Ramp->first, t) : look->Colour;
        for (int x = 0; x < box.W; ++x) fill.At(x, y) = c;
      }
    }
    for (int y = 0; y < box.H; ++y)
      for (int x = 0; x < box.W; ++x)
        target.At(box.X + x, box.Y + y) =
            Blend(under.At(x, y), fill.At(x, y), 1 - look->Transparency / 100.0);
  }
  if (const PlacedMask* mask = FindMask(skin, section, "BORDERSMASK")) {
    const int frame = std::min(state, mask->Art.Frames - 1);
    PaintBorders(target, box, FramePicture(skin.Master, *mask, frame), mask->Art, under);
  }
}

void PaintBordersMask(Image& target, Box box, const StoredSkin& skin, const std::string& section,
                      const std::string& key, int state) {
  const PlacedMask* mask = FindMask(skin, section, key);
  if (!mask) return;
  Image under(box.W, box.H);
  for (int y = 0; y < box.H; ++y)
    for (int x = 0; x < box.W; ++x) under.At(x, y) = target.At(box.X + x, box.Y + y);
  PaintBorders(target, box, FramePicture(skin.Master, *mask, std::min(state, mask->Art.Frames - 1)),
               mask->Art, under);
}

void PaintGlyph(Image& target, int x, int y, const StoredSkin& skin, const std::string& section,
                const std::string& key, int frame) {
  const PlacedMask* mask = FindMask(skin, section, key);
  if (!mask) return;
  target.Over(FramePicture(skin.Master, *mask, std::min(frame, mask->Art.Frames - 1)), x, y);
}

void PaintLabel(Image& target, int x, int y, const std::string& text, Rgba colour, int scale) {
  for (char c : text) {
    const auto found = Font().find(char(std::toupper(static_cast<unsigned char>(c))));
    if (found != Font().end())
      for (int row = 0; row < 5; ++row)
        for (int col = 0; col < 3; ++col)
          if (found->second[size_t(row)][col] == '#')
            target.FillRect(x + col * scale, y + row * scale, scale, scale, colour);
    x += 4 * scale;
  }
}

int LabelWidth(const std::string& text, int scale) { return int(text.size()) * 4 * scale - scale; }

}  // namespace skingen
