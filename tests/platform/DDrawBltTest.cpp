// Our DirectDraw on off-screen surfaces: rectangle rules, fills, keyed,
// mirrored and overlapping copies pixel by pixel, locks, device contexts,
// reference counts and fault injection.
#include <gtest/gtest.h>

#include <functional>
#include <tuple>
#include <vector>

#include "ddraw/DDraw.h"
#include "testing/Testing.h"

namespace {

// Distinct and never zero.
WORD Pattern(int x, int y)
{
    return static_cast<WORD>(0x100 + y * 64 + x);
}

WORD Grey(int, int)
{
    return 0x7777;
}

DDBLTFX Fx(DWORD effects, DWORD fill = 0)
{
    DDBLTFX fx{};
    fx.dwSize = sizeof fx;
    fx.dwDDFX = effects;
    fx.dwFillColor = fill;
    return fx;
}

class DDrawTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testhooks::ResetAll();
        // Counted from here, so that one failed test does not fail the next.
        m_liveSurfaces = testhooks::LiveSurfaces();
        m_liveObjects = testhooks::LiveDirectDrawObjects();
        ASSERT_EQ(DirectDrawCreateEx(nullptr, reinterpret_cast<LPVOID*>(&m_dd), IID_IDirectDraw7,
                                     nullptr),
                  DD_OK);
    }

    void TearDown() override
    {
        for (IDirectDrawSurface7* surface : m_made)
            surface->Release();
        if (m_dd)
            m_dd->Release();
        EXPECT_EQ(testhooks::LiveSurfaces(), m_liveSurfaces);
        EXPECT_EQ(testhooks::LiveDirectDrawObjects(), m_liveObjects);
        testhooks::ResetAll();
    }

    static DDSURFACEDESC2 OffScreen(DWORD width, DWORD height)
    {
        DDSURFACEDESC2 desc{};
        desc.dwSize = sizeof desc;
        desc.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
        desc.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN | DDSCAPS_SYSTEMMEMORY;
        desc.dwWidth = width;
        desc.dwHeight = height;
        return desc;
    }

    // An off-screen surface released by the fixture, its pixels set by value.
    IDirectDrawSurface7* Make(int width, int height, std::function<WORD(int, int)> value = Grey)
    {
        DDSURFACEDESC2 desc = OffScreen(width, height);
        IDirectDrawSurface7* surface = nullptr;
        EXPECT_EQ(m_dd->CreateSurface(&desc, &surface, nullptr), DD_OK);
        m_made.push_back(surface);
        EXPECT_EQ(surface->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr), DD_OK);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                Row(desc, y)[x] = value(x, y);
        surface->Unlock(nullptr);
        return surface;
    }

    static WORD* Row(const DDSURFACEDESC2& desc, int y)
    {
        return reinterpret_cast<WORD*>(static_cast<BYTE*>(desc.lpSurface) + y * desc.lPitch);
    }

    // The pixels row by row, without the pitch's padding.
    static std::vector<WORD> Pixels(IDirectDrawSurface7* surface)
    {
        DDSURFACEDESC2 desc{};
        desc.dwSize = sizeof desc;
        std::vector<WORD> pixels;
        EXPECT_EQ(surface->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr), DD_OK);
        for (DWORD y = 0; y < desc.dwHeight; ++y)
            pixels.insert(pixels.end(), Row(desc, y), Row(desc, y) + desc.dwWidth);
        surface->Unlock(nullptr);
        return pixels;
    }

    // Expected pixels of a width x height surface, by position.
    static std::vector<WORD> Expected(int width, int height, std::function<WORD(int, int)> value)
    {
        std::vector<WORD> pixels;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                pixels.push_back(value(x, y));
        return pixels;
    }

    IDirectDraw7* m_dd = nullptr;
    std::vector<IDirectDrawSurface7*> m_made;
    int m_liveSurfaces = 0;
    int m_liveObjects = 0;
};

TEST_F(DDrawTest, BadRectanglesFailAndDrawNothing)
{
    // On an 8 x 6 surface: leaving it on each side, wholly outside, empty,
    // inverted.
    const RECT bad[] = {{-1, 0, 3, 2}, {0, -1, 3, 2}, {6, 0, 9, 2},  {0, 5, 3, 7},
                        {8, 0, 10, 2}, {2, 1, 2, 3},  {2, 1, 4, 1},  {4, 1, 2, 3},
                        {2, 3, 4, 1},  {-9, -9, -5, -5}};
    IDirectDrawSurface7* source = Make(8, 6, Pattern);
    IDirectDrawSurface7* dest = Make(8, 6);
    DDCOLORKEY key{0, 0};
    source->SetColorKey(DDCKEY_SRCBLT, &key);
    DDBLTFX mirror = Fx(DDBLTFX_MIRRORLEFTRIGHT);
    DDBLTFX fill = Fx(0, 0x1234);
    for (RECT rect : bad) {
        SCOPED_TRACE(::testing::Message() << rect.left << ", " << rect.top << ", " << rect.right
                                          << ", " << rect.bottom);
        // A partner of the same size where there is one: only the bad
        // rectangle is at fault.
        const LONG w = rect.right - rect.left, h = rect.bottom - rect.top;
        RECT other = (w > 0 && h > 0 && w <= 8 && h <= 6) ? RECT{0, 0, w, h} : RECT{0, 0, 2, 2};
        EXPECT_EQ(dest->Blt(&rect, source, &other, DDBLT_WAIT, nullptr), DDERR_INVALIDRECT);
        EXPECT_EQ(dest->Blt(&other, source, &rect, DDBLT_WAIT, nullptr), DDERR_INVALIDRECT);
        EXPECT_EQ(dest->Blt(&rect, source, &other, DDBLT_KEYSRC | DDBLT_DDFX, &mirror),
                  DDERR_INVALIDRECT);
        EXPECT_EQ(dest->Blt(&rect, nullptr, nullptr, DDBLT_COLORFILL, &fill), DDERR_INVALIDRECT);
        EXPECT_EQ(dest->BltFast(0, 0, source, &rect, DDBLTFAST_WAIT), DDERR_INVALIDRECT);
    }
    // BltFast positions beyond the edge, or beyond a signed coordinate.
    RECT two{0, 0, 2, 2};
    EXPECT_EQ(dest->BltFast(7, 0, source, &two, DDBLTFAST_WAIT), DDERR_INVALIDRECT);
    EXPECT_EQ(dest->BltFast(0, 5, source, &two, DDBLTFAST_WAIT), DDERR_INVALIDRECT);
    EXPECT_EQ(dest->BltFast(0xFFFFFFFFu, 0x80000000u, source, &two, 0), DDERR_INVALIDRECT);
    // No stretching either.
    RECT wide{0, 0, 4, 2};
    EXPECT_EQ(dest->Blt(&wide, source, &two, DDBLT_WAIT, nullptr), DDERR_NOSTRETCHHW);
    EXPECT_EQ(Pixels(dest), Expected(8, 6, Grey));
}

TEST_F(DDrawTest, NullRectanglesFillsAndOverlappingCopies)
{
    IDirectDrawSurface7* source = Make(37, 4, Pattern);
    IDirectDrawSurface7* dest = Make(37, 4);
    ASSERT_EQ(dest->Blt(nullptr, source, nullptr, DDBLT_WAIT, nullptr), DD_OK);
    EXPECT_EQ(Pixels(dest), Pixels(source));

    // A fill takes the low 16 bits, inside its rectangle only, whole rows
    // (padding and all) included.
    DDBLTFX fx = Fx(0, 0xABCD1234);
    RECT part{3, 1, 36, 3};
    ASSERT_EQ(dest->Blt(&part, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx), DD_OK);
    fx.dwFillColor = 0x42;
    RECT rows{0, 3, 37, 4};
    ASSERT_EQ(dest->Blt(&rows, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx), DD_OK);
    EXPECT_EQ(Pixels(dest), Expected(37, 4, [](int x, int y) -> WORD {
                  return y == 3 ? 0x42 : (y >= 1 && x >= 3 && x < 36) ? 0x1234 : Pattern(x, y);
              }));
    fx.dwSize = 100;
    EXPECT_EQ(dest->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, &fx), DDERR_INVALIDPARAMS);
    EXPECT_EQ(dest->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, nullptr), DDERR_INVALIDPARAMS);

    // Within one surface the rectangles may overlap: the copy reads the
    // original pixels.
    RECT from{0, 0, 30, 2};
    RECT to{1, 1, 31, 3};
    ASSERT_EQ(source->Blt(&to, source, &from, DDBLT_WAIT, nullptr), DD_OK);
    EXPECT_EQ(Pixels(source), Expected(37, 4, [](int x, int y) {
                  return (x >= 1 && x < 31 && y >= 1 && y < 3) ? Pattern(x - 1, y - 1) : Pattern(x, y);
              }));
}

TEST_F(DDrawTest, KeyedCopiesSkipExactlyTheKeyedPixels)
{
    auto holes = [](int x, int y) -> WORD { return (x + y) % 3 == 0 ? 0 : Pattern(x, y); };
    auto kept = [&](int x, int y) -> WORD { return holes(x, y) == 0 ? 0x7777 : holes(x, y); };
    IDirectDrawSurface7* source = Make(37, 3, holes);
    IDirectDrawSurface7* dest = Make(37, 3);
    EXPECT_EQ(dest->Blt(nullptr, source, nullptr, DDBLT_KEYSRC, nullptr), DDERR_NOCOLORKEY);

    DDCOLORKEY black{0, 0};
    ASSERT_EQ(source->SetColorKey(DDCKEY_SRCBLT, &black), DD_OK);
    ASSERT_EQ(dest->Blt(nullptr, source, nullptr, DDBLT_WAIT | DDBLT_KEYSRC, nullptr), DD_OK);
    EXPECT_EQ(Pixels(dest), Expected(37, 3, kept));
    IDirectDrawSurface7* fast = Make(37, 3);
    ASSERT_EQ(fast->BltFast(0, 0, source, nullptr, DDBLTFAST_WAIT | DDBLTFAST_SRCCOLORKEY), DD_OK);
    EXPECT_EQ(Pixels(fast), Expected(37, 3, kept));
    ASSERT_EQ(fast->BltFast(0, 0, source, nullptr, DDBLTFAST_WAIT), DD_OK);
    EXPECT_EQ(Pixels(fast), Expected(37, 3, holes));

    // The "no colour" value, which no 16-bit pixel holds, must not make
    // white transparent.
    IDirectDrawSurface7* values = Make(3, 1, [](int x, int) -> WORD { return 0xFFFD + x; });
    IDirectDrawSurface7* line = Make(3, 1);
    DDCOLORKEY none{CLR_INVALID, CLR_INVALID};
    values->SetColorKey(DDCKEY_SRCBLT, &none);
    ASSERT_EQ(line->Blt(nullptr, values, nullptr, DDBLT_KEYSRC, nullptr), DD_OK);
    EXPECT_EQ(Pixels(line), (std::vector<WORD>{0xFFFD, 0xFFFE, 0xFFFF}));
    values->SetColorKey(DDCKEY_SRCBLT, nullptr);
    EXPECT_EQ(line->Blt(nullptr, values, nullptr, DDBLT_KEYSRC, nullptr), DDERR_NOCOLORKEY);
}

class DDrawMirrorTest : public DDrawTest, public ::testing::WithParamInterface<std::tuple<DWORD, bool>> {};

// A 37 x 5 part of a bigger source into the middle of a bigger destination,
// with and without key; every destination pixel is checked.
TEST_P(DDrawMirrorTest, MapsEveryPixel)
{
    const auto [effects, keyed] = GetParam();
    const bool leftRight = effects & DDBLTFX_MIRRORLEFTRIGHT;
    const bool upDown = effects & DDBLTFX_MIRRORUPDOWN;
    auto source = [](int x, int y) -> WORD { return x % 4 == 1 ? 0 : Pattern(x, y); };
    IDirectDrawSurface7* image = Make(41, 8, source);
    IDirectDrawSurface7* dest = Make(45, 9);
    DDCOLORKEY black{0, 0};
    image->SetColorKey(DDCKEY_SRCBLT, &black);
    RECT from{2, 1, 39, 6};
    RECT to{5, 3, 42, 8};
    DDBLTFX fx = Fx(effects);
    ASSERT_EQ(dest->Blt(&to, image, &from, DDBLT_WAIT | DDBLT_DDFX | (keyed ? DDBLT_KEYSRC : 0), &fx),
              DD_OK);
    EXPECT_EQ(Pixels(dest), Expected(45, 9, [&](int x, int y) -> WORD {
                  if (x < to.left || x >= to.right || y < to.top || y >= to.bottom)
                      return 0x7777;
                  // Destination column 0 takes the source's last column when
                  // mirrored left to right; likewise rows.
                  const int sx = leftRight ? from.right - 1 - (x - to.left) : from.left + (x - to.left);
                  const int sy = upDown ? from.bottom - 1 - (y - to.top) : from.top + (y - to.top);
                  return (keyed && source(sx, sy) == 0) ? 0x7777 : source(sx, sy);
              }));
}

INSTANTIATE_TEST_SUITE_P(
    Modes, DDrawMirrorTest,
    ::testing::Combine(::testing::Values(0u, DDBLTFX_MIRRORLEFTRIGHT, DDBLTFX_MIRRORUPDOWN,
                                         DDBLTFX_MIRRORLEFTRIGHT | DDBLTFX_MIRRORUPDOWN),
                       ::testing::Bool()));

TEST_F(DDrawTest, LockDescribesTheSurfaceInEitherPacking)
{
    IDirectDrawSurface7* rgb565 = Make(517, 2);
    testhooks::SetDisplayFormat565(false);
    IDirectDrawSurface7* rgb555 = Make(3, 1);

    DDSURFACEDESC2 desc{};
    desc.dwSize = sizeof desc;
    ASSERT_EQ(rgb565->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr), DD_OK);
    EXPECT_EQ(desc.dwWidth, 517u);
    EXPECT_EQ(desc.dwHeight, 2u);
    EXPECT_GT(desc.lPitch, 517 * 2);  // rows are padded: callers must use the pitch
    EXPECT_EQ(desc.ddpfPixelFormat.dwFlags, DDPF_RGB);
    EXPECT_EQ(desc.ddpfPixelFormat.dwRGBBitCount, 16u);
    EXPECT_EQ(desc.ddpfPixelFormat.dwRBitMask, 0xF800u);
    EXPECT_EQ(desc.ddpfPixelFormat.dwGBitMask, 0x07E0u);
    EXPECT_EQ(desc.ddpfPixelFormat.dwBBitMask, 0x001Fu);
    EXPECT_EQ(desc.ddsCaps.dwCaps, DDSCAPS_OFFSCREENPLAIN | DDSCAPS_SYSTEMMEMORY);
    EXPECT_EQ(rgb565->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr), DDERR_SURFACEBUSY);
    rgb565->Unlock(nullptr);

    DDCOLORKEY key{5, 5};
    rgb555->SetColorKey(DDCKEY_SRCBLT, &key);
    DDSURFACEDESC2 plain{};
    plain.dwSize = sizeof plain;
    ASSERT_EQ(rgb555->GetSurfaceDesc(&plain), DD_OK);
    EXPECT_EQ(plain.ddpfPixelFormat.dwRBitMask, 0x7C00u);
    EXPECT_EQ(plain.ddpfPixelFormat.dwGBitMask, 0x03E0u);
    EXPECT_EQ(plain.ddpfPixelFormat.dwBBitMask, 0x001Fu);
    EXPECT_TRUE(plain.dwFlags & DDSD_CKSRCBLT);
    EXPECT_EQ(plain.ddckCKSrcBlt.dwColorSpaceLowValue, 5u);
}

TEST_F(DDrawTest, DeviceContextDrawsIntoThePixels)
{
    for (bool is565 : {true, false}) {
        testhooks::SetDisplayFormat565(is565);
        IDirectDrawSurface7* surface = Make(9, 5, [](int, int) -> WORD { return 0; });
        HDC dc = nullptr;
        ASSERT_EQ(surface->GetDC(&dc), DD_OK);
        SetPixel(dc, 3, 2, RGB(255, 0, 0));
        EXPECT_EQ(GetPixel(dc, 3, 2), RGB(255, 0, 0));
        HDC second = nullptr;
        EXPECT_EQ(surface->GetDC(&second), DDERR_DCALREADYCREATED);
        EXPECT_EQ(surface->ReleaseDC(reinterpret_cast<HDC>(&second)), DDERR_INVALIDPARAMS);
        ASSERT_EQ(surface->ReleaseDC(dc), DD_OK);
        EXPECT_EQ(surface->ReleaseDC(dc), DDERR_NODC);
        EXPECT_EQ(Pixels(surface)[2 * 9 + 3], is565 ? 0xF800 : 0x7C00);
    }
    // Released with its context still out: both go (the sanitizer run
    // checks).
    IDirectDrawSurface7* dropped = Make(4, 4);
    HDC dc = nullptr;
    ASSERT_EQ(dropped->GetDC(&dc), DD_OK);
    m_made.pop_back();
    dropped->Release();
}

TEST_F(DDrawTest, SurfacesAndClippersOutliveTheirDirectDrawObject)
{
    IDirectDrawSurface7* surface = Make(4, 4);
    IDirectDrawClipper* clipper = nullptr;
    ASSERT_EQ(m_dd->CreateClipper(0, &clipper, nullptr), DD_OK);
    ASSERT_EQ(surface->SetClipper(clipper), DD_OK);
    EXPECT_EQ(clipper->Release(), 1u);  // the surface holds it

    m_dd->Release();
    m_dd = nullptr;
    EXPECT_EQ(testhooks::LiveDirectDrawObjects(), m_liveObjects + 1);
    DDBLTFX fx = Fx(0, 0x4321);
    EXPECT_EQ(surface->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, &fx), DD_OK);
    const int clippers = testhooks::LiveClippers();
    ASSERT_EQ(surface->SetClipper(nullptr), DD_OK);
    EXPECT_EQ(testhooks::LiveClippers(), clippers - 1);

    m_made.clear();
    EXPECT_EQ(surface->Release(), 0u);
    EXPECT_EQ(testhooks::LiveSurfaces(), m_liveSurfaces);
    EXPECT_EQ(testhooks::LiveDirectDrawObjects(), m_liveObjects);
}

TEST_F(DDrawTest, InjectedFaultsSkipThenFailAndDoNothingElse)
{
    IDirectDrawSurface7* surface = Make(4, 4);
    testhooks::ResetDirectDrawCalls();
    testhooks::FailDirectDraw("Blt", DDERR_SURFACELOST, 1, 2);
    DDBLTFX fx = Fx(0, 1);
    EXPECT_EQ(surface->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, &fx), DD_OK);
    fx.dwFillColor = 2;
    EXPECT_EQ(surface->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, &fx), DDERR_SURFACELOST);
    EXPECT_EQ(surface->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, &fx), DDERR_SURFACELOST);
    EXPECT_EQ(Pixels(surface)[0], 1);
    EXPECT_EQ(surface->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, &fx), DD_OK);
    EXPECT_EQ(Pixels(surface)[0], 2);
    surface->AddRef();
    surface->Release();
    EXPECT_EQ(testhooks::DirectDrawCalls("Blt"), 4);
    EXPECT_EQ(testhooks::DirectDrawCallsTotal(), 8);  // and two Lock, two Unlock

    // Every call until cleared; a failed lock leaves the surface unlocked.
    testhooks::FailDirectDraw("Lock", DDERR_WASSTILLDRAWING, 0, -1);
    DDSURFACEDESC2 desc{};
    desc.dwSize = sizeof desc;
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(surface->Lock(nullptr, &desc, 0, nullptr), DDERR_WASSTILLDRAWING);
    testhooks::ClearDirectDrawFaults();
    EXPECT_EQ(Pixels(surface)[0], 2);

    // Failed creations hand out nothing.
    testhooks::FailDirectDraw("CreateSurface", DDERR_OUTOFVIDEOMEMORY);
    desc = OffScreen(4, 4);
    IDirectDrawSurface7* made = reinterpret_cast<IDirectDrawSurface7*>(1);
    EXPECT_EQ(m_dd->CreateSurface(&desc, &made, nullptr), DDERR_OUTOFVIDEOMEMORY);
    EXPECT_EQ(made, nullptr);
    testhooks::FailDirectDraw("DirectDrawCreateEx", DDERR_NODIRECTDRAWHW);
    LPVOID object = reinterpret_cast<LPVOID>(1);
    EXPECT_EQ(DirectDrawCreateEx(nullptr, &object, IID_IDirectDraw7, nullptr), DDERR_NODIRECTDRAWHW);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(testhooks::LiveDirectDrawObjects(), m_liveObjects + 1);
}

}  // namespace
