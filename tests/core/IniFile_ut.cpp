#include "IniFile.h"

#include <gtest/gtest.h>

#include <string>

TEST(IniFile, WritesAppendSectionsAndKeysAndReplaceInPlace) {
    IniFile ini;
    EXPECT_TRUE(ini.Set("Application", "Title", "ヴェルモ"));
    EXPECT_TRUE(ini.Set("Option", "SelfTime", "5"));
    EXPECT_TRUE(ini.Set("option", "DoubleClick", "1"));
    EXPECT_TRUE(ini.Set("OPTION", "selftime", "7"));
    EXPECT_FALSE(ini.Set("Option", "SelfTime", "  7"));
    EXPECT_TRUE(ini.Set("Option", "Title", "t  "));
    EXPECT_EQ(ini.Serialize(),
              "[Application]\r\nTitle=ヴェルモ\r\n[Option]\r\nSelfTime=7\r\nDoubleClick=1\r\nTitle=t  \r\n");
    EXPECT_EQ(IniFile::Parse(ini.Serialize()).Get("Option", "Title"), "t");
}

TEST(IniFile, ReadsIgnoreCaseBlanksAndQuotes) {
    const IniFile ini = IniFile::Parse("[ oPtIoN ]\n  Key  =  value with  inner  \r\nq=\"quoted\"\n1='x\nempty=\n");
    EXPECT_EQ(ini.Get("Option", "KEY"), "value with  inner");
    EXPECT_EQ(ini.Get(" option ", " key "), "value with  inner");
    EXPECT_EQ(ini.Get("Option", "q"), "quoted");
    EXPECT_EQ(ini.Get("Option", "1"), "'x");
    EXPECT_EQ(ini.Get("Option", "empty"), "");
    EXPECT_EQ(ini.Get("Option", "missing"), std::nullopt);
    EXPECT_EQ(ini.Get("Missing", "Key"), std::nullopt);
}

TEST(IniFile, HandWrittenOddities) {
    const IniFile ini = IniFile::Parse(
        "top=before any section\n"
        "; a comment\n"
        "[A]\n"
        "noequals\n"
        "k=first\n"
        "k=second\n"
        "\n\n"
        "[a]\n"
        "other=in the duplicate section\n"
        "[broken\n"
        "x=1");  // no final newline
    EXPECT_EQ(ini.Get("A", "k"), "first");
    EXPECT_EQ(ini.Get("A", "noequals"), std::nullopt);
    // Only the first section of a name is looked at.
    EXPECT_EQ(ini.Get("A", "other"), std::nullopt);
    EXPECT_EQ(ini.Get("A", "x"), std::nullopt);
    EXPECT_EQ(ini.Get("a", "[broken"), std::nullopt);
    EXPECT_EQ(ini.Get("", "top"), "before any section");
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

TEST(IniFile, RewriteNormalisesTheWholeFile) {
    IniFile ini = IniFile::Parse("; note\n\n[S]\n  a = 1 \nnoequals\n=x\n=y\n");
    ini.Set("S", "b", "2");
    EXPECT_EQ(ini.Serialize(), "; note\r\n[S]\r\na=1\r\nnoequals\r\n=x\r\nb=2\r\n");
}

TEST(IniFile, IdeographicSpaceIsTextAndWideLettersFold) {
    const IniFile ini = IniFile::Parse("[Ｓｅｃ]\nｋ=\u3000値\u3000\n");
    EXPECT_EQ(ini.Get("ｓｅｃ", "Ｋ"), "\u3000値\u3000");
}

TEST(IniFile, LinesBeforeTheFirstHeaderAndEmptyNames) {
    IniFile ini = IniFile::Parse("top=1\n[S]\n=empty name\n");
    EXPECT_EQ(ini.Get("", "top"), "1");
    EXPECT_EQ(ini.Get("S", ""), "empty name");
    ini.Set(" New", " key", "v");
    EXPECT_EQ(ini.Serialize(), "top=1\r\n[S]\r\n=empty name\r\n[New]\r\nkey=v\r\n");
}

TEST(IniFile, ArbitraryBytesNeverBreakParsing) {
    const std::string junk("\xff\xfe[\x80]\n\xe3\x80=\xc3\n[\n]\r\r=\n", 20);
    IniFile ini = IniFile::Parse(junk);
    ini.Set("\x80", "k", "v");
    EXPECT_EQ(IniFile::Parse(ini.Serialize()).Get("\x80", "k"), "v");
}
