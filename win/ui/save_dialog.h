#pragma once

#include <string>

#include "component.h"

namespace picoron::ui {

// The system's save-file dialog, modal and owned by the application's window.
// Filter is "description|pattern" pairs separated by "|", as UTF-8.
class TSaveDialog : public TComponent {
 public:
  TSaveDialog(TForm& owner, const char* defaultExtUtf8, const char* filterUtf8)
      : TComponent(owner), defaultExt_(defaultExtUtf8), filter_(filterUtf8) {}

  // True when the user accepted a name; FileName then holds its full path.
  bool Execute();
  std::wstring FileName;

 private:
  std::string defaultExt_;
  std::string filter_;
};

}  // namespace picoron::ui
