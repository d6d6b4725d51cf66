#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "history.h"

namespace picoron {

struct LocalTime {
  int month;   // 1 to 12
  int day;     // 1 to 31
  int hour;    // 0 to 23
  int minute;  // 0 to 59
};

// "pr" and month, day, hour and minute with two digits each: pr03051407.
std::string SuggestedHistoryName(const LocalTime& now);

// The message for a system error code of a file operation.
std::string IoErrorMessage(unsigned code);

// A failed create, write or close of the history file, by system error code.
class IoError : public std::runtime_error {
 public:
  explicit IoError(unsigned code) : std::runtime_error(IoErrorMessage(code)), code_(code) {}
  unsigned code() const { return code_; }

 private:
  unsigned code_;
};

// The save dialog as the save action uses it; paths are UTF-8.
class SaveFileDialog {
 public:
  virtual ~SaveFileDialog() = default;
  virtual void SetFileName(const std::string& name) = 0;
  // Modal; true when the user accepted a name.
  virtual bool Execute() = 0;
  virtual std::string FileName() const = 0;
};

// The history file; each operation gives 0 or the system's error code.
class HistoryFile {
 public:
  virtual ~HistoryFile() = default;
  // Creates the file, or cuts an existing one to length 0.
  virtual unsigned Create(const std::string& path) = 0;
  virtual unsigned Write(std::string_view bytes) = 0;
  virtual unsigned Close() = 0;
};

// The save button: the boxes into the archive, then the archive and CR LF
// into a file the user picks under the suggested name. Cancel writes nothing;
// a failure raises IoError, a failed write or close only after the close.
void SaveHistory(History& history, SaveFileDialog& dialog, const LocalTime& now, HistoryFile& file);

}  // namespace picoron
