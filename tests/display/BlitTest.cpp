// The clipped and mirrored blits onto the back buffer, pixel by pixel, with and without the key.
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "ColorKey.h"
#include "DisplayFixture.h"

namespace {

constexpr WORD kBackground = 0xFFFF;  // white in RGB565
constexpr int kFast = -1;             // BltFastClipped rather than BltMirrored

// One copy from the 250 x 120 image, bigger than the viewport. Inside dest, back-buffer pixel
// (x, y) is source pixel (sx + dx * (x - dest.left), sy + dy * (y - dest.top)); outside, the
// background stays. An empty dest: the copy is refused and draws nothing.
struct Blit {
    const char* name;
    int mode;  // kFast, or BltMirrored's mirror mode
    int x, y;
    RECT src, dest;
    int sx, sy, dx, dy;
};

const Blit kBlits[] = {
    {"FastFarEdges", kFast, 0, 0, {40, 0, 250, 120}, {0, 0, W, H}, 40, 0, 1, 1},
    {"FastNearEdges", kFast, -5, -7, {10, 10, 60, 60}, {0, 0, 45, 43}, 15, 17, 1, 1},
    {"FastWhollyRight", kFast, W, 10, {0, 0, 100, 50}, {}, 0, 0, 0, 0},
    {"FastWhollyLeft", kFast, -100, 10, {0, 0, 100, 50}, {}, 0, 0, 0, 0},
    {"FastFarEdgeStillOut", kFast, -10, 0, {0, 0, 250, 50}, {}, 0, 0, 0, 0},
    {"PlainNearEdges", 0, -10, -5, {0, 0, 40, 60}, {0, 0, 30, 55}, 10, 5, 1, 1},
    {"PlainFarEdges", 0, W - 25, H - 10, {0, 0, 40, 60}, {W - 25, H - 10, W, H}, 0, 0, 1, 1},
    {"PlainWhollyRight", 0, W, 10, {0, 0, 40, 60}, {}, 0, 0, 0, 0},
    {"PlainFromTheCornerOverFarEdges", 0, 0, 0, {0, 0, 250, 120}, {0, 0, W, H}, 0, 0, 1, 1},
    {"Across", 1, 10, 10, {5, 3, 45, 53}, {10, 10, 50, 60}, 44, 3, -1, 1},
    {"AcrossNearEdges", 1, -10, -12, {0, 0, 40, 60}, {0, 0, 30, 48}, 29, 12, -1, 1},
    {"AcrossFarEdges", 1, W - 33, H - 15, {0, 0, 40, 60}, {W - 33, H - 15, W, H}, 39, 0, -1, 1},
    {"AcrossFromTheCornerOverFarEdges", 1, 0, 0, {0, 0, 250, 120}, {0, 0, W, H}, 249, 0, -1, 1},
    {"AcrossWhollyLeft", 1, -40, 10, {0, 0, 40, 60}, {}, 0, 0, 0, 0},
    {"AcrossWhollyBelow", 1, 10, H, {0, 0, 40, 60}, {}, 0, 0, 0, 0},
    {"UpDown", 2, 10, 10, {0, 0, 40, 60}, {10, 10, 50, 70}, 0, 59, 1, -1},
    {"UpDownOverTheBottom", 2, 10, H - 30, {0, 0, 40, 60}, {}, 0, 0, 0, 0},
    {"Both", 3, 10, 10, {0, 0, 40, 60}, {10, 10, 50, 70}, 39, 59, -1, -1},
    {"BothOverTheLeft", 3, -5, 10, {0, 0, 40, 60}, {}, 0, 0, 0, 0},
    {"OtherModeAsStored", 5, 10, 10, {0, 0, 40, 60}, {10, 10, 50, 70}, 0, 0, 1, 1},
    {"OtherModeOverTheRight", 5, W - 20, 10, {0, 0, 40, 60}, {}, 0, 0, 0, 0},
};

void PrintTo(const Blit& b, std::ostream* os) { *os << b.name; }

class BlitTest : public DisplayTest, public ::testing::WithParamInterface<std::tuple<Blit, bool>> {};

TEST_P(BlitTest, LandsPixelExactAndSkipsKeyedPixelsOnlyWithTheKey)
{
    const auto& [b, useKey] = GetParam();
    ASSERT_TRUE(Start());
    IDirectDrawSurface7* image = MakeImage(250, 120, true);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(SetSurfaceColorKey(image, RGB(0, 0, 0)), DD_OK);
    gfx->ClearBackBuffer(255, 255, 255);
    testhooks::ResetDirectDrawCalls();

    if (b.mode == kFast)
        gfx->BltFastClipped(b.x, b.y, &b.src, useKey, image);
    else
        gfx->BltMirrored(b.x, b.y, b.src, useKey, image, b.mode);

    const bool refused = b.dest.right == 0;  // then the source is restored once, the copy not tried again
    EXPECT_EQ(testhooks::DirectDrawCalls("Restore"), refused ? 1 : 0);
    EXPECT_EQ(testhooks::DirectDrawCalls(b.mode == kFast ? "BltFast" : "Blt"), 1);
    EXPECT_TRUE(testhooks::ShownMessageBoxes().empty());

    image->Release();
    const std::vector<WORD> back = BackPixels();
    ASSERT_EQ(back.size(), size_t(W * H));
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            const int sx = b.sx + b.dx * (x - b.dest.left), sy = b.sy + b.dy * (y - b.dest.top);
            WORD want = kBackground;
            if (x >= b.dest.left && x < b.dest.right && y >= b.dest.top && y < b.dest.bottom)
                want = !IsKey(sx, sy) ? SourcePixel(sx, sy) : useKey ? kBackground : 0;
            ASSERT_EQ(back[y * W + x], want) << "first wrong pixel at " << x << ", " << y;
        }
    }
}

TEST_F(DisplayTest, AnImageNeverLoadedDrawsNothingAndIsNotRestored)
{
    ASSERT_TRUE(Start());
    gfx->ClearBackBuffer(255, 255, 255);
    const std::vector<WORD> before = BackPixels();
    testhooks::ResetDirectDrawCalls();
    const RECT src{0, 0, 40, 60};
    gfx->BltFastClipped(10, 10, &src, TRUE, nullptr);
    for (int mode : {0, 1, 2, 3})
        gfx->BltMirrored(10, 10, src, TRUE, nullptr, mode);
    EXPECT_EQ(testhooks::DirectDrawCallsTotal(), 0);
    EXPECT_EQ(BackPixels(), before);
}

INSTANTIATE_TEST_SUITE_P(Display, BlitTest, ::testing::Combine(::testing::ValuesIn(kBlits), ::testing::Bool()),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + (std::get<1>(info.param) ? "Keyed" : "");
                         });

}  // namespace
