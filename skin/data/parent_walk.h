#pragma once
#include <algorithm>
#include <cstddef>
#include <vector>

namespace velmora::skin {

// Follows a PARENTCLASS chain from `start` while step(section) finds nothing (returns below 0).
// A chain may be as deep as the skin has sections; one that returns to a section already visited
// is a cycle, and the walk ends there with -1. Most chains are a few links long and are checked
// against a short list; a longer one gets a visited set as large as the skin.
template <typename Step, typename Parent>
int WalkParents(int start, size_t sectionCount, Step step, Parent parent) {
  constexpr int kShort = 16;
  int recent[kShort];
  int count = 0;
  std::vector<bool> visited;
  for (int at = start; at >= 0 && size_t(at) < sectionCount; at = parent(at)) {
    if (count < kShort) {
      if (std::find(recent, recent + count, at) != recent + count) return -1;
      recent[count++] = at;
    } else {
      if (visited.empty()) {
        visited.resize(sectionCount);
        for (const int seen : recent) visited[size_t(seen)] = true;
      }
      if (visited[size_t(at)]) return -1;
      visited[size_t(at)] = true;
    }
    if (const int found = step(at); found >= 0) return found;
  }
  return -1;
}

}  // namespace velmora::skin
