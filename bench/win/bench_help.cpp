// Getting the help pages ready for the browser, the part of opening a page
// that is the program's own (the browser's start is the system's):
// - the first open writes the whole set, through a folder of its own, the
//   marker last and a rename, against the same files written straight into
//   their folder;
// - every later open finds the set complete, against looking for one file.
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "BenchHarness.h"
#include "HelpFolder.h"
#include "HelpPages.h"

namespace {

std::string ResourceBytes(int id) {
    const HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(id), RT_RCDATA);
    const void* bytes = found ? LockResource(LoadResource(nullptr, found)) : nullptr;
    return bytes ? std::string(static_cast<const char*>(bytes), SizeofResource(nullptr, found)) : std::string();
}

void WriteStraight(const std::wstring& folder) {
    CreateDirectoryW(folder.c_str(), nullptr);
    CreateDirectoryW((folder + L"\\images").c_str(), nullptr);
    for (const help_pages::File& file : help_pages::Files) {
        const std::string bytes = ResourceBytes(file.resource);
        const HANDLE out = CreateFileW((folder + L"\\" + file.name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        WriteFile(out, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(out);
    }
}

}  // namespace

int main() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring root = std::wstring(temp) + L"ruxa-bench-help-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(root.c_str(), nullptr);

    std::printf("help pages: %zu files\n", std::size(help_pages::Files));
    // A new base each run, so each one writes the whole set.
    int run = 0;
    bool written = true;
    const double first = bench::SecondsPerRun(
        [&] { written = help::WritePages(root + L"\\first" + std::to_wstring(++run)).error == ERROR_SUCCESS && written; },
        5);
    const double straight =
        bench::SecondsPerRun([&] { WriteStraight(root + L"\\straight" + std::to_wstring(++run)); }, 5);
    bench::Report("first open: write the set", first, straight);

    const std::wstring base = root + L"\\later";
    written = help::WritePages(base).error == ERROR_SUCCESS && written;
    const std::wstring index = base + L"\\" + help_pages::Folder + L"\\index.html";
    const double later = bench::SecondsPerRun([&] { help::WritePages(base); }, 200);
    volatile DWORD sink = 0;
    const double one = bench::SecondsPerRun([&] { sink = sink + GetFileAttributesW(index.c_str()); }, 200);
    bench::Report("later open: find the set", later, one);

    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
    return written ? 0 : 1;
}
