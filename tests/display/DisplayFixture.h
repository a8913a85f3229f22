// A main window with a target control, as the editor gives the display object, the display
// object itself, and helpers for image surfaces and the back buffer.
#pragma once

#include <QApplication>
#include <QWidget>

#include <array>
#include <cstring>
#include <new>
#include <vector>

#include <gtest/gtest.h>

#include "CGraphics.h"
#include "testing/Testing.h"
#include "win32/Window.h"

constexpr int W = 160;  // the target control, and so the back buffer
constexpr int H = 100;
constexpr int kTargetX = 20;  // the target's place in the main window
constexpr int kTargetY = 30;

// Live DirectDraw objects, surfaces and clippers.
inline std::array<int, 3> Live()
{
    return {testhooks::LiveDirectDrawObjects(), testhooks::LiveSurfaces(), testhooks::LiveClippers()};
}

// The distinct, never-zero value of source pixel (column, row) of the test images (up to 255 x 250).
inline WORD SourcePixel(int column, int row) { return static_cast<WORD>(1 + row * 256 + column); }

// The editor's display object is a member of its dialog on the stack, in bytes that held
// something else before. The tests' one is made in bytes that are not zero either, so that a
// member the display object leaves unset is never read as null by chance.
class StaleDisplay {
public:
    StaleDisplay() = default;
    StaleDisplay(const StaleDisplay&) = delete;
    StaleDisplay& operator=(const StaleDisplay&) = delete;
    ~StaleDisplay() { reset(); }

    void emplace()
    {
        reset();
        std::memset(m_bytes, 0xA5, sizeof m_bytes);
        m_object = new (m_bytes) CGraphics;
    }
    void reset()
    {
        if (m_object)
            m_object->~CGraphics();
        m_object = nullptr;
    }
    CGraphics* operator->() const { return m_object; }

private:
    alignas(CGraphics) unsigned char m_bytes[sizeof(CGraphics)];
    CGraphics* m_object = nullptr;
};

class DisplayTest : public ::testing::Test {
protected:
    QWidget main;
    QWidget* target = new QWidget(&main);
    StaleDisplay gfx;

    DisplayTest()
    {
        main.resize(W + 2 * kTargetX, H + 2 * kTargetY);
        main.move(100, 80);
        target->setGeometry(kTargetX, kTargetY, W, H);
        main.show();
        QApplication::processEvents();
    }

    void SetUp() override { testhooks::ResetAll(); }

    // Whatever the test made, the display object's destructor releases all of it, nothing twice.
    void TearDown() override
    {
        gfx.reset();
        EXPECT_EQ(Live(), (std::array<int, 3>{0, 0, 0}));
        testhooks::ResetAll();
    }

    HWND hWnd() { return win32::HandleOf(&main); }
    HWND hWndTarget() { return win32::HandleOf(target); }

    bool Start(BOOL fullScreen = FALSE)
    {
        gfx.emplace();
        gfx->SetCaches(hWnd(), hWndTarget(), fullScreen, 640, 480, 16);
        return gfx->InitializeGraphics();
    }

    // An off-screen surface of SourcePixel, or 0 (black, the store's key) where keyed and IsKey.
    static bool IsKey(int column, int row) { return (column + row) % 3 == 0; }
    IDirectDrawSurface7* MakeImage(int width, int height, bool keyed)
    {
        IDirectDrawSurface7* surface = gfx->CreateOffscreenSurface(width, height, FALSE);
        WORD* bits = nullptr;
        WORD pitch = 0;
        if (!surface || !gfx->LockSurface(surface, &bits, &pitch))
            return surface;
        for (int row = 0; row < height; ++row)
            for (int column = 0; column < width; ++column)
                bits[row * pitch + column] = keyed && IsKey(column, row) ? 0 : SourcePixel(column, row);
        gfx->UnlockSurface(surface);
        return surface;
    }

    // The back buffer's pixels, row by row, m_width x m_height.
    std::vector<WORD> BackPixels() { return testhooks::ReadSurface(gfx->m_back).pixels; }
};
