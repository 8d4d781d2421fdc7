// velmora-soundcompare: measures sounds the way they are compared with real recordings of their
// subjects, and keeps the recordings' figures.
//
//   velmora-soundcompare measure FILE...             the figures of Ogg Vorbis files
//   velmora-soundcompare references CACHE            figures of every recording in CACHE/SUBJECT/,
//                                                    written as the repository stores them
//   velmora-soundcompare compare FOLDER FIGURES [SUBJECT]
//                                                    every compared sound in the program's FOLDER
//                                                    (or the subject's) against FIGURES; fails when
//                                                    one falls short
//   velmora-soundcompare sheet CACHE FOLDER PICTURE  a PNG of each subject's sounds (first ten
//                                                    seconds) beside its recordings
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "soundgen/catalogue.h"
#include "soundgen/measure/references.h"
#include "soundgen/png_file.h"

namespace fs = std::filesystem;
using namespace soundgen;

namespace {

int measure(int count, char** files) {
  for (int i = 0; i < count; ++i) {
    const auto recording = read_vorbis(files[i]);
    if (!recording) {
      std::fprintf(stderr, "velmora-soundcompare: %s is not an Ogg Vorbis file\n", files[i]);
      return 1;
    }
    std::cout << "# " << files[i] << '\n';
    write_figures(std::cout, measure_figures(*recording));
  }
  return 0;
}

std::string first_line(const fs::path& path) {
  std::ifstream in(path);
  std::string line;
  std::getline(in, line);
  return line;
}

// A source ending in "from A to B s" names the part of the recording that holds the subject alone.
Recording excerpt(const Recording& recording, const std::string& source) {
  double from = 0, to = 0;
  const size_t at = source.rfind(" from ");
  if (at == std::string::npos || std::sscanf(source.c_str() + at, " from %lf to %lf s", &from, &to) != 2) return recording;
  return recording.span(from, to);
}

// Each recording CACHE/SUBJECT/NAME.ogg comes with NAME.source: the package and path it is from.
int references(const fs::path& cache) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::recursive_directory_iterator(cache))
    if (entry.path().extension() == ".ogg") files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  std::cout << "# Figures of real recordings of each subject, made by `velmora-soundcompare references`\n"
               "# from the recordings scripts/sound-references.sh fetches. Numbers only: the recordings\n"
               "# themselves are never kept here.\n\n";
  for (const fs::path& file : files) {
    const auto recording = read_vorbis(file);
    if (!recording) {
      std::fprintf(stderr, "velmora-soundcompare: cannot decode %s\n", file.c_str());
      return 1;
    }
    fs::path source_file = file;
    const std::string source = first_line(source_file.replace_extension(".source"));
    write_reference(std::cout, {file.parent_path().filename().string(), file.stem().string(), source,
                                measure_figures(excerpt(*recording, source))});
  }
  return 0;
}

const Recipe& recipe_named(const std::string& name) {
  const auto& list = catalogue();
  return *std::find_if(list.begin(), list.end(), [&](const Recipe& r) { return r.name == name; });
}

int compare(const fs::path& folder, const fs::path& figures_file, const std::string& only) {
  std::ifstream in(figures_file);
  const std::vector<Reference> stored = read_references(in);
  int failures = 0;
  for (const Subject& subject : compared_subjects()) {
    if (!only.empty() && subject.name != only) continue;
    std::vector<const Figures*> refs;
    for (const Reference& r : stored)
      if (r.subject == subject.name) refs.push_back(&r.figures);
    for (const Measured& m : subject.sounds) {
      const fs::path path = folder / recipe_named(m.sound).path();
      auto recording = read_vorbis(path);
      if (!recording) {
        std::fprintf(stderr, "velmora-soundcompare: cannot decode %s\n", path.c_str());
        return 1;
      }
      if (m.to > m.from) *recording = recording->span(m.from, m.to);
      const Verdict v = judge(subject, measure_figures(*recording), refs);
      std::cout << subject.name << ": " << m.sound << " against " << refs.size() << " recordings\n";
      for (const std::string& line : v.lines) std::cout << line << '\n';
      failures += static_cast<int>(v.failures.size());
    }
  }
  std::cout << failures << " figures outside the recordings'\n";
  return failures == 0 ? 0 : 1;
}

// The first ten seconds as the generator's spectrograms take them: two channels at its rate.
Sound pictured(const Recording& r) {
  const double step = r.rate / kSampleRate;
  Sound sound(frames_for(std::min(10.0, r.seconds())));
  for (size_t i = 0; i < sound.frames(); ++i) {
    const double at = static_cast<double>(i) * step;
    const auto k = static_cast<size_t>(at);
    const double f = at - static_cast<double>(k);
    const float next = k + 1 < r.samples.size() ? r.samples[k + 1] : 0.0f;
    sound.left[i] = sound.right[i] = static_cast<float>((1 - f) * r.samples[std::min(k, r.samples.size() - 1)] + f * next);
  }
  return sound;
}

// The sheet's names take lower-case letters, digits and '_'.
std::string label(std::string name) {
  for (char& c : name)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return name;
}

int sheet(const fs::path& cache, const fs::path& folder, const fs::path& picture) {
  constexpr size_t kColumns = 4;
  std::vector<Labelled> cells;
  for (const Subject& subject : compared_subjects()) {
    for (const Measured& m : subject.sounds) {
      const auto recording = read_vorbis(folder / recipe_named(m.sound).path());
      cells.push_back({label(m.sound), recording ? spectrogram(pictured(recording->span(m.from, m.from + 10)), 480, 160) : Image()});
    }
    std::vector<fs::path> recordings;
    if (fs::is_directory(cache / subject.name))
      for (const auto& entry : fs::directory_iterator(cache / subject.name))
        if (entry.path().extension() == ".ogg") recordings.push_back(entry.path());
    std::sort(recordings.begin(), recordings.end());
    for (fs::path r : recordings) {
      const auto recording = read_vorbis(r);
      const std::string source = first_line(r.replace_extension(".source"));
      cells.push_back({label("rec_" + r.stem().string()),
                       recording ? spectrogram(pictured(excerpt(*recording, source)), 480, 160) : Image()});
    }
    while (cells.size() % kColumns) cells.push_back({"", Image()});
  }
  try {
    write_png(picture.string(), contact_sheet(cells, static_cast<int>(kColumns)));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "velmora-soundcompare: %s\n", e.what());
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "measure" && argc > 2) return measure(argc - 2, argv + 2);
  if (command == "references" && argc == 3) return references(argv[2]);
  if (command == "sheet" && argc == 5) return sheet(argv[2], argv[3], argv[4]);
  if (command == "compare" && (argc == 4 || argc == 5)) return compare(argv[2], argv[3], argc == 5 ? argv[4] : "");
  std::fprintf(stderr,
               "usage: velmora-soundcompare measure FILE...\n"
               "       velmora-soundcompare references CACHE\n"
               "       velmora-soundcompare compare FOLDER FIGURES [SUBJECT]\n"
               "       velmora-soundcompare sheet CACHE FOLDER PICTURE\n");
  return 2;
}
