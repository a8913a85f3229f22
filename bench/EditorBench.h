// What the editor benchmarks share: the real main dialog, made modeless on
// the demo archive of the current folder, in the frame of the programs' main,
// and 60 characters placed like the sprites of bench_display's frame.
#pragma once

#include <QApplication>

#include <cstdio>
#include <iterator>
#include <memory>

#include "BenchSupport.h"
#include "Resource.h"
#include "StageTables.h"
#include "Vantrel.h"
#include "VantrelDlg.h"
#include "mfc/AfxInternal.h"

namespace bench {

// Types whose sprites average the 48 x 80 of bench_display's sprite (the demo
// archive's sprites run from 42 x 70 to 70 x 100), so that both frames copy
// about as many sprite pixels.
constexpr int kCharacterTypes[] = {2, 5, 6, 10, 16, 17, 24};

// 60 character rows laid out like the sprites of bench_display's frame: all
// in the visible part, every third across the left or right edge, half of
// them facing right, of the types above; numbered 0 to 59.
inline void PlaceCharacters(CVantrelDlg& dlg)
{
    int W = dlg.m_graphics.m_width;
    char text[32];
    dlg.m_characterList.DeleteAllItems();
    for (int i = 0; i < 60; i++) {
        int x;
        switch (i % 6) {
        case 0: x = 5 + i % 13; break;       // across the left edge
        case 3: x = W - 5 - i % 11; break;   // across the right edge
        default: x = 60 + (i * 37) % (W - 120); break;
        }
        std::snprintf(text, sizeof(text), "%d", i);
        dlg.m_characterList.InsertItem(i, text);
        dlg.m_characterList.SetItemText(
            i, 1, g_characterTypeNames[kCharacterTypes[i % std::size(kCharacterTypes)]]);
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

// The main dialog, shown, as the application's main window; null (with a
// message) when it does not start.
inline std::unique_ptr<CVantrelDlg> StartEditor()
{
    AfxSetResources(&g_appResources);
    QApplication::setFont(afx::DialogFont());
    auto dlg = std::make_unique<CVantrelDlg>();
    theApp.m_pMainWnd = dlg.get();
    if (!dlg->Create(IDD_VANTREL_DIALOG) || !dlg->m_graphics.m_ready) {
        std::fprintf(stderr, "the main dialog did not start (is vantrel.bfc here?)\n");
        theApp.m_pMainWnd = nullptr;
        return nullptr;
    }
    dlg->ShowWindow(SW_SHOW);
    return dlg;
}

// Lets the main dialog go before the application does.
inline void StopEditor(std::unique_ptr<CVantrelDlg>& dlg)
{
    dlg->DestroyWindow();
    theApp.m_pMainWnd = nullptr;
    dlg.reset();
}

// The frame of an editor benchmark program: the offscreen application with
// message boxes captured and the main dialog, which goes before the
// application does.
class EditorProgram {
public:
    EditorProgram(int& argc, char** argv) : m_app(StartApplication(argc, argv))
    {
        if (m_app) {
            testhooks::CaptureMessageBoxes(true);
            m_dlg = StartEditor();
        }
    }
    ~EditorProgram()
    {
        if (m_dlg)
            StopEditor(m_dlg);
    }

    // Null when an argument was not understood or the editor did not start.
    CVantrelDlg* Dialog() const { return m_dlg.get(); }

    // Runs the benchmarks, then the report's targets.
    int Run(TargetReporter& reporter)
    {
        benchmark::RunSpecifiedBenchmarks(&reporter);
        benchmark::Shutdown();
        return 0;
    }

private:
    std::unique_ptr<QApplication> m_app;
    std::unique_ptr<CVantrelDlg> m_dlg;
};

}  // namespace bench
