// A count read from a file as 64 bits and kept in a size_t: in the 32-bit program this silently
// drops the upper half, so the build must refuse it.
#include <cstddef>
#include <cstdint>

std::size_t FrameCount(std::uint64_t stored) { return stored; }
