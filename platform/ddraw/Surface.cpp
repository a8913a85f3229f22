#include "ddraw/Surface.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

#include "ddraw/Blit.h"
#include "ddraw/Clipper.h"
#include "ddraw/DirectDrawObject.h"
#include "testing/DirectDrawFaults.h"
#include "win32/Gdi.h"
#include "win32/Window.h"

namespace ddraw {

namespace {

// Rows start on 8-byte boundaries, so the pitch is more than width * 2 bytes
// for widths that are not a multiple of 4.
ptrdiff_t PitchFor(int width)
{
    return (width + 3) & ~3;
}

bool Valid(const DDSURFACEDESC2* desc)
{
    return desc && desc->dwSize == sizeof(DDSURFACEDESC2);
}

// Zeroed pixels of a surface, pitch x height, starting on a cache line: the
// blits' vector loads then split fewer lines (the preview's frame is about a
// tenth faster). Null when memory is short.
std::shared_ptr<uint16_t> AllocatePixels(ptrdiff_t pitch, int height)
{
    size_t bytes = static_cast<size_t>(pitch) * static_cast<size_t>(height) * sizeof(uint16_t);
    bytes = (bytes + 63) & ~size_t{63};
    auto* pixels = static_cast<uint16_t*>(std::aligned_alloc(64, bytes));
    if (!pixels)
        return nullptr;
    std::memset(pixels, 0, bytes);
    std::unique_ptr<uint16_t, void (*)(void*)> owned(pixels, std::free);
    try {
        return std::shared_ptr<uint16_t>(std::move(owned));
    } catch (const std::bad_alloc&) {
        return nullptr;  // owned still frees them
    }
}

int64_t Width(const RECT& rect)
{
    return int64_t{rect.right} - rect.left;
}

int64_t Height(const RECT& rect)
{
    return int64_t{rect.bottom} - rect.top;
}

// Where the window's client area lies on the screen; false when the window
// is gone.
bool ScreenRectOf(HWND hWnd, QRect* rect)
{
    QWidget* widget = win32::WidgetOf(hWnd);
    if (!widget)
        return false;
    *rect = QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
    return true;
}

}  // namespace

HRESULT Surface::Create(DirectDrawObject* owner, Kind kind, DWORD caps, int width, int height,
                        Surface** surface)
{
    *surface = nullptr;
    const ptrdiff_t pitch = PitchFor(width);
    std::shared_ptr<uint16_t> pixels;
    if (kind != Kind::WindowedPrimary) {
        pixels = AllocatePixels(pitch, height);
        if (!pixels)
            return DDERR_OUTOFMEMORY;
    }
    *surface = new (std::nothrow) Surface(owner, kind, caps, width, height, pitch, std::move(pixels));
    if (!*surface)
        return DDERR_OUTOFMEMORY;
    return DD_OK;
}

Surface::Surface(DirectDrawObject* owner, Kind kind, DWORD caps, int width, int height,
                 ptrdiff_t pitch, std::shared_ptr<uint16_t> pixels)
    : m_owner(owner),
      m_kind(kind),
      m_caps(caps),
      m_width(width),
      m_height(height),
      m_pitch(pitch),
      m_store(std::move(pixels)),
      m_is565(win32::DisplayIs565())
{
    m_owner->AddRef();
    testhooks::CountLiveDirectDraw(testhooks::DirectDrawKind::Surface, +1);
}

Surface::~Surface()
{
    // A context still out would draw into freed memory.
    if (m_dc)
        win32::DeleteMemoryDC(m_dc);
    if (m_backBuffer)
        m_backBuffer->Release();
    if (m_clipper)
        m_clipper->Release();
    testhooks::CountLiveDirectDraw(testhooks::DirectDrawKind::Surface, -1);
    m_owner->Release();
}

bool Surface::Holds(const RECT& rect) const
{
    return rect.left >= 0 && rect.top >= 0 && rect.left < rect.right && rect.top < rect.bottom &&
           rect.right <= m_width && rect.bottom <= m_height;
}

bool Surface::PrepareToWrite(bool replacesAll)
{
    if (!m_store || m_store.use_count() == 1)
        return true;
    std::shared_ptr<uint16_t> fresh;
    if (m_spare && m_spare.use_count() == 1)
        fresh = std::move(m_spare);
    else
        fresh = AllocatePixels(m_pitch, m_height);
    if (!fresh)
        return false;
    if (!replacesAll)
        std::memcpy(fresh.get(), m_store.get(),
                    static_cast<size_t>(m_pitch) * static_cast<size_t>(m_height) * sizeof(uint16_t));
    m_spare = std::move(m_store);
    m_store = std::move(fresh);
    return true;
}

// The source key as a range of pixel values; false when the key cannot match
// any 16-bit pixel. A high value below the low one means the single low value.
bool Surface::SourceKey(KeyRange* key) const
{
    const DWORD low = m_key.dwColorSpaceLowValue;
    const DWORD high = std::min<DWORD>(std::max(m_key.dwColorSpaceHighValue, low), 0xFFFF);
    if (low > 0xFFFF)
        return false;
    key->low = static_cast<uint16_t>(low);
    key->span = static_cast<uint16_t>(high - low);
    return true;
}

HRESULT Surface::Blt(LPRECT destRect, IDirectDrawSurface7* source, LPRECT sourceRect,
                     DWORD flags, LPDDBLTFX fx)
{
    if (HRESULT hr = testhooks::DirectDrawFaultPoint("Blt"); hr != DD_OK)
        return hr;
    if (flags & DDBLT_COLORFILL)
        return Fill(destRect, fx);
    if (!source)
        return DDERR_INVALIDPARAMS;
    bool mirrorLeftRight = false;
    bool mirrorUpDown = false;
    if (flags & DDBLT_DDFX) {
        if (!fx || fx->dwSize != sizeof(DDBLTFX))
            return DDERR_INVALIDPARAMS;
        mirrorLeftRight = (fx->dwDDFX & DDBLTFX_MIRRORLEFTRIGHT) != 0;
        mirrorUpDown = (fx->dwDDFX & DDBLTFX_MIRRORUPDOWN) != 0;
    }
    return Copy(destRect, static_cast<Surface*>(source), sourceRect,
                (flags & DDBLT_KEYSRC) != 0, mirrorLeftRight, mirrorUpDown);
}

HRESULT Surface::BltFast(DWORD x, DWORD y, IDirectDrawSurface7* source, LPRECT sourceRect,
                         DWORD trans)
{
    if (HRESULT hr = testhooks::DirectDrawFaultPoint("BltFast"); hr != DD_OK)
        return hr;
    if (!source)
        return DDERR_INVALIDPARAMS;
    if (m_kind == Kind::WindowedPrimary && m_clipper)
        return DDERR_BLTFASTCANTCLIP;
    Surface* from = static_cast<Surface*>(source);
    const RECT src = sourceRect ? *sourceRect : from->Whole();
    if (x > static_cast<DWORD>(MaxSide) || y > static_cast<DWORD>(MaxSide) || !from->Holds(src))
        return DDERR_INVALIDRECT;
    RECT dest{static_cast<LONG>(x), static_cast<LONG>(y), 0, 0};
    dest.right = dest.left + (src.right - src.left);
    dest.bottom = dest.top + (src.bottom - src.top);
    return Copy(&dest, from, &src, (trans & DDBLTFAST_SRCCOLORKEY) != 0, false, false);
}

HRESULT Surface::Fill(LPRECT destRect, LPDDBLTFX fx)
{
    if (!fx || fx->dwSize != sizeof(DDBLTFX))
        return DDERR_INVALIDPARAMS;
    if (m_kind == Kind::WindowedPrimary)
        return DDERR_UNSUPPORTED;
    if (Busy())
        return DDERR_SURFACEBUSY;
    const RECT dest = destRect ? *destRect : Whole();
    if (!Holds(dest))
        return DDERR_INVALIDRECT;
    // Whole rows are filled with their padding, so that they make one run.
    const bool wholeRows = dest.left == 0 && dest.right == m_width;
    if (!PrepareToWrite(wholeRows && dest.top == 0 && dest.bottom == m_height))
        return DDERR_OUTOFMEMORY;
    FillPixels(PixelAt(dest.left, dest.top), m_pitch,
               wholeRows ? static_cast<int>(m_pitch) : dest.right - dest.left,
               dest.bottom - dest.top, static_cast<uint16_t>(fx->dwFillColor & 0xFFFF));
    if (m_kind == Kind::FullScreenPrimary)
        ShowInCooperativeWindow(dest);
    return DD_OK;
}

HRESULT Surface::Copy(const RECT* destRect, Surface* source, const RECT* sourceRect, bool keyed,
                      bool mirrorLeftRight, bool mirrorUpDown)
{
    if (source->m_kind == Kind::WindowedPrimary)
        return DDERR_UNSUPPORTED;  // the screen cannot be read back
    if (Busy() || source->Busy())
        return DDERR_SURFACEBUSY;
    const RECT src = sourceRect ? *sourceRect : source->Whole();
    if (!source->Holds(src))
        return DDERR_INVALIDRECT;
    KeyRange key{};
    bool useKey = false;
    if (keyed) {
        if (!source->m_hasKey)
            return DDERR_NOCOLORKEY;
        useKey = source->SourceKey(&key);
    }

    if (m_kind == Kind::WindowedPrimary) {
        // The screen shows plain copies only: it cannot keep what lies
        // under keyed pixels.
        if (keyed || mirrorLeftRight || mirrorUpDown)
            return DDERR_UNSUPPORTED;
        return ShowInClipperWindow(destRect, *source, src);
    }

    const RECT dest = destRect ? *destRect : Whole();
    if (!Holds(dest))
        return DDERR_INVALIDRECT;
    const int width = src.right - src.left;
    const int height = src.bottom - src.top;
    if (dest.right - dest.left != width || dest.bottom - dest.top != height)
        return DDERR_NOSTRETCHHW;

    if (!PrepareToWrite(false))
        return DDERR_OUTOFMEMORY;
    const uint16_t* from = source->PixelAt(src.left, src.top);
    ptrdiff_t fromPitch = source->m_pitch;
    std::unique_ptr<uint16_t[]> copy;
    if (source == this) {
        // Within one surface the rectangles may overlap: read them first.
        copy.reset(new (std::nothrow) uint16_t[static_cast<size_t>(width) * height]);
        if (!copy)
            return DDERR_OUTOFMEMORY;
        CopyPixels(copy.get(), width, from, fromPitch, width, height, false, false, nullptr);
        from = copy.get();
        fromPitch = width;
    }
    CopyPixels(PixelAt(dest.left, dest.top), m_pitch, from, fromPitch, width, height,
               mirrorLeftRight, mirrorUpDown, useKey ? &key : nullptr);
    if (m_kind == Kind::FullScreenPrimary)
        ShowInCooperativeWindow(dest);
    return DD_OK;
}

HRESULT Surface::ShowInClipperWindow(const RECT* destRect, const Surface& source,
                                     const RECT& sourceRect)
{
    RECT dest;
    if (destRect) {
        dest = *destRect;
    } else {
        QScreen* screen = QGuiApplication::primaryScreen();
        if (!screen)
            return DDERR_INVALIDRECT;
        const QRect whole = screen->geometry();
        dest = RECT{whole.left(), whole.top(), whole.right() + 1, whole.bottom() + 1};
    }
    if (Width(dest) <= 0 || Height(dest) <= 0)
        return DDERR_INVALIDRECT;
    if (Width(dest) != Width(sourceRect) || Height(dest) != Height(sourceRect))
        return DDERR_NOSTRETCHHW;

    // Without a clipper, or when its window is gone, there is nowhere to
    // show the pixels.
    QRect window;
    if (!m_clipper || !ScreenRectOf(m_clipper->Window(), &window))
        return DD_OK;
    RECT shown;
    shown.left = std::max<LONG>(dest.left, window.left());
    shown.top = std::max<LONG>(dest.top, window.top());
    shown.right = std::min<LONG>(dest.right, window.right() + 1);
    shown.bottom = std::min<LONG>(dest.bottom, window.bottom() + 1);
    if (shown.left >= shown.right || shown.top >= shown.bottom)
        return DD_OK;
    const uint16_t* pixels =
        source.PixelAt(static_cast<LONG>(sourceRect.left + (int64_t{shown.left} - dest.left)),
                       static_cast<LONG>(sourceRect.top + (int64_t{shown.top} - dest.top)));
    // The window keeps the source's pixels rather than copying them now; the
    // source moves to other memory before its next write.
    win32::PresentToWindow(m_clipper->Window(), shown, pixels, static_cast<int>(source.m_pitch),
                           source.m_is565, source.m_store);
    return DD_OK;
}

void Surface::ShowInCooperativeWindow(const RECT& rect) const
{
    const HWND hWnd = m_owner->CooperativeWindow();
    QRect window;
    if (!ScreenRectOf(hWnd, &window))
        return;
    const RECT onScreen{rect.left + window.left(), rect.top + window.top(),
                        rect.right + window.left(), rect.bottom + window.top()};
    win32::PresentToWindow(hWnd, onScreen, PixelAt(rect.left, rect.top),
                           static_cast<int>(m_pitch), m_is565);
}

HRESULT Surface::GetAttachedSurface(LPDDSCAPS2 caps, IDirectDrawSurface7** attached)
{
    if (attached)
        *attached = nullptr;
    if (HRESULT hr = testhooks::DirectDrawFaultPoint("GetAttachedSurface"); hr != DD_OK)
        return hr;
    if (!caps || !attached)
        return DDERR_INVALIDPARAMS;
    if (!m_backBuffer || (caps->dwCaps & DDSCAPS_BACKBUFFER) == 0 ||
        (caps->dwCaps & ~m_backBuffer->m_caps) != 0)
        return DDERR_NOTFOUND;
    m_backBuffer->AddRef();
    *attached = m_backBuffer;
    return DD_OK;
}

HRESULT Surface::GetDC(HDC* dc)
{
    if (dc)
        *dc = nullptr;
    if (HRESULT hr = testhooks::DirectDrawFaultPoint("GetDC"); hr != DD_OK)
        return hr;
    if (!dc)
        return DDERR_INVALIDPARAMS;
    if (m_kind == Kind::WindowedPrimary)
        return DDERR_CANTCREATEDC;
    if (m_dc)
        return DDERR_DCALREADYCREATED;
    if (m_locked)
        return DDERR_SURFACEBUSY;
    if (!PrepareToWrite(false))
        return DDERR_OUTOFMEMORY;
    m_dc = win32::CreateMemoryDC(m_store.get(), m_width, m_height, static_cast<int>(m_pitch), m_is565);
    if (!m_dc)
        return DDERR_CANTCREATEDC;
    *dc = m_dc;
    return DD_OK;
}

HRESULT Surface::ReleaseDC(HDC dc)
{
    if (HRESULT hr = testhooks::DirectDrawFaultPoint("ReleaseDC"); hr != DD_OK)
        return hr;
    if (!m_dc)
        return DDERR_NODC;
    if (dc != m_dc)
        return DDERR_INVALIDPARAMS;
    win32::DeleteMemoryDC(m_dc);
    m_dc = nullptr;
    return DD_OK;
}

void Surface::Describe(DDSURFACEDESC2* desc) const
{
    DDSURFACEDESC2 out{};
    out.dwSize = sizeof(DDSURFACEDESC2);
    out.dwFlags = DDSD_CAPS | DDSD_PIXELFORMAT;
    out.ddsCaps.dwCaps = m_caps;
    if (m_store) {
        out.dwFlags |= DDSD_WIDTH | DDSD_HEIGHT | DDSD_PITCH;
        out.dwWidth = static_cast<DWORD>(m_width);
        out.dwHeight = static_cast<DWORD>(m_height);
        out.lPitch = static_cast<LONG>(m_pitch * sizeof(uint16_t));
    }
    if (m_locked) {
        out.dwFlags |= DDSD_LPSURFACE;
        out.lpSurface = m_store.get();
    }
    if (m_backBuffer) {
        out.dwFlags |= DDSD_BACKBUFFERCOUNT;
        out.dwBackBufferCount = 1;
    }
    if (m_hasKey) {
        out.dwFlags |= DDSD_CKSRCBLT;
        out.ddckCKSrcBlt = m_key;
    }
    out.ddpfPixelFormat.dwSize = sizeof(DDPIXELFORMAT);
    out.ddpfPixelFormat.dwFlags = DDPF_RGB;
    out.ddpfPixelFormat.dwRGBBitCount = 16;
    out.ddpfPixelFormat.dwRBitMask = m_is565 ? 0xF800 : 0x7C00;
    out.ddpfPixelFormat.dwGBitMask = m_is565 ? 0x07E0 : 0x03E0;
    out.ddpfPixelFormat.dwBBitMask = 0x001F;
    *desc = out;
}

HRESULT Surface::GetSurfaceDesc(LPDDSURFACEDESC2 desc)
{
    if (HRESULT hr = testhooks::DirectDrawFaultPoint("GetSurfaceDesc"); hr != DD_OK)
        return hr;
    if (!Valid(desc))
        return DDERR_INVALIDPARAMS;
    Describe(desc);
    return DD_OK;
}

HRESULT Surface::Lock(LPRECT rect, LPDDSURFACEDESC2 desc, DWORD, HANDLE)
{
    if (HRESULT hr = testhooks::DirectDrawFaultPoint("Lock"); hr != DD_OK)
        return hr;
    // Only whole surfaces are locked.
    if (rect || !Valid(desc))
        return DDERR_INVALIDPARAMS;
    if (m_kind == Kind::WindowedPrimary)
        return DDERR_CANTLOCKSURFACE;
    if (Busy())
        return DDERR_SURFACEBUSY;
    if (!PrepareToWrite(false))
        return DDERR_OUTOFMEMORY;
    m_locked = true;
    Describe(desc);
    return DD_OK;
}

HRESULT Surface::Unlock(LPRECT)
{
    if (HRESULT hr = testhooks::DirectDrawFaultPoint("Unlock"); hr != DD_OK)
        return hr;
    if (!m_locked)
        return DDERR_NOTLOCKED;
    m_locked = false;
    return DD_OK;
}

HRESULT Surface::Restore()
{
    // Memory is never lost: there is nothing to restore.
    return testhooks::DirectDrawFaultPoint("Restore");
}

HRESULT Surface::SetClipper(IDirectDrawClipper* clipper)
{
    if (HRESULT hr = testhooks::DirectDrawFaultPoint("SetClipper"); hr != DD_OK)
        return hr;
    if (clipper)
        clipper->AddRef();
    if (m_clipper)
        m_clipper->Release();
    m_clipper = static_cast<Clipper*>(clipper);
    return DD_OK;
}

HRESULT Surface::SetColorKey(DWORD flags, LPDDCOLORKEY key)
{
    if (HRESULT hr = testhooks::DirectDrawFaultPoint("SetColorKey"); hr != DD_OK)
        return hr;
    if (flags != DDCKEY_SRCBLT)
        return DDERR_INVALIDPARAMS;
    m_hasKey = key != nullptr;
    m_key = key ? *key : DDCOLORKEY{};
    return DD_OK;
}

}  // namespace ddraw
