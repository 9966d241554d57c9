#include "options.h"

#include "output.h"

#include <cwchar>

namespace driver {

Options::Options(int argc, wchar_t** argv) {
  for (int i = 0; i < argc; i += 2) {
    const std::wstring name = argv[i];
    if (name.rfind(L"--", 0) != 0 || i + 1 >= argc)
      throw Failure{L"expected --option value at " + name};
    values_[name.substr(2)] = argv[i + 1];
  }
}

std::optional<std::wstring> Options::Text(const wchar_t* name) const {
  const auto it = values_.find(name);
  return it == values_.end() ? std::nullopt : std::optional(it->second);
}

std::optional<long long> Options::Number(const wchar_t* name) const {
  const auto text = Text(name);
  if (!text || text->empty())
    return std::nullopt;
  wchar_t* end = nullptr;
  const long long value = std::wcstoll(text->c_str(), &end, 0);
  return *end == L'\0' ? std::optional(value) : std::nullopt;
}

DWORD Options::TimeoutMs() const {
  return static_cast<DWORD>(Number(L"timeout").value_or(60000));
}

} // namespace driver
