// The system's imaging codecs (WIC), which decode and encode picture files.
#pragma once
#include <wincodec.h>
#include <wrl/client.h>

// The codec factory. The codecs are COM objects: this thread enters its
// apartment the first time and keeps it for the thread's life (a thread
// already in the multithreaded apartment can use them as well).
HRESULT CreateWicFactory(Microsoft::WRL::ComPtr<IWICImagingFactory>& factory);
