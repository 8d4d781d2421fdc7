#include "soundgen/measure/references.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <istream>
#include <ostream>
#include <sstream>

namespace soundgen {

void write_reference(std::ostream& out, const Reference& r) {
  out << "reference " << r.subject << ' ' << r.file << "\nfrom " << r.source << '\n';
  write_figures(out, r.figures);
  out << '\n';
}

std::vector<Reference> read_references(std::istream& in) {
  std::vector<Reference> out;
  for (std::string line; std::getline(in, line);) {
    std::istringstream words(line);
    std::string first;
    if (!(words >> first) || first.starts_with('#')) continue;
    if (first == "reference") {
      Reference r;
      if (words >> r.subject >> r.file) out.push_back(std::move(r));
    } else if (!out.empty() && first == "from") {
      std::getline(words >> std::ws, out.back().source);
    } else if (!out.empty()) {
      read_figure_line(line, out.back().figures);
    }
  }
  return out;
}

const std::vector<Subject>& compared_subjects() {
  static const std::vector<Subject> subjects = {
      {"thunder", {{"dogd_gr"}}, true, true},
      {"rain", {{"dogd"}, {"dogd2", 240, 480}}},
      {"howling-wind", {{"veter2"}}},
      {"leafy-wind", {{"veter1"}}},
      {"brook", {{"ruchey1"}, {"ruchey2"}}},
      {"crickets", {{"sverch1"}, {"sverch2"}}},
      {"fire", {{"koster1"}, {"koster2"}}, true},
  };
  return subjects;
}

namespace {

template <typename... Numbers>
std::string format(const char* pattern, Numbers... numbers) {
  char text[160];
  std::snprintf(text, sizeof text, pattern, numbers...);
  return text;
}

struct Judging {
  const Figures& ours;
  const std::vector<const Figures*>& references;
  Verdict verdict;

  std::vector<std::vector<double>> reference_values(const std::string& name) const {
    std::vector<std::vector<double>> values;
    for (const Figures* f : references)
      if (auto it = f->find(name); it != f->end()) values.push_back(it->second);
    return values;
  }
  double our(const std::string& name, size_t index = 0) const {
    const auto it = ours.find(name);
    return it != ours.end() && index < it->second.size() ? it->second[index] : std::nan("");
  }
  void record(const std::string& name, bool pass, const std::string& line) {
    verdict.lines.push_back((pass ? "  ok    " : "  FAIL  ") + name + ": " + line);
    if (!pass) verdict.failures.push_back(name);
  }

  // The references' range, widened by `ratio` (or by `margin` for figures in dB) so that a
  // subject with one or two recordings is not held to a single point.
  void within_range(const std::string& name, double ratio, double margin = 0) {
    double lo = INFINITY, hi = -INFINITY;
    for (const auto& v : reference_values(name)) {
      lo = std::min(lo, v.at(0));
      hi = std::max(hi, v.at(0));
    }
    lo = lo / ratio - margin;
    hi = hi * ratio + margin;
    const double x = our(name);
    record(name, x >= lo && x <= hi, format("%.4g against %.4g to %.4g", x, lo, hi));
  }

  // Our values and the references' mean where every reference has one; with `span`, only where
  // every reference lies within `span` dB of its own highest value (a band a recording holds no
  // sound in says nothing of its subject).
  std::pair<std::vector<double>, std::vector<double>> paired(const std::string& name, double span = INFINITY) const {
    auto refs = reference_values(name);
    for (auto& v : refs) {
      double top = -INFINITY;
      for (double x : v) top = std::isnan(x) ? top : std::max(top, x);
      for (double& x : v) x = x < top - span ? std::nan("") : x;
    }
    std::vector<double> a, b;
    const auto it = ours.find(name);
    if (it == ours.end() || refs.empty()) return {a, b};
    for (size_t k = 0; k < it->second.size(); ++k) {
      double sum = 0;
      bool all = !std::isnan(it->second[k]);
      for (const auto& v : refs) {
        all = all && k < v.size() && !std::isnan(v[k]);
        if (all) sum += v[k];
      }
      if (!all) continue;
      a.push_back(it->second[k]);
      b.push_back(sum / static_cast<double>(refs.size()));
    }
    return {a, b};
  }

  static double rms_difference(const std::vector<double>& a, const std::vector<double>& b) {
    double sum = 0;
    for (size_t k = 0; k < a.size(); ++k) sum += (a[k] - b[k]) * (a[k] - b[k]);
    return a.empty() ? INFINITY : std::sqrt(sum / static_cast<double>(a.size()));
  }

  static double correlation(const std::vector<double>& a, const std::vector<double>& b) {
    const double n = static_cast<double>(a.size());
    double ma = 0, mb = 0;
    for (size_t k = 0; k < a.size(); ++k) ma += a[k] / n, mb += b[k] / n;
    double ab = 0, aa = 0, bb = 0;
    for (size_t k = 0; k < a.size(); ++k) {
      ab += (a[k] - ma) * (b[k] - mb);
      aa += (a[k] - ma) * (a[k] - ma);
      bb += (b[k] - mb) * (b[k] - mb);
    }
    return aa > 0 && bb > 0 ? ab / std::sqrt(aa * bb) : 0;
  }

  void close_to_mean(const std::string& name, double max_rms, double span = INFINITY) {
    const auto [a, b] = paired(name, span);
    const double d = rms_difference(a, b);
    record(name, d <= max_rms, format("%.3g dB RMS from the references' mean over %.0f values (at most %.3g)", d,
                                      static_cast<double>(a.size()), max_rms));
  }

  void correlated(const std::string& name, double min_r) {
    const auto [a, b] = paired(name);
    const double r = correlation(a, b);
    record(name + " correlation", r >= min_r, format("%.3f with the references' mean over %.0f values (at least %.2g)",
                                                     r, static_cast<double>(a.size()), min_r));
  }
};

}  // namespace

Verdict judge(const Subject& subject, const Figures& ours, const std::vector<const Figures*>& references) {
  Judging j{ours, references, {}};
  j.close_to_mean("third_octave_db", 4.0, 40.0);
  j.within_range("centroid_hz", std::pow(2.0, 1.0 / 6));
  j.within_range("flatness_db", 1, 1.5);
  j.correlated("modulation_db", 0.8);
  j.close_to_mean("modulation_db", 4.0);
  if (subject.impulsive) {
    j.within_range("crest_db", 1, 1.5);
    for (const char* name : {"kurtosis_1_10_khz", "jumps_per_second", "small_onsets_per_second"})
      j.within_range(name, 1.25);
  }
  if (subject.heard_on_small_speakers) {
    const double share = j.our("share_above_300_hz");
    j.record("share_above_300_hz", share >= 0.25, format("%.3g of the A-weighted power (at least %.2g)", share, 0.25));
  }
  return std::move(j.verdict);
}

}  // namespace soundgen
