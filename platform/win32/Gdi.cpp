// GDI on device contexts over 16-bit pixel memory.
#include "win32/Gdi.h"

#include "MemoryDC.h"

namespace {

MemoryDC* ContextOf(HDC dc)
{
    return reinterpret_cast<MemoryDC*>(dc);
}

// A component of `bits` bits widened to 8 by repeating its top bits.
BYTE Widen(unsigned value, int bits)
{
    unsigned wide = value << (8 - bits);
    return static_cast<BYTE>(wide | (wide >> bits));
}

}  // namespace

namespace win32 {

HDC CreateMemoryDC(uint16_t* bits, int width, int height, int pitch, bool is565)
{
    if (!bits || width <= 0 || height <= 0 || pitch < width) return nullptr;
    return reinterpret_cast<HDC>(new MemoryDC(bits, width, height, pitch, is565));
}

void DeleteMemoryDC(HDC dc)
{
    delete ContextOf(dc);
}

uint16_t PackColour(COLORREF colour, bool is565)
{
    unsigned r = GetRValue(colour), g = GetGValue(colour), b = GetBValue(colour);
    if (is565) return static_cast<uint16_t>(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
    return static_cast<uint16_t>(((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3));
}

COLORREF UnpackColour(uint16_t pixel, bool is565)
{
    if (is565) {
        return RGB(Widen(pixel >> 11, 5), Widen((pixel >> 5) & 0x3F, 6), Widen(pixel & 0x1F, 5));
    }
    return RGB(Widen((pixel >> 10) & 0x1F, 5), Widen((pixel >> 5) & 0x1F, 5),
               Widen(pixel & 0x1F, 5));
}

}  // namespace win32

COLORREF GetPixel(HDC dc, int x, int y)
{
    return dc ? ContextOf(dc)->GetPixel(x, y) : CLR_INVALID;
}

COLORREF SetPixel(HDC dc, int x, int y, COLORREF colour)
{
    return dc ? ContextOf(dc)->SetPixel(x, y, colour) : CLR_INVALID;
}

COLORREF SetTextColor(HDC dc, COLORREF colour)
{
    return dc ? ContextOf(dc)->SetTextColor(colour) : CLR_INVALID;
}

int SetBkMode(HDC dc, int mode)
{
    return dc ? ContextOf(dc)->SetBkMode(mode) : 0;
}

BOOL TextOutA(HDC dc, int x, int y, LPCSTR text, int length)
{
    return dc ? ContextOf(dc)->TextOut(x, y, text, length) : FALSE;
}
