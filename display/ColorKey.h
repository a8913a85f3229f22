// The colour key of image surfaces: black, or any colour, as the raw pixel
// value that it takes on the surface itself.
#pragma once

#include "ddraw/DDraw.h"
#include "win32/Win32.h"

// The raw pixel value that colour takes on the surface, or CLR_INVALID when
// the surface cannot be locked. Pixel (0, 0) keeps its colour.
DWORD MatchSurfaceColor(IDirectDrawSurface7* surface, COLORREF colour);

// Makes MatchSurfaceColor (surface, colour) the surface's source colour key.
HRESULT SetSurfaceColorKey(IDirectDrawSurface7* surface, COLORREF colour);
