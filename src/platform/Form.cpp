#include "Form.h"

#include <commctrl.h>
#include <imm.h>

#include <algorithm>
#include <cwchar>
#include <map>
#include <utility>

#include "MessageLoop.h"
#include "Text.h"

namespace {

constexpr const wchar_t* ContainerClass = L"RuxaContainer";
constexpr const wchar_t* CanvasClass = L"RuxaCanvas";
constexpr const wchar_t* FormFace = L"ＭＳ Ｐゴシック";
constexpr int FormPoints = 9;
// A drop-down list opens below its field; the window is as tall as both.
constexpr int ComboListRows = 12;

// Containers and canvases keep the font they are given (window word 0), so a
// control created in one later (a tab control) can take the form's font from
// it. True when the message was about the font, with its answer.
bool AnswerFont(HWND window, UINT message, WPARAM wParam, LRESULT& answer) {
    if (message == WM_SETFONT) {
        SetWindowLongPtrW(window, 0, static_cast<LONG_PTR>(wParam));
        answer = 0;
    } else if (message == WM_GETFONT) {
        answer = GetWindowLongPtrW(window, 0);
    } else {
        return false;
    }
    return true;
}

// A page or a picture box: its controls' notifications belong to the form.
LRESULT CALLBACK ContainerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (LRESULT font; AnswerFont(window, message, wParam, font)) return font;
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        return SendMessageW(GetAncestor(window, GA_ROOT), message, wParam, lParam);
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

// A canvas keeps the form's font (window word 0) and the Form's record of it
// (word 1): the painter and the buffer it paints into, a bitmap of the
// canvas's size that stays from one paint to the next.
void PaintCanvas(HWND window) {
    PAINTSTRUCT paint;
    BeginPaint(window, &paint);
    RECT client{};
    GetClientRect(window, &client);
    auto* canvas = reinterpret_cast<Form::Canvas*>(GetWindowLongPtrW(window, sizeof(LONG_PTR)));
    PictureSurface& buffer = canvas->buffer;
    if ((buffer.Width() == client.right && buffer.Height() == client.bottom) ||
        buffer.Resize(client.right, client.bottom)) {
        const SelectedObject font(buffer.Dc(), reinterpret_cast<HGDIOBJ>(GetWindowLongPtrW(window, 0)));
        SetBkMode(buffer.Dc(), TRANSPARENT);
        canvas->painter(buffer.Dc(), {client.right, client.bottom});
        BitBlt(paint.hdc, 0, 0, client.right, client.bottom, buffer.Dc(), 0, 0, SRCCOPY);
    }
    EndPaint(window, &paint);
}

LRESULT CALLBACK CanvasProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (LRESULT font; AnswerFont(window, message, wParam, font)) return font;
    switch (message) {
    case WM_ERASEBKGND:
        // The painter covers every pixel.
        if (GetWindowLongPtrW(window, sizeof(LONG_PTR))) return 1;
        return DefWindowProcW(window, message, wParam, lParam);
    case WM_PAINT:
        // Until the form gives it a painter, the canvas is painted as the
        // dialog's background.
        if (!GetWindowLongPtrW(window, sizeof(LONG_PTR))) return DefWindowProcW(window, message, wParam, lParam);
        PaintCanvas(window);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

void RegisterClasses() {
    static bool registered = false;
    if (registered) return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = ContainerProc;
    wc.cbWndExtra = sizeof(LONG_PTR);  // the font
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = ContainerClass;
    WNDCLASSEXW canvas = wc;
    canvas.lpfnWndProc = CanvasProc;
    canvas.cbWndExtra = 2 * sizeof(LONG_PTR);  // the font and the Form's record of it
    canvas.lpszClassName = CanvasClass;
    registered = RegisterClassExW(&wc) != 0 && RegisterClassExW(&canvas) != 0;
}

// Characters typed into an edit field go to the form first, which may
// discard them (a field that takes digits only).
LRESULT CALLBACK EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR id) {
    if (message == WM_CHAR &&
        SendMessageW(GetAncestor(window, GA_ROOT), WM_FORM_KEYPRESS, static_cast<WPARAM>(id), static_cast<LPARAM>(wParam)))
        return 0;
    if (message == WM_NCDESTROY) RemoveWindowSubclass(window, EditProc, 0);
    return DefSubclassProc(window, message, wParam, lParam);
}

struct KindStyle {
    const wchar_t* windowClass;
    DWORD style;
    DWORD exStyle;
};

KindStyle StyleOf(ControlKind kind) {
    switch (kind) {
    case ControlKind::Label: return {L"STATIC", SS_LEFT, 0};
    case ControlKind::Button: return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0};
    case ControlKind::DefaultButton: return {L"BUTTON", BS_DEFPUSHBUTTON | WS_TABSTOP, 0};
    case ControlKind::CheckBox: return {L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0};
    case ControlKind::Option: return {L"BUTTON", BS_AUTORADIOBUTTON, 0};
    case ControlKind::TextBox: return {L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ControlKind::ComboBox: return {L"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, 0};
    case ControlKind::Frame: return {L"BUTTON", BS_GROUPBOX, 0};
    case ControlKind::Container: return {ContainerClass, WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT};
    case ControlKind::Picture: return {L"STATIC", SS_ICON | SS_CENTERIMAGE | SS_REALSIZECONTROL, 0};
    case ControlKind::Canvas: return {CanvasClass, 0, WS_EX_CLIENTEDGE};
    }
    return {L"STATIC", 0, 0};
}

bool IsOption(HWND control) {
    return (GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
}

// Tab reaches an option group at its chosen option, as in a form program:
// only that option keeps the tab stop.
void MoveTabStopTo(HWND option) {
    const HWND parent = GetParent(option);
    HWND first = option;
    while (!(GetWindowLongW(first, GWL_STYLE) & WS_GROUP)) {
        const HWND previous = GetWindow(first, GW_HWNDPREV);
        if (!previous || !IsOption(previous)) break;
        first = previous;
    }
    for (HWND each = first; each && IsOption(each) && GetParent(each) == parent;) {
        const LONG style = GetWindowLongW(each, GWL_STYLE);
        SetWindowLongW(each, GWL_STYLE, each == option ? style | WS_TABSTOP : style & ~WS_TABSTOP);
        each = GetWindow(each, GW_HWNDNEXT);
        if (each && (GetWindowLongW(each, GWL_STYLE) & WS_GROUP)) break;
    }
}

SIZE TextSize(HWND control, HFONT font, const wchar_t* text) {
    const unique_window_dc dc = GetDcOf(control);
    SelectedObject selected(dc.get().dc, font);
    RECT box{};
    DrawTextW(dc.get().dc, text, -1, &box, DT_CALCRECT | DT_SINGLELINE);
    return {box.right, box.bottom};
}

unique_hfont MakeFont(const wchar_t* face, int points, int dpi, bool bold) {
    return unique_hfont(CreateFontW(-MulDiv(points, dpi, 72), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                                    DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                    DEFAULT_PITCH | FF_DONTCARE, face));
}

// The monitor the user looks at when a form opens: the one under the
// pointer, as a click on the tray or a key has just been given there.
MONITORINFO MonitorUnderPointer() {
    POINT p{};
    GetCursorPos(&p);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(MonitorFromPoint(p, MONITOR_DEFAULTTONEAREST), &info);
    return info;
}

// The form lays itself out at a new DPI; the system's own rescaling of dialog
// windows (Windows 10 1703 on; Wine has none) would move the controls again.
void TurnOffSystemDialogScaling(HWND dialog) {
    using SetBehaviour = BOOL(WINAPI*)(HWND, DIALOG_DPI_CHANGE_BEHAVIORS, DIALOG_DPI_CHANGE_BEHAVIORS);
    const auto set = reinterpret_cast<SetBehaviour>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetDialogDpiChangeBehavior")));
    if (set) set(dialog, DDC_DISABLE_ALL, DDC_DISABLE_ALL);
}

// Twips offsets at which the controls of each frame and container are
// placed, by the frame's or container's id; 0 is the form.
using Offsets = std::map<int, POINT>;

POINT OffsetOf(const Offsets& offsets, const ControlSpec& c) { return c.container ? offsets.at(c.container) : POINT{}; }

void NoteOffset(Offsets& offsets, const ControlSpec& c, POINT at) {
    // A frame's controls are placed in its container relative to the frame;
    // a container is a window of its own.
    if (c.kind == ControlKind::Frame) offsets[c.id] = {at.x + c.left, at.y + c.top};
    if (c.kind == ControlKind::Container) offsets[c.id] = {};
}

}  // namespace

Form::~Form() { Destroy(); }

bool Form::Create(const FormSpec& design, Handler handler, HWND owner) {
    if (window_) return true;
    handler_ = std::move(handler);
    RegisterClasses();
    // A dialog template without controls: the system's dialog window gives
    // the keyboard behaviour, the table gives the controls.
    struct alignas(DWORD) EmptyTemplate {
        DLGTEMPLATE head;
        WORD menu, windowClass, title;
    } dialog{};
    dialog.head.style = WS_POPUP | DS_MODALFRAME | (design.titleBar ? WS_CAPTION | WS_SYSMENU : 0);
    dialog.head.dwExtendedStyle = WS_EX_APPWINDOW | WS_EX_CONTROLPARENT | (design.topmost ? WS_EX_TOPMOST : 0);
    if (!CreateDialogIndirectParamW(GetModuleHandleW(nullptr), &dialog.head, owner, DialogProc,
                                    reinterpret_cast<LPARAM>(this)))
        return false;
    TurnOffSystemDialogScaling(window_);
    SetWindowTextW(window_, design.caption);
    controls_.assign(design.controls.begin(), design.controls.end());
    // Standing on its monitor before anything is laid out, the window has
    // that monitor's DPI.
    const RECT monitor = MonitorUnderPointer().rcMonitor;
    SetWindowPos(window_, nullptr, (monitor.left + monitor.right) / 2, (monitor.top + monitor.bottom) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOZORDER);
    dpi_ = static_cast<int>(GetDpiForWindow(window_));
    if (dpi_ <= 0) dpi_ = 96;
    font_ = MakeFont(FormFace, FormPoints, dpi_, false);
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);

    RECT frame{0, 0, Pixels(design.clientWidth), Pixels(design.clientHeight)};
    AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(GetWindowLongW(window_, GWL_STYLE)), FALSE,
                             static_cast<DWORD>(GetWindowLongW(window_, GWL_EXSTYLE)), static_cast<UINT>(dpi_));
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    SetWindowPos(window_, design.topmost ? HWND_TOPMOST : nullptr,
                 monitor.left + (monitor.right - monitor.left - width) / 2,
                 monitor.top + (monitor.bottom - monitor.top - height) / 2, width, height,
                 SWP_NOACTIVATE | (design.topmost ? 0 : SWP_NOZORDER));
    CreateControls();
    AddModelessDialog(window_);
    return true;
}

// The control's rectangle in pixels of its parent at the form's DPI; a label
// without a width or height takes its text's in the form's font.
RECT Form::PixelBox(const ControlSpec& c, POINT offset) const {
    const int left = Pixels(offset.x + c.left), top = Pixels(offset.y + c.top);
    int width = Pixels(c.width), height = Pixels(c.height);
    if (c.kind == ControlKind::ComboBox) height *= ComboListRows;
    if (c.kind == ControlKind::Label && (c.width == 0 || c.height == 0)) {
        const SIZE text = TextSize(window_, font_.get(), c.caption);
        if (c.width == 0) width = text.cx;
        if (c.height == 0) height = text.cy;
    }
    return {left, top, left + width, top + height};
}

void Form::CreateControls() {
    Offsets offsets;
    std::map<int, HWND> parents;  // the window each container's controls go in
    HWND previous = nullptr;
    int previousContainer = -1;
    for (const ControlSpec& c : controls_) {
        const POINT at = OffsetOf(offsets, c);
        const KindStyle kind = StyleOf(c.kind);
        DWORD style = WS_CHILD | WS_VISIBLE | kind.style | c.style;
        // Consecutive options in one container form a group; whatever follows
        // them starts a new one.
        const bool option = c.kind == ControlKind::Option;
        const bool previousOption = previous && IsOption(previous);
        if (option != previousOption || c.container != previousContainer) style |= WS_GROUP;
        if (option && (style & WS_GROUP)) style |= WS_TABSTOP;
        const RECT box = PixelBox(c, at);
        const HWND control = CreateWindowExW(kind.exStyle, kind.windowClass, c.caption, style, box.left, box.top,
                                             box.right - box.left, box.bottom - box.top,
                                             c.container ? parents.at(c.container) : window_,
                                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)),
                                             GetModuleHandleW(nullptr), nullptr);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
        if (c.kind == ControlKind::TextBox) SetWindowSubclass(control, EditProc, 0, static_cast<DWORD_PTR>(c.id));
        // A number field takes no text from the input method, whose results
        // would not pass through the form's key filter.
        if (c.kind == ControlKind::TextBox && (c.style & ES_NUMBER)) ImmAssociateContextEx(control, nullptr, 0);
        if (c.kind == ControlKind::ComboBox) {
            COMBOBOXINFO info{};
            info.cbSize = sizeof info;
            if (GetComboBoxInfo(control, &info) && info.hwndItem)
                SetWindowSubclass(info.hwndItem, EditProc, 0, static_cast<DWORD_PTR>(c.id));
        }
        if (c.kind == ControlKind::DefaultButton) SendMessageW(window_, DM_SETDEFID, static_cast<WPARAM>(c.id), 0);
        NoteOffset(offsets, c, at);
        if (c.kind == ControlKind::Frame) parents[c.id] = c.container ? parents.at(c.container) : window_;
        if (c.kind == ControlKind::Container) parents[c.id] = control;
        items_.emplace_back(c.id, control);
        previous = control;
        previousContainer = c.container;
    }
}

// The table at a new DPI: fonts made again at its size, every control moved
// and sized from its twips, and the window where the system suggests, which
// keeps it on the monitor it was moved to. Every window that had one of the
// old fonts (a container, a control made later in one, such as a tab
// control) gets its new one.
void Form::LayOutAgain(int dpi, const RECT& suggested) {
    dpi_ = dpi;
    std::map<HFONT, HFONT> renewed;
    unique_hfont oldFont = std::exchange(font_, MakeFont(FormFace, FormPoints, dpi_, false));
    renewed[oldFont.get()] = font_.get();
    std::vector<unique_hfont> oldExtras;
    for (ExtraFont& extra : extraFonts_) {
        oldExtras.push_back(std::exchange(extra.font, MakeFont(extra.face, extra.points, dpi_, extra.bold)));
        renewed[oldExtras.back().get()] = extra.font.get();
    }
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    EnumChildWindows(
        window_,
        [](HWND child, LPARAM fonts) -> BOOL {
            const auto& map = *reinterpret_cast<const std::map<HFONT, HFONT>*>(fonts);
            const auto now = map.find(reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0)));
            if (now != map.end()) SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(now->second), FALSE);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&renewed));
    Offsets offsets;
    for (const ControlSpec& c : controls_) {
        const POINT at = OffsetOf(offsets, c);
        const RECT box = PixelBox(c, at);
        SetWindowPos(Item(c.id), nullptr, box.left, box.top, box.right - box.left, box.bottom - box.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        NoteOffset(offsets, c, at);
    }
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Form::Destroy() {
    if (!window_) return;
    RemoveModelessDialog(window_);
    tips_.reset();
    const HWND window = std::exchange(window_, nullptr);
    DestroyWindow(window);
    items_.clear();
    controls_.clear();
    backColours_.clear();
    canvases_.clear();
    extraFonts_.clear();
    font_.reset();
}

INT_PTR CALLBACK Form::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        reinterpret_cast<Form*>(lParam)->window_ = window;
        return FALSE;
    }
    auto* self = reinterpret_cast<Form*>(GetWindowLongPtrW(window, DWLP_USER));
    if (!self || !self->handler_ || self->window_ != window) return FALSE;
    if (message == WM_DPICHANGED) {
        // Before the controls are made, Create reads the window's DPI itself.
        if (self->items_.empty()) return TRUE;
        self->LayOutAgain(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        self->handler_(message, wParam, lParam);
        return TRUE;
    }
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED && lParam && IsOption(reinterpret_cast<HWND>(lParam)) &&
        SendMessageW(reinterpret_cast<HWND>(lParam), BM_GETCHECK, 0, 0) == BST_CHECKED)
        MoveTabStopTo(reinterpret_cast<HWND>(lParam));
    if ((message == WM_CTLCOLOREDIT || message == WM_CTLCOLORSTATIC) && lParam) {
        const int colour = self->BackColourOf(reinterpret_cast<HWND>(lParam));
        if (colour >= 0) {
            SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(colour));
            return reinterpret_cast<INT_PTR>(GetSysColorBrush(colour));
        }
    }
    const INT_PTR result = self->handler_(message, wParam, lParam);
    if (message == WM_FORM_KEYPRESS || message == WM_FORM_KEYDOWN) {
        SetWindowLongPtrW(window, DWLP_MSGRESULT, result);
        return TRUE;
    }
    return result;
}

HWND Form::Item(int id) const {
    for (const auto& [itemId, control] : items_)
        if (itemId == id) return control;
    return nullptr;
}

bool Form::FocusMovedOnFrom(int field) const {
    const HWND focus = GetFocus();
    return focus && focus != Item(field) && IsChild(window_, focus) && focus != Item(IDCANCEL);
}

void Form::Show() {
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
}

void Form::Hide() { ShowWindow(window_, SW_HIDE); }
bool Form::Visible() const { return window_ && IsWindowVisible(window_); }

void Form::Focus(int id) {
    // Through the dialog, so the default button follows the focus as it does
    // for the user's Tab.
    SendMessageW(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(id)), TRUE);
}

void Form::Enable(int id, bool enabled) { EnableWindow(Item(id), enabled); }
bool Form::Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
void Form::SetVisible(int id, bool visible) { ShowWindow(Item(id), visible ? SW_SHOW : SW_HIDE); }

void Form::SetIcon(HICON icon) {
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
}

void Form::SetControlFont(int id, const wchar_t* face, int points, bool bold) {
    extraFonts_.push_back({face, points, bold, MakeFont(face, points, dpi_, bold)});
    SendMessageW(Item(id), WM_SETFONT, reinterpret_cast<WPARAM>(extraFonts_.back().font.get()), TRUE);
}

void Form::SetImage(int id, HICON icon) { SendMessageW(Item(id), STM_SETICON, reinterpret_cast<WPARAM>(icon), 0); }

void Form::SetTip(int id, std::string_view utf8) {
    if (!tips_)
        tips_.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr,
                                    GetModuleHandleW(nullptr), nullptr));
    std::wstring text = text::Widen(utf8);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(Item(id));
    tool.lpszText = text.data();
    const bool known = SendMessageW(tips_.get(), TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool)) != 0;
    tool.lpszText = text.data();  // the query wrote the old text's address here
    if (text.empty()) {
        if (known) SendMessageW(tips_.get(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    } else {
        // Long texts wrap instead of running off the screen.
        SendMessageW(tips_.get(), TTM_SETMAXTIPWIDTH, 0, Pixels(5400));
        SendMessageW(tips_.get(), known ? TTM_UPDATETIPTEXTW : TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

std::string Form::Tip(int id) const {
    if (!tips_) return {};
    std::wstring text(1024, L'\0');
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(Item(id));
    if (!SendMessageW(tips_.get(), TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool))) return {};
    tool.lpszText = text.data();
    SendMessageW(tips_.get(), TTM_GETTEXTW, text.size(), reinterpret_cast<LPARAM>(&tool));
    text.resize(wcslen(text.c_str()));
    return text::Narrow(text);
}

void Form::SetBackColour(int id, int systemColour) {
    const HWND control = Item(id);
    std::erase_if(backColours_, [&](const auto& entry) { return entry.first == control; });
    backColours_.emplace_back(control, systemColour);
    InvalidateRect(control, nullptr, TRUE);
}

int Form::BackColour(int id) const { return BackColourOf(Item(id)); }

int Form::BackColourOf(HWND control) const {
    for (const auto& [each, colour] : backColours_)
        if (each == control) return colour;
    return -1;
}

void Form::Raise(int id, WORD notification) {
    SendMessageW(window_, WM_COMMAND, MAKEWPARAM(id, notification), reinterpret_cast<LPARAM>(Item(id)));
}

void Form::SetPainter(int id, Painter painter) {
    canvases_.push_back(std::make_unique<Canvas>(Canvas{std::move(painter), {}}));
    SetWindowLongPtrW(Item(id), sizeof(LONG_PTR), reinterpret_cast<LONG_PTR>(canvases_.back().get()));
    Redraw(id);
}

void Form::Redraw(int id) { InvalidateRect(Item(id), nullptr, FALSE); }

void Form::SetCheck(int id, int value) {
    SendMessageW(Item(id), BM_SETCHECK, value == 1 ? BST_CHECKED : BST_UNCHECKED, 0);
    Raise(id, BN_CLICKED);
}

int Form::Check(int id) const { return SendMessageW(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0; }

void Form::SelectOption(int id) {
    const HWND option = Item(id);
    for (HWND each = option; each && IsOption(each);) {  // the ones after it in its group
        if (each != option) SendMessageW(each, BM_SETCHECK, BST_UNCHECKED, 0);
        each = GetWindow(each, GW_HWNDNEXT);
        if (each && (GetWindowLongW(each, GWL_STYLE) & WS_GROUP)) break;
    }
    for (HWND each = option; each && !(GetWindowLongW(each, GWL_STYLE) & WS_GROUP);) {  // and before it
        each = GetWindow(each, GW_HWNDPREV);
        if (each && IsOption(each)) SendMessageW(each, BM_SETCHECK, BST_UNCHECKED, 0);
    }
    SendMessageW(option, BM_SETCHECK, BST_CHECKED, 0);
    Raise(id, BN_CLICKED);
}

void Form::SetText(int id, std::string_view utf8) {
    const HWND control = Item(id);
    SetWindowTextW(control, text::Widen(utf8).c_str());
    // A combo box's edit field changed by code says nothing by itself.
    wchar_t className[16]{};
    GetClassNameW(control, className, 16);
    if (lstrcmpiW(className, L"ComboBox") == 0) Raise(id, CBN_EDITCHANGE);
}

std::string Form::Text(int id) const {
    const HWND control = Item(id);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text::Narrow(text);
}

void Form::SelectAllText(int id) {
    const HWND control = Item(id);
    wchar_t className[16]{};
    GetClassNameW(control, className, 16);
    if (lstrcmpiW(className, L"ComboBox") == 0) SendMessageW(control, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
    else SendMessageW(control, EM_SETSEL, 0, -1);
}

void Form::ClearList(int id) { SendMessageW(Item(id), CB_RESETCONTENT, 0, 0); }

void Form::AddItem(int id, std::string_view utf8, LPARAM data) {
    const LRESULT index = SendMessageW(Item(id), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text::Widen(utf8).c_str()));
    if (index >= 0) SendMessageW(Item(id), CB_SETITEMDATA, static_cast<WPARAM>(index), data);
}

void Form::RemoveItem(int id, int index) { SendMessageW(Item(id), CB_DELETESTRING, static_cast<WPARAM>(index), 0); }
int Form::ListCount(int id) const { return static_cast<int>(SendMessageW(Item(id), CB_GETCOUNT, 0, 0)); }

std::string Form::ListText(int id, int index) const {
    const LRESULT length = SendMessageW(Item(id), CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length < 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(Item(id), CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text::Narrow(text);
}

LPARAM Form::ItemData(int id, int index) const {
    return SendMessageW(Item(id), CB_GETITEMDATA, static_cast<WPARAM>(index), 0);
}

int Form::ListIndex(int id) const { return static_cast<int>(SendMessageW(Item(id), CB_GETCURSEL, 0, 0)); }

bool Form::ListDropped(int id) const { return SendMessageW(Item(id), CB_GETDROPPEDSTATE, 0, 0) != FALSE; }

void Form::SetListIndex(int id, int index) {
    SendMessageW(Item(id), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    Raise(id, CBN_SELCHANGE);
}

void RunModal(Form& form, HWND owner, const std::function<bool()>& done) {
    const bool ownerWasEnabled = owner && IsWindowEnabled(owner);
    if (ownerWasEnabled) EnableWindow(owner, FALSE);
    MSG msg;
    while (!done()) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (form.Exists() && IsDialogMessageW(form.Handle(), &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    if (ownerWasEnabled) EnableWindow(owner, TRUE);
}
