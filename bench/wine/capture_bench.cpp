// Capture latency under Wine, by the chain-tail method: this program's window
// joins the clipboard viewer chain first, the viewer under test after it, so
// the notice reaches this window only once the viewer has captured the text
// and passed the notice on. Measured from the moment the clipboard is closed
// after setting a text to that notice, for picoron and for a minimal viewer
// of ours in the same run.
//   capture_bench latency        latency by text size, median of many runs
//   capture_bench big-entries    small captures while 1 MB and 10 MB entries
//                                sit in picoron's history (and fall out of it)
//   capture_bench memory         memory held: idle, after six 10 MB captures,
//                                and along 30,000 small captures
//   capture_bench startup        process start to visible main window, against
//                                a minimal program that shows one window
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <cstdio>
#include <string>
#include <vector>

#include "driver.h"


namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

std::string TextOf(size_t size, int variant) {
  std::string text(size, 'a');
  for (size_t i = 0; i < size; i += 61) text[i] = static_cast<char>('a' + (i / 61 + variant) % 26);
  if (size > 0) text[0] = static_cast<char>('A' + variant % 26);
  // A first line of 4 or 5 bytes, never the same two captures running.
  if (size >= 8) text.replace(4 + variant % 2, 2, "\r\n");
  return text;
}

// Captures come this far apart, as a person's copies do at the quickest,
// so that each one starts with the viewer done with the one before (painting
// included, of which no message tells).
constexpr DWORD kPaceMs = 50;

struct Timing {
  double notice;  // until the tail of the chain has the notice
  double shown;   // until entry box 1 shows the text, for picoron
};

// True once the EDIT control of `box` shows `text`, told by the length of
// its first line, which the texts of this benchmark make differ from one
// capture to the next. Asked with EM_LINELENGTH, which picoron leaves to the
// control (its WM_GETTEXT answer is the box's text, there before it is shown)
// and which, unlike EM_GETLINE, Wine passes between processes safely.
bool Shows(HWND box, const std::string& text) {
  const auto firstLine = static_cast<LRESULT>(std::min(text.find("\r\n"), text.size()));
  return SendMessageA(box, EM_LINELENGTH, 0, 0) == firstLine;
}

// One capture: set the text, wait for the notice at the tail of the chain,
// then, given a box, for the box to show it.
Timing Capture(e2e::ChainWindow& tail, const std::string& text, HWND box = nullptr, bool paced = true) {
  if (paced) Sleep(kPaceMs);
  const int before = tail.draws;
  e2e::SetClipboardText(text);
  const auto closed = Clock::now();
  if (!e2e::WaitUntil([&] { return tail.draws > before; }, std::chrono::seconds(120))) return {-1, -1};
  const double notice = Milliseconds(Clock::now() - closed);
  if (!box) return {notice, notice};
  // Asked without a pause: each question waits while picoron is busy, and
  // is answered at once when it is not.
  while (!Shows(box, text)) {
    if (Clock::now() - closed > std::chrono::seconds(120)) return {notice, -1};
  }
  return {notice, Milliseconds(Clock::now() - closed)};
}

// Entry box 1 of picoron's main window: control id 100 + its place (15).
HWND BoxOne(const PROCESS_INFORMATION& process) {
  for (HWND form : e2e::ProcessWindows(process.dwProcessId, L"PicoronForm")) {
    if (HWND box = GetDlgItem(form, 115)) return box;
  }
  return nullptr;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// Starts a viewer program after the tail joined, so it sits before the tail.
PROCESS_INFORMATION Start(const std::wstring& exe) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::wstring commandLine = L"\"" + exe + L"\"";
  CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process);
  return process;
}

void Stop(PROCESS_INFORMATION& process, const wchar_t* windowClass) {
  for (HWND window : e2e::ProcessWindows(process.dwProcessId, windowClass)) PostMessageW(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

bool WaitForWindow(const PROCESS_INFORMATION& process, const wchar_t* windowClass) {
  return e2e::WaitUntil([&] {
    const auto windows = e2e::ProcessWindows(process.dwProcessId, windowClass);
    return std::any_of(windows.begin(), windows.end(), [](HWND window) { return IsWindowVisible(window) != FALSE; });
  });
}

// A viewer started with no settings file, once its window shows; nothing
// when it did not show. The tail of the chain must be there already.
std::optional<PROCESS_INFORMATION> StartViewer(const std::wstring& exe, const wchar_t* windowClass) {
  e2e::RemoveSettingsFile();
  PROCESS_INFORMATION process = Start(exe);
  if (!WaitForWindow(process, windowClass)) return std::nullopt;
  return process;
}

struct Viewer {
  const char* name;
  std::wstring exe;
  const wchar_t* windowClass;
};

std::wstring Beside(const wchar_t* file) {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring path = self;
  return path.substr(0, path.find_last_of(L"\\/") + 1) + file;
}

int Latency() {
  const std::vector<size_t> sizes = {10, 10'000, 100'000, 1'000'000, 10'000'000};
  const std::vector<Viewer> viewers = {{"baseline", Beside(L"baseline_viewer.exe"), L"PicoronBaselineViewer"},
                                       {"picoron", L"" PICORON_EXE, L"PicoronForm"}};
  std::printf("%-10s %10s %8s %16s %16s\n", "viewer", "bytes", "runs", "notice median ms", "shown median ms");
  std::vector<std::vector<Timing>> medians(viewers.size());
  for (size_t v = 0; v < viewers.size(); ++v) {
    e2e::ChainWindow tail;
    auto started = StartViewer(viewers[v].exe, viewers[v].windowClass);
    if (!started) return 1;
    PROCESS_INFORMATION& process = *started;
    const HWND box = v == 1 ? BoxOne(process) : nullptr;
    for (size_t size : sizes) {
      const int runs = size >= 10'000'000 ? 5 : 21;
      std::vector<double> notices, shown;
      for (int run = 0; run < runs; ++run) {
        const Timing timing = Capture(tail, TextOf(size, run), box);
        notices.push_back(timing.notice);
        shown.push_back(timing.shown);
      }
      medians[v].push_back({Median(notices), Median(shown)});
      std::printf("%-10s %10zu %8d %16.1f %16.1f\n", viewers[v].name, size, runs, medians[v].back().notice,
                  medians[v].back().shown);
    }
    Stop(process, viewers[v].windowClass);
  }
  std::printf("\n%10s %20s %20s\n", "bytes", "notice: picoron/base", "shown: picoron/base");
  for (size_t i = 0; i < sizes.size(); ++i) {
    std::printf("%10zu %20.2f %20.2f\n", sizes[i], medians[1][i].notice / medians[0][i].notice,
                medians[1][i].shown / medians[0][i].notice);
  }
  return 0;
}

int BigEntries() {
  e2e::ChainWindow tail;
  auto started = StartViewer(L"" PICORON_EXE, L"PicoronForm");
  if (!started) return 1;
  PROCESS_INFORMATION& process = *started;
  const HWND box = BoxOne(process);
  Capture(tail, TextOf(20, 98), box);  // start-up's own work done before anything is timed
  const auto print = [](const Timing& timing) {
    std::printf("notice %.1f ms, shown %.1f ms\n", timing.notice, timing.shown);
  };
  for (size_t big : {1'000'000u, 10'000'000u}) {
    std::printf("capture of a %zu-byte text: ", big);
    print(Capture(tail, TextOf(big, 99), box));
    // Six small captures push the big entry down one box at a time and out.
    for (int i = 0; i < 7; ++i) {
      std::printf("  small capture %d: ", i + 1);
      print(Capture(tail, TextOf(20, i), box));
    }
  }
  Stop(process, L"PicoronForm");
  return 0;
}

// Wine reports no private bytes for another process, so they are read from
// the Unix process that runs picoron.exe: its anonymous resident memory,
// through Wine's Z: drive.
double PrivateMegabytes() {
  for (const auto& entry : std::filesystem::directory_iterator("Z:/proc")) {
    const std::string pid = entry.path().filename().string();
    if (pid.find_first_not_of("0123456789") != std::string::npos) continue;
    std::ifstream cmdline(entry.path() / "cmdline", std::ios::binary);
    const std::string command((std::istreambuf_iterator<char>(cmdline)), {});
    if (command.find("picoron.exe") == std::string::npos || command.find("capture_bench") != std::string::npos) {
      continue;
    }
    std::ifstream status(entry.path() / "status");
    for (std::string line; std::getline(status, line);) {
      if (line.rfind("RssAnon:", 0) == 0) return std::stod(line.substr(8)) / 1000.0;  // kB
    }
  }
  return 0;
}

int Memory() {
  e2e::ChainWindow tail;
  auto started = StartViewer(L"" PICORON_EXE, L"PicoronForm");
  if (!started) return 1;
  PROCESS_INFORMATION& process = *started;
  const double idle = PrivateMegabytes();
  std::printf("idle: %.1f MB anonymous resident\n", idle);
  for (int i = 0; i < 6; ++i) Capture(tail, TextOf(10'000'000, i));
  const double big = PrivateMegabytes();
  std::printf("after six 10 MB captures (60 MB held): %.1f MB, %.2f bytes per held byte\n", big,
              (big - idle) / 60.0);
  for (int i = 6; i < 12; ++i) Capture(tail, TextOf(20, i));  // the big ones go to the archive
  const double archived = PrivateMegabytes();
  std::printf("after they fell into the archive (60 MB archived): %.1f MB, %.2f bytes per held byte\n",
              archived, (archived - idle) / 60.0);
  Stop(process, L"PicoronForm");

  started = StartViewer(L"" PICORON_EXE, L"PicoronForm");
  if (!started) return 1;
  const double start = PrivateMegabytes();
  std::printf("\n%10s %12s %14s\n", "captures", "resident MB", "archive bytes");
  for (int i = 1; i <= 30'000; ++i) {
    Capture(tail, "small text " + std::to_string(i), nullptr, false);  // only memory is measured here
    if (i % 5'000 == 0) {
      // Each capture pushes one 16-to-22-byte entry and CR LF into the archive.
      const double archiveBytes = (i - 6) * (13.0 + std::to_string(i).size());
      std::printf("%10d %12.1f %14.0f\n", i, PrivateMegabytes(), archiveBytes);
    }
  }
  std::printf("idle at the start: %.1f MB\n", start);
  Stop(process, L"PicoronForm");
  return 0;
}

BOOL CALLBACK ChildPainted(HWND child, LPARAM all) {
  if (!GetUpdateRect(child, nullptr, FALSE)) return TRUE;
  *reinterpret_cast<bool*>(all) = false;
  return FALSE;
}

// True when `window` and every child of it have nothing left to paint.
bool Painted(HWND window) {
  if (GetUpdateRect(window, nullptr, FALSE)) return false;
  bool painted = true;
  EnumChildWindows(window, ChildPainted, reinterpret_cast<LPARAM>(&painted));
  return painted;
}

struct StartTimes {
  double visible = -1;  // the main window is shown
  double painted = -1;  // and it and its controls have nothing left to paint
};

// Polled every millisecond, not in the test driver's slices of 20 ms.
StartTimes WaitForStart(const PROCESS_INFORMATION& process, const wchar_t* windowClass, Clock::time_point started) {
  StartTimes times;
  const auto deadline = Clock::now() + std::chrono::seconds(30);
  while (Clock::now() < deadline) {
    for (HWND window : e2e::ProcessWindows(process.dwProcessId, windowClass)) {
      if (!IsWindowVisible(window)) continue;
      const double now = Milliseconds(Clock::now() - started);
      if (times.visible < 0) times.visible = now;
      if (Painted(window)) {
        times.painted = now;
        return times;
      }
    }
    Sleep(1);
  }
  return times;
}

int Startup() {
  const std::vector<Viewer> programs = {{"minimal", Beside(L"baseline_viewer.exe"), L"PicoronBaselineViewer"},
                                        {"picoron", L"" PICORON_EXE, L"PicoronForm"}};
  // Run by run in turn, so that whatever else loads the machine falls on both.
  constexpr int kRuns = 41;
  std::vector<std::vector<double>> visible(programs.size()), painted(programs.size());
  for (int run = 0; run < kRuns; ++run) {
    for (size_t p = 0; p < programs.size(); ++p) {
      e2e::RemoveSettingsFile();
      const auto started = Clock::now();
      PROCESS_INFORMATION process = Start(programs[p].exe);
      const StartTimes times = WaitForStart(process, programs[p].windowClass, started);
      if (times.painted < 0) return 1;
      visible[p].push_back(times.visible);
      painted[p].push_back(times.painted);
      Stop(process, programs[p].windowClass);
    }
  }
  std::printf("%-8s %20s %20s   (medians of %d)\n", "program", "start to visible ms", "start to painted ms", kRuns);
  for (size_t p = 0; p < programs.size(); ++p) {
    std::printf("%-8s %20.1f %20.1f\n", programs[p].name, Median(visible[p]), Median(painted[p]));
  }
  std::printf("%-8s %20.2f %20.2f\n", "ratio", Median(visible[1]) / Median(visible[0]),
              Median(painted[1]) / Median(painted[0]));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "latency";
  if (mode == "latency") return Latency();
  if (mode == "big-entries") return BigEntries();
  if (mode == "memory") return Memory();
  if (mode == "startup") return Startup();
  std::fprintf(stderr, "usage: capture_bench latency | big-entries | memory | startup\n");
  return 2;
}
