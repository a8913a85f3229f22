// The display object: start-up of DirectDraw for one window, the report of
// a DirectDraw error that stops it, the frame's fill, clipped and mirrored
// blits and presentation, and surfaces and locks for the image store.
#include "CGraphics.h"

#include <cstdio>
#include <cstring>

#include "DDErrorNames.h"

CGraphics::CGraphics()
{
    m_cachesSet = 0;
    m_is565 = TRUE;
    m_ready = FALSE;
    m_dd = nullptr;
    m_primary = nullptr;
    m_back = nullptr;
    // The clipper is owned like the surfaces, so it starts null as they do.
    m_clipper = nullptr;
    // An empty viewport until the target window's rectangle has been read:
    // a target window that does not exist then gives an empty back buffer,
    // which DirectDraw refuses, instead of a size read from nowhere.
    m_windowRect = RECT{0, 0, 0, 0};
}

CGraphics::~CGraphics()
{
    if (m_back) {
        m_back->Release();
        m_back = nullptr;
    }
    if (m_primary) {
        m_primary->Release();
        m_primary = nullptr;
    }
    // The clipper goes before the DirectDraw object that made it.
    if (m_clipper) {
        m_clipper->Release();
        m_clipper = nullptr;
    }
    if (m_dd) {
        m_dd->Release();
        m_dd = nullptr;
    }
}

void CGraphics::SetCaches(HWND hWnd, HWND hWndTarget, BOOL fullScreen, int width, int height,
                          int bpp)
{
    m_hWnd = hWnd;
    m_hWndTarget = hWndTarget;
    m_fullScreen = fullScreen;
    m_width = width;
    m_height = height;
    m_bpp = bpp;
    m_screenRect = RECT{0, 0, width, height};
    m_cachesSet = 1;
}

BOOL CGraphics::InitializeGraphics()
{
    if (m_cachesSet == 0) {
        MessageBoxA(nullptr, "Missing Caches", "InitializeGraphics", MB_ICONHAND);
        return FALSE;
    }

    m_hr = DirectDrawCreateEx(nullptr, reinterpret_cast<LPVOID*>(&m_dd), IID_IDirectDraw7,
                              nullptr);
    if (FAILED(m_hr)) {
        ReportDDError(m_hr, "InitializeGraphics");
        return FALSE;
    }

    // From here the drawing area is the target window's size.
    UpdateScreenRect();

    if (m_fullScreen)
        return CreateFullScreen();
    return CreateWindowScreen();
}

BOOL CGraphics::CreateWindowScreen()
{
    m_hr = m_dd->SetCooperativeLevel(m_hWnd, DDSCL_NORMAL);
    if (FAILED(m_hr)) {
        ReportDDError(m_hr, "CreateWindowScreen");
        return FALSE;
    }

    // The primary surface: the screen.
    std::memset(&m_ddsd, 0, sizeof m_ddsd);
    m_ddsd.dwSize = sizeof m_ddsd;
    m_ddsd.dwFlags = DDSD_CAPS;
    m_ddsd.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE;
    m_hr = m_dd->CreateSurface(&m_ddsd, &m_primary, nullptr);
    if (FAILED(m_hr)) {
        ReportDDError(m_hr, "CreateWindowScreen");
        return FALSE;
    }

    // The back buffer: the viewport's size, in the display's own format.
    std::memset(&m_ddsd, 0, sizeof m_ddsd);
    m_ddsd.dwSize = sizeof m_ddsd;
    m_ddsd.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
    m_ddsd.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN;
    m_ddsd.dwWidth = m_width;
    m_ddsd.dwHeight = m_height;
    m_hr = m_dd->CreateSurface(&m_ddsd, &m_back, nullptr);
    if (FAILED(m_hr)) {
        ReportDDError(m_hr, "CreateWindowScreen");
        return FALSE;
    }

    m_hr = m_dd->CreateClipper(0, &m_clipper, nullptr);
    if (FAILED(m_hr)) {
        ReportDDError(m_hr, "CreateWindowScreen");
        return FALSE;
    }

    // The clipper follows the main window, not the target window.
    m_hr = m_clipper->SetHWnd(0, m_hWnd);
    if (FAILED(m_hr)) {
        ReportDDError(m_hr, "CreateWindowScreen");
        return FALSE;
    }

    m_hr = m_primary->SetClipper(m_clipper);
    if (FAILED(m_hr)) {
        ReportDDError(m_hr, "CreateWindowScreen");
        return FALSE;
    }

    UpdateScreenRect();
    m_ready = TRUE;
    DetectPixelFormat();
    return TRUE;
}

BOOL CGraphics::CreateFullScreen()
{
    m_hr = m_dd->SetCooperativeLevel(m_hWnd, DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN);
    if (FAILED(m_hr)) {
        ReportDDError(m_hr, "CreateFullScreen");
        return FALSE;
    }

    // The display mode is the size asked for in SetCaches, the same
    // rectangle that Present copies, so that the whole screen is drawn.
    m_hr = m_dd->SetDisplayMode(m_screenRect.right, m_screenRect.bottom, m_bpp, 0, 0);
    if (FAILED(m_hr)) {
        ReportDDError(m_hr, "CreateFullScreen");
        return FALSE;
    }

    // The primary surface with a flip chain of one back buffer.
    std::memset(&m_ddsd, 0, sizeof m_ddsd);
    m_ddsd.dwSize = sizeof m_ddsd;
    m_ddsd.dwFlags = DDSD_CAPS | DDSD_BACKBUFFERCOUNT;
    m_ddsd.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX;
    m_ddsd.dwBackBufferCount = 1;
    m_hr = m_dd->CreateSurface(&m_ddsd, &m_primary, nullptr);
    if (FAILED(m_hr)) {
        ReportDDError(m_hr, "CreateFullScreen");
        return FALSE;
    }

    std::memset(&m_ddscaps, 0, sizeof m_ddscaps);
    m_ddscaps.dwCaps = DDSCAPS_BACKBUFFER;
    m_hr = m_primary->GetAttachedSurface(&m_ddscaps, &m_back);
    if (FAILED(m_hr)) {
        ReportDDError(m_hr, "CreateFullScreen");
        return FALSE;
    }

    m_ready = TRUE;
    return TRUE;
}

void CGraphics::UpdateScreenRect()
{
    if (m_cachesSet == 0)
        return;

    GetWindowRect(m_hWndTarget, &m_windowRect);
    m_width = m_windowRect.right - m_windowRect.left;
    m_height = m_windowRect.bottom - m_windowRect.top;
}

BOOL CGraphics::DetectPixelFormat()
{
    if (!LockBackBuffer())
        return FALSE;

    // RGB555 has no use for the top bit: a pixel written as 0xFFFF may not
    // read back as 0xFFFF there. Both accesses must reach the surface's
    // memory, so the compiler may not fold the read into the write.
    volatile WORD* first = m_bits;
    *first = 0xFFFF;
    m_is565 = (*first == 0xFFFF) ? TRUE : FALSE;

    // Memory that keeps all 16 bits reads 0xFFFF back in either format, so
    // the probe alone would take an RGB555 display for RGB565 and draw every
    // colour wrong. The lock also describes the format: a green of 5 bits is
    // RGB555.
    if (m_ddsd.ddpfPixelFormat.dwGBitMask == 0x03E0)
        m_is565 = FALSE;
    UnlockBackBuffer();
    return TRUE;
}

WORD CGraphics::PackColour(WORD r, WORD g, WORD b, BOOL is565)
{
    if (is565)
        return static_cast<WORD>(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
    return static_cast<WORD>(((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3));
}

void CGraphics::ClearBackBuffer(WORD r, WORD g, WORD b)
{
    std::memset(&m_fx, 0, sizeof m_fx);
    m_fx.dwSize = sizeof m_fx;
    m_fx.dwFillColor = PackColour(r, g, b, m_is565);

    if (m_back->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &m_fx) != DD_OK)
        m_back->Restore();
}

void CGraphics::Present()
{
    HRESULT hr;
    if (m_fullScreen)
        hr = m_primary->BltFast(0, 0, m_back, &m_screenRect, DDBLTFAST_WAIT);
    else
        hr = m_primary->Blt(&m_windowRect, m_back, nullptr, DDBLT_WAIT, nullptr);

    if (hr != DD_OK) {
        m_primary->Restore();
        m_back->Restore();
    }
}

IDirectDrawSurface7* CGraphics::CreateOffscreenSurface(int width, int height, BOOL inVideoMemory)
{
    std::memset(&m_ddsd, 0, sizeof m_ddsd);
    m_ddsd.dwSize = sizeof m_ddsd;
    m_ddsd.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
    if (inVideoMemory)
        m_ddsd.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN | DDSCAPS_VIDEOMEMORY;
    else
        m_ddsd.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN | DDSCAPS_SYSTEMMEMORY;
    m_ddsd.dwWidth = width;
    m_ddsd.dwHeight = height;

    IDirectDrawSurface7* surface = nullptr;
    m_hr = m_dd->CreateSurface(&m_ddsd, &surface, nullptr);
    if (FAILED(m_hr))
        return nullptr;
    return surface;
}

BOOL CGraphics::LockBackBuffer()
{
    std::memset(&m_ddsd, 0, sizeof m_ddsd);
    m_ddsd.dwSize = sizeof m_ddsd;
    if (m_back->Lock(nullptr, &m_ddsd, DDLOCK_WAIT, nullptr) != DD_OK)
        return FALSE;

    m_bits = static_cast<WORD*>(m_ddsd.lpSurface);
    m_pitch = static_cast<WORD>(LOWORD(m_ddsd.lPitch) / 2);
    return TRUE;
}

void CGraphics::UnlockBackBuffer()
{
    m_back->Unlock(nullptr);
}

BOOL CGraphics::LockSurface(IDirectDrawSurface7* surface, WORD** bits, WORD* pitch)
{
    std::memset(&m_ddsd, 0, sizeof m_ddsd);
    m_ddsd.dwSize = sizeof m_ddsd;
    if (surface->Lock(nullptr, &m_ddsd, DDLOCK_WAIT, nullptr) != DD_OK)
        return FALSE;

    if (bits && pitch) {
        *bits = static_cast<WORD*>(m_ddsd.lpSurface);
        *pitch = static_cast<WORD>(LOWORD(m_ddsd.lPitch) / 2);
    } else {
        m_bits = static_cast<WORD*>(m_ddsd.lpSurface);
        m_pitch = static_cast<WORD>(LOWORD(m_ddsd.lPitch) / 2);
    }
    surface->GetSurfaceDesc(&m_ddsd);
    return TRUE;
}

void CGraphics::UnlockSurface(IDirectDrawSurface7* surface)
{
    surface->Unlock(nullptr);
}

void CGraphics::ReportDDError(HRESULT hr, LPCSTR caption)
{
    char text[1024];
    std::snprintf(text, sizeof text, "%s", DDErrorName(hr));
    MessageBoxA(m_hWnd, text, caption, MB_ICONHAND);
}

void CGraphics::BltFastClipped(int x, int y, const RECT* src, BOOL useKey,
                               IDirectDrawSurface7* surface)
{
    // An image slot that was never loaded draws nothing: there is no surface
    // to copy from, nor to restore.
    if (surface == nullptr)
        return;
    m_work = *src;

    // Each axis trims one edge: the near one when the position is negative,
    // else the far one.
    if (x < 0) {
        m_work.left += -x;
        x = 0;
    } else {
        m_clipRight = x + (m_work.right - m_work.left);
        if (m_clipRight > m_width)
            m_work.right -= m_clipRight - m_width;
    }

    if (y < 0) {
        m_work.top += -y;
        y = 0;
    } else {
        m_clipBottom = y + (m_work.bottom - m_work.top);
        if (m_clipBottom > m_height)
            m_work.bottom -= m_clipBottom - m_height;
    }

    DWORD flags = DDBLTFAST_WAIT;
    if (useKey)
        flags |= DDBLTFAST_SRCCOLORKEY;
    if (m_back->BltFast(x, y, surface, &m_work, flags) != DD_OK)
        surface->Restore();
}

void CGraphics::BltMirrored(int x, int y, RECT src, BOOL useKey, IDirectDrawSurface7* surface,
                            int mirror)
{
    if (surface == nullptr)  // an image slot that was never loaded
        return;
    // The destination has the source's size: nothing is stretched.
    m_work.left = x;
    m_work.top = y;
    m_work.right = x + (src.right - src.left);
    m_work.bottom = y + (src.bottom - src.top);

    if (mirror == 0) {
        if (x < 0) {
            src.left += -x;
            m_work.left += -x;
        } else {
            m_clipRight = x + (m_work.right - m_work.left);
            if (m_clipRight > m_width) {
                src.right -= m_clipRight - m_width;
                m_work.right = m_width;
            }
        }
    } else if (mirror == 1) {
        // Mirrored, the source's right edge lands on the destination's left
        // edge: columns trimmed on one side come off the other side of the
        // source.
        if (x < 0) {
            src.right -= -x;
            m_work.left += -x;
        } else {
            m_clipRight = x + (m_work.right - m_work.left);
            if (m_clipRight > m_width) {
                src.left += m_clipRight - m_width;
                m_work.right = m_width;
            }
        }
    }

    if (mirror == 0 || mirror == 1) {
        if (y < 0) {
            src.top += -y;
            m_work.top += -y;
        } else {
            m_clipBottom = y + (m_work.bottom - m_work.top);
            if (m_clipBottom > m_height) {
                src.bottom -= m_clipBottom - m_height;
                m_work.bottom = m_height;
            }
        }
    }

    HRESULT hr;
    if (mirror == 0) {
        DWORD flags = DDBLT_WAIT;
        if (useKey)
            flags |= DDBLT_KEYSRC;
        hr = m_back->Blt(&m_work, surface, &src, flags, nullptr);
    } else {
        DDBLTFX fx;
        std::memset(&fx, 0, sizeof fx);
        fx.dwSize = sizeof fx;
        if (mirror == 1)
            fx.dwDDFX = DDBLTFX_MIRRORLEFTRIGHT;
        else if (mirror == 2)
            fx.dwDDFX = DDBLTFX_MIRRORUPDOWN;
        else if (mirror == 3)
            fx.dwDDFX = DDBLTFX_MIRRORLEFTRIGHT | DDBLTFX_MIRRORUPDOWN;

        DWORD flags = DDBLT_WAIT | DDBLT_DDFX;
        if (useKey)
            flags |= DDBLT_KEYSRC;
        hr = m_back->Blt(&m_work, surface, &src, flags, &fx);
    }

    if (hr != DD_OK)
        surface->Restore();
}
