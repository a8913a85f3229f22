// Pixels and text through a device context over 16-bit memory.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "testing/Testing.h"
#include "win32/Gdi.h"

namespace {

const uint16_t kGuard = 0xA5A5;

// A width x height surface inside memory of a wider pitch and with a guard
// row below; everything outside the surface holds kGuard.
struct Surface {
    int width, height, pitch;
    bool is565;
    std::vector<uint16_t> memory;

    Surface(int w, int h, bool f565, uint16_t fill)
        : width(w), height(h), pitch(w + 6), is565(f565),
          memory(static_cast<size_t>(pitch) * (h + 1), kGuard)
    {
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) at(x, y) = fill;
        }
    }
    uint16_t& at(int x, int y) { return memory[y * pitch + x]; }
    bool GuardIntact() const
    {
        for (int y = 0; y <= height; ++y) {
            for (int x = 0; x < pitch; ++x) {
                if ((y == height || x >= width) && memory[y * pitch + x] != kGuard) return false;
            }
        }
        return true;
    }
};

// Draws text with a fresh context and deletes it, as GetDC/ReleaseDC do.
void DrawText(Surface& s, int x, int y, const std::string& text, COLORREF colour, int mode,
              int length = -1)
{
    HDC dc = win32::CreateMemoryDC(s.memory.data(), s.width, s.height, s.pitch, s.is565);
    ASSERT_NE(dc, nullptr);
    SetTextColor(dc, colour);
    SetBkMode(dc, mode);
    EXPECT_TRUE(TextOutA(dc, x, y, text.c_str(), length < 0 ? int(text.size()) : length));
    win32::DeleteMemoryDC(dc);
}

int Count(Surface& s, uint16_t pixel, int x0 = 0, int y0 = 0, int x1 = -1, int y1 = -1)
{
    int count = 0;
    for (int y = y0; y < (y1 < 0 ? s.height : y1); ++y) {
        for (int x = x0; x < (x1 < 0 ? s.width : x1); ++x) count += s.at(x, y) == pixel;
    }
    return count;
}

}  // namespace

TEST(GdiColourTest, PacksAndUnpacksBothFormats)
{
    EXPECT_EQ(win32::PackColour(RGB(255, 255, 255), true), 0xFFFF);
    EXPECT_EQ(win32::PackColour(RGB(255, 255, 255), false), 0x7FFF);
    EXPECT_EQ(win32::PackColour(RGB(8, 4, 8), true), 0x0821);
    EXPECT_EQ(win32::PackColour(RGB(8, 4, 8), false), 0x0401);
    EXPECT_EQ(win32::PackColour(RGB(7, 3, 7), true), 0);
    EXPECT_EQ(win32::PackColour(RGB(7, 7, 7), false), 0);
    EXPECT_EQ(win32::PackColour(RGB(255, 0, 0), true), 0xF800);
    EXPECT_EQ(win32::PackColour(RGB(0, 0, 255), false), 0x001F);

    EXPECT_EQ(win32::UnpackColour(0xFFFF, true), RGB(255, 255, 255));
    EXPECT_EQ(win32::UnpackColour(0x7FFF, false), RGB(255, 255, 255));
    EXPECT_EQ(win32::UnpackColour(0x0821, true), RGB(8, 4, 8));
    for (unsigned p = 0; p <= 0xFFFF; ++p) {
        ASSERT_EQ(win32::PackColour(win32::UnpackColour(p, true), true), p) << p;
    }
    for (unsigned p = 0; p <= 0x7FFF; ++p) {
        ASSERT_EQ(win32::PackColour(win32::UnpackColour(p, false), false), p) << p;
    }
}

TEST(GdiPixelTest, SetAndGetPixelsInPlace)
{
    for (bool is565 : {true, false}) {
        SCOPED_TRACE(is565 ? "RGB565" : "RGB555");
        Surface s(20, 10, is565, 0);
        HDC dc = win32::CreateMemoryDC(s.memory.data(), s.width, s.height, s.pitch, is565);
        ASSERT_NE(dc, nullptr);

        // The colour actually set comes back, and is in the pixel at once.
        EXPECT_EQ(SetPixel(dc, 19, 9, RGB(9, 5, 9)), is565 ? RGB(8, 4, 8) : RGB(8, 0, 8));
        EXPECT_EQ(s.at(19, 9), is565 ? 0x0821 : 0x0401);
        EXPECT_EQ(GetPixel(dc, 19, 9), is565 ? RGB(8, 4, 8) : RGB(8, 0, 8));
        s.at(3, 2) = is565 ? 0xF800 : 0x7C00;
        EXPECT_EQ(GetPixel(dc, 3, 2), RGB(255, 0, 0));

        for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {20, 0}, {0, 10}}) {
            EXPECT_EQ(SetPixel(dc, x, y, RGB(255, 255, 255)), CLR_INVALID);
            EXPECT_EQ(GetPixel(dc, x, y), CLR_INVALID);
        }
        EXPECT_TRUE(s.GuardIntact());
        win32::DeleteMemoryDC(dc);
    }
    EXPECT_EQ(GetPixel(nullptr, 0, 0), CLR_INVALID);
    EXPECT_EQ(win32::CreateMemoryDC(nullptr, 4, 4, 4, true), nullptr);
}

TEST(GdiTextTest, TextColourAndBackgroundModeReturnThePreviousValue)
{
    uint16_t pixels[4] = {};
    HDC dc = win32::CreateMemoryDC(pixels, 2, 2, 2, true);
    EXPECT_EQ(SetTextColor(dc, RGB(10, 100, 10)), RGB(0, 0, 0));
    EXPECT_EQ(SetTextColor(dc, RGB(1, 2, 3)), RGB(10, 100, 10));
    EXPECT_EQ(SetBkMode(dc, TRANSPARENT), OPAQUE);
    EXPECT_EQ(SetBkMode(dc, 7), 0);
    EXPECT_EQ(SetBkMode(dc, OPAQUE), TRANSPARENT);
    win32::DeleteMemoryDC(dc);
}

TEST(GdiTextTest, TransparentTextChangesOnlyGlyphPixels)
{
    const uint16_t red = 0xF800, green = win32::PackColour(RGB(10, 100, 10), true);
    Surface s(80, 30, true, red);
    DrawText(s, 2, 3, "100", RGB(10, 100, 10), TRANSPARENT);
    int strokes = Count(s, green);
    EXPECT_GT(strokes, 10);
    EXPECT_EQ(strokes + Count(s, red), 80 * 30);
    // Nothing left of or above the text's corner.
    EXPECT_EQ(Count(s, green, 0, 0, 2, 30), 0);
    EXPECT_EQ(Count(s, green, 0, 0, 80, 3), 0);
    EXPECT_TRUE(s.GuardIntact());
}

TEST(GdiTextTest, OpaqueTextFillsItsBoxWithTheBackground)
{
    const uint16_t red = 0xF800, white = 0xFFFF, black = 0;
    Surface s(80, 30, true, red);
    DrawText(s, 5, 4, "240", RGB(0, 0, 0), OPAQUE);
    EXPECT_GT(Count(s, black), 10);
    EXPECT_GT(Count(s, white), 10);
    EXPECT_EQ(s.at(5, 4), white);  // the box's corner, above the digits
    EXPECT_EQ(s.at(4, 4), red);
    EXPECT_EQ(s.at(5, 3), red);
    EXPECT_EQ(Count(s, black) + Count(s, white) + Count(s, red), 80 * 30);
}

TEST(GdiTextTest, DrawsOnlyTheGivenBytes)
{
    Surface whole(60, 20, false, 0x7FFF), part(60, 20, false, 0x7FFF);
    DrawText(whole, 1, 1, testhooks::Cp949("가"), RGB(255, 0, 0), TRANSPARENT);
    DrawText(part, 1, 1, testhooks::Cp949("가나다"), RGB(255, 0, 0), TRANSPARENT, 2);
    EXPECT_GT(Count(part, 0x7C00), 0);  // exactly red in RGB555
    EXPECT_EQ(whole.memory, part.memory);
}

TEST(GdiTextTest, TextIsClippedToTheSurface)
{
    Surface s(30, 12, true, 0xFFFF);
    DrawText(s, -6, -5, "1234", RGB(0, 0, 0), OPAQUE);
    DrawText(s, 22, 6, "5678", RGB(0, 0, 0), OPAQUE);
    DrawText(s, 100, 100, "9", RGB(0, 0, 0), OPAQUE);
    EXPECT_GT(Count(s, 0, 0, 0, 10, 6), 0);
    EXPECT_GT(Count(s, 0, 22, 6, 30, 12), 0);
    EXPECT_TRUE(s.GuardIntact());
}
