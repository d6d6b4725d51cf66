#pragma once

#include "win32.h"

namespace picoron::ui {

// A function of a system DLL that picoron does not import: the DLL, with all
// that it loads in turn, is loaded at the first call of this rather than
// when picoron starts (from the system folder, the search being hardened).
// Null when the DLL or the function cannot be had.
template <class Function>
Function LoadSystemFunction(const wchar_t* dll, const char* name) {
  const HMODULE module = LoadLibraryW(dll);
  return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

}  // namespace picoron::ui
