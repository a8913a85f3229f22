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

// Column headings of the character list (8) and of the event list (12).
extern const char* const TEXT_CHARACTER_COLUMNS[8];
extern const char* const TEXT_EVENT_COLUMNS[12];
