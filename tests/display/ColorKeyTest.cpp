// The colour-key probe: the raw value of a colour on a surface, pixel (0, 0)
// kept, and its behaviour when the device context or the lock fails.
#include "ColorKey.h"
#include "DisplayFixture.h"

namespace {

class ColorKeyTest : public DisplayTest {
protected:
    PreviewWindow window{64, 48};
    CGraphics gfx;

    void SetUp() override
    {
        DisplayTest::SetUp();
        gfx.SetCaches(window.hWnd(), window.hWndTarget(), FALSE, 640, 480, 16);
        ASSERT_TRUE(gfx.InitializeGraphics());
        testhooks::ResetDirectDrawCalls();
    }

    WORD FirstPixel(IDirectDrawSurface7* surface)
    {
        WORD* bits = nullptr;
        WORD pitch = 0;
        if (!gfx.LockSurface(surface, &bits, &pitch))
            return 0xDEAD;
        WORD pixel = bits[0];
        gfx.UnlockSurface(surface);
        return pixel;
    }

    void SetFirstPixel(IDirectDrawSurface7* surface, WORD value)
    {
        WORD* bits = nullptr;
        WORD pitch = 0;
        ASSERT_TRUE(gfx.LockSurface(surface, &bits, &pitch));
        bits[0] = value;
        gfx.UnlockSurface(surface);
    }
};

TEST_F(ColorKeyTest, BlackIsZeroAndTheFirstPixelKeepsItsValue)
{
    // A 1 x 1 surface: the probe must read no more than its one pixel.
    IDirectDrawSurface7* tiny = gfx.CreateOffscreenSurface(1, 1, FALSE);
    ASSERT_NE(tiny, nullptr);
    SetFirstPixel(tiny, 0x1234);
    EXPECT_EQ(MatchSurfaceColor(tiny, RGB(0, 0, 0)), 0u);
    EXPECT_EQ(FirstPixel(tiny), 0x1234);
    EXPECT_EQ(MatchSurfaceColor(tiny, RGB(255, 255, 255)), 0xFFFFu);
    EXPECT_EQ(FirstPixel(tiny), 0x1234);
    tiny->Release();
}

TEST_F(ColorKeyTest, WithoutAColourOrADeviceContextItReadsThePixelAsItIs)
{
    IDirectDrawSurface7* surface = gfx.CreateOffscreenSurface(4, 4, FALSE);
    ASSERT_NE(surface, nullptr);
    SetFirstPixel(surface, 0xBEEF);
    testhooks::ResetDirectDrawCalls();

    EXPECT_EQ(MatchSurfaceColor(surface, CLR_INVALID), 0xBEEFu);
    EXPECT_EQ(testhooks::DirectDrawCalls("GetDC"), 0);

    testhooks::FailDirectDraw("GetDC", DDERR_CANTCREATEDC);
    EXPECT_EQ(MatchSurfaceColor(surface, RGB(0, 0, 0)), 0xBEEFu);
    EXPECT_EQ(testhooks::DirectDrawCalls("GetDC"), 1);  // no restoring without drawing
    EXPECT_EQ(FirstPixel(surface), 0xBEEF);
    surface->Release();
}

TEST_F(ColorKeyTest, ABusySurfaceIsLockedAgainUntilItIsFree)
{
    IDirectDrawSurface7* surface = gfx.CreateOffscreenSurface(4, 4, FALSE);
    ASSERT_NE(surface, nullptr);
    SetFirstPixel(surface, 0x4321);
    testhooks::ResetDirectDrawCalls();
    testhooks::FailDirectDraw("Lock", DDERR_WASSTILLDRAWING, 0, 2);
    EXPECT_EQ(MatchSurfaceColor(surface, RGB(0, 0, 0)), 0u);
    EXPECT_EQ(testhooks::DirectDrawCalls("Lock"), 3);
    EXPECT_EQ(FirstPixel(surface), 0x4321);
    surface->Release();
}

TEST_F(ColorKeyTest, AFailedLockGivesNoColourAndAKeyThatMatchesNothing)
{
    IDirectDrawSurface7* sprite = MakeImage(gfx, 8, 8, [](int x, int) { return x < 4; });
    ASSERT_NE(sprite, nullptr);
    testhooks::FailDirectDraw("Lock", DDERR_SURFACELOST);
    EXPECT_EQ(MatchSurfaceColor(sprite, RGB(0, 0, 0)), CLR_INVALID);

    // The same failure inside SetSurfaceColorKey sets CLR_INVALID as the
    // key, which no 16-bit pixel equals: a keyed copy then skips nothing.
    testhooks::FailDirectDraw("Lock", DDERR_SURFACELOST);
    EXPECT_EQ(SetSurfaceColorKey(sprite, RGB(0, 0, 0)), DD_OK);
    gfx.ClearBackBuffer(255, 255, 255);
    RECT src{0, 0, 8, 8};
    gfx.BltFastClipped(0, 0, &src, TRUE, sprite);
    std::vector<WORD> back = BackPixels(gfx);
    ASSERT_FALSE(back.empty());
    EXPECT_EQ(back[0], 0);
    EXPECT_EQ(back[5], SourcePixel(5, 0));
    sprite->Release();
}

}  // namespace
