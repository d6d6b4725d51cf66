#include "Unit2.h"

#include "entry_actions.h"
#include "screen_placement.h"
#include "settings.h"
#include "ui/text.h"
#include "whole_file.h"

using namespace picoron;
using namespace picoron::ui;

TForm2* Form2 = nullptr;

namespace {

constexpr FormDesign kDesign{"ノトポン", {491, 113, 336, 298}, {328, 264}, false};

}  // namespace

TForm2& EnsureForm2() {
  if (!Form2) Application->CreateForm(Form2);
  return *Form2;
}

TForm2::TForm2(TApplication& application) : TForm(application, kDesign) {
  SpeedButton1 = Add<TSpeedButton>(Bounds{8, 240, 23, 18}, akLeft | akBottom, "ほ");
  SpeedButton1->SetHint(AnsiFromUtf8("保存"));
  SpeedButton2 = Add<TSpeedButton>(Bounds{32, 240, 23, 18}, akLeft | akBottom, "・");
  SpeedButton2->SetHint(AnsiFromUtf8("コピー"));
  Memo1 = Add<TMemo>(Bounds{0, 0, 328, 233}, akLeft | akTop | akRight | akBottom, MemoStyle{true, true, false});
  SaveDialog1 = Add<TSaveDialog>("txt", "ファイルタイプ(*.txt)|*.txt");

  SpeedButton1->OnClick = [this](TComponent& s) { SpeedButton1Click(s); };
  SpeedButton2->OnClick = [this](TComponent& s) { SpeedButton2Click(s); };
  OnCreate = [this] { FormCreate(); };
}

void TForm2::FormCreate() {
  FormGeometry geometry(*Form2);
  ReadEditorSettings(settings_, geometry);
  KeepReachable(*Form2);
}

void TForm2::SpeedButton1Click(TComponent&) {
  if (!SaveDialog1->Execute()) return;
  // The memo's text as it holds it: lines end in CR LF, nothing is added.
  WriteWholeFile(Widen(SaveDialog1->FileName()), Memo1->Text());
}

void TForm2::SpeedButton2Click(TComponent&) { CopyRule(*Memo1); }
