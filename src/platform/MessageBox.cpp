#include "MessageBox.h"

#include "Text.h"

namespace {

std::function<int(const MessageBoxCall&)>& Answerer() {
    static std::function<int(const MessageBoxCall&)> answerer;
    return answerer;
}

}  // namespace

int ShowMessageBox(HWND owner, const std::string& text, const std::string& title, UINT type) {
    if (Answerer()) return Answerer()(MessageBoxCall{owner, text, title, type});
    return MessageBoxW(owner, text::Widen(text).c_str(), text::Widen(title).c_str(), type);
}

void SetMessageBoxAnswerer(std::function<int(const MessageBoxCall&)> answerer) { Answerer() = std::move(answerer); }
