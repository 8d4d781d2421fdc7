#include "soundgen/synth/spectrogram.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "soundgen/synth/analysis.h"

namespace soundgen {
namespace {

constexpr size_t kFftSize = 2048;
constexpr double kLowHz = 40, kHighHz = 20000, kRangeDb = 75;
constexpr int kFramesPerColumn = 4;

// Dark blue through purple and orange to pale yellow.
void colour(double level, uint8_t* out) {
  static constexpr std::array<std::array<double, 3>, 5> kStops = {{
      {0, 0, 4}, {60, 15, 110}, {185, 55, 85}, {250, 150, 30}, {252, 255, 165}}};
  const double x = std::clamp(level, 0.0, 1.0) * (kStops.size() - 1);
  const size_t i = std::min(static_cast<size_t>(x), kStops.size() - 2);
  const double f = x - static_cast<double>(i);
  for (int c = 0; c < 3; ++c)
    out[c] = static_cast<uint8_t>(kStops[i][c] + f * (kStops[i + 1][c] - kStops[i][c]));
}

// Mean power per column and row, in dB.
std::vector<double> cell_levels(const Sound& sound, int width, int height) {
  const std::vector<float> mono = mono_mix(sound);
  const double bin_hz = static_cast<double>(kSampleRate) / kFftSize;
  std::vector<double> cells(static_cast<size_t>(width) * height, 0.0);
  for (int x = 0; x < width; ++x) {
    std::vector<double> power(kFftSize / 2, 0.0);
    for (int k = 0; k < kFramesPerColumn; ++k) {
      const double t = (x + (k + 0.5) / kFramesPerColumn) / width;
      const auto start = static_cast<size_t>(t * static_cast<double>(mono.size()));
      const std::vector<double> p = frame_power(mono, start > kFftSize / 2 ? start - kFftSize / 2 : 0, kFftSize);
      for (size_t b = 0; b < power.size(); ++b) power[b] += p[b];
    }
    for (int y = 0; y < height; ++y) {
      const double lo = kLowHz * std::pow(kHighHz / kLowHz, static_cast<double>(height - 1 - y) / height);
      const double hi = kLowHz * std::pow(kHighHz / kLowHz, static_cast<double>(height - y) / height);
      const auto b0 = static_cast<size_t>(lo / bin_hz);
      const auto b1 = std::max(b0 + 1, static_cast<size_t>(hi / bin_hz));
      double sum = 0;
      for (size_t b = b0; b < b1 && b < power.size(); ++b) sum += power[b];
      cells[static_cast<size_t>(y) * width + x] = 10 * std::log10(sum / static_cast<double>(b1 - b0) + 1e-20);
    }
  }
  return cells;
}

// A 3x5 pixel font for the names in a contact sheet: lower-case letters, digits and '_'.
const std::array<uint16_t, 37>& glyphs() {
  static constexpr std::array<uint16_t, 37> kGlyphs = {
      0x7B6F, 0x2C97, 0x73E7, 0x73CF, 0x5BC9, 0x79CF, 0x79EF, 0x7249, 0x7BEF, 0x7BCF,  // 0-9
      0x2BED, 0x6BAE, 0x7927, 0x6B6E, 0x79A7, 0x79A4, 0x796F, 0x5BED, 0x7497, 0x126A,  // a-j
      0x5BAD, 0x4927, 0x5FED, 0x6B6D, 0x2B6A, 0x6BA4, 0x2B79, 0x6BAD, 0x388E, 0x7492,  // k-t
      0x5B6F, 0x5B6A, 0x5BFD, 0x5AAD, 0x5A92, 0x72A7, 0x0007};                          // u-z, _
  return kGlyphs;
}

void draw_text(Image& image, const std::string& text, int x0, int y0, int scale) {
  for (size_t n = 0; n < text.size(); ++n) {
    const char c = text[n];
    int index = -1;
    if (c >= '0' && c <= '9') index = c - '0';
    else if (c >= 'a' && c <= 'z') index = 10 + (c - 'a');
    else if (c == '_') index = 36;
    if (index < 0) continue;
    const uint16_t bits = glyphs()[index];
    for (int row = 0; row < 5; ++row)
      for (int col = 0; col < 3; ++col) {
        if (!(bits >> (14 - (row * 3 + col)) & 1)) continue;
        for (int dy = 0; dy < scale; ++dy)
          for (int dx = 0; dx < scale; ++dx) {
            const int x = x0 + (static_cast<int>(n) * 4 + col) * scale + dx, y = y0 + row * scale + dy;
            if (x < image.width && y < image.height) std::fill_n(image.pixel(x, y), 3, uint8_t{255});
          }
      }
  }
}

}  // namespace

Image spectrogram(const Sound& sound, int width, int height) {
  const std::vector<double> cells = cell_levels(sound, width, height);
  const double top = *std::max_element(cells.begin(), cells.end());
  Image image(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      colour(1 - (top - cells[static_cast<size_t>(y) * width + x]) / kRangeDb, image.pixel(x, y));
  return image;
}

Image contact_sheet(const std::vector<Labelled>& images, int columns) {
  constexpr int kGap = 6, kLabel = 16, kScale = 2;
  if (images.empty()) return {};
  const int cell_w = images.front().image.width, cell_h = images.front().image.height;
  const int rows = (static_cast<int>(images.size()) + columns - 1) / columns;
  Image sheet(columns * (cell_w + kGap) + kGap, rows * (cell_h + kLabel + kGap) + kGap);
  std::fill(sheet.rgb.begin(), sheet.rgb.end(), uint8_t{24});
  for (size_t n = 0; n < images.size(); ++n) {
    const int x0 = kGap + static_cast<int>(n % columns) * (cell_w + kGap);
    const int y0 = kGap + static_cast<int>(n / columns) * (cell_h + kLabel + kGap);
    draw_text(sheet, images[n].name, x0, y0 + 2, kScale);
    const Image& image = images[n].image;
    for (int y = 0; y < std::min(cell_h, image.height); ++y)
      for (int x = 0; x < std::min(cell_w, image.width); ++x)
        std::copy_n(image.pixel(x, y), 3, sheet.pixel(x0 + x, y0 + kLabel + y));
  }
  return sheet;
}

}  // namespace soundgen
