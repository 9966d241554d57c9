// Results go to stdout as UTF-8 lines ("key=value"), errors to stderr, so test
// scripts read them with ordinary tools whatever the console code page is.
#pragma once

#include <string>

namespace driver {

// Line breaks inside a value are written as \n (and a backslash as \\) so each
// result stays on one line.
std::string Escaped(const std::wstring& text);
std::string Utf8(const std::wstring& text);
void PrintLine(const std::string& line);
// Writes the message to stderr and returns the driver's failure exit code.
int Fail(const std::wstring& message);
// Thrown where a command cannot go on; main ends it with Fail(message).
struct Failure {
  std::wstring message;
};

} // namespace driver
