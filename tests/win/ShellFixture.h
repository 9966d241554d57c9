// What the shell's in-process tests share: a fresh shell state on a real
// hidden main window, message pumping and the clipboard's bitmap read back.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "HumanSeam.h"

// The clipboard's bitmap as top-down 0x00RRGGBB pixels; empty when it holds
// no bitmap.
struct ClipboardImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    std::uint32_t At(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
};
ClipboardImage ReadClipboardImage();
void PutTextOnClipboard();

// Dispatches this thread's messages until done() answers true. The limit
// only keeps a broken build from hanging the run; nothing is timed.
bool PumpUntil(const std::function<bool()>& done);

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::vector<MessageBoxCall> boxes;
};
