#include "KeyByKey.h"

#include <windows.h>

#include <cstring>

#include "Text.h"

namespace keybykey {

namespace {

// The functions of the A kind speak the process's ANSI code page, 932 in the
// benchmark's Japanese locale.
std::string ToAnsi(std::string_view utf8) { return text::Utf8ToCp932(utf8).value_or(""); }

}  // namespace

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
