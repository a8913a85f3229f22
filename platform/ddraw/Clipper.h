// A clipper: it names the window whose region blits onto the primary
// surface are clipped to.
#pragma once

#include "ddraw/DDraw.h"
#include "ddraw/RefCounted.h"

namespace ddraw {

class DirectDrawObject;

class Clipper final : public RefCounted<IDirectDrawClipper> {
public:
    explicit Clipper(DirectDrawObject* owner);


    HRESULT SetHWnd(DWORD flags, HWND hWnd) override;

    HWND Window() const { return m_window; }

private:
    ~Clipper() override;

    DirectDrawObject* m_owner;
    HWND m_window = nullptr;
};

}  // namespace ddraw
