#include "ddraw/Clipper.h"

#include "ddraw/DirectDrawObject.h"
#include "testing/DirectDrawFaults.h"

namespace ddraw {

Clipper::Clipper(DirectDrawObject* owner) : m_owner(owner)
{
    m_owner->AddRef();
    testhooks::CountLiveDirectDraw(testhooks::DirectDrawKind::Clipper, +1);
}

Clipper::~Clipper()
{
    testhooks::CountLiveDirectDraw(testhooks::DirectDrawKind::Clipper, -1);
    m_owner->Release();
}

HRESULT Clipper::SetHWnd(DWORD flags, HWND hWnd)
{
    if (HRESULT hr = testhooks::DirectDrawFaultPoint("SetHWnd"); hr != DD_OK)
        return hr;
    if (flags != 0)
        return DDERR_INVALIDPARAMS;
    m_window = hWnd;
    return DD_OK;
}

}  // namespace ddraw
