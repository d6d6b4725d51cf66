#include <exception>

#include "Unit1.h"
#include "Unit2.h"
#include "hardening.h"
#include "ui/application.h"
#include "ui/text.h"

using picoron::ui::Application;

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  picoron::HardenDllSearch();
  try {
    picoron::ui::TApplication application;
    Application->Initialize();
    Application->CreateForm(Form1);
    Application->WhenIdle([] { EnsureForm2(); });
    // Off the taskbar and out of Alt+Tab, before any window is shown.
    const HWND handle = Application->Handle();
    SetWindowLongA(handle, GWL_EXSTYLE, GetWindowLongA(handle, GWL_EXSTYLE) | WS_EX_TOOLWINDOW);
    Application->Run();
  } catch (const std::exception& error) {
    // Only start-up itself can get here: handlers never let an exception out.
    MessageBoxW(nullptr, picoron::ui::Widen(error.what()).c_str(), L"picoron", MB_OK | MB_ICONSTOP);
    return 1;
  }
  return 0;
}
