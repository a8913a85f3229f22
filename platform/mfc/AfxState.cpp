#include "mfc/AfxState.h"

#include "mfc/CWinApp.h"

namespace afx {

HWND MainWindowHandle()
{
    CWinApp* app = AfxGetApp();
    return app && app->m_pMainWnd ? app->m_pMainWnd->m_hWnd : nullptr;
}

}  // namespace afx
