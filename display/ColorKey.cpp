// The colour key of a surface as the raw pixel value that the platform's
// own drawing writes for a colour on that very surface.
#include "ColorKey.h"

#include <cstring>

DWORD MatchSurfaceColor(IDirectDrawSurface7* surface, COLORREF colour)
{
    DWORD result = CLR_INVALID;
    HDC dc;

    // Let the platform draw the colour into pixel (0, 0), keeping what was
    // there to put it back afterwards.
    COLORREF saved = CLR_INVALID;
    bool drawn = false;
    if (colour != CLR_INVALID && surface->GetDC(&dc) == DD_OK) {
        saved = GetPixel(dc, 0, 0);
        SetPixel(dc, 0, 0, colour);
        surface->ReleaseDC(dc);
        drawn = true;
    }

    // No wait flag: a surface that is still being drawn is locked again at
    // once instead.
    DDSURFACEDESC2 ddsd;
    std::memset(&ddsd, 0, sizeof ddsd);
    ddsd.dwSize = sizeof ddsd;
    HRESULT hr;
    do {
        hr = surface->Lock(nullptr, &ddsd, 0, nullptr);
    } while (hr == DDERR_WASSTILLDRAWING);

    if (hr == DD_OK) {
        // Read only the bytes of pixel (0, 0): a whole 32-bit word would run
        // past the end of a surface smaller than that.
        DWORD bitCount = ddsd.ddpfPixelFormat.dwRGBBitCount;
        DWORD bytes = (bitCount + 7) / 8;
        if (bytes > 4)
            bytes = 4;
        const BYTE* first = static_cast<const BYTE*>(ddsd.lpSurface);
        DWORD word = 0;
        for (DWORD i = 0; i < bytes; ++i)
            word |= static_cast<DWORD>(first[i]) << (8 * i);
        if (bitCount < 32)
            word &= (1u << bitCount) - 1;
        result = word;
        surface->Unlock(nullptr);
    }

    if (drawn && surface->GetDC(&dc) == DD_OK) {
        SetPixel(dc, 0, 0, saved);
        surface->ReleaseDC(dc);
    }

    return result;
}

HRESULT SetSurfaceColorKey(IDirectDrawSurface7* surface, COLORREF colour)
{
    DDCOLORKEY key;
    key.dwColorSpaceLowValue = MatchSurfaceColor(surface, colour);
    key.dwColorSpaceHighValue = key.dwColorSpaceLowValue;
    return surface->SetColorKey(DDCKEY_SRCBLT, &key);
}
