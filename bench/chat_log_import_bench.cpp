// Importing a 50 MB chat log of a long delving session: chatter between
// delve blocks of every kind of bonus line, read by the reader, against only
// splitting the same text into lines.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <string>

#include "interop/chat_log_reader.h"

namespace qm {
namespace {

constexpr std::size_t kLogBytes = std::size_t{50} << 20;

constexpr std::string_view kChatter[] = {
    "[21:05:02] You have entered Camelot City.\n",
    "[21:05:10] Aldwyn sends, \"selling a frostwolf cloak, delve it\"\n",
    "[21:05:12] You hit the frost giant for 231 (+22) damage!\n",
    "[21:05:14] The frost giant attacks you and misses!\n",
    "[21:05:20] @@Brenna: LFG templar keep, bring potions\n",
};

constexpr std::string_view kDelve =
    "[21:05:31] <Begin Info: Cloak of the Frozen Wastes>\n"
    "[21:05:31] Usable by:\n"
    "[21:05:31] - Wizard\n"
    "[21:05:31] - Theurgist\n"
    "[21:05:31]  \n"
    "[21:05:31] Magical Bonuses:\n"
    "[21:05:31] - Intelligence: 15 pts\n"
    "[21:05:31] - Hits: 40 pts\n"
    "[21:05:31] - Heat: 8%\n"
    "[21:05:31] - Power: 4 % of power pool.\n"
    "[21:05:31] - Earth Magic: 3 pts\n"
    "[21:05:31] - [L20]: Dexterity: 6 pts\n"
    "[21:05:31]  \n"
    "[21:05:31] Focus Bonuses:\n"
    "[21:05:31] - All Spell Lines: 50 lvls\n"
    "[21:05:31]  \n"
    "[21:05:31] Bonus to casting speed: 3%\n"
    "[21:05:31] Bonus to Intelligence attribute bonus cap: 5\n"
    "[21:05:31] Bonus to hit points bonus cap: 20\n"
    "[21:05:31]  \n"
    "[21:05:31] Damage Modifiers:\n"
    "[21:05:31] - 16.5 Base DPS\n"
    "[21:05:31] - 3.7 Weapon Speed\n"
    "[21:05:31] - 99% Quality\n"
    "[21:05:31] Level Requirement: 50 Level\n"
    "[21:05:31] Bonus Level: 40\n"
    "[21:05:31] Realm: Albion\n"
    "[21:05:31] <End Info>\n";

const std::string& ChatLog() {
  static const std::string text = [] {
    std::string log = "*** Chat Log Opened: Thu Nov 12 21:04:55 2026\n";
    log.reserve(kLogBytes + 4096);
    std::size_t turn = 0;
    while (log.size() < kLogBytes) {
      // About a third of the log is delves, the rest the game's chatter.
      for (int i = 0; i < 12; ++i) log += kChatter[turn++ % std::size(kChatter)];
      log += kDelve;
    }
    return log;
  }();
  return text;
}

void ReportPeak(benchmark::State& state) {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  state.counters["peak_rss_mb"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
  state.counters["text_mb"] = static_cast<double>(ChatLog().size()) / (1024.0 * 1024.0);
}

void BM_SplitLinesAlone(benchmark::State& state) {
  const std::string& text = ChatLog();
  for (auto _ : state) {
    benchmark::DoNotOptimize(std::count(text.begin(), text.end(), '\n'));
  }
  ReportPeak(state);
}

void BM_ReadChatLog(benchmark::State& state) {
  const std::string& text = ChatLog();
  std::size_t items = 0;
  for (auto _ : state) {
    ImportTally tally;
    ReadContext context{tally, {}, CancelToken()};
    const auto read = ReadChatLog(text, context);
    items = read.Ok() ? read.Value().Items.size() : 0;
    benchmark::DoNotOptimize(items);
  }
  state.counters["items"] = static_cast<double>(items);
  ReportPeak(state);
}

BENCHMARK(BM_SplitLinesAlone)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);
BENCHMARK(BM_ReadChatLog)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);

}  // namespace
}  // namespace qm

BENCHMARK_MAIN();
