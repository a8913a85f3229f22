#include "mfc/CWinApp.h"

#include "mfc/AfxInternal.h"

namespace {

CWinApp* application = nullptr;

}  // namespace

CWinApp::CWinApp(LPCSTR lpszAppName)
    : m_pszAppName(lpszAppName)
{
    application = this;
}

CWinApp::~CWinApp()
{
    if (application == this) application = nullptr;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    return 0;
}

BOOL CWinApp::Enable3dControlsStatic()
{
    return TRUE;
}

HICON CWinApp::LoadIcon(UINT nIDResource) const
{
    return afx::LoadIconResource(static_cast<int>(nIDResource));
}

void CWinApp::OnHelp()
{
    // The program has no help file: there is nothing to show.
}

CWinApp* AfxGetApp()
{
    return application;
}
