// A surface: 16-bit pixels in plain memory, or the screen itself.
//
// The windowed primary surface is the screen: it has no pixels of its own,
// and a copy onto it shows the source pixels in its clipper's window, at the
// destination's screen coordinates, clipped to that window. The full-screen
// primary has pixels of the display mode's size and shows whatever is drawn
// into it in the cooperative-level window, its (0, 0) at the window's top
// left; it owns one attached back buffer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "ddraw/DDraw.h"
#include "ddraw/RefCounted.h"

namespace ddraw {

class Clipper;
class DirectDrawObject;
struct KeyRange;

class Surface final : public RefCounted<IDirectDrawSurface7> {
public:
    enum class Kind { WindowedPrimary, FullScreenPrimary, BackBuffer, OffScreen };

    // Sides are 1 to MaxSide pixels.
    static constexpr int MaxSide = 32768;

    // Makes a surface of the display's current 16-bit format with its pixels
    // zeroed (none for the windowed primary) and one reference. The caller
    // has checked the size. DDERR_OUTOFMEMORY when memory is short.
    static HRESULT Create(DirectDrawObject* owner, Kind kind, DWORD caps, int width, int height,
                          Surface** surface);


    HRESULT Blt(LPRECT destRect, IDirectDrawSurface7* source, LPRECT sourceRect, DWORD flags,
                LPDDBLTFX fx) override;
    HRESULT BltFast(DWORD x, DWORD y, IDirectDrawSurface7* source, LPRECT sourceRect,
                    DWORD trans) override;
    HRESULT GetAttachedSurface(LPDDSCAPS2 caps, IDirectDrawSurface7** attached) override;
    HRESULT GetDC(HDC* dc) override;
    HRESULT ReleaseDC(HDC dc) override;
    HRESULT GetSurfaceDesc(LPDDSURFACEDESC2 desc) override;
    HRESULT Lock(LPRECT rect, LPDDSURFACEDESC2 desc, DWORD flags, HANDLE event) override;
    HRESULT Unlock(LPRECT rect) override;
    HRESULT Restore() override;
    HRESULT SetClipper(IDirectDrawClipper* clipper) override;
    HRESULT SetColorKey(DWORD flags, LPDDCOLORKEY key) override;

    // Gives a full-screen primary its back buffer; the primary keeps the
    // reference passed in.
    void Attach(Surface* backBuffer) { m_backBuffer = backBuffer; }

private:
    Surface(DirectDrawObject* owner, Kind kind, DWORD caps, int width, int height,
            ptrdiff_t pitch, std::shared_ptr<uint16_t> pixels);
    ~Surface() override;

    bool Busy() const { return m_locked || m_dc != nullptr; }
    RECT Whole() const { return RECT{0, 0, m_width, m_height}; }
    // Non-empty, not inverted and inside the surface.
    bool Holds(const RECT& rect) const;
    uint16_t* PixelAt(LONG x, LONG y) const { return m_store.get() + y * m_pitch + x; }
    bool SourceKey(KeyRange* key) const;
    // Called before the pixels are written or handed out. While a window
    // still shows them (a copy onto the screen keeps them), they move to
    // other memory first, copied unless the write replaces every pixel.
    // False when memory is short.
    bool PrepareToWrite(bool replacesAll);
    void Describe(DDSURFACEDESC2* desc) const;

    HRESULT Fill(LPRECT destRect, LPDDBLTFX fx);
    HRESULT Copy(const RECT* destRect, Surface* source, const RECT* sourceRect, bool keyed,
                 bool mirrorLeftRight, bool mirrorUpDown);
    HRESULT ShowInClipperWindow(const RECT* destRect, const Surface& source,
                                const RECT& sourceRect);
    void ShowInCooperativeWindow(const RECT& rect) const;

    DirectDrawObject* m_owner;
    Kind m_kind;
    DWORD m_caps;
    int m_width;
    int m_height;
    ptrdiff_t m_pitch;   // in pixels
    std::shared_ptr<uint16_t> m_store;  // null for the windowed primary
    // Pixels a window showed, reused once it lets them go.
    std::shared_ptr<uint16_t> m_spare;
    bool m_is565;
    bool m_hasKey = false;
    DDCOLORKEY m_key{};
    bool m_locked = false;
    HDC m_dc = nullptr;
    Clipper* m_clipper = nullptr;
    Surface* m_backBuffer = nullptr;
};

}  // namespace ddraw
