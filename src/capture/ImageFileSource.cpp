#include "ImageFileSource.h"

#include <cstdint>
#include <string>

#include "Globals.h"
#include "PictureLoad.h"
#include "cCommonDlg.h"

namespace Capture {
namespace {

// The bitmap and JPEG entry comes first and is the one selected; the second
// lists every format the loader is known to read.
constexpr const char* ImageFileFilter =
    "イメージファイル(*.BMP;*.JPG;*.JPEG)|*.bmp;*.jpg;*.jpeg|"
    "すべての画像ファイル(*.BMP;*.JPG;*.JPEG;*.PNG;*.GIF;*.TIF;*.TIFF;*.ICO)|"
    "*.bmp;*.jpg;*.jpeg;*.png;*.gif;*.tif;*.tiff;*.ico|";

// OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_EXPLORER | OFN_LONGNAMES: the
// folder must exist, the file need not (the load tells the user).
constexpr std::int32_t ImageFileFlags = 0x280804;

Captured Failure(const std::string& detail) { return {std::nullopt, "画像ファイルを読み込めませんでした。\n" + detail}; }

}  // namespace

Captured CaptureImageFile(HWND owner) {
    cCommonDlg dialog;
    dialog.FileName("");
    dialog.Form(owner);
    dialog.DialogTitle("ピクチャ画像の指定");
    dialog.Filter(ImageFileFilter);
    dialog.FilterIndex(0);
    dialog.Flags(ImageFileFlags);
    dialog.InitDir(BasRuxa::LastPicturePath);
    dialog.CancelError(true);
    dialog.ShowOpen();
    // The number tells what a description leaves open.
    if (dialog.ErrNumber() != 0)
        return Failure(dialog.ErrDescription() + "（エラー番号 " + std::to_string(dialog.ErrNumber()) + "）");
    if (dialog.CancelButton()) return {};

    const std::string path = dialog.FileName();
    PictureSurface picture;
    const PictureLoadResult load = LoadPicture(path, picture);
    if (!load.loaded) return Failure(path + "\n" + load.reason);
    BasRuxa::LastPicturePath = path;
    return {std::move(picture), {}};
}

}  // namespace Capture
