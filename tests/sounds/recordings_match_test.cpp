// Every generated sound whose subject has real recordings measured against their stored figures:
// spectral balance, centroid, flatness, envelope modulation and, where it crackles, its impulses.
//
// Environment: VELMORA_OUTPUT_DIR, the program's folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "soundgen/catalogue.h"
#include "soundgen/measure/references.h"

namespace soundgen {
namespace {

namespace fs = std::filesystem;

std::vector<Reference> stored_references() {
  std::ifstream in(VELMORA_REFERENCE_FIGURES);
  return read_references(in);
}

fs::path path_of(const std::string& name) {
  const char* folder = std::getenv("VELMORA_OUTPUT_DIR");
  for (const Recipe& r : catalogue())
    if (r.name == name) return fs::path(folder ? folder : "") / r.path();
  return {};
}

TEST(SoundsAgainstRecordings, EverySubjectHasRecordingsFromAStatedSource) {
  const std::vector<Reference> stored = stored_references();
  for (const Subject& subject : compared_subjects()) {
    SCOPED_TRACE(subject.name);
    const auto count = std::count_if(stored.begin(), stored.end(), [&](const Reference& r) { return r.subject == subject.name; });
    EXPECT_GE(count, 1);
  }
  for (const Reference& r : stored) {
    EXPECT_FALSE(r.source.empty()) << r.file;
    EXPECT_EQ(r.figures.size(), 12u) << r.file;
  }
}

TEST(SoundsAgainstRecordings, EachSoundHoldsUpAgainstItsSubjectsRecordings) {
  const std::vector<Reference> stored = stored_references();
  for (const Subject& subject : compared_subjects()) {
    std::vector<const Figures*> refs;
    for (const Reference& r : stored)
      if (r.subject == subject.name) refs.push_back(&r.figures);
    for (const Measured& m : subject.sounds) {
      SCOPED_TRACE(subject.name + ": " + m.sound);
      std::optional<Recording> recording = read_vorbis(path_of(m.sound));
      ASSERT_TRUE(recording.has_value());
      if (m.to > m.from) *recording = recording->span(m.from, m.to);
      const Verdict verdict = judge(subject, measure_figures(*recording), refs);
      std::string lines;
      for (const std::string& line : verdict.lines) lines += line + "\n";
      EXPECT_TRUE(verdict.failures.empty()) << lines;
    }
  }
}

}  // namespace
}  // namespace soundgen
