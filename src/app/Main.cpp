#include "Main.h"

#include "AppIcon.h"
#include "FrmRuxa.h"
#include "Globals.h"
#include "MessageLoop.h"
#include "PaperTables.h"
#include "ResidentInstance.h"
#include "SettingsFile.h"
#include "Text.h"
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

}  // namespace

unique_hicon LoadAppIcon(HINSTANCE instance, FrmRuxa& main) {
    SettingsModel settings = Store().Model();
    unique_hicon custom;
    if (!settings.Settings.Icon.empty())
        custom.reset(static_cast<HICON>(LoadImageW(nullptr, text::Widen(settings.Settings.Icon).c_str(), IMAGE_ICON, 0,
                                                   0, LR_LOADFROMFILE | LR_DEFAULTSIZE)));
    if (custom) {
        main.SetIcon(custom.get());
        AppIcon::SetSourceFile(text::Widen(settings.Settings.Icon));
    } else if (!settings.Settings.Icon.empty()) {
        main.SetIcon(static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_PICICON), IMAGE_ICON, 16, 16, LR_SHARED)));
        AppIcon::SetSource(instance, IDI_PICICON);
    }
    settings.Settings.UsesDefaultIcon = custom ? 0 : -1;
    Store().Reset(settings);
    return custom;
}

int Main(HINSTANCE instance) {
    AppPath = ProgramFolder();
    LastPicturePath = AppPath;
    const CommandLineArgs args = SplitCommandLine(ArgumentText(text::Narrow(GetCommandLineW())));
    const bool commandLine = !args.CmdArgs[0].empty();
    unique_mutex residence;
    if (!commandLine) {
        residence = ClaimResidence();
        if (!residence) return 0;
    }
    BasPrinterConst::InitPaperTables();
    if (!LoadSettings()) return static_cast<int>(commandLine ? RunExit::Failed : RunExit::Done);

    unique_hicon customIcon;  // the window shows it until it goes
    FrmRuxa main(instance, commandLine);
    if (commandLine) {
        main.RunCommandLine(ParseCommandLine(args, CurrentPrint.Title));
    } else {
        customIcon = LoadAppIcon(instance, main);
        main.StartResident();
    }
    // A region run goes on in the selection window, a confirmed one in its
    // dialog; every run ends when the main window goes.
    return main.Handle() ? RunMessageLoop() : static_cast<int>(main.ExitCode());
}

}  // namespace BasRuxa
