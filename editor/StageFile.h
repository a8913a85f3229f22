// The stage file ("*.stg"): bytes to a plain record of every stored field
// and back. It knows nothing of the dialog or of the stage tables: numbers
// stay the numbers stored and texts the bytes stored; the save and load
// handlers turn cells into them and back.
//
// The file has no signature and no lengths of its own: a reader finds its
// way only through the three counts and each event's command number. All
// integers are unsigned little-endian, fields are packed, reserved bytes are
// written as 0 and never read into the record, and the file ends with 8
// zero bytes.
//
// A text is held as its field's bytes up to the first zero byte, or all of
// them when none is zero. It is written cut to the field's width (even inside
// a double-byte character) and padded with zero bytes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct CharacterRecord {
    uint8_t type = 0;
    uint16_t x = 0;
    uint8_t y = 0;
    uint8_t facing = 0;  // as stored: 1 left, 0 right
    std::string name;    // 20-byte field
    uint8_t tactic = 0;
    uint8_t team = 0;

    bool operator==(const CharacterRecord&) const = default;
};

// An event. Only the payload fields of its command are written; reading
// leaves the others empty.
struct EventRecord {
    uint8_t target = 0;
    uint8_t command = 0;
    uint16_t number = 0;               // commands 0 (start X) and 21 (sound effect)
    uint8_t character = 0;             // command 18: the character whose tactic is released
    uint8_t speaker = 0;               // command 2
    std::array<std::string, 3> lines;  // command 2: 36-byte fields
    std::string illustration;          // commands 7 and 20: 10-byte file name field

    bool operator==(const EventRecord&) const = default;
};

struct StageRecord {
    std::string nearLayer;  // 8-byte file name fields
    std::string farLayer;
    uint8_t minY = 0;
    uint8_t maxY = 0;
    std::string bgm;
    uint8_t timeLimit = 0;
    uint8_t clearCondition = 0;
    uint8_t clearValue = 0;
    std::vector<uint8_t> selectedTypes;  // every stored type byte, also beyond ten
    std::vector<CharacterRecord> characters;
    std::vector<EventRecord> events;

    bool operator==(const StageRecord&) const = default;
};

namespace StageFile {

constexpr size_t FILE_NAME_WIDTH = 8;
constexpr size_t CHARACTER_NAME_WIDTH = 20;
constexpr size_t LINE_WIDTH = 36;
constexpr size_t ILLUSTRATION_WIDTH = 10;

constexpr size_t HEADER_SIZE = 35;
constexpr size_t CHARACTER_SIZE = 28;
constexpr size_t TRAILER_SIZE = 8;

// The largest file the counts allow: 255 selected types, 255 characters and
// 65535 dialogue events, the longest event. A reader never looks past it.
constexpr size_t MAX_FILE_SIZE = HEADER_SIZE + 255 + 1 + 255 * CHARACTER_SIZE + 2 +
                                 65535 * (2 + 1 + 3 * LINE_WIDTH) + TRAILER_SIZE;

// The commands that carry a payload; every other command up to
// COMMAND_LAST carries none, and a command above it cannot be walked past.
constexpr int COMMAND_START = 0;
constexpr int COMMAND_DIALOGUE = 2;
constexpr int COMMAND_OPEN_ILLUSTRATION = 7;
constexpr int COMMAND_RELEASE_TACTIC = 18;
constexpr int COMMAND_OTHER_ILLUSTRATION = 20;
constexpr int COMMAND_SOUND_EFFECT = 21;
constexpr int COMMAND_LAST = 21;

// Payload bytes that follow an event's target and command, or -1 for a
// command above COMMAND_LAST.
int PayloadSize(int command);

// Reads a whole stage file. On success fills stage and returns true; bytes
// after the trailer are ignored. A file that ends before its trailer does,
// or an event command above COMMAND_LAST, is refused: false, a short reason,
// and stage untouched. Every other value is taken as stored.
bool Read(const uint8_t* data, size_t size, StageRecord& stage, std::string& reason);

// Writes a stage file. Refuses (false, a short reason, bytes untouched)
// rather than wrap a count: more than 255 selected types or characters, more
// than 65535 events; and an event command above COMMAND_LAST.
bool Write(const StageRecord& stage, std::vector<uint8_t>& bytes, std::string& reason);

}  // namespace StageFile
