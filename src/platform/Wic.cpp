#include "Wic.h"

HRESULT CreateWicFactory(Microsoft::WRL::ComPtr<IWICImagingFactory>& factory) {
    thread_local const HRESULT entered = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (FAILED(entered) && entered != RPC_E_CHANGED_MODE) return CO_E_NOTINITIALIZED;
    return CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory));
}
