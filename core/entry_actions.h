#pragma once

#include <string>
#include <string_view>

namespace picoron {

// An entry box as the copy rule sees it: a text with a selection.
class CopySource {
 public:
  virtual ~CopySource() = default;
  virtual int SelectionLength() = 0;
  virtual void SelectAll() = 0;
  // Puts the selection on the clipboard.
  virtual void CopySelection() = 0;
};

// Copies the selection, or the whole text when nothing is selected. The
// selection is left as it then stands.
void CopyRule(CopySource& box);

inline constexpr char kEnterKey = '\r';

// Enter copies like a copy button and is swallowed, so the box never gets a
// line break; every other key is left alone.
void EnterRule(char& key, CopySource& box);

}  // namespace picoron

namespace picoron {

// What a tool tip shows of a hint: the part before the first "|".
inline std::string_view ToolTipText(std::string_view hint) { return hint.substr(0, hint.find('|')); }

// A tool tip lays out all of its text each time it shows, and a very long
// entry would fill the screen anyway: it shows the beginning, at most this
// many bytes or lines, ending with "…". The bytes stay under the 1024
// characters that a tool tip control keeps of a text.
inline constexpr size_t kToolTipMaxBytes = 1000;
inline constexpr int kToolTipMaxLines = 30;
std::string ToolTipPreview(std::string_view text);

}  // namespace picoron
