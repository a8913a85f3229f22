// The editor's own texts, in code page 949.
#pragma once

extern const char TEXT_TITLE[];
extern const char TEXT_NONE_STG[];
extern const char TEXT_EXIT[];
extern const char TEXT_DESKTOP_DEPTH[];
extern const char TEXT_INIT_FAILED[];
extern const char TEXT_BACKGROUND_CHANGE[];

// Column headings of the character list (8) and of the event list (12).
extern const char* const TEXT_CHARACTER_COLUMNS[8];
extern const char* const TEXT_EVENT_COLUMNS[12];
