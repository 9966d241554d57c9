// A fresh, empty folder under the temporary folder, removed with its files.
#pragma once
#include <string>

class TestFolder {
public:
    TestFolder();
    ~TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::wstring& Path() const { return path_; }  // ends in "\"
    std::wstring File(const std::wstring& name) const { return path_ + name; }

    void Write(const std::wstring& name, const std::string& bytes) const;
    std::string Read(const std::wstring& name) const;  // empty when missing
    bool Exists(const std::wstring& name) const;

private:
    std::wstring path_;
};
