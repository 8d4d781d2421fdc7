#pragma once
// The figures of real recordings, stored in the repository (never the recordings), and the
// judgement of a generated sound against the recordings of its subject.
#include <iosfwd>
#include <string>
#include <vector>

#include "soundgen/measure/figures.h"

namespace soundgen {

struct Reference {
  std::string subject, file;
  std::string source;  // the package and the path inside it
  Figures figures;
};

// Records: "reference SUBJECT FILE", "from SOURCE...", then the figure lines; '#' comments.
void write_reference(std::ostream& out, const Reference& reference);
std::vector<Reference> read_references(std::istream& in);

// A generated sound measured against a subject's recordings; `span` in seconds, {0, 0} for all
// of it (the long rains are measured where they rain steadily).
struct Measured {
  std::string sound;
  double from = 0, to = 0;
};
struct Subject {
  std::string name;
  std::vector<Measured> sounds;
  bool impulsive = false;  // crest, kurtosis and onsets are judged too
  bool heard_on_small_speakers = false;  // a quarter of its A-weighted power above 300 Hz
};
const std::vector<Subject>& compared_subjects();

struct Verdict {
  std::vector<std::string> lines;     // each figure: ours, the references', pass or fail
  std::vector<std::string> failures;  // the failing figures' names
};
Verdict judge(const Subject& subject, const Figures& ours, const std::vector<const Figures*>& references);

}  // namespace soundgen
