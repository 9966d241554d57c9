#include "TestFolder.h"

#include <windows.h>

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
    WIN32_FIND_DATAW data;
    const HANDLE find = FindFirstFileW((path_ + L"*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = data.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring full = path_ + name;
            SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveDirectoryW(full.c_str());
            else DeleteFileW(full.c_str());
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }
    SetFileAttributesW(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryW(path_.c_str());
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
