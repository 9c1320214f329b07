// Importing the official item database: 100,000 items of the publisher's
// shape read by the reader, against nlohmann::json::parse of the same text
// alone (the whole document built in memory). The reader keeps one item at a
// time, so its peak memory stays near the text's own size.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <nlohmann/json.hpp>
#include <random>
#include <string>

#include <unistd.h>
#include <filesystem>
#include <fstream>

#include "interop/item_import.h"
#include "interop/official_database_reader.h"

namespace qm {
namespace {

constexpr int kItems = 100000;

// Bonus rows as the database writes them: stats, skills, hit points,
// resists, focus, ToA bonuses, cap increases and mythical rows.
constexpr std::pair<int, int> kRows[] = {
    {1, 0},  {1, 2},  {1, 4},   {2, 101}, {2, 14},  {2, 300}, {4, 0},  {5, 10}, {5, 16},
    {5, 1},  {6, 66}, {6, 304}, {8, 0},   {10, 0},  {21, 0},  {22, 0}, {28, 2}, {29, 0},
    {34, 0}, {35, 6}, {64, 0},  {67, 0},  {68, 12}, {75, 3},  {53, 0}, {77, 0},
};

std::string RealisticDatabase() {
  std::mt19937 random(20261210);
  const auto pick = [&random](int below) {
    return static_cast<int>(random() % static_cast<unsigned>(below));
  };
  std::string text = "{\"version\": \"1.127\", \"items\": [\n";
  text.reserve(std::size_t{kItems} * 900);
  for (int i = 0; i < kItems; ++i) {
    if (i > 0) text += ",\n";
    const int category = 1 + pick(7);
    text += "{\"id\": " + std::to_string(10000 + i) + ", \"name\": \"Frostbound Relic " +
            std::to_string(i) + "\", \"realm\": " + std::to_string(pick(4)) +
            ", \"category\": " + std::to_string(category) +
            ", \"slot\": " + std::to_string(1 + pick(17)) +
            ", \"bonus_level\": " + std::to_string(20 + pick(31)) +
            ", \"requirements\": {\"level_required\": " + std::to_string(35 + pick(16)) +
            ", \"usable_by\": [" + std::to_string(1 + pick(13)) + ", " +
            std::to_string(21 + pick(14)) + ", " + std::to_string(39 + pick(12)) + "]}";
    if (category <= 3) {
      text += ", \"type_data\": {\"skill_used\": " + std::to_string(1 + pick(148)) +
              ", \"two_handed\": " + std::to_string(pick(2)) +
              ", \"speed\": " + std::to_string(25 + pick(30)) +
              ", \"base_quality\": 100, \"absorption\": 27, \"dps\": 165}";
    }
    text += ", \"bonuses\": [";
    const int rows = 4 + pick(8);
    for (int r = 0; r < rows; ++r) {
      const auto& [type, id] = kRows[pick(static_cast<int>(std::size(kRows)))];
      if (r > 0) text += ", ";
      text += "{\"type\": " + std::to_string(type) + ", \"id\": " + std::to_string(id) +
              ", \"value\": " + std::to_string(1 + pick(40)) + "}";
    }
    text +=
        "], \"delve_text\": \"Frost gathers along its edge; the rime never melts, even in the "
        "forges of Jordheim, and its wearer feels the north wind in every step.\"}";
  }
  return text + "\n]}\n";
}

const std::string& Database() {
  static const std::string text = RealisticDatabase();
  return text;
}

void ReportPeak(benchmark::State& state) {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  state.counters["peak_rss_mb"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
  state.counters["text_mb"] = static_cast<double>(Database().size()) / (1024.0 * 1024.0);
}

void BM_NlohmannParseAlone(benchmark::State& state) {
  const std::string& text = Database();
  for (auto _ : state) {
    nlohmann::json document = nlohmann::json::parse(text);
    benchmark::DoNotOptimize(document);
  }
  ReportPeak(state);
}

void BM_ReadOfficialDatabase(benchmark::State& state) {
  const std::string& text = Database();
  std::size_t items = 0;
  for (auto _ : state) {
    ImportTally tally;
    ReadContext context{tally, {}, CancelToken()};
    const auto read = ReadOfficialDatabase(text, {}, context);
    items = read.Ok() ? read.Value().Items.size() : 0;
    benchmark::DoNotOptimize(items);
  }
  state.counters["items_kept"] = static_cast<double>(items);
  ReportPeak(state);
}

// The whole import the window runs: the file read, every item converted and
// merged, and the vault written and saved.
void BM_ImportOfficialDatabaseIntoAVault(benchmark::State& state) {
  namespace fs = std::filesystem;
  const fs::path folder =
      fs::temp_directory_path() / ("qm_official_bench_" + std::to_string(::getpid()));
  fs::create_directories(folder);
  std::ofstream(folder / "items.json", std::ios::binary) << Database();
  ItemImportRequest request{
      {(folder / "items.json").string()}, (folder / "out.qmv").string(), "2026-12-10", "", false};
  std::size_t imported = 0;
  for (auto _ : state) {
    const auto outcome = ImportItemSources(request, {}, CancelToken());
    imported = outcome.IsFinished() ? outcome.Value().Imported : 0;
    benchmark::DoNotOptimize(imported);
  }
  state.counters["imported"] = static_cast<double>(imported);
  ReportPeak(state);
  fs::remove_all(folder);
}

BENCHMARK(BM_NlohmannParseAlone)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);
BENCHMARK(BM_ReadOfficialDatabase)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);
BENCHMARK(BM_ImportOfficialDatabaseIntoAVault)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5);

}  // namespace
}  // namespace qm

BENCHMARK_MAIN();
