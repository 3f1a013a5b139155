#include "tavrel/win32/url_mail.h"

#include <windows.h>

#include <shellapi.h>

#include "tavrel/win32/entry_point.h"

namespace tavrel::win32 {
namespace {

EntryPoint<decltype(&::ShellExecuteA)> shell_execute("shell32.dll", "ShellExecuteA");

// The address the link label opens, set by the build (TAVREL_HOME_PAGE).
constexpr char kHomePage[] = TAVREL_HOME_PAGE;

}  // namespace

void OpenHomePage() { shell_execute(nullptr, nullptr, kHomePage, nullptr, "C:\\", SW_SHOWNORMAL); }

}  // namespace tavrel::win32
