#include "TestFolder.h"

#include <windows.h>

#include <filesystem>

#include "FileIo.h"

TestFolder::TestFolder() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    static int counter = 0;
    path_ = std::wstring(temp) + L"ruxa-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(++counter) + L"\\";
    CreateDirectoryW(path_.c_str(), nullptr);
}

TestFolder::~TestFolder() {
    // Tests leave read-only files behind, which could not be deleted as such.
    std::error_code ignored;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, ignored))
        SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
    std::filesystem::remove_all(path_, ignored);
}

void TestFolder::Write(const std::wstring& name, const std::string& bytes) const {
    SetFileAttributesW(File(name).c_str(), FILE_ATTRIBUTE_NORMAL);
    fileio::ReplaceFileAtomically(File(name), bytes);
}

std::string TestFolder::Read(const std::wstring& name) const {
    return fileio::ReadWholeFile(File(name)).bytes.value_or("");
}

bool TestFolder::Exists(const std::wstring& name) const {
    return GetFileAttributesW(File(name).c_str()) != INVALID_FILE_ATTRIBUTES;
}
