// The application: starts the main dialog and ends with it, and carries the
// results of the modeless entry dialogs back to the main dialog.
#pragma once

#include "mfc/Afx.h"

class CVantrelApp : public CWinApp {
public:
    CVantrelApp();
    ~CVantrelApp() override;

    BOOL InitInstance() override;

    // Bridges from the entry dialogs to the main dialog (m_pMainWnd).
    int GetSelectedTypeCount();
    int GetSelectedType(int i);

    DECLARE_MESSAGE_MAP()
};

extern CVantrelApp theApp;
