#include "ImageFileSource.h"

#include <cstdint>
#include <string>

#include "Globals.h"
#include "HumanSeam.h"
#include "MainWindow.h"
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

void ReportFailure(const std::string& detail) {
    ShowMessageBox(MainWindow::Handle(), "画像ファイルを読み込めませんでした。\n" + detail, "ルクサさん",
                   MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace

bool CaptureImageFile() {
    cCommonDlg dialog;
    dialog.FileName("");
    dialog.Form(MainWindow::Handle());
    dialog.DialogTitle("ピクチャ画像の指定");
    dialog.Filter(ImageFileFilter);
    dialog.FilterIndex(0);
    dialog.Flags(ImageFileFlags);
    dialog.InitDir(BasRuxa::LastPicturePath);
    dialog.CancelError(true);
    dialog.ShowOpen();
    if (dialog.ErrNumber() != 0) {
        // The number tells what a description leaves open.
        ReportFailure(dialog.ErrDescription() + "（エラー番号 " + std::to_string(dialog.ErrNumber()) + "）");
        return false;
    }
    if (dialog.CancelButton()) return false;

    const std::string path = dialog.FileName();
    const PictureLoadResult load = LoadPicture(path, MainWindow::PicPrint());
    if (!load.loaded) {
        ReportFailure(path + "\n" + load.reason);
        return false;
    }
    BasRuxa::LastPicturePath = path;
    return true;
}

}  // namespace Capture
