// Entry points bound on their first call. (One that cannot be bound ends the
// program: each program's test of its own report shows that.)
#include <gtest/gtest.h>

#include <windows.h>

#include <string_view>

#include "windows/entry_point.h"

namespace windows {
namespace {

void NotExpected(std::string_view reason) { ADD_FAILURE() << "unbound: " << reason; }

TEST(EntryPoint, CallsTheEntryPointOfTheLibraryByName) {
  EntryPoint<decltype(&::GetCurrentProcessId), NotExpected> process_id("kernel32.dll", "GetCurrentProcessId");
  EXPECT_EQ(process_id(), GetCurrentProcessId());
  EXPECT_EQ(process_id(), GetCurrentProcessId());  // the kept address

  EntryPoint<decltype(&::GetSystemMetrics), NotExpected> metrics("user32.dll", "GetSystemMetrics");
  EXPECT_EQ(metrics(SM_CXSCREEN), GetSystemMetrics(SM_CXSCREEN));
}

}  // namespace
}  // namespace windows
