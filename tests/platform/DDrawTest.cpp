// Our DirectDraw where the display tests do not reach it; and on real (offscreen) windows,
// the windowed primary's clipping and what the screen keeps of what was shown.
#include <QApplication>
#include <QImage>
#include <QWidget>

#include <algorithm>
#include <array>
#include <functional>
#include <tuple>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "ddraw/DDraw.h"
#include "testing/Testing.h"
#include "win32/Gdi.h"
#include "win32/Window.h"

namespace {

using PixelFn = std::function<WORD(int, int)>;

WORD Pattern(int x, int y) { return static_cast<WORD>(0x100 + y * 64 + x); }  // never zero
WORD Grey(int, int) { return 0x7777; }

DDBLTFX Fx(DWORD effects, DWORD fill = 0) { return {sizeof(DDBLTFX), effects, fill}; }

DDSURFACEDESC2 Desc(DWORD flags = 0, DWORD caps = 0, DWORD width = 0, DWORD height = 0)
{
    DDSURFACEDESC2 desc{};
    desc.dwSize = sizeof desc;
    desc.dwFlags = flags;
    desc.ddsCaps.dwCaps = caps;
    desc.dwWidth = width;
    desc.dwHeight = height;
    return desc;
}

void Paint(IDirectDrawSurface7* surface, PixelFn value)
{
    DDSURFACEDESC2 desc = Desc();
    ASSERT_EQ(surface->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr), DD_OK);
    for (DWORD y = 0; y < desc.dwHeight; ++y)
        for (DWORD x = 0; x < desc.dwWidth; ++x)
            reinterpret_cast<WORD*>(static_cast<BYTE*>(desc.lpSurface) + y * desc.lPitch)[x] = value(x, y);
    surface->Unlock(nullptr);
}

std::vector<WORD> Pixels(IDirectDrawSurface7* surface) { return testhooks::ReadSurface(surface).pixels; }

std::vector<WORD> Expected(int width, int height, PixelFn value)
{
    std::vector<WORD> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.push_back(value(x, y));
    return pixels;
}

class DDrawTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testhooks::ResetAll();
        // Counted from here, so that one failed test does not fail the next.
        m_liveSurfaces = testhooks::LiveSurfaces();
        m_liveObjects = testhooks::LiveDirectDrawObjects();
        ASSERT_EQ(DirectDrawCreateEx(nullptr, reinterpret_cast<LPVOID*>(&m_dd), IID_IDirectDraw7, nullptr), DD_OK);
    }

    void TearDown() override
    {
        for (auto surface = m_made.rbegin(); surface != m_made.rend(); ++surface)
            (*surface)->Release();
        if (m_dd)
            m_dd->Release();
        EXPECT_EQ(testhooks::LiveSurfaces(), m_liveSurfaces);
        EXPECT_EQ(testhooks::LiveDirectDrawObjects(), m_liveObjects);
        testhooks::ResetAll();
    }

    // A surface released by the fixture, the last made first.
    IDirectDrawSurface7* Create(DDSURFACEDESC2 desc)
    {
        IDirectDrawSurface7* surface = nullptr;
        EXPECT_EQ(m_dd->CreateSurface(&desc, &surface, nullptr), DD_OK);
        m_made.push_back(surface);
        return surface;
    }

    IDirectDrawSurface7* Make(int width, int height, PixelFn value = Grey)
    {
        const DWORD caps = DDSCAPS_OFFSCREENPLAIN | DDSCAPS_SYSTEMMEMORY;
        IDirectDrawSurface7* surface = Create(Desc(DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT, caps, width, height));
        Paint(surface, value);
        return surface;
    }

    IDirectDraw7* m_dd = nullptr;
    std::vector<IDirectDrawSurface7*> m_made;
    int m_liveSurfaces = 0;
    int m_liveObjects = 0;
};

TEST_F(DDrawTest, BadRectanglesFailAndDrawNothing)
{
    // On an 8 x 6 surface: leaving it on each side, wholly outside, empty, inverted.
    const RECT bad[] = {{-1, 0, 3, 2}, {0, -1, 3, 2}, {6, 0, 9, 2}, {0, 5, 3, 7}, {8, 0, 10, 2},
                        {2, 1, 2, 3},  {2, 1, 4, 1},  {4, 1, 2, 3}, {2, 3, 4, 1}, {-9, -9, -5, -5}};
    IDirectDrawSurface7* source = Make(8, 6, Pattern);
    IDirectDrawSurface7* dest = Make(8, 6);
    DDCOLORKEY key{0, 0};
    source->SetColorKey(DDCKEY_SRCBLT, &key);
    DDBLTFX mirror = Fx(DDBLTFX_MIRRORLEFTRIGHT), fill = Fx(0, 0x1234);
    for (RECT rect : bad) {
        SCOPED_TRACE(testing::Message() << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom);
        // A partner of the same size where possible: only the bad rectangle is at fault.
        const LONG w = rect.right - rect.left, h = rect.bottom - rect.top;
        RECT other = (w > 0 && h > 0 && w <= 8 && h <= 6) ? RECT{0, 0, w, h} : RECT{0, 0, 2, 2};
        EXPECT_EQ(dest->Blt(&rect, source, &other, DDBLT_WAIT, nullptr), DDERR_INVALIDRECT);
        EXPECT_EQ(dest->Blt(&other, source, &rect, DDBLT_WAIT, nullptr), DDERR_INVALIDRECT);
        EXPECT_EQ(dest->Blt(&rect, source, &other, DDBLT_KEYSRC | DDBLT_DDFX, &mirror), DDERR_INVALIDRECT);
        EXPECT_EQ(dest->Blt(&rect, nullptr, nullptr, DDBLT_COLORFILL, &fill), DDERR_INVALIDRECT);
        EXPECT_EQ(dest->BltFast(0, 0, source, &rect, DDBLTFAST_WAIT), DDERR_INVALIDRECT);
    }
    // BltFast positions beyond the edge, or beyond a signed coordinate.
    RECT two{0, 0, 2, 2}, wide{0, 0, 4, 2};
    EXPECT_EQ(dest->BltFast(7, 0, source, &two, DDBLTFAST_WAIT), DDERR_INVALIDRECT);
    EXPECT_EQ(dest->BltFast(0, 5, source, &two, DDBLTFAST_WAIT), DDERR_INVALIDRECT);
    EXPECT_EQ(dest->BltFast(0xFFFFFFFFu, 0x80000000u, source, &two, 0), DDERR_INVALIDRECT);
    EXPECT_EQ(dest->Blt(&wide, source, &two, DDBLT_WAIT, nullptr), DDERR_NOSTRETCHHW);
    EXPECT_EQ(Pixels(dest), Expected(8, 6, Grey));
}

// Rows narrower than, as wide as and just over the copier's block of 16 pixels, from a
// bigger source into a bigger destination (the display tests cover wider rows).
TEST_F(DDrawTest, CopiesOfRowsAroundTheBlockSizeMapEveryPixel)
{
    auto source = [](int x, int y) -> WORD { return (x + y) % 3 == 0 ? 0 : Pattern(x, y); };
    IDirectDrawSurface7* image = Make(41, 8, source);
    DDCOLORKEY black{0, 0};
    ASSERT_EQ(image->SetColorKey(DDCKEY_SRCBLT, &black), DD_OK);
    for (int width : {1, 15, 16, 17})
        for (bool mirrored : {false, true})
            for (bool keyed : {false, true}) {
                SCOPED_TRACE(::testing::Message() << width << (mirrored ? " mirrored" : "") << (keyed ? " keyed" : ""));
                RECT from{2, 1, 2 + width, 6}, to{5, 3, 5 + width, 8};
                IDirectDrawSurface7* dest = Make(45, 9);
                DDBLTFX fx = Fx(mirrored ? DDBLTFX_MIRRORLEFTRIGHT : 0);
                const DWORD flags = DDBLT_WAIT | DDBLT_DDFX | (keyed ? DDBLT_KEYSRC : 0);
                ASSERT_EQ(dest->Blt(&to, image, &from, flags, &fx), DD_OK);
                EXPECT_EQ(Pixels(dest), Expected(45, 9, [&](int x, int y) -> WORD {
                              if (x < to.left || x >= to.right || y < to.top || y >= to.bottom)
                                  return 0x7777;
                              const int sx = mirrored ? from.right - 1 - (x - to.left)
                                                      : from.left + (x - to.left);
                              const WORD pixel = source(sx, from.top + (y - to.top));
                              return keyed && pixel == 0 ? 0x7777 : pixel;
                          }));
            }
}

TEST_F(DDrawTest, NullRectanglesFillsAndMissingKeys)
{
    IDirectDrawSurface7* source = Make(37, 4, Pattern);
    IDirectDrawSurface7* dest = Make(37, 4);
    ASSERT_EQ(dest->Blt(nullptr, source, nullptr, DDBLT_WAIT, nullptr), DD_OK);
    EXPECT_EQ(Pixels(dest), Pixels(source));
    EXPECT_EQ(dest->Blt(nullptr, source, nullptr, DDBLT_KEYSRC, nullptr), DDERR_NOCOLORKEY);

    // A fill takes the low 16 bits, inside its rectangle only, whole rows (padding and all) included.
    DDBLTFX fx = Fx(0, 0xABCD1234);
    RECT part{3, 1, 36, 3}, rows{0, 3, 37, 4};
    ASSERT_EQ(dest->Blt(&part, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx), DD_OK);
    fx.dwFillColor = 0x42;
    ASSERT_EQ(dest->Blt(&rows, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx), DD_OK);
    EXPECT_EQ(Pixels(dest), Expected(37, 4, [](int x, int y) -> WORD {
                  return y == 3 ? 0x42 : (y >= 1 && x >= 3 && x < 36) ? 0x1234 : Pattern(x, y);
              }));
    EXPECT_EQ(dest->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, nullptr), DDERR_INVALIDPARAMS);

    // The "no colour" value, which no 16-bit pixel holds, must not make white transparent.
    IDirectDrawSurface7* values = Make(3, 1, [](int x, int) -> WORD { return 0xFFFD + x; });
    IDirectDrawSurface7* line = Make(3, 1);
    DDCOLORKEY none{CLR_INVALID, CLR_INVALID};
    values->SetColorKey(DDCKEY_SRCBLT, &none);
    ASSERT_EQ(line->Blt(nullptr, values, nullptr, DDBLT_KEYSRC, nullptr), DD_OK);
    EXPECT_EQ(Pixels(line), (std::vector<WORD>{0xFFFD, 0xFFFE, 0xFFFF}));
}

TEST_F(DDrawTest, LocksAndDeviceContextsHaveTheirLimits)
{
    IDirectDrawSurface7* surface = Make(517, 2);
    DDSURFACEDESC2 desc = Desc();
    ASSERT_EQ(surface->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr), DD_OK);
    EXPECT_EQ(surface->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr), DDERR_SURFACEBUSY);
    surface->Unlock(nullptr);
    EXPECT_GE(desc.lPitch, 517 * 2);

    HDC dc = nullptr;
    ASSERT_EQ(surface->GetDC(&dc), DD_OK);
    for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {517, 0}, {0, 2}})
        EXPECT_EQ(SetPixel(dc, x, y, RGB(255, 255, 255)), CLR_INVALID) << x << ", " << y;
    // Released with its context still out: both go (the sanitizer run checks).
    m_made.pop_back();
    surface->Release();
}

TEST_F(DDrawTest, SurfacesAndClippersOutliveTheirDirectDrawObject)
{
    IDirectDrawSurface7* surface = Make(4, 4);
    IDirectDrawClipper* clipper = nullptr;
    ASSERT_EQ(m_dd->CreateClipper(0, &clipper, nullptr), DD_OK);
    ASSERT_EQ(surface->SetClipper(clipper), DD_OK);
    EXPECT_EQ(clipper->Release(), 1u);  // the surface holds it
    m_dd->Release();
    m_dd = nullptr;
    DDBLTFX fx = Fx(0, 0x4321);
    EXPECT_EQ(surface->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, &fx), DD_OK);
    const int clippers = testhooks::LiveClippers();
    ASSERT_EQ(surface->SetClipper(nullptr), DD_OK);
    EXPECT_EQ(testhooks::LiveClippers(), clippers - 1);
    m_made.clear();
    EXPECT_EQ(surface->Release(), 0u);  // the fixture checks that all is gone
}

// Four quarters, red, green, blue and white, so that place, orientation and clipping show.
COLORREF Quarters(int x, int y, int width, int height)
{
    const bool right = x >= width / 2;
    return y >= height / 2 ? (right ? RGB(255, 255, 255) : RGB(0, 0, 255))
                           : (right ? RGB(0, 255, 0) : RGB(255, 0, 0));
}

QRgb Rgb(COLORREF c) { return qRgb(GetRValue(c), GetGValue(c), GetBValue(c)); }

// A black 120 x 90 window.
class DDrawScreenTest : public DDrawTest {
protected:
    void SetUp() override
    {
        DDrawTest::SetUp();
        m_window.setStyleSheet("background: black");
        m_window.setGeometry(100, 80, 120, 90);
        m_window.show();
        QApplication::processEvents();
    }

    QImage Grab()
    {
        QApplication::processEvents();
        return m_window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    // The windowed primary, with a clipper bound to window when given.
    IDirectDrawSurface7* WindowedPrimary(QWidget* window)
    {
        EXPECT_EQ(m_dd->SetCooperativeLevel(win32::HandleOf(&m_window), DDSCL_NORMAL), DD_OK);
        IDirectDrawSurface7* primary = Create(Desc(DDSD_CAPS, DDSCAPS_PRIMARYSURFACE));
        if (window) {
            IDirectDrawClipper* clipper = nullptr;
            EXPECT_EQ(m_dd->CreateClipper(0, &clipper, nullptr), DD_OK);
            EXPECT_EQ(clipper->SetHWnd(0, win32::HandleOf(window)), DD_OK);
            EXPECT_EQ(primary->SetClipper(clipper), DD_OK);
            clipper->Release();
        }
        return primary;
    }

    // The screen rectangle of width x height at (x, y) of the window.
    RECT OnScreen(int x, int y, int width, int height)
    {
        const QPoint at = m_window.mapToGlobal(QPoint(x, y));
        return RECT{at.x(), at.y(), at.x() + width, at.y() + height};
    }

    QWidget m_window;
};

// Blits over the window's corners show their part inside the window only,
// converted from RGB555 (the display tests present in RGB565).
TEST_F(DDrawScreenTest, WindowedPrimaryClipsToTheWindow)
{
    testhooks::SetDisplayFormat565(false);
    IDirectDrawSurface7* primary = WindowedPrimary(&m_window);
    IDirectDrawSurface7* image =
        Make(40, 30, [](int x, int y) { return win32::PackColour(Quarters(x, y, 40, 30), false); });
    for (RECT across : {OnScreen(-10, -5, 40, 30), OnScreen(100, 75, 40, 30)})
        ASSERT_EQ(primary->Blt(&across, image, nullptr, DDBLT_WAIT, nullptr), DD_OK);
    const QImage shot = Grab();
    // (left, top) of the window shows (fromX, fromY) of the image onwards.
    for (auto [left, top, fromX, fromY, width, height] :
         {std::array{0, 0, 10, 5, 30, 25}, std::array{100, 75, 0, 0, 20, 15}})
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                ASSERT_EQ(shot.pixel(left + x, top + y), Rgb(Quarters(fromX + x, fromY + y, 40, 30)))
                    << left + x << ", " << top + y;
    for (auto [x, y] : {std::pair{30, 25}, {99, 74}, {50, 50}})
        EXPECT_EQ(shot.pixel(x, y), qRgb(0, 0, 0)) << x << ", " << y;
}

TEST_F(DDrawScreenTest, WindowedPrimaryOfAGoneWindowShowsNothing)
{
    IDirectDrawSurface7* image = Make(8, 8);
    RECT screen{0, 0, 8, 8}, outside{4, 4, 12, 12};
    EXPECT_EQ(WindowedPrimary(nullptr)->Blt(&screen, image, nullptr, DDBLT_WAIT, nullptr), DD_OK);
    auto* gone = new QWidget;
    const HWND handle = win32::HandleOf(gone);
    IDirectDrawSurface7* primary = WindowedPrimary(gone);
    delete gone;
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_EQ(primary->Blt(&screen, image, nullptr, DDBLT_WAIT, nullptr), DD_OK);
    EXPECT_EQ(primary->Blt(&screen, image, &outside, DDBLT_WAIT, nullptr), DDERR_INVALIDRECT);  // still checked
    QWidget next;  // made where the old one was, it gets a handle of its own
    EXPECT_NE(win32::HandleOf(&next), handle);
    EXPECT_EQ(win32::WidgetOf(handle), nullptr);
}

// The window keeps what a copy onto the screen showed, however its source is
// written afterwards; and the source keeps every pixel that was not written.
TEST_F(DDrawScreenTest, TheScreenKeepsWhatWasShownWhileItsSourceChanges)
{
    const WORD red = 0xF800, green = 0x07E0, blue = 0x001F, white = 0xFFFF;
    const QRgb R = qRgb(255, 0, 0), G = qRgb(0, 255, 0), B = qRgb(0, 0, 255), W = qRgb(255, 255, 255);
    IDirectDrawSurface7* primary = WindowedPrimary(&m_window);
    IDirectDrawSurface7* back = Make(40, 30, [&](int, int) { return red; });
    IDirectDrawSurface7* other = Make(40, 30, [&](int, int) { return blue; });
    auto show = [&](int x, int y) {
        RECT at = OnScreen(x, y, 40, 30);
        ASSERT_EQ(primary->Blt(&at, back, nullptr, DDBLT_WAIT, nullptr), DD_OK);
    };
    auto fill = [&](RECT* rect, WORD colour) {
        DDBLTFX fx = Fx(0, colour);
        ASSERT_EQ(back->Blt(rect, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx), DD_OK);
    };
    auto shown = [&]() {  // at (10, 10) and (40, 30), in the block shown there
        const QImage shot = Grab();
        return std::pair(shot.pixel(10, 10), shot.pixel(40, 30));
    };

    show(10, 10);
    RECT corner{0, 0, 5, 5};
    fill(&corner, blue);  // part of it: the rest is kept
    EXPECT_EQ(shown(), std::pair(R, R));
    EXPECT_EQ(Pixels(back), Expected(40, 30, [&](int x, int y) { return x < 5 && y < 5 ? blue : red; }));
    show(10, 10);
    fill(nullptr, green);  // all of it
    EXPECT_EQ(shown(), std::pair(B, R));
    EXPECT_EQ(Pixels(back), Expected(40, 30, [&](int, int) { return green; }));
    show(10, 10);
    Paint(back, [&](int, int) { return white; });  // through a lock
    EXPECT_EQ(shown(), std::pair(G, G));
    show(10, 10);
    HDC dc = nullptr;
    ASSERT_EQ(back->GetDC(&dc), DD_OK);  // through its device context
    SetPixel(dc, 0, 0, RGB(255, 0, 0));
    ASSERT_EQ(back->ReleaseDC(dc), DD_OK);
    RECT lower{0, 0, 40, 20};
    ASSERT_EQ(back->BltFast(0, 10, other, &lower, DDBLTFAST_WAIT), DD_OK);  // a copy into it
    EXPECT_EQ(shown(), std::pair(W, W));
    EXPECT_EQ(Pixels(back), Expected(40, 30, [&](int x, int y) {
                  return y >= 10 ? blue : (x == 0 && y == 0 ? red : white);
              }));

    // Shown at two places, the first not covered by the second: both stay,
    // even once the source is released.
    show(10, 10);
    fill(nullptr, green);
    show(60, 45);
    m_made.erase(std::find(m_made.begin(), m_made.end(), back));
    back->Release();
    const QImage shot = Grab();
    for (auto [x, y, want] : {std::tuple{10, 10, R}, {45, 35, B}, {60, 45, G}, {99, 74, G}})
        EXPECT_EQ(shot.pixel(x, y), want) << x << ", " << y;
}

TEST_F(DDrawScreenTest, FrontImageStaysOnTopAndKeepsItsPixelsWhenTheWindowGrows)
{
    const WORD red[4] = {0xF800, 0xF800, 0xF800, 0xF800};
    win32::PresentToWindow(win32::HandleOf(&m_window), OnScreen(100, 70, 2, 2), red, 2, true);
    auto* cover = new QWidget(&m_window);  // made afterwards over the same place
    cover->setStyleSheet("background: white");
    cover->setGeometry(90, 60, 30, 30);
    cover->show();
    m_window.resize(160, 120);
    const QImage shot = Grab();
    EXPECT_EQ(shot.pixel(101, 71), qRgb(255, 0, 0));
    EXPECT_EQ(shot.pixel(95, 65), qRgb(255, 255, 255));
}

}  // namespace
