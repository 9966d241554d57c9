// Whole-file reads and crash-safe whole-file writes.
#pragma once
#include <windows.h>
#include <guiddef.h>

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
// never a half-written mix. The temporary file is a new one of a name of our
// own, so no file of the user's is ever opened, truncated or deleted on the
// way. Returns ERROR_SUCCESS or the first error met; on error the target is
// untouched and no temporary file is left.
DWORD ReplaceFileAtomically(const std::wstring& path, const std::string& bytes);

// Whether a new file can be made in the folder (which may exist or not; the
// probe leaves nothing behind).
bool CanCreateFilesIn(const std::wstring& folder);

// The per-user folder of the program under a known folder of the system
// (FOLDERID_RoamingAppData, FOLDERID_LocalAppData), "...\ruxa\", made when
// missing; empty when the system cannot tell where it is.
std::wstring UserFolder(const GUID& knownFolder);

// The system's description of an error code (UTF-8, one line or more without
// a final line break); "エラー N" when the system has none.
std::string ErrorText(DWORD error);

}  // namespace fileio
