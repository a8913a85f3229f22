// Lookups in the stage model's constant tables (the data is in
// res/StageTableData.cpp). Every other part of the editor names a row by its
// index; texts are code-page-949 byte strings, compared byte for byte.
// A lookup that finds nothing answers -1 (a row) or null (a text).
#pragma once

#include "StageTableData.h"

namespace StageTables {

// The tables that hold one text per row.
enum Table {
    TABLE_CHARACTER_TYPE,      // 27 names; row = character type
    TABLE_APPEARANCE,          // 26 names; row = character type, row 9 has none
    TABLE_EVENT_COMMAND,       // 22 texts; row = file command number
    TABLE_EVENT_COMMAND_LIST,  // 11 texts of the event dialog's command combo
    TABLE_BACKGROUND,          // 13 combo texts
    TABLE_BACKGROUND_NEAR_FILE,// 13 near-layer file names
    TABLE_BGM,                 // 7 titles
    TABLE_BGM_FILE,            // 7 music file names
    TABLE_TACTIC,              // 6 tactic names
    TABLE_FACING,              // 2 facing names: 0 left, 1 right
    TABLE_CLEAR_CONDITION,     // 3 clear conditions
    TABLE_ILLUSTRATION,        // 33 cell texts "00".."32"; row = illustration number
    TABLE_ILLUSTRATION_FILE,   // 33 file names; row = illustration number
};

// Number of rows of a table.
int RowCount(Table table);

// Text of a row; null when the index lies outside the table (a stage file
// may carry any byte) or the row has no text (appearance name of type 9).
const char* RowName(Table table, int index);

// First row in first..last (both included, clipped to the table) whose text
// equals text byte for byte, or -1. A null text finds nothing.
int FindRow(Table table, const char* text, int first, int last);

// Background row 0..12, or null outside the table.
const BackgroundRow* Background(int row);

// Selection box of a character type (0..8, 10..25), or null when the type
// has none.
const SelectionBox* SelectionBoxOfType(int type);

// Event command list index 0..10 to the file command number it stands for,
// and back; -1 when there is none (file commands the dialog does not offer).
int FileCommandOfListIndex(int index);
int ListIndexOfFileCommand(int fileCommand);

// Illustration cell text ("00".."32") to the file name the stage file
// stores, and back; null for a text outside the 33 pairs.
const char* IllustrationFileOfCellText(const char* cellText);
const char* IllustrationCellTextOfFile(const char* fileName);

}  // namespace StageTables
