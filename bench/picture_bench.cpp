// What the window's background costs: painting it at build time, decoding it at every start.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "picturegen/fern.h"
#include "picturegen/picture_files.h"
#include "skin/data/decoded_image.h"

namespace {

void BM_PaintFerns(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(picturegen::RenderFerns(800, 600));
}
BENCHMARK(BM_PaintFerns)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_DecodeFernPicture(benchmark::State& state) {
  const auto path = std::filesystem::temp_directory_path() / "velmora-bench-fern.jpg";
  picturegen::WriteJpeg(path.string(), picturegen::RenderFerns(800, 600), 90);
  std::ifstream file(path, std::ios::binary);
  const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
  std::filesystem::remove(path);
  for (auto _ : state) benchmark::DoNotOptimize(velmora::skin::ReadJpeg(bytes));
  state.counters["bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(BM_DecodeFernPicture)->Unit(benchmark::kMillisecond);

}  // namespace
