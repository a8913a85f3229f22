// Writes the seed archives of the archive fuzz target into a folder: a
// complete archive of tiny images, one with odd widths, one cut inside the
// directory, one with a wrong count and one with a malformed block.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v)
{
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

std::vector<uint8_t> Block(int width, int height, int seed)
{
    const int stride = (width + 3) / 4 * 4;
    std::vector<uint8_t> b = {'B', 'M'};
    Put32(b, 1078 + stride * height);
    Put32(b, 0);
    Put32(b, 1078);
    Put32(b, 40);
    Put32(b, width);
    Put32(b, height);
    Put16(b, 1);
    Put16(b, 8);
    Put32(b, 0);
    Put32(b, stride * height);
    Put32(b, 0);
    Put32(b, 0);
    Put32(b, 256);
    Put32(b, 0);
    for (int i = 0; i < 256; ++i) {
        b.push_back(static_cast<uint8_t>(i));
        b.push_back(static_cast<uint8_t>(255 - i));
        b.push_back(static_cast<uint8_t>(i * 7));
        b.push_back(0);
    }
    for (int i = 0; i < stride * height; ++i)
        b.push_back(static_cast<uint8_t>(i * 13 + seed));
    return b;
}

std::vector<uint8_t> Archive(int count, int width, int height)
{
    std::vector<std::vector<uint8_t>> blocks;
    for (int k = 0; k < 46; ++k)
        blocks.push_back(Block(width + k % 3, height + k % 2, k));
    std::vector<uint8_t> out;
    Put32(out, 0);
    Put16(out, count);
    for (int k = 0; k < 46; ++k) {
        std::string name = "seed" + std::to_string(k);
        name.resize(12, '\0');
        out.insert(out.end(), name.begin(), name.end());
        Put32(out, static_cast<uint32_t>(blocks[k].size()));
    }
    for (const auto& b : blocks)
        out.insert(out.end(), b.begin(), b.end());
    return out;
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
