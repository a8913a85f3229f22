// A clipper: it names the window whose region blits onto the primary
// surface are clipped to.
#pragma once

#include "ddraw/DDraw.h"

namespace ddraw {

class DirectDrawObject;

class Clipper final : public IDirectDrawClipper {
public:
    explicit Clipper(DirectDrawObject* owner);

    ULONG AddRef() override;
    ULONG Release() override;

    HRESULT SetHWnd(DWORD flags, HWND hWnd) override;
    HRESULT GetHWnd(HWND* hWnd) override;

    HWND Window() const { return m_window; }

private:
    ~Clipper() override;

    ULONG m_refs = 1;
    DirectDrawObject* m_owner;
    HWND m_window = nullptr;
};

}  // namespace ddraw
