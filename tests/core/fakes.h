#pragma once

#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "clipboard_viewer.h"
#include "history.h"

namespace picoron::testing {

// A table row mapping one text to another.
struct TextCase {
  const char* name;
  std::string in;
  std::string out;
};

// Names each case of a parameterised test after its table row's `name`.
struct CaseName {
  template <class Param>
  std::string operator()(const ::testing::TestParamInfo<Param>& row) const {
    return row.param.name;
  }
};

// One ordered record of what the core asked of the platform, shared by the
// fakes so that a test can check the order across them.
using EventLog = std::vector<std::string>;

// Six text slots with hints in place of the entry boxes.
class FakeEntryView : public EntryView {
 public:
  explicit FakeEntryView(EventLog* log = nullptr) : log_(log) {}

  std::string BoxText(int box) const override { return texts.at(box - 1); }
  void SetBoxText(int box, const std::string& text) override {
    texts.at(box - 1) = text;
    ++writes;
    if (log_) log_->push_back("set box " + std::to_string(box));
  }
  void SetBoxHint(int box, const std::string& hint) override { hints.at(box - 1) = hint; }

  std::array<std::string, kEntryCount> texts;
  std::array<std::string, kEntryCount> hints;
  int writes = 0;

 private:
  EventLog* log_;
};

// Box 1 as a text slot whose paste yields whatever the clipboard holds.
class FakePasteBox : public PasteBox {
 public:
  FakePasteBox(FakeEntryView& view, const std::string& clipboard) : view_(view), clipboard_(clipboard) {}

  void Clear() override { view_.texts[0].clear(); }
  bool PasteFromClipboard() override {
    if (busy) return false;
    view_.texts[0] += clipboard_;
    return true;
  }
  std::string Text() const override { return view_.texts[0]; }
  void SetText(const std::string& text) override { view_.texts[0] = text; }

  bool busy = false;  // another program holds the clipboard open

 private:
  FakeEntryView& view_;
  const std::string& clipboard_;
};

struct SentMessage {
  WindowHandle to;
  unsigned message;
  std::uintptr_t wparam;
  std::intptr_t lparam;
  bool operator==(const SentMessage&) const = default;
};

class FakeChainServices : public ClipboardChainServices {
 public:
  explicit FakeChainServices(EventLog* log = nullptr) : log_(log) {}

  WindowHandle SetClipboardViewer(WindowHandle self) override {
    joined = self;
    return formerHead;
  }
  void ChangeClipboardChain(WindowHandle self, WindowHandle next) override {
    left.push_back({self, next});
  }
  bool IsTextAvailable() override { return hasText; }
  bool IsExcludedFromHistory() override { return excluded; }
  std::uint32_t ClipboardSequence() override { return sequence; }
  void Send(WindowHandle to, unsigned message, std::uintptr_t wparam, std::intptr_t lparam) override {
    sent.push_back({to, message, wparam, lparam});
    if (log_) log_->push_back("send");
    if (onSend) onSend();
  }
  void PostCaptureRetry() override {
    ++retriesPosted;
    if (log_) log_->push_back("post retry");
  }

  WindowHandle formerHead = 0;
  bool hasText = false;
  bool excluded = false;
  std::uint32_t sequence = 0;
  int retriesPosted = 0;
  std::function<void()> onSend;  // what the next viewer does with a message
  WindowHandle joined = 0;
  std::vector<std::pair<WindowHandle, WindowHandle>> left;  // (self, next) of each leave
  std::vector<SentMessage> sent;

 private:
  EventLog* log_;
};

}  // namespace picoron::testing
