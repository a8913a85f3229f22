// The cost of the main dialog's preview frame with 60 characters, read back
// from the list's cells and drawn through the real paint handler, against
// the display-only frame of bench_display, measured in the same run. The
// paint also writes the ruler and presents the frame, which the display-only
// frame does not.
//
// Run it from the build folder, which holds the demo archive.
#include <cstdio>
#include <iterator>
#include <memory>
#include <string>

#include "BenchSupport.h"
#include "EditorBench.h"
#include "Screen.h"

namespace {

using bench::Scene;
using bench::TargetReporter;

Scene* scene = nullptr;
CVantrelDlg* dialog = nullptr;

void BM_Frame(benchmark::State& state)
{
    bench::DrawFrames(state, *scene);
}

void BM_PreviewPaint(benchmark::State& state)
{
    for (auto _ : state) {
        dialog->OnPaint();
        benchmark::ClobberMemory();
    }
}

BENCHMARK(BM_Frame);
BENCHMARK(BM_PreviewPaint);

}  // namespace

int main(int argc, char** argv)
{
    bench::EditorProgram program(argc, argv);
    dialog = program.Dialog();
    if (!dialog)
        return 1;
    auto owned = std::make_unique<Scene>();
    scene = owned.get();

    CVantrelDlg* dlg = dialog;
    bench::PlaceCharacters(*dlg);
    long area = 0;
    for (int type : bench::kCharacterTypes)
        area += long(theScreen.m_sprites[type].rc.right) * theScreen.m_sprites[type].rc.bottom;
    std::printf("preview %d x %d, %d characters, sprites of %ld pixels on average (frame: %d)\n",
                dlg->m_graphics.m_width, dlg->m_graphics.m_height,
                dlg->m_characterList.GetItemCount(), area / long(std::size(bench::kCharacterTypes)),
                bench::kSpriteWidth * bench::kSpriteHeight);

    TargetReporter reporter;
    reporter.AddRatio("preview paint / display-only frame", "BM_PreviewPaint", "BM_Frame", 1.5);
    return program.Run(reporter);
}
