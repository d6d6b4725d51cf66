#pragma once

namespace picoron {

// Limits where DLLs loaded on demand are looked for to the system folder, so
// that a DLL planted beside picoron.exe is never loaded in place of a system
// one. Runs first thing; on a Windows too old for it, nothing changes.
void HardenDllSearch();

}  // namespace picoron
