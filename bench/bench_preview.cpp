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
#include "StageTables.h"
#include "VantrelDlg.h"

namespace {

using bench::RatioReporter;
using bench::Scene;

Scene* scene = nullptr;
CVantrelDlg* dialog = nullptr;

void BM_Frame(benchmark::State& state)
{
    for (auto _ : state) {
        scene->DrawFrame();
        benchmark::ClobberMemory();
    }
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

// Types whose sprites average the 48 x 80 of bench_display's sprite (the demo
// archive's sprites run from 42 x 70 to 70 x 100), so that both frames copy
// about as many sprite pixels.
const int kTypes[] = {2, 5, 6, 10, 16, 17, 24};

// 60 characters laid out like the sprites of bench_display's frame: all in
// the visible part, every third across the left or right edge, half of them
// facing right, of the types above.
void PlaceCharacters(CVantrelDlg& dlg)
{
    int W = dlg.m_graphics.m_width;
    char text[32];
    for (int i = 0; i < 60; i++) {
        int x;
        switch (i % 6) {
        case 0: x = 5 + i % 13; break;       // across the left edge
        case 3: x = W - 5 - i % 11; break;   // across the right edge
        default: x = 60 + (i * 37) % (W - 120); break;
        }
        std::snprintf(text, sizeof(text), "%d", i);
        dlg.m_characterList.InsertItem(i, text);
        dlg.m_characterList.SetItemText(i, 1, g_characterTypeNames[kTypes[i % std::size(kTypes)]]);
        std::snprintf(text, sizeof(text), "%d", x);
        dlg.m_characterList.SetItemText(i, 2, text);
        std::snprintf(text, sizeof(text), "%d", 200 + (i * 13) % 41);
        dlg.m_characterList.SetItemText(i, 3, text);
        dlg.m_characterList.SetItemText(i, 4, g_facingNames[i % 2]);
        dlg.m_characterList.SetItemText(i, 5, "");
        dlg.m_characterList.SetItemText(i, 6, g_tacticNames[0]);
        dlg.m_characterList.SetItemText(i, 7, "0");
    }
}

}  // namespace

int main(int argc, char** argv)
{
    auto app = bench::StartApplication(argc, argv);
    if (!app)
        return 1;
    auto dlg = bench::StartMainDialog();
    if (!dlg)
        return 1;
    auto owned = std::make_unique<Scene>();
    scene = owned.get();

    PlaceCharacters(*dlg);
    dialog = dlg.get();
    long area = 0;
    for (int type : kTypes)
        area += long(theScreen.m_sprites[type].rc.right) * theScreen.m_sprites[type].rc.bottom;
    std::printf("preview %d x %d, %d characters, sprites of %ld pixels on average (frame: %d)\n",
                dlg->m_graphics.m_width, dlg->m_graphics.m_height,
                dlg->m_characterList.GetItemCount(), area / long(std::size(kTypes)),
                bench::kSpriteWidth * bench::kSpriteHeight);

    RatioReporter reporter;
    reporter.AddRatio("preview paint / display-only frame", "BM_PreviewPaint", "BM_Frame", 1.5);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    dialog = nullptr;
    bench::EndMainDialog(dlg);
    return 0;
}
