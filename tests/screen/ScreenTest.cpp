// The image store: loading well-formed archives into the right slots and
// pixels, and refusing broken ones with the right message, keeping what was
// loaded before, closing the file and leaking nothing.
#include <QApplication>
#include <QWidget>

#include <dirent.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ArchiveWriter.h"
#include "CGraphics.h"
#include "Screen.h"
#include "mfc/Afx.h"
#include "testing/Testing.h"
#include "win32/Window.h"

// The loader asks for its block buffers with new (std::nothrow); a test can
// make the request of one size fail to see the failure reported.
static size_t g_refusedBufferSize = 0;

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    if (g_refusedBufferSize != 0 && size == g_refusedBufferSize)
        return nullptr;
    try {
        return ::operator new[](size);
    } catch (...) {
        return nullptr;
    }
}

namespace {

WORD Pack(PaletteColour c, bool is565)
{
    if (is565)
        return static_cast<WORD>(((c.red >> 3) << 11) | ((c.green >> 2) << 5) | (c.blue >> 3));
    return static_cast<WORD>(((c.red >> 3) << 10) | ((c.green >> 3) << 5) | (c.blue >> 3));
}

int OpenFiles()
{
    int count = 0;
    if (DIR* dir = opendir("/proc/self/fd")) {
        while (readdir(dir))
            ++count;
        closedir(dir);
    }
    return count;
}

// The editor's store is a global object, so its rectangles start as zero
// and only the constructor runs on them; the tests' stores are made alike.
class ZeroedScreen {
public:
    ZeroedScreen() : m_screen(new (m_storage) CScreen) {}
    ~ZeroedScreen() { m_screen->~CScreen(); }
    ZeroedScreen(const ZeroedScreen&) = delete;
    ZeroedScreen& operator=(const ZeroedScreen&) = delete;
    CScreen* operator->() { return m_screen; }
    CScreen& operator*() { return *m_screen; }

private:
    alignas(CScreen) unsigned char m_storage[sizeof(CScreen)] = {};
    CScreen* m_screen;
};

// Block k's slot: sprite slots 0..8 and 10..25, then backgrounds 0..20.
SpriteEntry& SlotOf(CScreen& screen, int k)
{
    if (k < 9)
        return screen.m_sprites[k];
    if (k < 25)
        return screen.m_sprites[k + 1];
    return screen.m_backgrounds[k - 25];
}

class ScreenTest : public ::testing::Test {
protected:
    std::unique_ptr<ZeroedScreen> store = std::make_unique<ZeroedScreen>();  // outlives gfx, as in the editor
    QWidget main;
    QWidget* target = nullptr;
    std::unique_ptr<CGraphics> gfx;
    ScratchFolder folder;
    bool is565 = true;

    void SetUp() override
    {
        testhooks::ResetAll();
        testhooks::CaptureMessageBoxes(true);
        testhooks::ClearMessageBoxes();
        g_refusedBufferSize = 0;
        ASSERT_TRUE(folder.Ready());
        Start(true);
    }

    // A display object on an offscreen window in the given pixel format.
    void Start(bool format565)
    {
        gfx.reset();
        is565 = format565;
        testhooks::SetDisplayFormat565(format565);
        main.resize(200, 150);
        if (!target) {
            target = new QWidget(&main);
            target->setGeometry(10, 10, 160, 100);
        }
        main.show();
        QApplication::processEvents();
        gfx = std::make_unique<CGraphics>();
        gfx->SetCaches(win32::HandleOf(&main), win32::HandleOf(target), FALSE, 640, 480, 16);
        ASSERT_TRUE(gfx->InitializeGraphics());
        ASSERT_EQ(bool(gfx->m_is565), format565);
    }

    void TearDown() override
    {
        g_refusedBufferSize = 0;
        testhooks::ResetAll();
    }

    BOOL Load(const Archive& archive) { return Load(archive.Bytes()); }
    BOOL Load(const std::vector<uint8_t>& bytes)
    {
        EXPECT_TRUE(folder.Write(bytes));
        return (*store)->LoadArchive(gfx.get());
    }

    std::vector<WORD> Pixels(IDirectDrawSurface7* surface, int width, int height)
    {
        std::vector<WORD> pixels;
        WORD* bits = nullptr;
        WORD pitch = 0;
        if (!gfx->LockSurface(surface, &bits, &pitch))
            return pixels;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                pixels.push_back(bits[y * pitch + x]);
        gfx->UnlockSurface(surface);
        return pixels;
    }

    // Block k of the test archive is in its slot: size, rectangle, and every
    // pixel, bottom row first, sprites mirrored.
    void ExpectTestImage(int k)
    {
        SCOPED_TRACE("block " + std::to_string(k));
        SpriteEntry& entry = SlotOf(**store, k);
        const int w = TestWidth(k), h = TestHeight(k);
        ASSERT_NE(entry.surface, nullptr);
        EXPECT_EQ(entry.rc.left, 0);
        EXPECT_EQ(entry.rc.top, 0);
        EXPECT_EQ(entry.rc.right, w);
        EXPECT_EQ(entry.rc.bottom, h);
        std::vector<WORD> pixels = Pixels(entry.surface, w, h);
        ASSERT_EQ(pixels.size(), size_t(w * h));
        const bool sprite = k < 25;
        int wrong = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                int column = sprite ? w - 1 - x : x;
                WORD want = Pack(TestColour(TestIndex(k, column, h - 1 - y)), is565);
                if (pixels[y * w + x] != want && wrong++ < 3)
                    ADD_FAILURE() << "pixel (" << x << ", " << y << ") is " << pixels[y * w + x]
                                  << ", expected " << want;
            }
    }

    void ExpectEmpty(const SpriteEntry& entry)
    {
        EXPECT_EQ(entry.surface, nullptr);
        EXPECT_EQ(entry.rc.left | entry.rc.top | entry.rc.right | entry.rc.bottom, 0);
    }

    // Exactly one box was shown: that text, an OK button, the application's
    // title as caption.
    void ExpectOneMessage(const std::string& text)
    {
        const auto& boxes = testhooks::ShownMessageBoxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, text);
        EXPECT_EQ(boxes[0].caption, AfxGetAppName());
        EXPECT_EQ(boxes[0].type, MB_OK);
    }

    // Blocks before `firstMissing` are loaded, the others are empty.
    void ExpectLoadedUpTo(int firstMissing)
    {
        for (int k = 0; k < 46; ++k) {
            if (k < firstMissing)
                ExpectTestImage(k);
            else
                ExpectEmpty(SlotOf(**store, k));
        }
        ExpectEmpty((*store)->m_sprites[9]);
    }
};

TEST_F(ScreenTest, WellFormedArchiveFillsEverySlotWithItsImage)
{
    ASSERT_TRUE(Load(Archive::WellFormed()));
    EXPECT_TRUE(testhooks::ShownMessageBoxes().empty());
    ExpectLoadedUpTo(46);
}

TEST_F(ScreenTest, WellFormedArchiveInRgb555)
{
    Start(false);
    ASSERT_TRUE(Load(Archive::WellFormed()));
    ExpectLoadedUpTo(46);
}

TEST_F(ScreenTest, BottomRowFirstSpritesMirroredBackgroundsAsStoredPaddingSkipped)
{
    // Sprite block 0 and background block 25, both 5 x 2 (8 bytes a row):
    // stored row 0 (the bottom) is indices 1..5, stored row 1 is 11..15.
    Archive a = Archive::WellFormed();
    auto rows = [](int column, int storedRow) { return 1 + column + 10 * storedRow; };
    a.blocks[0] = Block(5, 2, rows);
    a.blocks[25] = Block(5, 2, rows);
    a.blocks[1] = Block(8, 1, [](int column, int) { return 100 + column; });  // no padding
    a.Measure();
    EXPECT_EQ(a.lengths[0], 1078u + 8 * 2);
    EXPECT_EQ(a.lengths[1], 1078u + 8);
    ASSERT_TRUE(Load(a));

    auto colour = [&](int index) { return Pack(TestColour(index), is565); };
    std::vector<WORD> sprite = Pixels((*store)->m_sprites[0].surface, 5, 2);
    std::vector<WORD> layer = Pixels((*store)->m_backgrounds[0].surface, 5, 2);
    std::vector<WORD> wide = Pixels((*store)->m_sprites[1].surface, 8, 1);
    ASSERT_EQ(sprite.size(), 10u);
    ASSERT_EQ(layer.size(), 10u);
    ASSERT_EQ(wide.size(), 8u);
    for (int x = 0; x < 5; ++x) {
        EXPECT_EQ(layer[5 + x], colour(1 + x)) << x;      // bottom row = first stored
        EXPECT_EQ(layer[x], colour(11 + x)) << x;
        EXPECT_EQ(sprite[5 + x], colour(5 - x)) << x;     // left column ends up right
        EXPECT_EQ(sprite[x], colour(15 - x)) << x;
    }
    for (int x = 0; x < 8; ++x)
        EXPECT_EQ(wide[x], colour(107 - x)) << x;
}

class ScreenColourTest : public ScreenTest, public ::testing::WithParamInterface<bool> {};

TEST_P(ScreenColourTest, NearBlackPacksToTheTransparentKey)
{
    Start(GetParam());
    // A background of four pixels: (7, 3, 7), green 4, white, (8, 4, 8).
    auto colours = [](int i) -> PaletteColour {
        switch (i) {
        case 1: return {7, 3, 7};
        case 2: return {0, 4, 0};
        case 3: return {255, 255, 255};
        case 4: return {8, 4, 8};
        default: return TestColour(i);
        }
    };
    Archive a = Archive::WellFormed();
    a.blocks[25] = Block(4, 1, [](int column, int) { return column + 1; }, colours);
    a.Measure();
    ASSERT_TRUE(Load(a));
    IDirectDrawSurface7* surface = (*store)->m_backgrounds[0].surface;
    std::vector<WORD> pixels = Pixels(surface, 4, 1);
    ASSERT_EQ(pixels.size(), 4u);
    EXPECT_EQ(pixels[0], 0);
    EXPECT_EQ(pixels[1], is565 ? 0x0020 : 0);
    EXPECT_EQ(pixels[2], is565 ? 0xFFFF : 0x7FFF);
    EXPECT_EQ(pixels[3], is565 ? 0x0821 : 0x0401);

    // Black is the surface's colour key: a keyed blit onto white leaves the
    // transparent pixels white.
    gfx->ClearBackBuffer(255, 255, 255);
    RECT src{0, 0, 4, 1};
    ASSERT_EQ(gfx->m_back->BltFast(0, 0, surface, &src, DDBLTFAST_SRCCOLORKEY | DDBLTFAST_WAIT), DD_OK);
    ASSERT_TRUE(gfx->LockBackBuffer());
    const WORD white = is565 ? 0xFFFF : 0x7FFF;
    EXPECT_EQ(gfx->m_bits[0], white);
    EXPECT_EQ(gfx->m_bits[1], is565 ? 0x0020 : white);
    EXPECT_EQ(gfx->m_bits[3], is565 ? 0x0821 : 0x0401);
    gfx->UnlockBackBuffer();
}

INSTANTIATE_TEST_SUITE_P(Formats, ScreenColourTest, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Rgb565" : "Rgb555"; });

TEST_F(ScreenTest, MissingArchiveLeavesEverySlotEmpty)
{
    int files = OpenFiles();
    ASSERT_FALSE((*store)->LoadArchive(gfx.get()));
    ExpectOneMessage("Can't access bfc file");
    ExpectLoadedUpTo(0);
    EXPECT_EQ(OpenFiles(), files);
}

TEST_F(ScreenTest, FileCutInsideTheHeadersNamesWhatIsMissing)
{
    const std::vector<uint8_t> whole = Archive::WellFormed().Bytes();
    struct Case {
        size_t cut;
        const char* message;
    } cases[] = {
        {0, "Can't read Length Header"},
        {3, "Can't read Length Header"},
        {5, "Can't read Count Header"},
        {6 + 16 * 2 + 11, "Can't read Name Header 2"},
        {6 + 16 * 3 + 12, "Can't read data length header 3"},
        {6 + 16 * 3 + 14, "Can't read data length header 3"},
        {6 + 16 * 45 + 15, "Can't read data length header 45"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        testhooks::ClearMessageBoxes();
        int files = OpenFiles();
        ASSERT_FALSE(Load(std::vector<uint8_t>(whole.begin(), whole.begin() + c.cut)));
        ExpectOneMessage(c.message);
        ExpectLoadedUpTo(0);
        EXPECT_EQ(OpenFiles(), files);
    }
}

TEST_F(ScreenTest, CountOtherThan46IsRefusedAfterTheCount)
{
    for (uint16_t count : {0, 1, 45, 47, 65535}) {
        SCOPED_TRACE(count);
        testhooks::ClearMessageBoxes();
        Archive a = Archive::WellFormed();
        a.count = count;
        int files = OpenFiles();
        ASSERT_FALSE(Load(a));
        ExpectOneMessage("Can't read Count Header");
        ExpectLoadedUpTo(0);
        EXPECT_EQ(OpenFiles(), files);
    }
}

TEST_F(ScreenTest, ShortBlockNamesItsSlotAndKeepsTheSlotsBefore)
{
    // Block 9 goes to sprite slot 10: the file ends inside it.
    Archive a = Archive::WellFormed();
    std::vector<uint8_t> bytes = a.Bytes();
    bytes.resize(BlockOffset(a, 9) + a.blocks[9].size() - 1);
    int files = OpenFiles();
    ASSERT_FALSE(Load(bytes));
    ExpectOneMessage("Can't read data 10");
    ExpectLoadedUpTo(9);
    EXPECT_EQ(OpenFiles(), files);
}

TEST_F(ScreenTest, ShortBackgroundBlockNamesTheBackgroundSlot)
{
    // Block 30 is background slot 5.
    Archive a = Archive::WellFormed();
    std::vector<uint8_t> bytes = a.Bytes();
    bytes.resize(BlockOffset(a, 30) + 500);
    ASSERT_FALSE(Load(bytes));
    ExpectOneMessage("Can't read data 5");
    ExpectLoadedUpTo(30);
}

TEST_F(ScreenTest, BytesAfterTheLastBlockAreIgnored)
{
    std::vector<uint8_t> bytes = Archive::WellFormed().Bytes();
    bytes.insert(bytes.end(), 5000, 0xAB);
    ASSERT_TRUE(Load(bytes));
    EXPECT_TRUE(testhooks::ShownMessageBoxes().empty());
    ExpectLoadedUpTo(46);
}

// Block 30 (background slot 5) broken in one way; the rest well formed.
struct Malformed {
    const char* name;
    std::function<void(Archive&)> apply;
};

void SetField32(std::vector<uint8_t>& block, size_t offset, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        block[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

TEST_F(ScreenTest, MalformedBlocksAreRefusedBeforeTheirSurfaceIsMade)
{
    const Malformed cases[] = {
        {"one byte short of its rows", [](Archive& a) { a.blocks[30].pop_back(); a.Measure(); }},
        {"recorded shorter than its rows", [](Archive& a) { a.lengths[30] -= 1; }},
        {"shorter than the headers", [](Archive& a) { a.blocks[30].resize(100); a.Measure(); }},
        {"empty", [](Archive& a) { a.blocks[30].clear(); a.Measure(); }},
        {"length beyond the file", [](Archive& a) { a.lengths[30] = 0xFFFFFFFFu; }},
        {"width 0", [](Archive& a) { SetField32(a.blocks[30], 18, 0); }},
        {"height 0", [](Archive& a) { SetField32(a.blocks[30], 22, 0); }},
        {"negative width", [](Archive& a) { SetField32(a.blocks[30], 18, static_cast<uint32_t>(-5)); }},
        {"negative height (top-down rows)", [](Archive& a) { SetField32(a.blocks[30], 22, static_cast<uint32_t>(-3)); }},
        {"huge width and height", [](Archive& a) {
             SetField32(a.blocks[30], 18, 0x7FFFFFFF);
             SetField32(a.blocks[30], 22, 0x7FFFFFFF);
         }},
        {"24 bits per pixel", [](Archive& a) { a.blocks[30][28] = 24; }},
        {"run-length compressed", [](Archive& a) { SetField32(a.blocks[30], 30, 1); }},
        {"row too wide for a 16-bit pitch", [](Archive& a) {
             a.blocks[30] = Block(32765, 1, [](int, int) { return 1; });
             a.Measure();
         }},
    };
    for (const Malformed& c : cases) {
        SCOPED_TRACE(c.name);
        store = std::make_unique<ZeroedScreen>();
        testhooks::ClearMessageBoxes();
        testhooks::ResetDirectDrawCalls();
        Archive a = Archive::WellFormed();
        c.apply(a);
        int files = OpenFiles();
        ASSERT_FALSE(Load(a));
        ExpectOneMessage("Can't read data 5");
        ExpectLoadedUpTo(30);
        EXPECT_EQ(testhooks::DirectDrawCalls("CreateSurface"), 30);
        EXPECT_EQ(OpenFiles(), files);
    }
}

TEST_F(ScreenTest, WidestRowThatFitsTheSixteenBitPitchLoads)
{
    Archive a = Archive::WellFormed();
    a.blocks[30] = Block(32764, 1, [](int column, int) { return 1 + column % 200; });
    a.Measure();
    ASSERT_TRUE(Load(a));
    EXPECT_EQ((*store)->m_backgrounds[5].rc.right, 32764);
    std::vector<WORD> row = Pixels((*store)->m_backgrounds[5].surface, 32764, 1);
    ASSERT_EQ(row.size(), 32764u);
    EXPECT_EQ(row[32763], Pack(TestColour(1 + 32763 % 200), is565));
}

TEST_F(ScreenTest, BufferThatCannotBeAllocatedIsReported)
{
    // Block 12 goes to sprite slot 13; its size is unique in the archive.
    Archive a = Archive::WellFormed();
    a.blocks[12] = Block(9, 9, [](int, int) { return 3; });
    a.Measure();
    g_refusedBufferSize = a.lengths[12];
    int files = OpenFiles();
    ASSERT_FALSE(Load(a));
    ExpectOneMessage("Can't allocation read memory 13");
    ExpectLoadedUpTo(12);
    EXPECT_EQ(OpenFiles(), files);
}

TEST_F(ScreenTest, SurfaceThatCannotBeMadeKeepsItsRectangle)
{
    // The 28th surface is block 27, background slot 2.
    testhooks::FailDirectDraw("CreateSurface", DDERR_OUTOFMEMORY, 27);
    int files = OpenFiles();
    ASSERT_FALSE(Load(Archive::WellFormed()));
    ExpectOneMessage("Can't allocation image memory 2");
    for (int k = 0; k < 27; ++k)
        ExpectTestImage(k);
    for (int k = 28; k < 46; ++k)
        ExpectEmpty(SlotOf(**store, k));
    EXPECT_EQ((*store)->m_backgrounds[2].surface, nullptr);
    EXPECT_EQ((*store)->m_backgrounds[2].rc.right, TestWidth(27));
    EXPECT_EQ((*store)->m_backgrounds[2].rc.bottom, TestHeight(27));
    EXPECT_EQ(OpenFiles(), files);
}

TEST_F(ScreenTest, SurfaceThatCannotBeLockedIsKeptUnfilled)
{
    testhooks::FailDirectDraw("Lock", DDERR_SURFACELOST, 0);
    int files = OpenFiles();
    ASSERT_FALSE(Load(Archive::WellFormed()));
    ExpectOneMessage("Can't access image memory 0");
    EXPECT_NE((*store)->m_sprites[0].surface, nullptr);
    EXPECT_EQ((*store)->m_sprites[0].rc.right, TestWidth(0));
    for (int k = 1; k < 46; ++k)
        ExpectEmpty(SlotOf(**store, k));
    EXPECT_EQ(OpenFiles(), files);
}

TEST_F(ScreenTest, StoreMayOutliveTheDisplayObjectAndFreesEverything)
{
    const int displaySurfaces = testhooks::LiveSurfaces();
    ASSERT_TRUE(Load(Archive::WellFormed()));
    EXPECT_EQ(testhooks::LiveSurfaces(), displaySurfaces + 46);
    gfx.reset();
    EXPECT_EQ(testhooks::LiveSurfaces(), 46);
    EXPECT_EQ(testhooks::LiveDirectDrawObjects(), 1);  // kept by the images
    store.reset();
    EXPECT_EQ(testhooks::LiveSurfaces(), 0);
    EXPECT_EQ(testhooks::LiveDirectDrawObjects(), 0);
}

TEST_F(ScreenTest, PartlyLoadedStoreFreesWhatItHolds)
{
    Archive a = Archive::WellFormed();
    std::vector<uint8_t> bytes = a.Bytes();
    bytes.resize(BlockOffset(a, 20));
    ASSERT_FALSE(Load(bytes));
    gfx.reset();
    store.reset();
    EXPECT_EQ(testhooks::LiveSurfaces(), 0);
    EXPECT_EQ(testhooks::LiveDirectDrawObjects(), 0);
}

TEST_F(ScreenTest, DemoArchiveOfTheBuildMeetsTheLayout)
{
    // The build writes the demo archive next to the tests' working folder.
    const std::filesystem::path demo = std::filesystem::path(folder.Previous()) / "vantrel.bfc";
    if (!std::filesystem::exists(demo))
        GTEST_SKIP() << "no demo archive in " << folder.Previous();
    std::filesystem::copy_file(demo, "vantrel.bfc", std::filesystem::copy_options::overwrite_existing);
    ASSERT_TRUE((*store)->LoadArchive(gfx.get()));
    EXPECT_TRUE(testhooks::ShownMessageBoxes().empty());
    CScreen& s = **store;

    auto zeros = [&](const SpriteEntry& e, int rows) {
        int count = 0;
        std::vector<WORD> p = Pixels(e.surface, e.rc.right, rows);
        for (WORD v : p)
            count += v == 0;
        return count;
    };
    for (int type = 0; type < 26; ++type) {
        SCOPED_TRACE("sprite " + std::to_string(type));
        if (type == 9)
            continue;
        const RECT& rc = s.m_sprites[type].rc;
        EXPECT_TRUE(rc.right >= 40 && rc.right <= 70 && rc.bottom >= 70 && rc.bottom <= 100);
        EXPECT_GT(zeros(s.m_sprites[type], rc.bottom) * 3, rc.right * rc.bottom) << "drawn on black";
    }
    // Rows of the background table: near image, far image (-1: none).
    const int rows[][2] = {{0, 1}, {2, 3}, {4, -1}, {5, 6}, {8, 9}, {10, 11}, {13, 12},
                           {14, 12}, {15, 12}, {16, 12}, {17, 12}, {18, 19}, {7, -1}, {20, 12}};
    std::vector<int> widths;
    for (const auto& row : rows) {
        SCOPED_TRACE("near image " + std::to_string(row[0]));
        const SpriteEntry& nearLayer = s.m_backgrounds[row[0]];
        EXPECT_EQ(nearLayer.rc.bottom, 240);
        EXPECT_GT(nearLayer.rc.right, 800);
        widths.push_back(nearLayer.rc.right);
        if (row[1] < 0) {
            EXPECT_EQ(zeros(nearLayer, 240), 0) << "an opaque scene";
            continue;
        }
        const SpriteEntry& farLayer = s.m_backgrounds[row[1]];
        EXPECT_GE(farLayer.rc.bottom, 240);
        EXPECT_GT(farLayer.rc.right, 600);
        EXPECT_LT(farLayer.rc.right, s.m_backgrounds[row[0] >= 13 && row[0] <= 17 ? 13 : row[0]].rc.right);
        EXPECT_GT(zeros(nearLayer, 40), nearLayer.rc.right * 20) << "a black sky";
    }
    for (int n = 14; n <= 17; ++n)
        EXPECT_EQ(s.m_backgrounds[n].rc.right, s.m_backgrounds[13].rc.right);
    EXPECT_NE(std::find(widths.begin(), widths.end(), 900), widths.end());
    EXPECT_NE(std::find(widths.begin(), widths.end(), 950), widths.end());
}

}  // namespace
