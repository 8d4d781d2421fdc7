// velmora-soundgen: renders every sound the scene plays and writes it, Ogg Vorbis encoded and
// without extension, into samp_povt/ and samp_raz/ under the given folder. The output depends
// only on this program: the same build writes the same bytes.
//
//   velmora-soundgen FOLDER [--only NAME]... [--spectrograms PICTURES]
//
// --only renders just the named sounds; --spectrograms also writes a PNG spectrogram of each
// sound and contact-sheet.png with all of them into PICTURES.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <optional>
#include <thread>

#include "soundgen/catalogue.h"
#include "soundgen/png_file.h"
#include "soundgen/vorbis_file.h"

namespace fs = std::filesystem;
using namespace soundgen;

namespace {

struct Options {
  fs::path output;
  std::vector<std::string> only;
  std::optional<fs::path> pictures;
};

std::optional<Options> parse(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if ((arg == "--only" || arg == "--spectrograms") && i + 1 < argc) {
      if (arg == "--only") options.only.push_back(argv[++i]);
      else options.pictures = argv[++i];
    } else if (options.output.empty() && !arg.starts_with("--")) {
      options.output = arg;
    } else {
      return std::nullopt;
    }
  }
  if (options.output.empty()) return std::nullopt;
  return options;
}

std::vector<const Recipe*> selected(const Options& options) {
  std::vector<const Recipe*> recipes;
  for (const Recipe& r : catalogue()) {
    if (options.only.empty() || std::find(options.only.begin(), options.only.end(), r.name) != options.only.end())
      recipes.push_back(&r);
  }
  return recipes;
}

// Written beside and renamed into place, so a reader never sees half a file.
void write_file(const fs::path& path, const std::vector<uint8_t>& bytes) {
  const fs::path partial = path.string() + ".partial";
  {
    std::ofstream out(partial, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + partial.string());
  }
  fs::rename(partial, path);
}

struct Job {
  const Recipe* recipe;
  size_t bytes = 0;
  Image picture;
};

void make(Job& job, const Options& options) {
  const Recipe& r = *job.recipe;
  const Sound sound = render_levelled(r);
  const std::vector<uint8_t> bytes = encode_vorbis(sound, r.vorbis_quality, r.serial());
  fs::create_directories(options.output / r.folder);
  write_file(options.output / r.folder / r.name, bytes);
  job.bytes = bytes.size();
  if (options.pictures) {
    job.picture = spectrogram(sound, 480, 160);
    write_png((*options.pictures / (r.name + ".png")).string(), job.picture);
  }
}

// Each worker takes the next job until none is left; the first failure is kept and reported.
void run_all(std::vector<Job>& jobs, const Options& options) {
  std::atomic<size_t> next{0};
  std::mutex failure_lock;
  std::exception_ptr failure;
  auto worker = [&] {
    for (size_t i = next++; i < jobs.size(); i = next++) {
      try {
        make(jobs[i], options);
      } catch (...) {
        std::lock_guard lock(failure_lock);
        if (!failure) failure = std::current_exception();
      }
    }
  };
  std::vector<std::thread> workers;
  for (unsigned n = std::max(1u, std::thread::hardware_concurrency()); n > 0; --n) workers.emplace_back(worker);
  for (std::thread& t : workers) t.join();
  if (failure) std::rethrow_exception(failure);
}

}  // namespace

int main(int argc, char** argv) {
  const std::optional<Options> options = parse(argc, argv);
  if (!options) {
    std::fprintf(stderr, "usage: velmora-soundgen FOLDER [--only NAME]... [--spectrograms PICTURES]\n");
    return 2;
  }
  const auto start = std::chrono::steady_clock::now();
  std::vector<Job> jobs;
  for (const Recipe* r : selected(*options)) jobs.push_back({r, 0, {}});
  // The longest renders go first, so the workers finish together.
  std::stable_sort(jobs.begin(), jobs.end(), [](const Job& a, const Job& b) {
    return a.recipe->cost_seconds > b.recipe->cost_seconds;
  });
  try {
    if (options->pictures) fs::create_directories(*options->pictures);
    run_all(jobs, *options);
    if (options->pictures) {
      std::vector<Labelled> sheet;
      for (const Recipe* r : selected(*options)) {
        for (Job& job : jobs)
          if (job.recipe == r) sheet.push_back({r->name, std::move(job.picture)});
      }
      write_png((*options->pictures / "contact-sheet.png").string(), contact_sheet(sheet, 4));
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "velmora-soundgen: %s\n", e.what());
    return 1;
  }
  size_t total = 0;
  for (const Job& job : jobs) total += job.bytes;
  const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("velmora-soundgen: %zu sounds, %.1f MB, %.1f s\n", jobs.size(), static_cast<double>(total) / 1e6, elapsed);
  return 0;
}
