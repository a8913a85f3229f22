#include "Texts.h"

const char TEXT_TITLE[] = "Vantrel v3.1.0 (User Version)";
const char TEXT_NONE_STG[] = "none.stg";
const char TEXT_EXIT[] = "Exit?";
const char TEXT_DESKTOP_DEPTH[] = "바탕화면의 색이 반드시 16비트이어야 합니다";
const char TEXT_INIT_FAILED[] = "초기화 과정에 문제가 생겼습니다. 다시 시작해 주십시오";
const char TEXT_BACKGROUND_CHANGE[] = "배경을 바꾸면 캐릭터와 이벤트들은 모두 삭제됩니다";

const char TEXT_STAGE_FILTER[] = "스테이지 파일 (*.stg) |*.stg|";
const char TEXT_NAME_TOO_LONG[] = "이름은 8자를 넘길 수 없습니다";
const char TEXT_FILE_ACCESS_ERROR[] = "파일 접근 오류";
const char TEXT_LOAD_QUESTION[] = "현재의 데이터는 지워집니다";

const char* const TEXT_CHARACTER_COLUMNS[8] = {
    "N", "종류", "X", "Y", "좌우", "이름", "전술", "ID",
};

const char* const TEXT_EVENT_COLUMNS[12] = {
    "Num", "캐릭터", "명령어", "이름", "파일이름", "수치",
    "모션", "프렘", "위치", "Message1", "Message2", "Message3",
};
