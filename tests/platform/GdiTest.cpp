// Colour packing, and text through a device context over 16-bit memory.
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "win32/Gdi.h"

namespace {

const uint16_t kGuard = 0xA5A5;

// A width x height RGB565 surface inside memory of a wider pitch and with a guard
// row below; everything outside the surface holds kGuard.
struct Surface {
    int width, height, pitch;
    std::vector<uint16_t> memory;

    Surface(int w, int h, uint16_t fill)
        : width(w), height(h), pitch(w + 6), memory(size_t(pitch) * (h + 1), kGuard)
    {
        for (int y = 0; y < h; ++y)
            std::fill_n(&at(0, y), w, fill);
    }
    uint16_t& at(int x, int y) { return memory[y * pitch + x]; }
    bool GuardIntact() const
    {
        for (int y = 0; y <= height; ++y)
            for (int x = 0; x < pitch; ++x)
                if ((y == height || x >= width) && memory[y * pitch + x] != kGuard) return false;
        return true;
    }
    // Draws transparent text with a fresh context and deletes it, as
    // GetDC/ReleaseDC do.
    void Text(int x, int y, const std::string& text, COLORREF colour)
    {
        HDC dc = win32::CreateMemoryDC(memory.data(), width, height, pitch, true);
        ASSERT_NE(dc, nullptr);
        SetTextColor(dc, colour);
        SetBkMode(dc, TRANSPARENT);
        EXPECT_TRUE(TextOutA(dc, x, y, text.c_str(), int(text.size())));
        win32::DeleteMemoryDC(dc);
    }
    // How many pixels of the rectangle hold pixel; the whole surface by default.
    int Count(uint16_t pixel, int x0 = 0, int y0 = 0, int x1 = -1, int y1 = -1)
    {
        int count = 0;
        for (int y = y0; y < (y1 < 0 ? height : y1); ++y)
            for (int x = x0; x < (x1 < 0 ? width : x1); ++x) count += at(x, y) == pixel;
        return count;
    }
};

}  // namespace

TEST(GdiTest, PacksAndUnpacksBothFormats)
{
    EXPECT_EQ(win32::PackColour(RGB(255, 255, 255), true), 0xFFFF);
    EXPECT_EQ(win32::PackColour(RGB(255, 255, 255), false), 0x7FFF);
    EXPECT_EQ(win32::PackColour(RGB(8, 4, 8), true), 0x0821);
    EXPECT_EQ(win32::PackColour(RGB(8, 4, 8), false), 0x0401);
    EXPECT_EQ(win32::PackColour(RGB(7, 3, 7), true), 0);
    EXPECT_EQ(win32::PackColour(RGB(7, 7, 7), false), 0);
    EXPECT_EQ(win32::UnpackColour(0xFFFF, true), RGB(255, 255, 255));
    EXPECT_EQ(win32::UnpackColour(0x7FFF, false), RGB(255, 255, 255));
    for (unsigned p = 0; p <= 0xFFFF; ++p) {
        ASSERT_EQ(win32::PackColour(win32::UnpackColour(p, true), true), p) << p;
        if (p <= 0x7FFF) {
            ASSERT_EQ(win32::PackColour(win32::UnpackColour(p, false), false), p) << p;
        }
    }
}

TEST(GdiTest, TextChangesOnlyGlyphPixelsWithinTheSurface)
{
    const uint16_t red = 0xF800, green = win32::PackColour(RGB(10, 100, 10), true);
    Surface s(80, 30, red);
    s.Text(2, 3, "100", RGB(10, 100, 10));
    EXPECT_GT(s.Count(green), 10);
    EXPECT_EQ(s.Count(green) + s.Count(red), 80 * 30);
    EXPECT_EQ(s.Count(green, 0, 0, 2, 30) + s.Count(green, 0, 0, 80, 3), 0);


    // Across every edge, and wholly outside.
    Surface edges(30, 12, 0xFFFF);
    edges.Text(-6, -5, "1234", RGB(0, 0, 0));
    edges.Text(22, 6, "5678", RGB(0, 0, 0));
    edges.Text(100, 100, "9", RGB(0, 0, 0));
    EXPECT_GT(edges.Count(0, 0, 0, 10, 6), 0);
    EXPECT_GT(edges.Count(0, 22, 6, 30, 12), 0);
    EXPECT_TRUE(edges.GuardIntact());
}
