#include "HelpFolder.h"

#include <string_view>

#include "HelpPages.h"
#include "UniqueHandle.h"

namespace help {
namespace {

// Written after every other file: a folder without it was never finished.
constexpr wchar_t CompleteMarker[] = L"complete.marker";

std::wstring Join(const std::wstring& folder, const wchar_t* name) { return folder + L"\\" + name; }

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool IsFolder(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Every file is looked for as well as the marker: a hand-tidied folder with a
// page gone would otherwise open on "file not found".
bool IsComplete(const std::wstring& folder) {
    if (!Exists(Join(folder, CompleteMarker))) return false;
    for (const help_pages::File& file : help_pages::Files)
        if (!Exists(Join(folder, file.name))) return false;
    return true;
}

std::string_view Resource(int id) {
    const HMODULE module = GetModuleHandleW(nullptr);
    const HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), RT_RCDATA);
    const HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) return {};
    return {static_cast<const char*>(bytes), SizeofResource(module, found)};
}

DWORD MakeFolder(const std::wstring& path) {
    if (CreateDirectoryW(path.c_str(), nullptr)) return ERROR_SUCCESS;
    const DWORD error = GetLastError();
    return error == ERROR_ALREADY_EXISTS && IsFolder(path) ? ERROR_SUCCESS : error;
}

// The folder and whichever folders above it are missing.
DWORD MakeFolders(const std::wstring& path) {
    if (IsFolder(path)) return ERROR_SUCCESS;
    const std::size_t slash = path.find_last_of(L'\\');
    if (slash != std::wstring::npos && slash > 0 && path[slash - 1] != L':')
        if (const DWORD error = MakeFolders(path.substr(0, slash)); error != ERROR_SUCCESS) return error;
    return MakeFolder(path);
}

DWORD WriteNewFile(const std::wstring& path, std::string_view bytes) {
    unique_hfile file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return GetLastError();
    DWORD written = 0;
    if (!WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) return GetLastError();
    return written == bytes.size() ? ERROR_SUCCESS : ERROR_DISK_FULL;
}

// Only ever given a folder of this program's own making.
void RemoveTree(const std::wstring& folder) {
    WIN32_FIND_DATAW entry;
    unique_hfind find(FindFirstFileW(Join(folder, L"*").c_str(), &entry));
    if (find) {
        do {
            const std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring path = Join(folder, name.c_str());
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveTree(path);
            else DeleteFileW(path.c_str());
        } while (FindNextFileW(find.get(), &entry));
    }
    RemoveDirectoryW(folder.c_str());
}

DWORD WriteSet(const std::wstring& folder) {
    if (const DWORD error = MakeFolder(folder); error != ERROR_SUCCESS) return error;
    for (const help_pages::File& file : help_pages::Files) {
        const std::wstring path = Join(folder, file.name);
        // The pictures have a folder of their own.
        const std::size_t slash = path.find_last_of(L'\\');
        if (slash > folder.size())
            if (const DWORD error = MakeFolder(path.substr(0, slash)); error != ERROR_SUCCESS) return error;
        const std::string_view bytes = Resource(file.resource);
        if (bytes.empty()) return ERROR_RESOURCE_DATA_NOT_FOUND;
        if (const DWORD error = WriteNewFile(path, bytes); error != ERROR_SUCCESS) return error;
    }
    return WriteNewFile(Join(folder, CompleteMarker), {});
}

// Renames the new set into place. An unfinished set of the same version in
// the way (a crash, a hand-tidied folder) makes way for it; a complete one
// there means another copy of the program was quicker, with the same pages.
DWORD MoveIntoPlace(const std::wstring& written, const std::wstring& folder, const std::wstring& suffix) {
    if (MoveFileExW(written.c_str(), folder.c_str(), 0)) return ERROR_SUCCESS;
    DWORD error = GetLastError();
    if (IsComplete(folder)) return ERROR_SUCCESS;
    if (Exists(folder)) {
        const std::wstring unfinished = folder + L".unfinished" + suffix;
        if (MoveFileExW(folder.c_str(), unfinished.c_str(), 0)) {
            RemoveTree(unfinished);
            error = MoveFileExW(written.c_str(), folder.c_str(), 0) ? ERROR_SUCCESS : GetLastError();
        }
    }
    return error;
}

}  // namespace

const wchar_t* PageFile(HelpPage page) {
    switch (page) {
    case HelpPage::PrintDialog: return L"print-dialog.html";
    case HelpPage::OptionsBasic: return L"options-basic.html";
    case HelpPage::OptionsPrint: return L"options-print.html";
    case HelpPage::OptionsHotKeys: return L"options-hotkeys.html";
    case HelpPage::OptionsOther: return L"options-other.html";
    case HelpPage::Contents: break;
    }
    return L"index.html";
}

WrittenPages WritePages(const std::wstring& base) {
    const std::wstring folder = Join(base, help_pages::Folder);
    if (IsComplete(folder)) return {folder + L"\\"};
    DWORD error = MakeFolders(base);
    if (error == ERROR_SUCCESS) {
        const std::wstring suffix = L"-" + std::to_wstring(GetCurrentProcessId());
        const std::wstring written = folder + L".writing" + suffix;
        RemoveTree(written);
        error = WriteSet(written);
        if (error == ERROR_SUCCESS) error = MoveIntoPlace(written, folder, suffix);
        if (error != ERROR_SUCCESS) RemoveTree(written);
    }
    if (error != ERROR_SUCCESS) return {folder, error};
    return {folder + L"\\"};
}

}  // namespace help
