#include "AppIcon.h"

#include <utility>

namespace AppIcon {
namespace {

HICON mainIcon = nullptr;
HINSTANCE sourceModule = nullptr;
int sourceResource = 0;
std::wstring sourceFile;

}  // namespace

HICON Main() { return mainIcon; }
void SetMain(HICON icon) { mainIcon = icon; }

void SetSource(HINSTANCE module, int resource) {
    sourceModule = module;
    sourceResource = resource;
    sourceFile.clear();
}

void SetSourceFile(std::wstring path) {
    sourceModule = nullptr;
    sourceResource = 0;
    sourceFile = std::move(path);
}

unique_hicon LoadSized(int size) {
    if (!sourceFile.empty())
        return unique_hicon(static_cast<HICON>(LoadImageW(nullptr, sourceFile.c_str(), IMAGE_ICON, size, size, LR_LOADFROMFILE)));
    if (sourceResource == 0) return {};
    return unique_hicon(
        static_cast<HICON>(LoadImageW(sourceModule, MAKEINTRESOURCEW(sourceResource), IMAGE_ICON, size, size, 0)));
}

}  // namespace AppIcon
