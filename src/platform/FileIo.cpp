#include "FileIo.h"

#include <shlobj.h>

#include <atomic>
#include <cwchar>

#include "Text.h"
#include "UniqueHandle.h"

namespace fileio {
namespace {

// A new file beside `path` whose name says whose it is and cannot be a user's
// file left as it was: "<name>.<unique>.ruxa-tmp", created only if no such file
// exists.
unique_hfile CreateTemporaryBeside(const std::wstring& path, std::wstring& temp, DWORD flags) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        wchar_t unique[32];
        std::swprintf(unique, 32, L".%08lx%04x.ruxa-tmp", GetCurrentProcessId(), ++counter & 0xFFFF);
        temp = path + unique;
        unique_hfile file(CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, flags, nullptr));
        if (file || GetLastError() != ERROR_FILE_EXISTS) return file;
    }
    SetLastError(ERROR_FILE_EXISTS);
    return unique_hfile();
}

}  // namespace

ReadResult ReadWholeFile(const std::wstring& path) {
    unique_hfile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return {std::nullopt, GetLastError()};
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > 64 * 1024 * 1024) return {std::nullopt, ERROR_FILE_TOO_LARGE};
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!bytes.empty() && !ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr))
        return {std::nullopt, GetLastError()};
    bytes.resize(read);
    return {std::move(bytes), ERROR_SUCCESS};
}

DWORD ReplaceFileAtomically(const std::wstring& path, const std::string& bytes) {
    // A read-only file is the user's wish that it stays as it is. Windows
    // refuses to move over one; not every implementation does, so ask first.
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return ERROR_ACCESS_DENIED;
    std::wstring temp;
    DWORD error = ERROR_SUCCESS;
    {
        unique_hfile file = CreateTemporaryBeside(path, temp, FILE_ATTRIBUTE_NORMAL);
        if (!file) return GetLastError();
        DWORD written = 0;
        if (!WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr))
            error = GetLastError();
        else if (written != bytes.size())
            error = ERROR_DISK_FULL;
        else if (!FlushFileBuffers(file.get()))
            error = GetLastError();
    }
    if (error == ERROR_SUCCESS && !MoveFileExW(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        error = GetLastError();
    if (error != ERROR_SUCCESS) DeleteFileW(temp.c_str());
    return error;
}

bool CanCreateFilesIn(const std::wstring& folder) {
    std::wstring probe;
    return static_cast<bool>(CreateTemporaryBeside(folder + L"probe", probe, FILE_FLAG_DELETE_ON_CLOSE));
}

std::wstring UserFolder(const GUID& knownFolder) {
    wchar_t* base = nullptr;
    std::wstring folder;
    if (SUCCEEDED(SHGetKnownFolderPath(knownFolder, KF_FLAG_CREATE, nullptr, &base))) folder = std::wstring(base) + L"\\ruxa\\";
    CoTaskMemFree(base);
    if (!folder.empty()) CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

std::string ErrorText(DWORD error) {
    wchar_t* buffer = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                       error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring message(buffer ? buffer : L"", length);
    LocalFree(buffer);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r')) message.pop_back();
    return message.empty() ? "エラー " + std::to_string(error) : text::Narrow(message);
}

}  // namespace fileio
