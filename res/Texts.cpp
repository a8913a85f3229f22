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

const char TEXT_SIX_AT_MOST[] = "6명이 최대입니다";
const char TEXT_RATIO_EXCEEDED[] = "캐릭터 비율이 한도를 초과합니다";
const char TEXT_NO_CHARACTER_TYPES[] = "등록된 캐릭터가 없습니다";
const char TEXT_CHARACTER_LIMIT[] = "캐릭터 등록 한계치입니다";
const char TEXT_SELECT_TO_MODIFY[] = "수정할 데이터를 선택해 주세요";
const char TEXT_SELECT_TO_DELETE[] = "삭제할 데이터를 선택해 주세요";
const char TEXT_DELETE_CHARACTER[] = "정말로 %d번 캐릭터를 지웁니까?";
const char TEXT_DEFAULT_NAME[] = "아무개";

const char* const TEXT_CHARACTER_COLUMNS[8] = {
    "N", "종류", "X", "Y", "좌우", "이름", "전술", "ID",
};

const char* const TEXT_EVENT_COLUMNS[12] = {
    "Num", "캐릭터", "명령어", "이름", "파일이름", "수치",
    "모션", "프렘", "위치", "Message1", "Message2", "Message3",
};

const char TEXT_EVENT_LIMIT[] = "이벤트 등록 한계치입니다";
const char TEXT_SELECT_POSITION[] = "위치를 선택해 주세요";
const char TEXT_DELETE_EVENT_FORMAT[] = "정말로 %d번 이벤트를 지웁니까?";
const char TEXT_LINE_TOO_LONG[] = "글자 한도수 초과입니다";
const char TEXT_LABEL_START_X[] = "시작 X축 위치";
const char TEXT_LABEL_ILLUSTRATION[] = "일러스트 번호(0-32)";
const char TEXT_LABEL_RELEASE[] = "해체할 캐릭터 번호";
// The label as a filled-in dialog has always shown it, misspelt.
const char TEXT_LABEL_RELEASE_FILLED[] = "해채할 캐릭터 번호";
const char TEXT_LABEL_SOUND_EFFECT[] = "플레이할 효과음 번호 (0-23)";
const char TEXT_LABEL_FACE[] = "대화창 얼굴";
