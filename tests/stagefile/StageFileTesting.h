// Shared by the stage file tests, the stage fuzz target and its seed maker,
// the handler tests and the stage file benchmark: a walk of the stage file
// layout written apart from the codec, so that the codec is checked against
// a second reading of the layout, and sample stages.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "StageFile.h"

namespace stagetest {

// What a run of bytes carries: numbers, text (bytes after its first zero byte
// carry nothing) or nothing at all (reserved bytes and the trailer).
enum class Bytes { Data, Text, Reserved };
struct Field {
    size_t width;
    Bytes kind;
};
using Layout = std::vector<Field>;

// The header up to and with T, its last byte.
inline const Layout& HeaderLayout()
{
    static const Layout layout = {
        {1, Bytes::Reserved}, {8, Bytes::Text}, {2, Bytes::Reserved}, {8, Bytes::Text},
        {1, Bytes::Reserved}, {2, Bytes::Data}, {8, Bytes::Text},     {1, Bytes::Reserved},
        {4, Bytes::Data}};
    return layout;
}

inline const Layout& CharacterLayout()
{
    static const Layout layout = {
        {5, Bytes::Data}, {20, Bytes::Text}, {2, Bytes::Data}, {1, Bytes::Reserved}};
    return layout;
}

// The payload of an event command, or null for a command no payload is known for.
inline const Layout* PayloadLayout(int command)
{
    static const Layout none;
    static const Layout number = {{2, Bytes::Data}};
    static const Layout dialogue = {
        {1, Bytes::Data}, {36, Bytes::Text}, {36, Bytes::Text}, {36, Bytes::Text}};
    static const Layout illustration = {{10, Bytes::Text}, {5, Bytes::Reserved}};
    static const Layout character = {{1, Bytes::Data}};
    switch (command) {
    case 0: case 21: return &number;
    case 2: return &dialogue;
    case 7: case 20: return &illustration;
    case 18: return &character;
    default: return command >= 0 && command <= 21 ? &none : nullptr;
    }
}

inline size_t WidthOf(const Layout& layout)
{
    size_t width = 0;
    for (const Field& f : layout)
        width += f.width;
    return width;
}

// The file up to the end of its trailer with every byte that carries nothing
// set to zero: what writing back what was read must give. Nothing when the
// file cannot be walked to its trailer's end.
inline std::optional<std::vector<uint8_t>> Normalised(const uint8_t* data, size_t size)
{
    std::vector<uint8_t> out;
    size_t pos = 0;
    auto take = [&](const Layout& layout) {
        if (size - pos < WidthOf(layout))
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
    if (!take(HeaderLayout()))
        return std::nullopt;
    if (!take({{data[pos - 1], Bytes::Data}}) || !take({{1, Bytes::Data}}))
        return std::nullopt;
    const size_t characters = data[pos - 1];
    for (size_t i = 0; i < characters; ++i) {
        if (!take(CharacterLayout()))
            return std::nullopt;
    }
    if (!take({{2, Bytes::Data}}))
        return std::nullopt;
    const size_t events = data[pos - 2] | data[pos - 1] << 8;
    for (size_t i = 0; i < events; ++i) {
        if (!take({{2, Bytes::Data}}))
            return std::nullopt;
        const Layout* payload = PayloadLayout(data[pos - 1]);
        if (payload == nullptr || !take(*payload))
            return std::nullopt;
    }
    if (!take({{8, Bytes::Reserved}}))
        return std::nullopt;
    return out;
}

inline std::optional<std::vector<uint8_t>> Normalised(const std::vector<uint8_t>& bytes)
{
    return Normalised(bytes.data(), bytes.size());
}

// A stage of background row 0 and music row 0 with nothing in it.
inline StageRecord PlainStage()
{
    StageRecord s;
    s.nearLayer = "hib.bak";  // 7 characters: one zero byte at the field's end
    s.farLayer = "hix.bak";
    s.bgm = "qu17.wav";  // 8 characters: no zero byte
    s.minY = 200;
    s.maxY = 240;
    return s;
}

// A stage with two selected types, two characters and an event of every
// command, so that every payload kind appears.
inline StageRecord SampleStage()
{
    StageRecord s;
    s.nearLayer = "ped3.bak";
    s.farLayer = "ped4.bak";
    s.minY = 190;
    s.maxY = 240;
    s.bgm = "pox.wav";
    s.timeLimit = 40;
    s.clearCondition = 1;
    s.clearValue = 1;
    s.selectedTypes = {3, 25};
    s.characters = {{3, 300, 200, 1, "Okkar", 5, 200}, {25, 0, 240, 0, "\xB0\xA1\xB3\xAA", 0, 0}};
    for (int command = 0; command <= 21; ++command) {
        EventRecord e;
        e.target = uint8_t(command == 2 ? 26 : command % 10);
        e.command = uint8_t(command);
        if (command == 0 || command == 21)
            e.number = command == 0 ? 65535 : 23;
        if (command == 18)
            e.character = 1;
        if (command == 2) {
            e.speaker = 9;
            e.lines = {"first line", "", std::string(35, 'x')};
        }
        if (command == 7 || command == 20)
            e.illustration = command == 7 ? "01a.bak" : "31.bak";
        s.events.push_back(e);
    }
    return s;
}

}  // namespace stagetest
