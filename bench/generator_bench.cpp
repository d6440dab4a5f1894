// Generator benchmarks: full runs at levels 1 and 3, with and without rooms, and single steps
// early in a run of a large school. Schools: a generated 33-class school, every bundled example
// found in misollar/ beside the executable, and the files named in JADVALON_BENCH_FILE
// (several separated by ':').
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "bench_school.h"
#include "generator/run_control.h"
#include "model/occupancy_index.h"
#include "storage/stored_image.h"

namespace jadvalon::bench {
namespace {

struct School {
  std::string name;
  std::unique_ptr<TLoyiha> image;
};

std::vector<School> loadSchools() {
  std::vector<School> schools;
  {
    const LanguageTable texts;
    SilentPrompter prompter;
    Project project(texts, prompter);
    buildLargeSchool(project);
    schools.push_back({"generated-33", std::make_unique<TLoyiha>(project.image())});
  }
  std::vector<std::filesystem::path> files;
  std::error_code error;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error && std::filesystem::is_directory(exe.parent_path() / "misollar"))
    for (const auto& entry : std::filesystem::directory_iterator(exe.parent_path() / "misollar"))
      if (entry.path().extension() == ".nol") files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  if (const char* list = std::getenv("JADVALON_BENCH_FILE")) {
    std::string paths = list;
    for (std::size_t start = 0; start <= paths.size();) {
      const std::size_t end = std::min(paths.find(':', start), paths.size());
      if (end > start) files.emplace_back(paths.substr(start, end - start));
      start = end + 1;
    }
  }
  for (const auto& file : files) {
    ReadResult read = readImageFile(file);
    if (read.ok())
      schools.push_back({file.stem().string(), std::move(read.image)});
    else
      std::fprintf(stderr, "generator_bench: %s cannot be read\n", file.c_str());
  }
  return schools;
}

// A project holding a copy of a school, ready for runs.
struct Bench {
  LanguageTable texts;
  SilentPrompter prompter;
  Project project{texts, prompter};
  OccupancyIndex index;

  void reset(const TLoyiha& image) {
    project.replaceImage(image);
    project.clearUnlockedPlacements();
    project.random().reseed(1);
  }
};

double median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

void fullRun(benchmark::State& state, const TLoyiha* image, int level, bool rooms) {
  Bench bench;
  std::vector<double> stepMs;
  GeneratorOptions options;
  options.level = level;
  options.considerRooms = rooms;
  for (auto _ : state) {
    state.PauseTiming();
    bench.reset(*image);
    RunControl run(bench.project, bench.index);
    stepMs.clear();
    state.ResumeTiming();
    run.start(options);
    for (bool more = true; more;) {
      const auto before = std::chrono::steady_clock::now();
      more = run.step();
      stepMs.push_back(
          std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - before)
              .count());
    }
    state.counters["steps"] = run.steps();
    state.counters["placed_%"] =
        run.totalHalfUnits() ? 100.0 * run.placedHalfUnits() / run.totalHalfUnits() : 100.0;
    state.counters["median_step_ms"] = median(stepMs);
    state.counters["max_step_ms"] = *std::max_element(stepMs.begin(), stepMs.end());
  }
}

// One step early in a run (steps 21 to 40 after the start), where most lessons are pending.
void earlyStep(benchmark::State& state, const TLoyiha* image, int level) {
  Bench bench;
  GeneratorOptions options;
  options.level = level;
  auto run = std::make_unique<RunControl>(bench.project, bench.index);
  auto restart = [&] {
    bench.reset(*image);
    run = std::make_unique<RunControl>(bench.project, bench.index);
    run->start(options);
    for (int i = 0; i < 20; ++i) run->step();
  };
  restart();
  for (auto _ : state) {
    if (run->steps() >= 40 || !run->running()) {
      state.PauseTiming();
      restart();
      state.ResumeTiming();
    }
    benchmark::DoNotOptimize(run->step());
  }
}

void registerAll() {
  static std::vector<School> schools = loadSchools();
  for (const School& school : schools) {
    for (const int level : {1, 3})
      for (const bool rooms : {true, false})
        benchmark::RegisterBenchmark(("FullRun/" + school.name + "/level" + std::to_string(level) +
                                      (rooms ? "/rooms" : "/no-rooms"))
                                         .c_str(),
                                     fullRun, school.image.get(), level, rooms)
            ->Iterations(1)
            ->Unit(benchmark::kSecond)
            ->UseRealTime();
  }
  // The largest school by lesson count for the single-step figures.
  const School& largest = *std::max_element(
      schools.begin(), schools.end(),
      [](const School& a, const School& b) { return a.image->lessonCount < b.image->lessonCount; });
  for (const int level : {1, 3})
    benchmark::RegisterBenchmark(
        ("EarlyStep/" + largest.name + "/level" + std::to_string(level)).c_str(), earlyStep,
        largest.image.get(), level)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
}

}  // namespace
}  // namespace jadvalon::bench

int main(int argc, char** argv) {
  jadvalon::bench::registerAll();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
