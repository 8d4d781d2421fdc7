// The generated sound set as the program finds it beside Velmora.exe: every file present and
// decodable, the right lengths, seamless loops, balanced levels, each subject's spectral
// signature, a small total, and the same bytes when generated again.
//
// Environment: VELMORA_OUTPUT_DIR, the program's folder; VELMORA_SOUNDGEN, the generator.
#include <gtest/gtest.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>

#include <unistd.h>

#include "soundgen/catalogue.h"
#include "soundgen/synth/analysis.h"
#include "soundgen/synth/levels.h"

namespace soundgen {
namespace {

namespace fs = std::filesystem;

fs::path from_environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? fs::path(value) : fs::path();
}

struct Decoded {
  int channels = 0;
  long rate = 0;
  Sound sound;
};

// Decodes with the reference decoder; an empty result means the file was not valid Vorbis.
Decoded decode(const fs::path& path) {
  Decoded out;
  OggVorbis_File file;
  if (ov_fopen(path.c_str(), &file) != 0) return out;
  std::unique_ptr<OggVorbis_File, int (*)(OggVorbis_File*)> owner(&file, &ov_clear);
  const vorbis_info* info = ov_info(&file, -1);
  out.channels = info->channels;
  out.rate = info->rate;
  float** pcm = nullptr;
  int section = 0;
  for (long n; (n = ov_read_float(&file, &pcm, 4096, &section)) > 0;) {
    out.sound.left.insert(out.sound.left.end(), pcm[0], pcm[0] + n);
    out.sound.right.insert(out.sound.right.end(), pcm[info->channels - 1], pcm[info->channels - 1] + n);
  }
  return out;
}

// Decoded once for the whole suite: the set is tens of minutes of audio.
class SoundSet : public testing::Test {
protected:
  static void SetUpTestSuite() {
    folder_ = from_environment("VELMORA_OUTPUT_DIR");
    for (const Recipe& r : catalogue()) decoded_.emplace(r.name, decode(folder_ / r.folder / r.name));
  }
  static const Sound& sound(const std::string& name) { return decoded_.at(name).sound; }
  static std::vector<double> spectrum(const std::string& name) { return average_spectrum(mono_mix(sound(name))); }

  static inline fs::path folder_;
  static inline std::map<std::string, Decoded> decoded_;
};

bool is_loop(const Recipe& r) { return r.shape == Shape::Loop; }

// Levels in dB of quarter-second windows, from running sums of squares.
class Levels {
public:
  explicit Levels(const Sound& s) : sums_(s.frames() + 1, 0.0) {
    for (size_t i = 0; i < s.frames(); ++i)
      sums_[i + 1] = sums_[i] + 0.5 * (s.left[i] * s.left[i] + s.right[i] * s.right[i]);
  }
  // Level of the window that starts `from` frames in.
  double at(size_t from) const {
    return 10 * std::log10((sums_[from + kWindow] - sums_[from]) / kWindow + 1e-12);
  }
  size_t frames() const { return sums_.size() - 1; }

  static constexpr size_t kWindow = 11025;

private:
  std::vector<double> sums_;
};

// Level change in dB from the loop's last quarter second to its first.
double seam_level_change(const Sound& s) {
  const Levels levels(s);
  return std::abs(levels.at(0) - levels.at(levels.frames() - Levels::kWindow));
}

// The largest change between a quarter second and the next anywhere within the sound: a drum's
// downbeat after the last stroke's tail, a chirp after a pause.
double largest_level_change(const Sound& s) {
  const Levels levels(s);
  std::vector<double> changes;
  for (size_t t = Levels::kWindow; t + Levels::kWindow <= levels.frames(); t += 441)
    changes.push_back(std::abs(levels.at(t) - levels.at(t - Levels::kWindow)));
  return *std::max_element(changes.begin(), changes.end());
}

// The names the scene opens, listed here independently of the generator's catalogue.
std::vector<std::string> expected_paths() {
  std::vector<std::string> paths;
  auto add = [&](const std::string& folder, const std::string& stem, int first, int last) {
    for (int n = first; n <= last; ++n) paths.push_back(folder + "/" + stem + std::to_string(n));
  };
  for (const char* stem : {"ruchey", "koster", "veter", "sverch", "bol"}) add("samp_povt", stem, 1, 2);
  add("samp_povt", "buben", 1, 5);
  add("samp_raz", "sverch", 3, 11);
  add("samp_raz", "ptic", 1, 10);
  for (const char* path : {"samp_povt/dogd", "samp_povt/dogd_gr", "samp_raz/dogd2", "samp_raz/dogd_gr3"})
    paths.push_back(path);
  return paths;
}

TEST_F(SoundSet, EveryNameIsPresentAndDecodesAsStereo44100) {
  std::vector<std::string> expected = expected_paths(), made;
  for (const Recipe& r : catalogue()) made.push_back(r.path());
  std::sort(expected.begin(), expected.end());
  std::sort(made.begin(), made.end());
  EXPECT_EQ(made, expected);
  for (const Recipe& r : catalogue()) {
    SCOPED_TRACE(r.path());
    EXPECT_TRUE(fs::is_regular_file(folder_ / r.folder / r.name));
    EXPECT_EQ(decoded_.at(r.name).channels, 2);
    EXPECT_EQ(decoded_.at(r.name).rate, 44100);
    EXPECT_GT(sound(r.name).frames(), 0u);
  }
}

TEST_F(SoundSet, BothFoldersTogetherStayUnderFortyMegabytes) {
  uintmax_t total = 0;
  for (const char* folder : {"samp_povt", "samp_raz"})
    for (const auto& entry : fs::directory_iterator(folder_ / folder)) total += entry.file_size();
  EXPECT_LE(total, 40'000'000u);
}

TEST_F(SoundSet, DurationsFitTheirUse) {
  for (const Recipe& r : catalogue()) {
    SCOPED_TRACE(r.name);
    const double s = sound(r.name).seconds();
    if (is_loop(r)) {
      EXPECT_GE(s, 30.0);
      EXPECT_LE(s, 90.0);
    } else if (r.name.starts_with("dogd")) {
      EXPECT_NEAR(s, 720.0, 30.0);
    } else {
      EXPECT_GE(s, 2.0);
      EXPECT_LE(s, 9.0);
    }
  }
}

TEST_F(SoundSet, LoopsFlowFromTheirEndIntoTheirStart) {
  for (const Recipe& r : catalogue()) {
    if (!is_loop(r)) continue;
    SCOPED_TRACE(r.name);
    const Sound& s = sound(r.name);
    // The jump across the seam is no bigger than the signal's ordinary steps...
    EXPECT_LE(seam_step(s), step_quantile(s, 0.999));
    // ...and the level changes across it no more than it does anywhere within.
    EXPECT_LE(seam_level_change(s), largest_level_change(s) + 0.5);
  }
}

TEST_F(SoundSet, LayersAreEquallyLoudDistantThunderQuieterAndNothingClips) {
  std::vector<double> layers;
  for (const Recipe& r : catalogue()) {
    SCOPED_TRACE(r.name);
    EXPECT_LT(peak(sound(r.name)), 0.98f);
    if (is_loop(r) && r.name != "dogd_gr") layers.push_back(loudness_lufs(sound(r.name)));
  }
  std::sort(layers.begin(), layers.end());
  const double median = layers[layers.size() / 2];
  EXPECT_LE(layers.back() - median, 3.0);
  EXPECT_LE(median - layers.front(), 3.0);
  EXPECT_LT(loudness_lufs(sound("dogd_gr")), median - 2.0);
}

TEST_F(SoundSet, EachSubjectHasItsSpectralSignature) {
  for (const char* name : {"sverch1", "sverch2", "sverch3", "sverch7", "sverch10"}) {
    SCOPED_TRACE(name);
    const double p = peak_frequency(spectrum(name), 50, 20000);
    EXPECT_GE(p, 3000);
    EXPECT_LE(p, 6000);
  }
  // The bush cricket hisses broadband from 8 kHz up.
  EXPECT_GT(peak_frequency(spectrum("sverch11"), 50, 20000), 8000);
  EXPECT_GT(band_share(spectrum("sverch11"), 8000, 22050), 0.5);
  for (int n = 1; n <= 10; ++n) {  // owls hoot low; wolves howl below a kilohertz too
    SCOPED_TRACE(n);
    EXPECT_LT(peak_frequency(spectrum("ptic" + std::to_string(n)), 50, 20000), n <= 5 ? 600 : 1000);
  }
  for (const char* name : {"ruchey1", "ruchey2", "dogd", "dogd2"}) {  // water is broadband
    SCOPED_TRACE(name);
    const std::vector<double> s = spectrum(name);
    // Recorded brooks hold only 1-4 % of their power between 250 and 500 Hz: their rush lies higher.
    const double low_share = std::string(name).starts_with("ruchey") ? 0.01 : 0.04;
    for (double lo : {250.0, 500.0, 1000.0, 2000.0}) EXPECT_GT(band_share(s, lo, 2 * lo), lo < 500 ? low_share : 0.04) << lo;
  }
  for (int n = 1; n <= 5; ++n) {  // a drum's body rings low
    EXPECT_LT(peak_frequency(spectrum("buben" + std::to_string(n)), 20, 20000), 250) << n;
  }
  EXPECT_GT(band_share(spectrum("dogd_gr"), 20, 400), 0.7);  // thunder rumbles
  for (const char* name : {"bol1", "bol2"}) EXPECT_LT(peak_frequency(spectrum(name), 50, 20000), 3000) << name;
  for (const char* name : {"koster1", "koster2"})  // fire: crackles reach high over a low roar
    EXPECT_GT(band_share(spectrum(name), 2000, 12000), 0.05) << name;
  // Wind howls below 2 kHz, but leaves rustle above it: recordings of wind in leaves hold about
  // 88 % of their power between 2.2 and 11 kHz and only 12 % from 50 Hz to 2 kHz.
  EXPECT_GT(band_share(spectrum("veter2"), 50, 2000), 0.6);
  EXPECT_GT(band_share(spectrum("veter1"), 2000, 12000), 0.6);
}

// Levels in dB of the octave bands from 62.5 Hz to 16 kHz.
std::vector<double> octave_levels(const std::vector<double>& spectrum) {
  std::vector<double> levels;
  for (double lo = 62.5; lo < 16000; lo *= 2) levels.push_back(10 * std::log10(band_share(spectrum, lo, 2 * lo) + 1e-12));
  return levels;
}

TEST_F(SoundSet, TheTwoVariantsOfALayerSoundClearlyDifferent) {
  for (const char* layer : {"ruchey", "koster", "veter", "sverch", "bol"}) {
    SCOPED_TRACE(layer);
    const std::vector<double> a = octave_levels(spectrum(std::string(layer) + "1"));
    const std::vector<double> b = octave_levels(spectrum(std::string(layer) + "2"));
    double difference = 0;
    for (size_t k = 0; k < a.size(); ++k) difference += std::abs(a[k] - b[k]) / static_cast<double>(a.size());
    EXPECT_GT(difference, 3.0);
  }
}

TEST_F(SoundSet, TheLongRainsStartGentlyAndTaperToTheirEnd) {
  for (const char* name : {"dogd2", "dogd_gr3"}) {
    SCOPED_TRACE(name);
    const Sound& s = sound(name);
    const double middle = rms(s, 200, 260);
    EXPECT_LT(rms(s, 0, 10), middle * 0.1);
    EXPECT_LT(rms(s, 30, 40), rms(s, 80, 90));
    EXPECT_LT(rms(s, s.seconds() - 60, s.seconds() - 50), middle * 0.5);
    EXPECT_LT(rms(s, s.seconds() - 3, s.seconds()), middle * 0.01);
  }
}

std::vector<char> bytes_of(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST_F(SoundSet, GeneratingAgainWritesTheSameBytes) {
  const fs::path again = fs::temp_directory_path() / ("velmora-soundgen-" + std::to_string(::getpid()));
  const std::vector<std::string> names = {"sverch3", "ptic1", "buben2"};
  std::string command = from_environment("VELMORA_SOUNDGEN").string() + " " + again.string();
  for (const std::string& n : names) command += " --only " + n;
  ASSERT_EQ(std::system((command + " >/dev/null").c_str()), 0) << command;
  for (const Recipe& r : catalogue()) {
    if (std::find(names.begin(), names.end(), r.name) == names.end()) continue;
    EXPECT_EQ(bytes_of(again / r.folder / r.name), bytes_of(folder_ / r.folder / r.name)) << r.name;
  }
  fs::remove_all(again);
}

}  // namespace
}  // namespace soundgen
