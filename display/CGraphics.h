// The display object: DirectDraw on one window, a back buffer the size of a
// target window, clipped and mirrored blits with colour keys, colour fill,
// presentation into the target's place on screen, RGB565/RGB555 detection
// and reports of DirectDraw errors by name.
#pragma once

#include "ddraw/DDraw.h"
#include "win32/Win32.h"

class CGraphics {
public:
    CGraphics();
    ~CGraphics();

    CGraphics(const CGraphics&) = delete;
    CGraphics& operator=(const CGraphics&) = delete;

    void SetCaches(HWND hWnd, HWND hWndTarget, BOOL fullScreen, int width, int height, int bpp);
    BOOL InitializeGraphics();
    BOOL CreateWindowScreen();
    BOOL CreateFullScreen();
    void UpdateScreenRect();
    BOOL DetectPixelFormat();

    void ClearBackBuffer(WORD r, WORD g, WORD b);
    // A colour of 8 bits a channel as a 16-bit pixel, RGB565 or RGB555.
    static WORD PackColour(WORD r, WORD g, WORD b, BOOL is565);
    void Present();

    IDirectDrawSurface7* CreateOffscreenSurface(int width, int height, BOOL inVideoMemory);
    BOOL LockBackBuffer();
    void UnlockBackBuffer();
    BOOL LockSurface(IDirectDrawSurface7* surface, WORD** bits, WORD* pitch);
    void UnlockSurface(IDirectDrawSurface7* surface);

    void ReportDDError(HRESULT hr, LPCSTR caption);

    void BltFastClipped(int x, int y, const RECT* src, BOOL useKey, IDirectDrawSurface7* surface);
    void BltMirrored(int x, int y, RECT src, BOOL useKey, IDirectDrawSurface7* surface, int mirror);

    int32_t m_cachesSet;
    BOOL m_fullScreen;
    BOOL m_is565;
    BOOL m_ready;
    int32_t m_width;
    int32_t m_height;
    int32_t m_bpp;
    RECT m_screenRect;
    RECT m_windowRect;
    WORD* m_bits;
    WORD m_pitch;
    IDirectDraw7* m_dd;
    IDirectDrawSurface7* m_primary;
    IDirectDrawSurface7* m_back;
    IDirectDrawClipper* m_clipper;
    DDSURFACEDESC2 m_ddsd;
    DDSCAPS2 m_ddscaps;
    DDBLTFX m_fx;
    HRESULT m_hr;
    HWND m_hWnd;
    HWND m_hWndTarget;
    RECT m_work;
    int32_t m_clipRight;
    int32_t m_clipBottom;
};
