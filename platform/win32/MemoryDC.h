// A device context over 16-bit pixel memory: pixels are read and written in
// place; text is rendered into a small 32-bit image and its strokes are then
// written into the pixels, in the text colour packed as SetPixel packs it.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "win32/Win32.h"

class MemoryDC {
public:
    MemoryDC(uint16_t* bits, int width, int height, int pitch, bool is565);
    ~MemoryDC();

    COLORREF GetPixel(int x, int y) const;
    COLORREF SetPixel(int x, int y, COLORREF colour);
    COLORREF SetTextColor(COLORREF colour);
    int SetBkMode(int mode);
    BOOL TextOut(int x, int y, const char* text, int length);

private:
    // A text's pixels in the context's font, relative to its upper left
    // corner, and the size of its box.
    struct Strokes {
        int width = 0;
        int height = 0;
        std::vector<std::pair<int, int>> points;
    };
    static const Strokes& StrokesOf(const std::string& text);

    void Fill(int x, int y, int width, int height, uint16_t pixel);

    uint16_t* m_bits;
    int m_width;
    int m_height;
    int m_pitch;
    bool m_is565;
    COLORREF m_textColour = RGB(0, 0, 0);
    COLORREF m_backColour = RGB(255, 255, 255);
    int m_bkMode = OPAQUE;
};
