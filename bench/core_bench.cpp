// Core costs against a plain copy of the same bytes, measured in one run.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "clipboard_viewer.h"
#include "history.h"
#include "ini_store.h"

namespace {

class NullView : public picoron::EntryView {
 public:
  std::string BoxText(int box) const override { return box <= static_cast<int>(boxes.size()) ? boxes[box - 1] : ""; }
  void SetBoxText(int, const std::string&) override {}
  void SetBoxHint(int, const std::string&) override {}
  std::vector<std::string> boxes;
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

// Six 1 KiB boxes appended to an archive that already holds range(0) bytes:
// the cost must not grow with the archive (amortised O(1) appends).
void BM_ArchiveClipsOntoALargeArchive(benchmark::State& state) {
  NullView view;
  view.boxes.assign(picoron::kEntryCount, std::string(1024, 'e'));
  picoron::History history(view);
  const std::string big(static_cast<size_t>(state.range(0)), 'a');
  view.boxes[0] = big;
  history.ArchiveClips();  // puts the large archive in place
  view.boxes[0] = std::string(1024, 'e');
  for (auto _ : state) history.ArchiveClips();
  state.SetBytesProcessed(state.iterations() * picoron::kEntryCount * 1026);
}
BENCHMARK(BM_ArchiveClipsOntoALargeArchive)->Arg(1 << 10)->Arg(1 << 20)->Arg(64 << 20)->Iterations(2000);

// The same bytes appended with memcpy into a buffer that is large enough.
void BM_AppendBaseline(benchmark::State& state) {
  std::vector<char> buffer(static_cast<size_t>(state.max_iterations + 1) * picoron::kEntryCount * 1026);
  const std::string piece(1026, 'e');
  size_t at = 0;
  for (auto _ : state) {
    for (int i = 0; i < picoron::kEntryCount; ++i, at += piece.size()) std::memcpy(&buffer[at], piece.data(), piece.size());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * picoron::kEntryCount * 1026);
}
BENCHMARK(BM_AppendBaseline)->Iterations(2000);

std::string IniFile(size_t size) {
  std::string text = "[PicoRon]\r\nTop=114\r\nLeft=192\r\n";
  for (int i = 0; text.size() < size; ++i) text += "[Section" + std::to_string(i) + "]\r\nKey=Value " + std::to_string(i) + "\r\n";
  return text;
}

void BM_IniLoadAndWrite1MiB(benchmark::State& state) {
  const std::string file = IniFile(1 << 20);
  for (auto _ : state) {
    picoron::IniStore store = picoron::IniStore::Load(file);
    store.WriteInteger("PicoRon", "Left", -4);
    benchmark::DoNotOptimize(store.Write());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(file.size()));
}
BENCHMARK(BM_IniLoadAndWrite1MiB);

// A loop that looks at every byte of the same file once.
void BM_IniScanBaseline(benchmark::State& state) {
  const std::string file = IniFile(1 << 20);
  for (auto _ : state) {
    size_t lines = 0;
    for (char c : file) lines += c == '\n';
    benchmark::DoNotOptimize(lines);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(file.size()));
}
BENCHMARK(BM_IniScanBaseline);

}  // namespace

BENCHMARK_MAIN();
