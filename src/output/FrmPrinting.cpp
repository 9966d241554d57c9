#include "FrmPrinting.h"

#include <array>

#include "Form.h"
#include "Globals.h"
#include "MainWindow.h"
#include "resource.h"

namespace FrmPrinting {
namespace {

enum ControlId : int { PicIcon = 100, Label1 };

constexpr std::array Controls{
    ControlSpec{ControlKind::Picture, PicIcon, L"", 180, 180, 240, 240},
    ControlSpec{ControlKind::Label, Label1, L"プリンタに情報を転送しています...", 540, 180, 3735, 0, 0, SS_NOPREFIX},
};

Form form;
unique_hicon builtInIcon;

// The main window's icon when start-up took one from a file (or in a
// command-line run, which keeps the window's own), else the built-in picture.
HICON ApplicationIcon() {
    if (BasRuxa::Settings.UsesDefaultIcon != -1) return MainWindow::Icon();
    const int size = form.Pixels(240);
    builtInIcon.reset(static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_PICICON), IMAGE_ICON, size, size, 0)));
    return builtInIcon.get();
}

}  // namespace

void Load() {
    if (!form.Exists()) {
        // The caption is not shown (there is no title bar); it names the
        // window for whoever looks for it.
        const FormSpec design{L"印刷中", 4215, 630, Controls, false, false};
        if (!form.Create(design, [](UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; })) return;
        form.SetImage(PicIcon, ApplicationIcon());
    }
    form.Show();
    UpdateWindow(form.Handle());
}

void Unload() {
    form.Destroy();
    builtInIcon.reset();
}

bool Loaded() { return form.Exists(); }

}  // namespace FrmPrinting
