// The INI document against the platform's private-profile functions: the same
// writes leave the same bytes, the same reads give the same values.
#include <windows.h>

#include <gtest/gtest.h>

#include <random>

#include "IniFile.h"
#include "Settings.h"
#include "TestFolder.h"
#include "Text.h"

namespace {

// The A functions speak the ANSI code page, 932 in the tests' Japanese locale.
std::string Ansi(const std::string& utf8) { return text::Utf8ToCp932(utf8).value_or(""); }

std::string PlatformRead(const std::wstring& path, const std::string& section, const std::string& key) {
    char buffer[1024] = {};
    GetPrivateProfileStringA(Ansi(section).c_str(), Ansi(key).c_str(), "", buffer, sizeof buffer,
                             Ansi(text::Narrow(path)).c_str());
    const std::string value = text::Cp932ToUtf8(buffer);
    return value.empty() ? "0" : value;
}

void PlatformWrite(const std::wstring& path, const std::string& section, const std::string& key, const std::string& value) {
    WritePrivateProfileStringA(Ansi(section).c_str(), Ansi(key).c_str(), Ansi(value).c_str(),
                               Ansi(text::Narrow(path)).c_str());
}

const char* const Sections[] = {"Application", "Option", "option", "OPTION", "DefaultPrinter",
                                "Printer1",    "Printer12", "設定", "ｾｸｼｮﾝ", ""};
const char* const Keys[] = {"Title", "title", "SelfTime", "HotKeyOn0", "DeviceName", "名前", "k", ""};
const std::string Values[] = {"",           "0",          "-1",        "80",         "ヴェルモ",
                              "  padded",   "\"quoted\"", "'single'",  "\"",         "a=b",
                              "x;y",        "[brackets]", "ｶﾀｶﾅ",      "\u3000全角\u3000", "tab\tinside",
                              std::string(1500, 'x'),     "日本語" + std::string(900, 'y')};

}  // namespace

TEST(IniDifferential, GeneratedWritesAndReadsMatchThePlatform) {
    TestFolder folder;
    std::mt19937 random(20261206);
    const auto pick = [&](const auto& pool) { return std::string(pool[random() % std::size(pool)]); };

    for (int sequence = 0; sequence < 150; ++sequence) {
        const std::wstring path = folder.File(L"seq" + std::to_wstring(sequence) + L".ini");
        IniFile ours;
        for (int step = 0; step < 40; ++step) {
            const std::string section = pick(Sections), key = pick(Keys);
            if (random() % 3 != 0) {
                const std::string value = pick(Values);
                PlatformWrite(path, section, key, value);
                ours.Set(section, key, value);
                ASSERT_EQ(folder.Read(path.substr(folder.Path().size())), Ansi(ours.Serialize()))
                    << "sequence " << sequence << " step " << step << " wrote [" << section << "] " << key;
            } else {
                ASSERT_EQ(BasRuxa::ReadIni(ours, section, key), PlatformRead(path, section, key))
                    << "sequence " << sequence << " step " << step << " read [" << section << "] " << key;
            }
        }
    }
}

TEST(IniDifferential, HandWrittenFilesReadTheSame) {
    const std::string files[] = {
        "; comment line\r\n[Application]\r\nTitle=ヴェルモ\r\n\r\n\r\n[Option]\r\nSelfTime = 5 \r\nnoequals\r\n",
        "[Option]\nSelfTime=1\nSelfTime=2\n[option]\nSelfTime=3\nOther=4\n",  // LF only, duplicates
        "top=before\n[A]\nk=v",                                                // no final newline
        "[A]\r\n  key  =  \"quoted value\"  \r\n=novalue\r\n=second\r\nk2='x'\r\n[B\r\nk3=in broken header\r\n",
        "[日本語]\r\n名前=値\r\n[ｶﾀｶﾅ]\r\nｷｰ=ｱｲｳ\r\n\u3000sp\u3000=\u3000v\u3000\r\n",
        "\r\n\r\n[A]\r\n[A]\r\nk=second section\r\n[a]\r\nk=third\r\n",
        "[A]\r\nk=\x1a\x1avalue\x1a\r\n\t[T]\t\r\ntk=tv\r\n[ Sp ]\r\nin=sp\r\n",
    };
    const char* const probes[][2] = {
        {"Application", "Title"}, {"Option", "SelfTime"}, {"option", "other"}, {"Option", "noequals"}, {"A", "k"},
        {"A", "key"}, {" A ", " key "}, {"A", ""}, {"A", "k2"}, {"B", "k3"}, {"A", "k3"}, {"日本語", "名前"},
        {"ｶﾀｶﾅ", "ｷｰ"}, {"ｶﾀｶﾅ", "sp"}, {"", "top"}, {"T", "tk"}, {"Sp", "in"}, {" Sp ", "in"}, {"Missing", "k"}};
    TestFolder folder;
    int n = 0;
    for (const std::string& utf8 : files) {
        const std::wstring name = L"odd" + std::to_wstring(n++) + L".ini";
        folder.Write(name, Ansi(utf8));
        const IniFile ours = IniFile::Parse(text::Cp932ToUtf8(folder.Read(name)));
        for (const auto& [section, key] : probes)
            EXPECT_EQ(BasRuxa::ReadIni(ours, section, key), PlatformRead(folder.File(name), section, key))
                << "file " << n - 1 << " [" << section << "] " << key;

        // A write rewrites the whole file the platform's way.
        IniFile changed = ours;
        changed.Set("Option", "Added", "1");
        PlatformWrite(folder.File(name), "Option", "Added", "1");
        EXPECT_EQ(folder.Read(name), Ansi(changed.Serialize())) << "file " << n - 1;
    }
}
