// Cycles of a desktop capture copied to the clipboard and a window capture,
// stopping at checkpoints where capture_soak.sh reads the resident memory:
// prints "checkpoint <cycles> handles=<live RAII handles>" and waits for a line.
#include <windows.h>

#include <cstdio>
#include <iostream>
#include <string>

#include "Capture.h"
#include "Clipboard.h"
#include "UniqueHandle.h"

int main() {
    const unique_hwnd owner(CreateWindowExW(0, L"STATIC", L"soak", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr));
    int done = 0;
    for (int checkpoint : {100, 1000}) {
        for (; done < checkpoint; ++done) {
            CopyPictureToClipboard(owner.get(), Capture::CaptureDesktop(true));
            Capture::CaptureActiveWindow(owner.get(), true);
        }
        std::printf("checkpoint %d handles=%ld\n", done, handles::LiveCount());
        std::fflush(stdout);
        std::string line;
        std::getline(std::cin, line);
    }
    return 0;
}
