// What the editor's benchmarks share: the main dialog made modeless and
// shown on the offscreen display, with the demo archive of the current
// folder.
#pragma once

#include <QApplication>

#include <cstdio>
#include <memory>

#include "Resource.h"
#include "Vantrel.h"
#include "VantrelDlg.h"
#include "mfc/AfxInternal.h"

namespace bench {

// The running main dialog as the application's main window; null, after a
// message, when it did not start.
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

// Ends the main dialog that StartMainDialog made.
inline void EndMainDialog(std::unique_ptr<CVantrelDlg>& dlg)
{
    dlg->DestroyWindow();
    theApp.m_pMainWnd = nullptr;
    dlg.reset();
}

}  // namespace bench
