#pragma once

#include <exception>
#include <functional>
#include <memory>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "win32.h"

namespace picoron::ui {

class TForm;

// The process's one application object. Its own hidden top-level window owns
// every form, so no form gets a taskbar button of its own.
class TApplication {
 public:
  TApplication();
  // Destroys the forms without running any of their handlers.
  ~TApplication();
  TApplication(const TApplication&) = delete;
  TApplication& operator=(const TApplication&) = delete;

  void Initialize() {}

  // Stores the instance into `reference` before constructing it, then runs
  // its OnCreate; the first form created becomes the main form.
  template <class Form>
  void CreateForm(Form*& reference);

  HWND Handle() const { return handle_; }
  TForm* MainForm() const { return mainForm_; }
  const std::wstring& Title() const { return title_; }

  // Shows the main form and runs the message loop until the quit message.
  void Run();
  // Runs `work` from the message loop once nothing is waiting, the windows
  // painted: for what start-up can leave until the main window is up. Work
  // that throws ends the loop with the exception.
  void WhenIdle(std::function<void()> work) { idle_.push_back(std::move(work)); }
  void Terminate() { PostQuitMessage(0); }

  // The default error report: stop icon, OK, the title as caption.
  void ShowException(const std::exception& error);

  // Raised from the message loop a moment after the application as a whole
  // lost activation; moving between its own windows is no such loss.
  std::function<void()> OnDeactivate;
  // Every top-level window of ours reports WM_ACTIVATEAPP here; one notice is
  // posted per loss of activation.
  void ActivationChanged(bool active);

 private:
  template <class Owner>
  friend LRESULT CALLBACK ObjectWindowProc(HWND, UINT, WPARAM, LPARAM);
  LRESULT Dispatch(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  void Adopt(std::unique_ptr<TForm> form);
  void RunOnCreate(TForm& form);

  HWND handle_ = nullptr;
  bool deactivationPosted_ = false;
  std::wstring title_;
  TForm* mainForm_ = nullptr;
  std::vector<std::unique_ptr<TForm>> forms_;
  std::vector<std::function<void()>> idle_;
};

// The application object, as every window procedure reaches it.
extern TApplication* Application;

// Runs an event handler; an exception it throws goes to the default error
// report and stops there. Every window procedure goes through this.
template <class Handler>
bool Guarded(Handler&& handler) noexcept {
  try {
    handler();
    return true;
  } catch (const std::exception& error) {
    Application->ShowException(error);
  } catch (...) {
    Application->ShowException(std::runtime_error("unknown error"));
  }
  return false;
}

template <class Form>
void TApplication::CreateForm(Form*& reference) {
  // The reference is set before construction, as handlers reach their form
  // through it from the first message on.
  void* storage = ::operator new(sizeof(Form));
  reference = static_cast<Form*>(storage);
  try {
    new (storage) Form(*this);
  } catch (...) {
    reference = nullptr;
    ::operator delete(storage);
    throw;
  }
  Adopt(std::unique_ptr<TForm>(reference));
  RunOnCreate(*reference);
}

}  // namespace picoron::ui
