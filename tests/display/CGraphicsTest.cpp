// The display object's start-up and failure reports, the error names, the presentation (the
// editor's preview tests follow the windowed one as the dialog moves), pixel packing and the
// colour-key probe.
#include <QImage>

#include <ostream>
#include <string>

#include "ColorKey.h"
#include "DDErrorNames.h"
#include "DisplayFixture.h"

namespace {

using testhooks::ShownMessageBoxes;
using LiveObjects = std::array<int, 3>;

// One start-up that fails: the DirectDraw call made to fail (or "no caches",
// "no target"), the box expected and what exists right then.
struct StartFailure {
    const char* operation;
    int skip;
    HRESULT hr;
    const char *text, *caption;  // caption kFull: a full-screen start-up
    LiveObjects live;
};

constexpr const char* kInit = "InitializeGraphics";
constexpr const char* kWin = "CreateWindowScreen";
constexpr const char* kFull = "CreateFullScreen";

const StartFailure kStartFailures[] = {
    {"no caches", 0, DD_OK, "Missing Caches", kInit, {0, 0, 0}},
    {"DirectDrawCreateEx", 0, DDERR_NODIRECTDRAWHW, "DDERR_NODIRECTDRAWHW", kInit, {0, 0, 0}},
    {"no target", 0, DD_OK, "DDERR_INVALIDPARAMS", kWin, {1, 1, 0}},
    {"SetCooperativeLevel", 0, DDERR_NOCOOPERATIVELEVELSET, "DDERR_NOCOOPERATIVELEVELSET", kWin, {1, 0, 0}},
    {"CreateSurface", 0, DDERR_PRIMARYSURFACEALREADYEXISTS, "DDERR_PRIMARYSURFACEALREADYEXISTS", kWin, {1, 0, 0}},
    {"CreateSurface", 1, DDERR_OUTOFVIDEOMEMORY, "DDERR_OUTOFVIDEOMEMORY", kWin, {1, 1, 0}},
    {"CreateClipper", 0, E_OUTOFMEMORY, "DDERR_OUTOFMEMORY", kWin, {1, 2, 0}},
    {"SetHWnd", 0, DDERR_CLIPPERISUSINGHWND, "DDERR_CLIPPERISUSINGHWND", kWin, {1, 2, 1}},
    {"SetClipper", 0, E_INVALIDARG, "DDERR_INVALIDPARAMS", kWin, {1, 2, 1}},
    {"SetCooperativeLevel", 0, DDERR_EXCLUSIVEMODEALREADYSET, "DDERR_EXCLUSIVEMODEALREADYSET", kFull, {1, 0, 0}},
    {"SetDisplayMode", 0, DDERR_INVALIDMODE, "DDERR_INVALIDMODE", kFull, {1, 0, 0}},
    {"CreateSurface", 0, DDERR_NOFLIPHW, "DDERR_NOFLIPHW", kFull, {1, 0, 0}},
    // The flip chain, back buffer included, stays with its primary.
    {"GetAttachedSurface", 0, DDERR_NOTFOUND, "DDERR_NOTFOUND", kFull, {1, 2, 0}},
};

void PrintTo(const StartFailure& f, std::ostream* os) { *os << f.caption << ", " << f.operation; }

class StartFailureTest : public DisplayTest, public ::testing::WithParamInterface<StartFailure> {};

TEST_P(StartFailureTest, ShowsOneBoxAndLeavesOnlyWhatWasMade)
{
    const StartFailure& f = GetParam();
    const std::string op = f.operation;
    if (op != "no caches" && op != "no target")
        testhooks::FailDirectDraw(op, f.hr, f.skip);
    gfx.emplace();
    if (op != "no caches")
        gfx->SetCaches(hWnd(), op == "no target" ? nullptr : hWndTarget(), std::string(f.caption) == kFull, 640, 480, 16);
    EXPECT_FALSE(gfx->InitializeGraphics());
    EXPECT_FALSE(gfx->m_ready);
    EXPECT_EQ(Live(), f.live);  // and the destructor releases just these (TearDown)
    ASSERT_EQ(ShownMessageBoxes().size(), 1u);
    const testhooks::ShownMessageBox& box = ShownMessageBoxes()[0];
    EXPECT_EQ(box.text, f.text);
    EXPECT_EQ(box.caption, f.caption);
    EXPECT_EQ(box.owner, op == "no caches" ? nullptr : hWnd());
    EXPECT_EQ(box.type, MB_OK | MB_ICONHAND);
}

INSTANTIATE_TEST_SUITE_P(Display, StartFailureTest, ::testing::ValuesIn(kStartFailures));

// The main window as presented, read back as RGB565.
WORD Shown(const QImage& shot, int x, int y)
{
    const QRgb c = shot.pixel(x, y);
    return WORD(((qRed(c) >> 3) << 11) | ((qGreen(c) >> 2) << 5) | (qBlue(c) >> 3));
}

TEST_F(DisplayTest, FullScreenMakesNoClipperAndShowsTheCachedSizeInTheMainWindow)
{
    ASSERT_TRUE(Start(TRUE));
    EXPECT_TRUE(gfx->m_ready);
    EXPECT_EQ(Live(), (LiveObjects{1, 2, 0}));  // no clipper
    EXPECT_EQ(gfx->m_back->AddRef(), 3u);  // held by the primary and by the display object
    gfx->m_back->Release();
    // The back buffer has the mode's size, not the target's; the smaller main window shows its top left.
    ASSERT_TRUE(gfx->LockBackBuffer());
    ASSERT_TRUE(gfx->m_ddsd.dwWidth == 640u && gfx->m_ddsd.dwHeight == 480u);
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x)
            gfx->m_bits[y * gfx->m_pitch + x] = WORD(x * 3 + y * 1000);
    gfx->UnlockBackBuffer();
    gfx->Present();
    QApplication::processEvents();
    const QImage shot = main.grab().toImage();
    for (int y = 0; y < main.height(); ++y)
        for (int x = 0; x < main.width(); ++x)
            ASSERT_EQ(Shown(shot, x, y), WORD(x * 3 + y * 1000)) << x << ", " << y;
}

TEST(DDErrorNames, KnownValuesGiveTheirNameAndOthersUnknownError)
{
    const std::pair<HRESULT, const char*> known[] = {
        {E_FAIL, "DDERR_GENERIC"}, {E_NOTIMPL, "DDERR_UNSUPPORTED"}, {CO_E_NOTINITIALIZED, "DDERR_NOTINITIALIZED"},
        {MAKE_DDHRESULT(5), "DDERR_ALREADYINITIALIZED"}, {MAKE_DDHRESULT(150), "DDERR_INVALIDRECT"},
        {MAKE_DDHRESULT(384), "DDERR_OVERLAYCOLORKEYONLYONEACTIVE"}, {MAKE_DDHRESULT(540), "DDERR_WASSTILLDRAWING"},
        {MAKE_DDHRESULT(680), "DDERR_NOTPAGELOCKED"}};
    for (const auto& [hr, name] : known)
        EXPECT_STREQ(DDErrorName(hr), name);

    for (HRESULT hr : {DD_OK, DD_FALSE, E_FAIL + 1, MAKE_DDHRESULT(181), MAKE_DDHRESULT(270),
                       MAKE_DDHRESULT(542), MAKE_DDHRESULT(600), MAKE_DDHRESULT(700)})
        EXPECT_STREQ(DDErrorName(hr), "Unknown Error") << hr;

    // Exactly 95 of DirectDraw's own codes are named, each once.
    int named = 0;
    for (int code = 0; code < 0x1000; ++code)
        named += std::string(DDErrorName(MAKE_DDHRESULT(code))) != "Unknown Error";
    EXPECT_EQ(named, 95);
}

TEST_F(DisplayTest, FailedFillAndPresentationRestoreSilentlyAndTheNextShowsOnTheTargetOnly)
{
    ASSERT_TRUE(Start());
    testhooks::ResetDirectDrawCalls();
    testhooks::FailDirectDraw("Blt", DDERR_SURFACELOST, 0, 2);
    gfx->ClearBackBuffer(255, 255, 255);
    EXPECT_EQ(testhooks::DirectDrawCalls("Restore"), 1);
    gfx->Present();
    EXPECT_EQ(testhooks::DirectDrawCalls("Restore"), 3);  // primary, then back buffer
    EXPECT_TRUE(ShownMessageBoxes().empty());

    // Once the surfaces answer again, the back buffer covers the target exactly: the rest of the
    // main window looks as it did before.
    QApplication::processEvents();
    const QImage before = main.grab().toImage();
    gfx->ClearBackBuffer(255, 0, 0);
    gfx->Present();
    QApplication::processEvents();
    const QImage shot = main.grab().toImage();
    const QRect onTarget(kTargetX, kTargetY, W, H);
    const WORD red = 0xF800;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            ASSERT_EQ(Shown(shot, x, y), onTarget.contains(x, y) ? red : Shown(before, x, y)) << x << ", " << y;
}

// The format is probed through a lock of the back buffer. When that lock fails the display
// writes nothing through it and still starts, silently, taking the common RGB565: on such a
// display the frame is right.
TEST_F(DisplayTest, DisplayWhoseProbeCannotLockStartsAsRGB565)
{
    testhooks::FailDirectDraw("Lock", DDERR_SURFACEBUSY);
    ASSERT_TRUE(Start());
    EXPECT_TRUE(gfx->m_ready);
    EXPECT_TRUE(ShownMessageBoxes().empty());
    gfx->ClearBackBuffer(255, 0, 0);
    EXPECT_EQ(BackPixels(), std::vector<WORD>(W * H, 0xF800));
}

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
    const struct { WORD r, g, b, want565, want555; } colours[] = {
        {255, 255, 255, 0xFFFF, 0x7FFF}, {8, 4, 8, 0x0821, 0x0401}, {255, 0, 0, 0xF800, 0x7C00}, {0, 0, 0, 0, 0},
        {7, 3, 7, 0, 0},  // near black packs to the transparent value
    };
    for (const auto& c : colours) {
        SCOPED_TRACE(::testing::Message() << c.r << ", " << c.g << ", " << c.b);
        const WORD want = is565 ? c.want565 : c.want555;
        gfx->ClearBackBuffer(c.r, c.g, c.b);
        EXPECT_EQ(BackPixels(), std::vector<WORD>(W * H, want));
        EXPECT_EQ(MatchSurfaceColor(tiny, RGB(c.r, c.g, c.b)), want);
        EXPECT_EQ(testhooks::ReadSurface(tiny).pixels, std::vector<WORD>{SourcePixel(0, 0)});
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
        const char* fault; HRESULT hr; int times; COLORREF colour; DWORD want; const char* counted; int calls;
    } cases[] = {
        {nullptr, DD_OK, 0, CLR_INVALID, SourcePixel(0, 0), "GetDC", 0},  // no colour: the pixel as it is
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
        EXPECT_EQ(testhooks::ReadSurface(surface).pixels.at(0), SourcePixel(0, 0));  // pixel (0, 0) kept
    }
    surface->Release();
}

}  // namespace
