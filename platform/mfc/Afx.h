// The class-library subset that the program calls (application, windows,
// dialogs, controls, data exchange, message boxes, file dialog).
#pragma once

#include "win32/Win32.h"

// The framework's message box: an OK button unless type says otherwise,
// owned by the application's main window, with the application's title (the
// executable's file name without extension) as its caption.
int AfxMessageBox(LPCSTR text, UINT type = MB_OK, UINT helpId = 0);

// The application's title: the executable's file name without extension.
LPCSTR AfxGetAppName();
