#pragma once

#include <string>

#include "component.h"
#include "history_saving.h"

namespace picoron::ui {

// The system's save-file dialog, modal and owned by the application's window,
// with no overwrite prompt. Filter is "description|pattern" pairs separated
// by "|"; texts and paths are UTF-8.
class TSaveDialog : public TComponent, public SaveFileDialog {
 public:
  TSaveDialog(TForm& owner, const char* defaultExtUtf8, const char* filterUtf8)
      : TComponent(owner), defaultExt_(defaultExtUtf8), filter_(filterUtf8) {}

  void SetFileName(const std::string& name) override;
  // True when the user accepted a name; FileName then holds its full path.
  bool Execute() override;
  std::string FileName() const override;

 private:
  std::string defaultExt_;
  std::string filter_;
  std::wstring fileName_;
};

}  // namespace picoron::ui
