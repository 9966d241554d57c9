// The smallest resident Windows program: one hidden window and its message
// loop. bench_memory.sh measures ruxa's idle memory above this.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSW window{};
    window.lpfnWndProc = DefWindowProcW;
    window.hInstance = instance;
    window.lpszClassName = L"BareWindow";
    RegisterClassW(&window);
    CreateWindowExW(0, window.lpszClassName, L"bare", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr, instance, nullptr);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    return 0;
}
