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
    std::vector<uint8_t> bytes;
    std::string reason;
    if (argc != 2 || !StageFile::Write(stagetest::SampleStage(), bytes, reason)) {
        std::fprintf(stderr, "make_e2e_stage <file>: %s\n", argc != 2 ? "no file named" : reason.c_str());
        return 2;
    }
    return archive::WriteFile(argv[1], bytes) ? 0 : 1;
}
