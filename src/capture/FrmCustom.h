// Region selection: a borderless, topmost window over the whole screen shows
// the frozen desktop capture; the user drags a rectangle on it with the left
// button and, on release, the capture picture becomes that rectangle and goes
// to the output the shell state asks for.
#pragma once
#include <windows.h>

#include <cstdint>

namespace FrmCustom {

constexpr const wchar_t* ClassName = L"FrmCustom";
constexpr const wchar_t* PictureClassName = L"Pic_DeskTop";

// Pixels of the picture: the press and the release point, and -1 while the
// left button is held after a press on the picture.
inline std::int16_t Dragging = 0;
inline std::int16_t StartX = 0;
inline std::int16_t StartY = 0;
inline std::int16_t EndX = 0;
inline std::int16_t EndY = 0;

// Opens the window over the screen with the capture picture on it for the
// shell's current request. An open window stays as it is and serves that
// request from then on. Closed any way but by a left release, the selection
// is cancelled: the shell goes back to idle, a command-line run ends.
void Load();
// Closes the window and nothing more; the caller decides what follows.
void Unload();
HWND Window();

// Replaces the capture picture with the rectangle between the two points,
// both included, whichever corner comes first.
void CropCapture(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2);

}  // namespace FrmCustom
