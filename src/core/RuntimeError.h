// Errors reported with the classic runtime's numbers and Japanese texts, so a
// message reads the way users of earlier versions know it.
#pragma once
#include <string>

struct RuntimeError {
    int Number = 0;
    std::string Description;
};

namespace runtime_error {

constexpr int Overflow = 6;
constexpr int TypeMismatch = 13;
constexpr int InputPastEndOfFile = 62;
constexpr int PermissionDenied = 70;
constexpr int PathFileAccessError = 75;

RuntimeError Make(int number);

}  // namespace runtime_error
