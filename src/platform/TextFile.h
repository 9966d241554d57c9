// The text of the settings files. The program has always written them in
// code page 932 without a mark; an editor may have saved one with a
// byte-order mark in UTF-8 or UTF-16, and such a file is read by its mark and
// written back the same way.
#pragma once
#include <string>
#include <string_view>

enum class TextEncoding { Cp932, Utf8Bom, Utf16LeBom, Utf16BeBom };

struct DecodedText {
    std::string utf8;
    TextEncoding encoding = TextEncoding::Cp932;
};

// By the byte-order mark; without one, code page 932.
DecodedText DecodeTextFile(std::string_view bytes);

// The text as the file's bytes in the given encoding, mark included. Code
// page 932 cannot hold every character: such text makes the file UTF-8 with
// a mark from then on (the encoding is changed), so that nothing is lost.
std::string EncodeTextFile(std::string_view utf8, TextEncoding& encoding);
