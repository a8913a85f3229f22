// The primary surfaces of our DirectDraw on real offscreen windows: the
// windowed primary shows blits in its clipper's window, clipped to it; the
// full-screen primary shows them in the cooperative-level window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QWidget>

#include "ddraw/DDraw.h"
#include "testing/Testing.h"
#include "win32/Window.h"

namespace {

// Four quarters, red, green, blue and white, so that place, orientation and
// clipping show.
WORD Quarters(int x, int y, int width, int height)
{
    const bool right = x >= width / 2;
    return y >= height / 2 ? (right ? 0xFFFF : 0x001F) : (right ? 0x07E0 : 0xF800);
}

QRgb Rgb(WORD pixel)
{
    return qRgb(pixel & 0xF800 ? 255 : 0, pixel & 0x07E0 ? 255 : 0, pixel & 0x001F ? 255 : 0);
}

const QRgb kBlack = qRgb(0, 0, 0);

QImage Grab(QWidget& widget)
{
    QApplication::processEvents();
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void ShowBlack(QWidget& window, int x, int y, int width, int height)
{
    window.setStyleSheet("background: black");
    window.setGeometry(x, y, width, height);
    window.show();
}

class DDrawScreenTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testhooks::ResetAll();
        m_liveSurfaces = testhooks::LiveSurfaces();
        ASSERT_EQ(DirectDrawCreateEx(nullptr, reinterpret_cast<LPVOID*>(&m_dd), IID_IDirectDraw7,
                                     nullptr),
                  DD_OK);
        ShowBlack(m_window, 100, 80, 120, 90);
        m_child = new QWidget(&m_window);
        m_child->setGeometry(30, 20, 40, 30);
        m_child->show();
        QApplication::processEvents();
    }

    void TearDown() override
    {
        for (IUnknown* object : m_made)
            object->Release();
        m_dd->Release();
        EXPECT_EQ(testhooks::LiveSurfaces(), m_liveSurfaces);
        testhooks::ResetAll();
    }

    template <class T>
    T* Keep(T* object)
    {
        m_made.insert(m_made.begin(), object);  // released in reverse order
        return object;
    }

    IDirectDrawSurface7* Create(DDSURFACEDESC2 desc)
    {
        IDirectDrawSurface7* surface = nullptr;
        EXPECT_EQ(m_dd->CreateSurface(&desc, &surface, nullptr), DD_OK);
        return Keep(surface);
    }

    IDirectDrawSurface7* Image(int width, int height)
    {
        DDSURFACEDESC2 desc{};
        desc.dwSize = sizeof desc;
        desc.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
        desc.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN;
        desc.dwWidth = width;
        desc.dwHeight = height;
        IDirectDrawSurface7* image = Create(desc);
        Paint(image);
        return image;
    }

    static void Paint(IDirectDrawSurface7* surface)
    {
        DDSURFACEDESC2 desc{};
        desc.dwSize = sizeof desc;
        ASSERT_EQ(surface->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr), DD_OK);
        for (DWORD y = 0; y < desc.dwHeight; ++y)
            for (DWORD x = 0; x < desc.dwWidth; ++x)
                reinterpret_cast<WORD*>(static_cast<BYTE*>(desc.lpSurface) + y * desc.lPitch)[x] =
                    Quarters(x, y, desc.dwWidth, desc.dwHeight);
        surface->Unlock(nullptr);
    }

    // The windowed primary, with a clipper bound to window when given.
    IDirectDrawSurface7* WindowedPrimary(QWidget* window)
    {
        EXPECT_EQ(m_dd->SetCooperativeLevel(win32::HandleOf(&m_window), DDSCL_NORMAL), DD_OK);
        DDSURFACEDESC2 desc{};
        desc.dwSize = sizeof desc;
        desc.dwFlags = DDSD_CAPS;
        desc.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE;
        IDirectDrawSurface7* primary = Create(desc);
        if (window) {
            IDirectDrawClipper* clipper = nullptr;
            EXPECT_EQ(m_dd->CreateClipper(0, &clipper, nullptr), DD_OK);
            EXPECT_EQ(clipper->SetHWnd(0, win32::HandleOf(window)), DD_OK);
            EXPECT_EQ(primary->SetClipper(clipper), DD_OK);
            clipper->Release();
        }
        return primary;
    }

    IDirectDraw7* m_dd = nullptr;
    std::vector<IUnknown*> m_made;
    int m_liveSurfaces = 0;
    QWidget m_window;
    QWidget* m_child = nullptr;
};

TEST_F(DDrawScreenTest, WindowedPrimaryShowsBlitsAtTheirScreenPlaceClippedToTheWindow)
{
    // A second window just right of the first: what crosses the first
    // window's edge must not appear there.
    QWidget neighbour;
    ShowBlack(neighbour, 220, 80, 60, 90);
    IDirectDrawSurface7* primary = WindowedPrimary(&m_window);
    IDirectDrawSurface7* image = Image(40, 30);

    const QPoint child = m_child->mapToGlobal(QPoint(0, 0));
    RECT onChild{child.x(), child.y(), child.x() + 40, child.y() + 30};
    ASSERT_EQ(primary->Blt(&onChild, image, nullptr, DDBLT_WAIT, nullptr), DD_OK);
    // 10 columns inside the window's right edge, 30 beyond; 5 rows above it.
    const QPoint window = m_window.mapToGlobal(QPoint(0, 0));
    RECT acrossEdge{window.x() + 110, window.y() - 5, window.x() + 150, window.y() + 25};
    ASSERT_EQ(primary->Blt(&acrossEdge, image, nullptr, DDBLT_WAIT, nullptr), DD_OK);

    const QImage shot = Grab(m_window);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(shot.pixel(30 + x, 20 + y), Rgb(Quarters(x, y, 40, 30))) << x << ", " << y;
    EXPECT_EQ(shot.pixel(29, 20), kBlack);
    EXPECT_EQ(shot.pixel(70, 49), kBlack);
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 10; ++x)
            ASSERT_EQ(shot.pixel(110 + x, y), Rgb(Quarters(x, y + 5, 40, 30))) << x << ", " << y;
    const QImage beside = Grab(neighbour);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(beside.pixel(x, y), kBlack) << x << ", " << y;

    // The screen has no memory of its own.
    DDSURFACEDESC2 desc{};
    desc.dwSize = sizeof desc;
    EXPECT_TRUE(FAILED(primary->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr)));
    HDC dc = nullptr;
    EXPECT_TRUE(FAILED(primary->GetDC(&dc)));
}

TEST_F(DDrawScreenTest, WindowedPrimaryWithoutAWindowShowsNothing)
{
    IDirectDrawSurface7* image = Image(8, 8);
    RECT screen{0, 0, 8, 8};
    EXPECT_EQ(WindowedPrimary(nullptr)->Blt(&screen, image, nullptr, DDBLT_WAIT, nullptr), DD_OK);

    auto* gone = new QWidget;
    IDirectDrawSurface7* primary = WindowedPrimary(gone);
    delete gone;
    EXPECT_EQ(primary->Blt(&screen, image, nullptr, DDBLT_WAIT, nullptr), DD_OK);
    RECT outside{4, 4, 12, 12};  // the source is still checked
    EXPECT_EQ(primary->Blt(&screen, image, &outside, DDBLT_WAIT, nullptr), DDERR_INVALIDRECT);
}

TEST_F(DDrawScreenTest, FullScreenChainShowsThePrimaryInTheWindow)
{
    DDSURFACEDESC2 chain{};
    chain.dwSize = sizeof chain;
    chain.dwFlags = DDSD_CAPS | DDSD_BACKBUFFERCOUNT;
    chain.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX;
    chain.dwBackBufferCount = 1;
    IDirectDrawSurface7* primary = nullptr;
    const HWND hWnd = win32::HandleOf(&m_window);

    // Exclusive mode and a 16-bit display mode come first.
    ASSERT_EQ(m_dd->SetCooperativeLevel(hWnd, DDSCL_NORMAL), DD_OK);
    EXPECT_EQ(m_dd->SetDisplayMode(64, 48, 16, 0, 0), DDERR_NOEXCLUSIVEMODE);
    EXPECT_EQ(m_dd->CreateSurface(&chain, &primary, nullptr), DDERR_NOEXCLUSIVEMODE);
    ASSERT_EQ(m_dd->SetCooperativeLevel(hWnd, DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN), DD_OK);
    EXPECT_TRUE(FAILED(m_dd->SetDisplayMode(64, 48, 32, 0, 0)));
    ASSERT_EQ(m_dd->SetDisplayMode(64, 48, 16, 0, 0), DD_OK);

    primary = Create(chain);
    DDSCAPS2 caps{};
    caps.dwCaps = DDSCAPS_BACKBUFFER;
    IDirectDrawSurface7* back = nullptr;
    ASSERT_EQ(primary->GetAttachedSurface(&caps, &back), DD_OK);
    Keep(back);
    DDSURFACEDESC2 desc{};
    desc.dwSize = sizeof desc;
    ASSERT_EQ(back->GetSurfaceDesc(&desc), DD_OK);
    EXPECT_EQ(desc.dwWidth, 64u);
    EXPECT_EQ(desc.dwHeight, 48u);

    // Drawn into the back buffer and copied onto the primary, whose (0, 0)
    // is the window's top left corner.
    Paint(back);
    RECT whole{0, 0, 64, 48};
    ASSERT_EQ(primary->BltFast(0, 0, back, &whole, DDBLTFAST_WAIT), DD_OK);
    const QImage shot = Grab(m_window);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x)
            ASSERT_EQ(shot.pixel(x, y), Rgb(Quarters(x, y, 64, 48))) << x << ", " << y;
    EXPECT_EQ(shot.pixel(64, 0), kBlack);

    // The back buffer is never clipped.
    RECT beyond{60, 0, 70, 10};
    DDBLTFX fx{};
    fx.dwSize = sizeof fx;
    EXPECT_EQ(back->Blt(&beyond, nullptr, nullptr, DDBLT_COLORFILL, &fx), DDERR_INVALIDRECT);

    // Released primary first, the back buffer stays until its own release.
    m_made.clear();
    primary->Release();
    EXPECT_EQ(testhooks::LiveSurfaces(), m_liveSurfaces + 1);
    EXPECT_EQ(back->Release(), 0u);
}

}  // namespace
