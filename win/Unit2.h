#pragma once

#include "settings_file.h"
#include "ui/form.h"
#include "ui/memo.h"
#include "ui/save_dialog.h"
#include "ui/speed_button.h"

// The editor window: one entry in full, to change, save to a file or copy
// back to the clipboard. Closing it only hides it.
class TForm2 : public picoron::ui::TForm {
 public:
  explicit TForm2(picoron::ui::TApplication& application);

  picoron::ui::TSpeedButton* SpeedButton1;
  picoron::ui::TSpeedButton* SpeedButton2;
  picoron::ui::TMemo* Memo1;
  picoron::ui::TSaveDialog* SaveDialog1;

  void SpeedButton1Click(picoron::ui::TComponent& Sender);
  void SpeedButton2Click(picoron::ui::TComponent& Sender);
  void FormCreate();

 private:
  picoron::Win32SettingsFile settings_;
};

extern TForm2* Form2;

// The editor window, made now if it is not yet: start-up leaves it until the
// main window is up and painted, unless it is needed sooner.
TForm2& EnsureForm2();
