#include "mfc/AfxState.h"

namespace {

HWND mainWindow = nullptr;

}  // namespace

namespace afx {

HWND MainWindowHandle()
{
    return mainWindow;
}

void SetMainWindowHandle(HWND hWnd)
{
    mainWindow = hWnd;
}

}  // namespace afx
