// Window handles, window rectangles and presenting onto a window's front
// image, checked in a real (offscreen) window.
#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QWidget>

#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "testing/Testing.h"
#include "win32/Gdi.h"
#include "win32/Window.h"

namespace {

const QColor kBackground(0, 0, 255);

// A shown top-level window with a child at (20, 30).
struct TestWindow {
    QWidget main;
    QWidget* child;

    TestWindow()
    {
        main.setAutoFillBackground(true);
        QPalette palette = main.palette();
        palette.setColor(QPalette::Window, kBackground);
        main.setPalette(palette);
        main.resize(200, 150);
        main.move(100, 80);
        child = new QWidget(&main);
        child->setGeometry(20, 30, 60, 40);
        main.show();
        QApplication::processEvents();
    }
};

// A block of 16-bit pixels whose every pixel differs from its neighbours.
struct Pixels {
    int width, height, pitch;
    std::vector<uint16_t> data;

    Pixels(int w, int h, int p) : width(w), height(h), pitch(p), data(static_cast<size_t>(p) * h)
    {
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) data[y * p + x] = static_cast<uint16_t>(0x0841 * (x % 7) + 0x1000 * (y % 5) + 1);
        }
    }
    uint16_t at(int x, int y) const { return data[y * pitch + x]; }
};

uint32_t Argb(uint16_t pixel, bool is565)
{
    COLORREF c = win32::UnpackColour(pixel, is565);
    return 0xFF000000u | (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

RECT ScreenRectAt(QWidget& window, int x, int y, int width, int height)
{
    QPoint origin = window.mapToGlobal(QPoint(x, y));
    return RECT{origin.x(), origin.y(), origin.x() + width, origin.y() + height};
}

class Win32WindowTest : public ::testing::Test {
protected:
    void SetUp() override { testhooks::ResetAll(); }
};

}  // namespace

TEST_F(Win32WindowTest, HandlesNameWidgetsWhileTheyLive)
{
    EXPECT_EQ(win32::HandleOf(nullptr), nullptr);
    EXPECT_EQ(win32::WidgetOf(nullptr), nullptr);
    EXPECT_FALSE(IsWindow(nullptr));

    auto first = std::make_unique<QWidget>();
    HWND handle = win32::HandleOf(first.get());
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(win32::HandleOf(first.get()), handle);
    EXPECT_EQ(win32::WidgetOf(handle), first.get());
    EXPECT_TRUE(IsWindow(handle));

    auto other = std::make_unique<QWidget>();
    EXPECT_NE(win32::HandleOf(other.get()), handle);

    first.reset();
    EXPECT_EQ(win32::WidgetOf(handle), nullptr);
    EXPECT_FALSE(IsWindow(handle));
    RECT rect{1, 2, 3, 4};
    EXPECT_FALSE(GetWindowRect(handle, &rect));

    // A widget made where the old one was gets a handle of its own.
    auto second = std::make_unique<QWidget>();
    EXPECT_NE(win32::HandleOf(second.get()), handle);
    EXPECT_EQ(win32::WidgetOf(handle), nullptr);

    const uint16_t pixel = 0xFFFF;
    win32::PresentToWindow(handle, RECT{0, 0, 1, 1}, &pixel, 1, true);  // nothing to do
}

TEST_F(Win32WindowTest, WindowRectIsInScreenCoordinates)
{
    TestWindow window;
    RECT rect;
    ASSERT_TRUE(GetWindowRect(win32::HandleOf(window.child), &rect));
    QPoint origin = window.main.mapToGlobal(QPoint(20, 30));
    EXPECT_EQ(rect.left, origin.x());
    EXPECT_EQ(rect.top, origin.y());
    EXPECT_EQ(rect.right - rect.left, 60);
    EXPECT_EQ(rect.bottom - rect.top, 40);

    ASSERT_TRUE(GetWindowRect(win32::HandleOf(&window.main), &rect));
    QRect frame = window.main.frameGeometry();
    EXPECT_EQ(rect.left, frame.left());
    EXPECT_EQ(rect.top, frame.top());
    EXPECT_EQ(rect.right, frame.left() + frame.width());
    EXPECT_EQ(rect.bottom, frame.top() + frame.height());
}

TEST_F(Win32WindowTest, PresentedPixelsShowInTheWindowAtTheirPlace)
{
    for (bool is565 : {true, false}) {
        SCOPED_TRACE(is565 ? "RGB565" : "RGB555");
        TestWindow window;
        Pixels pixels(60, 40, 64);
        RECT rect;
        ASSERT_TRUE(GetWindowRect(win32::HandleOf(window.child), &rect));
        win32::PresentToWindow(win32::HandleOf(&window.main), rect, pixels.data.data(),
                               pixels.pitch, is565);

        QImage shown = window.main.grab().toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(shown.size(), QSize(200, 150));
        for (int y = 0; y < 40; ++y) {
            for (int x = 0; x < 60; ++x) {
                ASSERT_EQ(shown.pixel(20 + x, 30 + y), Argb(pixels.at(x, y), is565))
                    << x << "," << y;
            }
        }
        // Around the block the window shows itself.
        EXPECT_EQ(QColor(shown.pixel(19, 30)), kBackground);
        EXPECT_EQ(QColor(shown.pixel(80, 69)), kBackground);
        EXPECT_EQ(QColor(shown.pixel(50, 70)), kBackground);
        uint32_t front = 1;
        ASSERT_TRUE(win32::FrontImagePixel(win32::HandleOf(&window.main), 19, 30, &front));
        EXPECT_EQ(front, 0u);
        ASSERT_TRUE(win32::FrontImagePixel(win32::HandleOf(&window.main), 79, 69, &front));
        EXPECT_EQ(front, Argb(pixels.at(59, 39), is565));
    }
}

TEST_F(Win32WindowTest, PresentingIsClippedToTheWindow)
{
    TestWindow window;
    HWND main = win32::HandleOf(&window.main);
    // Hangs over every edge of the 200 x 150 window by 10 pixels.
    Pixels pixels(220, 170, 230);
    win32::PresentToWindow(main, ScreenRectAt(window.main, -10, -10, 220, 170),
                           pixels.data.data(), pixels.pitch, true);

    QImage shown = window.main.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    for (auto [x, y] : {std::pair{0, 0}, {199, 0}, {0, 149}, {199, 149}, {57, 93}}) {
        EXPECT_EQ(shown.pixel(x, y), Argb(pixels.at(x + 10, y + 10), true)) << x << "," << y;
    }
    uint32_t front = 0;
    EXPECT_FALSE(win32::FrontImagePixel(main, 200, 0, &front));
    EXPECT_FALSE(win32::FrontImagePixel(main, 0, -1, &front));

    // Wholly outside: nothing changes.
    Pixels other(5, 5, 5);
    win32::PresentToWindow(main, ScreenRectAt(window.main, 200, 150, 5, 5), other.data.data(), 5,
                           true);
    win32::PresentToWindow(main, ScreenRectAt(window.main, -5, 20, 5, 5), other.data.data(), 5,
                           true);
    ASSERT_TRUE(win32::FrontImagePixel(main, 0, 20, &front));
    EXPECT_EQ(front, Argb(pixels.at(10, 30), true));
}

TEST_F(Win32WindowTest, FrontImageStaysOnTopAndFollowsTheWindowsSize)
{
    TestWindow window;
    HWND main = win32::HandleOf(&window.main);
    Pixels pixels(30, 30, 30);
    win32::PresentToWindow(main, ScreenRectAt(window.main, 150, 100, 30, 30), pixels.data.data(),
                           30, true);

    // A child made afterwards over the same place does not hide the image.
    auto* cover = new QWidget(&window.main);
    cover->setAutoFillBackground(true);
    cover->setGeometry(140, 90, 60, 60);
    cover->show();
    QApplication::processEvents();
    QImage shown = window.main.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(shown.pixel(155, 105), Argb(pixels.at(5, 5), true));

    window.main.resize(260, 190);
    QApplication::processEvents();
    uint32_t front = 1;
    ASSERT_TRUE(win32::FrontImagePixel(main, 250, 180, &front));
    EXPECT_EQ(front, 0u);
    ASSERT_TRUE(win32::FrontImagePixel(main, 179, 129, &front));
    EXPECT_EQ(front, Argb(pixels.at(29, 29), true));
    shown = window.main.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(shown.pixel(179, 129), Argb(pixels.at(29, 29), true));
}
