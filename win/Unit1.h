#pragma once

#include <memory>
#include <optional>
#include <string>

#include "clipboard_chain.h"
#include "clipboard_viewer.h"
#include "edge_hiding.h"
#include "history.h"
#include "settings_file.h"
#include "ui/form.h"
#include "ui/memo.h"
#include "ui/save_dialog.h"
#include "ui/speed_button.h"

// The main window: six entry rows with a copy button at each end, and the
// save, clear and hide buttons below them.
class TForm1 : public picoron::ui::TForm, private picoron::EntryView {
 public:
  explicit TForm1(picoron::ui::TApplication& application);

  picoron::ui::TSpeedButton* SpeedButton1;
  picoron::ui::TSpeedButton* SpeedButton2;
  picoron::ui::TSpeedButton* SpeedButton3;
  picoron::ui::TSpeedButton* SpeedButton4;
  picoron::ui::TSpeedButton* SpeedButton5;
  picoron::ui::TSpeedButton* SpeedButton6;
  picoron::ui::TSpeedButton* SpeedButton7;
  picoron::ui::TSpeedButton* SpeedButton8;
  picoron::ui::TSpeedButton* SpeedButton9;
  picoron::ui::TSpeedButton* SpeedButton10;
  picoron::ui::TSpeedButton* SpeedButton11;
  picoron::ui::TSpeedButton* SpeedButton12;
  picoron::ui::TSpeedButton* SpeedButton13;
  picoron::ui::TSpeedButton* SpeedButton14;
  picoron::ui::TSpeedButton* SpeedButton15;
  picoron::ui::TMemo* Memo1;
  picoron::ui::TMemo* Memo2;
  picoron::ui::TMemo* Memo3;
  picoron::ui::TMemo* Memo4;
  picoron::ui::TMemo* Memo5;
  picoron::ui::TMemo* Memo6;
  picoron::ui::TSaveDialog* SaveDialog1;

  void FormCreate();
  void FormClose(picoron::ui::TCloseAction& Action);
  void Memo1DblClick(picoron::ui::TComponent& Sender);
  void SpeedButton13Click(picoron::ui::TComponent& Sender);
  void SpeedButton14Click(picoron::ui::TComponent& Sender);
  void FormMouseMove(int X, int Y);
  void FormResize();
  void SpeedButton1Click(picoron::ui::TComponent& Sender);
  void SpeedButton2Click(picoron::ui::TComponent& Sender);
  void SpeedButton3Click(picoron::ui::TComponent& Sender);
  void SpeedButton4Click(picoron::ui::TComponent& Sender);
  void SpeedButton5Click(picoron::ui::TComponent& Sender);
  void SpeedButton6Click(picoron::ui::TComponent& Sender);
  void Memo1KeyPress(picoron::ui::TComponent& Sender, char& Key);

  void WMDrawClipboard(WPARAM wparam, LPARAM lparam);
  void WMChangeCBChain(WPARAM wparam, LPARAM lparam);

 private:
  void AppDeactivate();
  picoron::EdgeState EdgeNow() const;
  // Hands the window a new region; the window system owns it from then on.
  void SetRegion(const picoron::Rect& rect);

  // Entry box i (1 to 6) is the component at position 14 + i.
  picoron::ui::TMemo& EntryBox(int i) const;
  std::string BoxText(int box) const override;
  void SetBoxText(int box, const std::string& text) override;
  void SetBoxHint(int box, const std::string& hint) override;

  bool FHidden = false;
  HRGN FRegion = nullptr;  // the last region handed over; never ours to delete
  std::optional<picoron::Rect> regionRect_;  // and its rectangle; none before the first
  picoron::Win32SettingsFile settings_;
  picoron::Win32ClipboardChain chain_;  // after TForm, whose window it posts to
  picoron::History history_{*this};
  std::unique_ptr<picoron::ClipboardViewer> viewer_;  // needs Memo1, made after it
};

extern TForm1* Form1;
