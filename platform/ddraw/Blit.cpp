#include "ddraw/Blit.h"

#include <cstring>

// The row loops are written for the vectoriser: no branches per pixel, and
// source and destination rows never overlap. At -O2 GCC's cheapest cost model
// leaves them scalar, hence the O3 on these few functions; each is also built
// for AVX2, taken where the processor has it.
#if defined(__clang__)
#define DDRAW_VECTORISE
#else
#define DDRAW_VECTORISE __attribute__((optimize("O3"), target_clones("avx2", "default")))
#endif

namespace ddraw {

namespace {

DDRAW_VECTORISE void FillRun(uint16_t* __restrict dest, ptrdiff_t count, uint16_t colour)
{
    for (ptrdiff_t i = 0; i < count; ++i)
        dest[i] = colour;
}

DDRAW_VECTORISE void CopyRowKeyed(uint16_t* __restrict dest, const uint16_t* __restrict source,
                                  int width, uint16_t low, uint16_t span)
{
    for (int i = 0; i < width; ++i) {
        const uint16_t pixel = source[i];
        dest[i] = static_cast<uint16_t>(pixel - low) <= span ? dest[i] : pixel;
    }
}

// last points at the source row's last pixel.
DDRAW_VECTORISE void CopyRowReversed(uint16_t* __restrict dest, const uint16_t* __restrict last,
                                     int width)
{
    for (int i = 0; i < width; ++i)
        dest[i] = last[-i];
}

DDRAW_VECTORISE void CopyRowReversedKeyed(uint16_t* __restrict dest,
                                          const uint16_t* __restrict last, int width,
                                          uint16_t low, uint16_t span)
{
    for (int i = 0; i < width; ++i) {
        const uint16_t pixel = last[-i];
        dest[i] = static_cast<uint16_t>(pixel - low) <= span ? dest[i] : pixel;
    }
}

}  // namespace

void FillPixels(uint16_t* dest, ptrdiff_t pitch, int width, int height, uint16_t colour)
{
    // Rows that meet end to end are one run: one loop is as fast as memset,
    // a loop per row is a third slower.
    if (width == pitch) {
        FillRun(dest, pitch * height, colour);
        return;
    }
    for (int y = 0; y < height; ++y, dest += pitch)
        FillRun(dest, width, colour);
}

void CopyPixels(uint16_t* dest, ptrdiff_t destPitch, const uint16_t* source,
                ptrdiff_t sourcePitch, int width, int height, bool mirrorLeftRight,
                bool mirrorUpDown, const KeyRange* key)
{
    if (mirrorUpDown) {
        source += (height - 1) * sourcePitch;
        sourcePitch = -sourcePitch;
    }
    const size_t rowBytes = static_cast<size_t>(width) * sizeof(uint16_t);
    for (int y = 0; y < height; ++y, dest += destPitch, source += sourcePitch) {
        if (mirrorLeftRight && key)
            CopyRowReversedKeyed(dest, source + width - 1, width, key->low, key->span);
        else if (mirrorLeftRight)
            CopyRowReversed(dest, source + width - 1, width);
        else if (key)
            CopyRowKeyed(dest, source, width, key->low, key->span);
        else
            std::memcpy(dest, source, rowBytes);
    }
}

}  // namespace ddraw
