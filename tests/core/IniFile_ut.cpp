// What the platform's functions cannot tell (IniDifferential_ut compares with
// them): whether a write changed the document, empty against missing values,
// blanks a write keeps, a long section's name index, bytes that are no text.
#include "IniFile.h"

#include <gtest/gtest.h>

#include <string>

TEST(IniFile, SetTellsWhetherTheDocumentChangedAndGetTellsEmptyFromMissingFoldingCase) {
    IniFile ini = IniFile::Parse("[S]\nempty=\n");
    EXPECT_TRUE(ini.Set("Option", "SelfTime", "7"));
    EXPECT_FALSE(ini.Set("OPTION", "selftime", "  7"));
    EXPECT_EQ(ini.Get("S", "empty"), "");
    EXPECT_EQ(ini.Get("S", "missing"), std::nullopt);
    EXPECT_EQ(ini.Get("Missing", "empty"), std::nullopt);
    // Blanks before names are dropped; after a written value they stay until
    // the file is read again.
    ini.Set(" New", " key", "t  ");
    EXPECT_EQ(ini.Serialize(), "[S]\r\nempty=\r\n[Option]\r\nSelfTime=7\r\n[New]\r\nkey=t  \r\n");
    EXPECT_EQ(IniFile::Parse(ini.Serialize()).Get("New", "key"), "t");
    // Wide letters fold as narrow ones do.
    EXPECT_EQ(IniFile::Parse("[Ｓｅｃ]\nｋ=v\n").Get("ｓｅｃ", "Ｋ"), "v");
}

TEST(IniFile, ASectionOfManyKeysStillFindsTheFirstOfAName) {
    std::string text = "[S]\n";
    for (int i = 0; i < 40; ++i) text += "k" + std::to_string(i % 30) + "=" + std::to_string(i) + "\n";
    IniFile ini = IniFile::Parse(text);
    EXPECT_EQ(ini.Get("S", "K7"), "7");
    ini.Set("S", "K29", "x");
    for (int i = 0; i < 30; ++i) ini.Set("s", "more" + std::to_string(i), "y");
    EXPECT_EQ(ini.Get("S", "k29"), "x");
    EXPECT_EQ(ini.Get("S", "k5"), "5");
    EXPECT_EQ(ini.Get("S", "MORE29"), "y");
}

TEST(IniFile, ArbitraryBytesNeverBreakParsing) {
    const std::string junk("\xff\xfe[\x80]\n\xe3\x80=\xc3\n[\n]\r\r=\n", 20);
    IniFile ini = IniFile::Parse(junk);
    ini.Set("\x80", "k", "v");
    EXPECT_EQ(IniFile::Parse(ini.Serialize()).Get("\x80", "k"), "v");
}
