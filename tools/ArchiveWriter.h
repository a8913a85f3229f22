// Writes the resource archive's layout: bitmap blocks of 8 bits per pixel
// and the archive around them. The demo archive's generator, the fuzz
// target's seeds and the image store's tests all write archives with it, and
// the generators their files.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace archive {

struct Colour {
    int red, green, blue;
};

// Appends value as `bytes` little-endian bytes.
inline void Put(std::vector<uint8_t>& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// One bitmap file: 14-byte file header, 40-byte information header, 256
// palette entries (blue, green, red, reserved), then the pixel indices with
// rows stored bottom-up and padded to a multiple of 4 bytes with `padding`.
// index(column, storedRow) gives a pixel, storedRow 0 being the first row in
// the file (the bottom of the picture); colour(i) gives palette entry i.
template <typename Index, typename Palette>
std::vector<uint8_t> Bitmap(int width, int height, Index index, Palette colour,
                            uint8_t padding = 0, uint8_t reserved = 0)
{
    const uint32_t stride = (static_cast<uint32_t>(width) + 3) / 4 * 4;
    const uint32_t pixels = stride * static_cast<uint32_t>(height);
    std::vector<uint8_t> out = {'B', 'M'};
    out.reserve(1078 + pixels);
    for (uint32_t v : {1078 + pixels, 0u, 1078u, 40u, uint32_t(width), uint32_t(height)})
        Put(out, v, 4);
    Put(out, 1, 2);  // planes
    Put(out, 8, 2);  // bits per pixel
    for (uint32_t v : {0u, pixels, 2835u, 2835u, 256u, 0u})
        Put(out, v, 4);
    for (int i = 0; i < 256; ++i) {
        Colour c = colour(i);
        out.push_back(static_cast<uint8_t>(c.blue));
        out.push_back(static_cast<uint8_t>(c.green));
        out.push_back(static_cast<uint8_t>(c.red));
        out.push_back(reserved);
    }
    for (int row = 0; row < height; ++row) {
        for (uint32_t column = 0; column < stride; ++column)
            out.push_back(static_cast<int>(column) < width
                              ? static_cast<uint8_t>(index(static_cast<int>(column), row))
                              : padding);
    }
    return out;
}

// The archive: a length header (the file's size), the count, one directory
// record per entry of lengths (a 12-byte name, zero-padded and cut to 11
// bytes, and the recorded length), then the blocks back to back.
inline std::vector<uint8_t> Archive(uint16_t count, const std::vector<std::string>& names,
                                    const std::vector<uint32_t>& lengths,
                                    const std::vector<std::vector<uint8_t>>& blocks)
{
    size_t total = 6 + 16 * lengths.size();
    for (const auto& block : blocks)
        total += block.size();
    std::vector<uint8_t> out;
    out.reserve(total);
    Put(out, static_cast<uint32_t>(total), 4);
    Put(out, count, 2);
    for (size_t i = 0; i < lengths.size(); ++i) {
        std::string name = i < names.size() ? names[i] : std::string();
        name.resize(11);
        out.insert(out.end(), name.begin(), name.end());
        out.push_back(0);
        Put(out, lengths[i], 4);
    }
    for (const auto& block : blocks)
        out.insert(out.end(), block.begin(), block.end());
    return out;
}

// The lengths that the blocks really have.
inline std::vector<uint32_t> LengthsOf(const std::vector<std::vector<uint8_t>>& blocks)
{
    std::vector<uint32_t> lengths;
    for (const auto& block : blocks)
        lengths.push_back(static_cast<uint32_t>(block.size()));
    return lengths;
}

// Writes the bytes as the file at path; false, with the reason on the error
// output and no file left behind, when that fails.
inline bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        std::perror(path.c_str());
        return false;
    }
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    written = std::fclose(file) == 0 && written;
    if (!written) {
        std::fprintf(stderr, "%s: write failed\n", path.c_str());
        std::remove(path.c_str());
    }
    return written;
}

}  // namespace archive
