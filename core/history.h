#pragma once

#include <array>
#include <string>
#include <string_view>

namespace picoron {

// Text is a byte string in the ANSI code page, as CF_TEXT carries it; the
// empty string and "no text" are the same value.
inline constexpr std::string_view kLineBreak = "\r\n";
inline constexpr int kEntryCount = 6;

// The six entry boxes as the history sees them, numbered 1 to 6. The window
// hands in its boxes; tests hand in plain text slots.
class EntryView {
 public:
  virtual ~EntryView() = default;
  virtual std::string BoxText(int box) const = 0;
  virtual void SetBoxText(int box, const std::string& text) = 0;
  virtual void SetBoxHint(int box, const std::string& hint) = 0;
};

// The six most recent texts, newest first, and the archive of everything
// that fell off the end or was gathered by a save or clear.
class History {
 public:
  explicit History(EntryView& view) : view_(view) {}
  History(const History&) = delete;
  History& operator=(const History&) = delete;

  void SetNewClip(std::string text) { FNewClip = std::move(text); }

  // Puts the new clip on top: a text already present moves up from its first
  // place, a new one pushes entry 6 out (into the archive when it holds text).
  void PushClip();
  // Takes the boxes' current texts as the entries, then archives the
  // non-empty ones, oldest first.
  void ArchiveClips();
  // Entries 2 to 6 and their boxes and hints become empty; entry 1 stays.
  void ClearOlderEntries();

  const std::string& Entry(int i) const { return FClips.at(i - 1); }
  const std::string& Archive() const { return FArchive; }

 private:
  void ShowClips();
  void AppendToArchive(const std::string& entry);

  EntryView& view_;
  std::string FNewClip;
  std::array<std::string, kEntryCount> FClips;  // entry i at index i - 1
  std::string FArchive;
};

}  // namespace picoron
