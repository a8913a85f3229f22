// Small resource archives for the image store's tests, written into a
// scratch folder that becomes the current directory while a test runs.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// Colour of palette entry i in the test images: distinct for every index,
// none of them black except index 0.
struct PaletteColour {
    int red, green, blue;
};

inline PaletteColour TestColour(int index)
{
    if (index == 0)
        return {0, 0, 0};
    return {(index * 37 + 11) % 256, (index * 91 + 60) % 256, 255 - index};
}

// The index at (column, stored row) of test image k; stored row 0 is the
// first row in the file, the bottom of the picture. Never the padding value.
inline int TestIndex(int k, int column, int storedRow)
{
    return (k * 7 + column * 3 + storedRow * 11) % 200 + 1;
}

const int kPadding = 0xEE;  // the value written into row padding

inline void Put16(std::vector<uint8_t>& out, uint32_t v)
{
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

inline void Put32(std::vector<uint8_t>& out, uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// One bitmap block of 8 bits per pixel. index(column, storedRow) gives the
// pixels; colour(i) the palette.
inline std::vector<uint8_t> Block(int width, int height, std::function<int(int, int)> index,
                                  std::function<PaletteColour(int)> colour = TestColour)
{
    const int stride = (width + 3) / 4 * 4;
    std::vector<uint8_t> b;
    b.push_back('B');
    b.push_back('M');
    Put32(b, 1078 + stride * height);
    Put32(b, 0);
    Put32(b, 1078);
    Put32(b, 40);
    Put32(b, static_cast<uint32_t>(width));
    Put32(b, static_cast<uint32_t>(height));
    Put16(b, 1);
    Put16(b, 8);
    Put32(b, 0);
    Put32(b, stride * height);
    Put32(b, 0);
    Put32(b, 0);
    Put32(b, 256);
    Put32(b, 0);
    for (int i = 0; i < 256; ++i) {
        PaletteColour c = colour(i);
        b.push_back(static_cast<uint8_t>(c.blue));
        b.push_back(static_cast<uint8_t>(c.green));
        b.push_back(static_cast<uint8_t>(c.red));
        b.push_back(0x5A);  // reserved: must be ignored
    }
    for (int row = 0; row < height; ++row)
        for (int column = 0; column < stride; ++column)
            b.push_back(static_cast<uint8_t>(column < width ? index(column, row) : kPadding));
    return b;
}

// Size of test image k: small and different for every block, 5 and 8 wide
// among them.
inline int TestWidth(int k) { return 5 + k % 4; }
inline int TestHeight(int k) { return 3 + k % 3; }

inline std::vector<uint8_t> TestBlock(int k)
{
    return Block(TestWidth(k), TestHeight(k), [k](int c, int r) { return TestIndex(k, c, r); });
}

// An archive: count, 46 (or other) blocks and their recorded lengths.
struct Archive {
    uint16_t count = 46;
    std::vector<std::vector<uint8_t>> blocks;
    std::vector<uint32_t> lengths;  // recorded lengths, by default the blocks' sizes

    static Archive WellFormed()
    {
        Archive a;
        for (int k = 0; k < 46; ++k)
            a.blocks.push_back(TestBlock(k));
        a.Measure();
        return a;
    }
    void Measure()
    {
        lengths.clear();
        for (const auto& b : blocks)
            lengths.push_back(static_cast<uint32_t>(b.size()));
    }
    std::vector<uint8_t> Bytes() const
    {
        std::vector<uint8_t> out;
        Put32(out, 0);
        Put16(out, count);
        for (size_t i = 0; i < lengths.size(); ++i) {
            std::string name = "img" + std::to_string(i);
            name.resize(12, '\0');
            out.insert(out.end(), name.begin(), name.end());
            Put32(out, lengths[i]);
        }
        for (const auto& b : blocks)
            out.insert(out.end(), b.begin(), b.end());
        return out;
    }
};

// Offset of block k in a well-formed archive.
inline size_t BlockOffset(const Archive& a, int k)
{
    size_t offset = 6 + 16 * a.lengths.size();
    for (int i = 0; i < k; ++i)
        offset += a.blocks[i].size();
    return offset;
}

// A fresh folder that is the current directory while the object lives.
class ScratchFolder {
public:
    ScratchFolder()
    {
        char previous[4096];
        if (getcwd(previous, sizeof previous))
            m_previous = previous;
        char name[] = "/tmp/vantrel-screen-XXXXXX";
        if (mkdtemp(name)) {
            m_path = name;
            if (chdir(name) != 0)
                m_path.clear();
        }
    }
    ~ScratchFolder()
    {
        if (!m_previous.empty() && chdir(m_previous.c_str()) != 0)
            std::perror("chdir");
        if (!m_path.empty()) {
            std::error_code ignored;
            std::filesystem::remove_all(m_path, ignored);
        }
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    bool Ready() const { return !m_path.empty(); }
    const std::string& Previous() const { return m_previous; }

    // Writes bytes as "vantrel.bfc" in the folder.
    bool Write(const std::vector<uint8_t>& bytes) const
    {
        FILE* f = std::fopen("vantrel.bfc", "wb");
        if (!f)
            return false;
        bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
        return std::fclose(f) == 0 && ok;
    }

private:
    std::string m_previous;
    std::string m_path;
};
