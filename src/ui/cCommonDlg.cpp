#include "cCommonDlg.h"

#include <commdlg.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "CommonDialogText.h"
#include "HumanSeam.h"
#include "PageLayout.h"
#include "Text.h"
#include "UniqueHandle.h"

namespace {

// A name buffer beyond this is no file name but a mistaken size; like any
// other fault inside the file dialog it ends the call quietly.
constexpr std::int32_t LargestFileBuffer = 1 << 20;

int LogPixelsY(HWND window) {
    const unique_window_dc dc = GetDcOf(window);
    const int dpi = GetDeviceCaps(dc.get().dc, LOGPIXELSY);
    return dpi > 0 ? dpi : 96;
}

// A wide buffer holding the text and then a NUL, as the dialogs read and
// write their strings.
std::vector<wchar_t> Buffer(std::wstring_view text, std::size_t size) {
    std::vector<wchar_t> buffer(size, L'\0');
    text.copy(buffer.data(), std::min(text.size(), size - 1));
    return buffer;
}

}  // namespace

cCommonDlg::cCommonDlg() {
    std::wstring folder(MAX_PATH, L'\0');
    DWORD length = GetCurrentDirectoryW(static_cast<DWORD>(folder.size()), folder.data());
    if (length > folder.size()) {
        folder.resize(length);
        length = GetCurrentDirectoryW(static_cast<DWORD>(folder.size()), folder.data());
    }
    folder.resize(length);
    initDir_ = text::Narrow(folder);
}

void cCommonDlg::Filter(std::string_view strNewFilter) {
    filter_ = strNewFilter;
    apiFilter_ = commondlg::ApiFilter(strNewFilter);
}

bool cCommonDlg::HelpKey(std::string_view strNewHelpKey) {
    const auto number = commondlg::HelpKeyNumber(strNewHelpKey);
    if (number) helpKey_ = *number;
    return number.has_value();
}

void cCommonDlg::Form(HWND NewForm) {
    form_ = NewForm;
    const auto font = reinterpret_cast<HFONT>(SendMessageW(form_, WM_GETFONT, 0, 0));
    LOGFONTW face{};
    if (!GetObjectW(font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT), sizeof face, &face)) return;
    fontBold_ = face.lfWeight >= FW_MEDIUM;
    fontItalic_ = face.lfItalic != 0;
    fontName_ = text::Narrow(face.lfFaceName);
    fontSize_ = static_cast<std::int16_t>(layout::RoundHalfEven(std::abs(face.lfHeight) * 72.0 / LogPixelsY(form_)));
    fontStrikethru_ = face.lfStrikeOut != 0;
    fontUnderline_ = face.lfUnderline != 0;
}

void cCommonDlg::Action(std::int16_t intNewAction) {
    action_ = intNewAction;
    if (intNewAction == 1) ShowOpen();
    else if (intNewAction == 2) ShowSave();
    else if (intNewAction == 6) ShowHelp();
}

std::string cCommonDlg::ErrDescription() const { return commondlg::ErrorDescription(errNumber_); }

void cCommonDlg::ShowFileDialog(int kind) {
    action_ = static_cast<std::int16_t>(kind);
    errNumber_ = 0;
    if (kind != 1 && kind != 2) return;
    if (maxFileSize_ < 1 || maxFileSize_ > LargestFileBuffer) return;

    const std::wstring filter(text::Widen(apiFilter_));
    const std::wstring initDir = text::Widen(initDir_), title = text::Widen(dialogTitle_);
    const std::wstring defaultExt = text::Widen(defaultExt_);
    std::vector<wchar_t> file = Buffer(text::Widen(fileName_), static_cast<std::size_t>(maxFileSize_));
    const std::wstring fileTitleIn = text::Widen(fileTitle_);
    std::vector<wchar_t> fileTitle = Buffer(fileTitleIn, fileTitleIn.size() + 1);

    OPENFILENAMEW record{};
    record.lStructSize = sizeof record;
    record.hwndOwner = form_;
    record.lpstrFilter = filter.c_str();
    record.nFilterIndex = static_cast<DWORD>(static_cast<std::uint16_t>(filterIndex_));
    record.lpstrFile = file.data();
    record.nMaxFile = static_cast<DWORD>(file.size());
    record.lpstrFileTitle = fileTitle.data();
    record.nMaxFileTitle = static_cast<DWORD>(fileTitle.size());
    record.lpstrInitialDir = initDir.c_str();
    record.lpstrTitle = title.c_str();
    record.Flags = static_cast<DWORD>(flags_);
    // Always given, as the property always holds a text: an empty default
    // extension is not none, it asks the dialog for the chosen type's
    // extension when the name typed has none.
    record.lpstrDefExt = defaultExt.c_str();

    const FileDialogResult result = RunFileDialog(record, kind == 2);
    cancelButton_ = false;
    if (!result.chosen) {
        // A dialog that failed (a buffer too small, a name it cannot take)
        // says so here instead of passing for a cancel.
        errNumber_ = static_cast<std::int32_t>(result.error);
        if (cancelError_) {
            cancelButton_ = true;
            fileName_.clear();
        }
        return;
    }
    // Several files chosen at once come NUL-separated up to a pair of NULs;
    // one file ends at its NUL (what follows may be left from the name given).
    std::wstring_view chosenFile(file.data(), file.size());
    chosenFile = (flags_ & OFN_ALLOWMULTISELECT) ? chosenFile.substr(0, chosenFile.find(std::wstring_view(L"\0\0", 2)))
                                                 : std::wstring_view(file.data());
    fileName_ = text::Narrow(chosenFile);
    const std::wstring_view chosenTitle(fileTitle.data());
    const auto first = chosenTitle.find_first_not_of(L' '), last = chosenTitle.find_last_not_of(L' ');
    fileTitle_ = first == std::wstring_view::npos ? "" : text::Narrow(chosenTitle.substr(first, last - first + 1));
}

void cCommonDlg::ShowFont() {
    errNumber_ = 0;
    LOGFONTW face{};
    face.lfHeight = layout::RoundHalfEven(fontSize_ / (72.0 / LogPixelsY(form_)));
    face.lfWeight = fontBold_ ? FW_BOLD : FW_NORMAL;
    face.lfItalic = fontItalic_ ? 1 : 0;
    face.lfUnderline = fontUnderline_ ? 1 : 0;
    face.lfStrikeOut = fontStrikethru_ ? 1 : 0;
    text::Widen(fontName_).copy(face.lfFaceName, LF_FACESIZE - 1);

    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof face);
    if (!memory) return;
    auto* shared = static_cast<LOGFONTW*>(GlobalLock(memory));
    if (!shared) {
        GlobalFree(memory);
        return;
    }
    *shared = face;
    CHOOSEFONTW record{};
    record.lStructSize = sizeof record;
    record.hwndOwner = form_;
    record.lpLogFont = shared;
    record.Flags = static_cast<DWORD>(flags_) | CF_INITTOLOGFONTSTRUCT;
    record.rgbColors = fontColour_;
    record.nSizeMin = min_;
    record.nSizeMax = max_;
    const BOOL chosen = ChooseFontW(&record);
    cancelButton_ = !chosen;
    if (!chosen) errNumber_ = static_cast<std::int32_t>(CommDlgExtendedError());
    face = *shared;
    GlobalUnlock(memory);
    GlobalFree(memory);

    if (!chosen) {
        fontBold_ = fontItalic_ = fontStrikethru_ = fontUnderline_ = false;
        fontName_.clear();
        fontSize_ = 0;
        fontColour_ = 0;
        return;
    }
    fontBold_ = face.lfWeight >= FW_MEDIUM;
    fontItalic_ = face.lfItalic != 0;
    face.lfFaceName[LF_FACESIZE - 1] = L'\0';
    fontName_ = text::Narrow(face.lfFaceName);
    fontSize_ = static_cast<std::int16_t>(layout::RoundHalfEven(std::abs(72.0 / LogPixelsY(form_) * face.lfHeight)));
    fontStrikethru_ = face.lfStrikeOut != 0;
    fontUnderline_ = face.lfUnderline != 0;
    fontColour_ = record.rgbColors;
}

void cCommonDlg::ShowHelp() {
    if (helpFile_.empty() || helpCommand_ == 0) return;
    WinHelpW(form_, text::Widen(helpFile_).c_str(), static_cast<UINT>(helpCommand_),
             static_cast<ULONG_PTR>(static_cast<std::uint32_t>(helpContext_)));
}
