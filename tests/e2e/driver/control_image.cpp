// What the screen shows of a control, as a user sees it.
#include "commands.h"
#include "find.h"
#include "output.h"

#include "UniqueHandle.h"

#include <string>

namespace driver {

// control-image --title T --name NAME (see FindNamed) --save FILE
// Copies what the screen shows of the control's client area with one BitBlt
// and writes it to FILE as a binary PPM image.
int ControlImage(const Options& options) {
  const auto name = options.Text(L"name");
  const auto file = options.Text(L"save");
  if (!name || !file)
    return Fail(L"control-image needs --name and --save");
  const HWND dialog = WaitForTarget(options);
  std::wstring why = L"no window";
  const HWND control = dialog ? FindNamed(dialog, *name, why) : nullptr;
  if (!control)
    return Fail(why + L" in " + DescribeTarget(options));
  RECT area{};
  GetClientRect(control, &area);
  MapWindowPoints(control, nullptr, reinterpret_cast<POINT*>(&area), 2);
  const int width = area.right - area.left, height = area.bottom - area.top;
  const unique_window_dc screen = GetDcOf(nullptr);
  const unique_hdc memory(CreateCompatibleDC(screen.get().dc));
  BITMAPINFO request{};
  request.bmiHeader.biSize = sizeof request.bmiHeader;
  request.bmiHeader.biWidth = width;
  request.bmiHeader.biHeight = -height; // top-down
  request.bmiHeader.biPlanes = 1;
  request.bmiHeader.biBitCount = 32;
  request.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const unique_hbitmap bitmap(CreateDIBSection(screen.get().dc, &request, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!memory || !bitmap)
    return Fail(L"no bitmap of " + std::to_wstring(width) + L" x " + std::to_wstring(height));
  {
    const SelectedObject selected(memory.get(), bitmap.get());
    if (!BitBlt(memory.get(), 0, 0, width, height, screen.get().dc, area.left, area.top, SRCCOPY))
      return Fail(L"BitBlt from the screen failed, error " + std::to_wstring(GetLastError()));
  }
  GdiFlush(); // the bits are read directly
  const auto* pixels = static_cast<const DWORD*>(bits); // 0x00RRGGBB
  std::string image = "P6\n" + std::to_string(width) + " " + std::to_string(height) + "\n255\n";
  for (int i = 0; i < width * height; ++i)
    image += {static_cast<char>(pixels[i] >> 16), static_cast<char>(pixels[i] >> 8), static_cast<char>(pixels[i])};
  const unique_hfile out(CreateFileW(file->c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  DWORD written = 0;
  if (!out || !WriteFile(out.get(), image.data(), static_cast<DWORD>(image.size()), &written, nullptr) ||
      written != image.size())
    return Fail(L"could not write " + *file);
  return 0;
}

} // namespace driver
