// Core costs against a plain copy of the same bytes, measured in one run.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "clipboard_viewer.h"
#include "history.h"

namespace {

class NullView : public picoron::EntryView {
 public:
  std::string BoxText(int) const override { return {}; }
  void SetBoxText(int, const std::string&) override {}
  void SetBoxHint(int, const std::string&) override {}
};

void BM_CopyBaseline(benchmark::State& state) {
  const std::string text(static_cast<size_t>(state.range(0)), 'x');
  std::vector<char> out(text.size());
  for (auto _ : state) {
    std::memcpy(out.data(), text.data(), text.size());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_CopyBaseline)->Range(16, 10 << 20);

void BM_TrimTrailingBlanks(benchmark::State& state) {
  // Worst case: every byte is a blank and must be looked at.
  const std::string text(static_cast<size_t>(state.range(0)), ' ');
  for (auto _ : state) benchmark::DoNotOptimize(picoron::WithoutTrailingBlanks(text));
  state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_TrimTrailingBlanks)->Range(16, 10 << 20);

// Cycling through six texts re-copies the oldest entry every time: the full
// search, then the move to the top, with nothing archived.
void BM_PushClipRecopyOldest(benchmark::State& state) {
  NullView view;
  picoron::History history(view);
  std::vector<std::string> texts;
  for (int i = 0; i < picoron::kEntryCount; ++i) texts.push_back(std::string(static_cast<size_t>(state.range(0)), 'a' + i));
  size_t n = 0;
  for (auto _ : state) {
    history.SetNewClip(texts[n++ % texts.size()]);
    history.PushClip();
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_PushClipRecopyOldest)->Range(16, 1 << 20);

}  // namespace

BENCHMARK_MAIN();
