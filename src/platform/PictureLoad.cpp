#include "PictureLoad.h"

#include <cstdint>
#include <cstdio>
#include <limits>
#include <utility>

#include "Text.h"
#include "UniqueHandle.h"
#include "Wic.h"

namespace {

using Microsoft::WRL::ComPtr;

// GDI counts a DIB section's bytes in a signed 32-bit number, so a picture
// beyond that can never be held, whatever memory the machine has.
constexpr std::uint64_t LargestPictureBytes = std::numeric_limits<std::int32_t>::max();

PictureLoadResult Failed(std::string reason) { return {false, std::move(reason)}; }

std::string Hex(HRESULT code) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(code));
    return text;
}

std::string SizeText(UINT width, UINT height) {
    return "（" + std::to_string(width) + " × " + std::to_string(height) + " ピクセル）";
}

// Why a file could not be opened, for the reader of the message.
std::string OpenFailure(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_NETPATH:
    case ERROR_INVALID_DRIVE:
        return "ファイルが見つかりません。";
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return "ファイルを開けません。読み取りが許可されていないか、ほかのプログラムが使用中です。";
    default:
        return "ファイルを開けません（エラー " + std::to_string(error) + "）。";
    }
}

// Why the codecs refused the file.
std::string DecodeFailure(HRESULT result) {
    switch (result) {
    case WINCODEC_ERR_COMPONENTNOTFOUND:
    case WINCODEC_ERR_UNKNOWNIMAGEFORMAT:
        return "画像ファイルではないか、対応していない形式です。";
    case WINCODEC_ERR_UNSUPPORTEDPIXELFORMAT:
        return "この画像の色の形式には対応していません。";
    case E_OUTOFMEMORY:
        return "画像を読み込むためのメモリが足りません。";
    case WINCODEC_ERR_IMAGESIZEOUTOFRANGE:
        return "画像が大きすぎます。";
    case WINCODEC_ERR_BADHEADER:
    case WINCODEC_ERR_BADIMAGE:
    case WINCODEC_ERR_BADSTREAMDATA:
    case WINCODEC_ERR_STREAMREAD:
    case WINCODEC_ERR_FRAMEMISSING:
    case WINCODEC_ERR_UNEXPECTEDSIZE:
    case __HRESULT_FROM_WIN32(ERROR_HANDLE_EOF):
    case E_FAIL:
        return "画像のデータが壊れているか、途中で切れています。";
    default:
        return "画像を読み込めません（エラー " + Hex(result) + "）。";
    }
}

// Whether an installed decoder knows the file's signature: then a file that
// no decoder would open is a damaged image rather than no image at all.
// (Some decoders read the whole image as they open it, and the factory then
// only says that the format is unknown or that no decoder took the file.)
bool SomeDecoderKnowsTheFormat(IWICImagingFactory& factory, const std::wstring& path) {
    ComPtr<IWICStream> stream;
    ComPtr<IEnumUnknown> decoders;
    if (FAILED(factory.CreateStream(&stream)) || FAILED(stream->InitializeFromFilename(path.c_str(), GENERIC_READ)) ||
        FAILED(factory.CreateComponentEnumerator(WICDecoder, WICComponentEnumerateDefault, &decoders)))
        return false;
    ComPtr<IUnknown> component;
    while (decoders->Next(1, component.ReleaseAndGetAddressOf(), nullptr) == S_OK) {
        ComPtr<IWICBitmapDecoderInfo> decoder;
        BOOL matches = FALSE;
        if (SUCCEEDED(component.As(&decoder)) && SUCCEEDED(decoder->MatchesPattern(stream.Get(), &matches)) && matches)
            return true;
    }
    return false;
}

// Straight (not premultiplied) BGRA laid onto white: what shows on paper.
void ComposeOntoWhite(std::uint32_t* pixels, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t pixel = pixels[i];
        const std::uint32_t alpha = pixel >> 24;
        if (alpha == 255) {
            pixels[i] = pixel & 0xFFFFFF;
            continue;
        }
        std::uint32_t composed = 0;
        for (int shift = 0; shift < 24; shift += 8) {
            const std::uint32_t channel = (pixel >> shift) & 0xFF;
            composed |= ((channel * alpha + 255 * (255 - alpha) + 127) / 255) << shift;
        }
        pixels[i] = composed;
    }
}

}  // namespace

PictureLoadResult LoadPicture(const std::string& path, PictureSurface& picture) {
    // Opened here rather than by the codecs, so a missing or locked file is
    // told apart from one that is no image.
    const std::wstring widePath = text::Widen(path);
    unique_hfile file(CreateFileW(widePath.c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return Failed(OpenFailure(GetLastError()));
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) return Failed(OpenFailure(GetLastError()));
    if (size.QuadPart == 0) return Failed("ファイルが空です。");

    ComPtr<IWICImagingFactory> factory;
    HRESULT result = CreateWicFactory(factory);
    if (FAILED(result)) return Failed("画像を読み込む機能を使えません（エラー " + Hex(result) + "）。");
    ComPtr<IWICBitmapDecoder> decoder;
    result = factory->CreateDecoderFromFileHandle(reinterpret_cast<ULONG_PTR>(file.get()), nullptr,
                                                  WICDecodeMetadataCacheOnDemand, &decoder);
    if ((result == WINCODEC_ERR_COMPONENTNOTFOUND || result == WINCODEC_ERR_UNKNOWNIMAGEFORMAT) &&
        SomeDecoderKnowsTheFormat(*factory.Get(), widePath))
        result = WINCODEC_ERR_BADIMAGE;
    if (FAILED(result)) return Failed(DecodeFailure(result));
    ComPtr<IWICBitmapFrameDecode> frame;
    result = decoder->GetFrame(0, &frame);
    if (FAILED(result)) return Failed(DecodeFailure(result));

    UINT width = 0, height = 0;
    result = frame->GetSize(&width, &height);
    if (FAILED(result)) return Failed(DecodeFailure(result));
    if (width == 0 || height == 0) return Failed(DecodeFailure(WINCODEC_ERR_BADHEADER));
    // Refused before anything is allocated for it: a header may claim any size.
    if (std::uint64_t{width} * height * 4 > LargestPictureBytes)
        return Failed("画像が大きすぎます" + SizeText(width, height) + "。");

    ComPtr<IWICFormatConverter> converter;
    result = factory->CreateFormatConverter(&converter);
    if (SUCCEEDED(result))
        result = converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr, 0.0,
                                       WICBitmapPaletteTypeCustom);
    if (FAILED(result)) return Failed(DecodeFailure(result));

    bool filled = false;
    const UINT stride = width * 4;
    const bool replaced = picture.Replace(static_cast<int>(width), static_cast<int>(height), [&](std::uint32_t* pixels) {
        filled = true;
        result = converter->CopyPixels(nullptr, stride, stride * height, reinterpret_cast<BYTE*>(pixels));
        if (FAILED(result)) return false;
        ComposeOntoWhite(pixels, std::size_t{width} * height);
        return true;
    });
    if (replaced) return {true, {}};
    if (!filled) return Failed("画像を入れるメモリが足りません" + SizeText(width, height) + "。");
    return Failed(DecodeFailure(result));
}
