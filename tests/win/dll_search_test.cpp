#include <gtest/gtest.h>

#include "hardening.h"
#include "ui/win32.h"

namespace {

TEST(DllSearch, ADllBesideTheExeIsNotLoadedOnDemandOnceHardened) {
  // The DLL is there: asked for in the exe's folder by name, it loads.
  const HMODULE fromOwnFolder = LoadLibraryExW(L"planted_probe.dll", nullptr, LOAD_LIBRARY_SEARCH_APPLICATION_DIR);
  ASSERT_NE(fromOwnFolder, nullptr);
  FreeLibrary(fromOwnFolder);

  picoron::HardenDllSearch();
  const HMODULE onDemand = LoadLibraryW(L"planted_probe.dll");
  EXPECT_EQ(onDemand, nullptr);
  if (onDemand) FreeLibrary(onDemand);
}

}  // namespace
