// Pixel packing in the detected format, and the colour-key probe: the raw
// value of a colour on a surface, with pixel (0, 0) kept whatever fails.
#include "ColorKey.h"
#include "DisplayFixture.h"

namespace {

class PackingTest : public DisplayTest, public ::testing::WithParamInterface<bool> {};

TEST_P(PackingTest, FillsAndKeysInTheDetectedFormat)
{
    const bool is565 = GetParam();
    testhooks::SetDisplayFormat565(is565);
    ASSERT_TRUE(Start());
    EXPECT_EQ(gfx->m_is565, is565 ? TRUE : FALSE);

    // On a 1 x 1 surface the probe must read no further than its one pixel.
    IDirectDrawSurface7* tiny = MakeImage(1, 1, false);
    ASSERT_NE(tiny, nullptr);
    const struct {
        WORD r, g, b, want565, want555;
    } colours[] = {
        {255, 255, 255, 0xFFFF, 0x7FFF}, {8, 4, 8, 0x0821, 0x0401},
        {255, 0, 0, 0xF800, 0x7C00},     {0, 0, 0, 0, 0},
        {7, 3, 7, 0, 0},  // near black packs to the transparent value
    };
    for (const auto& c : colours) {
        SCOPED_TRACE(::testing::Message() << c.r << ", " << c.g << ", " << c.b);
        const WORD want = is565 ? c.want565 : c.want555;
        gfx->ClearBackBuffer(c.r, c.g, c.b);
        for (WORD pixel : BackPixels())
            ASSERT_EQ(pixel, want);
        EXPECT_EQ(MatchSurfaceColor(tiny, RGB(c.r, c.g, c.b)), want);
        EXPECT_EQ(FirstPixel(tiny), SourcePixel(0, 0));
    }
    tiny->Release();
}

INSTANTIATE_TEST_SUITE_P(Display, PackingTest, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "RGB565" : "RGB555"; });

TEST_F(DisplayTest, ColourProbeCopesWithoutColourDeviceContextOrLock)
{
    // The operation made to fail times times with hr, the colour probed, the
    // result wanted, and how often the operation counted must be called.
    const struct {
        const char* fault;
        HRESULT hr;
        int times;
        COLORREF colour;
        DWORD want;
        const char* counted;
        int calls;
    } cases[] = {
        // No colour: the pixel as it is, nothing drawn.
        {nullptr, DD_OK, 0, CLR_INVALID, SourcePixel(0, 0), "GetDC", 0},
        // Nothing drawn, so nothing to put back either.
        {"GetDC", DDERR_CANTCREATEDC, 1, RGB(0, 0, 0), SourcePixel(0, 0), "GetDC", 1},
        // A surface still being drawn is locked again until it is free.
        {"Lock", DDERR_WASSTILLDRAWING, 2, RGB(0, 0, 0), 0, "Lock", 3},
        {"Lock", DDERR_SURFACELOST, 1, RGB(0, 0, 0), CLR_INVALID, "Lock", 1},
    };
    ASSERT_TRUE(Start());
    IDirectDrawSurface7* surface = MakeImage(4, 4, false);
    ASSERT_NE(surface, nullptr);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fault ? c.fault : "no colour");
        testhooks::ResetDirectDrawCalls();
        if (c.fault)
            testhooks::FailDirectDraw(c.fault, c.hr, 0, c.times);
        EXPECT_EQ(MatchSurfaceColor(surface, c.colour), c.want);
        EXPECT_EQ(testhooks::DirectDrawCalls(c.counted), c.calls);
        EXPECT_EQ(FirstPixel(surface), SourcePixel(0, 0));
    }
    surface->Release();
}

}  // namespace
