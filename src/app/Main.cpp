#include "Main.h"

#include "Capture.h"
#include "FrmCustom.h"
#include "FrmOption.h"
#include "FrmRuxa.h"
#include "HumanSeam.h"
#include "MessageLoop.h"
#include "Output.h"
#include "PaperTables.h"
#include "SettingsFile.h"
#include "Text.h"
#include "Tray.h"
#include "UniqueHandle.h"
#include "resource.h"

namespace BasRuxa {
namespace {

std::string ProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    path.resize(path.find_last_of(L"\\/") + 1);
    std::string folder = text::Narrow(path);
    if (folder.empty() || folder.back() != '\\') folder += '\\';
    return folder;
}

// A custom icon loaded from a file lives as long as the program.
unique_hicon customIcon;

}  // namespace

int Main(HINSTANCE instance) {
    AppPath = ProgramFolder();
    LastPicturePath = AppPath;
    CmdLine = SplitCommandLine(ArgumentText(text::Narrow(GetCommandLineW())));
    BasPrinterConst::InitPaperTables();
    if (!LoadSettings()) return 0;

    if (!CmdLine.CmdArgs[0].empty()) {
        RunCommandLine();
        // A region run goes on in the selection window; every run ends by
        // unloading the main window.
        return MainWindow::Handle() ? RunMessageLoop() : 0;
    }

    // Its load registers the enabled hot keys.
    FrmRuxa::Load(instance);
    LoadAppIcon(instance);
    // Loading the options dialog once, unseen, runs its opening steps.
    FrmOption::Load();
    FrmOption::Unload();
    Tray::AddTrayIcon(MainWindow::Handle(), Settings.Title);
    AppState = StateIdle;
    return RunMessageLoop();
}

void RunCommandLine() {
    AppState = StateCommandLine;
    // Captures draw into the main window's pictures; in this state its load
    // registers no hot key.
    FrmRuxa::Load(GetModuleHandleW(nullptr));
    ConfirmBeforePrintInFile = Settings.ConfirmBeforePrint;
    Settings.ConfirmBeforePrint = 0;
    const CommandLineRequest request = ParseCommandLine(CmdLine, CurrentPrint.Title);
    Settings.ConfirmBeforePrint = request.ConfirmBeforePrint;
    if (!request.Error) {
        if (request.Action != ActionActiveWindow)
            Capture::CaptureDesktop();
        else if (!Capture::CaptureActiveWindow(reinterpret_cast<HWND>(static_cast<INT_PTR>(request.WindowHandle)))) {
            // A blank page would print otherwise.
            Capture::ReportMissingWindow(request.WindowHandle, true);
            return MainWindow::EndRun();
        }
        // The selection window prints the rectangle when the user lets go.
        if (request.Action == ActionRegion) FrmCustom::Load();
    }
    ApplyNamedSetting(Model, request.SettingName);
    if (request.Error) {
        ShowMessageBox(nullptr, "コマンドライン引数に誤りがあります。", "ルクサさん", MB_OK);
        MainWindow::EndRun();
        return;
    }
    if (request.Action != ActionRegion) PrintOutput();
}

void LoadAppIcon(HINSTANCE instance) {
    if (Settings.Icon.empty()) {
        Settings.UsesDefaultIcon = -1;
        return;
    }
    customIcon.reset(static_cast<HICON>(
        LoadImageW(nullptr, text::Widen(Settings.Icon).c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE | LR_DEFAULTSIZE)));
    if (customIcon) {
        FrmRuxa::SetIcon(customIcon.get());
        Settings.UsesDefaultIcon = 0;
        return;
    }
    FrmRuxa::SetIcon(static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_PICICON), IMAGE_ICON, 16, 16, LR_SHARED)));
    Settings.UsesDefaultIcon = -1;
}

}  // namespace BasRuxa
