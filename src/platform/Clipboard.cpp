#include "Clipboard.h"

#include "UniqueHandle.h"

bool CopyPictureToClipboard(HWND owner, const PictureSurface& picture) {
    if (!OpenClipboard(owner)) return false;
    EmptyClipboard();
    bool given = false;
    {
        const unique_window_dc screen = GetDcOf(nullptr);
        unique_hbitmap copy(CreateCompatibleBitmap(screen.get().dc, picture.Width(), picture.Height()));
        unique_hdc dc(CreateCompatibleDC(screen.get().dc));
        if (copy && dc) {
            {
                SelectedObject selected(dc.get(), copy.get());
                BitBlt(dc.get(), 0, 0, picture.Width(), picture.Height(), picture.Dc(), 0, 0, SRCCOPY);
            }
            // The clipboard owns the bitmap only once it has taken it.
            if (SetClipboardData(CF_BITMAP, copy.get())) {
                copy.release();
                given = true;
            }
        }
    }
    CloseClipboard();
    return given;
}
