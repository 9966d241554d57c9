// Image files as the capture: the loader on real files of each format the
// codecs read, and the file items of the tray, hot keys and double-click with
// the file dialog answered by script.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "BasHotKey.h"
#include "FrmRuxa.h"
#include "Globals.h"
#include "PictureLoad.h"
#include "ShellFixture.h"
#include "ShellRules.h"
#include "TestFolder.h"
#include "Text.h"

using namespace BasRuxa;
using namespace std::literals;

namespace {

// --- files written byte by byte, so the codecs are not checked against
// their own encoders ---------------------------------------------------------

std::string Le(std::uint32_t value, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i) out += static_cast<char>(value >> (8 * i));
    return out;
}
std::string Be32(std::uint32_t value) {
    return {static_cast<char>(value >> 24), static_cast<char>(value >> 16), static_cast<char>(value >> 8),
            static_cast<char>(value)};
}

// A bottom-up BMP of 24 or 32 bits from top-down 0xAARRGGBB pixels; a 32-bit
// file keeps the top byte as given (the format calls it unused).
std::string Bmp(int width, int height, int bits, const std::vector<std::uint32_t>& pixels) {
    const int stride = (width * bits / 8 + 3) & ~3;
    std::string rows;
    for (int y = height - 1; y >= 0; --y) {
        std::string row;
        for (int x = 0; x < width; ++x) row += Le(pixels[std::size_t(y) * width + x], bits / 8);
        rows += row + std::string(std::size_t(stride) - row.size(), '\0');
    }
    return "BM" + Le(54 + rows.size(), 4) + Le(0, 4) + Le(54, 4) + Le(40, 4) + Le(width, 4) + Le(height, 4) + Le(1, 2) +
           Le(bits, 2) + Le(0, 4) + Le(rows.size(), 4) + Le(2835, 4) + Le(2835, 4) + Le(0, 4) + Le(0, 4) + rows;
}

std::uint32_t Crc32(const std::string& bytes) {
    std::uint32_t crc = 0xFFFFFFFF;
    for (const unsigned char c : bytes) {
        crc ^= c;
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
    return ~crc;
}

std::string PngChunk(const std::string& type, const std::string& data) {
    return Be32(data.size()) + type + data + Be32(Crc32(type + data));
}

// An 8-bit RGBA PNG claiming width x height, whose image data holds the given
// 0xAARRGGBB pixels row by row (fewer than the header claims makes a damaged
// file), deflated as stored blocks.
std::string Png(std::uint32_t width, std::uint32_t height, const std::vector<std::uint32_t>& pixels) {
    std::string raw;
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        if (i % width == 0) raw += '\0';  // filter: none
        const std::uint32_t p = pixels[i];
        raw += {static_cast<char>(p >> 16), static_cast<char>(p >> 8), static_cast<char>(p), static_cast<char>(p >> 24)};
    }
    std::string zlib = "\x78\x01";
    std::uint32_t a = 1, b = 0;
    for (const unsigned char c : raw) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    for (std::size_t at = 0; at == 0 || at < raw.size(); at += 65535) {
        const std::size_t n = std::min<std::size_t>(65535, raw.size() - at);
        zlib += static_cast<char>(at + n >= raw.size() ? 1 : 0);
        zlib += Le(n, 2) + Le(~n & 0xFFFF, 2) + raw.substr(at, n);
    }
    zlib += Be32((b << 16) | a);
    return "\x89PNG\r\n\x1A\n" + PngChunk("IHDR", Be32(width) + Be32(height) + std::string("\x08\x06\0\0\0", 5)) +
           PngChunk("IDAT", zlib) + PngChunk("IEND", "");
}

// --- files made once with ImageMagick 6 -------------------------------------

// convert -size 8x4 xc:'#2060C0' -quality 100 -strip x.jpg
const std::string Jpeg(
    "\xFF\xD8\xFF\xE0\x00\x10\x4A\x46\x49\x46\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00\xFF\xDB\x00\x43"
    "\x00\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01"
    "\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01"
    "\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\xFF\xDB\x00\x43\x01\x01\x01"
    "\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01"
    "\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01"
    "\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\xFF\xC0\x00\x11\x08\x00\x04\x00\x08\x03"
    "\x01\x11\x00\x02\x11\x01\x03\x11\x01\xFF\xC4\x00\x14\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00"
    "\x00\x00\x00\x00\x00\x00\x09\xFF\xC4\x00\x14\x10\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00"
    "\x00\x00\x00\x00\x00\xFF\xC4\x00\x14\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00"
    "\x00\x00\x09\xFF\xC4\x00\x14\x11\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00"
    "\x00\xFF\xDA\x00\x0C\x03\x01\x00\x02\x11\x03\x11\x00\x3F\x00\x2F\xCE\xC0\xBF\x7F\xFF\xD9",
    286);

// Red, blue at (1,0), transparent at (2,1):
// convert -size 3x2 xc:red -fill blue -draw 'point 1,0' -fill none -draw 'color 2,1 point' -strip x.gif
const std::string Gif(
    "\x47\x49\x46\x38\x39\x61\x03\x00\x02\x00\xF1\x00\x00\xFF\x00\x00\x00\x00\xFF\x00\x00\x00\x00\x00"
    "\x00\x21\xF9\x04\x01\x00\x00\x02\x00\x2C\x00\x00\x00\x00\x03\x00\x02\x00\x00\x02\x03\x44\x80\x52"
    "\x00\x3B",
    50);

// Green, blue at (1,0):
// convert -size 3x2 xc:lime -fill blue -draw 'point 1,0' -depth 8 -type TrueColor -compress none -strip x.tif
const std::string Tiff(
    "\x49\x49\x2A\x00\x1A\x00\x00\x00\x00\xFF\x00\x00\x00\xFF\x00\xFF\x00\x00\xFF\x00\x00\xFF\x00\x00"
    "\xFF\x00\x0F\x00\x00\x01\x03\x00\x01\x00\x00\x00\x03\x00\x00\x00\x01\x01\x03\x00\x01\x00\x00\x00"
    "\x02\x00\x00\x00\x02\x01\x03\x00\x03\x00\x00\x00\xD4\x00\x00\x00\x03\x01\x03\x00\x01\x00\x00\x00"
    "\x01\x00\x00\x00\x06\x01\x03\x00\x01\x00\x00\x00\x02\x00\x00\x00\x0A\x01\x03\x00\x01\x00\x00\x00"
    "\x01\x00\x00\x00\x11\x01\x04\x00\x01\x00\x00\x00\x08\x00\x00\x00\x12\x01\x03\x00\x01\x00\x00\x00"
    "\x01\x00\x00\x00\x15\x01\x03\x00\x01\x00\x00\x00\x03\x00\x00\x00\x16\x01\x03\x00\x01\x00\x00\x00"
    "\x02\x00\x00\x00\x17\x01\x04\x00\x01\x00\x00\x00\x12\x00\x00\x00\x1C\x01\x03\x00\x01\x00\x00\x00"
    "\x01\x00\x00\x00\x29\x01\x03\x00\x02\x00\x00\x00\x00\x00\x01\x00\x3E\x01\x05\x00\x02\x00\x00\x00"
    "\x0A\x01\x00\x00\x3F\x01\x05\x00\x06\x00\x00\x00\xDA\x00\x00\x00\x00\x00\x00\x00\x08\x00\x08\x00"
    "\x08\x00\x85\xEB\x51\x00\x00\x00\x80\x00\xC3\xF5\xA8\x00\x00\x00\x00\x02\xCD\xCC\x4C\x00\x00\x00"
    "\x00\x01\xCD\xCC\x4C\x00\x00\x00\x80\x00\xCD\xCC\x4C\x00\x00\x00\x00\x02\x8F\xC2\xF5\x00\x00\x00"
    "\x00\x10\x37\x1A\xA0\x00\x00\x00\x00\x02\x2B\x87\x0A\x00\x00\x00\x20\x00",
    282);

// Yellow, a fully transparent blue at (2,1), as a 32-bit icon:
// convert -size 3x2 xc:yellow -alpha set -fill 'rgba(0,0,255,0)' -draw 'color 2,1 point' x.png; convert x.png x.ico
const std::string Ico(
    "\x00\x00\x01\x00\x01\x00\x03\x02\x00\x00\x01\x00\x20\x00\x48\x00\x00\x00\x16\x00\x00\x00\x28\x00"
    "\x00\x00\x03\x00\x00\x00\x04\x00\x00\x00\x01\x00\x20\x00\x00\x00\x00\x00\x18\x00\x00\x00\x00\x00"
    "\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\xFF\xFF\xFF\x00\xFF\xFF\xFF\xFF\x00"
    "\x00\x00\x00\xFF\xFF\xFF\x00\xFF\xFF\xFF\x00\xFF\xFF\xFF\x20\x00\x00\x00\x00\x00\x00\x00",
    94);

// A 3 x 2 picture with a colour in every pixel: six different ones.
const std::vector<std::uint32_t> SixColours = {0xFF102030, 0xFF405060, 0xFF708090,
                                               0xFFA0B0C0, 0xFFD0E0F0, 0xFF0A0B0C};

struct Point {
    int x, y;
    std::uint32_t rgb;
};

bool Near(std::uint32_t actual, std::uint32_t expected, int tolerance) {
    for (int shift = 0; shift < 24; shift += 8) {
        const int a = (actual >> shift) & 0xFF, e = (expected >> shift) & 0xFF;
        if (std::abs(a - e) > tolerance) return false;
    }
    return true;
}

// The picture's pixels, to see that a failure left them alone.
std::vector<std::uint32_t> PixelsOf(const PictureSurface& picture) {
    const std::uint32_t* p = picture.Pixels();
    return p ? std::vector<std::uint32_t>(p, p + std::size_t(picture.Width()) * picture.Height())
             : std::vector<std::uint32_t>{};
}

// The tray's file items on the real hidden window; the person at the file
// dialog is a script that answers with `answer` and keeps what was asked.
class ImageFileTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        SetFileDialogAnswerer([this](const OPENFILENAMEW& record, bool save) -> std::optional<std::wstring> {
            asked.push_back({record.hwndOwner, record.lpstrTitle, std::wstring(record.lpstrFilter, FilterLength(record)),
                             record.nFilterIndex, record.Flags, record.lpstrFile, record.lpstrInitialDir, save});
            return answer;
        });
        LastPicturePath = "C:\\before\\";
    }
    void TearDown() override {
        SetFileDialogAnswerer(nullptr);
        ShellTest::TearDown();
    }
    static std::size_t FilterLength(const OPENFILENAMEW& record) {
        std::size_t n = 0;
        while (record.lpstrFilter[n] || record.lpstrFilter[n + 1]) ++n;
        return n + 1;
    }

    struct Asked {
        HWND owner;
        std::wstring title, filter;
        DWORD filterIndex, flags;
        std::wstring file, initDir;
        bool save;
    };
    std::vector<Asked> asked;
    std::optional<std::wstring> answer;
    TestFolder folder;
};

}  // namespace

TEST(PictureLoad, ReadsEachFormatAndLaysTransparencyOntoWhite) {
    std::vector<std::uint32_t> translucent = SixColours;
    translucent[1] = 0x00405060;  // fully transparent
    translucent[2] = 0x80000000;  // black at half: mid grey on paper
    translucent[4] = 0x40FF0000;  // red at a quarter
    std::vector<std::uint32_t> noAlpha = SixColours;
    for (auto& p : noAlpha) p &= 0xFFFFFF;  // the unused byte of a 32-bit BMP is 0, which is no transparency
    const struct {
        const wchar_t* name;
        std::string bytes;
        int width, height, tolerance;
        std::vector<Point> points;
    } samples[] = {
        {L"24bit.bmp", Bmp(3, 2, 24, SixColours), 3, 2, 0, {{0, 0, 0x102030}, {2, 0, 0x708090}, {2, 1, 0x0A0B0C}}},
        {L"32bit.bmp", Bmp(3, 2, 32, noAlpha), 3, 2, 0, {{0, 0, 0x102030}, {1, 1, 0xD0E0F0}, {2, 1, 0x0A0B0C}}},
        {L"alpha.png", Png(3, 2, translucent), 3, 2, 0,
         {{0, 0, 0x102030}, {1, 0, 0xFFFFFF}, {2, 0, 0x7F7F7F}, {1, 1, 0xFFBFBF}, {2, 1, 0x0A0B0C}}},
        {L"photo.jpg", Jpeg, 8, 4, 4, {{0, 0, 0x2060C0}, {7, 3, 0x2060C0}}},
        {L"palette.gif", Gif, 3, 2, 0, {{0, 0, 0xFF0000}, {1, 0, 0x0000FF}, {2, 1, 0xFFFFFF}}},
        {L"scan.tif", Tiff, 3, 2, 0, {{0, 0, 0x00FF00}, {1, 0, 0x0000FF}, {2, 1, 0x00FF00}}},
        {L"icon.ico", Ico, 3, 2, 0, {{0, 0, 0xFFFF00}, {1, 1, 0xFFFF00}, {2, 1, 0xFFFFFF}}},
    };
    TestFolder folder;
    for (const auto& sample : samples) {
        SCOPED_TRACE(text::Narrow(sample.name));
        folder.Write(sample.name, sample.bytes);
        PictureSurface picture;
        ASSERT_TRUE(picture.Resize(50, 50));
        const PictureLoadResult result = LoadPicture(text::Narrow(folder.File(sample.name)), picture);
        ASSERT_TRUE(result.loaded) << result.reason;
        ASSERT_EQ(picture.Width(), sample.width);
        ASSERT_EQ(picture.Height(), sample.height);
        for (const Point& point : sample.points) {
            const std::uint32_t actual = picture.Pixels()[point.y * sample.width + point.x];
            EXPECT_PRED3(Near, actual, point.rgb, sample.tolerance) << point.x << "," << point.y;
            EXPECT_EQ(actual >> 24, 0u);  // nothing left in the byte GDI does not use
        }
    }
}

TEST_F(ImageFileTest, FilesThatCannotBeLoadedChangeNothingAndNameTheFile) {
    std::vector<std::uint32_t> big(40 * 40, 0xFF336699);
    const std::string whole = Png(40, 40, big);
    folder.Write(L"empty.png", "");
    folder.Write(L"text.jpg", "これは画像ではありません");
    folder.Write(L"cut.png", whole.substr(0, whole.size() / 2));
    folder.Write(L"huge.png", Png(100000, 100000, big));
    std::string hugeBmp = Bmp(3, 2, 24, SixColours);
    hugeBmp.replace(18, 8, Le(100000, 4) + Le(100000, 4));
    folder.Write(L"huge.bmp", hugeBmp);
    const std::string bmp = Bmp(40, 40, 24, big);
    folder.Write(L"cut.bmp", bmp.substr(0, bmp.size() / 2));
    folder.Write(L"locked.bmp", Bmp(3, 2, 24, SixColours));
    const unique_hfile lock(CreateFileW(folder.File(L"locked.bmp").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                        OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(lock);
    const struct {
        const wchar_t* name;
        const char* reason;
    } cases[] = {
        {L"missing.bmp", "ファイルが見つかりません。"},
        {L"empty.png", "ファイルが空です。"},
        {L"text.jpg", "画像ファイルではないか、対応していない形式です。"},
        {L"cut.png", "画像のデータが壊れているか、途中で切れています。"},
        {L"cut.bmp", "画像のデータが壊れているか、途中で切れています。"},
        {L"huge.bmp", "画像が大きすぎます（100000 × 100000 ピクセル）。"},
        // Wine's PNG decoder reads the whole image as it opens the file and
        // refuses it there, so the reason is the decoder's; Windows' decoder
        // tells the size first and is refused as huge.bmp is.
        {L"huge.png", nullptr},
        {L"locked.bmp", "ファイルを開けません。読み取りが許可されていないか、ほかのプログラムが使用中です。"},
    };

    PictureSurface& capture = MainWindow::PicPrint();
    ASSERT_TRUE(capture.Resize(5, 4));
    SetPixel(capture.Dc(), 4, 3, RGB(1, 2, 3));
    const std::vector<std::uint32_t> before = PixelsOf(capture);
    PutTextOnClipboard();
    AppState = StateAbout;  // a dialog of the shell is open meanwhile
    for (const auto& c : cases) {
        SCOPED_TRACE(text::Narrow(c.name));
        boxes.clear();
        answer = folder.File(c.name);
        FrmRuxa::Pop_FileCapture_Click();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].title, "ルクサさん");
        const std::string named = "画像ファイルを読み込めませんでした。\n" + text::Narrow(*answer) + "\n";
        EXPECT_EQ(boxes[0].text.substr(0, named.size()), named);
        if (c.reason) {
            EXPECT_EQ(boxes[0].text.substr(named.size()), c.reason);
        }
        EXPECT_EQ(boxes[0].owner, MainWindow::Handle());
        EXPECT_EQ(capture.Width(), 5);
        EXPECT_EQ(PixelsOf(capture), before);
        EXPECT_EQ(LastPicturePath, "C:\\before\\");
        EXPECT_EQ(ReadClipboardImage().width, 0);
        EXPECT_EQ(AppState, StateAbout);
    }

    // A cancel says nothing and changes nothing either.
    boxes.clear();
    answer.reset();
    FrmRuxa::Pop_FileCapture_Click();
    FrmRuxa::Pop_FileCopy_Click();
    EXPECT_EQ(asked.size(), std::size(cases) + 2);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(PixelsOf(capture), before);
    EXPECT_EQ(LastPicturePath, "C:\\before\\");
    EXPECT_EQ(ReadClipboardImage().width, 0);
    EXPECT_EQ(AppState, StateAbout);
}

TEST_F(ImageFileTest, ChosenFileGoesToTheClipboardAndTheNextDialogStartsThere) {
    folder.Write(L"画像.png", Png(3, 2, SixColours));
    const std::wstring chosen = folder.File(L"画像.png");
    answer = chosen;
    PutTextOnClipboard();
    AppState = StateDtCapture;  // a desktop copy armed meanwhile stays armed
    FrmRuxa::Pop_FileCapture_Click();
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(AppState, StateDtCapture);
    const ClipboardImage image = ReadClipboardImage();
    ASSERT_EQ(image.width, 3);
    ASSERT_EQ(image.height, 2);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(image.pixels[i], SixColours[i] & 0xFFFFFF) << i;
    EXPECT_EQ(LastPicturePath, text::Narrow(chosen));

    answer.reset();
    FrmRuxa::Pop_FileCopy_Click();  // cancelled: nothing printed
    ASSERT_EQ(asked.size(), 2u);
    for (const Asked& a : asked) {
        EXPECT_EQ(a.owner, MainWindow::Handle());
        EXPECT_EQ(a.title, L"ピクチャ画像の指定");
        EXPECT_EQ(a.filter, L"イメージファイル(*.BMP;*.JPG;*.JPEG)\0*.bmp;*.jpg;*.jpeg\0"
                            L"すべての画像ファイル(*.BMP;*.JPG;*.JPEG;*.PNG;*.GIF;*.TIF;*.TIFF;*.ICO)\0"
                            L"*.bmp;*.jpg;*.jpeg;*.png;*.gif;*.tif;*.tiff;*.ico\0"s);
        EXPECT_EQ(a.filterIndex, 0u);
        EXPECT_EQ(a.flags, 0x280804u);
        EXPECT_EQ(a.file, L"");
        EXPECT_FALSE(a.save);
    }
    EXPECT_EQ(asked[0].initDir, L"C:\\before\\");
    EXPECT_EQ(asked[1].initDir, chosen);
}

TEST_F(ImageFileTest, HotKeysAndDoubleClickOpenTheFileDialog) {
    folder.Write(L"a.bmp", Bmp(3, 2, 24, SixColours));
    // Slot 3 and the double-click with DoubleClick 1 print, slot 7 and any
    // other DoubleClick copy. The print dialogs are cancelled: printing is
    // the print output's business.
    const struct {
        int slot;
        std::int16_t doubleClick;
        bool copies;
    } triggers[] = {{3, 1, false}, {7, 0, true}};
    for (const auto& t : triggers) {
        for (const bool hotKey : {true, false}) {
            SCOPED_TRACE(std::to_string(t.slot) + (hotKey ? " hot key" : " double-click"));
            asked.clear();
            PutTextOnClipboard();
            answer = t.copies ? std::optional(folder.File(L"a.bmp")) : std::nullopt;
            Settings.DoubleClick = t.doubleClick;
            Settings.DoubleClickDo = 4;
            if (hotKey) BasHotKey::HotKeyAction(t.slot);
            else FrmRuxa::TrayMessage(shell::TrayLeftDoubleClick);
            ASSERT_EQ(asked.size(), 1u);
            EXPECT_EQ(asked[0].title, L"ピクチャ画像の指定");
            EXPECT_EQ(ReadClipboardImage().width, t.copies ? 3 : 0);
            EXPECT_FALSE(FrmRuxa::Timer1().Enabled());
            EXPECT_EQ(AppState, StateIdle);
        }
    }
}

TEST_F(ImageFileTest, FailedDialogIsReportedWithItsError) {
    // The real dialog, given a typed name longer than the 255 characters it
    // has room for (but under MAX_PATH, beyond which Wine's dialog fails).
    SetFileDialogAnswerer(nullptr);
    const std::wstring longFolder = folder.File(std::wstring(200, L'd')) + L"\\";
    ASSERT_TRUE(CreateDirectoryW(longFolder.c_str(), nullptr));
    const std::wstring path = longFolder + std::wstring(254 - longFolder.size(), L'f') + L".png";
    std::thread person([&] {
        HWND dialog = nullptr, field = nullptr;
        for (int i = 0; i < 1000 && !field; ++i, Sleep(10)) {
            dialog = FindWindowW(L"#32770", L"ピクチャ画像の指定");
            field = FindWindowExW(FindWindowExW(GetDlgItem(dialog, 0x47c), nullptr, L"ComboBox", nullptr), nullptr,
                                  L"Edit", nullptr);
        }
        SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    });
    FrmRuxa::Pop_FileCapture_Click();
    person.join();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "ルクサさん");
    EXPECT_EQ(boxes[0].text, "画像ファイルを読み込めませんでした。\n未知のｴﾗｰです。（エラー番号 12291）");  // FNERR_BUFFERTOOSMALL
    EXPECT_EQ(LastPicturePath, "C:\\before\\");
}
