// The program's entry point, as the framework's own: it makes the Qt
// application, registers the program's resources, and runs the
// application object's InitInstance and ExitInstance.
#include <QApplication>

#include "mfc/Afx.h"
#include "mfc/AfxInternal.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    AfxSetResources(&g_appResources);
    afx::SetUpSystemWindows();

    CWinApp* app = AfxGetApp();
    if (!app) return 1;
    // A dialog program: InitInstance runs the main dialog and returns FALSE
    // once it is done; there is no message loop after it.
    app->InitInstance();
    return app->ExitInstance();
}
