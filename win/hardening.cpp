#include "hardening.h"

#include "ui/win32.h"

namespace picoron {

void HardenDllSearch() {
  // Looked up rather than imported: the function is missing from kernel32 on
  // Windows 7 without its security update, where the exe must still start.
  using SetDirectories = BOOL(WINAPI*)(DWORD);
  const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  if (!kernel) return;
  const auto set = reinterpret_cast<SetDirectories>(
      reinterpret_cast<void*>(GetProcAddress(kernel, "SetDefaultDllDirectories")));
  if (set) set(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

}  // namespace picoron
