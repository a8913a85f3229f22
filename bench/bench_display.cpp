// The cost of a preview-like frame drawn through the display object, against
// a memcpy of as many bytes as the frame writes; and the back buffer's clear
// against a memset of the back buffer.
//
// The display object needs a real window for its viewport, so this program
// has its own main that starts an offscreen Qt application first.
#include <cstring>
#include <memory>
#include <vector>

#include "BenchSupport.h"

namespace {

using bench::Scene;
using bench::TargetReporter;

Scene* scene = nullptr;

void BM_Frame(benchmark::State& state)
{
    bench::DrawFrames(state, *scene);
}

void BM_FrameMemcpy(benchmark::State& state)
{
    std::vector<char> from(scene->frameBytes, 1), to(scene->frameBytes, 0);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), to.size());
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(scene->frameBytes));
}

void BM_ClearBackBuffer(benchmark::State& state)
{
    for (auto _ : state) {
        scene->gfx.ClearBackBuffer(255, 255, 255);
        benchmark::ClobberMemory();
    }
}

void BM_BackBufferMemset(benchmark::State& state)
{
    CGraphics& gfx = scene->gfx;
    if (!gfx.LockBackBuffer()) {
        state.SkipWithError("cannot lock the back buffer");
        return;
    }
    WORD* bits = gfx.m_bits;
    size_t bytes = size_t(gfx.m_pitch) * gfx.m_height * sizeof(WORD);
    gfx.UnlockBackBuffer();
    for (auto _ : state) {
        std::memset(bits, 0xFF, bytes);
        benchmark::DoNotOptimize(bits);
        benchmark::ClobberMemory();
    }
}

BENCHMARK(BM_Frame);
BENCHMARK(BM_FrameMemcpy);
BENCHMARK(BM_ClearBackBuffer);
BENCHMARK(BM_BackBufferMemset);

}  // namespace

int main(int argc, char** argv)
{
    auto app = bench::StartApplication(argc, argv);
    if (!app)
        return 1;

    auto owned = std::make_unique<Scene>();
    scene = owned.get();
    std::printf("frame writes %zu bytes\n", scene->frameBytes);
    TargetReporter reporter;
    reporter.AddRatio("frame / memcpy of the same bytes", "BM_Frame", "BM_FrameMemcpy", 4.0);
    reporter.AddRatio("ClearBackBuffer / memset", "BM_ClearBackBuffer", "BM_BackBufferMemset", 1.5);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    scene = nullptr;
    return 0;
}
