// The settings file written and read one key at a time through the platform's
// private-profile functions, the way earlier versions did it: the baseline
// the settings benchmark measures the program's one-read, one-write file
// against.
#pragma once
#include <string>

#include "IniFile.h"

namespace keybykey {

// Deletes the file, then writes every line of the document in order with
// WritePrivateProfileStringA, plus the PrinterCount write that each named
// setting's save makes.
void Save(const IniFile& document, const std::wstring& path);

// Reads every key of the document back with GetPrivateProfileStringA.
// Returns the number of bytes read, so the work cannot be optimised away.
std::size_t Load(const IniFile& document, const std::wstring& path);

}  // namespace keybykey
