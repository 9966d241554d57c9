// Region selection: a borderless, topmost window over every monitor shows
// the frozen capture of them all; the user drags a rectangle on it with the
// left button and, on release, the rectangle goes to the window's owner.
#pragma once
#include <windows.h>

#include <cstdint>

#include "PictureSurface.h"
#include "UniqueHandle.h"

// What the selection asks of whoever opened it. Either end comes after the
// window has gone, so that whatever follows (a printer message) is not hidden
// behind it.
class RegionSelectionOwner {
public:
    virtual void RegionChosen(PictureSurface region) = 0;
    // Closed any way but by a left release (the cancel menu, Alt+F4, another
    // program's WM_CLOSE, the session ending).
    virtual void RegionCancelled() = 0;
    // The cancel menu at the pointer, owned by the selection window.
    virtual void ShowCancelMenu(HWND owner) = 0;

protected:
    ~RegionSelectionOwner() = default;
};

class FrmCustom {
public:
    static constexpr const wchar_t* ClassName = L"FrmCustom";
    static constexpr const wchar_t* PictureClassName = L"Pic_DeskTop";

    explicit FrmCustom(RegionSelectionOwner& owner) : owner_(owner) {}
    ~FrmCustom() { Unload(); }
    FrmCustom(const FrmCustom&) = delete;
    FrmCustom& operator=(const FrmCustom&) = delete;

    // Opens the window over the virtual screen with the picture of every
    // monitor on it (Capture::CaptureDesktop of them all). An open window
    // stays as it is, with the picture it froze.
    void Load(PictureSurface desktop);
    // Closes the window and tells nobody: the caller decides what follows.
    void Unload();
    HWND Window() const { return form_; }

    // Pixels of the picture: the press and the release point, and -1 while
    // the left button is held after a press on the picture.
    std::int16_t Dragging = 0;
    std::int16_t StartX = 0;
    std::int16_t StartY = 0;
    std::int16_t EndX = 0;
    std::int16_t EndY = 0;

private:
    static LRESULT CALLBACK FormProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK PictureProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void RegisterClasses(HINSTANCE instance);
    void PaintSnapshot(HDC dc) const;
    void DrawRubberBand(std::int16_t x, std::int16_t y);
    void LeftRelease(LPARAM lParam);
    void Cancel();

    RegionSelectionOwner& owner_;
    HWND form_ = nullptr;
    HWND picture_ = nullptr;
    PictureSurface desktop_;
    // A left release counts only after a left press on the picture: a button
    // held down when the window appeared was pressed on something else.
    bool pressed_ = false;
};

// The rectangle between the two points of the picture, both included,
// whichever corner comes first.
PictureSurface CropCapture(const PictureSurface& capture, std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2);
