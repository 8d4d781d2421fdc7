#include "soundgen/measure/figures.h"

#include <cmath>
#include <cstdio>
#include <ostream>
#include <sstream>

#include "soundgen/measure/impulses.h"
#include "soundgen/measure/modulation.h"
#include "soundgen/measure/spectrum_figures.h"

namespace soundgen {

Figures measure_figures(const Recording& r) {
  const LongTermSpectrum spectrum = long_term_spectrum(r);
  const Onsets onsets = onset_rates(r);
  return {
      {"seconds", {r.seconds()}},
      {"third_octave_db", third_octave_levels(spectrum)},
      {"centroid_hz", {spectral_centroid_hz(spectrum)}},
      {"centroid_spread_octaves", {centroid_spread_octaves(r)}},
      {"flatness_db", {spectral_flatness_db(spectrum)}},
      {"share_above_300_hz", {a_weighted_share_above(spectrum, 300)}},
      {"modulation_db", modulation_map(r)},
      {"level_range_db", {level_range_db(r)}},
      {"crest_db", {crest_factor_db(r)}},
      {"kurtosis_1_10_khz", {band_kurtosis(r)}},
      {"jumps_per_second", {onsets.jumps_per_second}},
      {"small_onsets_per_second", {onsets.small_per_second}},
  };
}

void write_figures(std::ostream& out, const Figures& figures) {
  for (const auto& [name, values] : figures) {
    out << name;
    for (double v : values) {
      char text[32];
      std::snprintf(text, sizeof text, std::isnan(v) ? " nan" : " %.4g", v);
      out << text;
    }
    out << '\n';
  }
}

bool read_figure_line(const std::string& line, Figures& figures) {
  std::istringstream in(line);
  std::string name, word;
  if (!(in >> name) || name.empty() || !std::isalpha(static_cast<unsigned char>(name[0]))) return false;
  std::vector<double> values;
  while (in >> word) {
    char* end = nullptr;
    const double v = std::strtod(word.c_str(), &end);
    if (end != word.c_str() + word.size()) return false;
    values.push_back(v);
  }
  if (values.empty()) return false;
  figures[name] = std::move(values);
  return true;
}

}  // namespace soundgen
