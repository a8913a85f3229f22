// The pixel loops of our DirectDraw: fills and copies of rectangles of 16-bit
// pixels, plain, keyed and mirrored. Rectangles are given by their top left
// pixel and a row pitch in pixels; callers have checked them.
#pragma once

#include <cstddef>
#include <cstdint>

namespace ddraw {

// Source pixels from low to low + span (inclusive) are transparent.
struct KeyRange {
    uint16_t low;
    uint16_t span;
};

// Fills width x height pixels; when width equals the pitch the rows are
// filled as one run.
void FillPixels(uint16_t* dest, ptrdiff_t pitch, int width, int height, uint16_t colour);

// Copies width x height pixels; with a key the transparent source pixels
// leave the destination as it was. Mirroring left to right puts the source's
// last column into the destination's first; up-down its last row into the
// first. Source and destination must not overlap.
void CopyPixels(uint16_t* dest, ptrdiff_t destPitch, const uint16_t* source,
                ptrdiff_t sourcePitch, int width, int height, bool mirrorLeftRight,
                bool mirrorUpDown, const KeyRange* key);

}  // namespace ddraw
