#include "PictureSave.h"

#include <vector>

#include "FileIo.h"
#include "Wic.h"

using Microsoft::WRL::ComPtr;

namespace {

DWORD ErrorOf(HRESULT result) {
    return HRESULT_FACILITY(result) == FACILITY_WIN32 ? HRESULT_CODE(result) : static_cast<DWORD>(result);
}

// The picture's rows as 24-bit BGR, each padded to whole 32-bit words as a
// bitmap file stores them.
std::vector<BYTE> Bgr24(const PictureSurface& picture, UINT& stride) {
    const int width = picture.Width(), height = picture.Height();
    stride = static_cast<UINT>((width * 3 + 3) & ~3);
    std::vector<BYTE> rows(std::size_t(stride) * height);
    const std::uint32_t* pixels = picture.Pixels();
    for (int y = 0; y < height; ++y) {
        BYTE* out = rows.data() + std::size_t(y) * stride;
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = pixels[std::size_t(y) * width + x];
            *out++ = static_cast<BYTE>(p);
            *out++ = static_cast<BYTE>(p >> 8);
            *out++ = static_cast<BYTE>(p >> 16);
        }
    }
    return rows;
}

HRESULT Encode(const PictureSurface& picture, PictureFormat format, std::string& bytes) {
    ComPtr<IWICImagingFactory> factory;
    HRESULT hr = CreateWicFactory(factory);
    ComPtr<IStream> stream;
    if (SUCCEEDED(hr)) hr = CreateStreamOnHGlobal(nullptr, TRUE, &stream);
    ComPtr<IWICBitmapEncoder> encoder;
    if (SUCCEEDED(hr))
        hr = factory->CreateEncoder(format == PictureFormat::Png ? GUID_ContainerFormatPng : GUID_ContainerFormatBmp,
                                    nullptr, &encoder);
    if (SUCCEEDED(hr)) hr = encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache);
    ComPtr<IWICBitmapFrameEncode> frame;
    if (SUCCEEDED(hr)) hr = encoder->CreateNewFrame(&frame, nullptr);
    if (SUCCEEDED(hr)) hr = frame->Initialize(nullptr);
    if (SUCCEEDED(hr)) hr = frame->SetSize(static_cast<UINT>(picture.Width()), static_cast<UINT>(picture.Height()));
    WICPixelFormatGUID pixelFormat = GUID_WICPixelFormat24bppBGR;
    if (SUCCEEDED(hr)) hr = frame->SetPixelFormat(&pixelFormat);
    // An encoder that wants another layout than the one written here.
    if (SUCCEEDED(hr) && pixelFormat != GUID_WICPixelFormat24bppBGR) hr = WINCODEC_ERR_UNSUPPORTEDPIXELFORMAT;
    if (SUCCEEDED(hr)) {
        UINT stride = 0;
        std::vector<BYTE> rows = Bgr24(picture, stride);
        hr = frame->WritePixels(static_cast<UINT>(picture.Height()), stride, static_cast<UINT>(rows.size()), rows.data());
    }
    if (SUCCEEDED(hr)) hr = frame->Commit();
    if (SUCCEEDED(hr)) hr = encoder->Commit();
    STATSTG stat{};
    if (SUCCEEDED(hr)) hr = stream->Stat(&stat, STATFLAG_NONAME);
    if (SUCCEEDED(hr) && stat.cbSize.QuadPart > 0x7FFFFFFF) hr = E_OUTOFMEMORY;
    if (SUCCEEDED(hr)) {
        bytes.resize(static_cast<std::size_t>(stat.cbSize.QuadPart));
        const LARGE_INTEGER start{};
        ULONG read = 0;
        hr = stream->Seek(start, STREAM_SEEK_SET, nullptr);
        if (SUCCEEDED(hr)) hr = stream->Read(bytes.data(), static_cast<ULONG>(bytes.size()), &read);
        if (SUCCEEDED(hr) && read != bytes.size()) hr = E_FAIL;
    }
    return hr;
}

}  // namespace

PictureFormat PictureFormatOf(std::wstring_view path) {
    const std::wstring_view png = L".png";
    if (path.size() < png.size()) return PictureFormat::Bmp;
    const std::wstring_view end = path.substr(path.size() - png.size());
    return CompareStringOrdinal(end.data(), static_cast<int>(end.size()), png.data(), static_cast<int>(png.size()),
                                TRUE) == CSTR_EQUAL
               ? PictureFormat::Png
               : PictureFormat::Bmp;
}

DWORD SavePicture(const PictureSurface& picture, const std::wstring& path, PictureFormat format) {
    // No image format holds a picture without pixels.
    if (picture.Width() <= 0 || picture.Height() <= 0) return ERROR_INVALID_DATA;
    std::string bytes;
    if (const HRESULT hr = Encode(picture, format, bytes); FAILED(hr)) return ErrorOf(hr);
    return fileio::ReplaceFileAtomically(path, bytes);
}
