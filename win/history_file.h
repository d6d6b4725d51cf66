#pragma once

#include "history_saving.h"
#include "ui/handles.h"

namespace picoron {

// The history file on disk; every failure gives the system's error code.
class Win32HistoryFile : public HistoryFile {
 public:
  unsigned Create(const std::string& path) override;
  unsigned Write(std::string_view bytes) override;
  unsigned Close() override;

 private:
  ui::KernelHandle file_;
};

// The local clock as the suggested name needs it.
LocalTime LocalTimeNow();

}  // namespace picoron
