// The clipped and mirrored blits onto the back buffer, pixel by pixel, with
// and without the colour key.
#include <functional>
#include <string>

#include "ColorKey.h"
#include "DisplayFixture.h"

namespace {

constexpr int W = 160;
constexpr int H = 100;
constexpr WORD kBackground = 0xFFFF;  // white in RGB565

class BlitTest : public DisplayTest {
protected:
    PreviewWindow window{W, H};
    CGraphics gfx;
    IDirectDrawSurface7* image = nullptr;  // 100 x 60
    IDirectDrawSurface7* layer = nullptr;  // 250 x 120, wider and taller than the viewport

    void SetUp() override
    {
        DisplayTest::SetUp();
        gfx.SetCaches(window.hWnd(), window.hWndTarget(), FALSE, 640, 480, 16);
        ASSERT_TRUE(gfx.InitializeGraphics());
        ASSERT_EQ(gfx.m_width, W);
        ASSERT_EQ(gfx.m_height, H);
        image = MakeImage(gfx, 100, 60);
        layer = MakeImage(gfx, 250, 120);
        ASSERT_TRUE(image && layer);
        gfx.ClearBackBuffer(255, 255, 255);
        testhooks::ResetDirectDrawCalls();
    }

    void TearDown() override
    {
        if (image)
            image->Release();
        if (layer)
            layer->Release();
        DisplayTest::TearDown();
    }

    // Inside dest every back-buffer pixel (x, y) must be source(x, y);
    // everywhere else the background is untouched.
    void ExpectFrame(RECT dest, std::function<WORD(int, int)> source)
    {
        std::vector<WORD> back = BackPixels(gfx);
        ASSERT_EQ(back.size(), size_t(W * H));
        int wrong = 0;
        std::string first;
        for (int y = 0; y < H; ++y) {
            for (int x = 0; x < W; ++x) {
                bool inside = x >= dest.left && x < dest.right && y >= dest.top && y < dest.bottom;
                WORD want = inside ? source(x, y) : kBackground;
                WORD got = back[y * W + x];
                if (got != want && wrong++ == 0)
                    first = "(" + std::to_string(x) + ", " + std::to_string(y) + "): " +
                            std::to_string(got) + " instead of " + std::to_string(want);
            }
        }
        EXPECT_EQ(wrong, 0) << "first wrong pixel " << first;
    }

    void ExpectUnchanged() { ExpectFrame(RECT{0, 0, 0, 0}, nullptr); }
    int Restores() { return testhooks::DirectDrawCalls("Restore"); }
};

TEST_F(BlitTest, FastClippedCopiesInsideAndTrimsTheFarEdges)
{
    // A layer taller and wider than the viewport at (0, 0): its leftmost W
    // columns and top H rows.
    RECT src{40, 0, 250, 120};
    gfx.BltFastClipped(0, 0, &src, FALSE, layer);
    ExpectFrame(RECT{0, 0, W, H}, [](int x, int y) { return SourcePixel(40 + x, y); });
    EXPECT_EQ(src.left, 40);  // the caller's rectangle is left alone
    EXPECT_EQ(src.right, 250);

    gfx.ClearBackBuffer(255, 255, 255);
    RECT part{0, 0, 100, 50};
    gfx.BltFastClipped(W - 30, H - 20, &part, FALSE, image);
    ExpectFrame(RECT{W - 30, H - 20, W, H},
                [](int x, int y) { return SourcePixel(x - (W - 30), y - (H - 20)); });
    EXPECT_EQ(Restores(), 0);
}

TEST_F(BlitTest, FastClippedTrimsTheNearEdgesAtNegativePositions)
{
    RECT src{0, 0, 100, 50};
    gfx.BltFastClipped(-5, 0, &src, FALSE, image);
    ExpectFrame(RECT{0, 0, 95, 50}, [](int x, int y) { return SourcePixel(x + 5, y); });

    gfx.ClearBackBuffer(255, 255, 255);
    RECT inner{10, 10, 60, 60};
    gfx.BltFastClipped(-5, -7, &inner, FALSE, image);
    ExpectFrame(RECT{0, 0, 45, 43}, [](int x, int y) { return SourcePixel(x + 15, y + 17); });
    EXPECT_EQ(Restores(), 0);
}

TEST_F(BlitTest, WhatClippingCannotBringInsideIsRefusedSilently)
{
    RECT src{0, 0, 100, 50};
    gfx.BltFastClipped(W, 10, &src, FALSE, image);  // wholly to the right
    gfx.BltFastClipped(-100, 10, &src, FALSE, image);  // wholly to the left
    RECT wide{0, 0, 250, 50};
    gfx.BltFastClipped(-10, 0, &wide, FALSE, layer);  // far edge still beyond W
    gfx.BltMirrored(W, 10, RECT{0, 0, 40, 60}, FALSE, image, 0);
    gfx.BltMirrored(-40, 10, RECT{0, 0, 40, 60}, FALSE, image, 1);
    gfx.BltMirrored(10, H, RECT{0, 0, 40, 60}, FALSE, image, 1);
    ExpectUnchanged();
    EXPECT_EQ(Restores(), 6);  // once per refused copy, never a retry
    EXPECT_EQ(testhooks::DirectDrawCalls("Blt") + testhooks::DirectDrawCalls("BltFast"), 6);
    EXPECT_TRUE(testhooks::ShownMessageBoxes().empty());
}

TEST_F(BlitTest, MirroredModeZeroClipsLikeAPlainCopy)
{
    gfx.BltMirrored(-10, 20, RECT{0, 0, 40, 60}, FALSE, image, 0);
    ExpectFrame(RECT{0, 20, 30, 80}, [](int x, int y) { return SourcePixel(x + 10, y - 20); });

    gfx.ClearBackBuffer(255, 255, 255);
    gfx.BltMirrored(W - 25, H - 10, RECT{0, 0, 40, 60}, FALSE, image, 0);
    ExpectFrame(RECT{W - 25, H - 10, W, H},
                [](int x, int y) { return SourcePixel(x - (W - 25), y - (H - 10)); });
    EXPECT_EQ(Restores(), 0);
}

TEST_F(BlitTest, MirroredModeOneMapsColumnsFromTheOppositeSide)
{
    // Inside, from a source rectangle that does not start at 0.
    gfx.BltMirrored(10, 10, RECT{5, 3, 45, 53}, FALSE, image, 1);
    ExpectFrame(RECT{10, 10, 50, 60},
                [](int x, int y) { return SourcePixel(44 - (x - 10), 3 + y - 10); });

    // Left edge: back-buffer column 0 shows source column 29.
    gfx.ClearBackBuffer(255, 255, 255);
    gfx.BltMirrored(-10, 20, RECT{0, 0, 40, 60}, FALSE, image, 1);
    ExpectFrame(RECT{0, 20, 30, 80}, [](int x, int y) { return SourcePixel(29 - x, y - 20); });

    // Right edge: column W - 33 shows source column 39, column W - 1 column 7.
    gfx.ClearBackBuffer(255, 255, 255);
    gfx.BltMirrored(W - 33, 0, RECT{0, 0, 40, 60}, FALSE, image, 1);
    ExpectFrame(RECT{W - 33, 0, W, 60},
                [](int x, int y) { return SourcePixel(39 - (x - (W - 33)), y); });

    // Vertically as in mode 0: source rows 12 to 59 in rows 0 to 47.
    gfx.ClearBackBuffer(255, 255, 255);
    gfx.BltMirrored(50, -12, RECT{0, 0, 40, 60}, FALSE, image, 1);
    ExpectFrame(RECT{50, 0, 90, 48}, [](int x, int y) { return SourcePixel(39 - (x - 50), y + 12); });

    // Bottom edge.
    gfx.ClearBackBuffer(255, 255, 255);
    gfx.BltMirrored(0, H - 15, RECT{0, 0, 40, 60}, FALSE, image, 1);
    ExpectFrame(RECT{0, H - 15, 40, H}, [](int x, int y) { return SourcePixel(39 - x, y - (H - 15)); });
    EXPECT_EQ(Restores(), 0);
}

TEST_F(BlitTest, MirroredModesWithoutClippingDrawInsideAndRefuseAcrossAnEdge)
{
    gfx.BltMirrored(10, 10, RECT{0, 0, 40, 60}, FALSE, image, 2);
    ExpectFrame(RECT{10, 10, 50, 70}, [](int x, int y) { return SourcePixel(x - 10, 59 - (y - 10)); });

    gfx.ClearBackBuffer(255, 255, 255);
    gfx.BltMirrored(10, 10, RECT{0, 0, 40, 60}, FALSE, image, 3);
    ExpectFrame(RECT{10, 10, 50, 70},
                [](int x, int y) { return SourcePixel(39 - (x - 10), 59 - (y - 10)); });

    // Any other mode copies as stored.
    gfx.ClearBackBuffer(255, 255, 255);
    gfx.BltMirrored(10, 10, RECT{0, 0, 40, 60}, FALSE, image, 5);
    ExpectFrame(RECT{10, 10, 50, 70}, [](int x, int y) { return SourcePixel(x - 10, y - 10); });
    EXPECT_EQ(Restores(), 0);

    // Crossing an edge, where modes 0 and 1 would clip, they draw nothing.
    gfx.ClearBackBuffer(255, 255, 255);
    gfx.BltMirrored(10, H - 30, RECT{0, 0, 40, 60}, FALSE, image, 2);
    gfx.BltMirrored(-5, 10, RECT{0, 0, 40, 60}, FALSE, image, 3);
    gfx.BltMirrored(W - 20, 10, RECT{0, 0, 40, 60}, FALSE, image, 5);
    ExpectUnchanged();
    EXPECT_EQ(Restores(), 3);
}

TEST_F(BlitTest, KeyedPixelsAreSkippedOnlyWithTheKeyAsked)
{
    // A sprite whose every third pixel is black: the store's transparent colour.
    auto isKey = [](int x, int y) { return (x + y) % 3 == 0; };
    IDirectDrawSurface7* sprite = MakeImage(gfx, 40, 60, isKey);
    ASSERT_NE(sprite, nullptr);
    EXPECT_EQ(SetSurfaceColorKey(sprite, RGB(0, 0, 0)), DD_OK);
    auto keyed = [&](int sx, int sy, bool skipped) -> WORD {
        if (!isKey(sx, sy))
            return SourcePixel(sx, sy);
        return skipped ? kBackground : 0;
    };

    RECT src{0, 0, 40, 60};
    for (bool useKey : {false, true}) {
        SCOPED_TRACE(useKey ? "with key" : "without key");
        gfx.ClearBackBuffer(255, 255, 255);
        gfx.BltFastClipped(-3, 5, &src, useKey, sprite);
        ExpectFrame(RECT{0, 5, 37, 65}, [&](int x, int y) { return keyed(x + 3, y - 5, useKey); });

        gfx.ClearBackBuffer(255, 255, 255);
        gfx.BltMirrored(-3, 5, src, useKey, sprite, 0);
        ExpectFrame(RECT{0, 5, 37, 65}, [&](int x, int y) { return keyed(x + 3, y - 5, useKey); });

        gfx.ClearBackBuffer(255, 255, 255);
        gfx.BltMirrored(W - 30, 5, src, useKey, sprite, 1);
        ExpectFrame(RECT{W - 30, 5, W, 65},
                    [&](int x, int y) { return keyed(39 - (x - (W - 30)), y - 5, useKey); });
    }
    sprite->Release();
}

}  // namespace
