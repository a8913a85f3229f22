// Fuzz target: arbitrary bytes as a stage file. The reader must accept
// exactly the files that the layout walk of the tests can walk to the end of
// their trailer; an accepted file must be written back as the same bytes,
// apart from those that carry nothing, and read again to the same record.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "StageFile.h"
#include "StageFileTesting.h"

namespace {

[[noreturn]] void Fail(const char* what, const std::string& reason)
{
    std::fprintf(stderr, "%s (%s)\n", what, reason.c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    StageRecord stage;
    std::string reason;
    const bool read = StageFile::Read(data, size, stage, reason);
    const auto normal = stagetest::Normalised(data, size);
    if (read != normal.has_value())
        Fail(read ? "read a file the walk cannot walk" : "refused a file the walk can walk", reason);
    if (!read)
        return 0;

    std::vector<uint8_t> bytes;
    if (!StageFile::Write(stage, bytes, reason))
        Fail("refused to write what it read", reason);
    if (bytes != *normal)
        Fail("wrote back other bytes than it read", "");
    StageRecord again;
    if (!StageFile::Read(bytes.data(), bytes.size(), again, reason))
        Fail("refused what it wrote", reason);
    if (!(again == stage))
        Fail("read back another record than it wrote", "");
    return 0;
}
