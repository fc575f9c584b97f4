// In-process benchmarks on the bundled data: loading, conj of sample words,
// the reverse search over the fixed form list, and the dictionary self-test.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <sstream>
#include <string>
#include <vector>

#include "bench_data.hpp"
#include "shell/shell_commands.hpp"
#include "shell/shell_context.hpp"
#include "shell/shell_state.hpp"

namespace {

const BundledData& bundled() {
  static const BundledData* data = [] {
    auto* loaded = new BundledData;
    if (!loaded->load(ZUNOKA_DATA_DIR)) std::abort();
    return loaded;
  }();
  return *data;
}

void BM_LoadAllFiles(benchmark::State& state) {
  for (auto _ : state) {
    BundledData data;
    benchmark::DoNotOptimize(data.load(ZUNOKA_DATA_DIR));
  }
}
BENCHMARK(BM_LoadAllFiles)->Unit(benchmark::kMillisecond);

/// conj -v of a dozen verbs of every class, all cases; the counter is per word.
void BM_ConjVerbs(benchmark::State& state) {
  const BundledData& data = bundled();
  std::vector<InflectionResult> words = sampleWords(data.engine, 12);
  std::erase_if(words, [](const InflectionResult& w) { return w.wordClass == TrueAdjective; });
  std::size_t forms = 0;
  for (auto _ : state) {
    for (const InflectionResult& word : words) {
      std::vector<InflectionResult> results;
      data.engine.conjugateVerb(word, std::string(), 0, 0, results);
      forms += results.size();
      benchmark::DoNotOptimize(results.data());
    }
  }
  state.counters["words"] = static_cast<double>(words.size());
  state.counters["us_per_word"] = benchmark::Counter(
      static_cast<double>(words.size()),
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  state.counters["forms_per_word"] =
      static_cast<double>(forms) / static_cast<double>(words.size() * state.iterations());
}
BENCHMARK(BM_ConjVerbs)->Unit(benchmark::kMillisecond);

void BM_ConjAdjectives(benchmark::State& state) {
  const BundledData& data = bundled();
  std::vector<InflectionResult> words = sampleWords(data.engine, 12);
  std::erase_if(words, [](const InflectionResult& w) { return w.wordClass != TrueAdjective; });
  for (auto _ : state) {
    for (const InflectionResult& word : words) {
      std::vector<InflectionResult> results;
      data.engine.conjugateAdjective(word, std::string(), 0, 0, results);
      benchmark::DoNotOptimize(results.data());
    }
  }
  state.counters["us_per_word"] = benchmark::Counter(
      static_cast<double>(words.size()),
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ConjAdjectives)->Unit(benchmark::kMicrosecond);

/// The whole search of every form of the list, each timed on its own; the
/// counters give the median and the slowest form (per-form median over the
/// iterations) and the label names the slowest.
void BM_RconjFormList(benchmark::State& state) {
  const BundledData& data = bundled();
  const std::vector<SearchForm> forms = readFormList(ZUNOKA_FORM_LIST);
  if (forms.empty()) {
    state.SkipWithError("empty form list");
    return;
  }
  std::vector<std::vector<double>> times(forms.size());
  for (auto _ : state) {
    for (std::size_t i = 0; i < forms.size(); ++i) {
      std::vector<InflectionResult> candidates;
      const double milliseconds = timedSearch(data.engine, forms[i], candidates);
      benchmark::DoNotOptimize(candidates.data());
      times[i].push_back(milliseconds);
    }
  }
  std::vector<double> perForm;
  for (auto& t : times) {
    std::nth_element(t.begin(), t.begin() + static_cast<std::ptrdiff_t>(t.size() / 2), t.end());
    perForm.push_back(t[t.size() / 2]);
  }
  const auto slowest = std::max_element(perForm.begin(), perForm.end());
  state.SetLabel("slowest: " + forms[static_cast<std::size_t>(slowest - perForm.begin())].form);
  state.counters["slowest_ms"] = *slowest;
  std::vector<double> sorted = perForm;
  std::sort(sorted.begin(), sorted.end());
  state.counters["median_ms"] = sorted[sorted.size() / 2];
  state.counters["forms"] = static_cast<double>(forms.size());
}
BENCHMARK(BM_RconjFormList)->Unit(benchmark::kMillisecond)->MinTime(2.0);

/// The dtest handler, confirmed, writing into memory.
void runDtest(benchmark::State& state, const char* which) {
  const BundledData& data = bundled();
  ParsedCommand command;
  command.switches.push_back(ParsedSwitch{'-', which, {}});
  for (auto _ : state) {
    ShellState shell;
    std::istringstream input("yes\n");
    std::ostringstream output;
    ShellContext context{data.kana, data.engine, shell, input, output};
    findShellCommand("dtest")->handler(command, context);
    benchmark::DoNotOptimize(output.str().size());
  }
}

void BM_DtestVerbs(benchmark::State& state) { runDtest(state, "v"); }
BENCHMARK(BM_DtestVerbs)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_DtestAdjectives(benchmark::State& state) { runDtest(state, "a"); }
BENCHMARK(BM_DtestAdjectives)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
