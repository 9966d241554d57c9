#include "FrmAbout.h"

#include <windows.h>
#include <shellapi.h>

#include <array>
#include <string>

#include "Text.h"
#include "resource.h"

namespace {

using enum ControlKind;
using A = FrmAbout;

constexpr const wchar_t* HomePage = L"https://ruxa.example.org/";
constexpr const wchar_t* MailAddress = L"ruxa@example.org";
constexpr COLORREF LinkColour = RGB(0, 102, 204);

constexpr std::array Controls{
    ControlSpec{Picture, A::Picture2, L"", 240, 240, 480, 480},
    ControlSpec{Label, A::Label1, L"ヴェ", 960, 120, 1200, 480},
    ControlSpec{Label, A::Label2, L"ルモ", 960, 570, 1200, 480},
    ControlSpec{Label, A::Label3, L"Ver.2.60", 2280, 810, 1400, 270},
    ControlSpec{Label, A::Line1, L"", 120, 1200, 4860, 30, 0, SS_ETCHEDHORZ},
    ControlSpec{Label, A::LblURL, HomePage, 240, 1320, 4620, 240, 0, SS_NOTIFY},
    ControlSpec{Label, A::LblMail, MailAddress, 240, 1590, 4620, 240, 0, SS_NOTIFY},
    ControlSpec{Label, A::Label4, L"Copyright (C) the ruxa project", 240, 1860, 4620, 240},
    ControlSpec{Label, A::Line2, L"", 120, 2190, 4860, 30, 0, SS_ETCHEDHORZ},
    ControlSpec{DefaultButton, A::Command2, L"OK", 3780, 2340, 1215, 315},
};

void Open(const std::wstring& target) {
    // Whatever the system does with the address is its own affair; nothing
    // is reported when no program takes it.
    ShellExecuteW(GetDesktopWindow(), L"open", target.c_str(), nullptr, L"", SW_SHOW);
}

}  // namespace

bool FrmAbout::IsLink(HWND control) const {
    return control && (control == form_.Item(LblURL) || control == form_.Item(LblMail));
}

void FrmAbout::LblURL_Click() { Open(text::Widen(form_.Text(LblURL))); }
void FrmAbout::LblMail_Click() { Open(L"mailto:" + text::Widen(form_.Text(LblMail))); }

INT_PTR FrmAbout::Form_Message(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case Command2:
        case IDCANCEL: return Unload(), TRUE;  // OK, Esc and the close box
        case LblURL: return HIWORD(wParam) == STN_CLICKED ? (LblURL_Click(), TRUE) : FALSE;
        case LblMail: return HIWORD(wParam) == STN_CLICKED ? (LblMail_Click(), TRUE) : FALSE;
        default: return FALSE;
        }
    case WM_CTLCOLORSTATIC:
        // The two addresses look like the links they are.
        if (!IsLink(reinterpret_cast<HWND>(lParam))) return FALSE;
        SetTextColor(reinterpret_cast<HDC>(wParam), LinkColour);
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
    case WM_SETCURSOR:
        if (!IsLink(reinterpret_cast<HWND>(wParam))) return FALSE;
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        SetWindowLongPtrW(form_.Handle(), DWLP_MSGRESULT, TRUE);
        return TRUE;
    default: return FALSE;
    }
}

void FrmAbout::Form_Load() {
    if (!form_.Create(FormSpec{L"ヴェルモ のﾊﾞｰｼﾞｮﾝ情報", 5100, 2760, Controls},
                      [this](UINT m, WPARAM w, LPARAM l) { return Form_Message(m, w, l); }))
        return;
    logo_.reset(static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_LOGO), IMAGE_ICON, 32, 32, 0)));
    form_.SetImage(Picture2, logo_.get());
    form_.SetControlFont(Label1, L"ＭＳ Ｐゴシック", 22, true);
    form_.SetControlFont(Label2, L"ＭＳ Ｐゴシック", 22, true);
    form_.SetControlFont(Label3, L"Times New Roman", 10);
    for (const int id : {LblURL, LblMail, Label4}) form_.SetControlFont(id, L"Verdana", 8);
}

void FrmAbout::Show() {
    if (!form_.Exists()) Form_Load();
    // A box that cannot be made leaves nothing open to gate the tray for.
    if (!form_.Exists()) return owner_.AboutClosed();
    form_.Show();
    form_.Focus(Command2);
}

void FrmAbout::Unload() {
    if (!form_.Exists()) return;
    form_.Destroy();
    logo_.reset();
    owner_.AboutClosed();
}
