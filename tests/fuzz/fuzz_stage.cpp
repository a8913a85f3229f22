// Fuzz target: arbitrary bytes as a stage file. The reader must accept
// exactly the files that the layout walk below, written apart from the
// codec, can walk to the end of their trailer; an accepted file must be
// written back as the same bytes, apart from those that carry nothing, and
// read again to the same record.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "StageFile.h"

namespace {

// What a run of bytes carries: numbers, text (bytes after its first zero
// byte carry nothing) or nothing at all (reserved bytes and the trailer).
enum class Bytes { Data, Text, Reserved };
struct Field { size_t width; Bytes kind; };
using Layout = std::vector<Field>;

// The header, which ends with the count of selected types, and a character.
const Layout kHeader = {{1, Bytes::Reserved}, {8, Bytes::Text}, {2, Bytes::Reserved},
                        {8, Bytes::Text},     {1, Bytes::Reserved}, {2, Bytes::Data},
                        {8, Bytes::Text},     {1, Bytes::Reserved}, {4, Bytes::Data}};
const Layout kCharacter = {{5, Bytes::Data}, {20, Bytes::Text}, {2, Bytes::Data}, {1, Bytes::Reserved}};

// The payload of an event command, or null for a command past the last.
const Layout* PayloadLayout(int command)
{
    static const Layout none, number = {{2, Bytes::Data}}, character = {{1, Bytes::Data}};
    static const Layout dialogue = {{1, Bytes::Data}, {36, Bytes::Text}, {36, Bytes::Text}, {36, Bytes::Text}};
    static const Layout illustration = {{10, Bytes::Text}, {5, Bytes::Reserved}};
    switch (command) {
    case 0: case 21: return &number;
    case 2: return &dialogue;
    case 7: case 20: return &illustration;
    case 18: return &character;
    default: return command <= 21 ? &none : nullptr;
    }
}

// The file up to the end of its trailer with every byte that carries nothing
// set to zero: what writing back what was read must give. Nothing when the
// file cannot be walked to its trailer's end.
std::optional<std::vector<uint8_t>> Normalised(const uint8_t* data, size_t size)
{
    std::vector<uint8_t> out;
    size_t pos = 0;
    auto take = [&](const Layout& layout) {
        size_t width = 0;
        for (const Field& f : layout)
            width += f.width;
        if (size - pos < width)
            return false;
        for (const Field& f : layout) {
            bool carries = f.kind != Bytes::Reserved;
            for (size_t i = 0; i < f.width; ++i, ++pos) {
                out.push_back(carries ? data[pos] : 0);
                if (f.kind == Bytes::Text && data[pos] == 0)
                    carries = false;
            }
        }
        return true;
    };
    bool ok = take(kHeader) && take({{data[pos - 1], Bytes::Data}}) && take({{1, Bytes::Data}});
    for (size_t i = ok ? data[pos - 1] : 0; ok && i > 0; --i)
        ok = take(kCharacter);
    ok = ok && take({{2, Bytes::Data}});
    for (size_t i = ok ? data[pos - 2] | data[pos - 1] << 8 : 0; ok && i > 0; --i) {
        const Layout* payload = take({{2, Bytes::Data}}) ? PayloadLayout(data[pos - 1]) : nullptr;
        ok = payload != nullptr && take(*payload);
    }
    if (!ok || !take({{8, Bytes::Reserved}}))
        return std::nullopt;
    return out;
}

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
    const auto normal = Normalised(data, size);
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
