// The per-event lookups (KeyNameOfCode, ResolveKeyCode, KeyCodeOfName) beside a plain scan of
// the table and a string-building resolve, with the heap allocations each one makes per lookup.
#include <benchmark/benchmark.h>

#include <string>
#include <string_view>
#include <vector>

#include "alloc_counter.h"
#include "catalogue/key_catalogue.h"

namespace zv {
namespace {

// What a key event meets: every code of the table and a few that have no row.
std::vector<int> EventCodes() {
  std::vector<int> codes;
  for (std::size_t row = 0; row < KeyTableSize(); ++row) codes.push_back(KeyTable()[row].code);
  for (int code : {16, 17, 18, 174, 175, -1}) codes.push_back(code);
  return codes;
}

// Stored targets: plain names, numbered parameterised values and names the table lacks.
std::vector<std::string> StoredValues() {
  std::vector<std::string> values;
  for (std::size_t row = 0; row < KeyTableSize(); ++row) values.push_back(KeyTable()[row].name);
  for (const char* v : {"TypeText3", "KeyCombination1", "KeySequence12", "TypeText27", "NumLock",
                        "WWW Back", "Num 00"})
    values.push_back(v);
  return values;
}

// The lookups as the table is defined: scan every row, the last match wins.
std::string_view ScanNameOfCode(int code) {
  std::string_view name = " ";
  for (std::size_t row = 0; row < KeyTableSize(); ++row)
    if (KeyTable()[row].code == code) name = KeyTable()[row].name;
  return name;
}

int ScanCodeOfName(std::string_view name) {
  int code = -1;
  for (std::size_t row = 0; row < KeyTableSize(); ++row)
    if (KeyTable()[row].name == name) code = KeyTable()[row].code;
  return code;
}

// Resolving through std::string temporaries, for contrast with ResolveKeyCode.
int StringResolve(const std::string& name) {
  int code = ScanCodeOfName(std::string(name));
  return code != -1 ? code : ScanCodeOfName(StripNumberSuffix(name));
}

// Runs lookup over inputs, one per iteration, and reports the allocations per lookup.
template <typename Input, typename Lookup>
void Run(benchmark::State& state, const std::vector<Input>& inputs, Lookup lookup) {
  lookup(inputs.front());  // builds any index before counting
  std::size_t i = 0;
  std::uint64_t before = bench::AllocationCount();
  for (auto _ : state) {
    benchmark::DoNotOptimize(lookup(inputs[i]));
    if (++i == inputs.size()) i = 0;
  }
  std::uint64_t allocations = bench::AllocationCount() - before;
  state.SetItemsProcessed(state.iterations());
  state.counters["allocs_per_lookup"] =
      benchmark::Counter(static_cast<double>(allocations), benchmark::Counter::kAvgIterations);
}

void BM_KeyNameOfCode(benchmark::State& state) {
  Run(state, EventCodes(), [](int code) { return KeyNameOfCode(code); });
}
void BM_KeyNameOfCode_Scan(benchmark::State& state) {
  Run(state, EventCodes(), [](int code) { return ScanNameOfCode(code); });
}
void BM_KeyCodeOfName(benchmark::State& state) {
  Run(state, StoredValues(), [](const std::string& name) { return KeyCodeOfName(name); });
}
void BM_KeyCodeOfName_Scan(benchmark::State& state) {
  Run(state, StoredValues(), [](const std::string& name) { return ScanCodeOfName(name); });
}
void BM_ResolveKeyCode(benchmark::State& state) {
  Run(state, StoredValues(), [](const std::string& name) { return ResolveKeyCode(name); });
}
void BM_ResolveKeyCode_Strings(benchmark::State& state) {
  Run(state, StoredValues(), [](const std::string& name) { return StringResolve(name); });
}

BENCHMARK(BM_KeyNameOfCode);
BENCHMARK(BM_KeyNameOfCode_Scan);
BENCHMARK(BM_KeyCodeOfName);
BENCHMARK(BM_KeyCodeOfName_Scan);
BENCHMARK(BM_ResolveKeyCode);
BENCHMARK(BM_ResolveKeyCode_Strings);

}  // namespace
}  // namespace zv

BENCHMARK_MAIN();
