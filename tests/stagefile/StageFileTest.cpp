// The stage file codec: the bytes of each field, refusals and count limits.
#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "StageFile.h"
#include "StageFileTesting.h"
#include "testing/Testing.h"

using namespace std::string_view_literals;
using Buffer = std::vector<uint8_t>;

namespace {

Buffer Cat(std::initializer_list<std::string_view> parts)
{
    Buffer out;
    for (std::string_view p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

Buffer Written(const StageRecord& stage)
{
    Buffer bytes;
    std::string reason;
    EXPECT_TRUE(StageFile::Write(stage, bytes, reason)) << reason;
    return bytes;
}

StageRecord ReadBack(const Buffer& bytes)
{
    StageRecord stage;
    std::string reason;
    EXPECT_TRUE(StageFile::Read(bytes.data(), bytes.size(), stage, reason)) << reason;
    return stage;
}

Buffer Slice(const Buffer& bytes, size_t from, size_t to)
{
    return Buffer(bytes.begin() + from, bytes.begin() + to);
}

}  // namespace

TEST(StageFile, EmptyStageIsItsHeaderTwoCountsAndTheTrailer)
{
    StageRecord stage = stagetest::PlainStage();
    stage.timeLimit = 40;
    stage.clearCondition = 255;
    stage.clearValue = 7;
    const Buffer expected = Cat({"\0"sv, "hib.bak\0"sv, "\0\0"sv, "hix.bak\0"sv, "\0"sv, "\xC8\xF0"sv,
                                 "qu17.wav"sv, "\0"sv, "\x28\xFF\x07"sv, "\0"sv, "\0"sv, "\0\0"sv,
                                 "\0\0\0\0\0\0\0\0"sv});
    ASSERT_EQ(expected.size(), 46u);
    EXPECT_EQ(Written(stage), expected);
    EXPECT_EQ(ReadBack(expected), stage);

    // Bytes that carry nothing are read as nothing: the reserved ones, the
    // trailer's, and those after a text's first zero ("hib.\0ak").
    Buffer noisy = expected;
    for (size_t at : {0, 9, 10, 19, 30, 38, 45})
        noisy[at] = 0xEE;
    noisy[5] = 0;
    stage.nearLayer = "hib.";
    EXPECT_EQ(ReadBack(noisy), stage);
}

TEST(StageFile, CharacterRecordBytes)
{
    const std::string korean = testhooks::Cp949("가나다라마바사아자차");  // 20 bytes
    // A name is read back as its first twenty bytes.
    const struct {
        CharacterRecord in;
        Buffer bytes;
    } cases[] = {
        {{3, 300, 200, 1, "Okkar", 5, 200},
         Cat({"\x03\x2C\x01\xC8\x01"sv, "Okkar"sv, std::string(15, '\0'), "\x05\xC8\0"sv})},
        // Twenty bytes fill the field without a zero byte; more are cut.
        {{25, 65535, 0, 0, "ABCDEFGHIJKLMNOPQRST", 0, 0},
         Cat({"\x19\xFF\xFF\x00\x00"sv, "ABCDEFGHIJKLMNOPQRST"sv, "\0\0\0"sv})},
        {{0, 0, 0, 0, "ABCDEFGHIJKLMNOPQRSTUVWXY", 0, 0},
         Cat({"\0\0\0\0\0"sv, "ABCDEFGHIJKLMNOPQRST"sv, "\0\0\0"sv})},
        // Cut inside a double-byte character: its lead byte stays.
        {{0, 0, 0, 0, "a" + korean, 0, 0}, Cat({"\0\0\0\0\0"sv, "a"sv, std::string_view(korean).substr(0, 19), "\0\0\0"sv})},
        {{0, 0, 0, 0, "", 0, 0}, Buffer(28, 0)},
    };
    for (const auto& c : cases) {
        StageRecord stage;
        stage.characters = {c.in};
        const Buffer bytes = Written(stage);
        ASSERT_EQ(bytes.size(), 46u + 28u);
        EXPECT_EQ(bytes[35], 1);
        EXPECT_EQ(Slice(bytes, 36, 64), c.bytes) << c.in.name;
        CharacterRecord back = c.in;
        back.name.resize(std::min<size_t>(back.name.size(), 20));
        EXPECT_EQ(ReadBack(bytes).characters, std::vector<CharacterRecord>{back}) << c.in.name;
    }
}

TEST(StageFile, EventRecordBytes)
{
    const std::string full(36, 'L'), longest(35, 'l');  // lines without a zero byte and with one
    const struct {
        EventRecord in;
        Buffer bytes;
    } cases[] = {
        {{9, 0, 65535, 0, 0, {}, ""}, Cat({"\x09\x00\xFF\xFF"sv})},
        {{0, 0, 300, 0, 0, {}, ""}, Cat({"\x00\x00\x2C\x01"sv})},
        {{26, 21, 23, 0, 0, {}, ""}, Cat({"\x1A\x15\x17\x00"sv})},
        {{1, 18, 0, 59, 0, {}, ""}, Cat({"\x01\x12\x3B"sv})},
        {{0, 7, 0, 0, 0, {}, "01a.bak"}, Cat({"\x00\x07"sv, "01a.bak\0\0\0"sv, "\0\0\0\0\0"sv})},
        {{0, 20, 0, 0, 0, {}, "09.bak"}, Cat({"\x00\x14"sv, "09.bak\0\0\0\0"sv, "\0\0\0\0\0"sv})},
        {{9, 2, 0, 0, 26, {full, longest, ""}, ""}, Cat({"\x09\x02\x1A"sv, full, longest, "\0"sv, std::string(36, '\0')})},
        {{0, 6, 0, 0, 0, {}, ""}, Cat({"\x00\x06"sv})},
    };
    for (const auto& c : cases) {
        StageRecord stage;
        stage.events = {c.in};
        const Buffer bytes = Written(stage);
        EXPECT_EQ(Slice(bytes, 36, 38), Cat({"\x01\x00"sv})) << int(c.in.command);
        EXPECT_EQ(Slice(bytes, 38, bytes.size() - 8), c.bytes) << int(c.in.command);
        EXPECT_EQ(ReadBack(bytes).events, std::vector<EventRecord>{c.in}) << int(c.in.command);
    }
}

TEST(StageFile, ReaderRefusesWhatCannotBeWalked)
{
    const Buffer sample = Written(stagetest::SampleStage());
    ASSERT_EQ(ReadBack(sample), stagetest::SampleStage());
    StageRecord untouched;
    untouched.nearLayer = "kept";
    std::string reason;

    // Every cut, to the trailer's last byte, is refused and leaves the record as it was.
    for (size_t size = 0; size < sample.size(); ++size) {
        StageRecord stage = untouched;
        reason.clear();
        EXPECT_FALSE(StageFile::Read(sample.data(), size, stage, reason)) << size;
        EXPECT_FALSE(reason.empty()) << size;
        EXPECT_EQ(stage, untouched) << size;
    }
    StageRecord stage = untouched;
    EXPECT_FALSE(StageFile::Read(nullptr, 0, stage, reason));

    // A command above 21, as the first or the last event, even with bytes to spare.
    const size_t firstCommand = 35 + 10 + 1 + 3 * 28 + 2 + 1;
    const size_t lastCommand = sample.size() - 8 - 2 - 1 - 3 * 36 + 1;
    ASSERT_EQ(sample[firstCommand], 0);
    ASSERT_EQ(sample[lastCommand], 2);
    for (size_t at : {firstCommand, lastCommand}) {
        for (uint8_t command : {22, 255}) {
            Buffer bytes = sample;
            bytes[at] = command;
            bytes.resize(bytes.size() + 200);
            stage = untouched;
            EXPECT_FALSE(StageFile::Read(bytes.data(), bytes.size(), stage, reason));
            EXPECT_NE(reason.find(std::to_string(command)), std::string::npos) << reason;
            EXPECT_EQ(stage, untouched);
        }
    }
}

// The largest counts of the longest records fit, as do all the types with
// nothing else; one more, or an unknown command, is refused.
TEST(StageFile, WriterRefusesCountsThatWouldWrapAndUnknownCommands)
{
    const struct {
        size_t types, characters, events;
        int command;
        bool written;
    } cases[] = {
        {255, 255, 65535, StageFile::COMMAND_DIALOGUE, true},
        {255, 0, 0, 1, true},
        {256, 0, 0, 1, false},
        {0, 256, 0, 1, false},
        {0, 0, 65536, 1, false},
        {0, 0, 3, 22, false},
        {0, 0, 3, 255, false},
    };
    for (const auto& c : cases) {
        StageRecord stage;
        stage.selectedTypes.resize(c.types, 7);
        stage.characters.resize(c.characters);
        EventRecord event;
        event.command = uint8_t(c.command);
        // A refused command stands last, after events that are fine.
        stage.events.resize(c.events, c.written ? event : EventRecord{});
        if (!stage.events.empty())
            stage.events.back() = event;
        Buffer bytes = {1, 2, 3};
        std::string reason;
        EXPECT_EQ(StageFile::Write(stage, bytes, reason), c.written) << c.types << " " << c.characters << " " << c.events;
        if (!c.written) {
            EXPECT_FALSE(reason.empty());
            EXPECT_EQ(bytes, (Buffer{1, 2, 3}));
            continue;
        }
        const size_t eventCount = 35 + c.types + 1 + c.characters * 28;
        EXPECT_EQ(bytes.size(), c.events ? StageFile::MAX_FILE_SIZE : eventCount + 2 + 8);
        EXPECT_EQ(bytes[34], c.types);
        EXPECT_EQ(bytes[35 + c.types], c.characters);
        EXPECT_EQ(Slice(bytes, eventCount, eventCount + 2), (Buffer{uint8_t(c.events), uint8_t(c.events >> 8)}));
        EXPECT_EQ(ReadBack(bytes), stage);
    }
}
