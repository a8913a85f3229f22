// The constant tables of the stage model: everything a stage can name
// (character types, event commands, backgrounds, music, tactics, facings,
// clear conditions, illustrations). Read-only, alive for the whole run.
//
// The texts are code-page-949 byte strings: the data unit is compiled with
// -fexec-charset=CP949, so this header holds plain declarations only and
// includes nothing. The editor reaches the tables through editor/StageTables.h.
#pragma once

constexpr int CHARACTER_TYPE_COUNT = 27;     // rows 0..26; 9 "all" and 26 "none" are no characters
constexpr int CHARACTER_NAME_SIZE = 20;      // field width, zero byte included
constexpr int PLAYABLE_TYPE_COUNT = 26;      // types 0..25 (type 9 has no sprite, box or appearance name)
constexpr int SELECTION_BOX_COUNT = 25;
constexpr int EVENT_COMMAND_COUNT = 22;      // rows 0..21 = file command numbers
constexpr int EVENT_COMMAND_NAME_SIZE = 30;  // field width, zero byte included
constexpr int EVENT_COMMAND_LIST_COUNT = 11; // the event dialog's command combo
constexpr int BACKGROUND_COUNT = 13;
constexpr int BGM_COUNT = 7;
constexpr int TACTIC_COUNT = 6;
constexpr int FACING_COUNT = 2;
constexpr int CLEAR_CONDITION_COUNT = 3;
constexpr int ILLUSTRATION_COUNT = 33;       // illustration numbers 0..32

// Character-type table: the row index is the character type.
extern const char g_characterTypeNames[CHARACTER_TYPE_COUNT][CHARACTER_NAME_SIZE];

// Appearance name list: dialog 253's own name of each type 0..25; null for
// type 9, which has none.
extern const char* const g_appearanceNames[PLAYABLE_TYPE_COUNT];

// Selection-box table of dialog 252, in id order (1024..1048).
struct SelectionBox {
    int id;             // control id of the check box
    int type;           // character type 0..8, 10..25
    const char* caption;
    int ratio;          // cost ratio in hundredths, the number in the caption times 100
};
extern const SelectionBox g_selectionBoxes[SELECTION_BOX_COUNT];

// Event-command table: the row index is the file command number.
extern const char g_eventCommandNames[EVENT_COMMAND_COUNT][EVENT_COMMAND_NAME_SIZE];

// Event command list: the event dialog's command combo, each entry with the
// file command it stands for.
struct EventCommandEntry {
    const char* text;
    int fileCommand;
};
extern const EventCommandEntry g_eventCommandList[EVENT_COMMAND_LIST_COUNT];

// Background table. Layer images are the image store's background slots.
struct BackgroundRow {
    const char* comboText;
    const char* nearFile;  // near-layer file name, as the stage file stores it
    const char* farFile;   // far-layer file name; null for a row without far layer
    int nearImage;         // near image drawn
    int farImage;          // far image; -1 for a row without far layer
    int widthImage;        // image whose width bounds scrolling, ruler and a character's X
    int minY;              // movement band: upper edge
    int maxY;              // movement band: lower edge
};
extern const BackgroundRow g_backgrounds[BACKGROUND_COUNT];

// BGM table: the combo's title and the music file the stage file stores.
struct BgmRow {
    const char* title;
    const char* file;
};
extern const BgmRow g_bgms[BGM_COUNT];

extern const char* const g_tacticNames[TACTIC_COUNT];
extern const char* const g_facingNames[FACING_COUNT];  // 0 left, 1 right
extern const char* const g_clearConditionNames[CLEAR_CONDITION_COUNT];

// Illustration-name table: the event list's two-digit cell text and the file
// name the stage file stores, by illustration number.
struct IllustrationRow {
    const char* cellText;
    const char* fileName;
};
extern const IllustrationRow g_illustrations[ILLUSTRATION_COUNT];
