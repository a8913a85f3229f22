// The published names of DirectDraw's result codes, for the error report.
#pragma once

#include "win32/Win32.h"

// The name of a DirectDraw result ("DDERR_INVALIDRECT", ...), or
// "Unknown Error" for any value the table does not hold, DD_OK included.
LPCSTR DDErrorName(HRESULT hr);
