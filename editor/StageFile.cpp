#include "StageFile.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace StageFile {

namespace {

constexpr size_t ILLUSTRATION_RESERVED = 5;  // one u8 and two u16, all 0
constexpr size_t MAX_U8_COUNT = 0xFF;
constexpr size_t MAX_U16_COUNT = 0xFFFF;

// A read position in a buffer. Callers ask Has before they take bytes, so
// nothing is read past the end; the check subtracts and cannot overflow.
struct Input {
    const uint8_t* data;
    size_t size;
    size_t pos;

    bool Has(size_t n) const { return n <= size - pos; }
    void Skip(size_t n) { pos += n; }
    uint8_t U8() { return data[pos++]; }
    uint16_t U16()
    {
        const uint16_t value = uint16_t(data[pos] | data[pos + 1] << 8);
        pos += 2;
        return value;
    }
    std::string Text(size_t width)
    {
        const char* field = reinterpret_cast<const char*>(data + pos);
        const void* zero = std::memchr(field, 0, width);
        const size_t length = zero ? static_cast<const char*>(zero) - field : width;
        pos += width;
        return std::string(field, length);
    }
};

void PutU8(std::vector<uint8_t>& out, uint8_t value)
{
    out.push_back(value);
}

void PutU16(std::vector<uint8_t>& out, uint16_t value)
{
    out.push_back(uint8_t(value & 0xFF));
    out.push_back(uint8_t(value >> 8));
}

void PutZeros(std::vector<uint8_t>& out, size_t n)
{
    out.insert(out.end(), n, 0);
}

void PutText(std::vector<uint8_t>& out, const std::string& text, size_t width)
{
    const size_t length = std::min(text.size(), width);
    out.insert(out.end(), text.begin(), text.begin() + length);
    PutZeros(out, width - length);
}

std::string CommandRefusal(size_t event, int command)
{
    return "event " + std::to_string(event) + " has command " + std::to_string(command) +
           ", which has no payload size";
}

// Reads the header and returns its count of selected types.
size_t ReadHeader(Input& in, StageRecord& stage)
{
    in.Skip(1);
    stage.nearLayer = in.Text(FILE_NAME_WIDTH);
    in.Skip(2);
    stage.farLayer = in.Text(FILE_NAME_WIDTH);
    in.Skip(1);
    stage.minY = in.U8();
    stage.maxY = in.U8();
    stage.bgm = in.Text(FILE_NAME_WIDTH);
    in.Skip(1);
    stage.timeLimit = in.U8();
    stage.clearCondition = in.U8();
    stage.clearValue = in.U8();
    return in.U8();
}

CharacterRecord ReadCharacter(Input& in)
{
    CharacterRecord c;
    c.type = in.U8();
    c.x = in.U16();
    c.y = in.U8();
    c.facing = in.U8();
    c.name = in.Text(CHARACTER_NAME_WIDTH);
    c.tactic = in.U8();
    c.team = in.U8();
    in.Skip(1);
    return c;
}

// The payload of e's command; the caller has checked that it is there.
void ReadPayload(Input& in, EventRecord& e)
{
    switch (e.command) {
    case COMMAND_START:
    case COMMAND_SOUND_EFFECT:
        e.number = in.U16();
        break;
    case COMMAND_DIALOGUE:
        e.speaker = in.U8();
        for (std::string& line : e.lines)
            line = in.Text(LINE_WIDTH);
        break;
    case COMMAND_OPEN_ILLUSTRATION:
    case COMMAND_OTHER_ILLUSTRATION:
        e.illustration = in.Text(ILLUSTRATION_WIDTH);
        in.Skip(ILLUSTRATION_RESERVED);
        break;
    case COMMAND_RELEASE_TACTIC:
        e.character = in.U8();
        break;
    default:
        break;
    }
}

void WriteHeader(std::vector<uint8_t>& out, const StageRecord& stage)
{
    PutZeros(out, 1);
    PutText(out, stage.nearLayer, FILE_NAME_WIDTH);
    PutZeros(out, 2);
    PutText(out, stage.farLayer, FILE_NAME_WIDTH);
    PutZeros(out, 1);
    PutU8(out, stage.minY);
    PutU8(out, stage.maxY);
    PutText(out, stage.bgm, FILE_NAME_WIDTH);
    PutZeros(out, 1);
    PutU8(out, stage.timeLimit);
    PutU8(out, stage.clearCondition);
    PutU8(out, stage.clearValue);
    PutU8(out, uint8_t(stage.selectedTypes.size()));
}

void WriteCharacter(std::vector<uint8_t>& out, const CharacterRecord& c)
{
    PutU8(out, c.type);
    PutU16(out, c.x);
    PutU8(out, c.y);
    PutU8(out, c.facing);
    PutText(out, c.name, CHARACTER_NAME_WIDTH);
    PutU8(out, c.tactic);
    PutU8(out, c.team);
    PutZeros(out, 1);
}

void WriteEvent(std::vector<uint8_t>& out, const EventRecord& e)
{
    PutU8(out, e.target);
    PutU8(out, e.command);
    switch (e.command) {
    case COMMAND_START:
    case COMMAND_SOUND_EFFECT:
        PutU16(out, e.number);
        break;
    case COMMAND_DIALOGUE:
        PutU8(out, e.speaker);
        for (const std::string& line : e.lines)
            PutText(out, line, LINE_WIDTH);
        break;
    case COMMAND_OPEN_ILLUSTRATION:
    case COMMAND_OTHER_ILLUSTRATION:
        PutText(out, e.illustration, ILLUSTRATION_WIDTH);
        PutZeros(out, ILLUSTRATION_RESERVED);
        break;
    case COMMAND_RELEASE_TACTIC:
        PutU8(out, e.character);
        break;
    default:
        break;
    }
}

}  // namespace

int PayloadSize(int command)
{
    switch (command) {
    case COMMAND_START:
    case COMMAND_SOUND_EFFECT:
        return 2;
    case COMMAND_DIALOGUE:
        return 1 + 3 * int(LINE_WIDTH);
    case COMMAND_OPEN_ILLUSTRATION:
    case COMMAND_OTHER_ILLUSTRATION:
        return int(ILLUSTRATION_WIDTH + ILLUSTRATION_RESERVED);
    case COMMAND_RELEASE_TACTIC:
        return 1;
    default:
        return command >= 0 && command <= COMMAND_LAST ? 0 : -1;
    }
}

bool Read(const uint8_t* data, size_t size, StageRecord& stage, std::string& reason)
{
    Input in{data, data ? size : 0, 0};
    StageRecord read;

    if (!in.Has(HEADER_SIZE)) {
        reason = "the file ends inside the header";
        return false;
    }
    const size_t typeCount = ReadHeader(in, read);
    if (!in.Has(typeCount)) {
        reason = "the file ends inside the selected types";
        return false;
    }
    read.selectedTypes.assign(in.data + in.pos, in.data + in.pos + typeCount);
    in.Skip(typeCount);

    if (!in.Has(1)) {
        reason = "the file ends before the character count";
        return false;
    }
    const size_t characterCount = in.U8();
    if (!in.Has(characterCount * CHARACTER_SIZE)) {
        reason = "the file ends inside the characters";
        return false;
    }
    read.characters.reserve(characterCount);
    for (size_t i = 0; i < characterCount; ++i)
        read.characters.push_back(ReadCharacter(in));

    if (!in.Has(2)) {
        reason = "the file ends before the event count";
        return false;
    }
    const size_t eventCount = in.U16();
    // Every event takes at least two bytes: a count the file cannot hold
    // reserves no more than the file can.
    read.events.reserve(std::min(eventCount, (in.size - in.pos) / 2));
    for (size_t i = 0; i < eventCount; ++i) {
        if (!in.Has(2)) {
            reason = "the file ends inside event " + std::to_string(i);
            return false;
        }
        EventRecord e;
        e.target = in.U8();
        e.command = in.U8();
        const int payload = PayloadSize(e.command);
        if (payload < 0) {
            reason = CommandRefusal(i, e.command);
            return false;
        }
        if (!in.Has(size_t(payload))) {
            reason = "the file ends inside event " + std::to_string(i);
            return false;
        }
        ReadPayload(in, e);
        read.events.push_back(std::move(e));
    }

    if (!in.Has(TRAILER_SIZE)) {
        reason = "the file ends inside the trailer";
        return false;
    }
    stage = std::move(read);
    return true;
}

bool Write(const StageRecord& stage, std::vector<uint8_t>& bytes, std::string& reason)
{
    if (stage.selectedTypes.size() > MAX_U8_COUNT) {
        reason = "more than 255 selected types";
        return false;
    }
    if (stage.characters.size() > MAX_U8_COUNT) {
        reason = "more than 255 characters";
        return false;
    }
    if (stage.events.size() > MAX_U16_COUNT) {
        reason = "more than 65535 events";
        return false;
    }
    size_t size = HEADER_SIZE + stage.selectedTypes.size() + 1 +
                  stage.characters.size() * CHARACTER_SIZE + 2 + TRAILER_SIZE;
    for (size_t i = 0; i < stage.events.size(); ++i) {
        const int payload = PayloadSize(stage.events[i].command);
        if (payload < 0) {
            reason = CommandRefusal(i, stage.events[i].command);
            return false;
        }
        size += 2 + size_t(payload);
    }

    std::vector<uint8_t> out;
    out.reserve(size);
    WriteHeader(out, stage);
    out.insert(out.end(), stage.selectedTypes.begin(), stage.selectedTypes.end());
    PutU8(out, uint8_t(stage.characters.size()));
    for (const CharacterRecord& c : stage.characters)
        WriteCharacter(out, c);
    PutU16(out, uint16_t(stage.events.size()));
    for (const EventRecord& e : stage.events)
        WriteEvent(out, e);
    PutZeros(out, TRAILER_SIZE);
    bytes = std::move(out);
    return true;
}

}  // namespace StageFile
