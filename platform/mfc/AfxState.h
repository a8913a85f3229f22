// The framework's own state that more than one of its parts reads.
#pragma once

#include "win32/Win32.h"

namespace afx {

// The application's main window: the owner of the framework's message boxes
// (null while there is none).
HWND MainWindowHandle();

}  // namespace afx
