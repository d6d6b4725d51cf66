#include "save_dialog.h"

#include <commdlg.h>

#include <stdexcept>
#include <vector>

#include "application.h"
#include "system_library.h"
#include "text.h"

namespace picoron::ui {
namespace {

// The dialog's DLL is taken in only when the user first saves: imported, it
// would slow every start of picoron.
using SaveFileNameFunction = BOOL(WINAPI*)(LPOPENFILENAMEW);

SaveFileNameFunction GetSaveFileNameFunction() {
  static const auto function = LoadSystemFunction<SaveFileNameFunction>(L"comdlg32.dll", "GetSaveFileNameW");
  if (!function) throw std::runtime_error("comdlg32.dll cannot be loaded");
  return function;
}

}  // namespace

void TSaveDialog::SetFileName(const std::string& name) { fileName_ = Widen(name); }

std::string TSaveDialog::FileName() const { return Utf8FromWide(fileName_); }

bool TSaveDialog::Execute() {
  // The dialog wants the filter's parts separated by NULs, ending in two.
  std::wstring filter = Widen(filter_);
  for (auto& c : filter) {
    if (c == L'|') c = L'\0';
  }
  filter.append(2, L'\0');
  const std::wstring defaultExt = Widen(defaultExt_);
  std::vector<wchar_t> file(32768, L'\0');
  fileName_.copy(file.data(), file.size() - 1);

  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = Application->Handle();
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrDefExt = defaultExt.c_str();
  dialog.Flags = OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_EXPLORER;
  if (!GetSaveFileNameFunction()(&dialog)) return false;
  fileName_ = file.data();
  return true;
}

}  // namespace picoron::ui
