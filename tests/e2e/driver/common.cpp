#include "driver.h"

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

DWORD Options::TimeoutMs() const { return static_cast<DWORD>(Number(L"timeout").value_or(60000)); }

namespace {

// WriteFile rather than stdio: the C runtime's text mode would turn "\n" into
// "\r\n" on the Linux side of the pipe.
void Write(DWORD stream, const std::string& bytes) {
  DWORD written = 0;
  WriteFile(GetStdHandle(stream), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

} // namespace

std::string Utf8(const std::wstring& text) {
  if (text.empty())
    return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size,
                      nullptr, nullptr);
  return bytes;
}

std::string Escaped(const std::wstring& text) {
  std::wstring out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'\\')
      out += L"\\\\";
    else if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n')
      continue; // the \n that follows stands for the pair
    else if (text[i] == L'\n' || text[i] == L'\r')
      out += L"\\n";
    else
      out += text[i];
  }
  return Utf8(out);
}

void PrintLine(const std::string& line) { Write(STD_OUTPUT_HANDLE, line + "\n"); }

int Fail(const std::wstring& message) {
  Write(STD_ERROR_HANDLE, "ruxa_driver: " + Utf8(message) + "\n");
  return 1;
}

} // namespace driver
