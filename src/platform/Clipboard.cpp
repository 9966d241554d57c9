#include "Clipboard.h"

#include "HumanSeam.h"
#include "UniqueHandle.h"

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

bool Fail(HWND owner, const char* reason) {
    ShowMessageBox(owner, std::string("クリップボードにコピーできませんでした。\n") + reason, "ルクサさん",
                   MB_OK | MB_ICONEXCLAMATION);
    return false;
}

}  // namespace

bool CopyPictureToClipboard(HWND owner, const PictureSurface& picture) {
    // A picture without pixels would reach the clipboard as a stray 1 x 1 bitmap.
    if (picture.Width() <= 0 || picture.Height() <= 0) return Fail(owner, "コピーする画像がありません。");
    // The copy is made first, so that a failure leaves the clipboard as it was.
    const unique_window_dc screen = GetDcOf(nullptr);
    unique_hbitmap copy(CreateCompatibleBitmap(screen.get().dc, picture.Width(), picture.Height()));
    unique_hdc dc(CreateCompatibleDC(screen.get().dc));
    if (!copy || !dc) return Fail(owner, "画像が大きすぎるか、メモリが足りません。");
    {
        SelectedObject selected(dc.get(), copy.get());
        BitBlt(dc.get(), 0, 0, picture.Width(), picture.Height(), picture.Dc(), 0, 0, SRCCOPY);
    }
    if (!OpenClipboardSoon(owner))
        return Fail(owner, "ほかのプログラムがクリップボードを使用中です。しばらくしてからもう一度お試しください。");
    EmptyClipboard();
    // The clipboard owns the bitmap only once it has taken it.
    const bool given = SetClipboardData(CF_BITMAP, copy.get()) != nullptr;
    if (given) copy.release();
    CloseClipboard();
    return given || Fail(owner, "画像をクリップボードに渡せませんでした。");
}
