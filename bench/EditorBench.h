// The real main dialog for the editor's benchmarks, started with the demo
// archive of the current folder (run them from the build folder) and shown
// on the offscreen platform.
#pragma once

#include <QApplication>

#include <cstdio>
#include <memory>

#include "Resource.h"
#include "Vantrel.h"
#include "VantrelDlg.h"
#include "mfc/AfxInternal.h"

namespace bench {

// The dialog as the program's main window; null, after saying why, when it
// does not start.
inline std::unique_ptr<CVantrelDlg> StartMainDialog()
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

inline void CloseMainDialog(std::unique_ptr<CVantrelDlg> dlg)
{
    dlg->DestroyWindow();
    theApp.m_pMainWnd = nullptr;
}

}  // namespace bench
