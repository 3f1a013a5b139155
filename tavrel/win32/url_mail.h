// Module URL_Mail: the maker's web page.
#pragma once

namespace tavrel::win32 {

// Asks the shell to open the maker's web page in the default browser
// (shell32 ShellExecuteA, default verb, directory "C:\"); whatever the shell
// answers is dropped.
void OpenHomePage();

}  // namespace tavrel::win32
