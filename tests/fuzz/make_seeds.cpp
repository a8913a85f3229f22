// Writes the seeds of one fuzz target into a folder.
//   fuzz_archive: a complete archive of tiny images, one with odd widths,
//     one cut inside the directory, one with a wrong count and one with a
//     malformed block.
//   fuzz_stage: an empty stage, the sample stage (an event of every
//     command), and the sample with odd values, twelve selected types,
//     non-zero reserved bytes and bytes after its trailer.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "ArchiveWriter.h"
#include "StageFile.h"
#include "StageFileTesting.h"

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

bool WriteArchiveSeeds(const std::string& dir)
{
    std::vector<uint8_t> tiny = Archive(46, 1, 1);
    std::vector<uint8_t> cut = tiny;
    cut.resize(6 + 16 * 3 + 14);
    std::vector<uint8_t> broken = Archive(46, 2, 2);
    broken[742 + 22] = 0xFF;  // block 0 with a height far beyond its length
    using archive::WriteFile;
    return WriteFile(dir + "/tiny.bfc", tiny) && WriteFile(dir + "/odd.bfc", Archive(46, 5, 3)) &&
           WriteFile(dir + "/cut.bfc", cut) && WriteFile(dir + "/count45.bfc", Archive(45, 1, 1)) &&
           WriteFile(dir + "/broken.bfc", broken);
}

std::vector<uint8_t> StageBytes(const StageRecord& stage)
{
    std::vector<uint8_t> bytes;
    std::string reason;
    if (!StageFile::Write(stage, bytes, reason))
        std::fprintf(stderr, "seed not written: %s\n", reason.c_str());
    return bytes;
}

bool WriteStageSeeds(const std::string& dir)
{
    StageRecord stage = stagetest::SampleStage();
    stage.nearLayer = "nowhere1";
    stage.clearCondition = 3;
    stage.selectedTypes.assign(12, 26);
    stage.characters[0].facing = 2;
    stage.characters[0].tactic = 6;
    std::vector<uint8_t> odd = StageBytes(stage);
    for (size_t at : {0, 9, 10, 19, 30})
        odd[at] = 0x5A;
    for (size_t i = odd.size() - 8; i < odd.size(); ++i)
        odd[i] = uint8_t(i);
    odd.insert(odd.end(), {1, 2, 3});
    using archive::WriteFile;
    return WriteFile(dir + "/empty.stg", StageBytes(stagetest::PlainStage())) &&
           WriteFile(dir + "/sample.stg", StageBytes(stagetest::SampleStage())) && WriteFile(dir + "/odd.stg", odd);
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string target = argc == 3 ? argv[1] : "";
    if (target != "fuzz_archive" && target != "fuzz_stage") {
        std::fprintf(stderr, "usage: %s fuzz_archive|fuzz_stage <folder>\n", argv[0]);
        return 2;
    }
    const bool ok = target == "fuzz_archive" ? WriteArchiveSeeds(argv[2]) : WriteStageSeeds(argv[2]);
    return ok ? 0 : 1;
}
