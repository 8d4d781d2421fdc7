#include <algorithm>
#include <vector>

#include "skin/data/mask_data.h"
#include "skin/data/number_text.h"
#include "skin/data/text_words.h"

namespace velmora::skin {
namespace {

// The field of `length` characters at 1-based position `from`; a short value gives a short or
// empty field, which then fails as a number.
int32_t Field(std::string_view value, size_t from, size_t length) {
  const std::string_view field = from - 1 < value.size() ? value.substr(from - 1, length) : "";
  return RequireInt32(field);
}

MaskRect RectFields(std::string_view value) {
  return {Field(value, 2, 4), Field(value, 7, 4), Field(value, 12, 4), Field(value, 17, 4)};
}

int16_t Short(int32_t value) { return static_cast<int16_t>(value); }

int32_t WordNumber(const std::vector<std::string_view>& words, size_t index) {
  return index < words.size() ? ParseInt32(words[index]).value_or(0) : 0;
}

MaskText DecodeRectangle(std::string_view value) {
  MaskText text;
  text.Mask.Rect = RectFields(value);
  text.Mask.FrameCount = Short(Field(value, 22, 1));
  text.Mask.MaskLayout = Short(Field(value, 24, 1));
  text.Mask.Kind = kGlyph;
  return text;
}

MaskText DecodeBorders(std::string_view value) {
  MaskText text;
  TsMaskData& m = text.Mask = DecodeBordersFields(value);
  if (m.LeftWidth + m.TopWidth + m.RightWidth + m.BottomWidth == 0) {
    if (m.BorderWidth != 0)
      m.LeftWidth = m.TopWidth = m.RightWidth = m.BottomWidth = m.BorderWidth;
    else
      SetWidthsFromFrames(m);
  }
  return text;
}

MaskText DecodeTexture(std::string_view value) {
  MaskText text;
  text.Mask.Rect = RectFields(value);
  text.Mask.DrawMode = Short(Field(value, 22, 2));
  text.Mask.MaskLayout = value.size() >= 25 ? Short(Field(value, 25, 1)) : 0;
  text.Mask.Kind = kTexture;
  text.Mask.FrameCount = 1;
  if (value.size() > 26) {
    const std::vector<std::string_view> words = SplitWords(value, '~');
    if (words.size() >= 7) text.ImageName = words[6];
  }
  return text;
}

MaskText DecodeExternal(std::string_view value) {
  const std::vector<std::string_view> words = SplitWords(value, '!');
  MaskText text;
  text.NeedsImage = text.WholeImage = true;
  if (!words.empty()) text.ImageName = words[0];
  TsMaskData& m = text.Mask;
  m.FrameCount = Short(WordNumber(words, 1));
  m.MaskLayout = Short(WordNumber(words, 2));
  m.Kind = static_cast<uint8_t>(std::clamp(WordNumber(words, 3), 0, 4));
  if (words.size() < 5) {
    text.WidthsFromFrames = true;
  } else {
    m.LeftWidth = Short(WordNumber(words, 4));
    m.TopWidth = Short(WordNumber(words, 5));
    m.RightWidth = Short(WordNumber(words, 6));
    m.BottomWidth = Short(WordNumber(words, 7));
  }
  m.DrawMode = Short(WordNumber(words, 8));
  return text;
}

MaskText DecodePlainImage(std::string_view value) {
  MaskText text;
  text.ImageName = value;
  text.NeedsImage = text.WholeImage = true;
  text.Mask.Kind = kTexture;
  text.Mask.FrameCount = 1;
  return text;
}

// A count that would divide by zero or less counts as one frame or one row.
int32_t AtLeastOne(int32_t count) { return count < 1 ? 1 : count; }

struct Span {
  int64_t Start, Length;
};

// Which of the `size` places along one image side lie in any of the spans. Counting span starts
// and ends keeps many overlapping spans to one pass over the side.
std::vector<bool> Covered(int32_t size, const std::vector<Span>& spans) {
  std::vector<int32_t> opened(size_t(size) + 1);
  for (const Span& span : spans) {
    const int64_t from = std::clamp<int64_t>(span.Start, 0, size);
    const int64_t to = std::clamp<int64_t>(span.Start + span.Length, 0, size);
    if (from >= to) continue;
    ++opened[size_t(from)];
    --opened[size_t(to)];
  }
  std::vector<bool> covered(static_cast<size_t>(size));
  int32_t depth = 0;
  for (size_t i = 0; i < covered.size(); ++i) covered[i] = (depth += opened[i]) > 0;
  return covered;
}

}  // namespace

char MaskFormOf(std::string_view value) {
  if (value.empty()) return 0;
  if (value[0] == '@' || value[0] == '^' || value[0] == '~' || value[0] == '!') return value[0];
  const bool named =
      value.find(".JPG") != std::string_view::npos || value.find(".BMP") != std::string_view::npos;
  return named ? 'n' : 0;
}

std::optional<MaskText> DecodeMaskValue(std::string_view value) {
  switch (MaskFormOf(value)) {
    case '@':
      return DecodeRectangle(value);
    case '^':
      return DecodeBorders(value);
    case '~':
      return DecodeTexture(value);
    case '!':
      return DecodeExternal(value);
    case 'n':
      return DecodePlainImage(value);
    default:
      return std::nullopt;
  }
}

TsMaskData DecodeBordersFields(std::string_view value) {
  TsMaskData m;
  m.Rect = RectFields(value);
  m.LeftWidth = Short(Field(value, 22, 4));
  m.TopWidth = Short(Field(value, 27, 4));
  m.RightWidth = Short(Field(value, 32, 4));
  m.BottomWidth = Short(Field(value, 37, 4));
  m.FrameCount = Short(Field(value, 42, 1));
  m.MaskLayout = Short(Field(value, 44, 1));
  m.DrawMode = Short(Field(value, 46, 1));
  m.BorderWidth = Short(Field(value, 48, 1));
  m.Kind = kBordersMask;
  return m;
}

void SetWidthsFromFrames(TsMaskData& m) {
  m.LeftWidth = m.RightWidth = Short(m.Rect.Width() / (3 * AtLeastOne(m.FrameCount)));
  m.TopWidth = m.BottomWidth = Short(m.Rect.Height() / (3 * AtLeastOne(m.MaskLayout + 1)));
}

// The four corner areas of every frame together cover the rows of the top and bottom bands times
// the columns of every frame's left and right bands. Scanning that product once, clipped to the
// image, finds a key pixel however many frames a hostile mask has and however wide its borders.
int32_t ComputeCornerFlag(const TsMaskData& m, const Image32& image) {
  if (image.Empty()) return 0;
  const int32_t frames = AtLeastOne(m.FrameCount);
  const int64_t frameWidth = m.Rect.Width() / frames;
  const int64_t top = m.Rect.Top, bottom = top + m.Rect.Height() / AtLeastOne(m.MaskLayout + 1);
  std::vector<Span> columns;
  for (int32_t f = 0; f < frames; ++f) {
    const int64_t left = m.Rect.Left + f * frameWidth, right = left + frameWidth;
    columns.push_back({left, m.LeftWidth});
    columns.push_back({right - m.RightWidth, m.RightWidth});
  }
  const std::vector<bool> inColumns = Covered(image.Width, columns);
  const std::vector<bool> inRows =
      Covered(image.Height, {{top, m.TopWidth}, {bottom - m.BottomWidth, m.BottomWidth}});
  for (int32_t y = 0; y < image.Height; ++y) {
    if (!inRows[size_t(y)]) continue;
    for (int32_t x = 0; x < image.Width; ++x)
      if (inColumns[size_t(x)] && image.At(x, y) == kKeyColour) return 1;
  }
  return 0;
}

void CompleteFrames(TsMaskData& m) {
  const int32_t width = m.Rect.Width(), height = m.Rect.Height();
  m.FrameWidth = m.FrameCount == 0 ? 0 : m.FrameCount == 1 ? width : width / m.FrameCount;
  m.FrameHeight = m.MaskLayout == -1  ? 0
                  : m.MaskLayout == 0 ? height
                  : m.MaskLayout == 1 ? height / 2
                                      : height / (m.MaskLayout + 1);
  if (m.FrameCount != 0) return;
  const int16_t bw = m.BorderWidth;
  auto complete = [&](int16_t& side, int32_t frameSize) {
    if (side <= 0) side = bw > 0 ? bw : Short(frameSize);
  };
  complete(m.LeftWidth, m.FrameWidth);
  complete(m.RightWidth, m.FrameWidth);
  complete(m.TopWidth, m.FrameHeight);
  complete(m.BottomWidth, m.FrameHeight);
  m.FrameCount = 1;
}

}  // namespace velmora::skin
