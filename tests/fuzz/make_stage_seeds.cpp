// Writes the seed files of the stage fuzz target into a folder: an empty
// stage, a stage with an event of every command, one with odd values, twelve
// selected types, non-zero reserved bytes and bytes after its trailer, and
// two that are refused: cut inside an event, and an event command of 22.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "StageFile.h"
#include "StageFileTesting.h"

namespace {

bool Write(const std::string& path, const std::vector<uint8_t>& bytes)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

std::vector<uint8_t> Bytes(const StageRecord& stage)
{
    std::vector<uint8_t> bytes;
    std::string reason;
    if (!StageFile::Write(stage, bytes, reason))
        std::fprintf(stderr, "seed not written: %s\n", reason.c_str());
    return bytes;
}

StageRecord Odd()
{
    StageRecord stage;
    stage.nearLayer = "nowhere1";
    stage.clearCondition = 3;
    stage.selectedTypes.assign(12, 26);
    stage.characters = {{200, 65535, 255, 2, std::string(20, 'n'), 6, 255}};
    EventRecord e;
    e.target = 27;
    e.command = 2;
    e.speaker = 255;
    e.lines = {std::string(36, 'a'), "", "b"};
    stage.events = {e};
    return stage;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    StageRecord empty;
    empty.nearLayer = "hib.bak";
    empty.farLayer = "hix.bak";
    empty.bgm = "qu17.wav";
    const std::vector<uint8_t> sample = Bytes(stagetest::SampleStage());

    std::vector<uint8_t> odd = Bytes(Odd());
    for (size_t at : {0, 9, 10, 19, 30})
        odd[at] = 0x5A;
    for (size_t i = odd.size() - 8; i < odd.size(); ++i)
        odd[i] = uint8_t(i);
    odd.insert(odd.end(), {1, 2, 3});

    // The dialogue event follows the start and end events of the sample.
    const size_t dialogue = 35 + 2 + 1 + 2 * 28 + 2 + 4 + 2;
    const std::vector<uint8_t> cut(sample.begin(), sample.begin() + dialogue + 50);
    std::vector<uint8_t> command22 = sample;
    command22[dialogue + 1] = 22;

    bool ok = Write(dir + "/empty.stg", Bytes(empty)) && Write(dir + "/sample.stg", sample) &&
              Write(dir + "/odd.stg", odd) && Write(dir + "/cut.stg", cut) &&
              Write(dir + "/command22.stg", command22);
    return ok ? 0 : 1;
}
