// A main window with a target control, as the editor gives the display
// object, and helpers to fill image surfaces and read the back buffer.
#pragma once

#include <QApplication>
#include <QWidget>

#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include "CGraphics.h"
#include "testing/Testing.h"
#include "win32/Window.h"

// A shown top-level window with a child target of the given size at (20, 30).
struct PreviewWindow {
    static constexpr int kTargetX = 20;
    static constexpr int kTargetY = 30;

    QWidget main;
    QWidget* target;

    PreviewWindow(int width, int height)
    {
        main.resize(width + 2 * kTargetX, height + 2 * kTargetY);
        main.move(100, 80);
        target = new QWidget(&main);
        target->setGeometry(kTargetX, kTargetY, width, height);
        main.show();
        QApplication::processEvents();
    }

    HWND hWnd() { return win32::HandleOf(&main); }
    HWND hWndTarget() { return win32::HandleOf(target); }
};

// Every hook back to its default, boxes captured, nothing recorded yet.
class DisplayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testhooks::ResetAll();
        testhooks::CaptureMessageBoxes(true);
        testhooks::ClearMessageBoxes();
        testhooks::ResetDirectDrawCalls();
    }
    void TearDown() override { testhooks::ResetAll(); }
};

// The distinct, never-zero, never-white value of source pixel (column, row)
// in the test images (at most 255 columns and 250 rows).
inline WORD SourcePixel(int column, int row)
{
    return static_cast<WORD>(1 + row * 256 + column);
}

// An off-screen surface of the display filled with SourcePixel, except the
// pixels for which isKey says true, which hold 0 (black).
inline IDirectDrawSurface7* MakeImage(CGraphics& gfx, int width, int height,
                                      std::function<bool(int, int)> isKey = nullptr)
{
    IDirectDrawSurface7* surface = gfx.CreateOffscreenSurface(width, height, FALSE);
    if (!surface)
        return nullptr;
    WORD* bits = nullptr;
    WORD pitch = 0;
    if (!gfx.LockSurface(surface, &bits, &pitch)) {
        surface->Release();
        return nullptr;
    }
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            bool key = isKey && isKey(column, row);
            bits[row * pitch + column] = key ? 0 : SourcePixel(column, row);
        }
    }
    gfx.UnlockSurface(surface);
    return surface;
}

// The back buffer's pixels, row by row, m_width x m_height.
inline std::vector<WORD> BackPixels(CGraphics& gfx)
{
    std::vector<WORD> pixels;
    if (!gfx.LockBackBuffer())
        return pixels;
    for (int row = 0; row < gfx.m_height; ++row) {
        for (int column = 0; column < gfx.m_width; ++column)
            pixels.push_back(gfx.m_bits[row * gfx.m_pitch + column]);
    }
    gfx.UnlockBackBuffer();
    return pixels;
}
