// Device contexts over 16-bit pixel memory, for the platform layer: a
// DirectDraw surface's GetDC makes one, its ReleaseDC deletes it. Text drawn
// through the context is in the pixels once the context is deleted; pixels
// set with SetPixel are there at once.
#pragma once

#include <cstdint>

#include "win32/Win32.h"

namespace win32 {

HDC CreateMemoryDC(uint16_t* bits, int width, int height, int pitch, bool is565);
void DeleteMemoryDC(HDC dc);

// Packs a colour into a 16-bit pixel of the format and back. Unpacking
// repeats a component's top bits in its low bits, so that packing the
// unpacked colour again gives the same pixel.
uint16_t PackColour(COLORREF colour, bool is565);
COLORREF UnpackColour(uint16_t pixel, bool is565);

}  // namespace win32
