// The clipboard as the program uses it: one bitmap and nothing else.
#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "PictureSurface.h"
#include "UniqueHandle.h"

// Empties the clipboard and puts a copy of the picture on it as CF_BITMAP,
// owned by `owner`. Another program may hold the clipboard open for a moment:
// it is waited for about a second. When the copy cannot be made or handed
// over, the clipboard keeps what it held and the answer is the text that
// tells the user why; nothing when the bitmap is on the clipboard.
std::optional<std::string> CopyPictureToClipboard(HWND owner, const PictureSurface& picture);

// What the clipboard holds, copied out while it is open, so that it can be
// put back after an emptying that led nowhere.
class ClipboardContents {
public:
    // Copies every format the open clipboard holds.
    static ClipboardContents Take();
    // Puts the copies on the open clipboard, which this process owns.
    void Restore();

private:
    struct Format {
        UINT id;
        HANDLE data;  // ours until the clipboard takes it
        void (*free)(HANDLE);
    };
    std::vector<Format> formats_;

public:
    ClipboardContents() = default;
    ClipboardContents(ClipboardContents&& other) noexcept : formats_(std::move(other.formats_)) {}
    ClipboardContents& operator=(ClipboardContents&&) = delete;
    ~ClipboardContents();
};
