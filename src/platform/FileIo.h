// Whole-file reads and crash-safe whole-file writes.
#pragma once
#include <windows.h>

#include <optional>
#include <string>

namespace fileio {

struct ReadResult {
    std::optional<std::string> bytes;  // nothing when the file could not be read
    DWORD error = ERROR_SUCCESS;       // why not
};

ReadResult ReadWholeFile(const std::wstring& path);

// Writes the bytes to a temporary file beside the target and moves it over the
// target in one step, so the target is either the old file or the new one,
// never a half-written mix. Returns ERROR_SUCCESS or the first error met;
// on error the target is untouched and no temporary file is left.
DWORD ReplaceFileAtomically(const std::wstring& path, const std::string& bytes);

// The system's description of an error code (UTF-8, one line or more without
// a final line break); "エラー N" when the system has none.
std::string ErrorText(DWORD error);

}  // namespace fileio
