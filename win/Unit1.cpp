#include "Unit1.h"

#include "entry_actions.h"
#include "history_file.h"
#include "history_saving.h"
#include "screen_placement.h"
#include "Unit2.h"
#include "ui/text.h"

using namespace picoron;
using namespace picoron::ui;

TForm1* Form1 = nullptr;

namespace {

// Posted to the main window to capture again after the clipboard was busy.
constexpr UINT kRetryCaptureMessage = WM_APP + 1;
constexpr FormDesign kDesign{"ピコロン～Ver1.0", {192, 114, 297, 209}, {289, 175}, true};
constexpr int kButtonWidth = 23;
constexpr int kButtonHeight = 18;
constexpr int kBoxLeft = 39;
constexpr int kBoxWidth = 209;
constexpr int kBoxHeight = 18;
constexpr int kLeftButtonLeft = 16;
constexpr int kRightButtonLeft = 249;
constexpr int kBottomRowTop = 152;

// What an entry box's EDIT control is given of a longer entry while the box
// is not in use: several times what its one line of 209 pixels shows, little
// enough that the control lays it out and paints it quickly (a 1 KB line
// cost Wine about 10 ms per paint, which held up the next capture). A box
// that the user focuses gets the whole text.
constexpr size_t kEntryDisplayLimit = 256;

int RowTop(int row) { return 8 + 24 * (row - 1); }

}  // namespace

TForm1::TForm1(TApplication& application)
    : TForm(application, kDesign), chain_(reinterpret_cast<WindowHandle>(Handle()), kRetryCaptureMessage) {
  const auto copyButton = [this](int left, int row, unsigned anchors) {
    TSpeedButton* button = Add<TSpeedButton>(Bounds{left, RowTop(row), kButtonWidth, kButtonHeight}, anchors, "・");
    button->SetHint(AnsiFromUtf8("コピー"));
    return button;
  };
  SpeedButton1 = copyButton(kLeftButtonLeft, 1, akLeft | akTop);
  SpeedButton2 = copyButton(kLeftButtonLeft, 2, akLeft | akTop);
  SpeedButton3 = copyButton(kLeftButtonLeft, 3, akLeft | akTop);
  SpeedButton4 = copyButton(kLeftButtonLeft, 4, akLeft | akTop);
  SpeedButton5 = copyButton(kLeftButtonLeft, 5, akLeft | akTop);
  SpeedButton6 = copyButton(kLeftButtonLeft, 6, akLeft | akTop);
  SpeedButton7 = copyButton(kRightButtonLeft, 1, akTop | akRight);
  SpeedButton8 = copyButton(kRightButtonLeft, 2, akTop | akRight);
  SpeedButton9 = copyButton(kRightButtonLeft, 3, akTop | akRight);
  SpeedButton10 = copyButton(kRightButtonLeft, 4, akTop | akRight);
  SpeedButton11 = copyButton(kRightButtonLeft, 5, akTop | akRight);
  SpeedButton12 = copyButton(kRightButtonLeft, 6, akTop | akRight);

  const auto bottomButton = [this](int left, const char* caption, const char* hint) {
    TSpeedButton* button =
        Add<TSpeedButton>(Bounds{left, kBottomRowTop, kButtonWidth, kButtonHeight}, akLeft | akBottom, caption);
    button->SetHint(AnsiFromUtf8(hint));
    return button;
  };
  SpeedButton13 = bottomButton(16, "ほ", "保存");
  SpeedButton14 = bottomButton(40, "し", "消去");
  SpeedButton15 = bottomButton(64, "か", "隠す");
  SpeedButton15->GroupIndex = 1;
  SpeedButton15->AllowAllUp = true;

  // Entry boxes do not word-wrap: Wine's wrapping EDIT control is quadratic
  // in a line's length, and a one-line box shows the same start either way.
  const auto entryBox = [this](int row) {
    TMemo* box = Add<TMemo>(Bounds{kBoxLeft, RowTop(row), kBoxWidth, kBoxHeight}, akLeft | akTop | akRight,
                            MemoStyle{false, false, true, kEntryDisplayLimit});
    box->OnKeyPress = [this](TComponent& sender, char& key) { Memo1KeyPress(sender, key); };
    box->OnDblClick = [this](TComponent& sender) { Memo1DblClick(sender); };
    return box;
  };
  Memo1 = entryBox(1);
  Memo2 = entryBox(2);
  Memo3 = entryBox(3);
  Memo4 = entryBox(4);
  Memo5 = entryBox(5);
  Memo6 = entryBox(6);
  SaveDialog1 = Add<TSaveDialog>("text", "テキストファイル(*.txt)|*.txt");

  SpeedButton1->OnClick = SpeedButton7->OnClick = [this](TComponent& s) { SpeedButton1Click(s); };
  SpeedButton2->OnClick = SpeedButton8->OnClick = [this](TComponent& s) { SpeedButton2Click(s); };
  SpeedButton3->OnClick = SpeedButton9->OnClick = [this](TComponent& s) { SpeedButton3Click(s); };
  SpeedButton4->OnClick = SpeedButton10->OnClick = [this](TComponent& s) { SpeedButton4Click(s); };
  SpeedButton5->OnClick = SpeedButton11->OnClick = [this](TComponent& s) { SpeedButton5Click(s); };
  SpeedButton6->OnClick = SpeedButton12->OnClick = [this](TComponent& s) { SpeedButton6Click(s); };
  SpeedButton13->OnClick = [this](TComponent& s) { SpeedButton13Click(s); };
  SpeedButton14->OnClick = [this](TComponent& s) { SpeedButton14Click(s); };

  viewer_ = std::make_unique<ClipboardViewer>(chain_, *Memo1, history_);
  OnCreate = [this] { FormCreate(); };
  OnMouseMove = [this](int x, int y) { FormMouseMove(x, y); };
  OnResize = [this] { FormResize(); };
  OnClose = [this](TCloseAction& action) { FormClose(action); };
  BindMessage(WM_DRAWCLIPBOARD, [this](WPARAM w, LPARAM l) { WMDrawClipboard(w, l); });
  BindMessage(WM_CHANGECBCHAIN, [this](WPARAM w, LPARAM l) { WMChangeCBChain(w, l); });
  BindMessage(kRetryCaptureMessage, [this](WPARAM, LPARAM) { viewer_->RetryCapture(); });
}

void TForm1::FormCreate() {
  viewer_->JoinClipboardChain(reinterpret_cast<WindowHandle>(Form1->Handle()));
  FormGeometry geometry(*Form1);
  ToggleState hide(*Form1->SpeedButton15);
  ReadMainSettings(settings_, geometry, hide);
  KeepReachable(*Form1);
  Application->OnDeactivate = [this] { AppDeactivate(); };
}

void TForm1::FormClose(TCloseAction&) {
  viewer_->LeaveClipboardChain();
  const FormGeometry geometry(*Form1);
  const ToggleState hide(*Form1->SpeedButton15);
  const FormGeometry editor(EnsureForm2());
  try {
    WriteAllSettings(settings_, geometry, hide, editor);
  } catch (...) {
    // The close is abandoned and the window stays open: it must go on
    // capturing, so it takes its place in the chain again.
    viewer_->JoinClipboardChain(reinterpret_cast<WindowHandle>(Handle()));
    throw;
  }
}

void TForm1::Memo1DblClick(TComponent& Sender) {
  TForm2& editor = EnsureForm2();
  editor.Show();
  editor.Memo1->SetText(static_cast<TMemo&>(Sender).Text());
}

void TForm1::SpeedButton13Click(TComponent&) {
  Win32HistoryFile file;
  SaveHistory(history_, *SaveDialog1, LocalTimeNow(), file);
}

void TForm1::SpeedButton14Click(TComponent&) {
  history_.ArchiveClips();
  history_.ClearOlderEntries();
}

void TForm1::AppDeactivate() {
  const POINT client = ClientOffset();
  const EdgeAction action = picoron::AppDeactivate(EdgeNow(), StripFor(client.x, client.y));
  if (action.moveLeftTo) SetLeft(*action.moveLeftTo);
  if (action.region) SetRegion(*action.region);
  FHidden = action.hidden;
  const FormGeometry geometry(*this);
  const ToggleState hide(*SpeedButton15);
  WriteMainSettings(settings_, geometry, hide);
}

void TForm1::FormMouseMove(int, int) {
  const EdgeAction action = picoron::FormMouseMove(EdgeNow());
  if (action.region) SetRegion(*action.region);
  FHidden = action.hidden;
}

void TForm1::FormResize() {
  // A minimised window keeps the size it will come back with.
  if (IsIconic(Handle())) return;
  SetHeight(kLockedHeight);
  SetRegion(FullRegion(Width(), Height()));
}

EdgeState TForm1::EdgeNow() const { return EdgeState{SpeedButton15->Down(), Left(), Width(), Height(), FHidden}; }

void TForm1::SetRegion(const Rect& rect) {
  // Every WM_SIZE asks for the full region again; handing Wine the region
  // the window already has costs it a repaint of the whole window. Without
  // a region of its own the window is whole.
  if (regionRect_ ? *regionRect_ == rect : rect == FullRegion(Width(), Height())) return;
  regionRect_ = rect;
  FRegion = CreateRectRgn(rect.left, rect.top, rect.right, rect.bottom);
  SetWindowRgn(Handle(), FRegion, TRUE);
}

void TForm1::SpeedButton1Click(TComponent&) { CopyRule(*Memo1); }
void TForm1::SpeedButton2Click(TComponent&) { CopyRule(*Memo2); }
void TForm1::SpeedButton3Click(TComponent&) { CopyRule(*Memo3); }
void TForm1::SpeedButton4Click(TComponent&) { CopyRule(*Memo4); }
void TForm1::SpeedButton5Click(TComponent&) { CopyRule(*Memo5); }
void TForm1::SpeedButton6Click(TComponent&) { CopyRule(*Memo6); }

void TForm1::Memo1KeyPress(TComponent& Sender, char& Key) { EnterRule(Key, static_cast<TMemo&>(Sender)); }

void TForm1::WMDrawClipboard(WPARAM wparam, LPARAM lparam) {
  DefWindowProcW(Handle(), WM_DRAWCLIPBOARD, wparam, lparam);
  // The boxes are shown once the notice has gone on.
  const LaterHold hold(*this);
  viewer_->WMDrawClipboard();
}

void TForm1::WMChangeCBChain(WPARAM wparam, LPARAM lparam) {
  viewer_->WMChangeCBChain(static_cast<WindowHandle>(wparam), static_cast<WindowHandle>(lparam));
}

TMemo& TForm1::EntryBox(int i) const { return static_cast<TMemo&>(Components(14 + i)); }
std::string TForm1::BoxText(int box) const { return EntryBox(box).Text(); }
void TForm1::SetBoxText(int box, const std::string& text) { EntryBox(box).SetText(text); }
void TForm1::SetBoxHint(int box, const std::string& hint) {
  // An entry's hint is the entry itself: a long one is held once, not twice.
  TMemo& entryBox = EntryBox(box);
  if (!entryBox.ShareTextAsHint(hint)) entryBox.SetHint(hint);
}
