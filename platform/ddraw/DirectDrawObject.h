// The DirectDraw object: cooperative level, display mode, and the factory of
// surfaces and clippers. Each surface and clipper holds a reference to it.
#pragma once

#include "ddraw/DDraw.h"
#include "ddraw/RefCounted.h"

namespace ddraw {

class DirectDrawObject final : public RefCounted<IDirectDraw7> {
public:
    DirectDrawObject();


    HRESULT CreateClipper(DWORD flags, IDirectDrawClipper** clipper, IUnknown* outer) override;
    HRESULT CreateSurface(LPDDSURFACEDESC2 desc, IDirectDrawSurface7** surface,
                          IUnknown* outer) override;
    HRESULT SetCooperativeLevel(HWND hWnd, DWORD flags) override;
    HRESULT SetDisplayMode(DWORD width, DWORD height, DWORD bpp, DWORD refreshRate,
                           DWORD flags) override;

    // The window given to SetCooperativeLevel: a full-screen primary shows
    // in it.
    HWND CooperativeWindow() const { return m_window; }

private:
    ~DirectDrawObject() override;

    HRESULT CreatePrimary(const DDSURFACEDESC2& desc, IDirectDrawSurface7** surface);

    bool m_levelSet = false;
    bool m_exclusive = false;
    HWND m_window = nullptr;
    int m_modeWidth = 0;  // 0 until SetDisplayMode
    int m_modeHeight = 0;
};

}  // namespace ddraw
