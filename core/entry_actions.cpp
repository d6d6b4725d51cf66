#include "entry_actions.h"

#include "ansi_text.h"

namespace picoron {

void CopyRule(CopySource& box) {
  if (box.SelectionLength() == 0) box.SelectAll();
  box.CopySelection();
}

std::string ToolTipPreview(std::string_view text) {
  std::string_view shown = AnsiPrefix(text, kToolTipMaxBytes);
  // Ends at the line break after the last line that may be shown.
  size_t lineStart = 0;
  for (int line = 1; line <= kToolTipMaxLines; ++line) {
    const size_t lineBreak = shown.find('\n', lineStart);
    if (lineBreak == std::string_view::npos) break;
    if (line == kToolTipMaxLines) shown = shown.substr(0, lineBreak);
    lineStart = lineBreak + 1;
  }
  if (shown.size() == text.size()) return std::string(text);
  while (!shown.empty() && (shown.back() == '\r' || shown.back() == '\n')) shown.remove_suffix(1);
  return std::string(shown) + "\x81\x63";  // "…" in the Japanese code page
}

void EnterRule(char& key, CopySource& box) {
  if (key != kEnterKey) return;
  CopyRule(box);
  key = 0;
}

}  // namespace picoron
