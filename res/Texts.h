// The editor's own texts, in code page 949.
#pragma once

extern const char TEXT_TITLE[];
extern const char TEXT_NONE_STG[];
extern const char TEXT_EXIT[];
extern const char TEXT_DESKTOP_DEPTH[];
extern const char TEXT_INIT_FAILED[];
extern const char TEXT_BACKGROUND_CHANGE[];

// Stage files: the file dialogs' filter, the save's name limit, the failure
// of either, and the load's question.
extern const char TEXT_STAGE_FILTER[];
extern const char TEXT_NAME_TOO_LONG[];
extern const char TEXT_FILE_ACCESS_ERROR[];
extern const char TEXT_LOAD_QUESTION[];

// The characters: the selection's two limits, the character list's refusals
// and question (the refusals without a selected row are the event list's
// too), and the appearance dialog's default name.
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

// The event dialog and the event list.
extern const char TEXT_EVENT_LIMIT[];
extern const char TEXT_SELECT_POSITION[];
extern const char TEXT_DELETE_EVENT_FORMAT[];  // printf format with the row number
extern const char TEXT_LINE_TOO_LONG[];
extern const char TEXT_LABEL_START_X[];
extern const char TEXT_LABEL_ILLUSTRATION[];
extern const char TEXT_LABEL_RELEASE[];
extern const char TEXT_LABEL_RELEASE_FILLED[];
extern const char TEXT_LABEL_SOUND_EFFECT[];
extern const char TEXT_LABEL_FACE[];
