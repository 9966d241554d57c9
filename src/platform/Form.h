// Windows built from a table of their controls. Each form states its
// controls once (kind, id, caption, twips rectangle, container, extra style)
// and Form creates them at the window's DPI with the form's font. The form
// opens centred on the monitor under the mouse pointer, at that monitor's
// DPI, and lays itself out again from the table when its DPI changes (moved
// to another monitor, or the scaling changed). The form itself is a system
// dialog window, so Tab order, the default button, access keys and Esc
// behave as in any dialog; modeless forms get that keyboard handling from
// the one message loop (MessageLoop.h).
//
// Setting a control's value from code raises the control's change handler
// exactly as a user's change does (Win32 does not do that by itself for a
// check mark or a list selection): the form receives the same WM_COMMAND.
#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "PictureSurface.h"
#include "UniqueHandle.h"

enum class ControlKind : unsigned char {
    Label,          // static text; SS_NOTIFY in the style makes it clickable
    Button,         // push button
    DefaultButton,  // the push button Enter presses
    CheckBox,
    Option,         // option button; consecutive ones in one container form a group
    TextBox,        // single-line edit; ES_NUMBER: digits only, no input method
    ComboBox,       // drop-down list with an editable field
    Frame,          // captioned group box; its controls are placed relative to it
    Container,      // a child window holding controls (a page, a picture box)
    Picture,        // shows an icon or a bitmap
    Canvas,         // a sunken area drawn by the form's painter (Form::SetPainter); never takes the focus
};

struct ControlSpec {
    ControlKind kind;
    int id;                 // unique in the form; 1 and 2 are IDOK and IDCANCEL's
    const wchar_t* caption;
    int left, top;          // twips, relative to the container
    int width, height;      // twips; 0 for a label sizes it to its text
    int container = 0;      // id of the Frame or Container it sits in; 0: the form
    DWORD style = 0;        // added to the kind's own styles (WS_DISABLED, ...)
};

struct FormSpec {
    const wchar_t* caption;
    int clientWidth, clientHeight;         // twips
    std::span<const ControlSpec> controls;  // creation order, which is the tab order
    bool topmost = false;
    bool titleBar = true;  // false: a framed window without caption or buttons
};

// Messages a form receives besides the ordinary ones.
enum FormMessage : UINT {
    // A character typed into a text box (or a combo box's edit field):
    // wParam the control id, lParam the character. Return TRUE (through
    // DWLP_MSGRESULT) to discard it.
    WM_FORM_KEYPRESS = WM_APP + 0x100,
    // A key pressed in the form, before the dialog's own keyboard handling
    // (Tab, Enter, Esc) sees it: wParam and lParam as in WM_KEYDOWN. Return
    // TRUE (through DWLP_MSGRESULT) to take it, for example Ctrl+Tab turning
    // a page, which the dialog would otherwise take as a plain Tab.
    WM_FORM_KEYDOWN,
};

class Form {
public:
    using Handler = std::function<INT_PTR(UINT message, WPARAM wParam, LPARAM lParam)>;

    Form() = default;
    ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Creates the form hidden and centred on the monitor under the mouse
    // pointer: the user has just clicked the tray or pressed a key, and looks
    // there. The handler sees the form's messages (WM_COMMAND of every control
    // included) and returns TRUE for those it handled; it sees WM_DPICHANGED
    // after the form has laid its table out again at the new DPI. A modeless
    // form joins the message loop's dialog keyboard handling.
    bool Create(const FormSpec& design, Handler handler, HWND owner = nullptr);
    void Destroy();
    bool Exists() const { return window_ != nullptr; }

    HWND Handle() const { return window_; }
    HWND Item(int id) const;
    int Dpi() const { return dpi_; }
    int Pixels(int twips) const { return MulDiv(twips, dpi_, 1440); }

    // After a field lost the focus: whether it went to another control of
    // this form, and not to its cancel button (IDCANCEL), whose click would be
    // lost under the message of a field check. The focus going to a message
    // box or to another program is no leaving either.
    bool FocusMovedOnFrom(int field) const;

    void Show();
    void Hide();
    bool Visible() const;
    void Focus(int id);
    void Enable(int id, bool enabled);
    bool Enabled(int id) const;
    void SetVisible(int id, bool visible);
    void SetIcon(HICON icon);
    // A font of the control's own, made again at every new DPI; the face
    // name must live as long as the form (a literal).
    void SetControlFont(int id, const wchar_t* face, int points, bool bold = false);
    void SetImage(int id, HICON icon);
    // The tip shown while the pointer rests on the control; the empty text
    // removes it. A label or picture needs SS_NOTIFY to see the pointer.
    void SetTip(int id, std::string_view utf8);
    std::string Tip(int id) const;
    // Paints the control's background in a system colour (COLOR_WINDOW,
    // COLOR_BTNFACE, ...) whether it is enabled or not.
    void SetBackColour(int id, int systemColour);
    int BackColour(int id) const;  // -1: the system's own choice

    // Check boxes (0 or 1) and option buttons; setting raises BN_CLICKED.
    void SetCheck(int id, int value);
    int Check(int id) const;
    // Selects the option and clears the others of its group.
    void SelectOption(int id);

    // Text boxes and the edit field of a combo box; a text box reports the
    // change as EN_CHANGE, a combo box as CBN_EDITCHANGE.
    void SetText(int id, std::string_view utf8);
    std::string Text(int id) const;
    void SelectAllText(int id);

    // Combo boxes; setting the index (-1: none) raises CBN_SELCHANGE.
    void ClearList(int id);
    void AddItem(int id, std::string_view utf8, LPARAM data = 0);
    void RemoveItem(int id, int index);
    int ListCount(int id) const;
    std::string ListText(int id, int index) const;
    LPARAM ItemData(int id, int index) const;
    int ListIndex(int id) const;
    void SetListIndex(int id, int index);
    // Whether the combo box's list is dropped down.
    bool ListDropped(int id) const;

    // Sends the form the WM_COMMAND a user's action on the control would.
    void Raise(int id, WORD notification);

    // Canvases. The painter draws the whole canvas, size in pixels, with the
    // form's font selected, into a buffer that is then shown in one piece, so
    // a redraw never flickers.
    using Painter = std::function<void(HDC dc, SIZE size)>;
    struct Canvas {
        Painter painter;
        PictureSurface buffer;
    };
    void SetPainter(int id, Painter painter);
    // Paints the canvas again once the messages waiting have been handled.
    void Redraw(int id);

private:
    // A font SetControlFont gave a control, made again at every DPI.
    struct ExtraFont {
        const wchar_t* face;
        int points;
        bool bold;
        unique_hfont font;
    };

    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void CreateControls();
    RECT PixelBox(const ControlSpec& c, POINT offset) const;
    void LayOutAgain(int dpi, const RECT& suggested);
    int BackColourOf(HWND control) const;

    HWND window_ = nullptr;
    Handler handler_;
    std::vector<ControlSpec> controls_;
    int dpi_ = 96;
    unique_hfont font_;
    std::vector<ExtraFont> extraFonts_;
    unique_hwnd tips_;
    std::vector<std::pair<int, HWND>> items_;
    std::vector<std::pair<HWND, int>> backColours_;
    std::vector<std::unique_ptr<Canvas>> canvases_;  // each canvas window holds its record's address
};

// Runs a local loop until done() answers true, with the owner disabled as a
// modal box does; the form's keyboard works as a dialog's.
void RunModal(Form& form, HWND owner, const std::function<bool()>& done);
