// ruxa_open_recorder <record file> <what the shell was asked to open>: the
// browser or mail program in a test. A windowless GUI program: Wine would
// give a console program a console window, which takes the foreground from
// the dialog under test and swallows the keys typed next. The record is
// written beside its place, then renamed, so no test reads half a line.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "UniqueHandle.h"
#include "driver.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int argc = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (!argv || argc != 3)
    return 2;
  const std::wstring record = argv[1], temporary = record + L".part";
  const std::string utf8 = driver::Utf8(argv[2]) + '\n';
  bool whole = false;
  {
    const unique_hfile file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    DWORD written = 0;
    whole = file && WriteFile(file.get(), utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr) &&
            written == utf8.size();
  }
  return whole && MoveFileExW(temporary.c_str(), record.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
