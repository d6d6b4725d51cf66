#include "entry_actions.h"

namespace picoron {

void CopyRule(CopySource& box) {
  if (box.SelectionLength() == 0) box.SelectAll();
  box.CopySelection();
}

void EnterRule(char& key, CopySource& box) {
  if (key != kEnterKey) return;
  CopyRule(box);
  key = 0;
}

}  // namespace picoron
