#pragma once
#include <cstddef>
#include <vector>

namespace velmora::skin {

// Follows a PARENTCLASS chain from `start` while step(section) finds nothing (returns below 0).
// A chain may be as deep as the skin has sections; one that returns to a section already visited
// is a cycle, and the walk ends there with -1.
template <typename Step, typename Parent>
int WalkParents(int start, size_t sectionCount, Step step, Parent parent) {
  std::vector<bool> visited(sectionCount);
  for (int at = start; at >= 0 && size_t(at) < sectionCount && !visited[size_t(at)];
       at = parent(at)) {
    visited[size_t(at)] = true;
    if (const int found = step(at); found >= 0) return found;
  }
  return -1;
}

}  // namespace velmora::skin
