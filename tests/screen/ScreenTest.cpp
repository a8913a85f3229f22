// The image store: well-formed archives load into the right slots and pixels; broken ones are
// refused with the right message, keeping what was loaded before, closing the file, leaking nothing.
#include <QApplication>
#include <QWidget>

#include <stdlib.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ArchiveWriter.h"
#include "CGraphics.h"
#include "Screen.h"
#include "StageTables.h"
#include "mfc/Afx.h"
#include "testing/Testing.h"
#include "win32/Gdi.h"
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

// Palette entry i of the test images: distinct for every index, never black.
archive::Colour TestColour(int i) { return {(i * 37 + 11) % 256, (i * 91 + 60) % 256, 255 - i}; }

// The index at (column, stored row) of test image k; stored row 0 is the
// first row in the file, the bottom of the picture. Never the padding.
int TestIndex(int k, int column, int storedRow) { return (k * 7 + column * 3 + storedRow * 11) % 200 + 1; }

// Size of test image k: small and varied, 5 wide (8 bytes a row) and 8 wide
// (no padding) among them; image 3 is a single pixel, image 30 the widest
// that a 16-bit pitch allows.
int TestWidth(int k) { return k == 3 ? 1 : k == 30 ? 32764 : 5 + k % 4; }
int TestHeight(int k) { return k == 3 ? 1 : 3 + k % 3; }

// A bitmap block whose rows are padded with 0xEE and whose palette's
// reserved bytes hold 0x5A, which the loader must ignore.
std::vector<uint8_t> Block(int width, int height, std::function<int(int, int)> index)
{
    return archive::Bitmap(width, height, index, TestColour, 0xEE, 0x5A);
}

// An archive of 46 test images; tests break it through its fields.
struct Archive {
    uint16_t count = 46;
    std::vector<std::vector<uint8_t>> blocks;
    std::vector<uint32_t> lengths;  // recorded lengths, by Measure the blocks' sizes
    size_t cut = SIZE_MAX;          // where the file ends
    bool written = true;            // false: no file at all

    Archive()
    {
        for (int k = 0; k < 46; ++k)
            blocks.push_back(Block(TestWidth(k), TestHeight(k), [k](int c, int r) { return TestIndex(k, c, r); }));
        Measure();
    }
    void Measure() { lengths = archive::LengthsOf(blocks); }
    std::vector<uint8_t> Bytes() const
    {
        std::vector<uint8_t> bytes = archive::Archive(count, {}, lengths, blocks);
        bytes.resize(std::min(cut, bytes.size()));
        return bytes;
    }
};

int OpenFiles()
{
    std::filesystem::directory_iterator fds("/proc/self/fd");
    return static_cast<int>(std::distance(begin(fds), end(fds)));
}

// The editor's store is a global object, so its rectangles start as zero; the tests' alike.
std::unique_ptr<CScreen> NewStore()
{
    auto store = std::make_unique<CScreen>();
    for (SpriteEntry& entry : store->m_sprites) entry.rc = {};
    for (SpriteEntry& entry : store->m_backgrounds) entry.rc = {};
    return store;
}

// Block k's slot: sprite slots 0..8 and 10..25, then backgrounds 0..20.
SpriteEntry& SlotOf(CScreen& screen, int k)
{
    return k < 25 ? screen.m_sprites[k < 9 ? k : k + 1] : screen.m_backgrounds[k - 25];
}

// Each test runs in a scratch folder of its own, where the archive is written.
class ScreenTest : public ::testing::Test {
protected:
    std::unique_ptr<CScreen> store = NewStore();  // outlives gfx, as in the editor
    QWidget main;
    QWidget* target = new QWidget(&main);
    std::unique_ptr<CGraphics> gfx;
    std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::path scratch;
    virtual bool Format565() const { return true; }

    void SetUp() override
    {
        testhooks::ResetAll();
        std::string name = (std::filesystem::temp_directory_path() / "vantrel-screen-XXXXXX").string();
        ASSERT_NE(mkdtemp(name.data()), nullptr);
        scratch = name;
        std::filesystem::current_path(scratch);

        testhooks::SetDisplayFormat565(Format565());
        main.resize(200, 150);
        target->setGeometry(10, 10, 160, 100);
        main.show();
        QApplication::processEvents();
        gfx = std::make_unique<CGraphics>();
        gfx->SetCaches(win32::HandleOf(&main), win32::HandleOf(target), FALSE, 640, 480, 16);
        ASSERT_TRUE(gfx->InitializeGraphics());
        ASSERT_EQ(bool(gfx->m_is565), Format565());
    }

    void TearDown() override
    {
        g_refusedBufferSize = 0;
        std::error_code ignored;
        std::filesystem::current_path(previous, ignored);
        std::filesystem::remove_all(scratch, ignored);
    }

    BOOL Load(const Archive& a) { return a.written ? Load(a.Bytes()) : store->LoadArchive(gfx.get()); }
    BOOL Load(const std::vector<uint8_t>& bytes)
    {
        std::ofstream("vantrel.bfc", std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        return store->LoadArchive(gfx.get());
    }

    // Blocks before `loadedBefore` hold their test image: rectangle, every pixel (bottom row
    // first, sprites mirrored) and black as colour key. Slots from `emptyFrom` on, and 9, are empty.
    void ExpectLoaded(int loadedBefore, int emptyFrom)
    {
        for (int k = 0; k < 46; ++k) {
            SCOPED_TRACE("block " + std::to_string(k));
            const SpriteEntry& entry = SlotOf(*store, k);
            EXPECT_TRUE(k < emptyFrom || Empty(entry));
            if (k >= loadedBefore)
                continue;
            const int w = TestWidth(k), h = TestHeight(k);
            ASSERT_NE(entry.surface, nullptr);
            EXPECT_TRUE(entry.rc.left == 0 && entry.rc.top == 0 && entry.rc.right == w && entry.rc.bottom == h);
            std::vector<WORD> want;
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    const archive::Colour c = TestColour(TestIndex(k, k < 25 ? w - 1 - x : x, h - 1 - y));
                    want.push_back(win32::PackColour(RGB(c.red, c.green, c.blue), Format565()));
                }
            EXPECT_EQ(testhooks::ReadSurface(entry.surface).pixels, want);
            DDSURFACEDESC2 desc{};
            desc.dwSize = sizeof desc;
            ASSERT_EQ(entry.surface->GetSurfaceDesc(&desc), DD_OK);
            EXPECT_TRUE((desc.dwFlags & DDSD_CKSRCBLT) && desc.ddckCKSrcBlt.dwColorSpaceLowValue == 0 &&
                        desc.ddckCKSrcBlt.dwColorSpaceHighValue == 0);
        }
        EXPECT_TRUE(Empty(store->m_sprites[9]));
    }

    static bool Empty(const SpriteEntry& e) { return !e.surface && (e.rc.left | e.rc.top | e.rc.right | e.rc.bottom) == 0; }

    // Exactly one box: that text, OK with the exclamation mark, the application's title.
    void ExpectOneMessage(const std::string& text)
    {
        const auto& boxes = testhooks::ShownMessageBoxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, text);
        EXPECT_EQ(boxes[0].caption, AfxGetAppName());
        EXPECT_EQ(boxes[0].type, MB_OK | MB_ICONEXCLAMATION);
    }
};

class ScreenFormatTest : public ScreenTest, public ::testing::WithParamInterface<bool> {
protected:
    bool Format565() const override { return GetParam(); }
};

INSTANTIATE_TEST_SUITE_P(Formats, ScreenFormatTest, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Rgb565" : "Rgb555"; });

TEST_P(ScreenFormatTest, WellFormedArchiveFillsEverySlotWithItsImage)
{
    std::vector<uint8_t> bytes = Archive().Bytes();
    bytes.insert(bytes.end(), 5000, 0xAB);  // bytes after the last block are ignored
    ASSERT_TRUE(Load(bytes));
    EXPECT_TRUE(testhooks::ShownMessageBoxes().empty());
    ExpectLoaded(46, 46);
}

// Sets a 32-bit field of block 30's headers.
std::function<void(Archive&)> Field30(size_t offset, uint32_t value)
{
    return [=](Archive& a) {
        for (int i = 0; i < 4; ++i)
            a.blocks[30][offset + i] = static_cast<uint8_t>(value >> (8 * i));
    };
}

TEST_F(ScreenTest, BrokenArchiveStopsTheLoadAndNamesWhere)
{
    enum Kept { kNothing, kRectangle, kRectangleAndSurface };  // what the failing block leaves in its slot
    struct Case {
        const char* name;
        std::function<void(Archive&)> breakIt;
        int block = 30;  // background slot 5
        const char* message = "Can't read data 5";
        Kept kept = kNothing;
    } cases[] = {
        // Broken before its blocks, nothing loads. No file comes first, while the folder is empty.
        {"no file", [](Archive& a) { a.written = false; }, 0, "Can't access bfc file"},
        {"cut in the length", [](Archive& a) { a.cut = 3; }, 0, "Can't read Length Header"},
        {"cut in the count", [](Archive& a) { a.cut = 5; }, 0, "Can't read Count Header"},
        {"45 images", [](Archive& a) { a.count = 45; }, 0, "Can't read Count Header"},
        {"47 images", [](Archive& a) { a.count = 47; }, 0, "Can't read Count Header"},
        {"cut in name 2", [](Archive& a) { a.cut = 6 + 16 * 2 + 11; }, 0, "Can't read Name Header 2"},
        {"cut in length 3", [](Archive& a) { a.cut = 6 + 16 * 3 + 14; }, 0, "Can't read data length header 3"},
        // A sprite block past the empty slot 9 is named by its slot.
        {"file ends inside block 9", [](Archive& a) { a.blocks.resize(10); a.blocks[9].pop_back(); },
         9, "Can't read data 10"},
        {"one byte short of its rows", [](Archive& a) { a.blocks[30].pop_back(); a.Measure(); }},
        {"empty", [](Archive& a) { a.blocks[30].clear(); a.Measure(); }},
        {"length beyond the file", [](Archive& a) { a.lengths[30] = 0xFFFFFFFFu; }},
        // A block running past the end is refused before its memory is asked for, so the
        // message is the same where that memory cannot be had. The file ends one byte early.
        {"last block one byte beyond the file, no memory for it", [](Archive& a) {
             a.lengths[45] += 1;  // an odd size, which no other block has
             g_refusedBufferSize = a.lengths[45];
         }, 45, "Can't read data 20"},
        {"width 0", Field30(18, 0)},
        {"height 0", Field30(22, 0)},
        {"negative width", Field30(18, static_cast<uint32_t>(-5))},
        {"negative height (top-down rows)", Field30(22, static_cast<uint32_t>(-3))},
        {"huge size", [](Archive& a) { Field30(18, 0x7FFFFFFF)(a); Field30(22, 0x7FFFFFFF)(a); }},
        {"24 bits per pixel", [](Archive& a) { a.blocks[30][28] = 24; }},
        {"run-length compressed", Field30(30, 1)},
        {"row too wide for a 16-bit pitch",
         [](Archive& a) { a.blocks[30] = Block(32765, 1, [](int, int) { return 1; }); a.Measure(); }},
        {"buffer not allocated", [](Archive& a) {
             a.blocks[12] = Block(9, 9, [](int, int) { return 3; });  // a size no other block has
             a.Measure();
             g_refusedBufferSize = a.lengths[12];
         }, 12, "Can't allocation read memory 13"},
        {"surface not made", [](Archive&) { testhooks::FailDirectDraw("CreateSurface", DDERR_OUTOFMEMORY, 27); },
         27, "Can't allocation image memory 2", kRectangle},
        {"surface not locked", [](Archive&) { testhooks::FailDirectDraw("Lock", DDERR_SURFACELOST); },
         0, "Can't access image memory 0", kRectangleAndSurface},
    };
    const int displaySurfaces = testhooks::LiveSurfaces();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testhooks::ResetAll();
        g_refusedBufferSize = 0;
        store = NewStore();
        Archive a;
        c.breakIt(a);
        const int files = OpenFiles();
        ASSERT_FALSE(Load(a));
        ExpectOneMessage(c.message);
        ExpectLoaded(c.block, c.block + 1);
        const SpriteEntry& slot = SlotOf(*store, c.block);
        EXPECT_EQ(slot.surface != nullptr, c.kept == kRectangleAndSurface);
        EXPECT_EQ(slot.rc.right, c.kept != kNothing ? TestWidth(c.block) : 0);
        EXPECT_EQ(slot.rc.bottom, c.kept != kNothing ? TestHeight(c.block) : 0);
        EXPECT_EQ(testhooks::DirectDrawCalls("CreateSurface"), c.block + (c.kept != kNothing));
        EXPECT_EQ(OpenFiles(), files);
        store.reset();  // a partly loaded store frees what it holds
        EXPECT_EQ(testhooks::LiveSurfaces(), displaySurfaces);
    }
}

TEST_F(ScreenTest, DemoArchiveOfTheBuildMeetsTheLayout)
{
    // The build writes the demo archive into the tests' working folder.
    if (!std::filesystem::exists(previous / "vantrel.bfc"))
        GTEST_SKIP() << "no demo archive in " << previous;
    std::filesystem::current_path(previous);
    ASSERT_TRUE(store->LoadArchive(gfx.get()));
    auto blackShare = [&](const SpriteEntry& e, int rows = 1000) {  // of the top rows
        std::vector<WORD> p = testhooks::ReadSurface(e.surface).pixels;
        p.resize(std::min(p.size(), size_t(e.rc.right) * rows));
        return double(std::count(p.begin(), p.end(), 0)) / double(p.size());
    };
    for (int type = 0; type < 26; ++type)
        EXPECT_TRUE(type == 9 || blackShare(store->m_sprites[type]) > 0.33) << "sprite " << type << " on black";
    // The background table's rows (near image, far image; -1: an opaque scene), and image 20
    // over far layer 12. Rows 6 to 10 take their width from image 13.
    std::vector<std::pair<int, int>> rows;
    for (const BackgroundRow& row : g_backgrounds)
        rows.push_back({row.nearImage, row.farImage});
    rows.push_back({20, 12});
    std::vector<LONG> widths;
    for (const auto& [nearImage, farImage] : rows) {
        SCOPED_TRACE("near image " + std::to_string(nearImage));
        const SpriteEntry& nearLayer = store->m_backgrounds[nearImage];
        widths.push_back(nearLayer.rc.right);
        EXPECT_TRUE(nearLayer.rc.bottom == 240 && nearLayer.rc.right > 800);
        if (farImage < 0) {
            EXPECT_EQ(blackShare(nearLayer, 240), 0) << "an opaque scene";
            continue;
        }
        const RECT& farRc = store->m_backgrounds[farImage].rc;
        EXPECT_TRUE(farRc.bottom >= 240 && farRc.right > 600 && farRc.right < nearLayer.rc.right);
        EXPECT_GT(blackShare(nearLayer, 40), 0.5) << "a black sky";
        EXPECT_TRUE(nearImage < 14 || nearImage > 17 || nearLayer.rc.right == store->m_backgrounds[13].rc.right);
    }
    for (LONG w : {900, 950})
        EXPECT_NE(std::find(widths.begin(), widths.end(), w), widths.end()) << w;
}

}  // namespace
