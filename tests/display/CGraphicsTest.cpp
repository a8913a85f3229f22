// The display object's start-up, its failure reports and what it leaves
// behind, the error names, the pixel packing, and the presentation into a
// real window.
#include <QImage>
#include <QPoint>

#include <ostream>
#include <string>

#include "ColorKey.h"
#include "DDErrorNames.h"
#include "DisplayFixture.h"

namespace {

constexpr int W = 200;
constexpr int H = 120;

using testhooks::ShownMessageBoxes;

struct LiveObjects {
    int dd, surfaces, clippers;
};

LiveObjects Live()
{
    return {testhooks::LiveDirectDrawObjects(), testhooks::LiveSurfaces(),
            testhooks::LiveClippers()};
}

class GraphicsTest : public DisplayTest {
protected:
    PreviewWindow window{W, H};
};

// ---- Start-up ------------------------------------------------------------

TEST_F(GraphicsTest, WithoutCachesItRefusesWithABoxWithoutOwner)
{
    {
        CGraphics gfx;
        gfx.UpdateScreenRect();  // nothing to read yet
        EXPECT_EQ(gfx.m_windowRect.right, 0);
        EXPECT_FALSE(gfx.InitializeGraphics());
        EXPECT_FALSE(gfx.m_ready);
        EXPECT_EQ(gfx.m_dd, nullptr);
    }
    EXPECT_EQ(testhooks::DirectDrawCallsTotal(), 0);
    ASSERT_EQ(ShownMessageBoxes().size(), 1u);
    const testhooks::ShownMessageBox& box = ShownMessageBoxes()[0];
    EXPECT_EQ(box.text, "Missing Caches");
    EXPECT_EQ(box.caption, "InitializeGraphics");
    EXPECT_EQ(box.owner, nullptr);
    EXPECT_EQ(box.icon(), MB_ICONHAND);
    EXPECT_EQ(box.buttons(), MB_OK);
}

TEST_F(GraphicsTest, WindowedStartUpTakesTheTargetsSizeAndPlace)
{
    {
        CGraphics gfx;
        gfx.SetCaches(window.hWnd(), window.hWndTarget(), FALSE, 640, 480, 16);
        ASSERT_TRUE(gfx.InitializeGraphics());
        EXPECT_TRUE(gfx.m_ready);
        EXPECT_TRUE(gfx.m_is565);
        EXPECT_EQ(gfx.m_width, W);
        EXPECT_EQ(gfx.m_height, H);
        EXPECT_EQ(gfx.m_screenRect.right, 640);
        EXPECT_EQ(gfx.m_screenRect.bottom, 480);
        QPoint origin = window.target->mapToGlobal(QPoint(0, 0));
        EXPECT_EQ(gfx.m_windowRect.left, origin.x());
        EXPECT_EQ(gfx.m_windowRect.top, origin.y());
        EXPECT_EQ(gfx.m_windowRect.right, origin.x() + W);
        EXPECT_EQ(gfx.m_windowRect.bottom, origin.y() + H);

        // The back buffer has the viewport's size, and the format probe left
        // 0xFFFF in its first pixel.
        ASSERT_TRUE(gfx.LockBackBuffer());
        EXPECT_EQ(gfx.m_ddsd.dwWidth, DWORD(W));
        EXPECT_EQ(gfx.m_ddsd.dwHeight, DWORD(H));
        EXPECT_EQ(gfx.m_pitch, gfx.m_ddsd.lPitch / 2);
        EXPECT_EQ(gfx.m_bits[0], 0xFFFF);
        gfx.UnlockBackBuffer();

        LiveObjects live = Live();
        EXPECT_EQ(live.dd, 1);
        EXPECT_EQ(live.surfaces, 2);
        EXPECT_EQ(live.clippers, 1);
    }
    EXPECT_TRUE(ShownMessageBoxes().empty());
    LiveObjects after = Live();
    EXPECT_EQ(after.dd + after.surfaces + after.clippers, 0);
}

TEST_F(GraphicsTest, FullScreenStartUpMakesNoClipper)
{
    {
        CGraphics gfx;
        gfx.SetCaches(window.hWnd(), window.hWndTarget(), TRUE, 640, 480, 16);
        ASSERT_TRUE(gfx.InitializeGraphics());
        EXPECT_TRUE(gfx.m_ready);
        EXPECT_NE(gfx.m_back, nullptr);
        EXPECT_EQ(gfx.m_clipper, nullptr);
        EXPECT_EQ(testhooks::LiveClippers(), 0);
        // The mode, and so the back buffer, has the size given to SetCaches,
        // not the target's.
        ASSERT_TRUE(gfx.LockBackBuffer());
        EXPECT_EQ(gfx.m_ddsd.dwWidth, 640u);
        EXPECT_EQ(gfx.m_ddsd.dwHeight, 480u);
        gfx.UnlockBackBuffer();
    }
    EXPECT_TRUE(ShownMessageBoxes().empty());
    LiveObjects after = Live();
    EXPECT_EQ(after.dd + after.surfaces + after.clippers, 0);
}

// One failing DirectDraw call during start-up: the call, which of its calls
// fails, the result it gives, the box expected and what must exist then.
struct StartFailure {
    const char* operation;
    int skip;
    HRESULT hr;
    BOOL fullScreen;
    const char* text;
    const char* caption;
    LiveObjects live;  // surfaces -1: not checked (the flip chain is the platform's)
};

void PrintTo(const StartFailure& f, std::ostream* os)
{
    *os << f.caption << "/" << f.operation << "#" << f.skip;
}

class StartFailureTest : public GraphicsTest,
                         public ::testing::WithParamInterface<StartFailure> {};

TEST_P(StartFailureTest, ShowsOneBoxAndLeavesOnlyWhatWasMade)
{
    const StartFailure& f = GetParam();
    testhooks::FailDirectDraw(f.operation, f.hr, f.skip);
    {
        CGraphics gfx;
        gfx.SetCaches(window.hWnd(), window.hWndTarget(), f.fullScreen, 640, 480, 16);
        EXPECT_FALSE(gfx.InitializeGraphics());
        EXPECT_FALSE(gfx.m_ready);
        EXPECT_EQ(gfx.m_hr, f.hr);

        LiveObjects live = Live();
        EXPECT_EQ(live.dd, f.live.dd);
        if (f.live.surfaces >= 0) {
            EXPECT_EQ(live.surfaces, f.live.surfaces);
        }
        EXPECT_EQ(live.clippers, f.live.clippers);
    }
    ASSERT_EQ(ShownMessageBoxes().size(), 1u);
    const testhooks::ShownMessageBox& box = ShownMessageBoxes()[0];
    EXPECT_EQ(box.text, f.text);
    EXPECT_EQ(box.caption, f.caption);
    EXPECT_EQ(box.owner, window.hWnd());
    EXPECT_EQ(box.icon(), MB_ICONHAND);
    EXPECT_EQ(box.buttons(), MB_OK);

    // The destructor released exactly what existed: nothing is left, and
    // nothing was released twice (the sanitizer run would catch that).
    LiveObjects after = Live();
    EXPECT_EQ(after.dd, 0);
    EXPECT_EQ(after.surfaces, 0);
    EXPECT_EQ(after.clippers, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Display, StartFailureTest,
    ::testing::Values(
        StartFailure{"DirectDrawCreateEx", 0, DDERR_NODIRECTDRAWHW, FALSE,
                     "DDERR_NODIRECTDRAWHW", "InitializeGraphics", {0, 0, 0}},
        StartFailure{"SetCooperativeLevel", 0, DDERR_NOCOOPERATIVELEVELSET, FALSE,
                     "DDERR_NOCOOPERATIVELEVELSET", "CreateWindowScreen", {1, 0, 0}},
        StartFailure{"CreateSurface", 0, DDERR_PRIMARYSURFACEALREADYEXISTS, FALSE,
                     "DDERR_PRIMARYSURFACEALREADYEXISTS", "CreateWindowScreen", {1, 0, 0}},
        StartFailure{"CreateSurface", 1, DDERR_OUTOFVIDEOMEMORY, FALSE,
                     "DDERR_OUTOFVIDEOMEMORY", "CreateWindowScreen", {1, 1, 0}},
        StartFailure{"CreateClipper", 0, E_OUTOFMEMORY, FALSE, "DDERR_OUTOFMEMORY",
                     "CreateWindowScreen", {1, 2, 0}},
        StartFailure{"SetHWnd", 0, DDERR_CLIPPERISUSINGHWND, FALSE,
                     "DDERR_CLIPPERISUSINGHWND", "CreateWindowScreen", {1, 2, 1}},
        StartFailure{"SetClipper", 0, E_INVALIDARG, FALSE, "DDERR_INVALIDPARAMS",
                     "CreateWindowScreen", {1, 2, 1}},
        StartFailure{"SetCooperativeLevel", 0, DDERR_EXCLUSIVEMODEALREADYSET, TRUE,
                     "DDERR_EXCLUSIVEMODEALREADYSET", "CreateFullScreen", {1, 0, 0}},
        StartFailure{"SetDisplayMode", 0, DDERR_INVALIDMODE, TRUE, "DDERR_INVALIDMODE",
                     "CreateFullScreen", {1, 0, 0}},
        StartFailure{"CreateSurface", 0, DDERR_NOFLIPHW, TRUE, "DDERR_NOFLIPHW",
                     "CreateFullScreen", {1, 0, 0}},
        StartFailure{"GetAttachedSurface", 0, DDERR_NOTFOUND, TRUE, "DDERR_NOTFOUND",
                     "CreateFullScreen", {1, -1, 0}}));

TEST_F(GraphicsTest, WithoutATargetWindowTheStartUpIsRefused)
{
    CGraphics gfx;
    gfx.SetCaches(window.hWnd(), nullptr, FALSE, 640, 480, 16);
    EXPECT_FALSE(gfx.InitializeGraphics());
    EXPECT_EQ(gfx.m_width, 0);
    ASSERT_EQ(ShownMessageBoxes().size(), 1u);
    EXPECT_EQ(ShownMessageBoxes()[0].caption, "CreateWindowScreen");
    EXPECT_EQ(ShownMessageBoxes()[0].text, "DDERR_INVALIDPARAMS");
}

// ---- Error names -----------------------------------------------------------

TEST(DDErrorNames, KnownValuesGiveTheirNameAndOthersUnknownError)
{
    EXPECT_STREQ(DDErrorName(E_FAIL), "DDERR_GENERIC");
    EXPECT_STREQ(DDErrorName(E_NOTIMPL), "DDERR_UNSUPPORTED");
    EXPECT_STREQ(DDErrorName(CO_E_NOTINITIALIZED), "DDERR_NOTINITIALIZED");
    EXPECT_STREQ(DDErrorName(MAKE_DDHRESULT(5)), "DDERR_ALREADYINITIALIZED");
    EXPECT_STREQ(DDErrorName(MAKE_DDHRESULT(150)), "DDERR_INVALIDRECT");
    EXPECT_STREQ(DDErrorName(MAKE_DDHRESULT(384)), "DDERR_OVERLAYCOLORKEYONLYONEACTIVE");
    EXPECT_STREQ(DDErrorName(MAKE_DDHRESULT(540)), "DDERR_WASSTILLDRAWING");
    EXPECT_STREQ(DDErrorName(MAKE_DDHRESULT(680)), "DDERR_NOTPAGELOCKED");

    EXPECT_STREQ(DDErrorName(DD_OK), "Unknown Error");
    EXPECT_STREQ(DDErrorName(DD_FALSE), "Unknown Error");
    EXPECT_STREQ(DDErrorName(E_FAIL + 1), "Unknown Error");
    for (int code : {181, 182, 270, 521, 542, 600, 601, 602, 603, 630, 690, 700})
        EXPECT_STREQ(DDErrorName(MAKE_DDHRESULT(code)), "Unknown Error") << code;

    // Exactly 95 of DirectDraw's own codes are named, each once.
    int named = 0;
    for (int code = 0; code < 0x1000; ++code) {
        if (std::string(DDErrorName(MAKE_DDHRESULT(code))) != "Unknown Error")
            ++named;
    }
    EXPECT_EQ(named, 95);
}

TEST_F(GraphicsTest, ReportShowsTheBareNameOwnedByTheMainWindow)
{
    CGraphics gfx;
    gfx.SetCaches(window.hWnd(), window.hWndTarget(), FALSE, 640, 480, 16);
    gfx.ReportDDError(MAKE_DDHRESULT(270), "CreateWindowScreen");
    gfx.ReportDDError(MAKE_DDHRESULT(150), "Caption");
    ASSERT_EQ(ShownMessageBoxes().size(), 2u);
    EXPECT_EQ(ShownMessageBoxes()[0].text, "Unknown Error");
    EXPECT_EQ(ShownMessageBoxes()[0].caption, "CreateWindowScreen");
    EXPECT_EQ(ShownMessageBoxes()[1].text, "DDERR_INVALIDRECT");
    EXPECT_EQ(ShownMessageBoxes()[1].caption, "Caption");
    EXPECT_EQ(ShownMessageBoxes()[1].owner, window.hWnd());
    EXPECT_EQ(ShownMessageBoxes()[1].type, MB_ICONHAND);
}

// ---- Pixel packing -----------------------------------------------------------

class PackingTest : public GraphicsTest, public ::testing::WithParamInterface<bool> {};

TEST_P(PackingTest, FillsAndKeysInTheDetectedFormat)
{
    const bool is565 = GetParam();
    testhooks::SetDisplayFormat565(is565);
    CGraphics gfx;
    gfx.SetCaches(window.hWnd(), window.hWndTarget(), FALSE, 640, 480, 16);
    ASSERT_TRUE(gfx.InitializeGraphics());
    EXPECT_EQ(gfx.m_is565, is565 ? TRUE : FALSE);

    auto filledWith = [&](WORD r, WORD g, WORD b) -> int {
        gfx.ClearBackBuffer(r, g, b);
        std::vector<WORD> back = BackPixels(gfx);
        for (WORD pixel : back) {
            if (pixel != back[0])
                return -1;  // not one colour everywhere
        }
        return back.empty() ? -1 : back[0];
    };
    EXPECT_EQ(filledWith(255, 255, 255), is565 ? 0xFFFF : 0x7FFF);
    EXPECT_EQ(filledWith(8, 4, 8), is565 ? 0x0821 : 0x0401);
    EXPECT_EQ(filledWith(255, 0, 0), is565 ? 0xF800 : 0x7C00);
    EXPECT_EQ(filledWith(0, 0, 0), 0);
    EXPECT_EQ(filledWith(7, is565 ? 3 : 7, 7), 0);  // packs to the transparent value

    // The colour key probe gives the same raw values on an image surface.
    IDirectDrawSurface7* surface = gfx.CreateOffscreenSurface(8, 8, FALSE);
    ASSERT_NE(surface, nullptr);
    EXPECT_EQ(MatchSurfaceColor(surface, RGB(255, 255, 255)), is565 ? 0xFFFFu : 0x7FFFu);
    EXPECT_EQ(MatchSurfaceColor(surface, RGB(8, 4, 8)), is565 ? 0x0821u : 0x0401u);
    EXPECT_EQ(MatchSurfaceColor(surface, RGB(0, 0, 0)), 0u);
    surface->Release();
}

INSTANTIATE_TEST_SUITE_P(Display, PackingTest, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "RGB565" : "RGB555"; });

// ---- Drawing failures ----------------------------------------------------------

TEST_F(GraphicsTest, FailedFillAndPresentationRestoreAndStaySilent)
{
    CGraphics gfx;
    gfx.SetCaches(window.hWnd(), window.hWndTarget(), FALSE, 640, 480, 16);
    ASSERT_TRUE(gfx.InitializeGraphics());
    testhooks::ResetDirectDrawCalls();

    testhooks::FailDirectDraw("Blt", DDERR_SURFACELOST, 0, 2);
    gfx.ClearBackBuffer(255, 255, 255);
    EXPECT_EQ(testhooks::DirectDrawCalls("Restore"), 1);
    gfx.Present();
    EXPECT_EQ(testhooks::DirectDrawCalls("Restore"), 3);  // primary, then back buffer
    EXPECT_TRUE(ShownMessageBoxes().empty());
}

// ---- The viewport on screen -------------------------------------------------------

// The pixel of the grabbed window at (x, y), as 0xRRGGBB.
QRgb Grabbed(const QImage& image, int x, int y)
{
    return image.pixel(x, y) & 0xFFFFFF;
}

TEST_F(GraphicsTest, PresentPutsTheBackBufferAtTheTargetsPlace)
{
    CGraphics gfx;
    gfx.SetCaches(window.hWnd(), window.hWndTarget(), FALSE, 640, 480, 16);
    ASSERT_TRUE(gfx.InitializeGraphics());

    // A body colour with other colours in the top left and bottom right
    // corner pixels, presented and grabbed from the window.
    auto presentAndCheck = [&](WORD body, WORD topLeft, WORD bottomRight) {
        ASSERT_TRUE(gfx.LockBackBuffer());
        for (int y = 0; y < H; ++y) {
            for (int x = 0; x < W; ++x)
                gfx.m_bits[y * gfx.m_pitch + x] = body;
        }
        gfx.m_bits[0] = topLeft;
        gfx.m_bits[(H - 1) * gfx.m_pitch + W - 1] = bottomRight;
        gfx.UnlockBackBuffer();

        gfx.Present();
        QApplication::processEvents();
        QImage shot = window.main.grab().toImage();
        auto rgb = [](WORD pixel) -> QRgb {
            return (pixel == 0xF800 ? 0xFF0000u : pixel == 0x07E0 ? 0x00FF00u : 0x0000FFu);
        };
        const int x0 = PreviewWindow::kTargetX, y0 = PreviewWindow::kTargetY;
        EXPECT_EQ(Grabbed(shot, x0, y0), rgb(topLeft));
        EXPECT_EQ(Grabbed(shot, x0 + 1, y0), rgb(body));
        EXPECT_EQ(Grabbed(shot, x0 + W / 2, y0 + H / 2), rgb(body));
        EXPECT_EQ(Grabbed(shot, x0 + W - 2, y0 + H - 1), rgb(body));
        EXPECT_EQ(Grabbed(shot, x0 + W - 1, y0 + H - 1), rgb(bottomRight));
        // Nothing of the back buffer beside the target.
        for (QPoint outside : {QPoint(x0 - 1, y0), QPoint(x0, y0 - 1), QPoint(x0 + W, y0 + H - 1),
                               QPoint(x0 + W - 1, y0 + H)}) {
            QRgb pixel = Grabbed(shot, outside.x(), outside.y());
            EXPECT_TRUE(pixel != 0xFF0000u && pixel != 0x0000FFu && pixel != 0x00FF00u)
                << outside.x() << ", " << outside.y();
        }
    };
    const WORD red = 0xF800, green = 0x07E0, blue = 0x001F;
    presentAndCheck(red, blue, green);

    // The window moves: the viewport follows with its size kept, and the
    // next presentation lands at the target's new place.
    RECT before = gfx.m_windowRect;
    window.main.move(window.main.pos() + QPoint(37, 15));
    QApplication::processEvents();
    gfx.UpdateScreenRect();
    EXPECT_EQ(gfx.m_windowRect.left - before.left, 37);
    EXPECT_EQ(gfx.m_windowRect.top - before.top, 15);
    EXPECT_EQ(gfx.m_windowRect.right - before.right, 37);
    EXPECT_EQ(gfx.m_windowRect.bottom - before.bottom, 15);
    EXPECT_EQ(gfx.m_width, W);
    EXPECT_EQ(gfx.m_height, H);
    presentAndCheck(green, red, blue);
}

}  // namespace
