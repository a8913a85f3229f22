// What the benchmarks share: a preview-like scene drawn through the display
// object on a real offscreen window, a console report that also prints the
// targets (times, or ratios of two benchmarks' times), the spread of
// repeated runs, and the process's memory.
#pragma once

#include <QApplication>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "CGraphics.h"
#include "ColorKey.h"
#include "testing/Testing.h"
#include "win32/Window.h"

namespace bench {

constexpr int kViewWidth = 517;
constexpr int kViewHeight = 240;
constexpr int kFarWidth = 700;
constexpr int kNearWidth = 950;
constexpr int kSpriteWidth = 48;
constexpr int kSpriteHeight = 80;
constexpr int kSprites = 60;

struct Sprite {
    int x, y, mirror;
};

// The display with its window and the images of one frame.
struct Scene {
    QWidget main;
    QWidget* target = nullptr;
    CGraphics gfx;
    IDirectDrawSurface7* farLayer = nullptr;
    IDirectDrawSurface7* nearLayer = nullptr;
    IDirectDrawSurface7* sprite = nullptr;
    RECT farSrc{}, nearSrc{};
    std::vector<Sprite> sprites;
    size_t frameBytes = 0;

    Scene()
    {
        main.resize(kViewWidth + 40, kViewHeight + 40);
        target = new QWidget(&main);
        target->setGeometry(20, 20, kViewWidth, kViewHeight);
        main.show();
        QApplication::processEvents();
        gfx.SetCaches(win32::HandleOf(&main), win32::HandleOf(target), FALSE, 640, 480, 16);
        if (!gfx.InitializeGraphics() || gfx.m_width != kViewWidth ||
            gfx.m_height != kViewHeight) {
            std::fprintf(stderr, "the display did not start with a %d x %d viewport\n",
                         kViewWidth, kViewHeight);
            std::exit(1);
        }

        // The far layer is opaque; the near layer's sky (its top 90 rows) and
        // about 40 % of the sprite's pixels are black, the transparent colour.
        farLayer = MakeImage(kFarWidth, kViewHeight, [](int, int) { return false; });
        nearLayer = MakeImage(kNearWidth, kViewHeight, [](int, int y) { return y < 90; });
        sprite = MakeImage(kSpriteWidth, kSpriteHeight, [](int x, int y) {
            int dx = x - kSpriteWidth / 2, dy = y - kSpriteHeight / 2;
            return dx * dx * 4 + dy * dy > 1470;  // an ellipse, about 40 % outside
        });
        SetSurfaceColorKey(nearLayer, RGB(0, 0, 0));
        SetSurfaceColorKey(sprite, RGB(0, 0, 0));

        // A scroll position inside both layers.
        const int scroll = 120;
        farSrc = RECT{scroll / 2, 0, scroll / 2 + kViewWidth, kViewHeight};
        nearSrc = RECT{scroll, 0, scroll + kViewWidth, kViewHeight};

        // 60 sprites: half mirrored; every third placed across an edge.
        for (int i = 0; i < kSprites; ++i) {
            Sprite s;
            s.mirror = i % 2;
            switch (i % 6) {
            case 0: s.x = -17 - i % 13; s.y = 40 + (i * 7) % 100; break;             // left edge
            case 3: s.x = kViewWidth - 20 - i % 11; s.y = 30 + (i * 5) % 110; break;  // right edge
            default: s.x = 30 + (i * 37) % (kViewWidth - 90); s.y = 20 + (i * 29) % 130; break;
            }
            if (i % 12 == 0)
                s.y = kViewHeight - 50;  // and some across the bottom too
            sprites.push_back(s);
        }

        // What the frame writes: the clear, both layers, and each sprite's
        // area inside the viewport.
        size_t pixels = 3 * size_t(kViewWidth) * kViewHeight;
        for (const Sprite& s : sprites) {
            int left = std::max(s.x, 0), right = std::min(s.x + kSpriteWidth, kViewWidth);
            int top = std::max(s.y, 0), bottom = std::min(s.y + kSpriteHeight, kViewHeight);
            if (right > left && bottom > top)
                pixels += size_t(right - left) * (bottom - top);
        }
        frameBytes = pixels * sizeof(WORD);

        // Every copy of the frame must be drawn, none refused, or the
        // figures would flatter it.
        testhooks::ResetDirectDrawCalls();
        DrawFrame();
        if (testhooks::DirectDrawCalls("Restore") != 0) {
            std::fprintf(stderr, "a copy of the frame was refused\n");
            std::exit(1);
        }
    }

    ~Scene()
    {
        farLayer->Release();
        nearLayer->Release();
        sprite->Release();
    }

    template <typename IsKey>
    IDirectDrawSurface7* MakeImage(int width, int height, IsKey isKey)
    {
        IDirectDrawSurface7* surface = gfx.CreateOffscreenSurface(width, height, FALSE);
        WORD* bits = nullptr;
        WORD pitch = 0;
        if (!surface || !gfx.LockSurface(surface, &bits, &pitch)) {
            std::fprintf(stderr, "cannot make a %d x %d image\n", width, height);
            std::exit(1);
        }
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x)
                bits[y * pitch + x] = isKey(x, y) ? 0 : WORD(1 + ((x * 31 + y * 7) & 0x7FFF));
        }
        gfx.UnlockSurface(surface);
        return surface;
    }

    void DrawFrame()
    {
        gfx.ClearBackBuffer(255, 255, 255);
        gfx.BltFastClipped(0, 0, &farSrc, FALSE, farLayer);
        gfx.BltFastClipped(0, 0, &nearSrc, TRUE, nearLayer);
        const RECT whole{0, 0, kSpriteWidth, kSpriteHeight};
        for (const Sprite& s : sprites)
            gfx.BltMirrored(s.x, s.y, whole, TRUE, sprite, s.mirror);
    }
};

// Draws the scene's frame for as long as the benchmark runs, counting the
// bytes a frame writes.
inline void DrawFrames(benchmark::State& state, Scene& scene)
{
    for (auto _ : state) {
        scene.DrawFrame();
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(scene.frameBytes));
}

// The console report, plus the targets: a benchmark's time, or the ratio of
// two benchmarks' times.
class TargetReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        // With --benchmark_repetitions the median stands for the benchmark.
        for (const Run& run : runs) {
            const std::string& name = run.run_name.function_name;
            if (run.error_occurred)
                continue;
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                m_medians[name] = run.GetAdjustedRealTime();
            else if (run.run_type == Run::RT_Iteration)
                m_times[name] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // After the runs, prints what / the time of a over the time of b.
    void AddRatio(const char* what, const std::string& a, const std::string& b, double target)
    {
        m_targets.push_back({what, a, b, target});
    }

    // After the runs, prints the time of a in milliseconds against a limit.
    void AddTarget(const std::string& a, double limitMs) { m_targets.push_back({nullptr, a, "", limitMs}); }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        for (const auto& [name, time] : m_medians)
            m_times[name] = time;
        for (const Goal& t : m_targets) {
            if (t.what == nullptr)
                Target(t.a, t.target);
            else
                Ratio(t.what, t.a, t.b, t.target);
        }
    }

private:
    void Ratio(const char* what, const std::string& a, const std::string& b, double target)
    {
        if (!m_times.count(a) || !m_times.count(b) || m_times[b] <= 0)
            return;
        double ratio = m_times[a] / m_times[b];
        std::printf("%-36s %5.2f  (target at most %.1f: %s)\n", what, ratio, target,
                    ratio <= target ? "met" : "missed");
    }

    void Target(const std::string& a, double limitMs)
    {
        if (!m_times.count(a))
            return;
        std::printf("%-18s median %8.1f ms  (target at most %.0f ms: %s)\n", a.c_str(), m_times[a],
                    limitMs, m_times[a] <= limitMs ? "met" : "missed");
    }

    struct Goal {
        const char* what;  // null: a time target
        std::string a, b;
        double target;
    };
    std::vector<Goal> m_targets;
    std::map<std::string, double> m_times;
    std::map<std::string, double> m_medians;
};

// Repeated runs report their minimum and maximum beside the median.
inline benchmark::internal::Benchmark* WithSpread(benchmark::internal::Benchmark* b)
{
    auto min = [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); };
    auto max = [](const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); };
    return b->ComputeStatistics("min", min)->ComputeStatistics("max", max);
}

// A field of /proc/self/status ("VmRSS:", "VmHWM:") in MB; -1 when unknown.
inline double MemoryMB(const char* field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0)
            return std::atof(line.c_str() + std::strlen(field)) / 1024.0;
    }
    return -1;
}

// Qt's notes on what the offscreen platform does not do (raise a window,
// grab the keyboard) and on the runtime folder, which no benchmark uses,
// are left out of the figures.
inline void QuietQtNotes(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (text.startsWith(QLatin1String("This plugin does not support")) ||
        text.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

// The offscreen Qt application that the display needs, started before the
// benchmarks read their arguments; null when an argument is not understood.
inline std::unique_ptr<QApplication> StartApplication(int& argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    qInstallMessageHandler(QuietQtNotes);
    auto app = std::make_unique<QApplication>(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return nullptr;
    return app;
}

}  // namespace bench
