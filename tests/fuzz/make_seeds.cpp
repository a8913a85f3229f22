// Writes the seed archives of the archive fuzz target into a folder: a
// complete archive of tiny images, one with odd widths, one cut inside the
// directory, one with a wrong count and one with a malformed block.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "ArchiveWriter.h"

namespace {

std::vector<uint8_t> Block(int width, int height, int seed)
{
    return archive::Bitmap(
        width, height, [&](int column, int row) { return (row * width + column) * 13 + seed; },
        [](int i) { return archive::Colour{i * 7 % 256, 255 - i, i}; });
}

std::vector<uint8_t> Archive(int count, int width, int height)
{
    std::vector<std::vector<uint8_t>> blocks;
    std::vector<std::string> names;
    for (int k = 0; k < 46; ++k) {
        blocks.push_back(Block(width + k % 3, height + k % 2, k));
        names.push_back("seed" + std::to_string(k));
    }
    return archive::Archive(static_cast<uint16_t>(count), names, archive::LengthsOf(blocks),
                            blocks);
}

bool Write(const std::string& path, const std::vector<uint8_t>& bytes)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    std::string dir = argv[1];
    std::vector<uint8_t> tiny = Archive(46, 1, 1);
    std::vector<uint8_t> cut = tiny;
    cut.resize(6 + 16 * 3 + 14);
    std::vector<uint8_t> broken = Archive(46, 2, 2);
    broken[742 + 22] = 0xFF;  // block 0 with a height far beyond its length
    bool ok = Write(dir + "/tiny.bfc", tiny) && Write(dir + "/odd.bfc", Archive(46, 5, 3)) &&
              Write(dir + "/cut.bfc", cut) && Write(dir + "/count45.bfc", Archive(45, 1, 1)) &&
              Write(dir + "/broken.bfc", broken);
    return ok ? 0 : 1;
}
