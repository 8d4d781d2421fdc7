// Device-independent bitmaps: every bit depth (1, 4, 8, 16, 24, 32), palettes, bit fields, RLE4
// and RLE8, bottom-up and top-down rows, and the old 12-byte core header.
#include <bit>
#include <string>

#include "skin/data/decoded_image.h"
#include "skin/data/skin_error.h"

namespace velmora::skin {
namespace {

enum Compression : uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kAlphaBitFields = 6 };

[[noreturn]] void Fail(const char* what) { throw SkinError(std::string("Bitmap image: ") + what); }

uint32_t U16(std::span<const uint8_t> b, size_t at) {
  if (at + 2 > b.size()) Fail("header is truncated");
  return b[at] | b[at + 1] << 8;
}
uint32_t U32(std::span<const uint8_t> b, size_t at) {
  if (at + 4 > b.size()) Fail("header is truncated");
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | uint32_t(b[at + 3]) << 24;
}

struct Channel {
  uint32_t mask = 0;
  int shift = 0;
  int bits = 0;
  explicit Channel(uint32_t m = 0)
      : mask(m), shift(m ? std::countr_zero(m) : 0), bits(std::popcount(m)) {}
  uint32_t Extract(uint32_t value) const {
    if (bits == 0) return 0;
    uint32_t v = (value & mask) >> shift;
    if (bits > 8) return v >> (bits - 8);
    return bits == 8 ? v : v * 255 / ((1u << bits) - 1);
  }
};

struct BmpHeader {
  int64_t width = 0, height = 0;
  bool topDown = false;
  uint32_t bitCount = 0, compression = kRgb, colorsUsed = 0;
  size_t paletteAt = 0, paletteEntrySize = 4, pixelsAt = 0;
  Channel red, green, blue, alpha;
  bool hasMasks = false;
};

BmpHeader ReadHeader(std::span<const uint8_t> b) {
  if (b.size() < 14 || b[0] != 'B' || b[1] != 'M') Fail("the signature is missing");
  BmpHeader h;
  h.pixelsAt = U32(b, 10);
  const uint32_t infoSize = U32(b, 14);
  const size_t info = 14;
  if (infoSize == 12) {
    h.width = U16(b, info + 4);
    h.height = U16(b, info + 6);
    h.bitCount = U16(b, info + 10);
    h.paletteEntrySize = 3;
  } else if (infoSize >= 40 && infoSize <= 4096) {
    h.width = static_cast<int32_t>(U32(b, info + 4));
    const int32_t height = static_cast<int32_t>(U32(b, info + 8));
    h.topDown = height < 0;
    h.height = h.topDown ? -int64_t(height) : height;
    h.bitCount = U16(b, info + 14);
    h.compression = U32(b, info + 16);
    h.colorsUsed = U32(b, info + 32);
    if (h.compression == kBitFields || h.compression == kAlphaBitFields) {
      // Masks live inside the larger headers, or right after the 40-byte one.
      const size_t masksAt = info + 40;
      h.red = Channel(U32(b, masksAt));
      h.green = Channel(U32(b, masksAt + 4));
      h.blue = Channel(U32(b, masksAt + 8));
      const bool alphaStored = infoSize >= 56 || h.compression == kAlphaBitFields;
      if (alphaStored) h.alpha = Channel(U32(b, masksAt + 12));
      h.hasMasks = true;
      if (infoSize == 40) h.paletteAt = masksAt + (h.compression == kAlphaBitFields ? 16 : 12);
    }
  } else {
    Fail("the header kind is unknown");
  }
  if (h.paletteAt == 0) h.paletteAt = info + infoSize;
  if (h.width <= 0 || h.height <= 0) Fail("the size is empty");
  CheckImageSize(h.width, h.height);  // before any size is computed from the header's
  if (h.topDown && (h.compression == kRle8 || h.compression == kRle4))
    Fail("RLE rows are top-down");
  return h;
}

std::vector<uint32_t> ReadPalette(std::span<const uint8_t> b, const BmpHeader& h) {
  const uint32_t full = 1u << h.bitCount;
  const uint32_t count = h.colorsUsed == 0 || h.colorsUsed > full ? full : h.colorsUsed;
  std::vector<uint32_t> palette(full, 0);
  for (uint32_t i = 0; i < count; ++i) {
    const size_t at = h.paletteAt + i * h.paletteEntrySize;
    if (at + 3 > b.size()) Fail("the palette is truncated");
    palette[i] = b[at] | b[at + 1] << 8 | b[at + 2] << 16;
  }
  return palette;
}

// In 64 bits: size_t is 32 bits wide in the program, where a wide header could wrap it to 0.
uint64_t RowStride(const BmpHeader& h) {
  return (uint64_t(h.width) * h.bitCount + 31) / 32 * 4;
}

// Checked before the image is made, so that a header cannot claim more than the data holds.
void CheckRows(std::span<const uint8_t> b, const BmpHeader& h) {
  if (h.pixelsAt > b.size() || (b.size() - h.pixelsAt) / RowStride(h) < uint64_t(h.height)) {
    Fail("the pixel data is truncated");
  }
}

uint32_t PixelOfRow(const uint8_t* row, int64_t x, const BmpHeader& h,
                    const std::vector<uint32_t>& palette) {
  switch (h.bitCount) {
    case 1:
      return palette[row[x >> 3] >> (7 - (x & 7)) & 1];
    case 4:
      return palette[row[x >> 1] >> ((x & 1) ? 0 : 4) & 15];
    case 8:
      return palette[row[x]];
    case 24:
      return row[3 * x] | row[3 * x + 1] << 8 | row[3 * x + 2] << 16;
    default:
      break;
  }
  const uint32_t value = h.bitCount == 16
                             ? uint32_t(row[2 * x] | row[2 * x + 1] << 8)
                             : uint32_t(row[4 * x] | row[4 * x + 1] << 8 | row[4 * x + 2] << 16 |
                                        uint32_t(row[4 * x + 3]) << 24);
  if (!h.hasMasks) {
    if (h.bitCount == 32) return value;
    return Channel(0x7C00).Extract(value) << 16 | Channel(0x03E0).Extract(value) << 8 |
           Channel(0x001F).Extract(value);
  }
  const uint32_t alpha = h.alpha.bits ? h.alpha.Extract(value) : 0xFF;
  return alpha << 24 | h.red.Extract(value) << 16 | h.green.Extract(value) << 8 |
         h.blue.Extract(value);
}

void ReadUncompressed(std::span<const uint8_t> b, const BmpHeader& h,
                      const std::vector<uint32_t>& palette, Image32& out) {
  const size_t stride = static_cast<size_t>(RowStride(h));  // CheckRows bounded it by the data
  for (int64_t y = 0; y < h.height; ++y) {
    const uint8_t* row = b.data() + h.pixelsAt + size_t(y) * stride;
    const int32_t outY = static_cast<int32_t>(h.topDown ? y : h.height - 1 - y);
    for (int64_t x = 0; x < h.width; ++x) out.At(int32_t(x), outY) = PixelOfRow(row, x, h, palette);
  }
}

// RLE runs and escapes; pixels that no run reaches stay 0.
void ReadRunLength(std::span<const uint8_t> b, const BmpHeader& h,
                   const std::vector<uint32_t>& palette, Image32& out) {
  const bool four = h.compression == kRle4;
  size_t at = h.pixelsAt;
  int64_t x = 0, y = 0;  // y counts rows from the bottom
  auto put = [&](uint32_t index) {
    if (x < h.width && y < h.height) out.At(int32_t(x), int32_t(h.height - 1 - y)) = palette[index];
    ++x;
  };
  while (at + 2 <= b.size() && y < h.height) {
    const uint8_t count = b[at], value = b[at + 1];
    at += 2;
    if (count > 0) {
      for (int i = 0; i < count; ++i) put(four ? (i & 1 ? value & 15 : value >> 4) : value);
    } else if (value == 0) {
      x = 0, ++y;
    } else if (value == 1) {
      return;
    } else if (value == 2) {
      if (at + 2 > b.size()) break;
      x += b[at], y += b[at + 1];
      at += 2;
    } else {
      const size_t bytes = four ? (value + 1u) / 2 : value;
      if (at + bytes > b.size()) break;
      for (int i = 0; i < value; ++i) {
        put(four ? (i & 1 ? b[at + i / 2] & 15 : b[at + i / 2] >> 4) : b[at + i]);
      }
      at += (bytes + 1) & ~size_t(1);
    }
  }
}

}  // namespace

DecodedImage ReadBmp(std::span<const uint8_t> bytes) {
  const BmpHeader h = ReadHeader(bytes);
  const bool paletted = h.bitCount == 1 || h.bitCount == 4 || h.bitCount == 8;
  const bool rle =
      (h.compression == kRle8 && h.bitCount == 8) || (h.compression == kRle4 && h.bitCount == 4);
  const bool plain = h.compression == kRgb &&
                     (paletted || h.bitCount == 16 || h.bitCount == 24 || h.bitCount == 32);
  const bool fields = h.hasMasks && (h.bitCount == 16 || h.bitCount == 32);
  if (!rle && !plain && !fields) Fail("the bit depth or compression is not supported");
  const std::vector<uint32_t> palette = paletted ? ReadPalette(bytes, h) : std::vector<uint32_t>{};
  if (!rle) CheckRows(bytes, h);
  DecodedImage result{MakeImage(h.width, h.height), h.bitCount == 32};
  if (rle)
    ReadRunLength(bytes, h, palette, result.Pixels);
  else
    ReadUncompressed(bytes, h, palette, result.Pixels);
  return result;
}

}  // namespace velmora::skin
