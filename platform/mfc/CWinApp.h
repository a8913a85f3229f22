// The application object. Its constructor only records it as the
// application: the program's global is made before any Qt object exists.
#pragma once

#include "mfc/CWnd.h"

class CWinApp : public CCmdTarget {
public:
    explicit CWinApp(LPCSTR lpszAppName = nullptr);
    ~CWinApp() override;

    // The program's start; FALSE ends the program after ExitInstance.
    virtual BOOL InitInstance();
    // The program's end; returns the exit code.
    virtual int ExitInstance();

    // Three-dimensional control styling: every control looks so already.
    BOOL Enable3dControlsStatic();
    // The icon resource with the id (null if there is none).
    HICON LoadIcon(UINT nIDResource) const;

    afx_msg void OnHelp();

    // The application's main window: the owner of the framework's message
    // boxes. Cleared when that window is destroyed.
    CWnd* m_pMainWnd = nullptr;
    LPCSTR m_pszAppName;
};

// The application object, or null.
CWinApp* AfxGetApp();
