#include "FrmPrinting.h"

#include <array>

#include "AppIcon.h"
#include "SettingsStore.h"
#include "resource.h"

namespace {

enum ControlId : int { PicIcon = 100, Label1 };

constexpr std::array Controls{
    ControlSpec{ControlKind::Picture, PicIcon, L"", 180, 180, 240, 240},
    ControlSpec{ControlKind::Label, Label1, L"プリンタに情報を転送しています...", 540, 180, 3735, 0, 0, SS_NOPREFIX},
};

}  // namespace

void FrmPrinting::Load() {
    if (!form_.Exists()) {
        // The caption is not shown (there is no title bar); it names the
        // window for whoever looks for it.
        const FormSpec design{L"印刷中", 4215, 630, Controls, false, false};
        if (!form_.Create(design, [](UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; })) return;
        // The main window's icon when start-up took one from a file (or in a
        // command-line run, which keeps the window's own), else the built-in
        // picture.
        HICON icon = AppIcon::Main();
        if (BasRuxa::Settings.UsesDefaultIcon == -1) {
            const int size = form_.Pixels(240);
            builtInIcon_.reset(static_cast<HICON>(
                LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_PICICON), IMAGE_ICON, size, size, 0)));
            icon = builtInIcon_.get();
        }
        form_.SetImage(PicIcon, icon);
    }
    form_.Show();
    UpdateWindow(form_.Handle());
}

void FrmPrinting::Unload() {
    form_.Destroy();
    builtInIcon_.reset();
}
