// Command-line options of the driver: "--name value" pairs after the command.
#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <string>

namespace driver {

class Options {
public:
  Options(int argc, wchar_t** argv); // argv[0] is the first option; throws Failure

  std::optional<std::wstring> Text(const wchar_t* name) const;
  std::optional<long long> Number(const wchar_t* name) const; // decimal or 0x hex
  // How long to wait for a window: --timeout in milliseconds, a minute by
  // default, which only a hung program reaches even on a loaded machine.
  DWORD TimeoutMs() const;

private:
  std::map<std::wstring, std::wstring> values_;
};

} // namespace driver
