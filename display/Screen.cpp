// The image store and its loader of the resource archive.
//
// Archive: a 4-byte length (not interpreted), a 2-byte count that must be
// 46, 46 directory records of a 12-byte name and a 4-byte block length, then
// the 46 blocks back to back. Each block is a bitmap file of 8 bits per
// pixel: 14-byte file header, 40-byte information header, 256 palette
// entries (blue, green, red, reserved) and the pixel indices from offset
// 1078, bottom row first, rows padded to a multiple of 4 bytes. Blocks 0..8
// go to sprite slots 0..8, blocks 9..24 to sprite slots 10..25, blocks
// 25..45 to background slots 0..20. Sprites are mirrored left to right on
// loading; backgrounds keep their orientation.
#include "Screen.h"

#include <cstdint>
#include <cstdio>
#include <new>

#include "ColorKey.h"
#include "mfc/Afx.h"

namespace {

const int kImageCount = 46;
const int kSpriteBlocks = 25;
const int kHeaderBytes = 14 + 40 + 1024;  // file header, information header, palette

uint32_t Read32(const BYTE* p)
{
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

uint16_t Read16(const BYTE* p)
{
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

// Whether a block holds what the loader needs: a positive size, 8 bits per
// pixel without compression, all its rows, and surface rows whose byte
// pitch (the platform pads rows like the archive does) fits 16 bits.
bool BlockIsSound(const BYTE* block, DWORD length)
{
    const int32_t width = static_cast<int32_t>(Read32(block + 18));
    const int32_t height = static_cast<int32_t>(Read32(block + 22));
    if (width < 1 || height < 1)
        return false;
    if (Read16(block + 28) != 8 || Read32(block + 30) != 0)
        return false;
    const int64_t stride = (static_cast<int64_t>(width) + 3) / 4 * 4;
    if (stride * 2 > 0xFFFF)
        return false;
    return kHeaderBytes + stride * height <= static_cast<int64_t>(length);
}

// Writes the block's pixels into the locked surface memory.
void ConvertPixels(const BYTE* block, int width, int height, bool mirrored, BOOL is565, WORD* bits,
                   WORD pitch)
{
    WORD colours[256];
    for (int i = 0; i < 256; ++i) {
        const BYTE* entry = block + 54 + 4 * i;  // blue, green, red, unused
        colours[i] = CGraphics::PackColour(entry[2], entry[1], entry[0], is565);
    }

    const size_t stride = (static_cast<size_t>(width) + 3) / 4 * 4;
    for (int y = 0; y < height; ++y) {
        const BYTE* row = block + kHeaderBytes + static_cast<size_t>(height - 1 - y) * stride;
        WORD* out = bits + static_cast<size_t>(y) * pitch;
        if (mirrored) {
            for (int x = 0; x < width; ++x)
                out[x] = colours[row[width - 1 - x]];
        } else {
            for (int x = 0; x < width; ++x)
                out[x] = colours[row[x]];
        }
    }
}

void Report(const char* format, int number)
{
    char text[100];
    std::snprintf(text, sizeof text, format, number);
    AfxMessageBox(text);
}

// Loads one block of `length` bytes from the file's current position into
// the slot. remaining is how many bytes the file still holds. Returns NULL,
// or the failure's message (to be shown with the slot once the file is
// closed); the block's buffer is freed either way.
const char* LoadBlock(FILE* file, DWORD length, int64_t remaining, CGraphics* graphics,
                      SpriteEntry& entry, bool mirrored)
{
    // A block that runs past the end of the file, or cannot even hold its
    // headers, cannot be read: refuse it before asking for its memory.
    if (static_cast<int64_t>(length) > remaining || length < static_cast<DWORD>(kHeaderBytes))
        return "Can't read data %d";

    BYTE* block = new (std::nothrow) BYTE[length];
    if (!block)
        return "Can't allocation read memory %d";
    if (std::fread(block, 1, length, file) != length || !BlockIsSound(block, length)) {
        delete[] block;
        return "Can't read data %d";
    }

    const int width = static_cast<int32_t>(Read32(block + 18));
    const int height = static_cast<int32_t>(Read32(block + 22));
    entry.rc.left = 0;
    entry.rc.top = 0;
    entry.rc.right = width;
    entry.rc.bottom = height;

    entry.surface = graphics->CreateOffscreenSurface(width, height, FALSE);
    if (!entry.surface) {
        delete[] block;
        return "Can't allocation image memory %d";
    }
    if (!graphics->LockSurface(entry.surface, NULL, NULL)) {
        delete[] block;
        return "Can't access image memory %d";
    }
    // Rows are written pitch pixels apart: a pitch narrower than the image
    // would write past the surface.
    if (graphics->m_pitch < width) {
        graphics->UnlockSurface(entry.surface);
        delete[] block;
        return "Can't access image memory %d";
    }

    ConvertPixels(block, width, height, mirrored, graphics->m_is565, graphics->m_bits, graphics->m_pitch);
    graphics->UnlockSurface(entry.surface);
    SetSurfaceColorKey(entry.surface, RGB(0, 0, 0));
    delete[] block;
    return NULL;
}

}  // namespace

CScreen::CScreen()
{
    for (SpriteEntry& entry : m_sprites)
        entry.surface = NULL;
    for (SpriteEntry& entry : m_backgrounds)
        entry.surface = NULL;
}

CScreen::~CScreen()
{
    for (SpriteEntry& entry : m_sprites) {
        if (entry.surface) {
            entry.surface->Release();
            entry.surface = NULL;
        }
    }
    for (SpriteEntry& entry : m_backgrounds) {
        if (entry.surface) {
            entry.surface->Release();
            entry.surface = NULL;
        }
    }
}

BOOL CScreen::LoadArchive(CGraphics* graphics)
{
    FILE* file = std::fopen("vantrel.bfc", "rb");
    if (!file) {
        AfxMessageBox("Can't access bfc file");
        return FALSE;
    }

    // The file's size bounds every block, so that a wild length is refused
    // instead of allocated.
    int64_t fileSize = INT64_MAX;
    if (std::fseek(file, 0, SEEK_END) == 0) {
        long end = std::ftell(file);
        if (end >= 0)
            fileSize = end;
    }
    std::rewind(file);

    BYTE header[4];
    if (std::fread(header, 1, 4, file) != 4) {
        std::fclose(file);
        AfxMessageBox("Can't read Length Header");
        return FALSE;
    }
    BYTE count[2];
    if (std::fread(count, 1, 2, file) != 2 || Read16(count) != kImageCount) {
        std::fclose(file);
        AfxMessageBox("Can't read Count Header");
        return FALSE;
    }

    DWORD lengths[kImageCount];
    for (int i = 0; i < kImageCount; ++i) {
        char name[12];
        if (std::fread(name, 1, sizeof name, file) != sizeof name) {
            std::fclose(file);
            Report("Can't read Name Header %d", i);
            return FALSE;
        }
        BYTE length[4];
        if (std::fread(length, 1, sizeof length, file) != sizeof length) {
            std::fclose(file);
            Report("Can't read data length header %d", i);
            return FALSE;
        }
        lengths[i] = Read32(length);
    }

    int64_t position = 4 + 2 + 16 * kImageCount;
    for (int k = 0; k < kImageCount; ++k) {
        const bool sprite = k < kSpriteBlocks;
        const int slot = k < 9 ? k : (sprite ? k + 1 : k - kSpriteBlocks);
        SpriteEntry& entry = sprite ? m_sprites[slot] : m_backgrounds[slot];
        const char* failure = LoadBlock(file, lengths[k], fileSize - position, graphics, entry, sprite);
        if (failure) {
            std::fclose(file);
            Report(failure, slot);
            return FALSE;
        }
        position += lengths[k];
    }

    std::fclose(file);
    return TRUE;
}
