// The bitmap on the clipboard, written as a binary PPM (P6) so a script can
// compare its pixels with plain tools.
#include "commands.h"
#include "find.h"
#include "output.h"

#include "UniqueHandle.h"

#include <cstdint>
#include <string>
#include <vector>

namespace driver {

namespace {

std::string FormatList() {
  std::string list;
  for (UINT format = EnumClipboardFormats(0); format; format = EnumClipboardFormats(format)) {
    if (!list.empty())
      list += ' ';
    list += std::to_string(format);
  }
  return list;
}

// The bitmap's pixels as RGB rows from the top.
std::vector<std::uint8_t> RgbRows(HBITMAP bitmap, int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height; // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  std::vector<std::uint32_t> bgrx(static_cast<size_t>(width) * height);
  const unique_window_dc screen = GetDcOf(nullptr);
  if (GetDIBits(screen.get().dc, bitmap, 0, height, bgrx.data(), &info, DIB_RGB_COLORS) != height)
    return {};
  std::vector<std::uint8_t> rgb;
  rgb.reserve(bgrx.size() * 3);
  for (const std::uint32_t pixel : bgrx) {
    rgb.push_back(static_cast<std::uint8_t>(pixel >> 16));
    rgb.push_back(static_cast<std::uint8_t>(pixel >> 8));
    rgb.push_back(static_cast<std::uint8_t>(pixel));
  }
  return rgb;
}

bool WritePpm(const std::wstring& path, int width, int height, const std::vector<std::uint8_t>& rgb) {
  const unique_hfile file(
      CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file)
    return false;
  const std::string header = "P6\n" + std::to_string(width) + " " + std::to_string(height) + "\n255\n";
  DWORD written = 0;
  return WriteFile(file.get(), header.data(), static_cast<DWORD>(header.size()), &written, nullptr) &&
         WriteFile(file.get(), rgb.data(), static_cast<DWORD>(rgb.size()), &written, nullptr) &&
         written == rgb.size();
}

} // namespace

int ClipboardDump(const Options& options) {
  const auto out = options.Text(L"out");
  if (!out)
    return Fail(L"clipboard-dump needs --out file.ppm");
  // Another process may hold the clipboard for a moment.
  if (!WaitUntil(options.TimeoutMs(), [] { return OpenClipboard(nullptr) != FALSE; }))
    return Fail(L"the clipboard stayed busy");
  const std::string formats = FormatList();
  // The bitmap stays the clipboard's; it is read before the clipboard closes.
  const auto bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
  BITMAP size{};
  std::vector<std::uint8_t> rgb;
  if (bitmap && GetObjectW(bitmap, sizeof size, &size))
    rgb = RgbRows(bitmap, size.bmWidth, size.bmHeight);
  CloseClipboard();

  PrintLine("formats=" + formats);
  if (rgb.empty())
    return Fail(L"no bitmap on the clipboard");
  if (!WritePpm(*out, size.bmWidth, size.bmHeight, rgb))
    return Fail(L"cannot write " + *out);
  PrintLine("width=" + std::to_string(size.bmWidth) + " height=" + std::to_string(size.bmHeight));
  return 0;
}

} // namespace driver
