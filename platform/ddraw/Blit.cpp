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

// Sprites are a few dozen pixels wide, so a keyed row is copied in blocks of
// 16 pixels (one AVX2 vector) and its last part as one more block that ends
// at the row's end, overlapping the block before it: a keyed copy may pass
// over a pixel twice with the same result. A scalar tail would cost as much
// as the vectors. The last block is worked out first and stored last, so it
// never reads what the block before it has just stored (that load would
// wait for the store). The blocks are written as vectors: GCC unrolls a
// 16-step loop before it would vectorise it.
// Blocks go only to functions that are always inlined, so how a 32-byte
// vector would be passed or returned between separately built functions is
// moot. The warning about that can be silenced; the note GCC adds for a
// vector argument passed by value cannot, hence the references.
#pragma GCC diagnostic ignored "-Wpsabi"
constexpr int kBlock = 16;
typedef uint16_t Block __attribute__((vector_size(kBlock * sizeof(uint16_t))));
typedef int16_t BlockMask __attribute__((vector_size(kBlock * sizeof(uint16_t))));

[[gnu::always_inline]] inline Block LoadBlock(const uint16_t* p)
{
    Block block;
    std::memcpy(&block, p, sizeof(block));
    return block;
}

[[gnu::always_inline]] inline void StoreBlock(uint16_t* p, const Block& block)
{
    std::memcpy(p, &block, sizeof(block));
}

[[gnu::always_inline]] inline Block Reversed(const Block& block)
{
#if defined(__clang__)
    return __builtin_shufflevector(block, block, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2,
                                   1, 0);
#else
    return __builtin_shuffle(block, Block{15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0});
#endif
}

// Source pixels from low to low + span leave the destination's pixel.
[[gnu::always_inline]] inline Block Keyed(const Block& old, const Block& pixels, uint16_t low, uint16_t span)
{
    const Block transparent = reinterpret_cast<Block>(BlockMask(pixels - low <= span));
    return (old & transparent) | (pixels & ~transparent);
}

// reversed: source points at the row's last pixel, read backwards.
template <bool reversed>
[[gnu::always_inline]] inline Block SourceBlock(const uint16_t* source, int start)
{
    if (reversed)
        return Reversed(LoadBlock(source - start - (kBlock - 1)));
    return LoadBlock(source + start);
}

// A keyed row; reversed: source points at the row's last pixel, read
// backwards. Rows narrower than a block go pixel by pixel.
template <bool reversed>
[[gnu::always_inline]] inline void CopyRowKeyedAny(uint16_t* __restrict dest,
                                                   const uint16_t* __restrict source, int width,
                                                   uint16_t low, uint16_t span)
{
    if (width < kBlock) {
        for (int i = 0; i < width; ++i) {
            const uint16_t pixel = reversed ? source[-i] : source[i];
            dest[i] = static_cast<uint16_t>(pixel - low) <= span ? dest[i] : pixel;
        }
        return;
    }
    const int last = width - kBlock;
    const Block lastBlock = Keyed(LoadBlock(dest + last), SourceBlock<reversed>(source, last),
                                  low, span);
    for (int start = 0; start < last; start += kBlock)
        StoreBlock(dest + start,
                   Keyed(LoadBlock(dest + start), SourceBlock<reversed>(source, start), low, span));
    StoreBlock(dest + last, lastBlock);
}

DDRAW_VECTORISE void CopyRowKeyed(uint16_t* __restrict dest, const uint16_t* __restrict source,
                                  int width, uint16_t low, uint16_t span)
{
    CopyRowKeyedAny<false>(dest, source, width, low, span);
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
    CopyRowKeyedAny<true>(dest, last, width, low, span);
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
