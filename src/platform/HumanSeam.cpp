#include "HumanSeam.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "Form.h"
#include "Text.h"
#include "UniqueHandle.h"

namespace {

template <typename Answer>
std::function<Answer>& AnswererOf() {
    static std::function<Answer> answerer;
    return answerer;
}

enum InputBoxId { IdPrompt = 100, IdAnswer };

// The classic input box: the prompt beside OK and キャンセル, the answer below.
constexpr std::array InputBoxControls{
    ControlSpec{ControlKind::Label, IdPrompt, L"", 120, 120, 4560, 1020, 0, SS_NOPREFIX},
    ControlSpec{ControlKind::DefaultButton, IDOK, L"OK", 4800, 120, 1095, 375},
    ControlSpec{ControlKind::Button, IDCANCEL, L"キャンセル", 4800, 570, 1095, 375},
    ControlSpec{ControlKind::TextBox, IdAnswer, L"", 120, 1260, 5775, 330},
};

// MB_TOPMOST asks for a box above every other program's windows, but not
// every implementation of the system honours it (Wine ignores it); the box
// is put there as it is activated, which works everywhere. Only the box:
// windows that open while it waits (a dialog a hot key asked for) are left
// as they are.
bool raisePending = false;

LRESULT CALLBACK RaiseBox(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && raisePending) {
        const HWND window = reinterpret_cast<HWND>(wParam);
        wchar_t className[8] = {};
        GetClassNameW(window, className, 8);
        if (std::wstring_view(className) == L"#32770") {
            raisePending = false;
            SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

int ShowMessageBox(HWND owner, const std::string& text, const std::string& title, UINT type) {
    if (AnswererOf<int(const MessageBoxCall&)>()) return AnswererOf<int(const MessageBoxCall&)>()({owner, text, title, type});
    // Raised for the hidden window while one of our dialogs is in front, the
    // box belongs to that dialog: it waits, disabled, for the answer instead
    // of taking clicks that would run its buttons again inside the box.
    if (!owner || !IsWindowVisible(owner)) {
        const HWND active = GetActiveWindow();
        if (active && IsWindowVisible(active)) owner = active;
    }
    // Raised by the hidden window (or none), the box would open behind
    // whatever program the user went on with.
    unique_hhook raise;
    if (!owner || !IsWindowVisible(owner)) {
        type |= MB_SETFOREGROUND | MB_TOPMOST;
        raise.reset(SetWindowsHookExW(WH_CBT, RaiseBox, nullptr, GetCurrentThreadId()));
        raisePending = true;
    }
    return MessageBoxW(owner, text::Widen(text).c_str(), text::Widen(title).c_str(), type);
}

void SetMessageBoxAnswerer(std::function<int(const MessageBoxCall&)> answerer) {
    AnswererOf<int(const MessageBoxCall&)>() = std::move(answerer);
}

std::string ShowInputBox(HWND owner, const std::string& prompt, const std::string& title,
                         const std::string& defaultText) {
    if (AnswererOf<std::string(const InputBoxCall&)>())
        return AnswererOf<std::string(const InputBoxCall&)>()({owner, prompt, title, defaultText});
    Form box;
    bool done = false;
    std::string answer;
    const std::wstring caption = text::Widen(title);
    const FormSpec design{caption.c_str(), 6015, 1710, InputBoxControls, true};
    const bool created = box.Create(design, [&](UINT message, WPARAM wParam, LPARAM) -> INT_PTR {
        if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return FALSE;
        if (LOWORD(wParam) == IDOK) answer = box.Text(IdAnswer);
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) done = true;
        return TRUE;
    }, owner);
    if (!created) return {};
    box.SetText(IdPrompt, prompt);
    box.SetText(IdAnswer, defaultText);
    box.Show();
    box.Focus(IdAnswer);
    box.SelectAllText(IdAnswer);
    RunModal(box, owner, [&] { return done; });
    return answer;
}

void SetInputBoxAnswerer(std::function<std::string(const InputBoxCall&)> answerer) {
    AnswererOf<std::string(const InputBoxCall&)>() = std::move(answerer);
}

using FileAnswerer = std::optional<std::wstring>(const OPENFILENAMEW&, bool);

FileDialogResult RunFileDialog(OPENFILENAMEW& record, bool save) {
    if (!AnswererOf<FileAnswerer>()) {
        const BOOL chosen = save ? GetSaveFileNameW(&record) : GetOpenFileNameW(&record);
        return {chosen != FALSE, chosen ? 0 : CommDlgExtendedError()};
    }
    const std::optional<std::wstring> chosen = AnswererOf<FileAnswerer>()(record, save);
    if (!chosen || !record.lpstrFile || record.nMaxFile == 0) return {false, 0};
    const std::size_t length = std::min<std::size_t>(chosen->size(), record.nMaxFile - 1);
    chosen->copy(record.lpstrFile, length);
    record.lpstrFile[length] = L'\0';
    if (length + 1 < record.nMaxFile) record.lpstrFile[length + 1] = L'\0';
    if (record.lpstrFileTitle && record.nMaxFileTitle > 0) {
        const std::wstring title = chosen->substr(chosen->find_last_of(L"\\/") + 1);
        const std::size_t n = std::min<std::size_t>(title.size(), record.nMaxFileTitle - 1);
        title.copy(record.lpstrFileTitle, n);
        record.lpstrFileTitle[n] = L'\0';
    }
    return {true, 0};
}

void SetFileDialogAnswerer(std::function<FileAnswerer> answerer) { AnswererOf<FileAnswerer>() = std::move(answerer); }
