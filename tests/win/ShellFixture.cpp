#include "ShellFixture.h"

#include <filesystem>

#include "IniFile.h"
#include "PaperTables.h"
#include "Tray.h"

using namespace BasRuxa;

TestFolder::TestFolder() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    static int counter = 0;
    path_ = std::wstring(temp) + L"ruxa-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(++counter) + L"\\";
    CreateDirectoryW(path_.c_str(), nullptr);
}

TestFolder::~TestFolder() {
    // Tests leave read-only files behind, which could not be deleted as such.
    std::error_code ignored;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, ignored))
        SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
    std::filesystem::remove_all(path_, ignored);
}

void TestFolder::Write(const std::wstring& name, const std::string& bytes) const {
    SetFileAttributesW(File(name).c_str(), FILE_ATTRIBUTE_NORMAL);
    fileio::ReplaceFileAtomically(File(name), bytes);
}

ClipboardImage ReadClipboardImage() {
    ClipboardImage image;
    if (!OpenClipboard(nullptr)) return image;
    const auto bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    BITMAP info{};
    if (bitmap && GetObjectW(bitmap, sizeof info, &info)) {
        image.width = info.bmWidth;
        image.height = info.bmHeight;
        BITMAPINFO request = TopDownBitmapInfo(image.width, image.height);
        image.pixels.resize(std::size_t(image.width) * image.height);
        GetDIBits(GetDcOf(nullptr).get().dc, bitmap, 0, image.height, image.pixels.data(), &request, DIB_RGB_COLORS);
        for (auto& p : image.pixels) p &= 0xFFFFFF;
    }
    CloseClipboard();
    return image;
}

void PutTextOnClipboard() {
    if (!OpenClipboard(nullptr)) return;
    EmptyClipboard();
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof(wchar_t));
    *static_cast<wchar_t*>(GlobalLock(memory)) = 0;
    GlobalUnlock(memory);
    if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);
    CloseClipboard();
}

std::vector<std::uint32_t> PixelsOf(const PictureSurface& picture) {
    const std::uint32_t* p = picture.Pixels();
    std::vector<std::uint32_t> pixels(p, p + (p ? std::size_t(picture.Width()) * picture.Height() : 0));
    for (auto& each : pixels) each &= 0xFFFFFF;
    return pixels;
}

// (x, y) as 0xXXYY5A, each modulo 256.
std::uint32_t PatternAt(int x, int y) { return std::uint32_t(x & 0xFF) << 16 | std::uint32_t(y & 0xFF) << 8 | 0x5A; }

std::vector<std::uint32_t> Pattern(int left, int top, int width, int height) {
    std::vector<std::uint32_t> pixels;
    for (int y = top; y < top + height; ++y)
        for (int x = left; x < left + width; ++x) pixels.push_back(PatternAt(x, y));
    return pixels;
}

PictureSurface PatternPicture(int width, int height) {
    PictureSurface picture;
    picture.Resize(width, height);
    const std::vector<std::uint32_t> pattern = Pattern(0, 0, width, height);
    std::copy(pattern.begin(), pattern.end(), picture.Pixels());
    return picture;
}

PictureSurface SolidPicture(int width, int height, COLORREF colour) {
    PictureSurface picture;
    picture.Resize(width, height);
    SetDCBrushColor(picture.Dc(), colour);
    const RECT all{0, 0, width, height};
    FillRect(picture.Dc(), &all, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    return picture;
}

std::wstring TestData(const wchar_t* name) {
    std::wstring path = L"Z:" + text::Widen(RUXA_TEST_DATA) + name;  // Wine's drive for the Unix root
    for (auto& c : path)
        if (c == L'/') c = L'\\';
    return path;
}

void SetNamedSettings(std::initializer_list<PrintSettings> named) {
    SetSettings([&](SettingsModel& s) {
        std::copy(named.begin(), named.end(), s.NamedSettings.begin());
        s.Settings.PrinterCount = static_cast<std::int16_t>(named.size());
    });
}

bool CombinationIsFree(UINT key, UINT modifiers) {
    if (!RegisterHotKey(nullptr, 1, modifiers, key)) return false;
    UnregisterHotKey(nullptr, 1);
    return true;
}

void PumpPending() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

bool PumpUntil(const std::function<bool()>& done) {
    const ULONGLONG limit = GetTickCount64() + 60000;
    while (!done()) {
        if (GetTickCount64() > limit) return false;
        PumpPending();
        Sleep(5);
    }
    return true;
}

FileDialogCall Recorded(const OPENFILENAMEW& record, bool save) {
    std::wstring filter;
    for (const wchar_t* part = record.lpstrFilter; *part; part += wcslen(part) + 1) filter += part + std::wstring(L"|");
    return {record.hwndOwner, record.lpstrTitle, filter, record.nFilterIndex, record.Flags,
            record.lpstrFile,  record.lpstrInitialDir ? record.lpstrInitialDir : L"", save};
}

std::thread AnswerFileDialog(const wchar_t* title, const std::wstring& path, int fileType) {
    return std::thread([title, path, fileType] {
        HWND dialog = nullptr, field = nullptr;
        for (int i = 0; i < 1000 && !field; ++i, Sleep(10)) {
            dialog = FindWindowW(L"#32770", title);
            // The name field: an edit in a combo box, or an edit alone.
            const HWND box = dialog ? GetDlgItem(dialog, 0x47c) : nullptr;
            const HWND combo = box ? FindWindowExW(box, nullptr, L"ComboBox", nullptr) : nullptr;
            if (box) field = FindWindowExW(combo ? combo : box, nullptr, L"Edit", nullptr);
        }
        // The file type list (cmb1) reports the user's choice as it closes.
        if (const HWND types = GetDlgItem(dialog, 0x470); types && fileType >= 0) {
            SendMessageW(types, CB_SETCURSEL, static_cast<WPARAM>(fileType), 0);
            SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(0x470, CBN_SELENDOK), reinterpret_cast<LPARAM>(types));
        }
        if (!path.empty()) SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
        PostMessageW(dialog, WM_COMMAND, path.empty() ? IDCANCEL : IDOK, 0);
    });
}

std::string ShellTest::IniValue(const char* section, const char* key) const {
    return ReadIni(IniFile::Parse(text::Cp932ToUtf8(folder.Read(L"ruxa.ini"))), section, key);
}

void ShellTest::AnswerFileDialogsByScript(const std::function<void()>& meanwhile) {
    SetFileDialogAnswerer([this, meanwhile](const OPENFILENAMEW& record, bool save) {
        dialogs.push_back(Recorded(record, save));
        if (meanwhile) meanwhile();
        return dialogAnswer;
    });
}

void ShellTest::TypeTooLongName(const wchar_t* title, const wchar_t* extension, const std::function<void()>& open) {
    const std::wstring longFolder = folder.File(std::wstring(200, L'd')) + L"\\";
    CreateDirectoryW(longFolder.c_str(), nullptr);
    SetFileDialogAnswerer(nullptr);
    boxes.clear();
    std::thread person = AnswerFileDialog(title, longFolder + std::wstring(254 - longFolder.size(), L'f') + extension);
    open();
    person.join();
}

void ShellTest::Restart(bool commandLine) {
    main.reset();
    // A run that ended asked the message loop to quit; this thread has no
    // loop to take that request.
    MSG quit;
    while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    AppState = StateIdle;
    main = std::make_unique<FrmRuxa>(GetModuleHandleW(nullptr), commandLine);
}

void ShellTest::SetUp() {
    BasPrinterConst::InitPaperTables();
    SettingsModel settings;
    settings.Settings.Title = "ヴェルモ";
    settings.Settings.Version = "2.50";
    settings.Settings.LastSet = -1;
    settings.CurrentPrint.DeviceName = "PDF";
    settings.CurrentPrint.Orientation = 1;
    Store().Reset(settings);
    Store().BindFile(folder.File(L"ruxa.ini"), TextEncoding::Cp932);
    AppPath = text::Narrow(folder.Path());
    LastPicturePath = AppPath;
    Restart(false);
    SetMessageBoxAnswerer([this](const MessageBoxCall& call) {
        boxes.push_back(call);
        const int answer = answers.empty() ? IDOK : answers.front();
        if (!answers.empty()) answers.pop_front();
        return answer;
    });
}

void ShellTest::ExpectBox(std::size_t i, const std::string& text, const std::string& title, UINT type) const {
    ASSERT_EQ(boxes.size(), i + 1);
    EXPECT_EQ(boxes[i].text, text);
    EXPECT_EQ(boxes[i].title, title);
    EXPECT_EQ(boxes[i].type, type);
}

namespace {

// An icon of the test program's own keeps the tray's window up for the run:
// Wine shows and hides it as its first icon comes and last goes, a second each.
class TrayAnchor : public ::testing::Environment {
    void SetUp() override {
        icon_.cbSize = sizeof icon_;
        icon_.hWnd = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
        icon_.uID = 99;
        icon_.uFlags = NIF_ICON;
        icon_.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
        Shell_NotifyIconW(NIM_ADD, &icon_);
    }
    void TearDown() override {
        Shell_NotifyIconW(NIM_DELETE, &icon_);
        DestroyWindow(icon_.hWnd);
    }
    NOTIFYICONDATAW icon_{};
};

[[maybe_unused]] ::testing::Environment* const trayAnchor = ::testing::AddGlobalTestEnvironment(new TrayAnchor);

}  // namespace

void ShellTest::TearDown() {
    main.reset();
    SetMessageBoxAnswerer(nullptr);
    SetInputBoxAnswerer(nullptr);
    SetFileDialogAnswerer(nullptr);
    AppState = StateIdle;
    // The next test starts with no icon of ours in the tray and none to restore.
    Tray::DeleteTrayIcon();
    Tray::TrayData = {};
}
