#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver.h"

namespace e2e {

// picoron started as on a first run (no settings file, an empty clipboard).
// A window of ours joined the chain before it, so picoron becomes the head
// of the chain and this window its next viewer: a notice reaches it only
// after picoron has captured the change.
class PicoronTest : public ::testing::Test {
 protected:
  // Puts a text on the clipboard and waits until picoron passed the notice on.
  void Copy(const std::string& text) {
    ExpectNoticeAfter([&] { SetClipboardText(text); });
  }
  void CopyAll(const std::vector<std::string>& texts) {
    for (const auto& text : texts) Copy(text);
  }
  // Does something that should change the clipboard and waits for its notice.
  template <class Action>
  void ExpectNoticeAfter(Action action) {
    const int before = tail.draws;
    action();
    ASSERT_TRUE(WaitUntil([&] { return tail.draws > before; }));
  }

  ChainWindow tail;
  bool fresh = (RemoveSettingsFile(), EmptyTheClipboard(), true);
  Picoron picoron;
};

}  // namespace e2e
