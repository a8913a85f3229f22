// Loading the demo archive into the image store, against a plain baseline in
// the same run: reading the file and writing as many 16-bit pixels as the
// archive holds in a simple loop. Target: loading at most 3 times the
// baseline.
//
//   bench_screen [benchmark options] [--archive=FOLDER] [--screenshot=FILE.png]
//
// The archive "vantrel.bfc" is taken from FOLDER, else from the current
// folder, else from the folder above the executable (the build folder).
// --screenshot saves every image of the store in one picture: the sprites
// as stored and mirrored, then each background row with its far layer and
// its near layer keyed over it, and image 20 over the shared far layer.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "BenchSupport.h"
#include "CGraphics.h"
#include "Screen.h"
#include "StageTables.h"
#include "testing/Testing.h"
#include "win32/Window.h"

namespace {

CGraphics* g_graphics = nullptr;

// The archive's bytes and what its images hold, for the baseline.
struct ArchiveFacts {
    std::vector<size_t> pixelOffsets;  // file offset of each block's pixels
    std::vector<size_t> pixelCounts;   // width x height of each block
    size_t pixels = 0;
};

uint32_t Read32(const unsigned char* p)
{
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

std::vector<unsigned char> ReadFile(const char* path)
{
    std::vector<unsigned char> bytes;
    FILE* f = std::fopen(path, "rb");
    if (!f)
        return bytes;
    std::fseek(f, 0, SEEK_END);
    long size = std::ftell(f);
    std::rewind(f);
    if (size > 0) {
        bytes.resize(static_cast<size_t>(size));
        if (std::fread(bytes.data(), 1, bytes.size(), f) != bytes.size())
            bytes.clear();
    }
    std::fclose(f);
    return bytes;
}

ArchiveFacts Inspect(const std::vector<unsigned char>& bytes)
{
    ArchiveFacts facts;
    if (bytes.size() < 742)
        return facts;
    size_t offset = 742;
    for (int k = 0; k < 46; ++k) {
        uint32_t length = Read32(&bytes[6 + 16 * k + 12]);
        if (offset + 1078 > bytes.size())
            break;
        size_t width = Read32(&bytes[offset + 18]), height = Read32(&bytes[offset + 22]);
        facts.pixelOffsets.push_back(offset + 1078);
        facts.pixelCounts.push_back(width * height);
        facts.pixels += width * height;
        offset += length;
    }
    return facts;
}

void BM_LoadArchive(benchmark::State& state)
{
    size_t pixels = Inspect(ReadFile("vantrel.bfc")).pixels;
    for (auto _ : state) {
        auto screen = std::make_unique<CScreen>();
        if (!screen->LoadArchive(g_graphics)) {
            state.SkipWithError("the archive did not load");
            break;
        }
        state.PauseTiming();
        screen.reset();
        state.ResumeTiming();
    }
    state.counters["pixels"] = static_cast<double>(pixels);
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(pixels));
}
BENCHMARK(BM_LoadArchive)->Unit(benchmark::kMillisecond);

// Reads the whole file and writes one 16-bit value per image pixel from its
// byte, image after image, into one buffer.
void BM_ReadFileAndWritePixels(benchmark::State& state)
{
    std::vector<unsigned char> bytes = ReadFile("vantrel.bfc");
    ArchiveFacts facts = Inspect(bytes);
    std::vector<uint16_t> out(facts.pixels);
    for (auto _ : state) {
        // One read of the whole file into memory that is already there.
        FILE* f = std::fopen("vantrel.bfc", "rb");
        size_t read = f ? std::fread(bytes.data(), 1, bytes.size(), f) : 0;
        if (f)
            std::fclose(f);
        if (read != bytes.size()) {
            state.SkipWithError("the archive could not be read");
            break;
        }
        uint16_t* to = out.data();
        for (size_t k = 0; k < facts.pixelOffsets.size(); ++k) {
            const unsigned char* from = bytes.data() + facts.pixelOffsets[k];
            for (size_t i = 0; i < facts.pixelCounts[k]; ++i)
                to[i] = static_cast<uint16_t>(from[i] * 0x0101);
            to += facts.pixelCounts[k];
        }
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(facts.pixels));
}
BENCHMARK(BM_ReadFileAndWritePixels)->Unit(benchmark::kMillisecond);

// ---- The picture of every image ---------------------------------------------

QImage ImageOf(IDirectDrawSurface7* surface, const RECT& rc, bool keyed, QColor keyColour)
{
    QImage image(rc.right, rc.bottom, QImage::Format_ARGB32);
    WORD* bits = nullptr;
    WORD pitch = 0;
    if (!surface || !g_graphics->LockSurface(surface, &bits, &pitch))
        return image;
    for (int y = 0; y < rc.bottom; ++y)
        for (int x = 0; x < rc.right; ++x) {
            WORD p = bits[y * pitch + x];
            int r, g, b;
            if (g_graphics->m_is565) {
                r = (p >> 11) << 3, g = ((p >> 5) & 63) << 2, b = (p & 31) << 3;
            } else {
                r = ((p >> 10) & 31) << 3, g = ((p >> 5) & 31) << 3, b = (p & 31) << 3;
            }
            image.setPixelColor(x, y, keyed && p == 0 ? keyColour : QColor(r, g, b));
        }
    g_graphics->UnlockSurface(surface);
    return image;
}

bool SaveScreenshot(const CScreen& screen, const QString& path)
{
    const int width = 1440;
    QImage sheet(width, 1390, QImage::Format_RGB32);
    sheet.fill(QColor(230, 230, 226));
    QPainter painter(&sheet);

    // Sprites, 13 to a row: as the store holds them (facing left), then
    // mirrored.
    const QColor backdrop(150, 176, 140);
    for (int pass = 0; pass < 2; ++pass) {
        int shown = 0, x = 0, y = 0;
        for (int type = 0; type < 26; ++type) {
            const SpriteEntry& e = screen.m_sprites[type];
            if (!e.surface)
                continue;
            if (shown++ % 13 == 0) {
                x = 12;
                y = 8 + (pass * 2 + (shown - 1) / 13) * 112;
                painter.fillRect(0, y - 4, width, 110, backdrop);
            }
            QImage sprite = ImageOf(e.surface, e.rc, true, Qt::transparent);
            if (pass == 1)
                sprite = sprite.mirrored(true, false);
            painter.drawImage(x, y + 100 - e.rc.bottom, sprite);
            x += e.rc.right + 40;
        }
    }

    // Background rows: far layer unkeyed, near layer keyed over it, at half
    // size, full width of the near layer; then image 20 over far layer 12.
    std::vector<std::pair<int, int>> rows;
    for (const BackgroundRow& row : g_backgrounds)
        rows.push_back({row.nearImage, row.farImage});
    rows.push_back({20, 12});
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const auto [nearImage, farImage] = rows[static_cast<size_t>(i)];
        const SpriteEntry& nearLayer = screen.m_backgrounds[nearImage];
        QImage frame(nearLayer.rc.right, 240, QImage::Format_ARGB32);
        frame.fill(Qt::white);
        QPainter framePainter(&frame);
        if (farImage >= 0) {
            const SpriteEntry& farLayer = screen.m_backgrounds[farImage];
            framePainter.drawImage(0, 0, ImageOf(farLayer.surface, farLayer.rc, false, Qt::black));
        }
        framePainter.drawImage(0, 0, ImageOf(nearLayer.surface, nearLayer.rc, farImage >= 0, Qt::transparent));
        framePainter.end();
        QImage half = frame.scaled(frame.width() / 2, 120, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        painter.drawImage((i % 2) * (width / 2) + 4, 470 + (i / 2) * 130, half);
    }
    painter.end();
    return sheet.save(path);
}

// Makes the folder holding "vantrel.bfc" the current folder.
bool FindArchive(const std::string& folder, const char* executable)
{
    namespace fs = std::filesystem;
    std::vector<fs::path> candidates;
    if (!folder.empty())
        candidates.push_back(folder);
    candidates.push_back(fs::current_path());
    candidates.push_back(fs::absolute(executable).parent_path().parent_path());
    for (const fs::path& dir : candidates)
        if (fs::exists(dir / "vantrel.bfc"))
            return chdir(dir.c_str()) == 0;
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    testhooks::CaptureMessageBoxes(true);

    std::string folder, screenshot;
    std::vector<char*> rest;
    for (int i = 0; i < argc; ++i) {
        if (std::strncmp(argv[i], "--archive=", 10) == 0)
            folder = argv[i] + 10;
        else if (std::strncmp(argv[i], "--screenshot=", 13) == 0)
            screenshot = argv[i] + 13;
        else
            rest.push_back(argv[i]);
    }
    if (!FindArchive(folder, argv[0])) {
        std::fprintf(stderr, "vantrel.bfc not found; build the demo archive first\n");
        return 1;
    }

    QWidget main;
    main.resize(560, 300);
    QWidget* target = new QWidget(&main);
    target->setGeometry(10, 10, 517, 240);
    main.show();
    QApplication::processEvents();
    {
        CGraphics graphics;
        graphics.SetCaches(win32::HandleOf(&main), win32::HandleOf(target), FALSE, 640, 480, 16);
        if (!graphics.InitializeGraphics()) {
            std::fprintf(stderr, "the display object did not start\n");
            return 1;
        }
        g_graphics = &graphics;

        if (!screenshot.empty()) {
            CScreen screen;
            if (!screen.LoadArchive(&graphics) || !SaveScreenshot(screen, QString::fromStdString(screenshot))) {
                std::fprintf(stderr, "could not save %s\n", screenshot.c_str());
                return 1;
            }
            std::printf("saved %s\n", screenshot.c_str());
        }

        int restCount = static_cast<int>(rest.size());
        benchmark::Initialize(&restCount, rest.data());
        bench::TargetReporter reporter;
        reporter.AddRatio("archive load / read and write", "BM_LoadArchive",
                          "BM_ReadFileAndWritePixels", 3.0);
        benchmark::RunSpecifiedBenchmarks(&reporter);
        benchmark::Shutdown();
        g_graphics = nullptr;
    }
    return 0;
}
