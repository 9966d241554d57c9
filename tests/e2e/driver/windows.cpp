#include "commands.h"
#include "find.h"
#include "output.h"

#include <optional>
#include <string>

namespace driver {

int WaitWindow(const Options& options) {
  const HWND window = WaitForTarget(options);
  if (!window)
    return Fail(L"no window " + DescribeTarget(options));
  PrintLine("hwnd=" + std::to_string(reinterpret_cast<UINT_PTR>(window)) +
            " visible=" + (IsWindowVisible(window) ? "1" : "0"));
  return 0;
}

int WaitGone(const Options& options) {
  if (!WaitUntil(options.TimeoutMs(), [&] { return FindTarget(options) == nullptr; }))
    return Fail(L"window still there: " + DescribeTarget(options));
  PrintLine("gone=1");
  return 0;
}

namespace {

struct Message {
  UINT msg;
  WPARAM wParam;
  LPARAM lParam;
};

std::optional<Message> ReadMessage(const Options& options) {
  const auto msg = options.Number(L"msg");
  if (!msg)
    return std::nullopt;
  return Message{static_cast<UINT>(*msg), static_cast<WPARAM>(options.Number(L"wparam").value_or(0)),
                 static_cast<LPARAM>(options.Number(L"lparam").value_or(0))};
}

} // namespace

int Post(const Options& options) {
  const auto message = ReadMessage(options);
  if (!message)
    return Fail(L"post needs --msg N");
  const HWND window = WaitForTarget(options);
  if (!window)
    return Fail(L"no window " + DescribeTarget(options));
  if (!PostMessageW(window, message->msg, message->wParam, message->lParam))
    return Fail(L"PostMessageW failed, error " + std::to_wstring(GetLastError()));
  PrintLine("posted=1");
  return 0;
}

int Send(const Options& options) {
  const auto message = ReadMessage(options);
  if (!message)
    return Fail(L"send needs --msg N");
  const HWND window = WaitForTarget(options);
  if (!window)
    return Fail(L"no window " + DescribeTarget(options));
  // A program that stopped answering fails the command instead of hanging it.
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, message->msg, message->wParam, message->lParam, SMTO_ABORTIFHUNG,
                           options.TimeoutMs(), &result))
    return Fail(L"SendMessageTimeoutW failed, error " + std::to_wstring(GetLastError()));
  PrintLine("result=" + std::to_string(static_cast<LONG_PTR>(result)));
  return 0;
}

} // namespace driver
