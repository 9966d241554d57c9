// Any text parses and answers any lookup; a key written into it reads back
// after the document has been written out and parsed again.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "IniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    IniFile ini = IniFile::Parse(text);
    const std::size_t cut = size / 3;
    (void)ini.Get(text.substr(0, cut), text.substr(cut, cut));

    std::string value;
    for (std::size_t i = 0; i < size && i < 64; ++i) value += "0123456789abcdef"[data[i] & 15];
    const std::string section = "S" + std::to_string(size % 5);
    ini.Set(section, "Key", value);
    if (IniFile::Parse(ini.Serialize()).Get(section, "key").value_or("?") != value) std::abort();
    return 0;
}
