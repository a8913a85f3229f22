// Sample stages for the stage file tests, fuzz seeds, end-to-end test and bench.
#pragma once

#include <string>

#include "StageFile.h"

namespace stagetest {

// A stage of background row 0 and music row 0 with nothing in it.
inline StageRecord PlainStage()
{
    // Music of 8 characters fills its field without a zero byte.
    return {"hib.bak", "hix.bak", 200, 240, "qu17.wav", 0, 0, 0, {}, {}, {}};
}

// A stage the editor loads and saves back byte for byte: ten types, an event
// of every command, type bytes past the table, a name and a line that fill
// their fields without a zero byte.
inline StageRecord SampleStage()
{
    // Layers, band, music, time limit, clear condition and value, types.
    StageRecord s = {"ped3.bak", "ped4.bak", 190, 240, "pox.wav", 40, 1, 1, {3, 25, 0, 1, 2, 4, 5, 6, 7, 8}, {}, {}};
    s.characters = {{3, 300, 200, 1, "Okkar", 5, 200},
                    {25, 0, 240, 0, "\xB0\xA1\xB3\xAA", 0, 0},  // a Korean name in code page 949
                    {27, 65535, 255, 1, "ABCDEFGHIJKLMNOPQRST", 3, 255}};
    for (int command = 0; command <= 21; ++command)
        s.events.push_back({uint8_t(command % 10), uint8_t(command), 0, 0, 0, {}, ""});
    s.events[0].number = 65535;
    s.events[2] = {26, 2, 0, 0, 9, {"first line", "", std::string(35, 'x')}, ""};
    s.events[7].illustration = "01a.bak";
    s.events[18].character = 1;
    s.events[20].illustration = "31.bak";
    s.events[21].number = 23;
    // "두 번째 줄" in code page 949
    s.events.push_back({200, 2, 0, 0, 27, {std::string(36, 'L'), "\xB5\xCE \xB9\xF8\xC2\xB0 \xC1\xD9", ""}, ""});
    return s;
}

}  // namespace stagetest
