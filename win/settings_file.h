#pragma once

#include <optional>
#include <string>

#include "settings.h"
#include "ui/form.h"
#include "ui/speed_button.h"

namespace picoron {

// picoron.ini beside the running executable, its path worked out anew at
// every step. Read whole while others may still read it; written whole,
// shared with nobody.
class Win32SettingsFile : public SettingsFile {
 public:
  std::optional<std::string> Load() override;
  void Save(const std::string& bytes) override;

 private:
  // Worked out from the ANSI path of the exe, where the folder rule applies.
  static std::wstring Path();
};

// A form's outer geometry, each value applied at once.
class FormGeometry : public StoredWindow {
 public:
  explicit FormGeometry(ui::TForm& form) : form_(form) {}
  int32_t Top() const override { return form_.Top(); }
  int32_t Left() const override { return form_.Left(); }
  int32_t Height() const override { return form_.Height(); }
  int32_t Width() const override { return form_.Width(); }
  void SetTop(int32_t value) override { form_.SetTop(value); }
  void SetLeft(int32_t value) override { form_.SetLeft(value); }
  void SetHeight(int32_t value) override { form_.SetHeight(value); }
  void SetWidth(int32_t value) override { form_.SetWidth(value); }

 private:
  ui::TForm& form_;
};

class ToggleState : public StoredToggle {
 public:
  explicit ToggleState(ui::TSpeedButton& button) : button_(button) {}
  bool Down() const override { return button_.Down(); }
  void SetDown(bool down) override { button_.SetDown(down); }

 private:
  ui::TSpeedButton& button_;
};

}  // namespace picoron
