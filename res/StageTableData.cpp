// The stage model's constant tables. Compiled with -fexec-charset=CP949: the
// Korean literals below become code-page-949 bytes.
#include "StageTableData.h"

const char g_characterTypeNames[CHARACTER_TYPE_COUNT][CHARACTER_NAME_SIZE] = {
    "Torvane",   // 0
    "Brisalt",   // 1
    "Nemra",     // 2
    "Okkar",     // 3
    "Fendrel",   // 4
    "Yorrith",   // 5
    "Caldis",    // 6
    "Meriven",   // 7
    "Tarsek",    // 8
    "전부",      // 9: all (an event's target or speaker only)
    "Plodwick",  // 10
    "Rukkan",    // 11
    "Dossel",    // 12
    "Virrun",    // 13
    "Lenket",    // 14
    "Wynnol",    // 15
    "Zerrek",    // 16
    "Mugwen",    // 17
    "Pelloch",   // 18
    "Ostravin",  // 19
    "Bakrum",    // 20
    "Selvantor", // 21
    "Kestrune",  // 22
    "Amberlis",  // 23
    "Vell1",     // 24
    "Vell2",     // 25
    "없음",      // 26: none (an event's target or speaker only)
};

const char* const g_appearanceNames[PLAYABLE_TYPE_COUNT] = {
    "Torvane",   // 0
    "Brisalt",   // 1
    "Nemra",     // 2
    "Okkar",     // 3
    "Fendrel",   // 4
    "Yorrith",   // 5
    "Caldis",    // 6
    "Meriven",   // 7
    "Tarsek",    // 8
    nullptr,     // 9: no character
    "Plodwick",  // 10
    "Hobbrin",   // 11
    "Trennick",  // 12
    "Virrun",    // 13
    "Falmir",    // 14
    "Ottaline",  // 15
    "Zerrek",    // 16
    "Mugwen",    // 17
    "Pelloch",   // 18
    "Ostravin",  // 19
    "Bakrum",    // 20
    "Selvantor", // 21
    "Ilvessa",   // 22
    "Amberlis",  // 23
    "Vellmark1", // 24
    "Vellmark2", // 25
};

const SelectionBox g_selectionBoxes[SELECTION_BOX_COUNT] = {
    {1024, 0, "Torvane ( 0.55 )", 55},
    {1025, 1, "Brisalt ( 0.58 )", 58},
    {1026, 2, "Nemra ( 0.49 )", 49},
    {1027, 3, "Okkar ( 0.51 )", 51},
    {1028, 4, "Fendrel ( 0.56 )", 56},
    {1029, 5, "Yorrith ( 0.38 )", 38},
    {1030, 6, "Caldis ( 0.16 )", 16},
    {1031, 7, "Meriven ( 0.61 )", 61},
    {1032, 8, "Tarsek ( 0.27 )", 27},
    {1033, 10, "Plodwick ( 0.35 )", 35},
    {1034, 11, "Hobbrin ( 0.23 )", 23},
    {1035, 12, "Trennick ( 0.11 )", 11},
    {1036, 13, "Virrun ( 0.15 )", 15},
    {1037, 14, "Falmir ( 0.12 )", 12},
    {1038, 15, "Ottaline ( 0.12 )", 12},
    {1039, 16, "Zerrek ( 0.10 )", 10},
    {1040, 17, "Mugwen ( 0.12 )", 12},
    {1041, 18, "Pelloch ( 0.13 )", 13},
    {1042, 19, "Ostravin ( 0.31 )", 31},
    {1043, 20, "Bakrum ( 0.28 )", 28},
    {1044, 21, "Selvantor ( 0.26 )", 26},
    {1045, 22, "Ilvessa ( 0.35 )", 35},
    {1046, 23, "Amberlis ( 0.30 )", 30},
    {1047, 24, "Vellmark 1 ( 0.37 )", 37},
    {1048, 25, "Vellmark 2 ( 0.15 )", 15},
};

const char g_eventCommandNames[EVENT_COMMAND_COUNT][EVENT_COMMAND_NAME_SIZE] = {
    "시작",         // 0: start X position
    "끝",           // 1
    "대사",         // 2: speaker and three lines
    "모션과프레임", // 3
    "모션행동",     // 4
    "BGM 정지",     // 5
    "BGM 시작",     // 6
    "일러열기",     // 7: illustration file name
    "일러닫기",     // 8
    "히든제거",     // 9
    "강제종료",     // 10
    "선택지",       // 11
    "움직이기",     // 12
    "사라지기",     // 13
    "일러위로",     // 14
    "일러아래",     // 15
    "일러좌로",     // 16
    "일러우로",     // 17
    "전술해체",     // 18: character number
    "음악교체",     // 19
    "일러노열",     // 20: illustration file name
    "효과음",       // 21: sound-effect number
};

// The dialog says "BGM 재생" where the event list and the file say "BGM 시작".
const EventCommandEntry g_eventCommandList[EVENT_COMMAND_LIST_COUNT] = {
    {"시작", 0},
    {"끝", 1},
    {"대사", 2},
    {"BGM 정지", 5},
    {"BGM 재생", 6},
    {"일러열기", 7},
    {"일러닫기", 8},
    {"히든제거", 9},
    {"전술해체", 18},
    {"일러노열", 20},
    {"효과음", 21},
};

// Rows 6 to 10 share the far layer and all take their width from image 13,
// whatever near image they draw. Image 20 belongs to no row.
const BackgroundRow g_backgrounds[BACKGROUND_COUNT] = {
    {"Veyrune", "hib.bak", "hix.bak", 0, 1, 0, 200, 240},
    {"Glimmerholt", "ped3.bak", "ped4.bak", 2, 3, 2, 190, 240},
    {"Durnacle", "gow.bak", nullptr, 4, -1, 4, 190, 240},
    {"Fennow", "sek.bak", "sey.bak", 5, 6, 5, 195, 240},
    {"Carrowin", "lun.bak", "luv.bak", 8, 9, 8, 200, 240},
    {"Quorra", "tiz.bak", "tij.bak", 10, 11, 10, 200, 240},
    {"Imbrel 1", "ky1.bak", "ky0.bak", 13, 12, 13, 160, 200},
    {"Imbrel 2", "ky2.bak", "ky0.bak", 14, 12, 13, 160, 200},
    {"Imbrel 3", "ky3.bak", "ky0.bak", 15, 12, 13, 160, 200},
    {"Imbrel 4", "ky4.bak", "ky0.bak", 16, 12, 13, 160, 200},
    {"Imbrel 5", "ky5.bak", "ky0.bak", 17, 12, 13, 160, 200},
    {"Zantho", "bem.bak", "bex.bak", 18, 19, 18, 190, 240},
    {"Noctaris", "nuf.bak", nullptr, 7, -1, 7, 190, 240},
};

const BgmRow g_bgms[BGM_COUNT] = {
    {"Dawn over Marrowgate", "qu17.wav"},
    {"Silver Lantern", "vask.wav"},
    {"Tumbleweed", "tilp.wav"},
    {"Glass Harbor", "grun.wav"},
    {"Quiet Orchard", "oske.wav"},
    {"Paper Kites!", "zelm.wav"},
    {"Last Ferry Home", "pox.wav"},
};

const char* const g_tacticNames[TACTIC_COUNT] = {
    "자유행동", // free action
    "공격대기", // wait to attack
    "서서공격", // attack standing
    "열혈가드", // fervent guard
    "열혈공격", // fervent attack
    "잠복공격", // ambush attack
};

// The stage file codes the facing the other way round (1 = left).
const char* const g_facingNames[FACING_COUNT] = {
    "왼쪽",   // left
    "오른쪽", // right
};

const char* const g_clearConditionNames[CLEAR_CONDITION_COUNT] = {
    "전멸",       // annihilation
    "특정캐릭터", // a specific character
    "화면끝",     // end of the screen
};

// Illustration 2 is "01a.bak"; from 3 on the file carries the number less one,
// so no file name has 32 in it.
const IllustrationRow g_illustrations[ILLUSTRATION_COUNT] = {
    {"00", "00.bak"}, {"01", "01.bak"}, {"02", "01a.bak"}, {"03", "02.bak"},
    {"04", "03.bak"}, {"05", "04.bak"}, {"06", "05.bak"}, {"07", "06.bak"},
    {"08", "07.bak"}, {"09", "08.bak"}, {"10", "09.bak"}, {"11", "10.bak"},
    {"12", "11.bak"}, {"13", "12.bak"}, {"14", "13.bak"}, {"15", "14.bak"},
    {"16", "15.bak"}, {"17", "16.bak"}, {"18", "17.bak"}, {"19", "18.bak"},
    {"20", "19.bak"}, {"21", "20.bak"}, {"22", "21.bak"}, {"23", "22.bak"},
    {"24", "23.bak"}, {"25", "24.bak"}, {"26", "25.bak"}, {"27", "26.bak"},
    {"28", "27.bak"}, {"29", "28.bak"}, {"30", "29.bak"}, {"31", "30.bak"},
    {"32", "31.bak"},
};
