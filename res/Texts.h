// The editor's own texts, in code page 949.
#pragma once

extern const char TEXT_TITLE[];
extern const char TEXT_NONE_STG[];
extern const char TEXT_EXIT[];
extern const char TEXT_DESKTOP_DEPTH[];
extern const char TEXT_INIT_FAILED[];
extern const char TEXT_BACKGROUND_CHANGE[];

// The characters: the selection's two limits, the character list's refusals
// and question, and the appearance dialog's default name.
extern const char TEXT_SIX_AT_MOST[];
extern const char TEXT_RATIO_EXCEEDED[];
extern const char TEXT_NO_CHARACTER_TYPES[];
extern const char TEXT_CHARACTER_LIMIT[];
extern const char TEXT_SELECT_TO_MODIFY[];
extern const char TEXT_SELECT_TO_DELETE[];
extern const char TEXT_DELETE_CHARACTER[];  // "%d": the row number
extern const char TEXT_DEFAULT_NAME[];

// Column headings of the character list (8) and of the event list (12).
extern const char* const TEXT_CHARACTER_COLUMNS[8];
extern const char* const TEXT_EVENT_COLUMNS[12];
