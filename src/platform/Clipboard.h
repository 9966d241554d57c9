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
    // A copy of one format's data and how that kind is freed.
    struct Data {
        HANDLE handle = nullptr;
        void (*free)(HANDLE) = nullptr;
        bool operator==(const Data&) const = default;
    };
    struct DataTraits {
        using pointer = Data;
        static pointer invalid() { return {}; }
        static void close(pointer d) { d.free(d.handle); }
    };
    using unique_data = handles::unique_any<DataTraits>;
    struct Format {
        UINT id;
        unique_data data;  // ours until the clipboard takes it
    };
    std::vector<Format> formats_;
};
