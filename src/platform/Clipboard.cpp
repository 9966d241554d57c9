#include "Clipboard.h"

#include <cstring>
#include <utility>

namespace {

constexpr int OpenAttempts = 20;
constexpr DWORD OpenRetryMs = 50;

bool OpenClipboardSoon(HWND owner) {
    for (int attempt = 0; attempt < OpenAttempts; ++attempt) {
        if (OpenClipboard(owner)) return true;
        Sleep(OpenRetryMs);
    }
    return false;
}

void FreeBitmap(HANDLE data) { DeleteObject(data); }

// A copy drawn with one blit, far cheaper than the system's own copy of a
// screen-sized bitmap.
HBITMAP CopyBitmap(HANDLE data) {
    const auto bitmap = static_cast<HBITMAP>(data);
    BITMAP info{};
    if (!GetObjectW(bitmap, sizeof info, &info)) return nullptr;
    const unique_window_dc screen = GetDcOf(nullptr);
    unique_hbitmap copy(CreateCompatibleBitmap(screen.get().dc, info.bmWidth, info.bmHeight));
    const unique_hdc from(CreateCompatibleDC(screen.get().dc)), to(CreateCompatibleDC(screen.get().dc));
    if (!copy || !from || !to) return nullptr;
    SelectedObject source(from.get(), bitmap), target(to.get(), copy.get());
    if (!BitBlt(to.get(), 0, 0, info.bmWidth, info.bmHeight, from.get(), 0, 0, SRCCOPY)) return nullptr;
    return copy.release();
}
void FreeEnhMetaFile(HANDLE data) { DeleteEnhMetaFile(static_cast<HENHMETAFILE>(data)); }
void FreeGlobal(HANDLE data) { GlobalFree(data); }

// The system makes the other formats of a group from the one put on the
// clipboard; only the first listed, the one put there, is kept.
int GroupOf(UINT id) {
    switch (id) {
    case CF_BITMAP:
    case CF_DIB:
    case CF_DIBV5: return 1;
    case CF_TEXT:
    case CF_OEMTEXT:
    case CF_UNICODETEXT: return 2;
    default: return 0;
    }
}

HGLOBAL CopyGlobal(HANDLE data) {
    const SIZE_T size = GlobalSize(data);
    const void* from = GlobalLock(data);
    if (!from) return nullptr;
    const HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
    if (void* to = copy ? GlobalLock(copy) : nullptr) {
        std::memcpy(to, from, size);
        GlobalUnlock(copy);
    }
    GlobalUnlock(data);
    return copy;
}

}  // namespace

ClipboardContents ClipboardContents::Take() {
    ClipboardContents contents;
    bool groupTaken[3] = {};
    for (UINT id = EnumClipboardFormats(0); id != 0; id = EnumClipboardFormats(id)) {
        const int group = GroupOf(id);
        if (group != 0 && std::exchange(groupTaken[group], true)) continue;
        const HANDLE data = GetClipboardData(id);
        if (!data) continue;
        switch (id) {
        case CF_BITMAP:
        case CF_DSPBITMAP:
            if (const HANDLE copy = CopyBitmap(data)) contents.formats_.push_back({id, unique_data({copy, FreeBitmap})});
            break;
        case CF_ENHMETAFILE:
        case CF_DSPENHMETAFILE:
            if (const HANDLE copy = CopyEnhMetaFileW(static_cast<HENHMETAFILE>(data), nullptr))
                contents.formats_.push_back({id, unique_data({copy, FreeEnhMetaFile})});
            break;
        case CF_METAFILEPICT:
        case CF_DSPMETAFILEPICT:
        case CF_PALETTE:
        case CF_OWNERDISPLAY:
            // Handles inside handles, or nothing of its own: the other
            // formats of the same content carry it.
            break;
        default:
            if (const HGLOBAL copy = CopyGlobal(data)) contents.formats_.push_back({id, unique_data({copy, FreeGlobal})});
            break;
        }
    }
    return contents;
}

void ClipboardContents::Restore() {
    for (Format& format : formats_)
        handles::HandOver(format.data, [&](Data d) { return SetClipboardData(format.id, d.handle) != nullptr; });
}

std::optional<std::string> CopyPictureToClipboard(HWND owner, const PictureSurface& picture) {
    const std::string cannot = "クリップボードにコピーできませんでした。\n";
    // A picture without pixels would reach the clipboard as a stray 1 x 1 bitmap.
    if (picture.Width() <= 0 || picture.Height() <= 0) return cannot + "コピーする画像がありません。";
    // The copy is made first, so that a failure leaves the clipboard as it was.
    const unique_window_dc screen = GetDcOf(nullptr);
    unique_hbitmap copy(CreateCompatibleBitmap(screen.get().dc, picture.Width(), picture.Height()));
    unique_hdc dc(CreateCompatibleDC(screen.get().dc));
    if (!copy || !dc) return cannot + "画像が大きすぎるか、メモリが足りません。";
    {
        SelectedObject selected(dc.get(), copy.get());
        BitBlt(dc.get(), 0, 0, picture.Width(), picture.Height(), picture.Dc(), 0, 0, SRCCOPY);
    }
    if (!OpenClipboardSoon(owner))
        return cannot + "ほかのプログラムがクリップボードを使用中です。しばらくしてからもう一度お試しください。";
    // Emptying is the only way to offer one bitmap and nothing else; what the
    // clipboard held is kept aside until the bitmap is in its place.
    ClipboardContents held = ClipboardContents::Take();
    EmptyClipboard();
    const bool given = handles::HandOver(copy, [](HBITMAP bitmap) { return SetClipboardData(CF_BITMAP, bitmap) != nullptr; });
    if (!given) {
        EmptyClipboard();
        held.Restore();
    }
    CloseClipboard();
    if (!given) return cannot + "画像をクリップボードに渡せませんでした。";
    return std::nullopt;
}
