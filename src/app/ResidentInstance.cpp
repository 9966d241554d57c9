#include "ResidentInstance.h"

#include "FrmRuxa.h"

namespace BasRuxa {
namespace {

// Per session, whatever folder the copy was started from: two resident
// copies would fight over the same hot keys in any case.
constexpr const wchar_t* ResidentMutex = L"Local\\RuxaResident";

BOOL CALLBACK AskToOpen(HWND window, LPARAM message) {
    wchar_t className[32] = {};
    GetClassNameW(window, className, 32);
    if (std::wstring_view(className) != FrmRuxa::ClassName || !GetPropW(window, FrmRuxa::ResidentProperty)) return TRUE;
    // The user started this copy: the running one may come to the front.
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    AllowSetForegroundWindow(process);
    PostMessageW(window, static_cast<UINT>(message), 0, 0);
    return FALSE;
}

}  // namespace

unique_mutex ClaimResidence() {
    unique_mutex claim(CreateMutexW(nullptr, TRUE, ResidentMutex));
    if (claim && GetLastError() != ERROR_ALREADY_EXISTS) return claim;
    // The resident copy may still be starting (its window comes when its
    // settings have been read) or already ending (its window gone, the claim
    // not yet let go): hand over to its window once there is one, or take
    // the claim once it is let go, rather than end with no copy running.
    const UINT openAgain = RegisterWindowMessageW(FrmRuxa::OpenAgainMessage);
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (!EnumWindows(AskToOpen, openAgain)) return unique_mutex();
        if (!claim) {  // no claim to wait on: only a window to look for
            Sleep(100);
            continue;
        }
        const DWORD wait = WaitForSingleObject(claim.get(), 100);
        if (wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED) return claim;
    }
    return unique_mutex();
}

}  // namespace BasRuxa
