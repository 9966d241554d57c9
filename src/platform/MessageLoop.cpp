#include "MessageLoop.h"

#include <algorithm>
#include <vector>

#include "Form.h"

namespace {

// Never destroyed: a form that is a static object may still leave it while
// the program's statics are taken down.
std::vector<HWND>& Dialogs() {
    static auto* dialogs = new std::vector<HWND>;
    return *dialogs;
}

void Dispatch(MSG& msg) {
    if (TranslateDialogMessage(msg)) return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

}  // namespace

void AddModelessDialog(HWND dialog) {
    if (std::find(Dialogs().begin(), Dialogs().end(), dialog) == Dialogs().end()) Dialogs().push_back(dialog);
}

void RemoveModelessDialog(HWND dialog) { std::erase(Dialogs(), dialog); }

bool TranslateDialogMessage(MSG& msg) {
    for (const HWND dialog : Dialogs())
        if (msg.hwnd == dialog || IsChild(dialog, msg.hwnd)) {
            if (msg.message == WM_KEYDOWN && SendMessageW(dialog, WM_FORM_KEYDOWN, msg.wParam, msg.lParam)) return true;
            return IsDialogMessageW(dialog, &msg) != FALSE;
        }
    return false;
}

int RunMessageLoop() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) Dispatch(msg);
    return static_cast<int>(msg.wParam);
}

void DoEvents() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        Dispatch(msg);
    }
}
