// Writes the stage file that the end-to-end test loads into the editor and
// saves again: the sample stage, which the editor saves back byte for byte.
//
//   make_e2e_stage <file>
#include <cstdio>
#include <string>
#include <vector>

#include "../stagefile/StageFileTesting.h"
#include "ArchiveWriter.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <file>\n", argv[0]);
        return 2;
    }
    std::vector<uint8_t> bytes;
    std::string reason;
    if (!StageFile::Write(stagetest::SampleStage(), bytes, reason)) {
        std::fprintf(stderr, "make_e2e_stage: %s\n", reason.c_str());
        return 1;
    }
    return archive::WriteFile(argv[1], bytes) ? 0 : 1;
}
