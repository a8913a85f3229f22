// Writes the stage file that the end-to-end test loads into the editor and
// saves again. Every field holds a value that the editor shows in a cell or
// a selection and writes back unchanged: names from the stage tables, the
// movement band of the chosen background (a load takes the band from the
// background), tactics 0 to 5, facing bytes 0 and 1, and only commands the
// editor itself produces. So the saved file must equal this one byte for byte.
//
//   make_e2e_stage <file>
#include <cstdio>
#include <string>
#include <vector>

#include "ArchiveWriter.h"
#include "StageFile.h"
#include "StageTables.h"
#include "testing/Testing.h"

namespace {

using testhooks::Cp949;

EventRecord Event(int target, int command)
{
    EventRecord e;
    e.target = uint8_t(target);
    e.command = uint8_t(command);
    return e;
}

StageRecord E2eStage()
{
    // "Imbrel 2": near and far layer, a band other than the start-up one.
    const BackgroundRow& background = *StageTables::Background(7);
    StageRecord s;
    s.nearLayer = background.nearFile;
    s.farLayer = background.farFile;
    s.minY = uint8_t(background.minY);
    s.maxY = uint8_t(background.maxY);
    s.bgm = g_bgms[3].file;
    s.timeLimit = 25;
    s.clearCondition = 1;
    s.clearValue = 2;
    s.selectedTypes = {0, 11, 24};
    s.characters = {
        {0, 300, 180, 1, "Torvane", 0, 1},
        {11, 120, 200, 0, Cp949("대장"), 5, 200},
        {24, 700, 160, 1, "ABCDEFGHIJKLMNOPQRST", 3, 0},  // fills its field: no zero byte
    };

    EventRecord start = Event(9, StageFile::COMMAND_START);
    start.number = 120;
    EventRecord dialogue = Event(0, StageFile::COMMAND_DIALOGUE);
    dialogue.speaker = 11;
    dialogue.lines = {Cp949("안녕하세요, 여기는 어디입니까?"), Cp949("두 번째 줄"), ""};
    EventRecord open = Event(26, StageFile::COMMAND_OPEN_ILLUSTRATION);
    open.illustration = g_illustrations[2].fileName;  // "01a.bak"
    EventRecord sound = Event(11, StageFile::COMMAND_SOUND_EFFECT);
    sound.number = 23;
    EventRecord release = Event(24, StageFile::COMMAND_RELEASE_TACTIC);
    release.character = 2;
    s.events = {start, dialogue, open, sound, release,
                Event(26, 8),   // close illustration
                Event(9, 6),    // start background music
                Event(9, 1)};   // end
    return s;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <file>\n", argv[0]);
        return 2;
    }
    std::vector<uint8_t> bytes;
    std::string reason;
    if (!StageFile::Write(E2eStage(), bytes, reason)) {
        std::fprintf(stderr, "make_e2e_stage: %s\n", reason.c_str());
        return 1;
    }
    return archive::WriteFile(argv[1], bytes) ? 0 : 1;
}
