#include "ddraw/DirectDrawObject.h"

#include <new>

#include "ddraw/Clipper.h"
#include "ddraw/Surface.h"
#include "testing/DirectDrawFaults.h"

namespace ddraw {

namespace {

bool SideFits(DWORD side)
{
    return side >= 1 && side <= static_cast<DWORD>(Surface::MaxSide);
}

}  // namespace

DirectDrawObject::DirectDrawObject()
{
    testhooks::CountLiveDirectDraw(testhooks::DirectDrawKind::Object, +1);
}

DirectDrawObject::~DirectDrawObject()
{
    testhooks::CountLiveDirectDraw(testhooks::DirectDrawKind::Object, -1);
}

HRESULT DirectDrawObject::CreateClipper(DWORD flags, IDirectDrawClipper** clipper,
                                        IUnknown* outer)
{
    if (clipper)
        *clipper = nullptr;
    if (HRESULT hr = testhooks::DirectDrawFaultPoint("CreateClipper"); hr != DD_OK)
        return hr;
    if (flags != 0 || !clipper || outer)
        return DDERR_INVALIDPARAMS;
    *clipper = new (std::nothrow) Clipper(this);
    return *clipper ? DD_OK : DDERR_OUTOFMEMORY;
}

HRESULT DirectDrawObject::CreateSurface(LPDDSURFACEDESC2 desc, IDirectDrawSurface7** surface,
                                        IUnknown* outer)
{
    if (surface)
        *surface = nullptr;
    if (HRESULT hr = testhooks::DirectDrawFaultPoint("CreateSurface"); hr != DD_OK)
        return hr;
    if (!desc || desc->dwSize != sizeof(DDSURFACEDESC2) || !surface || outer ||
        (desc->dwFlags & DDSD_CAPS) == 0)
        return DDERR_INVALIDPARAMS;
    const DWORD caps = desc->ddsCaps.dwCaps;
    if (caps & DDSCAPS_PRIMARYSURFACE)
        return CreatePrimary(*desc, surface);
    const DWORD memory = DDSCAPS_SYSTEMMEMORY | DDSCAPS_VIDEOMEMORY;
    if ((caps & DDSCAPS_OFFSCREENPLAIN) == 0 || (caps & memory) == memory ||
        (caps & ~(DDSCAPS_OFFSCREENPLAIN | memory)) != 0)
        return DDERR_INVALIDCAPS;
    if ((desc->dwFlags & (DDSD_WIDTH | DDSD_HEIGHT)) != (DDSD_WIDTH | DDSD_HEIGHT))
        return DDERR_INVALIDPARAMS;
    if (desc->dwWidth == 0 || desc->dwHeight == 0)
        return DDERR_INVALIDPARAMS;
    if (desc->dwWidth > static_cast<DWORD>(Surface::MaxSide))
        return DDERR_TOOBIGWIDTH;
    if (desc->dwHeight > static_cast<DWORD>(Surface::MaxSide))
        return DDERR_TOOBIGHEIGHT;
    Surface* made = nullptr;
    const HRESULT hr = Surface::Create(this, Surface::Kind::OffScreen, caps,
                                       static_cast<int>(desc->dwWidth),
                                       static_cast<int>(desc->dwHeight), &made);
    *surface = made;
    return hr;
}

HRESULT DirectDrawObject::CreatePrimary(const DDSURFACEDESC2& desc, IDirectDrawSurface7** surface)
{
    if (!m_levelSet)
        return DDERR_NOCOOPERATIVELEVELSET;
    const DWORD caps = desc.ddsCaps.dwCaps;
    const DWORD chain = DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX;
    if ((desc.dwFlags & DDSD_BACKBUFFERCOUNT) == 0) {
        if (caps != DDSCAPS_PRIMARYSURFACE)
            return DDERR_INVALIDCAPS;
        Surface* made = nullptr;
        const HRESULT hr =
            Surface::Create(this, Surface::Kind::WindowedPrimary, caps, 0, 0, &made);
        *surface = made;
        return hr;
    }

    // The full-screen flip chain: a primary with one back buffer of the
    // display mode's size.
    if (caps != chain)
        return DDERR_INVALIDCAPS;
    if (desc.dwBackBufferCount != 1)
        return DDERR_INVALIDPARAMS;
    if (!m_exclusive)
        return DDERR_NOEXCLUSIVEMODE;
    if (m_modeWidth == 0)
        return DDERR_INVALIDMODE;
    Surface* primary = nullptr;
    HRESULT hr = Surface::Create(this, Surface::Kind::FullScreenPrimary,
                                 chain | DDSCAPS_FRONTBUFFER, m_modeWidth, m_modeHeight, &primary);
    if (FAILED(hr))
        return hr;
    Surface* back = nullptr;
    hr = Surface::Create(this, Surface::Kind::BackBuffer,
                         DDSCAPS_BACKBUFFER | DDSCAPS_FLIP | DDSCAPS_COMPLEX, m_modeWidth,
                         m_modeHeight, &back);
    if (FAILED(hr)) {
        primary->Release();
        return hr;
    }
    primary->Attach(back);
    *surface = primary;
    return DD_OK;
}

HRESULT DirectDrawObject::SetCooperativeLevel(HWND hWnd, DWORD flags)
{
    if (HRESULT hr = testhooks::DirectDrawFaultPoint("SetCooperativeLevel"); hr != DD_OK)
        return hr;
    if (hWnd && !IsWindow(hWnd))
        return DDERR_INVALIDPARAMS;
    if (flags == DDSCL_NORMAL) {
        m_exclusive = false;
        m_modeWidth = m_modeHeight = 0;
    } else if (flags == (DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN)) {
        if (!hWnd)
            return DDERR_INVALIDPARAMS;
        m_exclusive = true;
    } else {
        return DDERR_INVALIDPARAMS;
    }
    m_levelSet = true;
    m_window = hWnd;
    return DD_OK;
}

HRESULT DirectDrawObject::SetDisplayMode(DWORD width, DWORD height, DWORD bpp, DWORD, DWORD)
{
    if (HRESULT hr = testhooks::DirectDrawFaultPoint("SetDisplayMode"); hr != DD_OK)
        return hr;
    if (!m_exclusive)
        return DDERR_NOEXCLUSIVEMODE;
    // The emulated display runs at 16 bits per pixel only.
    if (bpp != 16)
        return DDERR_UNSUPPORTEDMODE;
    if (!SideFits(width) || !SideFits(height))
        return DDERR_INVALIDMODE;
    m_modeWidth = static_cast<int>(width);
    m_modeHeight = static_cast<int>(height);
    return DD_OK;
}

}  // namespace ddraw
