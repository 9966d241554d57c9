#include "KeyByKey.h"

#include <windows.h>

#include <cstring>

#include "Text.h"

namespace keybykey {

std::string ToAnsi(std::string_view utf8) {
    const std::wstring wide = text::Widen(utf8);
    if (wide.empty()) return {};
    const int n = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(n, '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), bytes.data(), n, nullptr, nullptr);
    return bytes;
}

std::string FromAnsi(std::string_view ansi) {
    if (ansi.empty()) return {};
    const int n = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
    std::wstring wide(n, L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(), n);
    return text::Narrow(wide);
}

void Save(const IniFile& document, const std::wstring& path) {
    const std::string file = ToAnsi(text::Narrow(path));
    DeleteFileW(path.c_str());
    for (const IniFile::Entry& e : document.Entries()) {
        const std::string section = ToAnsi(e.section);
        WritePrivateProfileStringA(section.c_str(), ToAnsi(e.key).c_str(),
                                   ToAnsi(e.value.value_or("")).c_str(), file.c_str());
        if (section.rfind("Printer", 0) == 0 && e.key == "DeviceName")
            WritePrivateProfileStringA("Option", "PrinterCount", section.substr(7).c_str(), file.c_str());
    }
}

std::size_t Load(const IniFile& document, const std::wstring& path) {
    const std::string file = ToAnsi(text::Narrow(path));
    std::size_t total = 0;
    char buffer[1024];
    for (const IniFile::Entry& e : document.Entries()) {
        GetPrivateProfileStringA(ToAnsi(e.section).c_str(), ToAnsi(e.key).c_str(), "", buffer,
                                 sizeof buffer, file.c_str());
        total += std::strlen(buffer);
    }
    return total;
}

}  // namespace keybykey
