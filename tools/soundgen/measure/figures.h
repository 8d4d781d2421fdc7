#pragma once
// Every figure the comparison with real recordings uses, by name, as the reference file stores
// them: one line per figure, its name and its values.
#include <iosfwd>
#include <map>
#include <string>
#include <vector>

#include "soundgen/measure/recording.h"

namespace soundgen {

using Figures = std::map<std::string, std::vector<double>>;

Figures measure_figures(const Recording& recording);

// The figures' own lines ("name v1 v2 ..."; NaN as "nan").
void write_figures(std::ostream& out, const Figures& figures);
// Reads one line into `figures`; false when it is not a figure line.
bool read_figure_line(const std::string& line, Figures& figures);

}  // namespace soundgen
