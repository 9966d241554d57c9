// The settings file written and read one key at a time through the platform's
// private-profile functions, the way earlier versions did it. Tests compare
// the program's bytes with it; the benchmark measures against it.
#pragma once
#include <string>
#include <string_view>

#include "IniFile.h"

namespace keybykey {

// The platform's private-profile functions of the A kind speak the process's
// ANSI code page (932 in the tests' Japanese locale).
std::string ToAnsi(std::string_view utf8);
std::string FromAnsi(std::string_view ansi);

// Deletes the file, then writes every line of the document in order with
// WritePrivateProfileStringA, plus the PrinterCount write that each named
// setting's save makes.
void Save(const IniFile& document, const std::wstring& path);

// Reads every key of the document back with GetPrivateProfileStringA.
// Returns the number of bytes read, so the work cannot be optimised away.
std::size_t Load(const IniFile& document, const std::wstring& path);

}  // namespace keybykey
