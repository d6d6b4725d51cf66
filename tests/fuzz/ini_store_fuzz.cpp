// Any bytes load without a crash or sanitizer report, and the normal form
// that a write produces is stable: loading and writing it again changes
// nothing.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "ini_store.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  picoron::IniStore store = picoron::IniStore::Load(bytes);
  const std::string once = store.Write();
  if (picoron::IniStore::Load(once).Write() != once) __builtin_trap();

  store.ReadInteger("PicoRon", "Top", 0);
  store.ReadBool("picoron", "Down", false);
  store.WriteInteger("PicoRon", "Left", -4);
  store.WriteBool("Editer", "Down", true);
  const std::string written = store.Write();
  if (picoron::IniStore::Load(written).Write() != written) __builtin_trap();
  picoron::ParseIniInteger(bytes);
  return 0;
}
