#include "StageTables.h"

#include <cstring>

namespace StageTables {

int RowCount(Table table)
{
    switch (table) {
    case TABLE_CHARACTER_TYPE: return CHARACTER_TYPE_COUNT;
    case TABLE_APPEARANCE: return PLAYABLE_TYPE_COUNT;
    case TABLE_EVENT_COMMAND: return EVENT_COMMAND_COUNT;
    case TABLE_EVENT_COMMAND_LIST: return EVENT_COMMAND_LIST_COUNT;
    case TABLE_BACKGROUND: return BACKGROUND_COUNT;
    case TABLE_BACKGROUND_NEAR_FILE: return BACKGROUND_COUNT;
    case TABLE_BGM: return BGM_COUNT;
    case TABLE_BGM_FILE: return BGM_COUNT;
    case TABLE_TACTIC: return TACTIC_COUNT;
    case TABLE_FACING: return FACING_COUNT;
    case TABLE_CLEAR_CONDITION: return CLEAR_CONDITION_COUNT;
    case TABLE_ILLUSTRATION: return ILLUSTRATION_COUNT;
    case TABLE_ILLUSTRATION_FILE: return ILLUSTRATION_COUNT;
    }
    return 0;
}

const char* RowName(Table table, int index)
{
    if (index < 0 || index >= RowCount(table))
        return nullptr;
    switch (table) {
    case TABLE_CHARACTER_TYPE: return g_characterTypeNames[index];
    case TABLE_APPEARANCE: return g_appearanceNames[index];
    case TABLE_EVENT_COMMAND: return g_eventCommandNames[index];
    case TABLE_EVENT_COMMAND_LIST: return g_eventCommandList[index].text;
    case TABLE_BACKGROUND: return g_backgrounds[index].comboText;
    case TABLE_BACKGROUND_NEAR_FILE: return g_backgrounds[index].nearFile;
    case TABLE_BGM: return g_bgms[index].title;
    case TABLE_BGM_FILE: return g_bgms[index].file;
    case TABLE_TACTIC: return g_tacticNames[index];
    case TABLE_FACING: return g_facingNames[index];
    case TABLE_CLEAR_CONDITION: return g_clearConditionNames[index];
    case TABLE_ILLUSTRATION: return g_illustrations[index].cellText;
    case TABLE_ILLUSTRATION_FILE: return g_illustrations[index].fileName;
    }
    return nullptr;
}

int FindRow(Table table, const char* text, int first, int last)
{
    if (text == nullptr)
        return -1;
    const int count = RowCount(table);
    if (first < 0)
        first = 0;
    if (last >= count)
        last = count - 1;
    for (int i = first; i <= last; ++i) {
        // The first byte rules out most rows before a whole comparison (the
        // preview looks up every character's type name each frame).
        const char* name = RowName(table, i);
        if (name != nullptr && name[0] == text[0] && std::strcmp(name, text) == 0)
            return i;
    }
    return -1;
}

const BackgroundRow* Background(int row)
{
    if (row < 0 || row >= BACKGROUND_COUNT)
        return nullptr;
    return &g_backgrounds[row];
}

const SelectionBox* SelectionBoxOfType(int type)
{
    for (const SelectionBox& box : g_selectionBoxes) {
        if (box.type == type)
            return &box;
    }
    return nullptr;
}

int FileCommandOfListIndex(int index)
{
    if (index < 0 || index >= EVENT_COMMAND_LIST_COUNT)
        return -1;
    return g_eventCommandList[index].fileCommand;
}

int ListIndexOfFileCommand(int fileCommand)
{
    for (int i = 0; i < EVENT_COMMAND_LIST_COUNT; ++i) {
        if (g_eventCommandList[i].fileCommand == fileCommand)
            return i;
    }
    return -1;
}

const char* IllustrationFileOfCellText(const char* cellText)
{
    return RowName(TABLE_ILLUSTRATION_FILE, FindRow(TABLE_ILLUSTRATION, cellText, 0, ILLUSTRATION_COUNT - 1));
}

const char* IllustrationCellTextOfFile(const char* fileName)
{
    return RowName(TABLE_ILLUSTRATION, FindRow(TABLE_ILLUSTRATION_FILE, fileName, 0, ILLUSTRATION_COUNT - 1));
}

}  // namespace StageTables
